// Saving through WriteFileAtomic: what the replaced file keeps, and what a
// failed save leaves behind.
#include <gtest/gtest.h>

#include <functional>

#include "core/File.h"
#include "core/FileSource.h"
#include "support/RunCommand.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace sw {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

[[maybe_unused]] Bytes Read(const fs::path& p) {
  auto b = ReadWholeFile(p, 1 << 20);
  return b.ok() ? b.value() : Bytes{0xEE};
}

// Files of the folder whose name starts as the temporary files' do.
[[maybe_unused]] int Temporaries(const fs::path& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir)) n += e.path().filename().string().rfind(".sw-", 0) == 0;
  return n;
}

#ifndef _WIN32

// Saves `data` to `path` in a child process whose files may not grow past
// `limit` bytes; true when the save reported a failure (and the child was
// not ended by a signal).
bool SaveFailsUnderSizeLimit(const fs::path& path, const Bytes& data, rlim_t limit) {
  const pid_t child = ::fork();
  if (child == 0) {
    rlimit r{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &r);
    ::_exit(WriteFileAtomic(path, data).ok() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif

TEST(FileSave, TargetsModesNamesAndFailures) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links, POSIX modes and owners and the file-size limit (SIGXFSZ) are POSIX matters; FileWin covers the Windows save";
#else
  test::TempDir dir;
  const Bytes old = {1, 2, 3}, fresh(4000, 0x5A);
  struct Case {
    const char* what;
    std::function<fs::path()> setUp;  // makes the files; returns the path saved to
    std::function<void(const fs::path&)> check;
  } cases[] = {
      {"a link is written through to its target, and stays a link",
       [&] {
         test::WriteBytes(dir / "real.bin", old);
         fs::create_symlink("real.bin", dir / "link.bin");
         fs::create_symlink(dir / "link.bin", dir / "link2.bin");  // a chain, absolute
         EXPECT_TRUE(WriteFileAtomic(dir / "link2.bin", fresh).ok());
         return dir / "link2.bin";
       },
       [&](const fs::path& p) {
         EXPECT_TRUE(fs::is_symlink(p));
         EXPECT_TRUE(fs::is_symlink(dir / "link.bin"));
         EXPECT_EQ(Read(dir / "real.bin"), fresh);
       }},
      {"a dangling link gets its target made",
       [&] {
         fs::create_symlink("made.bin", dir / "dangling.bin");
         EXPECT_TRUE(WriteFileAtomic(dir / "dangling.bin", fresh).ok());
         return dir / "dangling.bin";
       },
       [&](const fs::path& p) {
         EXPECT_TRUE(fs::is_symlink(p));
         EXPECT_EQ(Read(dir / "made.bin"), fresh);
       }},
      {"the mode of the replaced file is kept",
       [&] {
         test::WriteBytes(dir / "private.swt", old);
         ::chmod((dir / "private.swt").c_str(), 0600);
         EXPECT_TRUE(WriteFileAtomic(dir / "private.swt", fresh).ok());
         test::WriteBytes(dir / "group.swt", old);
         ::chmod((dir / "group.swt").c_str(), 0640);
         EXPECT_TRUE(WriteFileAtomic(dir / "group.swt", fresh).ok());
         return dir / "private.swt";
       },
       [&](const fs::path& p) {
         struct stat st {};
         ASSERT_EQ(::stat(p.c_str(), &st), 0);
         EXPECT_EQ(st.st_mode & 07777, 0600u);
         ASSERT_EQ(::stat((dir / "group.swt").c_str(), &st), 0);
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         EXPECT_EQ(Read(p), fresh);
       }},
      {"a 250-byte name",
       [&] {
         const fs::path p = dir / (std::string(246, 'n') + ".swt");
         EXPECT_TRUE(WriteFileAtomic(p, old).ok());
         EXPECT_TRUE(WriteFileAtomic(p, fresh).ok());
         EXPECT_TRUE(detail::WriteFileAtomicPortable(p, fresh).ok());
         return p;
       },
       [&](const fs::path& p) { EXPECT_EQ(Read(p), fresh); }},
      {"a write past the file-size limit fails and keeps the old file",
       [&] {
         test::WriteBytes(dir / "limited.bin", old);
         EXPECT_TRUE(SaveFailsUnderSizeLimit(dir / "limited.bin", fresh, 1000));
         return dir / "limited.bin";
       },
       [&](const fs::path& p) { EXPECT_EQ(Read(p), old); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path p = c.setUp();
    c.check(p);
    EXPECT_EQ(Temporaries(dir.path()), 0);
  }
#endif
}

}  // namespace
}  // namespace sw
