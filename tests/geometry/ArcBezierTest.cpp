#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry/ArcBezier.h"

namespace sw {
namespace {

constexpr double kDeg = std::numbers::pi / 180;

TEST(ArcBezier, PieceCounts) {
  struct Case {
    double degrees;
    int pieces;
  };
  // 60-degree pieces: a quarter arc is one full piece and a 30-degree rest.
  const Case cases[] = {{90, 2}, {60, 1}, {130, 3}, {120.0005, 2}, {120.1, 3},
                        {360, 6}, {0.05, 0}, {0.06, 1}, {-10, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(ArcPieceCount(c.degrees * kDeg, 0), c.pieces) << c.degrees;
    TPath path;
    ArcBezier(path, {0, 0}, c.degrees * kDeg, 0, 0, 100, 100);
    EXPECT_EQ(path.Count(), c.pieces ? 1 + 3 * c.pieces : 0) << c.degrees;
  }
}

TEST(ArcBezier, ControlValues) {
  const BezierControls q = ArcPieceControls(90 * kDeg);
  EXPECT_NEAR(q.k1, 0.5523, 1e-4);
  EXPECT_NEAR(q.k2, 0.5523, 1e-4);
  EXPECT_NEAR(q.k3, 1.0, 1e-12);
  // A 60-degree piece: the classic 4/3 tan(theta/4) handle, tangent at both ends.
  const double t = 60 * kDeg, h = 4.0 / 3 * std::tan(t / 4);
  const BezierControls s = ArcPieceControls(t);
  EXPECT_NEAR(s.k1, h, 1e-12);
  EXPECT_NEAR(s.k2, std::cos(t) + h * std::sin(t), 1e-12);
  EXPECT_NEAR(s.k3, std::sin(t) - h * std::cos(t), 1e-12);
}

TEST(ArcBezier, QuarterCircleOnTheSurface) {
  TPath path;
  ArcBezier(path, {100, 100}, 60 * kDeg, 0, 0, 50, 50);
  ASSERT_EQ(path.Count(), 4);
  // y up on paper: the arc rises from the right-hand point. Handle length
  // 50 * 0.3573 = 17.86 px.
  EXPECT_EQ(path.GetPoint(0), (PathPoint{150, 100, 0, false}));
  EXPECT_EQ(path.GetPoint(1), (PathPoint{150, 82, 2, false}));
  EXPECT_EQ(path.GetPoint(2), (PathPoint{140, 66, 2, false}));  // (140.47, 65.63)
  EXPECT_EQ(path.GetPoint(3), (PathPoint{125, 57, 2, false}));  // (125, 56.70)

  TPath quarter;
  ArcBezier(quarter, {100, 100}, 90 * kDeg, 0, 0, 50, 50);
  ASSERT_EQ(quarter.Count(), 7);
  EXPECT_EQ(quarter.Points()[3], (IntPoint{125, 57}));
  EXPECT_EQ(quarter.Points()[6], (IntPoint{100, 50}));
}

TEST(ArcBezier, BackwardTracesTheSameRangeWithoutAMove) {
  TPath ring;
  ring.MoveTo({100, 50});
  ArcBezierBackward(ring, {100, 100}, 90 * kDeg, 0, 0, 50, 50);
  ASSERT_EQ(ring.Count(), 7);
  EXPECT_EQ(ring.GetPoint(1).kind, 2);
  // From the top, 60 degrees down, then the 30-degree rest to the right point.
  EXPECT_EQ(ring.Points()[1], (IntPoint{118, 50}));  // (117.86, 50)
  EXPECT_EQ(ring.Points()[3], (IntPoint{143, 75}));  // (143.30, 75)
  EXPECT_EQ(ring.Points()[6], (IntPoint{150, 100}));
}

TEST(ArcBezier, TiltAndRadii) {
  TPath path;
  // First axis 40 px turned a quarter turn: the start point is straight up.
  ArcBezier(path, {200, 200}, 90 * kDeg, 0, 90 * kDeg, 20, 40);
  EXPECT_EQ(path.Points().front(), (IntPoint{200, 160}));
  EXPECT_EQ(path.Points().back(), (IntPoint{180, 200}));
}

TEST(ArcBezier, FullCircleCloses) {
  TPath path;
  ArcBezier(path, {0, 0}, 2 * std::numbers::pi, 0, 0, 30, 30);
  ASSERT_EQ(path.Count(), 19);
  EXPECT_EQ(path.Points().front(), path.Points().back());
  const TPath flat = path.Flattened();
  for (const IntPoint& p : flat.Points()) {
    EXPECT_NEAR(std::hypot(p.x, p.y), 30.0, 0.75);
  }
}

TEST(EllipsePath, InscribedInTheDeviceBox) {
  TPath path;
  EllipsePath(path, 0, 0, 101, 61);  // covers x 0..100, y 0..60
  ASSERT_EQ(path.Count(), 13);
  EXPECT_EQ(path.Points()[0], (IntPoint{100, 30}));
  EXPECT_EQ(path.Points()[3], (IntPoint{50, 0}));
  EXPECT_EQ(path.Points()[6], (IntPoint{0, 30}));
  EXPECT_EQ(path.Points()[9], (IntPoint{50, 60}));
  EXPECT_TRUE(path.GetPoint(12).close);
}

}  // namespace
}  // namespace sw
