// Test-only writers for registry text files: Wine's user.reg and regedit
// exports, built from keys and their value lines as they appear in a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw::test {

struct RegKeyText {
  std::string path;                // as written between the brackets, e.g. "Software\\\\Jw_cad"
  std::vector<std::string> lines;  // value lines, e.g. "\"Color01\"=\"c0c000\""
};

// "WINE REGISTRY Version 2", a comment, "#arch=win32", then every key with a
// timestamp and a "#time=" line, keys separated by blank lines; "\n" line ends.
std::string WineRegText(const std::vector<RegKeyText>& keys);
// "REGEDIT4" or "Windows Registry Editor Version 5.00" and the keys, with
// "\r\n" line ends.
std::string RegeditText(bool version5, const std::vector<RegKeyText>& keys);

// UTF-8 text as UTF-16LE with a byte-order mark.
std::vector<std::uint8_t> Utf16LeWithBom(std::string_view utf8);
std::vector<std::uint8_t> Bytes(std::string_view s);

}  // namespace sw::test
