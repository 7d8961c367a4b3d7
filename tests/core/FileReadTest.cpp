// Which files the whole-file readers take and which they refuse, for every
// way a file is read: the vector and FileBytes readers (the platform's calls)
// and the standard-C++ fallback.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>

#include "core/File.h"
#include "core/FileSource.h"
#include "support/RunCommand.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace sw {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Reader = std::function<Result<Bytes>(const fs::path&, std::uint64_t)>;

Result<Bytes> ViaVector(const fs::path& p, std::uint64_t max) { return ReadWholeFile(p, max); }

Result<Bytes> ViaFileBytes(const fs::path& p, std::uint64_t max) {
  Result<FileBytes> r = ReadFileBytes(p, max);
  if (!r) return r.error();
  return Bytes(r->bytes().begin(), r->bytes().end());
}

Result<Bytes> ViaFallback(const fs::path& p, std::uint64_t max) {
  Bytes out;
  Result<std::size_t> n = detail::ReadRegularFile(p, max, detail::ReadWay::Portable, [&](std::size_t size) {
    out.resize(size);
    return out.data();
  });
  if (!n) return n.error();
  out.resize(n.value());
  return out;
}

// Runs `read` on a thread of its own and gives up after a few seconds, so a
// reader that blocks on a FIFO fails the test instead of hanging it (the
// blocked thread is left behind and ends with the process).
std::optional<Result<Bytes>> WithinSeconds(const Reader& read, const fs::path& p, std::uint64_t max) {
  auto done = std::make_shared<std::promise<Result<Bytes>>>();
  std::future<Result<Bytes>> result = done->get_future();
  std::thread([done, read, p, max] { done->set_value(read(p, max)); }).detach();
  if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) return std::nullopt;
  return result.get();
}

struct Case {
  const char* name;
  // Makes the thing to read inside the temporary folder and returns its
  // path; an empty path skips the case where the platform cannot make it.
  std::function<fs::path(const fs::path& dir)> make;
  std::uint64_t maxBytes;
  std::string error;  // the start of the expected message; empty: read
  Bytes bytes;        // what a read gives
};

fs::path File(const fs::path& dir, const Bytes& content) {
  fs::path p = dir / "file.bin";
  EXPECT_TRUE(test::WriteBytes(p, content));
  return p;
}

fs::path Fifo([[maybe_unused]] const fs::path& dir) {
#ifdef _WIN32
  return {};
#else
  fs::path p = dir / "fifo";
  EXPECT_EQ(::mkfifo(p.c_str(), 0600), 0);
  return p;
#endif
}

fs::path DevZero(const fs::path&) { return fs::exists("/dev/zero") ? fs::path("/dev/zero") : fs::path(); }

fs::path LinkTo(const fs::path& dir, const fs::path& target) {
  std::error_code ec;
  fs::create_symlink(target, dir / "link", ec);
  return ec ? fs::path() : dir / "link";
}

const Case kCases[] = {
    {"regular file", [](auto& d) { return File(d, {1, 2, 3}); }, 1024, "", {1, 2, 3}},
    {"empty file", [](auto& d) { return File(d, {}); }, 1024, "", {}},
    {"file of exactly the maximum", [](auto& d) { return File(d, {1, 2, 3}); }, 3, "", {1, 2, 3}},
    {"file over the maximum", [](auto& d) { return File(d, {1, 2, 3, 4}); }, 3, "too large: 4 bytes", {}},
    {"link to a regular file", [](auto& d) { return LinkTo(d, File(d, {9})); }, 1024, "", {9}},
    {"folder", [](auto& d) { return d; }, 1024, "is a folder, not a file", {}},
    {"missing file", [](auto& d) { return d / "missing.jww"; }, 1024, "file not found", {}},
    {"missing folder", [](auto& d) { return d / "no" / "x.jww"; }, 1024, "file not found", {}},
    {"/dev/zero", DevZero, 1024, "not a regular file (a character device)", {}},
    {"link to /dev/zero", [](auto& d) { return DevZero(d).empty() ? fs::path() : LinkTo(d, "/dev/zero"); }, 1024,
     "not a regular file (a character device)", {}},
    {"FIFO", Fifo, 1024, "not a regular file (a FIFO)", {}},
};

struct Way {
  const char* name;
  Reader read;
};

const Way kWays[] = {{"ReadWholeFile", ViaVector}, {"ReadFileBytes", ViaFileBytes}, {"fallback", ViaFallback}};

TEST(FileRead, TakesRegularFilesUpToTheMaximumAndRefusesEverythingElse) {
  for (const Way& way : kWays) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(way.name) + ": " + c.name);
      test::TempDir dir;
      const fs::path p = c.make(dir.path());
      if (p.empty()) continue;
      std::optional<Result<Bytes>> r = WithinSeconds(way.read, p, c.maxBytes);
      ASSERT_TRUE(r.has_value()) << "the read did not return";
      if (c.error.empty()) {
        ASSERT_TRUE(r->ok()) << r->error().message;
        EXPECT_EQ(r->value(), c.bytes);
      } else {
        ASSERT_FALSE(r->ok());
        EXPECT_EQ(r->error().message.substr(0, c.error.size()), c.error) << r->error().message;
        EXPECT_EQ(r->error().offset, -1);
      }
    }
  }
}

// Giving back the memory of a prefix must leave every byte after it intact,
// whatever unit the memory goes back in.
TEST(FileRead, DiscardingAPrefixKeepsTheRest) {
  test::TempDir dir;
  Bytes content(5u << 20);
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<std::uint8_t>(i * 7 + (i >> 12));
  ASSERT_TRUE(test::WriteBytes(dir / "big.bin", content));
  Result<FileBytes> f = ReadFileBytes(dir / "big.bin", content.size());
  ASSERT_TRUE(f.ok());
  for (std::size_t at : {1u, 4096u, (2u << 20) + 1, (4u << 20) - 1, (4u << 20) + 4097}) {
    f->discardBefore(at);
    ASSERT_TRUE(std::equal(content.begin() + static_cast<std::ptrdiff_t>(at), content.end(),
                           f->bytes().begin() + static_cast<std::ptrdiff_t>(at)))
        << at;
  }
}

}  // namespace
}  // namespace sw
