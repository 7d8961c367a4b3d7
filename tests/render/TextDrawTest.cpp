// Texts and dimensions against the recording canvas: glyph pixels and
// fonts, alignment, culling, the small-text box, grey and hidden layers.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "render/DimensionDraw.h"
#include "render/RecordingCanvas.h"
#include "render/TextDraw.h"

namespace sw {
namespace {

const std::string kA = "\x82\xA0";  // "あ"

// A 400 x 400 pixel buffer at 2 px/mm showing paper -100..100 in both
// directions; a rectangle frame (0, 0)-(50, 50) with offset (5, 3).
struct Scene {
  ViewState view;
  StyleTables styles = InitialStyleTables();
  std::array<JWWLayerGroupState, 16> groups{};
  PenContext pen;
  ClipRect frame{0, 0, 50, 50};
  double dx = 5, dy = 3;
  RecordingCanvas canvas;

  Scene() {
    view.ViewScale = 2;
    view.ViewWindow = ViewRect{-100, -100, 100, 100};
    view.BufferSize.height = 400;
    view.BufferSize.width = 400;
    view.PaperOrigin = PixelPoint{200, 200};
    view.DrawOrigin = PixelPoint{200 + 10, 200 + 6};  // the frame's offset in pixels
    for (JWWLayerGroupState& g : groups) {
      g.state = 2;
      for (JWWLayerState& l : g.layers) l.state = 2;
    }
    styles.ScreenPenColor[2] = 0x00123456;
    styles.PrintPenColor[2] = 0x00654321;
    styles.GreyColor = 0x00C0C0C0;
    pen.styles = &styles;
    pen.groups = &groups;
    pen.currentFrame = 1;
  }
  DrawContext Context() const { return DrawContext{view, pen, frame, dx, dy}; }
  void Draw(const CDataMoji& m) { DrawText(Context(), canvas, m); }
  void Draw(const CDataSunpou& d) { DrawDimension(Context(), canvas, d); }
  std::vector<CanvasCall> Texts() const { return canvas.Of(CanvasOp::TextOut); }
};

CDataMoji Text(const std::string& s, double x = 10, double y = 20, double angle = 0) {
  CDataMoji m;
  m.text = s;
  m.x1 = x;
  m.y1 = y;
  m.x2 = x + 20;
  m.y2 = y;
  m.sizeX = 4;
  m.sizeY = 6;
  m.angle = angle;
  m.head.penColor = 2;
  m.fontName = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";  // "ＭＳ ゴシック"
  return m;
}

TEST(DrawText, HorizontalGlyphsGoThroughTheViewWindowWithTheFrameOffset) {
  Scene s;
  s.Draw(Text("A" + kA + "B"));
  const auto calls = s.Texts();
  ASSERT_EQ(calls.size(), 3u);
  // Start (10 + 5, 20 - 3) = paper (15, 17): pixel ((15 + 100) * 2, (100 - 17) * 2).
  EXPECT_EQ(calls[0].points[0], (PixelPoint{230, 166}));
  EXPECT_EQ(calls[1].points[0], (PixelPoint{234, 166}));
  EXPECT_EQ(calls[2].points[0], (PixelPoint{242, 166}));
  EXPECT_EQ(calls[1].text, kA);
  for (const CanvasCall& c : calls) {
    EXPECT_EQ(c.font.height, 12);
    EXPECT_EQ(c.font.width, 4);
    EXPECT_EQ(c.font.escapement, 0);
    EXPECT_EQ(c.font.weight, 400);
    EXPECT_FALSE(c.font.italic);
    EXPECT_EQ(c.font.charSet, 1);
    EXPECT_EQ(c.font.faceName, Text("").fontName);
    EXPECT_EQ(c.align, TextAlign::BottomLeft);
    EXPECT_EQ(c.textColor, 0x00123456u);
  }
}

TEST(DrawText, VerticalWritingTurnsGlyphsAndAlignsTopLeftForFlag32) {
  struct Case {
    std::uint16_t flags;
    TextAlign align;
  } cases[] = {{0x20, TextAlign::TopLeft}, {0x21, TextAlign::BottomLeft}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    Scene s;
    CDataMoji m = Text("AB", 10, 40, -90);
    m.x2 = 10;
    m.y2 = 20;
    m.head.flags = c.flags;
    s.Draw(m);
    const auto calls = s.Texts();
    ASSERT_EQ(calls.size(), 2u);
    // Paper (15, 37) stepped down by 3 mm before the first glyph, 3 more before the second.
    EXPECT_EQ(calls[0].points[0], (PixelPoint{230, 132}));
    EXPECT_EQ(calls[1].points[0], (PixelPoint{230, 138}));
    EXPECT_EQ(calls[0].font.escapement, 0);
    EXPECT_EQ(calls[0].align, c.align);
  }
}

TEST(DrawText, FontOfAGlyph) {
  struct Case {
    std::int32_t typeCode;
    double angle;
    int weight;
    bool italic;
    int escapement;
  } cases[] = {
      {0, 0, 400, false, 0},         {9999, 30, 400, false, 300},
      {10000, 12.34, 400, true, 123}, {19999, -45, 400, true, -450},
      {20000, 0, 700, false, 0},     {29999, 90.05, 700, false, 901},
      {30000, 0, 700, true, 0},
  };
  ViewState v;
  v.ViewScale = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typeCode);
    GlyphPlacement g;
    g.typeCode = c.typeCode;
    g.angle = c.angle;
    g.width = 2.5;
    g.height = 3.5;
    g.underline = true;
    const LogFont lf = GlyphFont(v, g, "F");
    EXPECT_EQ(lf.weight, c.weight);
    EXPECT_EQ(lf.italic, c.italic);
    EXPECT_EQ(lf.escapement, c.escapement);
    EXPECT_EQ(lf.orientation, c.escapement);
    EXPECT_EQ(lf.height, 11);  // RoundAway(10.5)
    EXPECT_EQ(lf.width, 4);    // RoundAway(3.75)
    EXPECT_TRUE(lf.underline);
    EXPECT_FALSE(lf.strikeOut);
  }
}

