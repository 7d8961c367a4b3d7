#include "core/File.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "core/FileSource.h"

#ifdef _WIN32
#include <io.h>
#else
#define SW_POSIX_FILES 1
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sw {
namespace fs = std::filesystem;

namespace {

std::string SystemReason(int err) { return std::generic_category().message(err); }

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::FILE* OpenFile(const fs::path& p, const char* mode) {
#ifdef _WIN32
  std::wstring wmode(mode, mode + std::strlen(mode));
  return _wfopen(p.c_str(), wmode.c_str());
#else
  return std::fopen(p.c_str(), mode);
#endif
}

Error NotFound() { return MakeError("file not found"); }
Error IsFolder() { return MakeError("is a folder, not a file"); }
Error NotRegular(std::string_view what) { return MakeError("not a regular file (" + std::string(what) + ")"); }
Error CannotOpen(const std::string& why) { return MakeError("cannot open: " + why); }
Error ReadFailed(const std::string& why) { return MakeError("read error: " + why); }

// Refuses a size over the caller's maximum (or one this process cannot address).
Status CheckSize(std::uint64_t size, std::uint64_t maxBytes) {
  if (size <= maxBytes && size <= std::numeric_limits<std::size_t>::max()) return Status::Ok();
  return MakeError("too large: " + std::to_string(size) + " bytes, more than the " + std::to_string(maxBytes) +
                   " allowed for this kind of file");
}

Status CheckType(fs::file_type type) {
  switch (type) {
    case fs::file_type::regular:
      return Status::Ok();
    case fs::file_type::not_found:
      return NotFound();
    case fs::file_type::directory:
      return IsFolder();
    case fs::file_type::character:
      return NotRegular("a character device");
    case fs::file_type::block:
      return NotRegular("a block device");
    case fs::file_type::fifo:
      return NotRegular("a FIFO");
    case fs::file_type::socket:
      return NotRegular("a socket");
    default:
      return NotRegular("of an unknown kind");
  }
}

// Asks for memory of `size` bytes; an error when there is none.
Result<std::uint8_t*> Allocate(const detail::AllocateBytes& allocate, std::size_t size) {
  std::uint8_t* dst = allocate(size);
  if (!dst) return MakeError("not enough memory for " + std::to_string(size) + " bytes");
  return dst;
}

// The type is checked on the path before the file is opened; unlike the POSIX
// way, a path replaced in between is not noticed.
Result<std::size_t> ReadPortable(const fs::path& path, std::uint64_t maxBytes, const detail::AllocateBytes& allocate) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return NotFound();
  if (ec) return CannotOpen(ec.message());
  if (Status s = CheckType(status.type()); !s) return s.error();
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return CannotOpen(ec.message());
  if (Status s = CheckSize(size, maxBytes); !s) return s.error();
  std::ifstream in(path, std::ios::binary);
  if (!in) return CannotOpen(SystemReason(errno));
  if (size == 0) return std::size_t{0};
  Result<std::uint8_t*> dst = Allocate(allocate, static_cast<std::size_t>(size));
  if (!dst) return dst.error();
  in.read(reinterpret_cast<char*>(dst.value()), static_cast<std::streamsize>(size));
  if (in.bad()) return ReadFailed(SystemReason(errno));
  return static_cast<std::size_t>(in.gcount());
}

#ifdef SW_POSIX_FILES

fs::file_type TypeOf(mode_t mode) {
  if (S_ISREG(mode)) return fs::file_type::regular;
  if (S_ISDIR(mode)) return fs::file_type::directory;
  if (S_ISCHR(mode)) return fs::file_type::character;
  if (S_ISBLK(mode)) return fs::file_type::block;
  if (S_ISFIFO(mode)) return fs::file_type::fifo;
  if (S_ISSOCK(mode)) return fs::file_type::socket;
  return fs::file_type::unknown;
}

struct FdCloser {
  int fd;
  ~FdCloser() { ::close(fd); }
};

// The type is checked on the path before anything is opened, so a FIFO or a
// device is never opened at all; opening without blocking and checking the
// open file again covers a path that was replaced in between.
Result<std::size_t> ReadPosix(const fs::path& path, std::uint64_t maxBytes, const detail::AllocateBytes& allocate) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR) return NotFound();
    return CannotOpen(SystemReason(err));
  }
  if (Status s = CheckType(TypeOf(st.st_mode)); !s) return s.error();
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return CannotOpen(SystemReason(errno));
  FdCloser closer{fd};
  if (::fstat(fd, &st) != 0) return CannotOpen(SystemReason(errno));
  if (Status s = CheckType(TypeOf(st.st_mode)); !s) return s.error();
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (Status s = CheckSize(size, maxBytes); !s) return s.error();
  if (size == 0) return std::size_t{0};
  Result<std::uint8_t*> dst = Allocate(allocate, static_cast<std::size_t>(size));
  if (!dst) return dst.error();
  // One read() normally takes the whole file; the loop covers interrupted and
  // partial reads. O_NONBLOCK does not apply to regular files.
  std::size_t got = 0;
  while (got < size) {
    const std::size_t want = std::min<std::size_t>(static_cast<std::size_t>(size) - got, std::size_t{1} << 30);
    const ssize_t n = ::read(fd, dst.value() + got, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ReadFailed(SystemReason(errno));
    }
    if (n == 0) break;  // the file got shorter
    got += static_cast<std::size_t>(n);
  }
  return got;
}

