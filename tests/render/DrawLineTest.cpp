#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/DrawLine.h"
#include "render/DrawTest.h"

namespace sw {
namespace {

using test::DrawWorld;
using test::Head;

CDataSen Line(double x1, double y1, double x2, double y2, int style = 1, int color = 1) {
  CDataSen l;
  l.head = Head(style, color);
  l.x1 = x1;
  l.y1 = y1;
  l.x2 = x2;
  l.y2 = y2;
  return l;
}

std::vector<PixelPoint> Seg(int x1, int y1, int x2, int y2) { return {{x1, y1}, {x2, y2}}; }

TEST(DrawLine, SolidLineInsideTheFrame) {
  DrawWorld w;
  DrawLine(w.Context(), w.canvas, Line(-10, 5, 20, -5, 1, 5));
  ASSERT_EQ(w.canvas.Calls().size(), 1u);
  const CanvasCall& c = w.canvas.Calls()[0];
  EXPECT_EQ(c.op, CanvasOp::Line);
  EXPECT_EQ(c.points, Seg(180, 140, 240, 160));
  EXPECT_EQ(c.pen.color, w.styles.ScreenPenColor[5]);
  EXPECT_EQ(c.pen.width, w.styles.ScreenPenWidth[5]);
  EXPECT_EQ(c.pen.style, PenStyle::Solid);
  EXPECT_EQ(c.brush.style, BrushStyle::Clear);
}

struct CullCase {
  const char* name;
  CDataSen line;
  bool backdrop;
  std::vector<PixelPoint> want;  // empty: nothing drawn
};

TEST(DrawLine, FrameAndWindowClipping) {
  const CullCase cases[] = {
      {"cut at the frame's left edge", Line(-80, 0, 0, 0), false, Seg(100, 150, 200, 150)},
      {"cut at both frame edges", Line(0, -60, 0, 60), false, Seg(200, 230, 200, 70)},
      {"outside the frame", Line(60, -10, 70, 10), false, {}},
      {"along the frame's top edge", Line(-10, 40, 10, 40), false, {}},
      {"backdrop: only the window cuts", Line(-80, 0, 0, 0), true, Seg(40, 150, 200, 150)},
      {"backdrop: cut at the window", Line(-150, 0, 0, 0), true, Seg(0, 150, 200, 150)},
      {"backdrop: outside the window", Line(-150, 80, 150, 90), true, {}},
  };
  for (const CullCase& c : cases) {
    DrawWorld w;
    w.pen.backdrop = c.backdrop;
    DrawLine(w.Context(), w.canvas, c.line);
    const auto lines = w.canvas.Of(CanvasOp::Line);
    if (c.want.empty()) {
      EXPECT_TRUE(lines.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(lines.size(), 1u) << c.name;
    EXPECT_EQ(lines[0].points, c.want) << c.name;
    if (c.backdrop) {
      EXPECT_EQ(lines[0].pen.color, w.styles.GreyColor) << c.name;
    }
  }
}

TEST(DrawLine, OffsetFrameIsCutAtTheViewWindowAndMovedBack) {
  DrawWorld w;
  w.Offset(80, 0);  // drawing x shows at paper x + 80; the window ends at 100
  DrawLine(w.Context(), w.canvas, Line(-40, 0, 40, 0));
  const auto lines = w.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  // Drawing x 20 is paper x 100, the buffer's right edge.
  EXPECT_EQ(lines[0].points, Seg(280, 150, 400, 150));
}

TEST(DrawLine, PenNineIsLeftOutOfPrints) {
  DrawWorld screen;
  DrawLine(screen.Context(), screen.canvas, Line(0, 0, 10, 0, 1, 9));
  EXPECT_EQ(screen.canvas.Count(CanvasOp::Line), 1u);
  DrawWorld print;
  print.pen.printing = true;
  DrawLine(print.Context(), print.canvas, Line(0, 0, 10, 0, 1, 9));
  EXPECT_TRUE(print.canvas.Calls().empty());
  DrawLine(print.Context(), print.canvas, Line(0, 0, 10, 0, 1, 8));
  ASSERT_EQ(print.canvas.Count(CanvasOp::Line), 1u);
  EXPECT_EQ(print.canvas.Calls()[0].pen.color, print.styles.PrintPenColor[8]);
}

TEST(DrawLine, LayerStates) {
  DrawWorld hidden;
  hidden.groups[0].layers[3].state = 0;
  CDataSen l = Line(0, 0, 10, 0, 1, 5);
  l.head.layer = 3;
  DrawLine(hidden.Context(), hidden.canvas, l);
  EXPECT_TRUE(hidden.canvas.Calls().empty());
  // The base drawing (frame 0) shows every layer.
  hidden.pen.currentFrame = 0;
  DrawLine(hidden.Context(), hidden.canvas, l);
  EXPECT_EQ(hidden.canvas.Count(CanvasOp::Line), 1u);

  DrawWorld grey;
  grey.groups[0].layers[3].state = 1;
  grey.styles.ScreenPenWidth[5] = 3;
  DrawLine(grey.Context(), grey.canvas, l);
  ASSERT_EQ(grey.canvas.Count(CanvasOp::Line), 1u);
  EXPECT_EQ(grey.canvas.Calls()[0].pen.color, grey.styles.GreyColor);
  EXPECT_EQ(grey.canvas.Calls()[0].pen.width, 3);
}

TEST(DrawLine, DashedLineTypes) {
  DrawWorld w;
  w.styles.ScreenPattern[2] = {6, 2};
  w.styles.ScreenPenWidth[1] = 2;
  const Pen before = w.canvas.GetPen();
  DrawLine(w.Context(), w.canvas, Line(0, 0, 20, 0, 2, 1));  // 40 pixels
  const auto pieces = w.canvas.Of(CanvasOp::Polyline);
  // Width 2: 12 on, 4 off.
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].points, Seg(200, 150, 212, 150));
  EXPECT_EQ(pieces[1].points, Seg(216, 150, 228, 150));
  EXPECT_EQ(pieces[2].points, Seg(232, 150, 240, 150));
  for (const CanvasCall& c : pieces) {
    EXPECT_EQ(c.pen.width, 2);
    EXPECT_EQ(c.pen.ends, PenEnds::Flat);
    EXPECT_EQ(c.pen.style, PenStyle::Solid);
  }
  // The entity pen comes back after the dashes.
  EXPECT_EQ(w.canvas.GetPen().ends, PenEnds::Round);
  EXPECT_EQ(w.canvas.GetPen().color, w.styles.ScreenPenColor[1]);
  EXPECT_EQ(w.canvas.GetPen().mode, before.mode);
}

TEST(DrawLine, PrintUsesThePrinterPattern) {
  DrawWorld w;
  w.pen.printing = true;
  w.styles.PrintPattern[3] = {10, 10};
  DrawLine(w.Context(), w.canvas, Line(0, 0, 20, 0, 3, 1));
  EXPECT_EQ(w.canvas.Count(CanvasOp::Polyline), 2u);  // 0-10, 20-30 of 40
}

TEST(DrawLine, PatternWithoutLengthDrawsSolid) {
  // An SXF line type defined with no segments carries the pattern (0).
  DrawWorld w;
  w.styles.ScreenPattern[35] = {0};
  DrawLine(w.Context(), w.canvas, Line(0, 0, 20, 0, 35, 1));
  const auto pieces = w.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].points, Seg(200, 150, 240, 150));
}

