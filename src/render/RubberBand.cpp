#include "render/RubberBand.h"

#include <cmath>

#include "layout/LineExtension.h"

namespace sw {

namespace {

// The line through `from` and `to` extended to the pixel rectangle
// (0, 0)..(w, h). Two equal pixels give no line (there is no direction).
void ExtendedLine(Canvas& canvas, PixelPoint from, PixelPoint to, std::int32_t w,
                  std::int32_t h) {
  if (from == to) return;
  const LineRect r{0, static_cast<double>(h), static_cast<double>(w), 0};
  const LineEnds e = ExtendLineToRect(PaperPoint{double(from.x), double(from.y)},
                                      PaperPoint{double(to.x), double(to.y)}, r);
  canvas.Line(PixelPoint{RoundAway(e.a.x), RoundAway(e.a.y)},
              PixelPoint{RoundAway(e.b.x), RoundAway(e.b.y)});
}

CanvasRect Around(PixelPoint c, std::int32_t radius) {
  return CanvasRect{c.x - radius, c.y - radius, c.x + radius, c.y + radius};
}

// A handle radius in pixels: shrinks with the view below one pixel per mm.
std::int32_t HandleRadius(const ViewState& view, double r) {
  return RoundAway(view.ViewScale < 1 ? r * view.ViewScale : r);
}

}  // namespace

void RubberBand(Canvas& canvas, const RubberBandContext& ctx, PixelPoint from, PixelPoint to,
                int /*frameIndex*/, int style) {
  const bool opaque = style >= 1001;
  const int shape = opaque ? style - 1000 : style;
  const bool transform = (shape >= 171 && shape <= 174) || (shape >= 271 && shape <= 274);
  Pen pen;
  pen.color = transform ? ctx.styles.TransformColor : ctx.styles.LayoutColor;
  pen.width = 1;
  pen.style = PenStyle::Solid;
  pen.mode = opaque ? PenMode::Copy : PenMode::Xor;
  canvas.SetPen(pen);
  canvas.SetBrush(Brush{0, BrushStyle::Clear});
  if (shape == 170 || shape == 270 || transform) {
    canvas.Ellipse(Around(from, HandleRadius(ctx.view, 4)));
    canvas.Ellipse(Around(from, HandleRadius(ctx.view, 8)));
    return;
  }
  switch (shape) {
    case 200:
      canvas.Rectangle(CanvasRect{from.x, from.y, to.x, to.y});
      break;
    case 210: {
      const double dx = to.x - from.x, dy = to.y - from.y;
      canvas.Ellipse(Around(from, RoundAway(std::sqrt(dx * dx + dy * dy))));
      break;
    }
    case 230:
      ExtendedLine(canvas, from, to, ctx.box.width, ctx.box.height);
      break;
    case 231:
      ExtendedLine(canvas, from, to, ctx.view.BufferSize.width, ctx.view.BufferSize.height);
      break;
    case 300:
      canvas.Line(from, to);
      break;
    default:
      break;
  }
}

}  // namespace sw
