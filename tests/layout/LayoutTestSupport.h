// Helpers of the layout tests: a scratch folder, JWW files written by the
// test writer, and documents built through the document operations.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "layout/Document.h"
#include "layout/Invariants.h"
#include "layout/Operations.h"
#include "support/Fixtures.h"
#include "support/JwwWriter.h"

namespace sw::test {

// A fresh folder under the temporary folder, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("sw_layout_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A drawing with a distinctive layer state, written as a JWW file at `p`.
inline JWWDrawing WriteTestDrawing(const std::filesystem::path& p, std::int32_t paperSize = 3,
                                   const std::string& memo = "test drawing") {
  JWWDrawing d = MakeDrawing(600);
  d.head.memo = memo;
  d.head.paperSize = paperSize;
  d.head.writeGroup = 5;
  d.head.groups[5].state = 3;
  d.head.groups[5].writeLayer = 7;
  d.head.groups[5].scale = 250;
  d.head.groups[5].protect = 2;
  d.head.groups[5].layers[7] = {3, 1};
  CDataSen line;
  line.head = MakeHead(0, 1);
  line.x2 = 100;
  line.y2 = 50;
  d.JWWLines.push_back(line);
  WriteBytes(p, WriteJww(d));
  return d;
}

// Expects the document to keep every invariant.
#define SW_EXPECT_CONSISTENT(doc) EXPECT_TRUE(::sw::CheckInvariants(doc).ok()) << ::sw::CheckInvariants(doc).error().message

}  // namespace sw::test
