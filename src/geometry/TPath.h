// A recorded drawing path in pixels: points with the platform's path point
// types (move-to, line-to, Bezier-to, close-figure bit). Built by our own
// code from the geometry (segments, ellipses, Bezier arcs) instead of being
// read back from a device; Flattened() turns the Bezier pieces into line-tos.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Result.h"
#include "geometry/IntPoint.h"

namespace sw {

class DashSink;

// Path point types, as the platform stores them.
enum : std::uint8_t {
  kPtCloseFigure = 0x01,
  kPtLineTo = 0x02,
  kPtBezierTo = 0x04,
  kPtMoveTo = 0x06,
};

// The error of this unit. Thrown only by TPath::GetPoint and always caught
// inside the geometry module; other modules use TPath::TryGetPoint.
class EPathError : public std::runtime_error {
 public:
  explicit EPathError(const std::string& message) : std::runtime_error(message) {}
};

// One point as GetPoint returns it.
struct PathPoint {
  std::int32_t x = 0, y = 0;
  std::uint8_t kind = 0;  // 0 move-to, 1 line-to, 2 Bezier-to
  bool close = false;     // the close-figure bit
  bool operator==(const PathPoint&) const = default;
};

// Largest distance, in pixels, between a flattened Bezier piece and the curve
// before its points are rounded to whole pixels.
inline constexpr double kFlattenTolerance = 0.2;

class TPath {
 public:
  TPath() = default;

  std::int32_t Count() const { return count_; }
  const std::vector<IntPoint>& Points() const { return points_; }
  const std::vector<std::uint8_t>& Types() const { return types_; }

  // Throws EPathError("TPath.GetPoint: Index is Out of Range") when index < 0
  // or index >= Count().
  PathPoint GetPoint(std::int32_t index) const;
  // The same without an exception.
  std::optional<PathPoint> TryGetPoint(std::int32_t index) const;

  // Copies count, points and types.
  void Assign(const TPath& source);

  // Recording. A LineTo or BezierTo with no open figure starts one at its
  // first point.
  void MoveTo(IntPoint p);
  void LineTo(IntPoint p);
  void BezierTo(IntPoint c1, IntPoint c2, IntPoint end);
  // Sets the close-figure bit on the last point of the open figure.
  void CloseFigure();
  // A polyline as one open figure (closed when `closed`).
  void AddPolyline(const std::vector<IntPoint>& points, bool closed = false);
  void Clear();

  // The same path with every Bezier piece replaced by line-tos
  // (kFlattenTolerance, points rounded half away from zero, repeated points
  // dropped); close-figure bits are kept.
  TPath Flattened() const;

  // Splits a flattened path into its figures: each starts at a move-to; a
  // figure of two or more points whose last point carries the close bit gets
  // its first point appended again. Figures of fewer than two points are
  // dropped. Bezier points are taken as they stand (flatten first).
  std::vector<std::vector<IntPoint>> Polylines() const;

  // Strokes every figure of a flattened path with the dash pattern
  // (StrokeDashedPolyline, Dash.h), figures split and closed as in
  // Polylines(). Ink pieces go to `sink`. An error only when the path's
  // count and lists disagree.
  Status StrokeDashed(const std::vector<double>& pattern, double penWidth,
                      DashSink& sink) const;

  bool operator==(const TPath&) const = default;

 private:
  void Push(IntPoint p, std::uint8_t type);

  std::int32_t count_ = 0;
  std::vector<IntPoint> points_;
  std::vector<std::uint8_t> types_;
  bool figureOpen_ = false;
};

}  // namespace sw
