#include "geometry/Clip.h"

#include <cmath>

namespace sw {

int OutCode(const ClipRect& rect, double x, double y) {
  int code = 0;
  if (y - rect.top > -kClipEpsilon) code |= kOutTop;
  if (y - rect.bottom < kClipEpsilon) code |= kOutBottom;
  if (x - rect.right > -kClipEpsilon) code |= kOutRight;
  if (x - rect.left < kClipEpsilon) code |= kOutLeft;
  return code;
}

int PointOutside(const ClipRect& rect, double x, double y) {
  return OutCode(rect, x, y) != 0 ? kClipOutside : kClipInside;
}

int RectOutside(const ClipRect& window, double x1, double y1, double x2, double y2) {
  if (x1 > window.right || x2 < window.left || y1 > window.top || y2 < window.bottom) {
    return kClipOutside;
  }
  return kClipInside;
}

namespace {

// Moves one end onto the sides its outcode names, in the order left, right,
// bottom, top, recomputing the code after each step. (ox, oy) is end 1 as
// given and (dx, dy) the segment's direction.
void FixEnd(double& x, double& y, double ox, double oy, double dx, double dy,
            const ClipRect& r) {
  int code = OutCode(r, x, y);
  if ((code & kOutLeft) && std::fabs(dx) > kClipEpsilon) {
    x = r.left;
    y = oy + (r.left - ox) * dy / dx;
    code = OutCode(r, x, y);
  }
  if ((code & kOutRight) && std::fabs(dx) > kClipEpsilon) {
    x = r.right;
    y = oy + dy * (r.right - ox) / dx;
    code = OutCode(r, x, y);
  }
  if ((code & kOutBottom) && std::fabs(dy) > kClipEpsilon) {
    y = r.bottom;
    x = ox + dx * (r.bottom - oy) / dy;
    code = OutCode(r, x, y);
  }
  if ((code & kOutTop) && std::fabs(dy) > kClipEpsilon) {
    y = r.top;
    x = ox + dx * (r.top - oy) / dy;
  }
}

}  // namespace

int ClipSegment(double& x1, double& y1, double& x2, double& y2, const ClipRect& rect) {
  const int c1 = OutCode(rect, x1, y1);
  const int c2 = OutCode(rect, x2, y2);
  if (c1 == 0 && c2 == 0) return kClipInside;
  if ((c1 & c2) != 0) return kClipOutside;
  const double ox = x1, oy = y1;
  const double dx = x2 - x1, dy = y2 - y1;
  FixEnd(x1, y1, ox, oy, dx, dy, rect);
  FixEnd(x2, y2, ox, oy, dx, dy, rect);
  return kClipMoved;
}

}  // namespace sw
