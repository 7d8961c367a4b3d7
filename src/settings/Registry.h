// The registry as the program sees it: keys under HKEY_CURRENT_USER holding
// named values. Backends: registry text files (Wine's user.reg and regedit
// exports) here, HKEY_CURRENT_USER itself on Windows.
//
// Key paths are relative to HKEY_CURRENT_USER with single backslashes, such
// as "Software\\Jw_cad\\jw_win\\Pen"; a leading backslash is ignored and
// names compare without regard to ASCII case, as on Windows. Text values are
// CP932 bytes. The empty value name is the key's default value.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Result.h"

namespace sw {

struct RegValue {
  enum class Type { String, Dword, Binary };
  Type type = Type::String;
  std::string text;                 // String: CP932 bytes
  std::uint32_t dword = 0;          // Dword
  std::vector<std::uint8_t> bytes;  // Binary
  bool operator==(const RegValue&) const = default;

  static RegValue String(std::string cp932) { return {Type::String, std::move(cp932), 0, {}}; }
  static RegValue Dword(std::uint32_t v) { return {Type::Dword, {}, v, {}}; }
  static RegValue Binary(std::vector<std::uint8_t> b) { return {Type::Binary, {}, 0, std::move(b)}; }
};

class Registry {
 public:
  virtual ~Registry() = default;

  // True when the key exists (it may hold no values).
  virtual bool keyExists(std::string_view key) const = 0;
  // The value, or nullopt when the key or the value is absent.
  virtual std::optional<RegValue> value(std::string_view key, std::string_view name) const = 0;
  // Sets a value, creating the key (and its parents) when needed. Backends
  // that keep a file write it on flush().
  virtual Status setValue(std::string_view key, std::string_view name, const RegValue& v) = 0;
  // Makes the changes durable (a file backend writes atomically). A failure
  // leaves the stored registry as it was.
  virtual Status flush() = 0;
  // Where the values come from, for messages (a file path, or "HKEY_CURRENT_USER").
  virtual std::string source() const = 0;
  // Parts of the source that could not be read and were passed over, such
  // as "line 12: unterminated string"; empty for backends without any. Only
  // the first ones are kept: warningsNotKept() counts the others.
  virtual std::span<const Error> warnings() const { return {}; }
  virtual std::uint64_t warningsNotKept() const { return 0; }
};

}  // namespace sw
