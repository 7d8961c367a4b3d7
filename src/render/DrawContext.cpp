#include "render/DrawContext.h"

#include <cmath>

namespace sw {

ClipRect WindowClip(const ViewState& view) {
  return ClipRect{view.ViewWindow.left, view.ViewWindow.bottom, view.ViewWindow.right,
                  view.ViewWindow.top};
}

bool ClipSegmentForFrame(const DrawContext& ctx, double& x1, double& y1, double& x2, double& y2) {
  const ClipRect window = WindowClip(ctx.view);
  if (ctx.pen.backdrop) return ClipSegment(x1, y1, x2, y2, window) != kClipOutside;
  if (ClipSegment(x1, y1, x2, y2, ctx.frameClip) == kClipOutside) return false;
  double mx1 = x1 + ctx.dx, my1 = y1 - ctx.dy, mx2 = x2 + ctx.dx, my2 = y2 - ctx.dy;
  const int moved = ClipSegment(mx1, my1, mx2, my2, window);
  if (moved == kClipOutside) return false;
  if (moved == kClipMoved) {
    x1 = mx1 - ctx.dx;
    y1 = my1 + ctx.dy;
    x2 = mx2 - ctx.dx;
    y2 = my2 + ctx.dy;
  }
  return true;
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