TEST(DrawText, CodesReachTheCanvas) {
  Scene s;
  s.Draw(Text("^_^-A^#^$3B^!^/C"));
  const auto calls = s.Texts();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_TRUE(calls[0].font.underline);
  EXPECT_TRUE(calls[0].font.strikeOut);
  EXPECT_FALSE(calls[1].font.underline);
  EXPECT_EQ(calls[1].textColor, s.styles.ScreenPenColor[3]);
  EXPECT_EQ(calls[2].font.weight, 700);
  EXPECT_TRUE(calls[2].font.italic);
}

TEST(DrawText, BlankGlyphsAdvanceButDrawNothing) {
  Scene s;
  s.Draw(Text("A \x81\x40" "B"));
  const auto calls = s.Texts();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].points[0].x, 230 + (2 + 2 + 4) * 2);
}

TEST(DrawText, Culling) {
  struct Case {
    const char* name;
    double x1, y1, x2, y2;
    bool backdrop;
    bool drawn;
  } cases[] = {
      // The box (x1, y1)-(x2, y2) raised by 6 mm; the frame is (0, 0)-(50, 50).
      {"inside", 10, 20, 30, 20, false, true},
      {"one corner inside", -20, 10, 1, 10, false, true},
      {"all corners left of the frame", -20, 10, -1, 10, false, false},
      {"corners on the border are outside", -20, 10, 0, 10, false, false},
      {"above the frame", 10, 50, 30, 50, false, false},
      // The backdrop pass culls against the view window (-100..100).
      {"outside the frame, inside the window", -20, 10, -1, 10, true, true},
      {"outside the window", 101, 0, 120, 0, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene s;
    s.pen.backdrop = c.backdrop;
    CDataMoji m = Text("AAAAAAAAAAAAAAAAAAAA", c.x1, c.y1);
    m.x2 = c.x2;
    m.y2 = c.y2;
    s.Draw(m);
    // Glyphs of the long text would reach into the frame either way.
    EXPECT_EQ(s.canvas.Count(CanvasOp::TextOut) > 0, c.drawn);
  }
}

TEST(DrawText, BackdropPassDrawsWithoutOffsetInGrey) {
  Scene s;
  s.pen.backdrop = true;
  s.Draw(Text("A"));
  const auto calls = s.Texts();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].points[0], (PixelPoint{220, 160}));
  EXPECT_EQ(calls[0].textColor, s.styles.GreyColor);
}

