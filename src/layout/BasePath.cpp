#include "layout/BasePath.h"

#include <system_error>

#include "core/Cp932.h"
#include "core/Path.h"

namespace sw {
namespace fs = std::filesystem;

namespace {

// A path for lexical work on a CP932 text. On POSIX the bytes themselves
// serve: no CP932 trail byte is '/' or '.', so the separators and dot
// components are found exactly, and the bytes come back unchanged. On
// Windows, where 0x5C may be a trail byte, through Unicode.
fs::path LexicalPath(std::string_view cp932) {
#ifdef _WIN32
  return PathFromUtf8(Cp932ToUtf8(cp932));
#else
  return fs::path(std::string(cp932));
#endif
}

std::string LexicalText(const fs::path& p) {
#ifdef _WIN32
  return Utf8ToCp932(Utf8FromPath(p));
#else
  return p.string();
#endif
}

// The layout file's folder, absolute and normal, as a lexical CP932 path.
fs::path LayoutFolder(const fs::path& layoutFile) {
  std::error_code ec;
  fs::path abs = fs::absolute(layoutFile, ec);
  if (ec) abs = layoutFile;
  return LexicalPath(Utf8ToCp932(Utf8FromPath(abs.lexically_normal().parent_path())));
}

}  // namespace

fs::path NativePathFromCp932(std::string_view cp932) { return PathFromUtf8(Cp932ToUtf8(cp932)); }

Result<std::string> Cp932FromNativePath(const fs::path& path) {
  const std::string utf8 = Utf8FromPath(path);
  std::string cp932 = Utf8ToCp932(utf8);
  if (Cp932ToUtf8(cp932) != utf8)
    return MakeError("the path " + utf8 + " has characters outside Windows-932, which a layout file cannot store");
  return cp932;
}

std::string RelativeBasePath(std::string_view baseFile, const fs::path& layoutFile) {
  if (baseFile.empty()) return {};
  const fs::path base = LexicalPath(baseFile).lexically_normal();
  const fs::path rel = base.lexically_relative(LayoutFolder(layoutFile));
  if (rel.empty()) return std::string(baseFile);
  return LexicalText(rel);
}

std::string ResolveBasePath(std::string_view stored, const fs::path& layoutFile) {
  if (stored.empty()) return {};
  const fs::path p = LexicalPath(stored);
  if (p.is_absolute()) return LexicalText(p.lexically_normal());
  return LexicalText((LayoutFolder(layoutFile) / p).lexically_normal());
}

}  // namespace sw
