// The committed example files against their generator: byte for byte, and
// independent of where they are generated.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/File.h"
#include "examples/Example.h"
#include "jww/Reader.h"
#include "support/RunCommand.h"

namespace sw::example {
namespace {

namespace fs = std::filesystem;

const fs::path kCommitted = fs::path(SW_SOURCE_DIR) / "examples";

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  Result<std::vector<std::uint8_t>> r = ReadWholeFile(p, kMaxJWWFileBytes);
  EXPECT_TRUE(r.ok()) << p << ": " << (r.ok() ? "" : r.error().message);
  return r.ok() ? r.value() : std::vector<std::uint8_t>{};
}

TEST(ExampleFiles, CommittedFilesMatchTheGenerator) {
  test::TempDir dir;
  Status s = WriteExample(dir.path());
  ASSERT_TRUE(s.ok()) << Describe(s.error());
  for (std::string_view name : {kDrawingFile, kLayoutFile}) {
    const std::vector<std::uint8_t> fresh = Bytes(dir.path() / name);
    const std::vector<std::uint8_t> committed = Bytes(kCommitted / name);
    ASSERT_FALSE(fresh.empty()) << name;
    const auto diff = std::mismatch(fresh.begin(), fresh.end(), committed.begin(), committed.end());
    EXPECT_TRUE(fresh == committed)
        << "examples/" << name << " differs from what the generator writes (" << committed.size() << " vs "
        << fresh.size() << " bytes, first difference at byte " << (diff.first - fresh.begin())
        << "); run `build/examples/sw-make-example examples` and commit the result";
  }
}

TEST(ExampleFiles, OutputDoesNotDependOnTheFolderOrTheRun) {
  test::TempDir dir;
  const fs::path a = dir.path() / "a", b = dir.path() / "deeper" / "b" / "c";
  ASSERT_TRUE(WriteExample(a).ok());
  ASSERT_TRUE(WriteExample(b).ok());
  ASSERT_TRUE(WriteExample(a).ok());  // over the files of the first run
  for (std::string_view name : {kDrawingFile, kLayoutFile}) {
    const std::vector<std::uint8_t> first = Bytes(a / name);
    EXPECT_FALSE(first.empty()) << name;
    EXPECT_TRUE(first == Bytes(b / name)) << name << " differs between two folders";
  }
}

TEST(ExampleFiles, AFolderThatCannotBeMadeIsAnError) {
  test::TempDir dir;
  const fs::path blocker = dir.path() / "file";
  ASSERT_TRUE(test::WriteBytes(blocker, {1, 2, 3}));
  Status s = WriteExample(blocker / "sub");
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(Bytes(blocker), (std::vector<std::uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace sw::example
