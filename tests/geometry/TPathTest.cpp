#include <gtest/gtest.h>

#include <cmath>

#include "geometry/TPath.h"

namespace sw {
namespace {

TPath Triangle() {
  TPath p;
  p.MoveTo({0, 0});
  p.LineTo({10, 0});
  p.BezierTo({12, 2}, {12, 8}, {10, 10});
  p.CloseFigure();
  return p;
}

TEST(TPath, GetPointRange) {
  const TPath p = Triangle();
  ASSERT_EQ(p.Count(), 5);
  EXPECT_NO_THROW(p.GetPoint(p.Count() - 1));
  for (int bad : {-1, 5, 1000}) {
    try {
      p.GetPoint(bad);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const EPathError& e) {
      EXPECT_STREQ(e.what(), "TPath.GetPoint: Index is Out of Range");
    }
    EXPECT_FALSE(p.TryGetPoint(bad).has_value());
  }
}

TEST(TPath, KindsAndCloseFlag) {
  const TPath p = Triangle();
  const PathPoint want[] = {
      {0, 0, 0, false}, {10, 0, 1, false}, {12, 2, 2, false},
      {12, 8, 2, false}, {10, 10, 2, true},
  };
  for (int i = 0; i < 5; ++i) EXPECT_EQ(p.GetPoint(i), want[i]) << i;
  EXPECT_EQ(p.Types()[0], kPtMoveTo);
  EXPECT_EQ(p.Types()[4], kPtBezierTo | kPtCloseFigure);
}

TEST(TPath, AssignCopiesEverything) {
  TPath a = Triangle();
  TPath b;
  b.MoveTo({7, 7});
  b.Assign(a);
  EXPECT_EQ(b.Count(), a.Count());
  EXPECT_EQ(b.Points(), a.Points());
  EXPECT_EQ(b.Types(), a.Types());
}

TEST(TPath, LineToWithoutFigureStartsOne) {
  TPath p;
  p.LineTo({1, 2});
  p.LineTo({3, 4});
  EXPECT_EQ(p.GetPoint(0).kind, 0);
  EXPECT_EQ(p.GetPoint(1).kind, 1);
}

TEST(TPath, FlattenStaysOnTheCurve) {
  TPath p;
  p.MoveTo({0, 0});
  p.BezierTo({0, 400}, {400, 400}, {400, 0});
  p.CloseFigure();
  const TPath f = p.Flattened();
  ASSERT_GT(f.Count(), 10);
  EXPECT_EQ(f.Points().front(), (IntPoint{0, 0}));
  EXPECT_EQ(f.Points().back(), (IntPoint{400, 0}));
  EXPECT_TRUE(f.GetPoint(f.Count() - 1).close);
  for (int i = 1; i < f.Count(); ++i) {
    EXPECT_EQ(f.GetPoint(i).kind, 1);
    EXPECT_FALSE(f.Points()[i] == f.Points()[i - 1]);
  }
  // Every chord midpoint lies close to the curve x(t), y(t).
  auto dist = [](double x, double y) {
    double best = 1e9;
    for (int k = 0; k <= 20000; ++k) {
      const double t = k / 20000.0, s = 1 - t;
      const double cx = 3 * s * t * t * 400 + t * t * t * 400;
      const double cy = 3 * s * s * t * 400 + 3 * s * t * t * 400;
      best = std::min(best, std::hypot(cx - x, cy - y));
    }
    return best;
  };
  for (int i = 1; i < f.Count(); ++i) {
    const IntPoint a = f.Points()[i - 1], b = f.Points()[i];
    EXPECT_LT(dist((a.x + b.x) / 2.0, (a.y + b.y) / 2.0), 0.2 + 0.75) << i;
  }
}

TEST(TPath, PolylinesSplitAndClose) {
  TPath p;
  p.AddPolyline({{0, 0}, {5, 0}, {5, 5}}, true);
  p.MoveTo({9, 9});
  p.AddPolyline({{1, 1}, {2, 2}});
  const auto lines = p.Polylines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (std::vector<IntPoint>{{0, 0}, {5, 0}, {5, 5}, {0, 0}}));
  EXPECT_EQ(lines[1], (std::vector<IntPoint>{{1, 1}, {2, 2}}));
}

}  // namespace
}  // namespace sw
