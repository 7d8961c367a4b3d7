// Windows only: reading and saving under Japanese names (UTF-16 paths), and
// what a save does while another program has the file open.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "core/File.h"
#include "core/Path.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes Read(const fs::path& p) {
  auto b = ReadWholeFile(p, 1 << 20);
  return b.ok() ? b.value() : Bytes{0xEE};
}

std::vector<fs::path> Names(const fs::path& dir) {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename());
  return out;
}

TEST(FileWin, JapaneseFolderAndFileNames) {
  test::TempDir dir;
  // "図面フォルダ\平面図①.swt": beyond the ANSI code page of a Western system.
  const fs::path folder = dir.path() / PathFromUtf8("図面フォルダ");
  const fs::path file = folder / PathFromUtf8("平面図①.swt");
  fs::create_directory(folder);
  ASSERT_TRUE(WriteFileAtomic(file, Bytes{1, 2}).ok());
  ASSERT_TRUE(WriteFileAtomic(file, Bytes{3, 4, 5}).ok());  // replaces
  EXPECT_EQ(Read(file), (Bytes{3, 4, 5}));
  Result<FileBytes> fb = ReadFileBytes(file, 100);
  ASSERT_TRUE(fb.ok());
  EXPECT_EQ(fb->size(), 3u);
  EXPECT_EQ(Names(folder), std::vector<fs::path>{file.filename()});
  EXPECT_EQ(Utf8FromPath(Names(folder)[0]), "平面図①.swt");
  const Result<Bytes> missing = ReadWholeFile(folder / PathFromUtf8("無い.jww"), 100);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message, "file not found");
}

class OpenFile {
 public:
  OpenFile(const fs::path& p, DWORD share)
      : h_(CreateFileW(p.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenFile() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  Bytes readAll() const {
    Bytes b(64);
    DWORD got = 0;
    SetFilePointer(h_, 0, nullptr, FILE_BEGIN);
    if (!ReadFile(h_, b.data(), static_cast<DWORD>(b.size()), &got, nullptr)) return {0xEE};
    b.resize(got);
    return b;
  }

 private:
  HANDLE h_;
};

// A reader that shares delete access (as one that expects the file to be
// replaced opens it) lets the save through and keeps reading the bytes it
// opened; a reader that does not share it makes the save fail, and the file
// is left as it was with no temporary file beside it. Windows allows nothing
// else: replacing a file means deleting its old name.
TEST(FileWin, SaveOverAFileOpenForReading) {
  struct Case {
    const char* what;
    DWORD share;
    bool saves;
  } cases[] = {
      {"read and delete shared", FILE_SHARE_READ | FILE_SHARE_DELETE, true},
      {"read, write and delete shared", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
      {"read shared only", FILE_SHARE_READ, false},
      {"read and write shared (C runtime's fopen)", FILE_SHARE_READ | FILE_SHARE_WRITE, false},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const fs::path file = dir / "plan.swt";
    ASSERT_TRUE(test::WriteBytes(file, {1, 2, 3}));
    {
      OpenFile reader(file, c.share);
      ASSERT_TRUE(reader.ok()) << c.what;
      const Status s = WriteFileAtomic(file, Bytes{9, 9});
      EXPECT_EQ(s.ok(), c.saves) << c.what;
      if (!s.ok()) {
        EXPECT_NE(s.error().message.find("cannot replace"), std::string::npos) << s.error().message;
      }
      EXPECT_EQ(reader.readAll(), (Bytes{1, 2, 3})) << c.what;
    }
    EXPECT_EQ(Read(file), c.saves ? (Bytes{9, 9}) : (Bytes{1, 2, 3})) << c.what;
    EXPECT_EQ(Names(dir.path()), std::vector<fs::path>{"plan.swt"}) << c.what;
  }
}

TEST(FileWin, ReadOnlyFileIsNotReplaced) {
  test::TempDir dir;
  const fs::path file = dir / "locked.swt";
  ASSERT_TRUE(test::WriteBytes(file, {1}));
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteFileAtomic(file, Bytes{2}).ok());
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Read(file), Bytes{1});
  EXPECT_EQ(Names(dir.path()), std::vector<fs::path>{"locked.swt"});
}

}  // namespace
}  // namespace sw
#endif
