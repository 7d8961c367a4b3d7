#include "cli/CommandTable.h"

#include <cstdio>

namespace sw::cli {

namespace {

const Command kCommands[] = {
    {"info", RunInfo, "info DRAWING.jww"},
    {"layout", RunLayout, "layout LAYOUT.swt"},
    {"resave", RunResave, "resave IN.swt OUT.swt"},
    {"settings", RunSettings, "settings [--registry FILE]"},
    {"render", nullptr, "render IN.(swt|jww) OUT.png [--sheet N] [--size WxH] [--registry FILE]"},
    {"print", nullptr,
     "print IN.(swt|jww) OUT.pdf [--sheet N | --all] [--scale PERCENT] [--page A0..A4] [--registry FILE]"},
    {"blocks", RunBlocks, "blocks DRAWING.jww"},
};

}  // namespace

std::span<const Command> AllCommands() { return kCommands; }

int ReportCommands() {
  std::fprintf(stderr, "usage:\n");
  for (const Command& c : kCommands) std::fprintf(stderr, "  sheetwright-cli %s\n", c.usage);
  return 2;
}

}  // namespace sw::cli