TEST(DrawLine, LineTypeRules) {
  struct Case {
    int style;
    CanvasOp op;
    std::size_t calls;
  };
  const Case cases[] = {
      {1, CanvasOp::Line, 1},      {31, CanvasOp::Line, 1},
      {11, CanvasOp::Polyline, 1}, {15, CanvasOp::Polyline, 1},
      {64, CanvasOp::Polyline, 1},  // no pattern: solid
      {65, CanvasOp::Line, 0},     {200, CanvasOp::Polyline, 0},
  };
  for (const Case& c : cases) {
    DrawWorld w;
    DrawLine(w.Context(), w.canvas, Line(0, 0, 20, 0, c.style, 1));
    EXPECT_EQ(w.canvas.Calls().size(), c.calls) << c.style;
    if (c.calls) {
      EXPECT_EQ(w.canvas.Calls()[0].op, c.op) << c.style;
    }
  }
}

TEST(DrawLine, RandomLineThroughTheTables) {
  DrawWorld w;
  w.styles.ScreenUnit[12] = 4;
  w.styles.ScreenAmplitude[12] = 2;
  w.styles.LineTypeBits[12] = std::string(32, '1');
  DrawLine(w.Context(), w.canvas, Line(0, 0, 10, 0, 12, 1));  // 20 pixels, 5 steps
  const auto lines = w.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  const std::vector<PixelPoint> want = {{200, 150}, {204, 152}, {208, 152},
                                        {212, 152}, {216, 152}, {220, 150}};
  EXPECT_EQ(lines[0].points, want);
}

TEST(DrawLine, BadCoordinatesDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const CDataSen& l : {Line(nan, 0, 10, 0), Line(0, inf, 10, 0), Line(0, 0, 10, -inf)}) {
    DrawWorld w;
    w.pen.backdrop = true;
    DrawLine(w.Context(), w.canvas, l);
    EXPECT_EQ(w.canvas.Count(CanvasOp::Line), 0u);
  }
}

TEST(RandomLinePoints, AlternatesSidesByBits) {
  std::string bits = "10";
  for (int i = 0; i < 4; ++i) bits += bits;  // 32 bits
  const auto pts = RandomLinePoints({0, 0}, {10, 0}, 2, 3, bits);
  const std::vector<PixelPoint> want = {{0, 0}, {2, 3}, {4, -3}, {6, 3}, {8, -3}, {10, 0}};
  EXPECT_EQ(pts, want);
}

TEST(RandomLinePoints, SidesFollowTheDirection) {
  // Going up the surface (theta = 3/2 pi): '1' moves to +x.
  const auto pts = RandomLinePoints({0, 10}, {0, 0}, 2, 1, std::string(32, '1'));
  ASSERT_EQ(pts.size(), 6u);
  EXPECT_EQ(pts[1], (PixelPoint{1, 8}));
}

TEST(RandomLinePoints, BitsCycleEvery32Steps) {
  std::string bits(32, '0');
  bits[0] = '1';
  const auto pts = RandomLinePoints({0, 0}, {100, 0}, 1, 1, bits);
  ASSERT_EQ(pts.size(), 101u);
  EXPECT_EQ(pts[1].y, 1);
  EXPECT_EQ(pts[2].y, -1);
  EXPECT_EQ(pts[33].y, 1);
  EXPECT_EQ(pts[34].y, -1);
}

TEST(RandomLinePoints, DegenerateCasesAreStraight) {
  const std::vector<PixelPoint> straight = {{0, 0}, {3, 0}};
  EXPECT_EQ(RandomLinePoints({0, 0}, {3, 0}, 2, 3, "1"), straight);   // one step
  EXPECT_EQ(RandomLinePoints({0, 0}, {3, 0}, 5, 3, "1"), straight);   // no step
  EXPECT_EQ(RandomLinePoints({0, 0}, {3, 0}, 0, 3, "1"), straight);   // no unit
  EXPECT_EQ(RandomLinePoints({0, 0}, {3, 0}, 0.4, 3, "1"), straight); // sub-pixel unit
}

}  // namespace
}  // namespace sw
