#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/DrawSolid.h"
#include "render/DrawTest.h"

namespace sw {
namespace {

using test::DrawWorld;
using test::Head;

constexpr double kPi = std::numbers::pi;

CDataSolid Quad(int style = 1, int color = 10, std::int32_t rgb = 0x123456) {
  CDataSolid s;
  s.head = Head(style, color);
  s.x1 = 0, s.y1 = 0, s.x2 = 10, s.y2 = 0, s.x3 = 10, s.y3 = 10, s.x4 = 0, s.y4 = 10;
  s.rgb = rgb;
  return s;
}

// A circle solid: centre (cx, cy), radius r, flatness f, tilt, start, arc
// angle and the kind value k.
CDataSolid Circle(int style, double k, double r = 10, double start = 0, double arc = kPi / 2,
                  double f = 1, double tilt = 0) {
  CDataSolid s;
  s.head = Head(style, 10);
  s.rgb = 0x00AA00;
  s.x1 = 0, s.y1 = 0;
  s.x2 = r, s.y2 = f;
  s.x3 = tilt, s.y3 = start;
  s.x4 = arc, s.y4 = k;
  return s;
}

bool Contains(const std::vector<PixelPoint>& pts, PixelPoint p) {
  for (const PixelPoint& q : pts)
    if (q == p) return true;
  return false;
}

double MaxDistance(const std::vector<PixelPoint>& pts, PixelPoint c) {
  double m = 0;
  for (const PixelPoint& p : pts) m = std::max(m, std::hypot(p.x - c.x, p.y - c.y));
  return m;
}

TEST(DrawSolid, QuadrilateralInStoredOrder) {
  DrawWorld w;
  DrawSolid(w.Context(), w.canvas, Quad());
  const auto polys = w.canvas.Of(CanvasOp::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  const std::vector<PixelPoint> want = {{200, 150}, {220, 150}, {220, 130}, {200, 130}};
  EXPECT_EQ(polys[0].points, want);
  EXPECT_EQ(polys[0].pen.color, 0x123456u);
  EXPECT_EQ(polys[0].brush, (Brush{0x123456, BrushStyle::Solid}));
}

TEST(DrawSolid, ColourSources) {
  struct Case {
    const char* name;
    int penColor;
    bool greyLayer, backdrop;
    Colour want;
  };
  DrawWorld ref;
  const Case cases[] = {
      {"own colour", 10, false, false, 0x123456},
      {"pen table", 3, false, false, ref.styles.ScreenPenColor[3]},
      {"display-only layer", 10, true, false, ref.styles.GreyColor},
      {"backdrop", 3, false, true, ref.styles.GreyColor},
  };
  for (const Case& c : cases) {
    DrawWorld w;
    w.pen.backdrop = c.backdrop;
    if (c.greyLayer) w.groups[0].layers[0].state = 1;
    DrawSolid(w.Context(), w.canvas, Quad(1, c.penColor));
    ASSERT_EQ(w.canvas.Count(CanvasOp::Polygon), 1u) << c.name;
    EXPECT_EQ(w.canvas.Calls()[0].pen.color, c.want) << c.name;
    EXPECT_EQ(w.canvas.Calls()[0].brush.color, c.want) << c.name;
  }
}

TEST(DrawSolid, NotDrawn) {
  DrawWorld hidden;
  hidden.groups[0].layers[0].state = 0;
  DrawSolid(hidden.Context(), hidden.canvas, Quad());
  EXPECT_TRUE(hidden.canvas.Calls().empty());
  for (const CDataSolid& s : {Circle(101, 7), Circle(101, 1), Circle(102, 100), Circle(110, 0)}) {
    DrawWorld w;
    DrawSolid(w.Context(), w.canvas, s);
    EXPECT_TRUE(w.canvas.Calls().empty()) << int(s.head.penStyle) << " " << s.y4;
  }
}

TEST(DrawSolid, FullCircle) {
  DrawWorld w;
  DrawSolid(w.Context(), w.canvas, Circle(101, 100));
  const auto ellipses = w.canvas.Of(CanvasOp::Ellipse);
  ASSERT_EQ(ellipses.size(), 1u);
  // Radius 10 mm = 20 px about (200, 150); the device box ends one past.
  EXPECT_EQ(ellipses[0].rect, (CanvasRect{180, 130, 221, 171}));
  EXPECT_EQ(ellipses[0].brush, (Brush{0x00AA00, BrushStyle::Solid}));
}

TEST(DrawSolid, TiltedFullEllipseIsAFilledPath) {
  DrawWorld w;
  DrawSolid(w.Context(), w.canvas, Circle(101, 100, 10, 0, 0, 0.5, kPi / 2));
  const auto polys = w.canvas.Of(CanvasOp::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  // Turned a quarter: the long axis (20 px) is vertical, the short (10 px)
  // horizontal.
  const auto& pts = polys[0].points;
  EXPECT_EQ(pts.front(), (PixelPoint{200, 130}));
  EXPECT_EQ(pts.front(), pts.back());
  int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
  for (const PixelPoint& p : pts) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  EXPECT_NEAR(minX, 190, 1);
  EXPECT_NEAR(maxX, 210, 1);
  EXPECT_EQ(minY, 130);
  EXPECT_EQ(maxY, 170);
}

TEST(DrawSolid, SectorSegmentAndOuterCorner) {
  const PixelPoint centre{200, 150}, start{220, 150}, end{200, 130}, corner{220, 130};
  DrawWorld sector, segment, outer;
  DrawSolid(sector.Context(), sector.canvas, Circle(101, 0));
  DrawSolid(segment.Context(), segment.canvas, Circle(101, 5));
  DrawSolid(outer.Context(), outer.canvas, Circle(101, -1));
  for (DrawWorld* w : {&sector, &segment, &outer}) {
    ASSERT_EQ(w->canvas.Count(CanvasOp::Polygon), 1u);
    const auto& pts = w->canvas.Calls()[0].points;
    EXPECT_EQ(pts.front(), start);
    EXPECT_TRUE(Contains(pts, end));
    EXPECT_EQ(w->canvas.Calls()[0].brush.style, BrushStyle::Solid);
  }
  EXPECT_TRUE(Contains(sector.canvas.Calls()[0].points, centre));
  EXPECT_FALSE(Contains(segment.canvas.Calls()[0].points, centre));
  EXPECT_FALSE(Contains(segment.canvas.Calls()[0].points, corner));
  EXPECT_TRUE(Contains(outer.canvas.Calls()[0].points, corner));
  EXPECT_FALSE(Contains(outer.canvas.Calls()[0].points, centre));
}

TEST(DrawSolid, Rings) {
  // Full ring, radius 10, inner 5: the outline runs round the outer circle,
  // across to the inner one and back round it.
  DrawWorld full;
  DrawSolid(full.Context(), full.canvas, Circle(105, 5, 10, 0, 2 * kPi));
  ASSERT_EQ(full.canvas.Count(CanvasOp::Polygon), 1u);
  const auto& ring = full.canvas.Calls()[0].points;
  EXPECT_TRUE(Contains(ring, {220, 150}));
  EXPECT_TRUE(Contains(ring, {210, 150}));
  EXPECT_TRUE(Contains(ring, {190, 150}));  // inner circle, half way round
  EXPECT_TRUE(Contains(ring, {180, 150}));
  EXPECT_NEAR(MaxDistance(ring, {200, 150}), 20, 0.8);

  // An elliptical ring part (flatness 0.5): type 105 scales the inner arc,
  // type 106 keeps the band 5 mm (10 px) wide on both axes.
  DrawWorld same, even;
  DrawSolid(same.Context(), same.canvas, Circle(105, 5, 10, 0, kPi, 0.5));
  DrawSolid(even.Context(), even.canvas, Circle(106, 5, 10, 0, kPi, 0.5));
  ASSERT_EQ(same.canvas.Count(CanvasOp::Polygon), 1u);
  ASSERT_EQ(even.canvas.Count(CanvasOp::Polygon), 1u);
  // The inner arc at 120 degrees: radii (10, 5) px, and (10, 0) px when the
  // 10 px band is taken off the 10 px second axis too.
  EXPECT_TRUE(Contains(same.canvas.Calls()[0].points, {195, 146}));
  EXPECT_TRUE(Contains(even.canvas.Calls()[0].points, {195, 150}));
  EXPECT_FALSE(Contains(even.canvas.Calls()[0].points, {195, 146}));
}

// Line type 111 is Jw_cad's circumference solid: the arc (k 0) or the whole
// circle (k 100) drawn as a curve in the solid's colour. It has no area, so
// it is stroked with a clear brush, where the plain rule fills every circle
// solid.
TEST(DrawSolid, CircumferenceSolidIsStrokedNotFilled) {
  DrawWorld arc, whole;
  DrawSolid(arc.Context(), arc.canvas, Circle(111, 0));
  DrawSolid(whole.Context(), whole.canvas, Circle(111, 100));
  const auto a = arc.canvas.Of(CanvasOp::Polyline);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].points.front(), (PixelPoint{220, 150}));
  EXPECT_EQ(a[0].points.back(), (PixelPoint{200, 130}));
  EXPECT_EQ(a[0].pen.color, 0x00AA00u);
  EXPECT_EQ(a[0].brush.style, BrushStyle::Clear);
  const auto e = whole.canvas.Of(CanvasOp::Ellipse);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].brush.style, BrushStyle::Clear);
  for (const DrawWorld* w : {&arc, &whole}) EXPECT_EQ(w->canvas.Count(CanvasOp::Polygon), 0u);
}

}  // namespace
}  // namespace sw
