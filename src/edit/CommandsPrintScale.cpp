#include "edit/CommandsPrintScale.h"

#include <string_view>

#include "edit/Commands.h"
#include "settings/JwcadSettings.h"
#include "settings/SettingsConvert.h"

namespace sw {

std::string PrintPercentText(double percent) { return ShortestDecimal(percent); }

Result<double> ParsePrintPercent(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t");
  const std::string_view trimmed =
      first == std::string::npos ? std::string_view() : std::string_view(text).substr(first, last - first + 1);
  const std::optional<double> v =
      trimmed.empty() || trimmed == "0" ? std::optional<double>(1.0) : ParseDecimalReal(trimmed);
  if (!v || !IsPrintPercent(*v)) return MakeError(kConversionError);
  return *v;
}

namespace {

constexpr const char* kItems[kOutputScaleItems] = {
    "200%(A4→A2,A3→A1)", "141%(A4→A3,A3→A2)", "100%(A4→A4,A3→A3)", " 71%(A3→A4,A2→A3)",
    " 50%(A2→A4,A1→A3)", " 35%(A0→A3,A1→A4)", " 25%(A0→A4,A1→A5)", "任意倍率"};
constexpr double kFactors[kCustomScaleItem] = {2.0, 1.41, 1.0, 0.71, 0.5, 0.35, 0.25};

}  // namespace

const char* OutputScaleItemText(int index) {
  return index >= 0 && index < kOutputScaleItems ? kItems[index] : "";
}

std::string CustomScaleItemText(double percent) { return "任意倍率(" + ShortestDecimal(percent) + "%)"; }

void ChooseOutputScale(Workspace& ws, ShellState& shell, Prompts& prompts, int index) {
  PrintState& print = ws.print;
  if (index >= 0 && index < kCustomScaleItem) {
    print.OutputScale = kFactors[index];
  } else if (index == kCustomScaleItem) {
    print.PrintScaleDone = false;
    const std::optional<double> percent = prompts.printPercent(print.CustomPrintPercent);
    print.PrintScaleDone = true;
    if (percent) print.CustomPrintPercent = *percent;
    print.OutputScale = print.CustomPrintPercent / 100.0;
  }
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

void StartPrintOutput(Workspace& ws) { ws.print.Printing = true; }

bool PrintPreviewCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  std::optional<PrinterPage> page = prompts.printSetup(ws.document.PaperIndex);
  if (!page) return false;
  ws.print.PrinterPaperMm.width = page->widthMm;
  ws.print.PrinterPaperMm.height = page->heightMm;
  shell.toolBarVisible = {false, false, false, false, false, true};
  ws.print.PrintPreview = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
  return true;
}

}  // namespace sw
