#include "edit/CommandsPrintScale.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "edit/Commands.h"
#include "settings/JwcadSettings.h"
#include "settings/SettingsConvert.h"

namespace sw {

std::string PrintPercentText(const ToolState& tool) { return ShortestDecimal(tool.CustomPrintPercent); }

Status PrintScaleOk(ToolState& tool, const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t");
  const std::string_view trimmed =
      first == std::string::npos ? std::string_view() : std::string_view(text).substr(first, last - first + 1);
  const std::optional<double> v = trimmed.empty() || trimmed == "0" ? std::optional<double>(1.0) : ParseDecimalReal(trimmed);
  if (!v || !IsPrintPercent(*v)) return MakeError(kConversionError);
  tool.CustomPrintPercent = *v;
  tool.PrintScaleDone = true;
  return Status::Ok();
}

void PrintScaleCancel(ToolState& tool) { tool.PrintScaleDone = true; }

}  // namespace sw
