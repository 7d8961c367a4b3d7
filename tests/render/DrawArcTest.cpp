#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/DrawArc.h"
#include "render/DrawTest.h"

namespace sw {
namespace {

using test::DrawWorld;
using test::Head;

constexpr double kPi = std::numbers::pi;

CDataEnko Arc(int style, double r, double start, double sweep, bool full, double f = 1,
              double tilt = 0, int color = 1) {
  CDataEnko a;
  a.head = Head(style, color);
  a.cx = 10;
  a.cy = 5;  // pixel (220, 140)
  a.radius = r;
  a.startAngle = start;
  a.arcAngle = sweep;
  a.flatness = f;
  a.tiltAngle = tilt;
  a.fullCircle = full ? 1 : 0;
  return a;
}

std::vector<PixelPoint> AllPoints(const RecordingCanvas& c) {
  std::vector<PixelPoint> out;
  for (const CanvasCall& call : c.Calls()) out.insert(out.end(), call.points.begin(), call.points.end());
  return out;
}

TEST(DrawArc, FullCircleIsADeviceEllipse) {
  DrawWorld w;
  DrawArc(w.Context(), w.canvas, Arc(1, 15, 0, 2 * kPi, true, 1, 0, 4), false);
  const auto e = w.canvas.Of(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].rect, (CanvasRect{190, 110, 251, 171}));
  EXPECT_EQ(e[0].pen.color, w.styles.ScreenPenColor[4]);
  EXPECT_EQ(e[0].brush.style, BrushStyle::Clear);
}

TEST(DrawArc, FilledCircleUsesThePenColour) {
  DrawWorld w;
  DrawArc(w.Context(), w.canvas, Arc(1, 15, 0, 0, true, 0.5, 0, 6), true);
  const auto e = w.canvas.Of(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].rect, (CanvasRect{190, 125, 251, 156}));  // flatness halves the height
  EXPECT_EQ(e[0].brush, (Brush{w.styles.ScreenPenColor[6], BrushStyle::Solid}));
}

TEST(DrawArc, DashedCircle) {
  DrawWorld w;
  w.styles.ScreenPattern[2] = {5, 5};
  DrawArc(w.Context(), w.canvas, Arc(2, 15, 0, 0, true), false);
  const auto pieces = w.canvas.Of(CanvasOp::Polyline);
  // Circumference about 188 px in 10 px cycles.
  EXPECT_GE(pieces.size(), 18u);
  EXPECT_LE(pieces.size(), 20u);
  for (const CanvasCall& c : pieces) EXPECT_EQ(c.pen.ends, PenEnds::Flat);
  for (const PixelPoint& p : AllPoints(w.canvas)) {
    EXPECT_NEAR(std::hypot(p.x - 220, p.y - 140), 30, 1.0);
  }
  EXPECT_EQ(w.canvas.GetPen().ends, PenEnds::Round);  // restored
}

// Curves take the line types as lines do: 31 solid, 11..15 random lines
// along the curve, the others up to 64 dashed with their pattern, none
// beyond 64.
TEST(DrawArc, LineTypesAsLinesHaveThem) {
  struct Case {
    int style;
    bool full;
    const char* drawn;  // "ellipse", "random", "dashed", "solid" or "nothing"
  };
  const Case cases[] = {
      {31, true, "ellipse"}, {31, false, "solid"},  {12, true, "random"}, {12, false, "random"},
      {20, true, "dashed"},  {20, false, "dashed"}, {65, true, "nothing"}, {-1, false, "nothing"},
  };
  for (const Case& c : cases) {
    DrawWorld w;
    w.styles.ScreenPattern[20] = {5, 5};
    w.styles.ScreenUnit[12] = 4;
    w.styles.ScreenAmplitude[12] = 2;
    w.styles.LineTypeBits[12] = "10101010101010101010101010101010";
    DrawArc(w.Context(), w.canvas, Arc(c.style, 15, 0, kPi, c.full), false);
    const std::string what = c.drawn;
    const auto polylines = w.canvas.Of(CanvasOp::Polyline);
    if (what == "nothing") {
      EXPECT_TRUE(w.canvas.Calls().empty()) << c.style;
    } else if (what == "ellipse") {
      EXPECT_EQ(w.canvas.Of(CanvasOp::Ellipse).size(), 1u) << c.style;
    } else if (what == "dashed") {
      EXPECT_GE(polylines.size(), 8u) << c.style;
    } else {
      ASSERT_EQ(polylines.size(), 1u) << c.style;
    }
    if (what == "random") {
      // Vertices every 4 px along the curve, 2 px off it on either side.
      const double arcPx = (c.full ? 2 * kPi : kPi) * 30;
      EXPECT_NEAR(static_cast<double>(polylines[0].points.size()), arcPx / 4, 3) << c.style;
      int off = 0;
      for (const PixelPoint& p : polylines[0].points) {
        const double d = std::hypot(p.x - 220, p.y - 140) - 30;
        EXPECT_LE(std::fabs(d), 3.5);
        off += std::fabs(d) >= 1 ? 1 : 0;
      }
      EXPECT_GT(off, static_cast<int>(polylines[0].points.size()) / 2) << "most vertices leave the curve";
    }
  }
}

