#include "layout/LineExtension.h"

#include "layout/Paper.h"

namespace sw {

LineRect PaperRect(std::int32_t paperIndex) {
  const PaperMm d = PaperSizeMm(IsDocumentPaper(paperIndex) ? paperIndex : 0);
  return {-d.width / 2, d.height / 2, d.width / 2, -d.height / 2};
}

namespace {

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
  // Where the line, going from p towards q, meets the far vertical side: on
  // that side (corners included) it leaves through the vertical pair.
  const PaperPoint exit = AtX(p, dx, dy, dx > 0 ? r.right : r.left);
  if (exit.y >= r.bottom && exit.y <= r.top) return {AtX(p, dx, dy, r.left), AtX(p, dx, dy, r.right)};
  return {AtY(p, dx, dy, r.top), AtY(p, dx, dy, r.bottom)};
}

}  // namespace sw
