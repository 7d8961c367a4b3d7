// Which existing point a right click snaps to: tolerance, candidate order,
// and which frames and records take part.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>

#include "edit/Snap.h"
#include "layout/Operations.h"

namespace sw {
namespace {

CDataSen Line(double x1, double y1, double x2, double y2) { return {{}, x1, y1, x2, y2}; }

// A1 paper (841 x 594) at 2 pixels per mm: the tolerance is 2.5 mm.
//  frame 1 "north": rectangle (-100, -50)-(20, 40) at offset (10, 5), so on
//    paper (-90, -55)-(30, 35); shown
//  frame 2 "south": (-300, -250)-(-200, -150), hidden
//  frame 3 "corner": (-419.5, -296)-(-400, -280), beside a paper corner, hidden
//  frame 4 "round": a circle frame, shown (its rectangle entry is all zero)
Workspace Scene() {
  Workspace ws;
  ws.view.ViewScale = 2;
  LayoutDocument& doc = ws.document;
  EXPECT_TRUE(addFrame(doc, kFrameRect, "north", {-100, -50}, {20, 40}));
  EXPECT_TRUE(addFrame(doc, kFrameRect, "south", {-300, -250}, {-200, -150}));
  EXPECT_TRUE(addFrame(doc, kFrameRect, "corner", {-419.5, -296}, {-400, -280}));
  EXPECT_TRUE(addFrame(doc, kFrameCircle, "round", {0, 0}, {30, 0}));
  EXPECT_TRUE(moveFrames(doc, {1}, 10, 5));
  EXPECT_TRUE(setFrameShown(doc, 1, true));
  EXPECT_TRUE(setFrameShown(doc, 4, true));
  ws.drawing.JWWLines = {
      Line(-200, 0, 200, 0),        // frame 1: y = -5, crosses both upright sides
      Line(-98, 15, -80, 15),       // frame 1: (-88, 10)-(-70, 10), stops short of the left side
      Line(-350, -200, -150, -200), // crosses frame 2's left side at (-300, -200)
      Line(-105, 45, -95, 46),      // frame 1: above the rectangle, across the left side's extension
  };
  ws.drawing.JWWPoints.resize(3);
  ws.drawing.JWWPoints[0].x = 100, ws.drawing.JWWPoints[0].y = 100;
  ws.drawing.JWWPoints[1].x = -50, ws.drawing.JWWPoints[1].y = 0;  // frame 1: (-40, -5)
  ws.drawing.JWWPoints[2].x = 25, ws.drawing.JWWPoints[2].y = 35;  // frame 1: (35, 30), outside it
  return ws;
}

struct SnapCase {
  const char* name;
  std::function<void(Workspace&)> setup;
  PaperPoint click;
  std::optional<PaperPoint> expected;
};
void PrintTo(const SnapCase& c, std::ostream* os) { *os << c.name; }

const auto kAsIs = [](Workspace&) {};
const auto kNaN = std::numeric_limits<double>::quiet_NaN();
const auto kInf = std::numeric_limits<double>::infinity();

class SnapTable : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTable, FindsTheFirstCandidateInTolerance) {
  Workspace ws = Scene();
  GetParam().setup(ws);
  PaperPoint p = GetParam().click;
  const bool found = SnapPoint(ws, p);
  ASSERT_EQ(found, GetParam().expected.has_value());
  const PaperPoint want = found ? *GetParam().expected : GetParam().click;
  EXPECT_NEAR(p.x, want.x, 1e-9);
  EXPECT_NEAR(p.y, want.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Snap, SnapTable,
    ::testing::Values(
        SnapCase{"paper corner 5 px off both ways", kAsIs, {418, 294.5}, PaperPoint{420.5, 297}},
        SnapCase{"6 px off in x", kAsIs, {417.5, 294.5}, std::nullopt},
        SnapCase{"6 px off in y", kAsIs, {418, 294}, std::nullopt},
        SnapCase{"paper corner before a nearer frame corner", kAsIs, {-419.5, -296}, PaperPoint{-420.5, -297}},
        SnapCase{"moved corner of a shown frame", kAsIs, {-88, -53}, PaperPoint{-90, -55}},
        SnapCase{"corner of a hidden frame", kAsIs, {-298, -248}, PaperPoint{-300, -250}},
        SnapCase{"crossing with a shown frame's side", kAsIs, {-89, -4}, PaperPoint{-90, -5}},
        SnapCase{"no crossing once the frame is hidden",
                 [](Workspace& ws) { ASSERT_TRUE(setFrameShown(ws.document, 1, false)); }, {-89, -4}, std::nullopt},
        SnapCase{"no crossing for a hidden frame", kAsIs, {-299, -199}, std::nullopt},
        SnapCase{"crossing once that frame is shown",
                 [](Workspace& ws) { ASSERT_TRUE(setFrameShown(ws.document, 2, true)); }, {-299, -199},
                 PaperPoint{-300, -200}},
        SnapCase{"crossing beyond the line's end", kAsIs, {-89.5, 10.5}, std::nullopt},
        SnapCase{"line missing the rectangle", kAsIs, {-90, 40.5}, std::nullopt},
        SnapCase{"circle frame has no corners or sides", kAsIs, {1, 1}, std::nullopt},
        SnapCase{"base point when the base is shown",
                 [](Workspace& ws) { ASSERT_TRUE(setFrameShown(ws.document, 0, true)); }, {100.5, 99},
                 PaperPoint{100, 100}},
        SnapCase{"no base point while the base is hidden", kAsIs, {100.5, 99}, std::nullopt},
        SnapCase{"frame's point when the click is inside it", kAsIs, {-41, -4}, PaperPoint{-40, -5}},
        SnapCase{"frame's point when the click is outside it", kAsIs, {35.5, 30.5}, std::nullopt},
        SnapCase{"broken records are passed over",
                 [](Workspace& ws) {
                   auto& lines = ws.drawing.JWWLines;
                   lines.insert(lines.begin(), {Line(kNaN, 1, -80, 1), Line(-105, 1, kInf, 1)});
                 },
                 {-89, -4}, PaperPoint{-90, -5}},
        SnapCase{"no scale", [](Workspace& ws) { ws.view.ViewScale = 0; }, {420.5, 297}, std::nullopt}));

// Two shown frames whose left sides (x = 200 and x = 201) both pass the
// click: the lower frame's crossing wins even when it comes from a later
// line than the other frame's.
TEST(Snap, LowerFrameBeforeEarlierLine) {
  Workspace ws = Scene();
  ASSERT_TRUE(addFrame(ws.document, kFrameRect, "east", {200, -200}, {250, -100}));
  ASSERT_TRUE(addFrame(ws.document, kFrameRect, "east2", {201, -200}, {260, -100}));
  ASSERT_TRUE(setFrameShown(ws.document, 5, true));
  ASSERT_TRUE(setFrameShown(ws.document, 6, true));
  ws.drawing.JWWLines = {Line(200.5, -151, 230, -151), Line(190, -150, 230, -150)};
  PaperPoint p{200.6, -150.6};
  ASSERT_TRUE(SnapPoint(ws, p));
  EXPECT_EQ(p, (PaperPoint{200, -150}));
}

}  // namespace
}  // namespace sw
