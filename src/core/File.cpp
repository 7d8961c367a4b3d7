#include "core/File.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
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

}  // namespace

Result<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  auto status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return MakeError("file not found");
  if (fs::is_directory(status)) return MakeError("is a folder, not a file");
  FilePtr f(OpenFile(path, "rb"));
  if (!f) return MakeError("cannot open: " + SystemReason(errno));
  std::vector<std::uint8_t> data;
  std::uint8_t chunk[1 << 16];
  std::uintmax_t expected = fs::file_size(path, ec);
  if (!ec) data.reserve(static_cast<std::size_t>(expected));
  for (;;) {
    std::size_t n = std::fread(chunk, 1, sizeof chunk, f.get());
    data.insert(data.end(), chunk, chunk + n);
    if (n < sizeof chunk) break;
  }
  if (std::ferror(f.get())) return MakeError("read error: " + SystemReason(errno));
  return data;
}

Status WriteFileAtomic(const fs::path& path, std::span<const std::uint8_t> data) {
  fs::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  fs::path tmp = dir / (path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
  FilePtr f(OpenFile(tmp, "wb"));
  if (!f) return MakeError("cannot create " + tmp.string() + ": " + SystemReason(errno));
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
#else
  if (fsync(fileno(f.get())) != 0) return cleanup("cannot flush to disk: " + SystemReason(errno));
#endif
  if (std::fclose(f.release()) != 0) return cleanup("write error: " + SystemReason(errno));
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) return cleanup("cannot replace " + path.string() + ": " + ec.message());
  return Status::Ok();
}

}  // namespace sw
