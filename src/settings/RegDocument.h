// A registry text file kept line by line, so that a rewrite reproduces every
// line it did not change byte for byte. Used by RegistryFile.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Result.h"
#include "settings/Registry.h"

namespace sw {

enum class RegFormat {
  Wine,      // "WINE REGISTRY Version 2": keys relative to HKEY_CURRENT_USER, ASCII with escapes
  Regedit4,  // "REGEDIT4": 8-bit, CP932 text as bytes
  Regedit5,  // "Windows Registry Editor Version 5.00": UTF-16LE with BOM (or UTF-8)
};

// How the file's bytes are turned into lines.
enum class RegEncoding {
  Bytes,    // lines are the file's bytes
  Utf16le,  // the file is UTF-16LE with BOM; lines hold it as UTF-8
  Utf8Bom,  // UTF-8 with a BOM, which is written back
};

// A piece of the file: one line, several lines of the same kind, or a value
// with its continuation lines. Its text (line ends included) is the range
// [at, at + size) of RegDocument::text; name and value are read from that
// text when asked for (ReadRegEntry), so an entry costs a few bytes whatever
// it holds.
struct RegEntry {
  enum class Kind : std::uint8_t {
    Value,   // "name"=data
    Delete,  // "name"=- (regedit)
    Other,   // blank lines, comments, "#…" lines, or malformed lines kept as they were
  };
  Kind kind = Kind::Other;
  std::uint32_t at = 0;
  std::uint32_t size = 0;
};

// A key header line and the entries below it.
struct RegSection {
  std::uint32_t at = 0;    // the header line as in the file: a range of RegDocument::text
  std::uint32_t size = 0;
  // The key's path, CP932 with single backslashes, without the hive and with
  // ASCII letters in lower case: a range of RegDocument::folded.
  std::uint32_t foldedAt = 0;
  std::uint32_t foldedSize = 0;
  std::uint32_t first = 0;  // index of its first entry in RegDocument::entries
  bool prelude = false;  // the lines before the first key
  bool visible = false;  // a key of HKEY_CURRENT_USER
  bool deleted = false;  // "[-KEY]" (regedit): the key and its subkeys are removed
};

// A registry file as sections of entries over its text. Sections and entries
// are small records in two lists (the entries of section s run from its
// `first` to the next section's), so that a file of many short keys or lines
// costs little beside its text.
struct RegDocument {
  RegFormat format = RegFormat::Wine;
  RegEncoding encoding = RegEncoding::Bytes;
  bool rawUtf8 = true;      // Wine: raw non-ASCII bytes are UTF-8 (else CP932)
  std::string eol = "\n";   // line end used for new lines
  std::vector<RegSection> sections;  // sections[0] is the prelude
  std::vector<RegEntry> entries;     // of every section, in order
  // The text of every section header and entry (decoded from UTF-16 when the
  // file is), in file order as read; text set later is appended.
  std::string text;
  std::size_t unused = 0;  // bytes of `text` that no section or entry refers to any more
  std::string folded;      // the sections' folded paths

  std::string_view raw(const RegEntry& e) const { return std::string_view(text).substr(e.at, e.size); }
  std::string_view raw(const RegSection& s) const { return std::string_view(text).substr(s.at, s.size); }
  std::string_view path(const RegSection& s) const {
    return std::string_view(folded).substr(s.foldedAt, s.foldedSize);
  }
  // Gives the entry (or header) the text `t`.
  void setRaw(RegEntry& e, std::string_view t);
  void setRaw(RegSection& s, std::string_view t);

  // The entries of section s.
  std::span<RegEntry> entriesOf(std::size_t s) {
    return std::span(entries).subspan(sections[s].first, end(s) - sections[s].first);
  }
  std::span<const RegEntry> entriesOf(std::size_t s) const {
    return std::span(entries).subspan(sections[s].first, end(s) - sections[s].first);
  }
  // Inserts `e` as entry i of section s.
  void insertEntry(std::size_t s, std::size_t i, RegEntry e);
  // Appends a section with the folded path `path` and no entries.
  RegSection& addSection(RegSection sec, std::string_view path);

 private:
  std::size_t end(std::size_t s) const {
    return s + 1 < sections.size() ? sections[s + 1].first : entries.size();
  }
};

// Warnings of one reading: the first kKeptWarnings in full, the others only
// counted, so that a file of nothing but bad lines costs no more than a good one.
inline constexpr std::size_t kKeptWarnings = 100;
struct RegWarnings {
  std::vector<Error> kept;
  std::uint64_t notKept = 0;
  void add(Error e) {
    if (kept.size() < kKeptWarnings) {
      kept.push_back(std::move(e));
    } else {
      ++notKept;
    }
  }
};

// Parses a registry text file. An unknown first line is fatal; a malformed
// line is kept as it stands, ignored for lookups and reported in `warnings`
// as "line N: …" with the byte offset of the line.
Result<RegDocument> ParseRegDocument(std::span<const std::uint8_t> bytes, RegWarnings& warnings);
// The same, taking over the file's bytes held in a string.
Result<RegDocument> ParseRegDocument(std::string&& bytes, RegWarnings& warnings);
// The name (CP932, "" = default value) and, for Value, the value of an entry
// of kind Value or Delete, read from its text (the data only when `value` is
// given); false for any other entry.
bool ReadRegEntry(const RegDocument& doc, const RegEntry& e, std::string* name, RegValue* value);
// Drops the text no section or entry refers to any more.
void CompactRegDocument(RegDocument& doc);
// The file's bytes.
std::vector<std::uint8_t> SerializeRegDocument(const RegDocument& doc);
// An empty document of the given format (its header line only).
RegDocument NewRegDocument(RegFormat format);

// The text of one value line (without line end) and of a key header line.
std::string FormatValueLine(const RegDocument& doc, std::string_view name, const RegValue& v);
std::string FormatKeyLine(const RegDocument& doc, std::string_view path, std::int64_t unixTime);

// CP932 path with ASCII letters folded to lower case (trail bytes untouched),
// leading and trailing backslashes removed.
std::string FoldKeyPath(std::string_view path);
std::string FoldName(std::string_view name);

}  // namespace sw
