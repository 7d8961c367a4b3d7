// sheetwright-cli: the headless tool. See README for the subcommands. The
// commands that only read and write files run here, without Qt; render and
// print are handed to the drawing program installed with this one, or, in a
// build without it (SW_CLI_NO_DRAW: made without Qt), refused with a message.
// The commands take their arguments as UTF-8 text; on Windows they are read
// as UTF-16 from the system and converted, so that any file name reaches
// them whatever the code page.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#else
#include <unistd.h>
#endif

#include "cli/CommandTable.h"

namespace {

namespace fs = std::filesystem;

#ifndef SW_CLI_NO_DRAW
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

#else
int RunDrawProgram(int, char** argv) {
  std::fprintf(stderr,
               "sheetwright-cli: %s is not available in this build: the commands that draw need Qt, and this "
               "sheetwright-cli was built without it (info, layout, resave, blocks and settings work)\n",
               argv[1]);
  return 1;
}
#endif

#ifndef SW_CLI_NO_DRAW
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
#endif

// The command line as UTF-8 text.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  int n = 0;
  if (wchar_t** w = CommandLineToArgvW(GetCommandLineW(), &n)) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
      const std::u8string u = fs::path(w[i]).u8string();
      out.emplace_back(u.begin(), u.end());
    }
    LocalFree(w);
    if (n == argc) return out;
  }
#endif
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace sw::cli;
#ifdef _WIN32
  // Output as written ("\n" line ends), byte for byte what other platforms give.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  if (argc >= 2) {
    for (const Command& c : AllCommands()) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      if (c.run != nullptr) {
        const std::vector<std::string> all = Utf8Arguments(argc, argv);
        return c.run(Args(all.begin() + 2, all.end()));
      }
      return RunDrawProgram(argc, argv);
    }
  }
  return ReportCommands();
}