#endif

// Memory for a FileBytes: whole pages of its own on POSIX, so that
// discardBefore can hand them back one by one.
std::uint8_t* AllocatePages(std::size_t size) {
#ifdef SW_POSIX_FILES
  void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
  // Fewer, larger page faults while the file is read in; only a hint.
  ::madvise(p, size, MADV_HUGEPAGE);
#endif
  return static_cast<std::uint8_t*>(p);
#else
  return new (std::nothrow) std::uint8_t[size];
#endif
}

// discardBefore gives memory back in whole units of this many bytes (a huge
// page where the system has them, many small pages elsewhere).
constexpr std::size_t kDiscardUnit = std::size_t{2} << 20;

}  // namespace

void detail::ReleaseFileMemory::operator()(std::uint8_t* p) const {
  if (!p) return;
#ifdef SW_POSIX_FILES
  ::munmap(p, capacity);
#else
  delete[] p;
#endif
}

void FileBytes::discardBefore(std::size_t offset) {
#if defined(SW_POSIX_FILES) && defined(MADV_DONTNEED)
  const std::size_t end = std::min(offset, size_) / kDiscardUnit * kDiscardUnit;
  if (end <= discarded_) return;
  ::madvise(data_.get() + discarded_, end - discarded_, MADV_DONTNEED);
  discarded_ = end;
#else
  (void)offset;
#endif
}

namespace detail {

Result<std::size_t> ReadRegularFile(const fs::path& path, std::uint64_t maxBytes, ReadWay way,
                                    const AllocateBytes& allocate) {
#ifdef SW_POSIX_FILES
  if (way == ReadWay::Native) return ReadPosix(path, maxBytes, allocate);
#else
  (void)way;
#endif
  return ReadPortable(path, maxBytes, allocate);
}

}  // namespace detail

Result<FileBytes> ReadFileBytes(const fs::path& path, std::uint64_t maxBytes) {
  FileBytes out;
  Result<std::size_t> got = detail::ReadRegularFile(path, maxBytes, detail::ReadWay::Native, [&](std::size_t size) {
    out.data_ = decltype(out.data_)(AllocatePages(size), detail::ReleaseFileMemory{size});
    return out.data_.get();
  });
  if (!got) return got.error();
  out.size_ = got.value();
  return out;
}

Result<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path, std::uint64_t maxBytes) {
  std::vector<std::uint8_t> data;
  Result<std::size_t> got = detail::ReadRegularFile(path, maxBytes, detail::ReadWay::Native, [&](std::size_t size) {
    data.resize(size);
    return data.data();
  });
  if (!got) return got.error();
  data.resize(got.value());
  return data;
}

Result<std::string> ReadWholeFileText(const fs::path& path, std::uint64_t maxBytes) {
  std::string data;
  Result<std::size_t> got = detail::ReadRegularFile(path, maxBytes, detail::ReadWay::Native, [&](std::size_t size) {
    data.resize(size);
    return reinterpret_cast<std::uint8_t*>(data.data());
  });
  if (!got) return got.error();
  data.resize(got.value());
  return data;
}

namespace {

// The file a save replaces: `path` itself, or for a symbolic link the file
// it finally names (followed link by link, so that a dangling link's target
// is created), so that the link stays a link and its target gets the content.
Result<fs::path> SaveTarget(const fs::path& path) {
  fs::path p = path;
  for (int hops = 0;; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec)) || ec) return p;
    if (hops == 40) return MakeError("too many levels of symbolic links: " + path.string());
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) return MakeError("cannot read the link " + p.string() + ": " + ec.message());
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
}

