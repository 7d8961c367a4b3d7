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

struct RegEntry {
  enum class Kind {
    Value,   // "name"=data
    Delete,  // "name"=- (regedit)
    Other,   // blank line, comment, "#…" line, or a malformed line kept as it was
  };
  Kind kind = Kind::Other;
  std::string raw;   // its physical lines as in the file, line ends included
  std::string name;  // CP932, for Value and Delete ("" = default value)
  RegValue value;    // for Value
};

struct RegSection {
  bool prelude = false;  // the lines before the first key
  bool visible = false;  // a key of HKEY_CURRENT_USER
  bool deleted = false;  // "[-KEY]" (regedit): the key and its subkeys are removed
  std::string path;      // CP932, single backslashes, without the hive
  std::string folded;    // path with ASCII letters in lower case, for comparisons
  std::string raw;       // the header line as in the file
  std::vector<RegEntry> entries;
};

struct RegDocument {
  RegFormat format = RegFormat::Wine;
  RegEncoding encoding = RegEncoding::Bytes;
  bool rawUtf8 = true;      // Wine: raw non-ASCII bytes are UTF-8 (else CP932)
  std::string eol = "\n";   // line end used for new lines
  std::vector<RegSection> sections;  // sections[0] is the prelude
};

// Parses a registry text file. An unknown first line is fatal; a malformed
// line is kept as it stands, ignored for lookups and reported in `warnings`
// as "line N: …" with the byte offset of the line.
Result<RegDocument> ParseRegDocument(std::span<const std::uint8_t> bytes,
                                     std::vector<Error>& warnings);
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
