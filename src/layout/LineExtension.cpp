#include "layout/LineExtension.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "layout/Paper.h"

namespace sw {

LineRect PaperRect(std::int32_t paperIndex) {
  const PaperMm d = PaperSizeMm(IsDocumentPaper(paperIndex) ? paperIndex : 0);
  return {-d.width / 2, d.height / 2, d.width / 2, -d.height / 2};
}

namespace {

LineEnds ByX(PaperPoint a, PaperPoint b) {
  if (b.x < a.x) std::swap(a, b);
  return {a, b};
}

// Point of the line through p with direction (dx, dy) at x (dx != 0).
PaperPoint AtX(PaperPoint p, double dx, double dy, double x) { return {x, p.y + (x - p.x) * dy / dx}; }
// Point of that line at y (dy != 0).
PaperPoint AtY(PaperPoint p, double dx, double dy, double y) { return {p.x + (y - p.y) * dx / dy, y}; }

}  // namespace

LineEnds ExtendLineToRect(PaperPoint p, PaperPoint q, const LineRect& r) {
  if (p.x == q.x) return {{p.x, r.top}, {p.x, r.bottom}};
  if (p.y == q.y) return {{r.left, p.y}, {r.right, p.y}};
  const double dx = q.x - p.x;
  const double dy = q.y - p.y;

  // The x range of the line inside the horizontal band bottom..top, cut to
  // left..right. A non-empty range means the line crosses the rectangle.
  const PaperPoint atTop = AtY(p, dx, dy, r.top);
  const PaperPoint atBottom = AtY(p, dx, dy, r.bottom);
  const double bandLo = std::min(atTop.x, atBottom.x);
  const double bandHi = std::max(atTop.x, atBottom.x);
  if (bandLo <= r.right && bandHi >= r.left) {
    auto end = [&](bool low) {
      const bool onVertical = low ? bandLo <= r.left : bandHi >= r.right;
      if (onVertical) return AtX(p, dx, dy, low ? r.left : r.right);
      const bool topEnd = (atTop.x < atBottom.x) == low;
      return topEnd ? atTop : atBottom;
    };
    return ByX(end(true), end(false));
  }

  // The line misses the rectangle: cut it by the pair of sides it runs
  // towards most.
  const double width = r.right - r.left;
  const double height = r.top - r.bottom;
  if (std::fabs(dy) * width <= std::fabs(dx) * height)
    return ByX(AtX(p, dx, dy, r.left), AtX(p, dx, dy, r.right));
  return ByX(atTop, atBottom);
}

}  // namespace sw
