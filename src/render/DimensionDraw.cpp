#include "render/DimensionDraw.h"

#include <cmath>
#include <numbers>

#include "core/Cp932.h"
#include "render/TextDraw.h"

namespace sw {
namespace {

void DrawDimensionLine(const DrawContext& ctx, Canvas& canvas, const CDataSen& line) {
  SelectCanvasPen(ctx, canvas, line.head);
  double x1 = line.x1, y1 = line.y1, x2 = line.x2, y2 = line.y2;
  if (!ClipSegmentForFrame(ctx, x1, y1, x2, y2)) return;
  PixelPoint p, q;
  if (!ToPixel(ctx, x1, y1, p) || !ToPixel(ctx, x2, y2, q)) return;
  canvas.Line(p, q);
}

void DrawDimensionText(const DrawContext& ctx, Canvas& canvas, const CDataMoji& text) {
  const TextBox box = MakeTextBox(text.x1, text.y1, text.x2, text.y2, text.sizeY, text.angle);
  if (TextBoxCulled(ctx, box)) return;
  if (!ctx.pen.printing && IsSmallText(ctx.view, text.sizeY)) {
    DrawTextOutline(ctx, canvas, text.head, box);
    return;
  }
  const double theta = text.angle * std::numbers::pi / 180.0;
  const double ux = std::cos(theta), uy = std::sin(theta);
  GlyphPlacement g;
  g.at = ctx.pen.backdrop ? PaperPoint{text.x1, text.y1}
                          : PaperPoint{text.x1 + ctx.dx, text.y1 - ctx.dy};
  g.typeCode = text.textType;
  g.colour = IsGreyLayer(ctx.pen, text.head) ? kGreyTextColour : text.head.penColor;
  g.angle = text.angle;
  g.width = text.sizeX;
  g.height = text.sizeY;
  const int count = CharCount(text.text);
  for (int k = 1; k <= count; ++k) {
    g.text = CharAt(text.text, k);
    TextOutGlyph(ctx, canvas, g, text.fontName, text.head.flags);
    const double len = static_cast<double>(g.text.size());
    const double step = len * text.sizeX / 2 + len * text.spacing / 2;
    g.at.x += step * ux;
    g.at.y += step * uy;
  }
}

}  // namespace

void DrawDimension(const DrawContext& ctx, Canvas& canvas, const CDataSunpou& dim) {
  if (!IsEntityVisible(ctx.pen, dim.head)) return;
  DrawDimensionLine(ctx, canvas, dim.line);
  DrawDimensionText(ctx, canvas, dim.text);
}

}  // namespace sw
