#include "edit/tools/TwoPointTools.h"

#include <cmath>

#include "edit/CommandsLayoutName.h"
#include "edit/EditDocument.h"
#include "edit/tools/MoveTransform.h"
#include "layout/LineExtension.h"
#include "layout/Operations.h"

namespace sw {

namespace {

bool CommitFrame(PointerInput& in, PaperPoint) { return CommitNewFrame(in.ws, in.shell, in.prompts); }

bool CommitAuxLine(PointerInput& in, PaperPoint) {
  const PaperPoint a = in.ws.pointer.FirstPoint, b = in.ws.pointer.SecondPoint;
  // Two equal points give no direction to extend along.
  if (a == b) return false;
  return Commit(in.ws, "補助線", [a, b](LayoutDocument& d) {
           addLine(d, kAuxLineCode, a, b);
           return Status::Ok();
         }).ok();
}

constexpr TwoPointTool kTools[] = {
    {100, 200, false, kPromptEndPoint, CommitFrame},
    {110, 210, false, kPromptEndPoint, CommitFrame},
    {130, 230, true, kPromptEndPoint, CommitAuxLine},
    {150, 250, true, kPromptMoveEnd, CommitMove},
};

}  // namespace

const TwoPointTool* TwoPointToolFor(std::int32_t mode) {
  for (const TwoPointTool& t : kTools)
    if (mode == t.entry || mode == t.entry + 100 || mode == t.entry + 1100) return &t;
  return nullptr;
}

void DeleteLineClick(PointerInput& in, PaperPoint at) {
  Workspace& ws = in.ws;
  const CLayMain& sheet = CurrentSheet(ws.document);
  const ViewRect& w = ws.view.ViewWindow;
  const LineRect window{w.left, w.top, w.right, w.bottom};
  for (std::int32_t i = 1; i <= sheet.lineHigh; ++i) {
    const CLayLine& l = sheet.lines[static_cast<std::size_t>(i)];
    const LineEnds e = ExtendLineToRect({l.x1, l.y1}, {l.x2, l.y2}, window);
    const double dx = e.b.x - e.a.x, dy = e.b.y - e.a.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) continue;
    const double distance = std::abs(dy * (at.x - e.a.x) - dx * (at.y - e.a.y)) / length;
    if (distance < 5.0) {
      (void)Commit(ws, "線削除", [i](LayoutDocument& d) { return deleteLine(d, i); });
      return;
    }
  }
}

}  // namespace sw
