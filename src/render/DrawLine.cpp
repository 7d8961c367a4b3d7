#include "render/DrawLine.h"

#include <array>
#include <cmath>
#include <numbers>

#include "render/DrawStroke.h"

namespace sw {

std::vector<PixelPoint> RandomLinePoints(PixelPoint p, PixelPoint q, double unit,
                                         double amplitude, const std::string& bits) {
  const double ddx = static_cast<double>(q.x) - p.x, ddy = static_cast<double>(q.y) - p.y;
  const double length = std::hypot(ddx, ddy);
  if (!(unit > 0) || !std::isfinite(unit) || !std::isfinite(amplitude)) return {p, q};
  const double steps = std::trunc(length / unit);
  // A unit under a pixel rounds to a pitch that puts the vertices past q
  // (or all onto p): such a line is drawn straight.
  if (steps < 2 || steps > length + 1) return {p, q};
  const int n = static_cast<int>(steps);
  double theta = std::atan2(ddy, ddx);
  if (theta < 0) theta += 2 * std::numbers::pi;
  const double c = std::cos(theta), s = std::sin(theta);
  const double pitch = RoundAway(unit), a = RoundAway(amplitude);
  std::vector<PixelPoint> out;
  out.reserve(static_cast<std::size_t>(n) + 1);
  out.push_back(p);
  for (int i = 1; i <= n - 1; ++i) {
    const std::size_t k = static_cast<std::size_t>((i - 1) % 32);  // bit k + 1
    const double side = (k < bits.size() && bits[k] == '1') ? 1.0 : -1.0;
    const double x = p.x + i * pitch * c - side * s * a;
    const double y = p.y + i * pitch * s + side * c * a;
    out.push_back(PixelPoint{RoundAway(x), RoundAway(y)});
  }
  out.push_back(q);
  return out;
}

void DrawLine(const DrawContext& ctx, Canvas& canvas, const CDataSen& line) {
  if (ctx.pen.printing && line.head.penColor == 9) return;
  if (!IsEntityVisible(ctx.pen, line.head)) return;
  double x1 = line.x1, y1 = line.y1, x2 = line.x2, y2 = line.y2;
  // Clipping would turn an endless coordinate into a finite one.
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  if (!ClipSegmentForFrame(ctx, x1, y1, x2, y2)) return;

  const EntityPen pen = SelectCanvasPen(ctx, canvas, line.head);
  Brush brush = canvas.GetBrush();
  brush.style = BrushStyle::Clear;
  canvas.SetBrush(brush);
  PixelPoint p, q;
  if (!ToPixel(ctx, x1, y1, p) || !ToPixel(ctx, x2, y2, q)) return;

  const int t = line.head.penStyle;
  const StyleTables& st = *ctx.pen.styles;
  if (t == 1 || t == 31) {
    canvas.Line(p, q);
  } else if (t >= 11 && t <= 15) {
    const std::size_t i = static_cast<std::size_t>(t);
    const double unit = ctx.pen.printing ? st.PrintUnit[i] : st.ScreenUnit[i];
    const double amp = ctx.pen.printing ? st.PrintAmplitude[i] : st.ScreenAmplitude[i];
    canvas.Polyline(RandomLinePoints(p, q, unit, amp, st.LineTypeBits[i]));
  } else if (t <= 64) {
    const DashPattern& pattern = ctx.pen.printing ? st.PrintPattern[static_cast<std::size_t>(t)]
                                                  : st.ScreenPattern[static_cast<std::size_t>(t)];
    const std::array<IntPoint, 2> segment = {ToIntPoint(p), ToIntPoint(q)};
    StrokePolylineDashed(canvas, segment, pattern, pen.color, pen.width, true);
  }
}

}  // namespace sw
