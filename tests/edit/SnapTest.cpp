// Which existing point a right click snaps to: tolerance, candidate order,
// and which frames and records take part.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "edit/Snap.h"
#include "layout/Operations.h"

namespace sw {
namespace {

CDataSen Line(double x1, double y1, double x2, double y2) { return {{}, x1, y1, x2, y2}; }
CDataTen Point(double x, double y) { return {{}, x, y}; }
constexpr double kInf = std::numeric_limits<double>::infinity();

// A1 paper (841 x 594) at 2 pixels per mm: the tolerance is 2.5 mm.
//  frame 1: rectangle (-100, -50)-(20, 40) at offset (10, 5), on paper (-90, -55)-(30, 35); shown
//  frame 2: (-300, -250)-(-200, -150), hidden
//  frame 3: (-419.5, -296)-(-400, -280), beside a paper corner, hidden
//  frame 4: a circle frame, shown (its rectangle entry is all zero)
Workspace Scene(bool baseShown) {
  Workspace ws;
  ws.view.ViewScale = 2;
  LayoutDocument& doc = ws.document;
  EXPECT_TRUE(addFrame(doc, kFrameRect, "north", {-100, -50}, {20, 40}));
  EXPECT_TRUE(addFrame(doc, kFrameRect, "south", {-300, -250}, {-200, -150}));
  EXPECT_TRUE(addFrame(doc, kFrameRect, "corner", {-419.5, -296}, {-400, -280}));
  EXPECT_TRUE(addFrame(doc, kFrameCircle, "round", {0, 0}, {30, 0}));
  EXPECT_TRUE(moveFrames(doc, {1}, 10, 5));
  for (int j : {1, 4}) EXPECT_TRUE(setFrameShown(doc, j, true));
  EXPECT_TRUE(setFrameShown(doc, 0, baseShown));
  ws.drawing.JWWLines = {
      Line(-105, 1, kInf, 1),        // would cross frame 1's left side at (-90, -4)
      Line(-200, 0, 200, 0),         // frame 1: y = -5, crosses both upright sides
      Line(-98, 15, -80, 15),        // frame 1: (-88, 10)-(-70, 10), stops short of the left side
      Line(-350, -200, -150, -200),  // crosses frame 2's left side at (-300, -200)
      Line(-105, 45, -95, 46),       // frame 1: above the rectangle, across the left side's extension
      Line(-105, 5, -100, 6),        // frame 1: (-95, 0)-(-90, 1), ends on the left side from outside
  };
  ws.drawing.JWWPoints = {Point(100, 100), Point(-50, 0) /* frame 1: (-40, -5) */,
                          Point(25, 35) /* frame 1: (35, 30), outside it */};
  return ws;
}

struct SnapCase {
  const char* name;
  PaperPoint click;
  std::optional<PaperPoint> expected;
  bool baseShown = false;
};

TEST(Snap, FirstCandidateInTolerance) {
  const SnapCase cases[] = {
      {"paper corner 5 px off both ways", {418, 294.5}, PaperPoint{420.5, 297}},
      {"6 px off in x", {417.5, 294.5}, std::nullopt},
      {"6 px off in y", {418, 294}, std::nullopt},
      {"paper corner before a nearer frame corner", {-419.5, -296}, PaperPoint{-420.5, -297}},
      {"moved corner of a shown frame", {-88, -53}, PaperPoint{-90, -55}},
      {"corner of a hidden frame", {-298, -248}, PaperPoint{-300, -250}},
      {"crossing with a shown frame's side", {-89, -4}, PaperPoint{-90, -5}},
      {"no crossing for a hidden frame", {-299, -199}, std::nullopt},
      {"crossing beyond the line's end", {-89.5, 10.5}, std::nullopt},
      {"line missing the rectangle", {-90, 40.5}, std::nullopt},
      {"line ending on a side from outside", {-90, 1.5}, std::nullopt},
      {"circle frame has no corners or sides", {1, 1}, std::nullopt},
      {"base point when the base is shown", {100.5, 99}, PaperPoint{100, 100}, true},
      {"no base point while the base is hidden", {100.5, 99}, std::nullopt},
      {"frame's point when the click is inside it", {-41, -4}, PaperPoint{-40, -5}},
      {"frame's point when the click is outside it", {35.5, 30.5}, std::nullopt},
  };
  for (const SnapCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Workspace ws = Scene(c.baseShown);
    PaperPoint p = c.click;
    ASSERT_EQ(SnapPoint(ws, p), c.expected.has_value());
    EXPECT_EQ(p, c.expected.value_or(c.click));
  }
  Workspace unscaled = Scene(false);
  unscaled.view.ViewScale = 0;
  PaperPoint corner{420.5, 297};
  EXPECT_FALSE(SnapPoint(unscaled, corner));
}

// Three shown frames whose left sides (x = 200, 201, 202) all pass near the
// click: the answer is the lowest frame with a crossing (the second; no line
// reaches the first's side), even though an earlier and a later line cross
// the third frame's side nearer the click.
TEST(Snap, LowestFrameBeforeEarliestLine) {
  Workspace ws = Scene(false);
  for (int j = 5; j <= 7; ++j) {
    ASSERT_TRUE(addFrame(ws.document, kFrameRect, "e" + std::to_string(j), {195.0 + j, -200}, {250, -100}));
    ASSERT_TRUE(setFrameShown(ws.document, j, true));
  }
  ws.drawing.JWWLines = {Line(201.5, -150.5, 230, -150.5), Line(200.5, -150, 230, -150),
                         Line(201.5, -149.5, 230, -149.5)};
  PaperPoint p{201.6, -150};
  ASSERT_TRUE(SnapPoint(ws, p));
  EXPECT_EQ(p, (PaperPoint{201, -150}));
}

}  // namespace
}  // namespace sw
