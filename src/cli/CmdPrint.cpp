// sheetwright-cli print IN OUT.pdf [--sheet N | --all] [--scale PERCENT]
// [--page A0..A4] [--registry FILE]: the sheet printed as the print button
// prints it, onto one landscape PDF page at 600 dpi, vector, the paper
// centre on the page centre and one sheet mm PERCENT/100 mm on paper. With
// --all every sheet of the layout in its order, one page each.

#include "cli/SheetInput.h"
#include "core/Path.h"
#include "edit/CommandsPrintScale.h"
#include "layout/Operations.h"
#include "platform/PdfExport.h"
#include "settings/SettingsConvert.h"

namespace sw::cli {

namespace {

// "A0".."A4" (either case) to a paper index.
std::optional<int> ParsePage(const std::string& text) {
  if (text.size() != 2 || (text[0] != 'A' && text[0] != 'a') || text[1] < '0' || text[1] > '4')
    return std::nullopt;
  return text[1] - '0';
}

// A percentage as the print-scale dialog takes one (a plain decimal number).
std::optional<double> ParsePercent(const std::string& text) {
  const std::optional<double> v = ParseDecimalReal(text);
  if (!v || !IsPrintPercent(*v)) return std::nullopt;
  return v;
}

}  // namespace

int RunPrint(const Args& args) {
  const char* usage =
      "print IN.(swt|jww) OUT.pdf [--sheet N | --all] [--scale PERCENT] [--page A0..A4] [--registry FILE]";
  Args rest;
  bool all = false;
  for (const std::string& a : args) {
    if (a != "--all") rest.push_back(a);
    else if (all) return ReportUsage(usage);
    else all = true;
  }
  std::vector<std::string> pos;
  std::map<std::string, std::string> opt;
  if (!SplitArgs(rest, {"--sheet", "--scale", "--page", "--registry"}, pos, opt) || pos.size() != 2 ||
      (all && opt.count("--sheet")))
    return ReportUsage(usage);
  SheetRequest req{pos[0], std::nullopt, opt.count("--registry") ? opt["--registry"] : ""};
  if (opt.count("--sheet")) {
    const auto n = ParseInteger(opt["--sheet"]);
    if (!n || *n < 0 || *n > 1000000) return ReportUsage(usage);
    req.sheet = static_cast<int>(*n);
  }
  double percent = 100;
  if (opt.count("--scale")) {
    const auto p = ParsePercent(opt["--scale"]);
    if (!p) return ReportUsage(usage);
    percent = *p;
  }
  std::optional<int> page;
  if (opt.count("--page")) {
    page = ParsePage(opt["--page"]);
    if (!page) return ReportUsage(usage);
  }

  auto ws = std::make_unique<Workspace>();
  if (int rc = LoadSheetInput(req, *ws); rc != 0) return rc;
  if (int rc = CheckOutputPath(pos[1], req, *ws); rc != 0) return rc;
  ViewState& view = ws->view;
  // The screen view the print button would leave behind: the window's
  // default drawing area, fitted. Its buffer decides which texts are small
  // enough to be printed as their outline boxes.
  FitViewToPaper(view, ws->document.PaperIndex, BoxSize{1024, 768});
  ws->print.OutputScale = percent / 100;

  const int pages = all ? ws->document.head.sheetHigh + 1 : 1;
  auto preparePage = [&](int k) -> Status {
    if (!all) return {};
    if (Status s = selectSheet(ws->document, k); !s) return s;
    ApplySheetBackdrop(*ws);
    return {};
  };
  if (Status s = WriteSheetsPdf(PathFromUtf8(pos[1]), page.value_or(ws->document.PaperIndex), req.input, view,
                                SheetSource{ws->drawing, ws->document, ws->styles, ws->print, &ws->index}, ws->redraw, pages,
                                preparePage);
      !s)
    return ReportBadInput(pos[1], s.error());
  return 0;
}

}  // namespace sw::cli
