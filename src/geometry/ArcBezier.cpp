#include "geometry/ArcBezier.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace sw {

namespace {

constexpr double kSixty = std::numbers::pi / 3;
constexpr double kRemainderMin = 0.001;  // rad

std::int32_t RoundHalfAway(double v) {
  v = std::clamp(v, -2.0e9, 2.0e9);
  return static_cast<std::int32_t>(v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5));
}

// Maps a point of the unit piece (y up) through the piece's start rotation,
// the radii and the tilt onto the surface.
struct PieceMap {
  double cx, cy, rx, ry, cosT, sinT;
  IntPoint operator()(double px, double py, double start) const {
    const double cs = std::cos(start), ss = std::sin(start);
    const double ux = (px * cs - py * ss) * rx;
    const double uy = (px * ss + py * cs) * ry;
    const double X = ux * cosT - uy * sinT;
    const double Y = ux * sinT + uy * cosT;
    return IntPoint{RoundHalfAway(cx + X), RoundHalfAway(cy - Y)};
  }
};

// Emits the pieces of [b, e]; `sign` -1 walks from e down to b.
void Pieces(TPath& path, const PieceMap& map, double e, double b, int sign, bool move) {
  const double span = e - b;
  const int full = static_cast<int>(std::trunc(span / kSixty));
  const double rest = span - full * kSixty;
  const int count = full + (rest > kRemainderMin ? 1 : 0);
  for (int i = 0; i < count; ++i) {
    const double theta = i < full ? kSixty : rest;
    const double start = sign > 0 ? b + i * kSixty : e - i * kSixty;
    const BezierControls k = ArcPieceControls(theta);
    const double s = sign;  // mirrors the unit piece for the backward walk
    if (i == 0 && move) path.MoveTo(map(1, 0, start));
    path.BezierTo(map(1, s * k.k1, start), map(k.k2, s * k.k3, start),
                  map(std::cos(theta), s * std::sin(theta), start));
  }
}

}  // namespace

BezierControls ArcPieceControls(double theta) {
  const double u = std::cos(theta), w = std::sin(theta);
  const double v = std::cos(theta / 2), o = std::sin(theta / 2);
  const double a = u + 1 - 2 * v;
  BezierControls k;
  k.k1 = -4 * u * a / w / 3 + (2 * o - w) * 4 / 3;
  k.k2 = (8 * v - 4 - u) / 3;
  k.k3 = 4 * u * a / w / 3 + w;
  return k;
}

int ArcPieceCount(double e, double b) {
  const double span = e - b;
  const int full = static_cast<int>(std::trunc(span / kSixty));
  return full + (span - full * kSixty > kRemainderMin ? 1 : 0);
}

void ArcBezier(TPath& path, IntPoint centre, double e, double b, double tilt, double ry,
               double rx) {
  const PieceMap map{static_cast<double>(centre.x), static_cast<double>(centre.y), rx, ry,
                     std::cos(tilt), std::sin(tilt)};
  Pieces(path, map, e, b, +1, true);
}

void ArcBezierBackward(TPath& path, IntPoint centre, double e, double b, double tilt,
                       double ry, double rx) {
  const PieceMap map{static_cast<double>(centre.x), static_cast<double>(centre.y), rx, ry,
                     std::cos(tilt), std::sin(tilt)};
  Pieces(path, map, e, b, -1, false);
}

void EllipsePath(TPath& path, int left, int top, int right, int bottom) {
  // The device ellipse covers left..right-1 and top..bottom-1.
  const double cx = (left + right - 1) / 2.0, cy = (top + bottom - 1) / 2.0;
  const double rx = (right - left - 1) / 2.0, ry = (bottom - top - 1) / 2.0;
  const PieceMap map{cx, cy, rx, ry, 1.0, 0.0};
  const double quarter = std::numbers::pi / 2;
  const BezierControls k = ArcPieceControls(quarter);
  path.MoveTo(map(1, 0, 0));
  for (int i = 0; i < 4; ++i) {
    const double start = i * quarter;
    path.BezierTo(map(1, k.k1, start), map(k.k2, k.k3, start), map(0, 1, start));
  }
  path.CloseFigure();
}

}  // namespace sw