TEST(DrawText, SmallTextIsItsOutlineBox) {
  Scene s;
  // Threshold 2400 / 400 = 6 pixels; 1 mm at 0.001 px/mm is far below.
  s.view.BufferSize.height = 2400;
  s.view.ViewScale = 0.001;
  s.view.DrawOrigin = PixelPoint{100, 100};
  s.canvas.SetPen(Pen{0x00FFFFFF, 3, PenStyle::Clear});
  CDataMoji m = Text("ABC");
  m.sizeY = 1;
  s.Draw(m);
  EXPECT_EQ(s.canvas.Count(CanvasOp::TextOut), 0u);
  const auto polys = s.canvas.Of(CanvasOp::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].pen.style, PenStyle::Solid);
  EXPECT_EQ(polys[0].pen.color, 0x00123456u);
  ASSERT_EQ(polys[0].points.size(), 4u);
  // Drawing mm through DrawOrigin: everything rounds onto the origin here.
  for (const PixelPoint& p : polys[0].points) EXPECT_EQ(p, (PixelPoint{100, 100}));

  // At 2 px/mm the same threshold boxes a 2.9 mm text but not a 3 mm one.
  struct Case {
    double height;
    bool box;
  } cases[] = {{2.9, true}, {3.0, false}};
  for (const Case& c : cases) {
    Scene t;
    t.view.BufferSize.height = 2400;
    CDataMoji n = Text("AB");
    n.sizeY = c.height;
    t.Draw(n);
    EXPECT_EQ(t.canvas.Count(CanvasOp::Polygon), c.box ? 1u : 0u) << c.height;
    if (c.box) {
      const auto p = t.canvas.Of(CanvasOp::Polygon)[0].points;
      // Start (10, 20), end (30, 20), raised by the height, through DrawOrigin (210, 206).
      EXPECT_EQ(p[0], (PixelPoint{230, 166}));
      EXPECT_EQ(p[1], (PixelPoint{270, 166}));
      EXPECT_EQ(p[2], (PixelPoint{270, 160}));
      EXPECT_EQ(p[3], (PixelPoint{230, 160}));
    }
  }
}

TEST(DrawText, GreyAndHiddenLayers) {
  Scene grey;
  grey.groups[0].layers[3].state = 1;
  CDataMoji m = Text("A^$5B");
  m.head.layer = 3;
  grey.Draw(m);
  auto calls = grey.Texts();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].textColor, grey.styles.GreyColor);
  EXPECT_EQ(calls[1].textColor, grey.styles.GreyColor);

  Scene greyGroup;
  greyGroup.groups[2].state = 1;
  m.head.layerGroup = 2;
  greyGroup.Draw(m);
  ASSERT_EQ(greyGroup.Texts().size(), 2u);
  EXPECT_EQ(greyGroup.Texts()[1].textColor, greyGroup.styles.GreyColor);

  Scene hidden;
  hidden.groups[2].layers[3].state = 0;
  hidden.Draw(m);
  EXPECT_TRUE(hidden.canvas.Calls().empty());
}

// A text on a layer or group hidden in the frame is not drawn, like every
// other entity, although the plain text rule has no visibility test; the
// base entry (frame 0) shows every layer.
TEST(DrawText, TextsOnHiddenLayersAreNotDrawn) {
  const struct {
    const char* what;
    int frame, groupState, layerState;
    bool drawn;
  } cases[] = {
      {"shown layer", 1, 2, 2, true},
      {"display-only layer", 1, 2, 1, true},
      {"hidden layer", 1, 2, 0, false},
      {"hidden group", 1, 0, 2, false},
      {"hidden layer, base entry", 0, 0, 0, true},
  };
  for (const auto& c : cases) {
    Scene s;
    s.pen.currentFrame = c.frame;
    s.groups[4].state = c.groupState;
    s.groups[4].layers[9].state = c.layerState;
    CDataMoji m = Text("AB");
    m.head.layerGroup = 4;
    m.head.layer = 9;
    s.Draw(m);
    EXPECT_EQ(s.Texts().size(), c.drawn ? 2u : 0u) << c.what;
  }
}

TEST(DrawText, NothingForAZeroCellOrUnrepresentablePosition) {
  Scene s;
  CDataMoji m = Text("A");
  m.sizeY = 0.2;  // 0.4 px: below one pixel, above the box threshold of a 100 px buffer
  s.view.BufferSize.height = 100;
  s.Draw(m);
  EXPECT_EQ(s.canvas.Count(CanvasOp::TextOut), 0u);
  EXPECT_EQ(s.canvas.Count(CanvasOp::Polygon), 0u);

  Scene far;
  CDataMoji n = Text("AB", 10, 20);
  n.spacing = 1e300;  // the second glyph lands beyond any pixel
  far.Draw(n);
  EXPECT_EQ(far.canvas.Count(CanvasOp::TextOut), 1u);
}

// Dimensions.