// Temporary files are named ".sw-XXXXXX.tmp" in the target's folder: short
// enough for any folder that can hold the target, and easy to recognise.
std::string TemporaryName(std::mt19937& rng) {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = ".sw-XXXXXX.tmp";
  for (std::size_t i = 4; i < 10; ++i) name[i] = kChars[rng() % (sizeof kChars - 1)];
  return name;
}

#ifdef SW_POSIX_FILES

// A write past the file-size limit must fail with EFBIG rather than end the
// process with SIGXFSZ; set once, before the first save.
void IgnoreFileSizeSignal() {
  static const bool once = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    return true;
  }();
  (void)once;
}

Status WriteAllFd(int fd, std::span<const std::uint8_t> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const std::size_t want = std::min<std::size_t>(data.size() - done, std::size_t{1} << 30);
    const ssize_t n = ::write(fd, data.data() + done, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      return MakeError("write error: " + SystemReason(errno));
    }
    done += static_cast<std::size_t>(n);
  }
  return Status::Ok();
}

Status WritePosix(const fs::path& target, std::span<const std::uint8_t> data) {
  IgnoreFileSizeSignal();
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  std::mt19937 rng(std::random_device{}());
  fs::path tmp;
  int fd = -1;
  // Created exclusively: never an existing file or a link planted there.
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    tmp = dir / TemporaryName(rng);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, exists ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) return MakeError("cannot create " + tmp.string() + ": " + SystemReason(errno));
  }
  if (fd < 0) return MakeError("cannot create a temporary file in " + dir.string());
  auto fail = [&](std::string why) {
    if (fd >= 0) ::close(fd);
    ::unlink(tmp.c_str());
    return Status(MakeError(std::move(why)));
  };
  if (exists) {
    // The replaced file's owner (where this process may give it) and mode;
    // the mode after the owner, which may clear set-id bits.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    if (::fchmod(fd, old.st_mode & 07777) != 0) return fail("cannot set the mode of " + tmp.string() + ": " + SystemReason(errno));
  }
  if (Status st = WriteAllFd(fd, data); !st) return fail(st.error().message);
  if (::fsync(fd) != 0) return fail("cannot flush to disk: " + SystemReason(errno));
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail("write error: " + SystemReason(errno));
  if (::rename(tmp.c_str(), target.c_str()) != 0) return fail("cannot replace " + target.string() + ": " + SystemReason(errno));
  // The rename itself reaches the disk with the folder.
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    (void)::fsync(dfd);
    ::close(dfd);
  }
  return Status::Ok();
}

#endif

}  // namespace

// Portable: created under a name no file has, written with stdio, renamed.
Status detail::WriteFileAtomicPortable(const fs::path& target, std::span<const std::uint8_t> data) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  std::mt19937 rng(std::random_device{}());
  fs::path tmp;
  FilePtr f;
  for (int attempt = 0; !f && attempt < 100; ++attempt) {
    tmp = dir / TemporaryName(rng);
    std::error_code ec;
    if (fs::exists(tmp, ec)) continue;
    f.reset(OpenFile(tmp, "wb"));
    if (!f) return MakeError("cannot create " + tmp.string() + ": " + SystemReason(errno));
  }
  if (!f) return MakeError("cannot create a temporary file in " + dir.string());
  auto cleanup = [&](std::string why) {
    f.reset();
    std::error_code ignored;
    fs::remove(tmp, ignored);
    return Status(MakeError(std::move(why)));
  };
  if (!data.empty() && std::fwrite(data.data(), 1, data.size(), f.get()) != data.size())
    return cleanup("write error: " + SystemReason(errno));
  if (std::fflush(f.get()) != 0) return cleanup("write error: " + SystemReason(errno));
#ifdef _WIN32
  _commit(_fileno(f.get()));
#endif
  if (std::fclose(f.release()) != 0) return cleanup("write error: " + SystemReason(errno));
  std::error_code ec;
  fs::rename(tmp, target, ec);
  if (ec) return cleanup("cannot replace " + target.string() + ": " + ec.message());
  return Status::Ok();
}

Status WriteFileAtomic(const fs::path& path, std::span<const std::uint8_t> data) {
  Result<fs::path> target = SaveTarget(path);
  if (!target) return target.error();
#ifdef SW_POSIX_FILES
  return WritePosix(target.value(), data);
#elif defined(_WIN32)
  return detail::WriteFileAtomicWindows(target.value(), data);
#else
  return detail::WriteFileAtomicPortable(target.value(), data);
#endif
}

}  // namespace sw
