// Whole-file reading and atomic whole-file writing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/Result.h"

namespace sw {

// Reads the whole file into memory. Errors name the problem (missing file,
// a folder, unreadable); they carry no offset.
Result<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Writes `data` to a temporary file in the target's folder, flushes it to the
// disk and renames it over `path`. On any failure the temporary file is
// removed and an existing file at `path` is left as it was.
Status WriteFileAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> data);

}  // namespace sw
