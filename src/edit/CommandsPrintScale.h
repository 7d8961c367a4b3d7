// The rules of the print-scale dialog (TdlgPBairitu): the percentage the
// custom output scale is built from.
#pragma once

#include <string>

#include "core/Result.h"
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

// The field's text on activation: CustomPrintPercent in shortest decimal form.
std::string PrintPercentText(const ToolState& tool);

// Ok: "0" and an empty text stand for "1"; otherwise the text must be a
// decimal number for which IsPrintPercent holds. A text that is not
// one fails with the conversion message and changes nothing; else the value
// goes to CustomPrintPercent and PrintScaleDone is set.
Status PrintScaleOk(ToolState& tool, const std::string& text);
// Cancel and the close box: PrintScaleDone set, the percentage kept.
void PrintScaleCancel(ToolState& tool);

}  // namespace sw
