#include "render/Canvas.h"

namespace sw {

void Canvas::PolyPolyline(std::span<const PixelPoint> points,
                          std::span<const std::int32_t> counts) {
  std::size_t at = 0;
  for (std::int32_t n : counts) {
    if (n <= 0) continue;
    const std::size_t k = static_cast<std::size_t>(n);
    if (at + k > points.size()) break;
    Polyline(points.subspan(at, k));
    at += k;
  }
}

}  // namespace sw
