#include "render/TextDraw.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace sw {
namespace {

// Pixels beyond this distance are not meaningful as 32-bit coordinates.
constexpr double kPixelLimit = 1e9;

bool Representable(double v) { return std::isfinite(v) && std::fabs(v) <= kPixelLimit; }

bool IsBlankGlyph(const std::string& s) {
  return s.empty() || s == " " || s == "\x81\x40";  // "　"
}

}  // namespace

LogFont GlyphFont(const ViewState& view, const GlyphPlacement& g, const std::string& face) {
  LogFont lf;
  lf.height = RoundAway(g.height * view.ViewScale);
  lf.width = RoundAway(g.width / 2 * view.ViewScale);
  lf.escapement = RoundAway(g.angle * 10);
  lf.orientation = lf.escapement;
  const std::int32_t a = g.typeCode;
  lf.weight = a < 20000 ? 400 : 700;
  lf.italic = a > 29999 || (a >= 10000 && a <= 19999);
  lf.underline = g.underline;
  lf.strikeOut = g.strikeOut;
  lf.charSet = 1;
  lf.faceName = face;
  return lf;
}

void TextOutGlyph(const DrawContext& ctx, Canvas& canvas, const GlyphPlacement& g,
                  const std::string& face, std::uint16_t flags) {
  if (IsBlankGlyph(g.text)) return;
  const ViewState& v = ctx.view;
  const double px = (g.at.x - v.ViewWindow.left) * v.ViewScale;
  const double py = -(g.at.y - v.ViewWindow.top) * v.ViewScale;
  const double cell = g.height * v.ViewScale;
  const double avg = g.width / 2 * v.ViewScale;
  if (!Representable(px) || !Representable(py) || !Representable(cell) || !Representable(avg) ||
      !std::isfinite(g.angle) || std::fabs(g.angle) > 1e8) {
    return;
  }
  LogFont lf = GlyphFont(v, g, face);
  // A zero height would ask the device for its default size.
  if (lf.height == 0) return;
  canvas.SetFont(lf);
  canvas.SetTextAlign(flags == 32 ? TextAlign::TopLeft : TextAlign::BottomLeft);
  canvas.SetTextColor(TextColor(ctx.pen, g.colour));
  canvas.TextOut(PixelPoint{RoundAway(px), RoundAway(py)}, g.text);
}

TextBox MakeTextBox(double x1, double y1, double x2, double y2, double height, double angle) {
  const double theta = angle * std::numbers::pi / 180.0;
  const double rx = -std::sin(theta) * height, ry = std::cos(theta) * height;
  return TextBox{{{x1, y1}, {x2, y2}, {x2 + rx, y2 + ry}, {x1 + rx, y1 + ry}}};
}

bool TextBoxCulled(const DrawContext& ctx, const TextBox& box) {
  const ClipRect rect = ctx.pen.backdrop ? WindowClip(ctx.view) : ctx.frameClip;
  for (const PaperPoint& p : box.corners) {
    if (OutCode(rect, p.x, p.y) == 0) return false;
  }
  return true;
}

bool IsSmallText(const ViewState& view, double height) {
  return view.BufferSize.height / 400.0 > height * view.ViewScale;
}

void DrawTextOutline(const DrawContext& ctx, Canvas& canvas, const JWWEntityHead& head,
                     const TextBox& box) {
  SelectCanvasPen(ctx, canvas, head);
  Pen pen = canvas.GetPen();
  pen.style = PenStyle::Solid;
  canvas.SetPen(pen);
  PixelPoint pts[4];
  for (int i = 0; i < 4; ++i) {
    if (!ToPixel(ctx, box.corners[i].x, box.corners[i].y, pts[i])) return;
  }
  canvas.Polygon(pts);
}

void DrawText(const DrawContext& ctx, Canvas& canvas, const CDataMoji& text) {
  // A text on a layer or group hidden in the frame is not drawn, as no other
  // entity is: the plain rule gives the text routine no visibility test of
  // its own, which would show a hidden layer's texts alone.
  if (!IsEntityVisible(ctx.pen, text.head)) return;
  const TextBox box = MakeTextBox(text.x1, text.y1, text.x2, text.y2, text.sizeY, text.angle);
  if (TextBoxCulled(ctx, box)) return;
  if (IsSmallText(ctx.view, text.sizeY)) {
    DrawTextOutline(ctx, canvas, text.head, box);
    return;
  }
  TextLayoutInput in;
  in.vertical = IsVerticalText(text.head.flags);
  // Glyphs are placed through the view window, so the frame's offset is
  // added here (the backdrop pass draws the drawing where it is).
  in.start = ctx.pen.backdrop ? PaperPoint{text.x1, text.y1}
                              : PaperPoint{text.x1 + ctx.dx, text.y1 - ctx.dy};
  in.layerGrey = IsGreyLayer(ctx.pen, text.head);
  std::vector<GlyphPlacement> glyphs;
  LayoutText(text, in, glyphs);
  for (const GlyphPlacement& g : glyphs) TextOutGlyph(ctx, canvas, g, text.fontName, text.head.flags);
}

}  // namespace sw
