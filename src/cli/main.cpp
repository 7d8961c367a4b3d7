// sheetwright-cli: the headless tool. See README for the subcommands. The
// commands that only read and write files run here, without Qt; render and
// print are handed to the drawing program installed with this one.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "cli/CommandTable.h"

namespace {

namespace fs = std::filesystem;

// This program's own file, or an empty path when the system cannot say.
fs::path OwnProgram(const char* argv0) {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n > 0 && n < buffer.size()) return fs::path(buffer.substr(0, n));
#else
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return self;
#endif
  return std::strchr(argv0, '/') != nullptr ? fs::absolute(argv0) : fs::path();
}

// Runs the drawing program with this program's arguments; returns its exit
// status, or 1 after saying why it could not be started. The program is
// looked for beside this one (the build tree, a Windows folder), then in
// ../lib/sheetwright from this program's folder (an installed tree: bin/ and
// lib/sheetwright/ side by side, wherever the tree was unpacked).
int RunDrawProgram(int argc, char** argv) {
  const fs::path self = OwnProgram(argv[0]);
  const fs::path folder = self.parent_path();
  std::vector<char*> args(argv, argv + argc);
  args.push_back(nullptr);
  std::string tried;
  int error = ENOENT;
  for (const fs::path& dir : {folder, folder / ".." / "lib" / "sheetwright"}) {
    fs::path draw = dir / sw::cli::kDrawProgram;
#ifdef _WIN32
    draw += ".exe";
#endif
    const std::string file = draw.lexically_normal().string();
    tried += (tried.empty() ? "" : " or ") + file;
    if (self.empty()) break;
#ifdef _WIN32
    const intptr_t status = _spawnv(_P_WAIT, file.c_str(), args.data());
    if (status != -1) return static_cast<int>(status);
#else
    execv(file.c_str(), args.data());
#endif
    error = errno;
    if (error != ENOENT) break;
  }
  std::fprintf(stderr, "sheetwright-cli: cannot start %s: %s\n", tried.c_str(),
               self.empty() ? "this program's own location is unknown" : std::strerror(error));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace sw::cli;
  if (argc >= 2) {
    for (const Command& c : AllCommands()) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      if (c.run != nullptr) return c.run(Args(argv + 2, argv + argc));
      return RunDrawProgram(argc, argv);
    }
  }
  return ReportCommands();
}
