#include "render/DrawPoint.h"

#include <algorithm>

namespace sw {

void DrawPoint(const DrawContext& ctx, Canvas& canvas, const CDataTen& point) {
  if (!IsEntityVisible(ctx.pen, point.head)) return;
  const ClipRect window = WindowClip(ctx.view);
  if (ctx.pen.backdrop) {
    if (PointOutside(window, point.x, point.y) != kClipInside) return;
  } else {
    if (PointOutside(ctx.frameClip, point.x, point.y) != kClipInside) return;
    if (PointOutside(window, point.x + ctx.dx, point.y - ctx.dy) != kClipInside) return;
  }
  // The pen colour is already grey in the backdrop pass.
  const EntityPen pen = SelectCanvasPen(ctx, canvas, point.head);
  canvas.SetBrush(Brush{pen.color, BrushStyle::Solid});
  if (point.temporary != 0) return;

  constexpr double kHalf = 0.3;  // drawing mm
  PixelPoint a, b;
  if (!ToPixel(ctx, point.x - kHalf, point.y - kHalf, a) ||
      !ToPixel(ctx, point.x + kHalf, point.y + kHalf, b)) {
    return;
  }
  canvas.Ellipse(CanvasRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                            std::max(a.y, b.y)});
}

}  // namespace sw
