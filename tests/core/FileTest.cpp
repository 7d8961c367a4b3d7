#include "core/File.h"

#include <gtest/gtest.h>

#include <fstream>

namespace sw {
namespace {

namespace fs = std::filesystem;

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("sw_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(FileTest, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
  fs::path p = dir_ / "a.bin";
  const std::vector<std::uint8_t> first = {1, 2, 3}, second = {9};
  ASSERT_TRUE(WriteFileAtomic(p, first).ok());
  ASSERT_TRUE(WriteFileAtomic(p, second).ok());
  auto back = ReadWholeFile(p, 1024);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value(), second);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(FileTest, FailedWriteKeepsTheOldFile) {
  fs::path p = dir_ / "keep.bin";
  const std::vector<std::uint8_t> old = {7, 7};
  ASSERT_TRUE(WriteFileAtomic(p, old).ok());
  // The target is a folder: the rename must fail, the temporary must go.
  fs::path folder = dir_ / "folder";
  fs::create_directories(folder / "inner");
  Status s = WriteFileAtomic(folder, old);
  EXPECT_FALSE(s.ok());
  EXPECT_FALSE(s.error().message.empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
  // A folder that does not exist.
  EXPECT_FALSE(WriteFileAtomic(dir_ / "missing" / "x.bin", old).ok());
  EXPECT_EQ(ReadWholeFile(p, 1024).value(), old);
}

TEST_F(FileTest, ReadReportsMissingFilesAndFolders) {
  auto missing = ReadWholeFile(dir_ / "nope", 1024);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message, "file not found");
  auto folder = ReadWholeFile(dir_, 1024);
  ASSERT_FALSE(folder.ok());
  EXPECT_EQ(folder.error().offset, -1);
}

}  // namespace
}  // namespace sw
