// The tools that take two points: rectangle frame, circle frame, auxiliary
// line and move. Each waits for its first point at its entry value of
// ToolMode, for its second at entry + 100 (drawing its band meanwhile) and
// commits at entry + 1100; afterwards it waits for a first point again.
#pragma once

#include <cstdint>

#include "edit/PointerEngine.h"

namespace sw {

struct TwoPointTool {
  std::int32_t entry;      // ToolMode waiting for the first point
  int bandStyle;           // rubber band while the second point is awaited (250: the move band)
  bool constrained;        // the direction boxes bend the second point
  const char* secondPrompt;
  // Commits FirstPoint / SecondPoint (`clicked`: the second point as
  // clicked or snapped, before the direction boxes); true when the layout
  // changed. May end the tool by setting ToolMode below 1000.
  bool (*commit)(PointerInput& in, PaperPoint clicked);
};

// The tool whose first-point, waiting or commit value `mode` is; null for
// any other mode.
const TwoPointTool* TwoPointToolFor(std::int32_t mode);

// ToolMode 300: deletes the first auxiliary line of the current sheet
// (placeholder excluded) that passes within 5.0 paper mm of the paper
// point, each line taken extended to the view window.
void DeleteLineClick(PointerInput& in, PaperPoint at);

}  // namespace sw
