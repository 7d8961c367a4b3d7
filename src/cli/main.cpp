// sheetwright-cli: the headless tool. See README for the subcommands.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"

namespace sw::cli {

int ReportBadInput(const std::string& file, const Error& e) {
  std::fprintf(stderr, "%s: %s\n", file.c_str(), Describe(e).c_str());
  return 1;
}

int ReportUsage(const char* usage) {
  std::fprintf(stderr, "usage: sheetwright-cli %s\n", usage);
  return 2;
}

namespace {

struct Command {
  const char* name;
  int (*run)(const Args&);
  const char* usage;
};

const Command kCommands[] = {
    {"info", RunInfo, "info DRAWING.jww"},
    {"layout", RunLayout, "layout LAYOUT.swt"},
    {"resave", RunResave, "resave IN.swt OUT.swt"},
    {"settings", RunSettings, "settings [--registry FILE]"},
};

}  // namespace
}  // namespace sw::cli

int main(int argc, char** argv) {
  using namespace sw::cli;
  if (argc >= 2) {
    for (const Command& c : kCommands) {
      if (std::strcmp(argv[1], c.name) == 0) return c.run(Args(argv + 2, argv + argc));
    }
  }
  std::fprintf(stderr, "usage:\n");
  for (const Command& c : kCommands) std::fprintf(stderr, "  sheetwright-cli %s\n", c.usage);
  return 2;
}
