// The print toolbar's rules: the print preview, "戻る", the output-scale
// list and the print-scale dialog's percentage (TdlgPBairitu asks; it
// changes nothing).
#pragma once

#include <optional>
#include <string>

#include "edit/CommandsState.h"
#include "edit/Prompts.h"
#include "edit/Workspace.h"

namespace sw {

inline constexpr const char* kCaptionPrintScale = "印刷倍率";
inline constexpr const char* kLabelPrintScale = "印刷倍率(%)を入力してください。";
// The largest percentage taken (100 times the sheet) and the smallest (below
// it the page would stand for more sheet than numbers can hold).
inline constexpr double kMaxPrintPercent = 10000.0;
inline constexpr double kMinPrintPercent = 0.01;

// True for a percentage the output scale may be built from: finite and in
// kMinPrintPercent..kMaxPrintPercent.
inline bool IsPrintPercent(double v) {
  return v >= kMinPrintPercent && v <= kMaxPrintPercent;  // false for NaN
}

// The dialog's field on activation: `percent` in shortest decimal form.
std::string PrintPercentText(double percent);

// OK with the field's text: "0" and an empty text stand for "1"; otherwise
// the text must be a decimal number for which IsPrintPercent holds. The
// conversion error when it is not.
Result<double> ParsePrintPercent(const std::string& text);

// The items of the output-scale list ComboBox1, item 7 being the custom scale.
inline constexpr int kOutputScaleItems = 8;
inline constexpr int kCustomScaleItem = 7;
const char* OutputScaleItemText(int index);
// Item 7's text once a custom scale was chosen: "任意倍率(80%)".
std::string CustomScaleItemText(double percent);

// An item of the output-scale list: 0..6 the table's factors; 7 asks the
// print-scale dialog (PrintScaleDone cleared until it closes) and builds
// the factor from the custom percentage, kept when the dialog is cancelled.
// The sheet is redrawn.
void ChooseOutputScale(Workspace& ws, ShellState& shell, Prompts& prompts, int index);

inline constexpr const char* kMsgPrintFailed = "印刷に失敗しました。";
inline constexpr const char* kPdfFilter = "PDF Files(*.PDF)|*.PDF";

// The print button starts its output: Printing is set until the mode reset.
void StartPrintOutput(Workspace& ws);

// FilePrint1: the printer setup, then the print preview (ToolBar5 up,
// PrintPreview set, PrinterPaperMm from the printer). False when cancelled.
bool PrintPreviewCommand(Workspace& ws, ShellState& shell, Prompts& prompts);

}  // namespace sw
