// Runs a command line and captures its exit status, stdout and stderr.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sw::test {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Arguments are quoted for the shell.
CommandResult RunCommand(const std::vector<std::string>& argv);

// A fresh, empty temporary folder named after the running test; removed by
// the destructor.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes bytes to a file (test set-up; aborts the test on failure via the caller's checks).
bool WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes);

}  // namespace sw::test
