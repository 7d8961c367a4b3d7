// Dashed stroking: walks a pixel polyline along a dash pattern and hands each
// ink piece, as a polyline, to a sink. The sink draws it (render strokes the
// pieces onto a Canvas with a geometric pen); geometry itself draws nothing.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "geometry/IntPoint.h"

namespace sw {

// Receives the ink pieces of a dashed stroke, in order along the path.
class DashSink {
 public:
  virtual ~DashSink() = default;
  virtual void Ink(std::span<const IntPoint> piece) = 0;
};

// A sink that keeps the pieces.
class DashCollector : public DashSink {
 public:
  void Ink(std::span<const IntPoint> piece) override {
    pieces.emplace_back(piece.begin(), piece.end());
  }
  std::vector<std::vector<IntPoint>> pieces;
};

// Shortest dash cycle (pattern sum times pen width), in pixels, that is
// walked; a pattern whose cycle is shorter, not positive or not finite
// strokes the polyline solid.
inline constexpr double kMinDashCycle = 1.0;

// True when `pattern` at `penWidth` strokes solid (see kMinDashCycle).
bool StrokesSolid(std::span<const double> pattern, double penWidth);

// Dashes the polyline `points` with `pattern` (alternating ink and gap
// lengths starting with ink, in units of the pen width; a pen narrower than
// one pixel counts as one pixel). The running length is the sum of the
// Euclidean pixel lengths of the segments passed; each ink interval [a, b)
// yields one piece from the point at length a to the point at length b with
// every vertex between (a dash follows corners). Points cut inside a segment
// are rounded half to even; a point repeating its predecessor is dropped, and
// so are pieces left with fewer than two points. A
// solid pattern (StrokesSolid) hands the whole polyline over as one piece.
void StrokeDashedPolyline(std::span<const IntPoint> points, std::span<const double> pattern,
                          double penWidth, DashSink& sink);

}  // namespace sw
