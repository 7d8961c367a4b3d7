// A registry kept in a text file: Wine's user.reg (keys relative to
// HKEY_CURRENT_USER) or a regedit export ("REGEDIT4", 8-bit CP932, or
// "Windows Registry Editor Version 5.00", UTF-16LE with BOM). Keys of other
// hives in a regedit file are kept but not visible.
//
// Text encoding: user.reg is read as ASCII with Wine's escapes (\xNNNN is one
// UTF-16 code unit); raw bytes above 0x7F are taken as UTF-8 when the whole
// file is valid UTF-8, else as CP932. New text is written with \x escapes, so
// the file stays ASCII. REGEDIT4 text is CP932 bytes; version 5 text is
// Unicode. Values reach the program as CP932.
//
// A line that cannot be understood is kept as it stands, takes no part in
// lookups and is listed in warnings() as "line N: …". Writing rewrites only
// the lines of values that were set (and adds lines for new values and keys);
// every other byte of the file is written back as it was read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "settings/RegDocument.h"
#include "settings/Registry.h"

namespace sw {

// The largest registry text file read; Wine's user.reg of a busy prefix is a
// few MiB.
inline constexpr std::uint64_t kMaxRegistryFileBytes = std::uint64_t{64} << 20;

class RegistryFile final : public Registry {
 public:
  // Reads an existing regular file of at most kMaxRegistryFileBytes. Errors
  // name the file.
  static Result<RegistryFile> Open(const std::filesystem::path& path);
  // Reads the file, or starts an empty registry in Wine's format when there
  // is none; flush() then creates it, and its folder.
  static Result<RegistryFile> OpenOrCreate(const std::filesystem::path& path);
  // Parses `bytes` as the content of `path` (which flush() writes).
  static Result<RegistryFile> Parse(std::span<const std::uint8_t> bytes, std::filesystem::path path);
  // An empty registry of the given format, not yet written.
  static RegistryFile Empty(std::filesystem::path path, RegFormat format);

  bool keyExists(std::string_view key) const override;
  std::optional<RegValue> value(std::string_view key, std::string_view name) const override;
  Status setValue(std::string_view key, std::string_view name, const RegValue& v) override;
  // Writes the file atomically when something was set; nothing otherwise.
  Status flush() override;
  std::string source() const override;
  // Lines passed over, as "line N: …" (the first kKeptWarnings of them).
  std::span<const Error> warnings() const override { return warnings_.kept; }
  std::uint64_t warningsNotKept() const override { return warnings_.notKept; }

  RegFormat format() const { return doc_.format; }
  const std::filesystem::path& path() const { return path_; }
  // The bytes flush() would write.
  std::vector<std::uint8_t> serialize() const { return SerializeRegDocument(doc_); }
  // Seconds since 1970 written after new keys in Wine's format.
  void setClock(std::function<std::int64_t()> now) { now_ = std::move(now); }

 private:
  RegistryFile(std::filesystem::path path, RegDocument doc);
  // The entry a lookup of (key, name) finds, as section and entry indexes
  // (-1 when none), and the last section of that key still in force.
  struct Found {
    int section = -1, entry = -1, liveSection = -1;
  };
  Found find(const std::string& foldedKey, const std::string& foldedName) const;
  // Marks the document changed, and drops the text of replaced lines once
  // there is much of it.
  void changed();

  std::filesystem::path path_;
  RegDocument doc_;
  RegWarnings warnings_;
  bool dirty_ = false;
  std::function<std::int64_t()> now_;
};

}  // namespace sw