CDataSunpou Dimension(double lx1, double ly1, double lx2, double ly2, const std::string& text) {
  CDataSunpou d;
  d.line.x1 = lx1;
  d.line.y1 = ly1;
  d.line.x2 = lx2;
  d.line.y2 = ly2;
  d.line.head.penColor = 2;
  d.line.head.penStyle = 1;
  d.text = Text(text);
  // Parts of newer files that are never drawn.
  d.sxfMode = 1;
  d.auxLine1 = CDataSen{d.line.head, 10, 0, 10, 30};
  d.auxLine2 = CDataSen{d.line.head, 30, 0, 30, 30};
  d.point1.x = d.point2.x = 10;
  d.auxPoint1.y = d.auxPoint2.y = 5;
  return d;
}

TEST(DrawDimension, LineAndPlainText) {
  Scene s;
  s.Draw(Dimension(10, 18, 30, 18, "1^/" + kA));
  const auto lines = s.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);  // no auxiliary lines, no points
  EXPECT_EQ(s.canvas.Count(CanvasOp::Ellipse), 0u);
  EXPECT_EQ(lines[0].points[0], (PixelPoint{230, 170}));
  EXPECT_EQ(lines[0].points[1], (PixelPoint{270, 170}));
  EXPECT_EQ(lines[0].pen.color, 0x00123456u);
  const auto calls = s.Texts();
  // "^" and "/" are characters here.
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[1].text, "^");
  EXPECT_EQ(calls[2].text, "/");
  EXPECT_FALSE(calls[3].font.italic);
  const int xs[] = {230, 234, 238, 242};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(calls[i].points[0], (PixelPoint{xs[i], 166}));
}

TEST(DrawDimension, LineOutsideTheFrameLeavesTheText) {
  Scene s;
  s.Draw(Dimension(-40, 10, -20, 10, "25"));
  EXPECT_EQ(s.canvas.Count(CanvasOp::Line), 0u);
  EXPECT_EQ(s.canvas.Count(CanvasOp::TextOut), 2u);
}

TEST(DrawDimension, LineCrossingTheFrameIsCut) {
  Scene s;
  s.Draw(Dimension(-40, 10, 20, 10, "25"));
  const auto lines = s.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  // Cut at drawing x = 0: pixel 0 * 2 + 210.
  EXPECT_EQ(lines[0].points[0], (PixelPoint{210, 186}));
  EXPECT_EQ(lines[0].points[1], (PixelPoint{250, 186}));
}

TEST(DrawDimension, SmallTextIsABoxOnScreenAndGlyphsOnThePrinter) {
  struct Case {
    bool printing;
    std::size_t polygons, texts;
  } cases[] = {{false, 1, 0}, {true, 0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.printing);
    Scene s;
    s.pen.printing = c.printing;
    s.view.BufferSize.height = 4000;  // threshold 10 px
    CDataSunpou d = Dimension(10, 18, 30, 18, "25");
    d.text.sizeY = 4;  // 8 px
    s.Draw(d);
    EXPECT_EQ(s.canvas.Count(CanvasOp::Polygon), c.polygons);
    EXPECT_EQ(s.canvas.Count(CanvasOp::TextOut), c.texts);
    if (c.printing) {
      EXPECT_EQ(s.Texts()[0].textColor, 0x00654321u);
    }
  }
}

TEST(DrawDimension, HiddenAndGreyLayers) {
  Scene hidden;
  CDataSunpou d = Dimension(10, 18, 30, 18, "25");
  d.head.layer = 4;
  hidden.groups[0].layers[4].state = 0;
  hidden.Draw(d);
  EXPECT_TRUE(hidden.canvas.Calls().empty());

  Scene grey;
  d.text.head.layer = 5;
  grey.groups[0].layers[5].state = 1;
  grey.Draw(d);
  ASSERT_EQ(grey.Texts().size(), 2u);
  EXPECT_EQ(grey.Texts()[0].textColor, grey.styles.GreyColor);
}

TEST(DrawDimension, CulledTextAndBackdrop) {
  Scene s;
  CDataSunpou d = Dimension(10, 18, 30, 18, "25");
  d.text.x1 = -30;
  d.text.x2 = -10;
  s.Draw(d);
  EXPECT_EQ(s.canvas.Count(CanvasOp::Line), 1u);
  EXPECT_EQ(s.canvas.Count(CanvasOp::TextOut), 0u);

  Scene back;
  back.pen.backdrop = true;
  back.Draw(d);
  const auto calls = back.Texts();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].points[0], (PixelPoint{140, 160}));  // (-30, 20) without the offset
}

}  // namespace
}  // namespace sw
