#include <cstdio>

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

}  // namespace sw::cli
