// Renders a generated drawing with every line type, arc kind, point and
// solid through the entity routines and QtCanvas, and checks pixels of it.
// With SW_RENDERER_PNG set to a path, the picture is also written there
// (docs/renderer.png is made this way).
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/QtCanvas.h"
#include "render/DrawArc.h"
#include "render/DrawContext.h"
#include "render/DrawLine.h"
#include "render/DrawPoint.h"
#include "render/DrawSolid.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kScale = 4;  // pixels per mm
constexpr int kW = 1200, kH = 900;

JWWEntityHead Head(int style, int color, int layer = 0) {
  JWWEntityHead h;
  h.penStyle = static_cast<std::uint8_t>(style);
  h.penColor = static_cast<std::uint16_t>(color);
  h.layer = static_cast<std::uint16_t>(layer);
  return h;
}

struct Picture {
  ViewState view;
  StyleTables styles = InitialStyleTables();
  std::array<JWWLayerGroupState, 16> groups{};
  PenContext pen;
  QImage image{kW, kH, QImage::Format_RGB32};

  Picture() {
    view.ViewScale = kScale;
    view.BufferSize.width = kW;
    view.BufferSize.height = kH;
    view.ViewWindow = {-kW / 2 / kScale, -kH / 2 / kScale, kW / 2 / kScale, kH / 2 / kScale};
    PlaceOrigin(view);
    for (auto& g : groups) {
      g.state = 2;
      for (auto& l : g.layers) l.state = 2;
    }
    groups[0].layers[1].state = 1;  // layer 1: display only (grey)
    pen.styles = &styles;
    pen.groups = &groups;
    pen.currentFrame = 1;
    styles.ScreenPenWidth[8] = 3;
    styles.ScreenPattern[32] = {6, 2, 1, 2};  // an SXF chain
    styles.ScreenPattern[33] = {0};           // an SXF type without segments
    image.fill(QColor(255, 255, 255));
  }

  DrawContext Context(const ClipRect& frame) const { return DrawContext{view, pen, frame, 0, 0}; }

  // Device pixel of a drawing point.
  QRgb At(double x, double y) const {
    const PixelPoint p = ToScreen(view, MakePoint(x, y));
    return image.pixel(p.x, p.y) & 0xFFFFFFu;
  }

  void Draw() {
    QtCanvas canvas(image);
    const ClipRect all = WindowClip(view);
    const DrawContext ctx = Context(all);

    // Line types 1..9, random 11..15 and SXF 31..33, pen colours 1..8; pen 8
    // is 3 pixels wide.
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 31, 32, 33};
    for (int i = 0; i < 17; ++i) {
      CDataSen l;
      l.head = Head(types[i], 1 + i % 8);
      l.x1 = -140;
      l.x2 = -40;
      l.y1 = l.y2 = 100 - 6.0 * i;
      DrawLine(ctx, canvas, l);
    }
    // Dashed diagonals turning no corners, a grey (display-only) line.
    for (int i = 0; i < 3; ++i) {
      CDataSen l;
      l.head = Head(2 + 3 * i, 5 + i);
      l.x1 = -140 + 12.0 * i;
      l.y1 = -5;
      l.x2 = -100 + 12.0 * i;
      l.y2 = -45;
      DrawLine(ctx, canvas, l);
    }
    CDataSen grey;
    grey.head = Head(1, 2, 1);
    grey.x1 = -140, grey.y1 = -52, grey.x2 = -40, grey.y2 = -52;
    DrawLine(ctx, canvas, grey);

