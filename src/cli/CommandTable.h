// The subcommands of sheetwright-cli and their usage lines. The commands
// that draw (render, print) need Qt and run in the drawing program beside
// the tool; the others run in the tool itself, which loads no Qt at all.
#pragma once

#include <span>

#include "cli/Commands.h"

namespace sw::cli {

struct Command {
  const char* name;
  int (*run)(const Args&);  // null for a command of the drawing program
  const char* usage;
};

// Every subcommand, in the order of the usage listing.
std::span<const Command> AllCommands();

// The usage listing on stderr; returns 2.
int ReportCommands();

// The drawing program's file name, next to sheetwright-cli.
inline constexpr const char* kDrawProgram = "sheetwright-cli-draw";

}  // namespace sw::cli
