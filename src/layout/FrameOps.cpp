// The operations on the frames and auxiliary lines of the current sheet.
#include <algorithm>
#include <cmath>
#include <utility>

#include "layout/Operations.h"
#include "layout/OpsCheck.h"

namespace sw {

namespace {

template <class T>
void EraseAt(std::vector<T>& v, std::int32_t j) {
  v.erase(v.begin() + j);
}

}  // namespace

Status selectFrame(LayoutDocument& doc, std::int32_t j) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 0, sh.frameHigh); !s) return s;
  sh.selectedFrame = j;
  return Status::Ok();
}

Status renameFrame(LayoutDocument& doc, std::int32_t j, const std::string& name) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 1, sh.frameHigh); !s) return s;
  if (name.empty()) return MakeError("a frame needs a name");
  for (std::int32_t k = 1; k <= sh.frameHigh; ++k)
    if (k != j && sh.frames[static_cast<std::size_t>(k)].name == name)
      return MakeError("frame " + std::to_string(k) + " already has this name");
  sh.frames[static_cast<std::size_t>(j)].name = name;
  return Status::Ok();
}

Status deleteFrame(LayoutDocument& doc, std::int32_t j) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 1, sh.frameHigh); !s) return s;
  EraseAt(sh.frames, j);
  EraseAt(sh.circles, j);
  EraseAt(sh.rects, j);
  sh.shown.erase(sh.shown.begin() + j);
  sh.frameHigh -= 1;
  sh.selectedFrame = std::min(j, sh.frameHigh);
  return Status::Ok();
}

Status setFrameShown(LayoutDocument& doc, std::int32_t j, bool shown) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 0, sh.frameHigh); !s) return s;
  sh.shown[static_cast<std::size_t>(j)] = shown;
  return Status::Ok();
}

Status moveFrames(LayoutDocument& doc, const std::vector<std::int32_t>& frames, double ddx, double ddy) {
  CLayMain& sh = CurrentSheet(doc);
  if (!std::isfinite(ddx) || !std::isfinite(ddy)) return MakeError("the displacement is not finite");
  std::vector<std::int32_t> sorted = frames;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
    return MakeError("a frame is listed twice");
  for (std::int32_t j : sorted)
    if (Status s = CheckIndex("frame", j, 1, sh.frameHigh); !s) return s;
  for (std::int32_t j : sorted) {
    CLayCount& f = sh.frames[static_cast<std::size_t>(j)];
    f.dx += ddx;
    f.dy += ddy;
  }
  return Status::Ok();
}

Status setFrameRect(LayoutDocument& doc, std::int32_t j, double x1, double y1, double x2, double y2) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 1, sh.frameHigh); !s) return s;
  if (sh.frames[static_cast<std::size_t>(j)].kind != kFrameRect)
    return MakeError("frame " + std::to_string(j) + " is not a rectangle frame");
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
    return MakeError("a corner of frame " + std::to_string(j) + " is not finite");
  CLayRect& r = sh.rects[static_cast<std::size_t>(j)];
  r.x1 = std::min(x1, x2);
  r.x2 = std::max(x1, x2);
  r.y1 = std::min(y1, y2);
  r.y2 = std::max(y1, y2);
  return Status::Ok();
}

Status setFrameCircle(LayoutDocument& doc, std::int32_t j, double cx, double cy, double radius) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 1, sh.frameHigh); !s) return s;
  if (sh.frames[static_cast<std::size_t>(j)].kind != kFrameCircle)
    return MakeError("frame " + std::to_string(j) + " is not a circle frame");
  if (!std::isfinite(cx) || !std::isfinite(cy) || !(radius >= 0) || !std::isfinite(radius))
    return MakeError("the circle of frame " + std::to_string(j) + " is not a finite centre and radius");
  CLayCircle& c = sh.circles[static_cast<std::size_t>(j)];
  c.cx = cx;
  c.cy = cy;
  c.radius = radius;
  return Status::Ok();
}

Status setFrameLayers(LayoutDocument& doc, std::int32_t j, std::int32_t writeGroup,
                      const std::array<JWWLayerGroupState, 16>& groups) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("frame", j, 0, sh.frameHigh); !s) return s;
  CLayCount& f = sh.frames[static_cast<std::size_t>(j)];
  f.writeGroup = writeGroup;
  f.groups = groups;
  return Status::Ok();
}

Status deleteLine(LayoutDocument& doc, std::int32_t index) {
  CLayMain& sh = CurrentSheet(doc);
  if (Status s = CheckIndex("line", index, 0, sh.lineHigh); !s) return s;
  if (sh.lineHigh == 0) return MakeError("the sheet has no auxiliary line");
  EraseAt(sh.lines, index);
  sh.lineHigh -= 1;
  return Status::Ok();
}

}  // namespace sw
