#include "render/DrawContext.h"

#include <cmath>

namespace sw {

ClipRect WindowClip(const ViewState& view) {
  return ClipRect{view.ViewWindow.left, view.ViewWindow.bottom, view.ViewWindow.right,
                  view.ViewWindow.top};
}

bool ToPixel(const DrawContext& ctx, double x, double y, PixelPoint& out) {
  constexpr double kLimit = 1e9;
  const double px = x * ctx.view.ViewScale + ctx.view.DrawOrigin.x;
  const double py = -y * ctx.view.ViewScale + ctx.view.DrawOrigin.y;
  if (!std::isfinite(px) || !std::isfinite(py) || std::fabs(px) > kLimit ||
      std::fabs(py) > kLimit) {
    return false;
  }
  out = ToScreen(ctx.view, MakePoint(x, y));
  return true;
}

EntityPen SelectCanvasPen(const DrawContext& ctx, Canvas& canvas, const JWWEntityHead& head) {
  Pen pen = canvas.GetPen();
  EntityPen ep{pen.color, pen.width, pen.style == PenStyle::Solid};
  SelectEntityPen(ctx.pen, head, ep);
  pen.color = ep.color;
  pen.width = ep.width;
  pen.style = ep.solid ? PenStyle::Solid : PenStyle::Clear;
  pen.ends = PenEnds::Round;
  canvas.SetPen(pen);
  return ep;
}

}  // namespace sw
