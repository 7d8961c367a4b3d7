#include "support/RegFiles.h"

namespace sw::test {

std::string WineRegText(const std::vector<RegKeyText>& keys) {
  std::string out = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n";
  for (const RegKeyText& k : keys) {
    out += "\n[" + k.path + "] 1466583564\n#time=1d1cc8d9c0e4a80\n";
    for (const std::string& l : k.lines) out += l + "\n";
  }
  return out;
}

std::string RegeditText(bool version5, const std::vector<RegKeyText>& keys) {
  std::string out = version5 ? "Windows Registry Editor Version 5.00\r\n" : "REGEDIT4\r\n";
  for (const RegKeyText& k : keys) {
    out += "\r\n[" + k.path + "]\r\n";
    for (const std::string& l : k.lines) out += l + "\r\n";
  }
  return out + "\r\n";
}

std::vector<std::uint8_t> Utf16LeWithBom(std::string_view s) {
  std::vector<std::uint8_t> out = {0xFF, 0xFE};
  auto put = [&](unsigned u) {
    out.push_back(static_cast<std::uint8_t>(u & 0xFF));
    out.push_back(static_cast<std::uint8_t>(u >> 8));
  };
  for (std::size_t i = 0; i < s.size();) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    unsigned c;
    std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    c = n == 1 ? b : n == 2 ? (b & 0x1Fu) : n == 3 ? (b & 0x0Fu) : (b & 0x07u);
    for (std::size_t k = 1; k < n && i + k < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
    i += n;
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

}  // namespace sw::test
