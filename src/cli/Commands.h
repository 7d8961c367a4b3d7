// Subcommands of sheetwright-cli. Each takes the arguments after its name and
// returns the exit status: 0 success, 1 bad input, 2 usage error.
#pragma once

#include <string>
#include <vector>

#include "core/Result.h"

namespace sw::cli {

using Args = std::vector<std::string>;

int RunInfo(const Args& args);
int RunLayout(const Args& args);
int RunResave(const Args& args);
int RunSettings(const Args& args);
int RunRender(const Args& args);
int RunPrint(const Args& args);
int RunBlocks(const Args& args);

// Prints "FILE: byte N: problem" (or "FILE: problem") on stderr; returns 1.
int ReportBadInput(const std::string& file, const Error& e);
// Prints the usage line on stderr; returns 2.
int ReportUsage(const char* usage);

}  // namespace sw::cli
