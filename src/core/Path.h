// Paths as UTF-8 text and back, and the file-name extension test. Paths
// cross module boundaries and dialogs as UTF-8 text on every platform.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

// The native path of UTF-8 text.
std::filesystem::path PathFromUtf8(std::string_view utf8);
// The UTF-8 text of a native path.
std::string Utf8FromPath(const std::filesystem::path& path);

// True when the file name of `path` ends in `dotExt` (".swt"), ASCII letters
// compared in any case.
bool HasExtension(const std::filesystem::path& path, std::string_view dotExt);

}  // namespace sw
