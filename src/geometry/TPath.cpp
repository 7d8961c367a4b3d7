#include "geometry/TPath.h"

#include <algorithm>
#include <cmath>

#include "geometry/Dash.h"

namespace sw {

namespace {

constexpr const char* kRangeMessage = "TPath.GetPoint: Index is Out of Range";

std::int32_t RoundHalfAway(double v) {
  // Clamped so that a far-off control point cannot overflow the integer.
  v = std::clamp(v, -2.0e9, 2.0e9);
  return static_cast<std::int32_t>(v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5));
}

std::uint8_t KindOf(std::uint8_t type) {
  switch (type & 0x06) {
    case kPtMoveTo: return 0;
    case kPtBezierTo: return 2;
    default: return 1;  // line-to (and the undefined value 0)
  }
}

}  // namespace

PathPoint TPath::GetPoint(std::int32_t index) const {
  if (index < 0 || index >= count_ || static_cast<std::size_t>(index) >= points_.size() ||
      static_cast<std::size_t>(index) >= types_.size()) {
    throw EPathError(kRangeMessage);
  }
  const IntPoint p = points_[static_cast<std::size_t>(index)];
  const std::uint8_t t = types_[static_cast<std::size_t>(index)];
  return PathPoint{p.x, p.y, KindOf(t), (t & kPtCloseFigure) != 0};
}

std::optional<PathPoint> TPath::TryGetPoint(std::int32_t index) const {
  try {
    return GetPoint(index);
  } catch (const EPathError&) {
    return std::nullopt;
  }
}

void TPath::Assign(const TPath& source) {
  count_ = source.count_;
  points_ = source.points_;
  types_ = source.types_;
  figureOpen_ = source.figureOpen_;
}

void TPath::Push(IntPoint p, std::uint8_t type) {
  points_.push_back(p);
  types_.push_back(type);
  count_ = static_cast<std::int32_t>(points_.size());
}

void TPath::MoveTo(IntPoint p) {
  Push(p, kPtMoveTo);
  figureOpen_ = true;
}

void TPath::LineTo(IntPoint p) {
  if (!figureOpen_) {
    MoveTo(p);
    return;
  }
  Push(p, kPtLineTo);
}

void TPath::BezierTo(IntPoint c1, IntPoint c2, IntPoint end) {
  if (!figureOpen_) MoveTo(c1);
  Push(c1, kPtBezierTo);
  Push(c2, kPtBezierTo);
  Push(end, kPtBezierTo);
}

void TPath::CloseFigure() {
  if (figureOpen_ && !types_.empty()) types_.back() |= kPtCloseFigure;
  figureOpen_ = false;
}

void TPath::AddPolyline(const std::vector<IntPoint>& points, bool closed) {
  if (points.empty()) return;
  MoveTo(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i]);
  if (closed) CloseFigure();
}

void TPath::Clear() {
  count_ = 0;
  points_.clear();
  types_.clear();
  figureOpen_ = false;
}

namespace {

// Appends the line-tos of one cubic piece p0..p3, p0 excluded. The number of
// chords follows the bound on the second differences, so that no chord
// strays more than kFlattenTolerance from the curve.
void FlattenCubic(IntPoint p0, IntPoint p1, IntPoint p2, IntPoint p3, TPath& out) {
  const double ax = p0.x - 2.0 * p1.x + p2.x, ay = p0.y - 2.0 * p1.y + p2.y;
  const double bx = p1.x - 2.0 * p2.x + p3.x, by = p1.y - 2.0 * p2.y + p3.y;
  const double m = std::max(std::hypot(ax, ay), std::hypot(bx, by));
  int n = static_cast<int>(std::ceil(std::sqrt(0.75 * m / kFlattenTolerance)));
  n = std::clamp(n, 1, 4096);
  IntPoint last = p0;
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, s = 1.0 - t;
    const double w0 = s * s * s, w1 = 3 * s * s * t, w2 = 3 * s * t * t, w3 = t * t * t;
    const IntPoint q{RoundHalfAway(w0 * p0.x + w1 * p1.x + w2 * p2.x + w3 * p3.x),
                     RoundHalfAway(w0 * p0.y + w1 * p1.y + w2 * p2.y + w3 * p3.y)};
    if (q == last) continue;
    out.LineTo(q);
    last = q;
  }
}

}  // namespace

TPath TPath::Flattened() const {
  TPath out;
  const std::size_t n = std::min({points_.size(), types_.size(),
                                  static_cast<std::size_t>(std::max(count_, 0))});
  std::size_t i = 0;
  while (i < n) {
    const std::uint8_t t = types_[i];
    const std::uint8_t kind = KindOf(t);
    if (kind == 0) {
      out.MoveTo(points_[i]);
      ++i;
    } else if (kind == 2 && i + 2 < n && i > 0) {
      const bool close = (types_[i + 2] & kPtCloseFigure) != 0;
      FlattenCubic(points_[i - 1], points_[i], points_[i + 1], points_[i + 2], out);
      i += 3;
      if (close) out.CloseFigure();
      continue;
    } else {
      if (out.points_.empty() || !(out.points_.back() == points_[i]) || !out.figureOpen_) {
        out.LineTo(points_[i]);
      }
      ++i;
    }
    if ((t & kPtCloseFigure) != 0) out.CloseFigure();
  }
  return out;
}

std::vector<std::vector<IntPoint>> TPath::Polylines() const {
  std::vector<std::vector<IntPoint>> out;
  const std::int32_t n = std::min<std::int32_t>(
      count_, static_cast<std::int32_t>(std::min(points_.size(), types_.size())));
  std::int32_t i = 0;
  while (i < n - 1) {
    std::int32_t j = i + 1;
    while (j < n && KindOf(types_[static_cast<std::size_t>(j)]) != 0) ++j;
    if (j - i >= 2) {
      std::vector<IntPoint> line(points_.begin() + i, points_.begin() + j);
      if ((types_[static_cast<std::size_t>(j - 1)] & kPtCloseFigure) != 0) {
        line.push_back(points_[static_cast<std::size_t>(i)]);
      }
      out.push_back(std::move(line));
    }
    i = j;
  }
  return out;
}

Status TPath::StrokeDashed(const std::vector<double>& pattern, double penWidth,
                           DashSink& sink) const {
  try {
    std::vector<IntPoint> line;
    std::int32_t i = 0;
    while (i < count_ - 1) {
      std::int32_t j = i + 1;
      while (j < count_ && GetPoint(j).kind != 0) ++j;
      line.clear();
      for (std::int32_t k = i; k < j; ++k) {
        const PathPoint p = GetPoint(k);
        line.push_back(IntPoint{p.x, p.y});
      }
      if (line.size() >= 2) {
        if (GetPoint(j - 1).close) line.push_back(line.front());
        StrokeDashedPolyline(line, pattern, penWidth, sink);
      }
      i = j;
    }
  } catch (const EPathError& e) {
    return MakeError(e.what());
  }
  return Status::Ok();
}

}  // namespace sw
