#include "support/RunCommand.h"

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace sw::test {
namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// For cmd.exe: in double quotes (the arguments the tests pass hold none).
std::string Quote(const std::string& s) { return '"' + s + '"'; }
int ProcessId() { return ::_getpid(); }
// std::system's status is the program's exit code.
int ExitCode(int raw) { return raw; }
#else
int ProcessId() { return ::getpid(); }
int ExitCode(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }
std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') q += "'\\''";
    else q += c;
  }
  return q + "'";
}
#endif

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::atomic<int> counter{0};

}  // namespace

TempDir::TempDir() {
  path_ = fs::temp_directory_path() /
          ("sw_test_" + std::to_string(ProcessId()) + "_" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

CommandResult RunCommand(const std::vector<std::string>& argv) {
  TempDir tmp;
  std::string cmd;
  for (const auto& a : argv) cmd += Quote(a) + " ";
  cmd += ">" + Quote((tmp / "out").string()) + " 2>" + Quote((tmp / "err").string());
  CommandResult r;
#ifdef _WIN32
  // cmd.exe /c drops the first and the last quote of a line that starts with one.
  cmd = '"' + cmd + '"';
#endif
  r.status = ExitCode(std::system(cmd.c_str()));
  r.out = Slurp(tmp / "out");
  r.err = Slurp(tmp / "err");
  return r;
}

bool WriteBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace sw::test
