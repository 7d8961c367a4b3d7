#include "core/Path.h"

namespace sw {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

bool HasExtension(const std::filesystem::path& path, std::string_view dotExt) {
  const std::string ext = Utf8FromPath(path.filename().extension());
  if (ext.size() != dotExt.size()) return false;
  for (std::size_t i = 0; i < ext.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(ext[i]) != lower(dotExt[i])) return false;
  }
  return true;
}

}  // namespace sw