    // Arcs: full circles solid and dashed, an ellipse, a tilted ellipse, a
    // circular arc, a tilted elliptical arc; dashed arcs; a filled ellipse.
    struct ArcSpec {
      double x, y, r, start, sweep, f, tilt;
      bool full;
      int style, color;
      bool fill;
    };
    const ArcSpec arcs[] = {
        {0, 90, 10, 0, 0, 1, 0, true, 1, 1, false},
        {25, 90, 10, 0, 0, 1, 0, true, 2, 5, false},
        {50, 90, 10, 0, 0, 0.5, 0, true, 1, 2, false},
        {75, 90, 10, 0, 0, 0.5, kPi / 6, true, 1, 3, false},
        {100, 90, 10, 0, kPi * 3 / 4, 1, 0, false, 1, 4, false},
        {125, 90, 10, kPi / 6, kPi * 1.2, 0.6, kPi / 9, false, 1, 6, false},
        {0, 60, 10, kPi / 4, kPi * 1.5, 1, 0, false, 5, 7, false},
        {25, 60, 10, 0, 0, 0.6, kPi / 4, true, 3, 5, false},
        {50, 60, 10, 0, 0, 0.5, 0, true, 1, 8, true},
        {75, 60, 10, 0, kPi, 0.5, -kPi / 6, false, 9, 1, false},
        {100, 60, 10, 0, 0, 1, 0, true, 8, 8, false},
        {125, 60, 10, 0, 0, 1, 0, true, 11, 1, false},  // type 11: a random line
    };
    for (const ArcSpec& a : arcs) {
      CDataEnko e;
      e.head = Head(a.style, a.color);
      e.cx = a.x, e.cy = a.y, e.radius = a.r;
      e.startAngle = a.start, e.arcAngle = a.sweep, e.flatness = a.f, e.tiltAngle = a.tilt;
      e.fullCircle = a.full ? 1 : 0;
      DrawArc(ctx, canvas, e, a.fill);
    }

    // Points in pen colours 1..8, then a temporary one (not drawn).
    for (int i = 0; i < 9; ++i) {
      CDataTen p;
      p.head = Head(1, 1 + i % 8);
      p.x = -140 + 10.0 * i;
      p.y = -62;
      p.temporary = i == 8 ? 1 : 0;
      DrawPoint(ctx, canvas, p);
    }

    // Solids: a quadrilateral of its own colour, one of pen colour 3.
    CDataSolid q;
    q.head = Head(1, 10);
    q.rgb = 0x3080F0;
    q.x1 = -20, q.y1 = 0, q.x2 = 20, q.y2 = 10, q.x3 = 15, q.y3 = 35, q.x4 = -15, q.y4 = 30;
    DrawSolid(ctx, canvas, q);
    q.head = Head(1, 3);
    q.x1 = 30, q.y1 = 0, q.x2 = 70, q.y2 = 0, q.x3 = 70, q.y3 = 30, q.x4 = 30, q.y4 = 20;
    DrawSolid(ctx, canvas, q);

    // Circle solids: whole, segment, sector, corner piece, the two rings
    // (ellipses), the circumference part and whole.
    struct SolidSpec {
      int style;
      double k, sweep, f;
    };
    const SolidSpec circles[] = {
        {101, 100, 0, 1},  {101, 5, kPi * 0.75, 1},   {101, 0, kPi * 0.75, 1},
        {101, -1, kPi / 2, 1}, {105, 5, 2 * kPi, 0.6}, {106, 5, kPi * 1.25, 0.6},
        {111, 0, kPi * 0.75, 1}, {111, 100, 0, 1},
    };
    for (int i = 0; i < 8; ++i) {
      CDataSolid s;
      s.head = Head(circles[i].style, 10);
      s.rgb = static_cast<std::int32_t>(0x208040 + 0x1C0A00 * i) & 0xFFFFFF;
      s.x1 = -130 + 30.0 * i;
      s.y1 = -90;
      s.x2 = 12, s.y2 = circles[i].f;
      s.x3 = 0, s.y3 = kPi / 8;
      s.x4 = circles[i].sweep, s.y4 = circles[i].k;
      DrawSolid(ctx, canvas, s);
    }

