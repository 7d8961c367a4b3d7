#include "edit/Snap.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

#include "geometry/Clip.h"

namespace sw {

namespace {

// The picked point and the tolerance, paper mm.
struct Probe {
  double x = 0, y = 0, t = 0;
  // NaN and infinite candidates fail both comparisons.
  bool near(double cx, double cy) const { return std::fabs(cx - x) <= t && std::fabs(cy - y) <= t; }
};

bool Finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// A rectangle frame of the current sheet: its moved rectangle (paper mm) and
// its offset.
struct PlacedFrame {
  std::size_t index = 0;
  ClipRect rect;
  double dx = 0, dy = 0;
};

// Rectangle frames 1..n with finite geometry, in frame order. `shownOnly`
// drops the frames whose shown flag is clear.
std::vector<PlacedFrame> RectFrames(const CLayMain& sheet, bool shownOnly) {
  std::vector<PlacedFrame> out;
  const std::size_t n = std::min({static_cast<std::size_t>(std::max(sheet.frameHigh, 0)) + 1,
                                  sheet.frames.size(), sheet.rects.size()});
  for (std::size_t i = 1; i < n; ++i) {
    const CLayCount& f = sheet.frames[i];
    const CLayRect& r = sheet.rects[i];
    if (f.kind != kFrameRect) continue;
    if (shownOnly && !(i < sheet.shown.size() && sheet.shown[i])) continue;
    if (!Finite(r.x1, r.y1, r.x2, r.y2) || !std::isfinite(f.dx) || !std::isfinite(f.dy)) continue;
    const ClipRect moved{std::min(r.x1, r.x2) + f.dx, std::min(r.y1, r.y2) - f.dy,
                         std::max(r.x1, r.x2) + f.dx, std::max(r.y1, r.y2) - f.dy};
    out.push_back({i, moved, f.dx, f.dy});
  }
  return out;
}

// What a line's bounding box (drawing mm) must satisfy to give a crossing
// for one frame: overlap the probe's square and the frame's rectangle, and
// span a side that lies within the tolerance of the probe. All of it is
// taken back by the frame's offset and widened by a slack so that rounding
// never drops a line the exact test would take.
struct LineFilter {
  double qx1, qy1, qx2, qy2;  // probe square
  double rx1, ry1, rx2, ry2;  // frame rectangle
  // Side intervals: [lo, hi] around a near side, [+inf, -inf] (nothing
  // spans it) for a side too far from the probe.
  double leftLo, leftHi, rightLo, rightHi, bottomLo, bottomHi, topLo, topHi;
  bool passes(double xlo, double ylo, double xhi, double yhi) const {
    if (!(xlo <= qx2 && xhi >= qx1 && ylo <= qy2 && yhi >= qy1 && xlo <= rx2 && xhi >= rx1 && ylo <= ry2 &&
          yhi >= ry1))
      return false;
    return (xlo <= leftHi && xhi >= leftLo) || (xlo <= rightHi && xhi >= rightLo) ||
           (ylo <= bottomHi && yhi >= bottomLo) || (ylo <= topHi && yhi >= topLo);
  }
};

LineFilter MakeFilter(const PlacedFrame& f, const Probe& q) {
  const ClipRect& r = f.rect;
  const double size = 1 + q.t +
                      std::max({std::fabs(q.x), std::fabs(q.y), std::fabs(f.dx), std::fabs(f.dy),
                                std::fabs(r.left), std::fabs(r.right), std::fabs(r.bottom), std::fabs(r.top)});
  const double slack = size * 1e-9;
  constexpr double kInf = std::numeric_limits<double>::infinity();
  LineFilter out{q.x - q.t - f.dx - slack, q.y - q.t + f.dy - slack, q.x + q.t - f.dx + slack,
                 q.y + q.t + f.dy + slack,  r.left - f.dx - slack,    r.bottom + f.dy - slack,
                 r.right - f.dx + slack,    r.top + f.dy + slack,     kInf, -kInf, kInf, -kInf, kInf, -kInf, kInf, -kInf};
  const auto side = [&](double paper, double probe, double back, double& lo, double& hi) {
    if (std::fabs(paper - probe) > q.t) return;
    lo = paper + back - slack;
    hi = paper + back + slack;
  };
  side(r.left, q.x, -f.dx, out.leftLo, out.leftHi);
  side(r.right, q.x, -f.dx, out.rightLo, out.rightHi);
  side(r.bottom, q.y, f.dy, out.bottomLo, out.bottomHi);
  side(r.top, q.y, f.dy, out.topLo, out.topHi);
  return out;
}

// Whether some side of `r` lies within the tolerance of the probe: otherwise
// no crossing with it can match.
bool SideNear(const ClipRect& r, const Probe& q) {
  return std::fabs(r.left - q.x) <= q.t || std::fabs(r.right - q.x) <= q.t || std::fabs(r.bottom - q.y) <= q.t ||
         std::fabs(r.top - q.y) <= q.t;
}

// The first crossing of the moved line (x1, y1)-(x2, y2) with the sides of
// `r`, in the order left, right, bottom, top, that lies within the probe's
// tolerance and within the line's x and y range; none when ClipSegment
// finds the line outside `r`.
std::optional<PaperPoint> SideCrossing(double x1, double y1, double x2, double y2, const ClipRect& r,
                                       const Probe& q) {
  const double xlo = std::min(x1, x2), xhi = std::max(x1, x2);
  const double ylo = std::min(y1, y2), yhi = std::max(y1, y2);
  const auto takes = [&](double cx, double cy) {
    return q.near(cx, cy) && cx >= xlo && cx <= xhi && cy >= ylo && cy <= yhi;
  };
  const double dx = x2 - x1, dy = y2 - y1;
  std::optional<PaperPoint> hit;
  if (std::fabs(dx) > kClipEpsilon) {
    for (const double sx : {r.left, r.right}) {
      if (std::fabs(sx - q.x) > q.t) continue;
      const double cy = y1 + (sx - x1) * dy / dx;
      if (takes(sx, cy)) {
        hit = PaperPoint{sx, cy};
        break;
      }
    }
  }
  if (!hit && std::fabs(dy) > kClipEpsilon) {
    for (const double sy : {r.bottom, r.top}) {
      if (std::fabs(sy - q.y) > q.t) continue;
      const double cx = x1 + (sy - y1) * dx / dy;
      if (takes(cx, sy)) {
        hit = PaperPoint{cx, sy};
        break;
      }
    }
  }
  // Whether the line meets the rectangle does not depend on the side, so it
  // is asked only once a crossing qualifies.
  if (!hit) return std::nullopt;
  double cx1 = x1, cy1 = y1, cx2 = x2, cy2 = y2;
  if (ClipSegment(cx1, cy1, cx2, cy2, r) == kClipOutside) return std::nullopt;
  return hit;
}

// Candidates 3: one pass over the lines serves every frame. Frame k's first
// match is at the lowest line index, so the match of the lowest frame found
// so far is the answer of the frame-by-frame order, and frames after it need
// no further look.
std::optional<PaperPoint> LineCrossing(const std::vector<CDataSen>& lines, const std::vector<PlacedFrame>& frames,
                                       const Probe& q) {
  std::vector<PlacedFrame> active;
  std::vector<LineFilter> filters;
  for (const PlacedFrame& f : frames) {
    if (!SideNear(f.rect, q)) continue;
    active.push_back(f);
    filters.push_back(MakeFilter(f, q));
  }
  const std::size_t count = active.size();
  if (count == 0) return std::nullopt;

  std::size_t best = count;  // frames before `best` are still searched
  PaperPoint found;
  for (const CDataSen& s : lines) {
    const double xlo = std::min(s.x1, s.x2), xhi = std::max(s.x1, s.x2);
    const double ylo = std::min(s.y1, s.y2), yhi = std::max(s.y1, s.y2);
    for (std::size_t k = 0; k < best; ++k) {
      if (!filters[k].passes(xlo, ylo, xhi, yhi)) continue;
      if (!Finite(s.x1, s.y1, s.x2, s.y2)) break;
      const PlacedFrame& f = active[k];
      if (auto c = SideCrossing(s.x1 + f.dx, s.y1 - f.dy, s.x2 + f.dx, s.y2 - f.dy, f.rect, q)) {
        best = k;
        found = *c;
        break;
      }
    }
    if (best == 0) break;
  }
  if (best == count) return std::nullopt;
  return found;
}

std::optional<PaperPoint> NearPoint(const std::vector<CDataTen>& points, double dx, double dy, const Probe& q) {
  for (const CDataTen& pt : points) {
    const double x = pt.x + dx, y = pt.y - dy;
    if (q.near(x, y)) return PaperPoint{x, y};
  }
  return std::nullopt;
}

std::optional<PaperPoint> FindCandidate(const Workspace& ws, const Probe& q) {
  const double hw = ws.view.PaperSize.width / 2, hh = ws.view.PaperSize.height / 2;
  for (const PaperPoint c : {PaperPoint{hw, hh}, PaperPoint{hw, -hh}, PaperPoint{-hw, hh}, PaperPoint{-hw, -hh}})
    if (q.near(c.x, c.y)) return c;

  const LayoutDocument& doc = ws.document;
  const std::int32_t current = doc.head.currentSheet;
  if (current < 0 || static_cast<std::size_t>(current) >= doc.Sheets.size()) return std::nullopt;
  const CLayMain& sheet = CurrentSheet(doc);

  for (const PlacedFrame& f : RectFrames(sheet, false)) {
    const CLayRect& r = sheet.rects[f.index];
    for (const PaperPoint c : {PaperPoint{r.x1, r.y1}, PaperPoint{r.x1, r.y2}, PaperPoint{r.x2, r.y1},
                               PaperPoint{r.x2, r.y2}}) {
      const PaperPoint moved{c.x + f.dx, c.y - f.dy};
      if (q.near(moved.x, moved.y)) return moved;
    }
  }

  const std::vector<PlacedFrame> shown = RectFrames(sheet, true);
  if (auto c = LineCrossing(ws.drawing.JWWLines, shown, q)) return c;

  if (BaseShown(sheet))
    if (auto c = NearPoint(ws.drawing.JWWPoints, 0, 0, q)) return c;
  for (const PlacedFrame& f : shown) {
    const ClipRect& r = f.rect;
    if (!(q.x >= r.left && q.x <= r.right && q.y >= r.bottom && q.y <= r.top)) continue;
    if (auto c = NearPoint(ws.drawing.JWWPoints, f.dx, f.dy, q)) return c;
  }
  return std::nullopt;
}

}  // namespace

bool SnapPoint(const Workspace& ws, PaperPoint& p) {
  const double s = ws.view.ViewScale;
  if (!(s > 0) || !std::isfinite(s) || !std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  const Probe q{p.x, p.y, kSnapPixels / s};
  if (!std::isfinite(q.t)) return false;
  const std::optional<PaperPoint> c = FindCandidate(ws, q);
  if (!c) return false;
  p = *c;
  return true;
}

}  // namespace sw