TEST(DrawArc, CircularArcFromStartThroughSweep) {
  DrawWorld w;
  // A quarter from 90 degrees, turned by a further quarter (tilt): 180..270.
  DrawArc(w.Context(), w.canvas, Arc(1, 10, kPi / 2, kPi / 2, false, 1, kPi / 2), false);
  const auto lines = w.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  const auto& pts = lines[0].points;
  EXPECT_EQ(pts.front(), (PixelPoint{200, 140}));  // left of the centre
  EXPECT_EQ(pts.back(), (PixelPoint{220, 160}));   // below it (y up on paper)
  for (const PixelPoint& p : pts) {
    EXPECT_NEAR(std::hypot(p.x - 220, p.y - 140), 20, 0.8);
    EXPECT_LE(p.x, 220);
    EXPECT_GE(p.y, 140);
  }
}

TEST(DrawArc, NegativeSweepRunsTheOtherWay) {
  DrawWorld w;
  DrawArc(w.Context(), w.canvas, Arc(1, 10, kPi / 2, -kPi / 2, false), false);
  const auto lines = w.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points.front(), (PixelPoint{240, 140}));  // from 0
  EXPECT_EQ(lines[0].points.back(), (PixelPoint{220, 120}));   // to 90 degrees
}

TEST(DrawArc, EllipticalArcAndTiltedEllipse) {
  DrawWorld arc;
  DrawArc(arc.Context(), arc.canvas, Arc(1, 10, 0, kPi, false, 0.5), false);
  const auto a = arc.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].points.front(), (PixelPoint{240, 140}));
  EXPECT_EQ(a[0].points.back(), (PixelPoint{200, 140}));
  int top = 1000;
  for (const PixelPoint& p : a[0].points) {
    top = std::min(top, p.y);
    EXPECT_LE(p.y, 140);  // the upper half on paper
  }
  EXPECT_EQ(top, 130);  // second radius 5 mm = 10 px

  DrawWorld tilted;
  DrawArc(tilted.Context(), tilted.canvas, Arc(1, 10, 0, 0, true, 0.5, kPi / 4), false);
  const auto t = tilted.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].points.front(), t[0].points.back());
  // The first axis, 20 px at 45 degrees: (220 + 14.1, 140 - 14.1).
  EXPECT_EQ(t[0].points.front(), (PixelPoint{234, 126}));
}

TEST(DrawArc, LayerAndBackdrop) {
  DrawWorld hidden;
  hidden.groups[0].layers[0].state = 0;
  DrawArc(hidden.Context(), hidden.canvas, Arc(1, 10, 0, kPi, false), false);
  EXPECT_TRUE(hidden.canvas.Calls().empty());

  DrawWorld backdrop;
  backdrop.pen.backdrop = true;
  DrawArc(backdrop.Context(), backdrop.canvas, Arc(1, 10, 0, kPi, false, 1, 0, 5), true);
  ASSERT_FALSE(backdrop.canvas.Calls().empty());
  for (const CanvasCall& c : backdrop.canvas.Calls()) {
    EXPECT_EQ(c.pen.color, backdrop.styles.GreyColor);
  }
}

TEST(DrawArc, OutOfSightArcsAreLeftOut) {
  // The frame is -50..50 x -40..40 mm, the window -100..100 x -75..75 mm.
  struct Case {
    double cx, cy, dx;
    bool backdrop;
    std::size_t drawn;
  };
  const Case cases[] = {
      {500, 0, 0, false, 0},   // beyond the frame
      {58, 0, 0, false, 1},    // radius 10: its left part inside the frame
      {0, 0, 200, false, 0},   // inside the frame, moved out of the window
      {80, 0, 0, true, 1},     // the grey pass only asks the window
      {120, 0, 0, true, 0},
  };
  for (const Case& c : cases) {
    DrawWorld w;
    w.pen.backdrop = c.backdrop;
    w.dx = c.dx;
    CDataEnko arc = Arc(1, 10, 0, 2 * kPi, true);
    arc.cx = c.cx;
    arc.cy = c.cy;
    DrawArc(w.Context(), w.canvas, arc, false);
    EXPECT_EQ(w.canvas.Count(CanvasOp::Ellipse), c.drawn) << c.cx << " " << c.dx;
  }
}

TEST(DrawArc, DashesOffTheSurfaceAreLeftOut) {
  // A dashed circle 200,000 px across whose top passes through the buffer:
  // some 60,000 dashes, of which only those on the 400 x 300 surface remain.
  DrawWorld w;
  w.styles.ScreenPattern[2] = {5, 5};
  CDataEnko big = Arc(2, 50000, 0, 0, true);
  big.cx = 0;
  big.cy = -50000 + 10;
  DrawArc(w.Context(), w.canvas, big, false);
  const auto pieces = w.canvas.Of(CanvasOp::Polyline);
  EXPECT_GT(pieces.size(), 30u);
  EXPECT_LT(pieces.size(), 60u);
  for (const CanvasCall& c : pieces) {
    EXPECT_NEAR(c.points.front().y, 130, 3);
    bool onSurface = false;  // within the surface widened by two pixels
    for (const PixelPoint& p : c.points) onSurface = onSurface || (p.x >= -2 && p.x < 402);
    EXPECT_TRUE(onSurface) << c.points.front().x;
  }
}

TEST(DrawArc, UnrepresentableGeometryIsSkipped) {
  DrawWorld w;
  CDataEnko huge = Arc(1, 1e12, 0, kPi, false);
  DrawArc(w.Context(), w.canvas, huge, false);
  CDataEnko nan = Arc(1, 10, std::nan(""), kPi, false);
  DrawArc(w.Context(), w.canvas, nan, false);
  EXPECT_TRUE(w.canvas.Calls().empty());
}

}  // namespace
}  // namespace sw
