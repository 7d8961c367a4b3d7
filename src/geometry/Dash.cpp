#include "geometry/Dash.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sw {

namespace {

double EffectiveWidth(double penWidth) { return penWidth >= 1.0 ? penWidth : 1.0; }

std::int32_t RoundHalfEven(double v) {
  v = std::clamp(v, -2.0e9, 2.0e9);
  return static_cast<std::int32_t>(std::nearbyint(v));
}

}  // namespace

bool StrokesSolid(std::span<const double> pattern, double penWidth) {
  if (pattern.empty()) return true;
  double sum = 0;
  for (double d : pattern) {
    if (!std::isfinite(d)) return true;
    sum += d;
  }
  return !(sum * EffectiveWidth(penWidth) >= kMinDashCycle);
}

void StrokeDashedPolyline(std::span<const IntPoint> pts, std::span<const double> pattern,
                          double penWidth, DashSink& sink) {
  if (pts.empty()) return;
  if (StrokesSolid(pattern, penWidth)) {
    if (pts.size() >= 2) sink.Ink(pts);
    return;
  }
  const double w = EffectiveWidth(penWidth);
  const std::size_t m = pts.size() - 1;
  const std::size_t k = pattern.size();

  auto segLen = [&](std::size_t v) {
    const double dx = static_cast<double>(pts[v].x) - pts[v - 1].x;
    const double dy = static_cast<double>(pts[v].y) - pts[v - 1].y;
    return std::sqrt(dx * dx + dy * dy);
  };
  // The point on the segment ending at vertex v (of length len), `dist`
  // back from it.
  auto back = [&](std::size_t v, double len, double dist) {
    if (!(len > 0)) return pts[v];
    const double t = dist / len;
    return IntPoint{RoundHalfEven(pts[v].x - (static_cast<double>(pts[v].x) - pts[v - 1].x) * t),
                    RoundHalfEven(pts[v].y - (static_cast<double>(pts[v].y) - pts[v - 1].y) * t)};
  };

  std::size_t v = 0;      // vertex last reached
  double r = 0;           // running length at vertex v
  double len = 0;         // length of the segment ending at vertex v
  std::size_t index = 0;  // pattern entry of the current ink interval
  double a = 0, b = w * pattern[0];
  std::vector<IntPoint> piece;
  auto add = [&](IntPoint p) {
    if (piece.empty() || !(piece.back() == p)) piece.push_back(p);
  };
  for (;;) {
    while (r < a) {
      if (v == m) return;
      ++v;
      len = segLen(v);
      r += len;
    }
    piece.clear();
    add(r == a ? pts[v] : back(v, len, r - a));
    for (;;) {
      if (r > b) {
        add(back(v, len, r - b));
        break;
      }
      if (r > a) add(pts[v]);
      if (v == m) break;
      ++v;
      len = segLen(v);
      r += len;
    }
    if (piece.size() >= 2) sink.Ink(piece);
    index = (index + 1) % k;  // gap
    a = b;
    b += w * pattern[index];
    index = (index + 1) % k;  // next ink
    a = b;
    b += w * pattern[index];
  }
}

}  // namespace sw
