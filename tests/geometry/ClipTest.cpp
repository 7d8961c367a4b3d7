#include <gtest/gtest.h>

#include "geometry/Clip.h"

namespace sw {
namespace {

const ClipRect kBox{0, 0, 10, 10};

struct CodeCase {
  double x, y;
  int code;
};

TEST(OutCode, BordersCountAsOutside) {
  const CodeCase cases[] = {
      {5, 5, 0},
      {0, 5, kOutLeft},
      {10, 5, kOutRight},
      {5, 0, kOutBottom},
      {5, 10, kOutTop},
      {-1, -1, kOutLeft | kOutBottom},
      {11, 11, kOutRight | kOutTop},
      {1e-13, 5, kOutLeft},   // within the tolerance of the left side
      {2e-12, 5, 0},          // just beyond it
      {5, 10 - 1e-13, kOutTop},
  };
  for (const CodeCase& c : cases) {
    EXPECT_EQ(OutCode(kBox, c.x, c.y), c.code) << c.x << "," << c.y;
    EXPECT_EQ(PointOutside(kBox, c.x, c.y), c.code ? kClipOutside : kClipInside)
        << c.x << "," << c.y;
  }
}

TEST(RectOutside, TouchingMeets) {
  struct Case {
    double x1, y1, x2, y2;
    int result;
  };
  const Case cases[] = {
      {2, 2, 3, 3, kClipInside},       // inside
      {-5, -5, 15, 15, kClipInside},   // covers the window
      {10, 2, 12, 3, kClipInside},     // touches the right side
      {-3, 10, -0.0, 12, kClipInside}, // touches the top-left corner
      {10.001, 2, 12, 3, kClipOutside},
      {-3, 2, -0.001, 3, kClipOutside},
      {2, 10.5, 3, 12, kClipOutside},
      {2, -3, 3, -1, kClipOutside},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectOutside(kBox, c.x1, c.y1, c.x2, c.y2), c.result)
        << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

struct SegCase {
  const char* name;
  double x1, y1, x2, y2;
  int result;
  double ex1, ey1, ex2, ey2;
};

TEST(ClipSegment, Table) {
  const SegCase cases[] = {
      {"inside, unchanged", 1, 1, 9, 9, kClipInside, 1, 1, 9, 9},
      {"both left", -5, 1, -1, 9, kClipOutside, -5, 1, -1, 9},
      {"both above", 1, 11, 9, 20, kClipOutside, 1, 11, 9, 20},
      {"on the left side", 0, 1, 0, 9, kClipOutside, 0, 1, 0, 9},
      {"crosses horizontally", -5, 5, 15, 5, kClipMoved, 0, 5, 10, 5},
      {"crosses vertically", 5, -5, 5, 15, kClipMoved, 5, 0, 5, 10},
      {"one end inside", 5, 5, 15, 5, kClipMoved, 5, 5, 10, 5},
      {"diagonal through corners", -5, -5, 15, 15, kClipMoved, 0, 0, 10, 10},
      {"touches a corner only", -5, 5, 5, 15, kClipMoved, 0, 10, 0, 10},
      // Misses the box beyond the top-left corner: both ends land on the
      // extended top side.
      {"diagonal past a corner", -5, 8, 8, 21, kClipMoved, -3, 10, -3, 10},
      {"reversed crossing", 15, 2, -5, 7, kClipMoved, 10, 3.25, 0, 5.75},
  };
  for (const SegCase& c : cases) {
    double x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
    EXPECT_EQ(ClipSegment(x1, y1, x2, y2, kBox), c.result) << c.name;
    EXPECT_DOUBLE_EQ(x1, c.ex1) << c.name;
    EXPECT_DOUBLE_EQ(y1, c.ey1) << c.name;
    EXPECT_DOUBLE_EQ(x2, c.ex2) << c.name;
    EXPECT_DOUBLE_EQ(y2, c.ey2) << c.name;
  }
}

TEST(ClipSegment, SecondEndMeasuredFromTheFirstAsGiven) {
  // End 1 is moved first; end 2 must still be cut on the original line.
  double x1 = -10, y1 = 0, x2 = 20, y2 = 6;
  const ClipRect box{0, -100, 10, 100};
  EXPECT_EQ(ClipSegment(x1, y1, x2, y2, box), kClipMoved);
  EXPECT_DOUBLE_EQ(x1, 0);
  EXPECT_DOUBLE_EQ(y1, 2);
  EXPECT_DOUBLE_EQ(x2, 10);
  EXPECT_DOUBLE_EQ(y2, 4);
}

}  // namespace
}  // namespace sw
