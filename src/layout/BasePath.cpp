#include "layout/BasePath.h"

#include <system_error>

#include "core/Cp932.h"
#include "core/Path.h"

namespace sw {
namespace fs = std::filesystem;

namespace {

// Every '\' of `cp932` that stands for itself (not the second byte of a
// two-byte character) replaced by `to`.
std::string WithBackslashesAs(std::string_view cp932, char to) {
  std::string out(cp932);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(out[i])) && i + 1 < out.size()) {
      ++i;
    } else if (out[i] == '\\') {
      out[i] = to;
    }
  }
  return out;
}

bool HasOwnBackslash(std::string_view cp932) { return WithBackslashesAs(cp932, '/') != cp932; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A path for lexical work on the CP932 text of a native path. On POSIX the
// bytes themselves serve: no CP932 trail byte is '/' or '.', so the
// separators and dot components are found exactly, and the bytes come back
// unchanged; a '\' there is part of a name. On Windows through Unicode.
fs::path LexicalPath(std::string_view cp932) {
#ifdef _WIN32
  return PathFromUtf8(Cp932ToUtf8(cp932));
#else
  return fs::path(std::string(cp932));
#endif
}

// The same for a path as a layout file stores it, where '\' separates too
// (on Windows the path itself takes both).
fs::path StoredLexicalPath(std::string_view cp932) {
#ifdef _WIN32
  return LexicalPath(cp932);
#else
  return LexicalPath(WithBackslashesAs(cp932, '/'));
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

// The names of a relative lexical path joined with '\'; fails for a name
// that holds a '\' of its own.
Result<std::string> JoinedWithBackslashes(const fs::path& rel) {
  std::string out;
  for (const fs::path& part : rel) {
    const std::string name = LexicalText(part);
    if (name.empty()) continue;
    if (HasOwnBackslash(name))
      return MakeError("the base drawing's path has a name with a backslash, \"" + Cp932ToUtf8(name) +
                       "\"; a layout file separates folders with backslashes, so the stored path would "
                       "name another file. Rename the file or folder, then save again");
    if (!out.empty()) out += '\\';
    out += name;
  }
  return out;
}

#ifndef _WIN32
// The drive path "X:/rest" (separators already '/') resolved through the
// drive's folder; nothing when the drive leads nowhere.
std::optional<std::string> ThroughDrive(const std::string& slashed, const DriveMap& drives) {
  const std::optional<fs::path> folder = DriveFolder(slashed[0], drives);
  if (!folder) return std::nullopt;
  // Normalised as an absolute path first, so ".." stops at the drive's folder.
  const fs::path rest = fs::path("/" + slashed.substr(3)).lexically_normal().relative_path();
  const fs::path root = LexicalPath(Utf8ToCp932(Utf8FromPath(*folder)));
  return LexicalText((root / rest).lexically_normal());
}
#endif

}  // namespace

std::optional<fs::path> DriveFolder(char letter, const DriveMap& drives) {
  if (!IsAsciiLetter(letter)) return std::nullopt;
  const char lower = letter >= 'a' ? letter : static_cast<char>(letter - 'A' + 'a');
  std::error_code ec;
  const fs::path links = drives.winePrefix.empty() ? fs::path() : drives.winePrefix / "dosdevices";
  if (links.empty() || !fs::is_directory(links, ec)) {
    if (lower == 'z') return fs::path("/");
    return std::nullopt;
  }
  const fs::path folder = fs::canonical(links / (std::string(1, lower) + ":"), ec);
  if (ec || !fs::is_directory(folder, ec)) return std::nullopt;
  return folder;
}

fs::path NativePathFromCp932(std::string_view cp932) { return PathFromUtf8(Cp932ToUtf8(cp932)); }

Result<std::string> Cp932FromNativePath(const fs::path& path) {
  const std::string utf8 = Utf8FromPath(path);
  std::string cp932 = Utf8ToCp932(utf8);
  if (Cp932ToUtf8(cp932) != utf8)
    return MakeError("the path " + utf8 + " has characters outside Windows-932, which a layout file cannot store");
  return cp932;
}

bool IsForeignDrivePath(std::string_view cp932) {
#ifdef _WIN32
  (void)cp932;
  return false;
#else
  if (cp932.size() >= 2 && cp932[0] == '\\' && cp932[1] == '\\') return true;
  return cp932.size() >= 2 && IsAsciiLetter(cp932[0]) && cp932[1] == ':';
#endif
}

Result<std::string> StoredBasePath(std::string_view baseFile, const fs::path& layoutFile) {
  if (baseFile.empty() || IsForeignDrivePath(baseFile)) return std::string(baseFile);
  const fs::path base = LexicalPath(baseFile).lexically_normal();
  if (base.is_relative()) return JoinedWithBackslashes(base);
  const fs::path rel = base.lexically_relative(LayoutFolder(layoutFile));
  if (rel.empty()) return std::string(baseFile);
  return JoinedWithBackslashes(rel);
}

std::string ResolveBasePath(std::string_view stored, const fs::path& layoutFile, const DriveMap& drives) {
  if (stored.empty()) return {};
#ifndef _WIN32
  if (IsForeignDrivePath(stored)) {
    const std::string slashed = WithBackslashesAs(stored, '/');
    if (slashed.size() >= 3 && slashed[1] == ':' && slashed[2] == '/') {
      if (std::optional<std::string> resolved = ThroughDrive(slashed, drives)) return *resolved;
    }
    return std::string(stored);
  }
#else
  (void)drives;
#endif
  const fs::path p = StoredLexicalPath(stored);
  if (p.is_absolute()) return LexicalText(p.lexically_normal());
  return LexicalText((LayoutFolder(layoutFile) / p).lexically_normal());
}

}  // namespace sw
