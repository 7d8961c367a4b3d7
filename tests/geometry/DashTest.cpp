#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "geometry/Dash.h"
#include "geometry/TPath.h"

namespace sw {
namespace {

using Pieces = std::vector<std::vector<IntPoint>>;

Pieces Dash(const std::vector<IntPoint>& line, const std::vector<double>& pattern,
            double width) {
  DashCollector sink;
  StrokeDashedPolyline(line, pattern, width, sink);
  return sink.pieces;
}

std::vector<IntPoint> H(int a, int b) { return {{a, 0}, {b, 0}}; }

TEST(StrokeDashedPolyline, HundredPixelsEightOnEightOff) {
  const Pieces got = Dash(H(0, 100), {8, 8}, 1);
  const Pieces want = {H(0, 8), H(16, 24), H(32, 40), H(48, 56),
                       H(64, 72), H(80, 88), H(96, 100)};
  EXPECT_EQ(got, want);
}

TEST(StrokeDashedPolyline, WiderPenLengthensDashes) {
  const Pieces got = Dash(H(0, 100), {8, 8}, 3);
  EXPECT_EQ(got, (Pieces{H(0, 24), H(48, 72), H(96, 100)}));
}

TEST(StrokeDashedPolyline, DashTurnsACorner) {
  const std::vector<IntPoint> line = {{0, 0}, {10, 0}, {10, 10}};
  const Pieces got = Dash(line, {15, 5}, 1);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0], (std::vector<IntPoint>{{0, 0}, {10, 0}, {10, 5}}));
}

TEST(StrokeDashedPolyline, CutPointsRoundHalfToEven) {
  // Cuts at 2.5, 3.5 and 9.5 pixels.
  const Pieces got = Dash(H(0, 10), {2.5, 1}, 1);
  EXPECT_EQ(got, (Pieces{H(0, 2), H(4, 6), H(7, 10)}));
}

TEST(StrokeDashedPolyline, OddPatternSwapsInkAndGap) {
  const Pieces got = Dash(H(0, 40), {4, 2, 6}, 1);
  EXPECT_EQ(got, (Pieces{H(0, 4), H(6, 12), H(16, 18), H(24, 28), H(30, 36)}));
}

TEST(StrokeDashedPolyline, PatternsThatStrokeSolid) {
  const std::vector<std::vector<double>> solid = {
      {}, {0}, {0, 0}, {-4, 2}, {0.2, 0.2}, {std::numeric_limits<double>::infinity(), 2},
      {std::numeric_limits<double>::quiet_NaN(), 2}};
  for (const auto& pattern : solid) {
    const Pieces got = Dash(H(0, 50), pattern, 1);
    ASSERT_EQ(got.size(), 1u) << pattern.size();
    EXPECT_EQ(got[0], H(0, 50));
  }
}

TEST(StrokeDashedPolyline, ZeroWidthPenCountsAsOnePixel) {
  EXPECT_EQ(Dash(H(0, 20), {4, 4}, 0), (Pieces{H(0, 4), H(8, 12), H(16, 20)}));
}

TEST(StrokeDashedPolyline, DegenerateInput) {
  EXPECT_TRUE(Dash({}, {4, 4}, 1).empty());
  EXPECT_TRUE(Dash({{3, 3}}, {4, 4}, 1).empty());
  // Repeated vertices contribute no length.
  const std::vector<IntPoint> line = {{0, 0}, {0, 0}, {10, 0}, {10, 0}};
  EXPECT_EQ(Dash(line, {4, 4}, 1), (Pieces{H(0, 4), H(8, 10)}));
}

TEST(TPathStrokeDashed, ClosedFigureDashedAcrossItsClosingSide) {
  TPath path;
  path.AddPolyline({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, true);
  DashCollector sink;
  ASSERT_TRUE(path.StrokeDashed({8, 8}, 1, sink).ok());
  const Pieces want = {
      {{0, 0}, {8, 0}},
      {{16, 0}, {20, 0}, {20, 4}},
      {{20, 12}, {20, 20}},
      {{12, 20}, {4, 20}},
      {{0, 16}, {0, 8}},  // on the closing side
  };
  EXPECT_EQ(sink.pieces, want);
}

TEST(TPathStrokeDashed, EachFigureRestartsThePattern) {
  TPath path;
  path.AddPolyline(H(0, 12));
  path.MoveTo({5, 5});  // a single point draws nothing
  path.AddPolyline({{0, 10}, {12, 10}});
  DashCollector sink;
  ASSERT_TRUE(path.StrokeDashed({8, 8}, 1, sink).ok());
  EXPECT_EQ(sink.pieces, (Pieces{H(0, 8), {{0, 10}, {8, 10}}}));
}

}  // namespace
}  // namespace sw
