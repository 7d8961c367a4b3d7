// What render and print start from: a layout (.swt, with its base drawing)
// or a bare drawing (.jww, as right after loading it into a new layout),
// the sheet to show, and the style tables imported from the registry.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Commands.h"
#include "edit/Workspace.h"
#include "settings/RegistryLocation.h"

namespace sw::cli {

// The process environment with SHEETWRIGHT_JWCAD_REGISTRY replaced by
// `registryFile` when that is not empty.
EnvLookup EnvWithRegistry(const std::string& registryFile);

struct SheetRequest {
  std::string input;                // .swt or .jww
  std::optional<int> sheet;         // --sheet; the layout's current sheet when absent
  std::string registryFile;         // --registry
};

// Loads the request into `ws`: the document and drawing, the sheet made
// current, BackdropMode as opening shows it, and the style tables (Jw_cad's
// settings when found — required when --registry names a file — then the
// program's own, then the drawing's tables). Returns 0, or the exit status
// after reporting the problem.
int LoadSheetInput(const SheetRequest& req, Workspace& ws);

// The grey backdrop as showing the current sheet of a layout sets it: on
// when the sheet shows its base drawing.
void ApplySheetBackdrop(Workspace& ws);

// Splits `args` into positional arguments and "--name value" options of the
// names in `allowed`. False for an unknown option, one without its value, or
// one given twice.
bool SplitArgs(const Args& args, std::initializer_list<std::string_view> allowed,
               std::vector<std::string>& positional, std::map<std::string, std::string>& options);

// 0 when `out` may be written; else reports (exit status 1) an output that
// would replace the input, the layout's base drawing, or any drawing or
// layout (an output named .jww or .swt): these files are only ever read.
int CheckOutputPath(const std::string& out, const SheetRequest& req, const Workspace& ws);

// Parses a whole decimal integer; nothing on anything else.
std::optional<long long> ParseInteger(const std::string& text);

}  // namespace sw::cli
