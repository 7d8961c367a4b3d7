// How File.cpp gets a file's bytes: through the platform's own calls where it
// has them (POSIX: stat, open, fstat, read), or through standard C++ alone,
// the fallback for platforms without them. Both are built on every platform
// so that the tests hold the fallback to the same rules. For core and its
// tests only; everything else uses File.h.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "core/Result.h"

namespace sw::detail {

enum class ReadWay {
  Native,    // POSIX calls where available, else the same as Portable
  Portable,  // std::filesystem and std::ifstream only
};

// Memory for `size` bytes, or null when none is to be had.
using AllocateBytes = std::function<std::uint8_t*(std::size_t size)>;

// Checks that `path` names a regular file of at most `maxBytes` (its size
// taken once), asks `allocate` for memory of that size and reads the file into
// it. Returns the number of bytes read: the size, or fewer when the file got
// shorter meanwhile. `allocate` is not called for an empty file nor for a
// refused one. Errors are those listed for ReadFileBytes.
Result<std::size_t> ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes, ReadWay way,
                                    const AllocateBytes& allocate);

// The save of WriteFileAtomic with standard C++ and stdio only, for `target`
// itself (links already followed): an unused temporary name in its folder,
// written, flushed and renamed over it; the temporary file is removed on
// failure. Keeps no mode or owner.
Status WriteFileAtomicPortable(const std::filesystem::path& target, std::span<const std::uint8_t> data);

#ifdef _WIN32
// The save of WriteFileAtomic on Windows (FileWin.cpp), for `target` itself:
// the temporary file is created with CreateFileW (CREATE_NEW, so never an
// existing file), written, flushed with FlushFileBuffers, then renamed over
// the target by MoveFileExW with MOVEFILE_REPLACE_EXISTING and
// MOVEFILE_WRITE_THROUGH. Paths cross the API as UTF-16. A target open
// elsewhere is replaced when every handle on it shares delete access
// (FILE_SHARE_DELETE): it is renamed aside, the new file takes its name and
// the old one is deleted, its readers keeping the old bytes. Any other open
// handle, or a read-only target, makes the save fail with the target left as
// it was.
Status WriteFileAtomicWindows(const std::filesystem::path& target, std::span<const std::uint8_t> data);
#endif

}  // namespace sw::detail
