#include <gtest/gtest.h>

#include "render/DrawPoint.h"
#include "render/DrawTest.h"

namespace sw {
namespace {

using test::DrawWorld;
using test::Head;

CDataTen Point(double x, double y, int color = 2, bool temporary = false) {
  CDataTen p;
  p.head = Head(1, color);
  p.x = x;
  p.y = y;
  p.temporary = temporary ? 1 : 0;
  return p;
}

TEST(DrawPoint, DiskOfPointSixMillimetres) {
  DrawWorld w;
  w.view.ViewScale = 10;
  w.view.ViewWindow = {-20, -15, 20, 15};
  PlaceOrigin(w.view);  // the paper centre stays at (200, 150)
  DrawPoint(w.Context(), w.canvas, Point(10, 5));
  const auto disks = w.canvas.Of(CanvasOp::Ellipse);
  ASSERT_EQ(disks.size(), 1u);
  // Centre (300, 100); 0.3 mm = 3 pixels each way.
  EXPECT_EQ(disks[0].rect, (CanvasRect{297, 97, 303, 103}));
  EXPECT_EQ(disks[0].pen.color, w.styles.ScreenPenColor[2]);
  EXPECT_EQ(disks[0].brush, (Brush{w.styles.ScreenPenColor[2], BrushStyle::Solid}));
}

struct CullCase {
  const char* name;
  double x, y;
  bool backdrop;
  double offsetX;
  bool drawn;
};

TEST(DrawPoint, Culling) {
  const CullCase cases[] = {
      {"inside", 10, 10, false, 0, true},
      {"on the frame edge", 50, 10, false, 0, false},
      {"outside the frame", 60, 10, false, 0, false},
      {"moved out of the window", 30, 0, false, 80, false},
      {"moved but still in the window", 10, 0, false, 80, true},
      {"backdrop ignores the frame", 60, 10, true, 0, true},
      {"backdrop on the window edge", 100, 10, true, 0, false},
  };
  for (const CullCase& c : cases) {
    DrawWorld w;
    w.pen.backdrop = c.backdrop;
    if (c.offsetX != 0) w.Offset(c.offsetX, 0);
    DrawPoint(w.Context(), w.canvas, Point(c.x, c.y));
    EXPECT_EQ(w.canvas.Count(CanvasOp::Ellipse), c.drawn ? 1u : 0u) << c.name;
  }
}

TEST(DrawPoint, TemporaryPointsAreNeverDrawn) {
  DrawWorld w;
  DrawPoint(w.Context(), w.canvas, Point(0, 0, 3, true));
  EXPECT_TRUE(w.canvas.Calls().empty());
  // Its pen is still selected, as for any point.
  EXPECT_EQ(w.canvas.GetPen().color, w.styles.ScreenPenColor[3]);
}

TEST(DrawPoint, BackdropAndHiddenLayers) {
  DrawWorld w;
  w.pen.backdrop = true;
  DrawPoint(w.Context(), w.canvas, Point(0, 0, 9));
  ASSERT_EQ(w.canvas.Count(CanvasOp::Ellipse), 1u);
  EXPECT_EQ(w.canvas.Calls()[0].pen.color, w.styles.GreyColor);
  EXPECT_EQ(w.canvas.Calls()[0].brush.color, w.styles.GreyColor);

  DrawWorld hidden;
  hidden.groups[0].state = 0;
  DrawPoint(hidden.Context(), hidden.canvas, Point(0, 0));
  EXPECT_TRUE(hidden.canvas.Calls().empty());

  // Points of pen colour 9 are printed.
  DrawWorld print;
  print.pen.printing = true;
  DrawPoint(print.Context(), print.canvas, Point(0, 0, 9));
  EXPECT_EQ(print.canvas.Count(CanvasOp::Ellipse), 1u);
}

}  // namespace
}  // namespace sw
