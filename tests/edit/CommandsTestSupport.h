// Helpers of the command tests: a scratch folder, a drawing file written by
// the test writer, and a workspace with that drawing loaded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "edit/Commands.h"
#include "support/JwwWriter.h"
#include "support/ScriptedPrompts.h"

namespace sw::test {

class CommandsScratch {
 public:
  CommandsScratch() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("sw_cmd_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~CommandsScratch() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  CommandsScratch(const CommandsScratch&) = delete;
  CommandsScratch& operator=(const CommandsScratch&) = delete;
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteFileBytes(const std::string& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A drawing on paper `paper` with group 0 at scale 50 and one line, written to `p`.
inline JWWDrawing WriteCommandsDrawing(const std::string& p, int paper = 3) {
  JWWDrawing d = MakeDrawing(600);
  d.head.memo = "plan memo";
  d.head.paperSize = paper;
  d.head.groups[0].scale = 50;
  CDataSen line;
  line.head = MakeHead(0, 1);
  line.x2 = 100;
  line.y2 = 50;
  d.JWWLines.push_back(line);
  WriteFileBytes(p, WriteJww(d));
  return d;
}

// A started shell and workspace with the drawing at `p` loaded as base.
struct LoadedWorkspace {
  Workspace ws;
  ShellState shell = StartShell();
  ScriptedPrompts prompts;
};

inline void LoadBase(LoadedWorkspace& w, const std::string& p) {
  ASSERT_TRUE(LoadBaseFile(w.ws, w.shell, w.prompts, p)) << ::testing::PrintToString(w.prompts.texts());
  w.shell.req = {};
}

}  // namespace sw::test
