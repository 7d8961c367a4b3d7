// The base drawing's path: held as CP932 bytes in the document, stored in a
// layout file relative to the layout file's folder, and turned into a native
// path to open the drawing. All path arithmetic is lexical (no file system
// access besides the current folder for a relative layout path).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Result.h"

namespace sw {

// The native path of a CP932 path text, for opening the file.
std::filesystem::path NativePathFromCp932(std::string_view cp932);

// The CP932 text of a native path; fails when the path has characters that
// CP932 cannot hold (the text would not lead back to the file).
Result<std::string> Cp932FromNativePath(const std::filesystem::path& path);

// The base path as a layout file at `layoutFile` stores it: relative to the
// layout file's folder (lexically, with "..", as needed); unchanged when it
// has no relative form (another root name, such as another drive, or a
// relative base path); empty stays empty.
std::string RelativeBasePath(std::string_view baseFile, const std::filesystem::path& layoutFile);

// The stored base path resolved against the layout file's folder into an
// absolute, lexically normal path; an absolute stored path is only
// normalised; empty stays empty.
std::string ResolveBasePath(std::string_view stored, const std::filesystem::path& layoutFile);

}  // namespace sw
