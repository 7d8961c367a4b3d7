#include "cli/SheetInput.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

#include "core/Path.h"
#include "layout/BasePath.h"
#include "layout/Document.h"
#include "layout/LayoutLoad.h"
#include "layout/Operations.h"
#include "render/Styles.h"
#include "settings/JwcadSettings.h"

namespace sw::cli {

namespace fs = std::filesystem;

EnvLookup EnvWithRegistry(const std::string& registryFile) {
  EnvLookup process = ProcessEnvironment();
  if (registryFile.empty()) return process;
  return [process, registryFile](std::string_view name) -> std::optional<std::string> {
    if (name == "SHEETWRIGHT_JWCAD_REGISTRY") return registryFile;
    return process(name);
  };
}

std::optional<long long> ParseInteger(const std::string& text) {
  long long v = 0;
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc() || p != end || text.empty()) return std::nullopt;
  return v;
}

bool SplitArgs(const Args& args, std::initializer_list<std::string_view> allowed,
               std::vector<std::string>& positional, std::map<std::string, std::string>& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!a.starts_with("--")) {
      positional.push_back(a);
      continue;
    }
    bool known = false;
    for (std::string_view name : allowed) known = known || a == name;
    if (!known || i + 1 >= args.size() || options.count(a)) return false;
    options[a] = args[++i];
  }
  return true;
}

namespace {

int LoadStyles(const SheetRequest& req, Workspace& ws) {
  const EnvLookup env = EnvWithRegistry(req.registryFile);
  auto jwcad = OpenJwcadRegistry(env);
  if (!jwcad && !req.registryFile.empty()) return ReportBadInput(req.registryFile, jwcad.error());
  auto own = OpenOwnRegistry(env);
  if (!own) return ReportBadInput(Utf8FromPath(OwnRegistryPath(env)), own.error());
  // Without Jw_cad's settings the tables keep their initial values.
  ImportStyleTables(ws.styles, jwcad ? jwcad.value().get() : nullptr, own.value().get());
  ApplyDrawingTables(ws.styles, ws.drawing.head);
  return 0;
}

}  // namespace

void ApplySheetBackdrop(Workspace& ws) { ws.redraw.BackdropMode = BaseShown(CurrentSheet(ws.document)) ? 1 : 0; }

namespace {

int LoadLayoutInput(const SheetRequest& req, Workspace& ws) {
  // A base path on a Windows drive leads through the Wine prefix; a paper
  // outside A0..A4 is shown as A1, as the window opens it.
  const DriveMap drives{WinePrefix(EnvWithRegistry(req.registryFile))};
  if (auto failed = LoadLayoutWithBase(PathFromUtf8(req.input), ws.document, ws.drawing, drives)) {
    // A layout without a base path is reported against the layout file.
    return ReportBadInput(failed->file.empty() ? req.input : failed->file, failed->error);
  }
  if (req.sheet) {
    const int last = ws.document.head.sheetHigh;
    if (*req.sheet < 0 || *req.sheet > last) {
      return ReportBadInput(req.input, Error{"sheet " + std::to_string(*req.sheet) +
                                                 " does not exist (sheets 0.." +
                                                 std::to_string(last) + ")",
                                             -1});
    }
    if (Status s = selectSheet(ws.document, *req.sheet); !s) return ReportBadInput(req.input, s.error());
  }
  ApplySheetBackdrop(ws);
  return 0;
}

int LoadDrawingInput(const SheetRequest& req, Workspace& ws) {
  if (req.sheet && *req.sheet != 0)
    return ReportBadInput(req.input, Error{"a drawing has only sheet 0", -1});
  if (Status s = openBaseDrawing(ws.document, ws.drawing, fs::absolute(PathFromUtf8(req.input))); !s)
    return ReportBadInput(req.input, s.error());
  ws.redraw.BackdropMode = 1;
  return 0;
}

}  // namespace

int CheckOutputPath(const std::string& out, const SheetRequest& req, const Workspace& ws) {
  if (HasExtension(PathFromUtf8(out), ".jww") || HasExtension(PathFromUtf8(out), ".swt"))
    return ReportBadInput(out, Error{"will not write a picture over a drawing or layout name", -1});
  std::error_code ec;
  const fs::path target = PathFromUtf8(out);
  for (const fs::path& source : {PathFromUtf8(req.input), NativePathFromCp932(ws.document.head.baseFile)}) {
    if (!source.empty() && fs::exists(target, ec) && fs::equivalent(target, source, ec))
      return ReportBadInput(out, Error{"is an input file; it is only read", -1});
  }
  return 0;
}

int LoadSheetInput(const SheetRequest& req, Workspace& ws) {
  int rc = 0;
  if (HasExtension(PathFromUtf8(req.input), ".swt")) {
    rc = LoadLayoutInput(req, ws);
  } else if (HasExtension(PathFromUtf8(req.input), ".jww")) {
    rc = LoadDrawingInput(req, ws);
  } else {
    return ReportBadInput(req.input, Error{"not a layout (.swt) or a drawing (.jww)", -1});
  }
  if (rc != 0) return rc;
  ws.index = DrawingIndex(ws.drawing);
  return LoadStyles(req, ws);
}

}  // namespace sw::cli
