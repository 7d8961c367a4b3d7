// The drafting helpers the example is built with: texts placed by their
// anchor, dimensions with the value on the line's far side from the measured
// points, text lengths that ignore special codes.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/Cp932.h"
#include "examples/Drafting.h"

namespace sw::example {
namespace {

constexpr double kEps = 1e-9;

TEST(Drafting, TextLengthCountsShownCellsOnly) {
  struct Case {
    const char* utf8;
    double cells;  // half-width cells shown
  } cases[] = {{"X1", 2}, {"事務室", 6}, {"60.0m^u2", 6}, {"^_凡例", 4}, {"^$5A", 1}, {"", 0}};
  for (const Case& c : cases) {
    const double expected = c.cells == 0 ? 0 : c.cells * (kText3.size + kText3.spacing) / 2 - kText3.spacing;
    EXPECT_NEAR(TextLength(kText3, Utf8ToCp932(c.utf8)), expected, kEps) << c.utf8;
  }
}

TEST(Drafting, TextAnchorsPutTheGivenPointWhereTheyName) {
  for (double angle : {0.0, 90.0, 30.0}) {
    const double a = angle * std::numbers::pi / 180, ux = std::cos(a), uy = std::sin(a);
    const CDataMoji t = Text(Pen{}, kText4, 10, 20, "会議室", Anchor::MiddleCentre, angle);
    const double len = TextLength(kText4, t.text);
    EXPECT_NEAR(std::hypot(t.x2 - t.x1, t.y2 - t.y1), len, kEps);
    EXPECT_NEAR(t.x2 - t.x1, ux * len, kEps);
    EXPECT_NEAR(t.y2 - t.y1, uy * len, kEps);
    // Centre of the box: middle of the baseline raised by half the height.
    EXPECT_NEAR((t.x1 + t.x2) / 2 - uy * kText4.size / 2, 10, kEps) << angle;
    EXPECT_NEAR((t.y1 + t.y2) / 2 + ux * kText4.size / 2, 20, kEps) << angle;
    EXPECT_EQ(t.angle, angle);
  }
}

TEST(Drafting, DimensionSitsBesideThePointsWithItsValueCentred) {
  struct Case {
    double x1, y1, x2, y2, offset;
    double lineX1, lineY1, lineX2, lineY2;
    double angle;
  } cases[] = {
      {0, 0, 60, 0, -10, 0, -10, 60, -10, 0},  // below, reading left to right
      {0, 0, 0, 50, 10, -10, 0, -10, 50, 90},  // left, reading upwards
  };
  for (const Case& c : cases) {
    const CDataSunpou d = Dimension(Pen{0, 7, 1}, c.x1, c.y1, c.x2, c.y2, c.offset, "6,000");
    EXPECT_NEAR(d.line.x1, c.lineX1, kEps);
    EXPECT_NEAR(d.line.y1, c.lineY1, kEps);
    EXPECT_NEAR(d.line.x2, c.lineX2, kEps);
    EXPECT_NEAR(d.line.y2, c.lineY2, kEps);
    EXPECT_NEAR(d.text.angle, c.angle, kEps);
    EXPECT_NEAR((d.text.x1 + d.text.x2) / 2 - (d.line.x1 + d.line.x2) / 2, c.angle == 0 ? 0 : -0.6, kEps);
    EXPECT_NEAR((d.text.y1 + d.text.y2) / 2 - (d.line.y1 + d.line.y2) / 2, c.angle == 0 ? 0.6 : 0, kEps);
    // Extension lines run from near the points past the dimension line.
    EXPECT_NEAR(std::hypot(d.auxLine1.x2 - d.auxLine1.x1, d.auxLine1.y2 - d.auxLine1.y1),
                std::fabs(c.offset) - 1 + 1.5, kEps);
    EXPECT_EQ(d.point1.x, d.line.x1);
    EXPECT_EQ(d.point2.y, d.line.y2);
    EXPECT_EQ(d.text.head.layer, 7);
  }
}

TEST(Drafting, SolidsCarryTheirOwnColour) {
  const CDataSolid box = Box(Pen{0, 8, 2}, 0, 0, 4, 3, 0x00F4E6C8);
  EXPECT_EQ(box.head.penColor, 10);
  EXPECT_EQ(box.rgb, 0x00F4E6C8);
  EXPECT_EQ(box.x3, 4);
  EXPECT_EQ(box.y3, 3);
  const CDataSolid disk = Disk(Pen{}, 1, 2, 3, 0x00808080);
  EXPECT_EQ(disk.head.penStyle, 101);
  EXPECT_EQ(disk.y4, 100);  // a whole circle
  EXPECT_EQ(disk.x2, 3);
}

}  // namespace
}  // namespace sw::example
