// Paper sizes and the extension of auxiliary lines to a rectangle's edges.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "layout/LineExtension.h"

namespace sw {
namespace {

TEST(PaperRect, LandscapeSizesCentredOnTheOrigin) {
  const struct {
    std::int32_t index;
    double w, h;
  } cases[] = {{0, 1189, 841}, {1, 841, 594}, {2, 594, 420}, {3, 420, 297},
               {4, 297, 210},  {5, 1189, 841}, {-1, 1189, 841}};
  for (const auto& c : cases) {
    const LineRect r = PaperRect(c.index);
    EXPECT_EQ(r.left, -c.w / 2) << c.index;
    EXPECT_EQ(r.right, c.w / 2) << c.index;
    EXPECT_EQ(r.top, c.h / 2) << c.index;
    EXPECT_EQ(r.bottom, -c.h / 2) << c.index;
  }
}

TEST(ExtendLineToRect, Table) {
  const LineRect a4 = PaperRect(4);  // x -148.5..148.5, y -105..105
  const struct {
    const char* what;
    PaperPoint p, q, a, b;
  } cases[] = {
      {"vertical, top first", {10, 3}, {10, 8}, {10, 105}, {10, -105}},
      {"vertical drawn downwards", {10, 8}, {10, 3}, {10, 105}, {10, -105}},
      {"equal points count as vertical", {7, 7}, {7, 7}, {7, 105}, {7, -105}},
      {"vertical off the paper", {200, 0}, {200, 1}, {200, 105}, {200, -105}},
      {"horizontal, left first", {5, 1}, {-5, 1}, {-148.5, 1}, {148.5, 1}},
      {"flat through the centre", {0, 0}, {10, 1}, {-148.5, -14.85}, {148.5, 14.85}},
      {"flat, drawn leftwards", {0, 0}, {-10, -1}, {-148.5, -14.85}, {148.5, 14.85}},
      {"steep through the centre: top end first", {0, 0}, {1, 10}, {10.5, 105}, {-10.5, -105}},
      {"through two corners", {0, 0}, {148.5, 105}, {-148.5, -105}, {148.5, 105}},
      // Across a corner: cut by the pair it leaves through, not by the two
      // sides next to the corner.
      {"across the top right corner, leaving right", {140, 100}, {141, 99}, {-148.5, 388.5}, {148.5, 91.5}},
      {"the same line drawn the other way leaves at the top", {141, 99}, {140, 100}, {135, 105}, {345, -105}},
      {"across the bottom left corner, leaving left", {-140, -100}, {-141, -99}, {-148.5, -91.5}, {148.5, -388.5}},
      {"flat, above the paper", {0, 200}, {10, 201}, {-950, 105}, {-3050, -105}},
      {"steep, right of the paper", {300, 0}, {301, 10}, {310.5, 105}, {289.5, -105}},
  };
  for (const auto& c : cases) {
    const LineEnds e = ExtendLineToRect(c.p, c.q, a4);
    EXPECT_NEAR(e.a.x, c.a.x, 1e-9) << c.what;
    EXPECT_NEAR(e.a.y, c.a.y, 1e-9) << c.what;
    EXPECT_NEAR(e.b.x, c.b.x, 1e-9) << c.what;
    EXPECT_NEAR(e.b.y, c.b.y, 1e-9) << c.what;
  }
}

TEST(ExtendLineToRect, UsesTheGivenRectangle) {
  const LineRect view{100, 50, 300, -10};
  const LineEnds e = ExtendLineToRect({150, 0}, {150, 1}, view);
  EXPECT_EQ(e.a, (PaperPoint{150, 50}));
  EXPECT_EQ(e.b, (PaperPoint{150, -10}));
  const LineEnds f = ExtendLineToRect({200, 20}, {210, 20}, view);
  EXPECT_EQ(f.a, (PaperPoint{100, 20}));
  EXPECT_EQ(f.b, (PaperPoint{300, 20}));
}

// Seeded: any line through a point of the paper ends on one pair of
// opposite sides (on the lines through them), on the original line, and the
// pair is the one it leaves the paper through going from the first point to
// the second.
TEST(ExtendLineToRect, LinesThroughThePaperEndOnThePairTheyLeaveThrough) {
  std::mt19937 rng(1234);
  std::uniform_real_distribution<double> ux(-210, 210), uy(-148, 148), ud(-50, 50);
  const LineRect r = PaperRect(3);
  for (int i = 0; i < 2000; ++i) {
    const PaperPoint p{ux(rng), uy(rng)};
    const PaperPoint q{p.x + ud(rng), p.y + ud(rng)};
    if (p.x == q.x || p.y == q.y) continue;
    const LineEnds e = ExtendLineToRect(p, q, r);
    const bool vertical = e.a.x == r.left && e.b.x == r.right;
    const bool horizontal = e.a.y == r.top && e.b.y == r.bottom;
    ASSERT_TRUE(vertical != horizontal) << i;
    for (PaperPoint end : {e.a, e.b}) {
      const double cross = (q.x - p.x) * (end.y - p.y) - (q.y - p.y) * (end.x - p.x);
      EXPECT_NEAR(cross / std::hypot(q.x - p.x, q.y - p.y), 0.0, 1e-9) << i;
    }
    if (p.x < r.left || p.x > r.right || p.y < r.bottom || p.y > r.top) continue;
    // From a first point on the paper, the end ahead (towards q) lies on
    // the paper: it is where the line leaves it.
    const PaperPoint ahead = (e.b.x - e.a.x) * (q.x - p.x) + (e.b.y - e.a.y) * (q.y - p.y) > 0 ? e.b : e.a;
    EXPECT_GE(ahead.x, r.left - 1e-9) << i;
    EXPECT_LE(ahead.x, r.right + 1e-9) << i;
    EXPECT_GE(ahead.y, r.bottom - 1e-9) << i;
    EXPECT_LE(ahead.y, r.top + 1e-9) << i;
  }
}

}  // namespace
}  // namespace sw
