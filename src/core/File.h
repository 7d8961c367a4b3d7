// Whole-file reading and atomic whole-file writing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/Result.h"

namespace sw {

namespace detail {
// Hands the memory of a FileBytes back to the system.
struct ReleaseFileMemory {
  std::size_t capacity = 0;
  void operator()(std::uint8_t* p) const;
};
}  // namespace detail

// The bytes of one file, read into memory allocated once at the file's size.
// Move-only.
class FileBytes {
 public:
  FileBytes() = default;

  std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }
  std::size_t size() const { return size_; }

  // For a reader that only moves forward: the bytes before `offset` will not
  // be read again, and their memory may go back to the system now, so that a
  // large file does not stay in memory beside what is being built from it.
  // Those bytes must not be read afterwards (they may read as zeros). Where
  // the platform cannot give memory back this does nothing.
  void discardBefore(std::size_t offset);

 private:
  friend Result<FileBytes> ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes);
  std::unique_ptr<std::uint8_t[], detail::ReleaseFileMemory> data_;
  std::size_t size_ = 0;
  std::size_t discarded_ = 0;  // bytes from the start already given back
};

// Reads the whole regular file at `path` with one read into memory allocated
// at its size, taken once when the file is opened (bytes appended later are
// not read). Errors name the problem and carry no offset: "file not found",
// "is a folder, not a file", "not a regular file (…)" for devices, FIFOs and
// sockets (refused without reading from them, so neither /dev/zero nor a FIFO
// can make the read run on or block), "too large: …" for a file of more than
// `maxBytes`, "cannot open: …", "read error: …", "not enough memory …".
Result<FileBytes> ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes);

// The same, into a vector: for the small files that are parsed as a whole.
Result<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes);
// The same, into a string (the bytes as they are), for text parsed in place.
Result<std::string> ReadWholeFileText(const std::filesystem::path& path, std::uint64_t maxBytes);

// Writes `data` to a temporary file in the target's folder, flushes it to the
// disk and renames it over the target. The target is `path`, or for a
// symbolic link the file the link finally names (the link stays). The
// temporary file, ".sw-XXXXXX.tmp", is created exclusively; a replaced file's
// mode is kept, and its owner where the process may set it. On any failure
// (a full disk, the file-size limit: SIGXFSZ is ignored from the first save
// on so that such a write fails instead of ending the process) the temporary
// file is removed and an existing target is left as it was.
Status WriteFileAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> data);

}  // namespace sw
