#include "render/DrawStroke.h"

#include <vector>

#include "geometry/Dash.h"

namespace sw {

namespace {

// Gathers the ink pieces of one stroke and hands them to the canvas as
// PolyPolyline batches; pieces wholly outside the visible rectangle are
// dropped, so that a long curve far off the surface costs no memory.
class CanvasDashSink : public DashSink {
 public:
  CanvasDashSink(Canvas& canvas, std::optional<CanvasRect> visible)
      : canvas_(canvas), visible_(visible) {}
  void Ink(std::span<const IntPoint> piece) override {
    if (visible_ && Outside(piece)) return;
    for (const IntPoint& p : piece) points_.push_back(ToPixelPoint(p));
    counts_.push_back(static_cast<std::int32_t>(piece.size()));
    if (counts_.size() >= kBatch) Flush();
  }
  void Flush() {
    if (!counts_.empty()) canvas_.PolyPolyline(points_, counts_);
    points_.clear();
    counts_.clear();
  }

 private:
  static constexpr std::size_t kBatch = 4096;
  bool Outside(std::span<const IntPoint> piece) const {
    const CanvasRect& r = *visible_;
    bool left = true, right = true, above = true, below = true;
    for (const IntPoint& p : piece) {
      left = left && p.x < r.left;
      right = right && p.x >= r.right;
      above = above && p.y < r.top;
      below = below && p.y >= r.bottom;
    }
    return left || right || above || below;
  }

  Canvas& canvas_;
  std::optional<CanvasRect> visible_;
  std::vector<PixelPoint> points_;
  std::vector<std::int32_t> counts_;
};

Pen DashPen(const Pen& saved, Colour color, int width, bool flatEnds) {
  Pen pen = saved;
  pen.color = color;
  pen.width = width;
  pen.style = PenStyle::Solid;
  pen.ends = flatEnds ? PenEnds::Flat : PenEnds::Round;
  return pen;
}

std::vector<PixelPoint> Convert(const std::vector<IntPoint>& in) {
  std::vector<PixelPoint> out(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) out[i] = ToPixelPoint(in[i]);
  return out;
}

}  // namespace

void StrokePolylineDashed(Canvas& canvas, std::span<const IntPoint> points,
                          std::span<const double> pattern, Colour color, int width,
                          bool flatEnds, std::optional<CanvasRect> visible) {
  if (points.empty()) return;
  const Pen saved = canvas.GetPen();
  canvas.SetPen(DashPen(saved, color, width, flatEnds));
  CanvasDashSink sink(canvas, visible);
  StrokeDashedPolyline(points, pattern, width, sink);
  sink.Flush();
  canvas.SetPen(saved);
}

void StrokePathDashed(Canvas& canvas, const TPath& flattened, std::span<const double> pattern,
                      Colour color, int width, bool flatEnds,
                      std::optional<CanvasRect> visible) {
  const Pen saved = canvas.GetPen();
  canvas.SetPen(DashPen(saved, color, width, flatEnds));
  CanvasDashSink sink(canvas, visible);
  const std::vector<double> copy(pattern.begin(), pattern.end());
  // The path is built here, so its count and lists always agree; should they
  // not, what was walked stays drawn and the rest is dropped.
  const Status walked = flattened.StrokeDashed(copy, width, sink);
  (void)walked.ok();
  sink.Flush();
  canvas.SetPen(saved);
}

void StrokePath(Canvas& canvas, const TPath& flattened) {
  for (const auto& line : flattened.Polylines()) canvas.Polyline(Convert(line));
}

void FillPath(Canvas& canvas, const TPath& flattened) {
  for (const auto& line : flattened.Polylines()) canvas.Polygon(Convert(line));
}

}  // namespace sw