    // A frame: lines cut at its rectangle, the device clip set to it.
    const ClipRect frame{85, -45, 135, 25};
    const DrawContext framed = Context(frame);
    PixelPoint tl = ToScreen(view, MakePoint(frame.left, frame.top));
    PixelPoint br = ToScreen(view, MakePoint(frame.right, frame.bottom));
    Pen outline;
    outline.color = 0xFF00FF;
    canvas.SetPen(outline);
    canvas.SetBrush(Brush{0, BrushStyle::Clear});
    canvas.Rectangle(CanvasRect{tl.x - 1, tl.y - 1, br.x + 2, br.y + 2});
    canvas.SetClipRect(CanvasRect{tl.x, tl.y, br.x + 1, br.y + 1});
    for (int i = 0; i < 12; ++i) {
      CDataSen l;
      l.head = Head(i % 3 == 0 ? 1 : 2 + i % 8, 1 + i % 8);
      const double a = i * kPi / 12;
      l.x1 = 110 - 60 * std::cos(a), l.y1 = -10 - 60 * std::sin(a);
      l.x2 = 110 + 60 * std::cos(a), l.y2 = -10 + 60 * std::sin(a);
      DrawLine(framed, canvas, l);
    }
    CDataEnko big;
    big.head = Head(1, 8);
    big.cx = 110, big.cy = -10, big.radius = 30, big.flatness = 1, big.fullCircle = 1;
    DrawArc(framed, canvas, big, false);
    canvas.ClearClip();
  }
};

TEST(RendererPicture, EveryKindLandsWhereItShould) {
  Picture pic;
  pic.Draw();
  const StyleTables& st = pic.styles;
  auto bgr = [](Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) & 0xFFFFFFu; };
  const QRgb white = 0xFFFFFF;

  // Solid line 1 is unbroken; dashed line 2 has gaps.
  int gaps1 = 0, gaps2 = 0;
  for (double x = -139; x < -41; x += 0.25) {
    gaps1 += pic.At(x, 100) == white;
    gaps2 += pic.At(x, 94) == white;
  }
  EXPECT_EQ(gaps1, 0);
  EXPECT_GT(gaps2, 20);
  // The line of SXF type 33 (no segments) is solid, not lost.
  int gaps33 = 0;
  for (double x = -139; x < -41; x += 0.25) gaps33 += pic.At(x, 100 - 6.0 * 16) == white;
  EXPECT_EQ(gaps33, 0);
  // Grey layer.
  EXPECT_EQ(pic.At(-90, -52), bgr(st.GreyColor));
  // Points: disk centres in their colours; the temporary point is absent.
  EXPECT_EQ(pic.At(-140, -62), bgr(st.ScreenPenColor[1]));
  EXPECT_EQ(pic.At(-60, -62), white);
  // Solids filled in their colours.
  EXPECT_EQ(pic.At(0, 15), bgr(0x3080F0));
  EXPECT_EQ(pic.At(50, 10), bgr(st.ScreenPenColor[3]));
  EXPECT_EQ(pic.At(50, 60), bgr(st.ScreenPenColor[8]));  // filled ellipse
  // Circle solids: whole disk filled, ring has its hole, sector its centre.
  EXPECT_NE(pic.At(-130, -90), white);
  EXPECT_EQ(pic.At(-130 + 120, -90), white);        // ring 105 centre: the hole
  EXPECT_NE(pic.At(-130 + 120 + 9, -90), white);    // in the band
  EXPECT_NE(pic.At(-130 + 60 + 1, -90 + 0.5), white);  // sector next to its centre
  EXPECT_EQ(pic.At(-130 + 180 + 4, -90 + 2), white);   // circumference: not filled
  // The circle of type 11 is a random line along the circle: ink within a
  // millimetre and a half of its rightmost point.
  bool inked = false;
  for (double dx = -1.5; dx <= 1.5; dx += 0.25) inked = inked || pic.At(125 + 10 + dx, 60) != white;
  EXPECT_TRUE(inked);
  EXPECT_NE(pic.At(0 + 10, 90), white);  // the solid circle is
  // Nothing leaks out of the frame.
  for (double x = 80; x <= 84; x += 0.5) EXPECT_EQ(pic.At(x, -10), white) << x;

  if (const char* out = std::getenv("SW_RENDERER_PNG")) {
    EXPECT_TRUE(pic.image.save(QString::fromLocal8Bit(out), "PNG")) << out;
  }
}

}  // namespace
}  // namespace sw
