// The write path's operations on frames, lines and sheets: what each does,
// that each keeps the document's rules, and that a failing one changes
// nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "layout/LayoutTestSupport.h"
#include "layout/Operations.h"

namespace sw {
namespace {

// Sheets "layout1" (frames A, B, C; A and C shown; two lines) and "layout3".
LayoutDocument ThreeFrames() {
  LayoutDocument doc;
  doc.Sheets[0].shown[0] = true;
  EXPECT_TRUE(addFrame(doc, kFrameRect, "A", {0, 0}, {10, 10}));
  EXPECT_TRUE(addFrame(doc, kFrameRect, "B", {20, 0}, {30, 10}));
  EXPECT_TRUE(addFrame(doc, kFrameCircle, "C", {0, 0}, {3, 4}));
  doc.Sheets[0].shown[1] = doc.Sheets[0].shown[3] = true;
  addLine(doc, kAuxLineCode, {0, 0}, {1, 0});
  addLine(doc, kAuxLineCode, {0, 0}, {0, 1});
  doc.head.sheetNames.push_back("layout3");
  doc.Sheets.push_back(MakeEmptySheet());
  doc.head.sheetHigh = 1;
  return doc;
}

struct FailCase {
  const char* what;
  std::function<Status(LayoutDocument&)> op;
};

TEST(EditOperations, FailuresChangeNothingAndSayWhy) {
  const FailCase cases[] = {
      {"select frame 4", [](LayoutDocument& d) { return selectFrame(d, 4); }},
      {"rename the base entry", [](LayoutDocument& d) { return renameFrame(d, 0, "x"); }},
      {"rename to another frame's name", [](LayoutDocument& d) { return renameFrame(d, 1, "B"); }},
      {"rename to nothing", [](LayoutDocument& d) { return renameFrame(d, 1, ""); }},
      {"delete the base entry", [](LayoutDocument& d) { return deleteFrame(d, 0); }},
      {"show frame -1", [](LayoutDocument& d) { return setFrameShown(d, -1, true); }},
      {"move the base entry", [](LayoutDocument& d) { return moveFrames(d, {1, 0}, 5, 5); }},
      {"move a frame twice", [](LayoutDocument& d) { return moveFrames(d, {2, 2}, 5, 5); }},
      {"move by NaN", [](LayoutDocument& d) { return moveFrames(d, {1}, std::nan(""), 0); }},
      {"reshape a circle frame", [](LayoutDocument& d) { return setFrameRect(d, 3, 0, 0, 1, 1); }},
      {"reshape to infinity", [](LayoutDocument& d) { return setFrameRect(d, 1, 0, 0, std::numeric_limits<double>::infinity(), 1); }},
      {"delete line 3", [](LayoutDocument& d) { return deleteLine(d, 3); }},
      {"select sheet 2", [](LayoutDocument& d) { return selectSheet(d, 2); }},
      {"rename a sheet to the other's name", [](LayoutDocument& d) { return renameSheet(d, 0, "layout3"); }},
      {"move sheet 0 to 2", [](LayoutDocument& d) { return moveSheet(d, 0, 2); }},
      {"paper A5", [](LayoutDocument& d) { return setPaper(d, 5); }},
      {"layers of frame 9", [](LayoutDocument& d) { return setFrameLayers(d, 9, 0, {}); }},
  };
  for (const FailCase& c : cases) {
    LayoutDocument doc = ThreeFrames();
    const Status s = c.op(doc);
    EXPECT_FALSE(s.ok()) << c.what;
    if (!s.ok()) {
      EXPECT_FALSE(s.error().message.empty()) << c.what;
    }
    EXPECT_EQ(doc, ThreeFrames()) << c.what;
  }
  LayoutDocument single;
  EXPECT_FALSE(deleteSheet(single, 0).ok()) << "the only sheet stays";
}

TEST(EditOperations, DeleteFrameKeepsTheLaterNamesShapesAndTicks) {
  LayoutDocument doc = ThreeFrames();
  ASSERT_TRUE(deleteFrame(doc, 2));
  SW_EXPECT_CONSISTENT(doc);
  const CLayMain& s = doc.Sheets[0];
  EXPECT_EQ(s.frameHigh, 2);
  EXPECT_EQ(s.frames[2].name, "C");
  EXPECT_EQ(s.circles[2].radius, 5);
  EXPECT_EQ(s.shown, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(s.selectedFrame, 2) << "the frame that moved into its place";
  ASSERT_TRUE(deleteFrame(doc, 2));
  EXPECT_EQ(doc.Sheets[0].selectedFrame, 1) << "else the new last one";
}

TEST(EditOperations, FramesMoveReshapeAndTakeLayers) {
  LayoutDocument doc = ThreeFrames();
  ASSERT_TRUE(moveFrames(doc, {1, 3}, 5, -2));
  ASSERT_TRUE(moveFrames(doc, {1}, 1, 1));
  ASSERT_TRUE(setFrameRect(doc, 2, 40, 30, 10, -5));
  std::array<JWWLayerGroupState, 16> groups{};
  groups[4].state = 3;
  ASSERT_TRUE(setFrameLayers(doc, 2, 4, groups));
  ASSERT_TRUE(deleteLine(doc, 1));
  ASSERT_TRUE(renameFrame(doc, 1, "A"));  // its own name
  SW_EXPECT_CONSISTENT(doc);
  const CLayMain& s = doc.Sheets[0];
  EXPECT_EQ(s.frames[1].dx, 6);
  EXPECT_EQ(s.frames[1].dy, -1);
  EXPECT_EQ(s.frames[3].dx, 5);
  EXPECT_EQ(s.frames[2].dx, 0);
  EXPECT_EQ(s.rects[2], (CLayRect{1200, 10, -5, 40, 30}));
  EXPECT_EQ(s.frames[2].writeGroup, 4);
  EXPECT_EQ(s.frames[2].groups[4].state, 3);
  EXPECT_EQ(s.lineHigh, 1);
  EXPECT_EQ(s.lines[1].x1, 0) << "the vertical line moved down";
  EXPECT_EQ(s.lines[1].x2, 0);
}

TEST(EditOperations, SheetsTakeTheFirstFreeNames) {
  LayoutDocument doc = ThreeFrames();
  EXPECT_EQ(addSheet(doc), 2);
  EXPECT_EQ(addSheet(doc), 3);
  EXPECT_EQ(doc.head.sheetNames, (std::vector<std::string>{"layout1", "layout3", "layout2", "layout4"}));
  EXPECT_EQ(doc.head.currentSheet, 3);
  const CLayMain& added = doc.Sheets[3];
  EXPECT_EQ(added.frameHigh, 0);
  EXPECT_EQ(added.lineHigh, 0);
  EXPECT_EQ(added.shown, std::vector<bool>{true}) << "sheet 0's base tick";
  ASSERT_TRUE(selectSheet(doc, 0));
  ASSERT_TRUE(renameSheet(doc, 0, "layout1(1)"));
  EXPECT_EQ(copySheet(doc), 4);
  EXPECT_EQ(doc.head.sheetNames[4], "layout1(1)(1)");
  EXPECT_EQ(doc.Sheets[4], doc.Sheets[0]) << "a whole copy";
  doc.Sheets[4].frames[1].name = "changed";
  EXPECT_EQ(doc.Sheets[0].frames[1].name, "A") << "and an independent one";
  SW_EXPECT_CONSISTENT(doc);
}

struct DeleteCase {
  int sheets, current, deleted, currentAfter;
};

TEST(EditOperations, DeletingASheetSelectsTheOneInItsPlaceElseTheLast) {
  const DeleteCase cases[] = {{3, 2, 2, 1}, {3, 1, 1, 1}, {3, 0, 0, 0}, {2, 0, 1, 0}};
  for (const DeleteCase& c : cases) {
    LayoutDocument doc;
    for (int i = 1; i < c.sheets; ++i) addSheet(doc);
    ASSERT_TRUE(selectSheet(doc, c.current));
    const std::string next = c.deleted + 1 < c.sheets ? doc.head.sheetNames[c.deleted + 1] : "";
    ASSERT_TRUE(deleteSheet(doc, c.deleted));
    SW_EXPECT_CONSISTENT(doc);
    EXPECT_EQ(doc.head.currentSheet, c.currentAfter) << c.sheets << " sheets, deleting " << c.deleted;
    if (!next.empty()) {
      EXPECT_EQ(doc.head.sheetNames[c.deleted], next);
    }
  }
}

struct MoveCase {
  int from, to, current, currentAfter;
  std::vector<std::string> names;
};

TEST(EditOperations, MovingASheetMovesItsNameAndTheCurrentSheetFollows) {
  const MoveCase cases[] = {{0, 2, 0, 2, {"b", "c", "a", "d"}},
                            {3, 1, 3, 1, {"a", "d", "b", "c"}},
                            {0, 2, 1, 0, {"b", "c", "a", "d"}},
                            {3, 1, 2, 3, {"a", "d", "b", "c"}},
                            {1, 1, 3, 3, {"a", "b", "c", "d"}}};
  for (const MoveCase& c : cases) {
    LayoutDocument doc;
    doc.head.sheetNames = {"a", "b", "c", "d"};
    doc.head.sheetHigh = 3;
    doc.Sheets.assign(4, MakeEmptySheet());
    for (int i = 0; i < 4; ++i) doc.Sheets[static_cast<std::size_t>(i)].frames[0].dx = i;
    doc.head.currentSheet = c.current;
    ASSERT_TRUE(moveSheet(doc, c.from, c.to));
    SW_EXPECT_CONSISTENT(doc);
    EXPECT_EQ(doc.head.sheetNames, c.names) << c.from << "->" << c.to;
    EXPECT_EQ(doc.head.currentSheet, c.currentAfter) << c.from << "->" << c.to;
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(doc.Sheets[static_cast<std::size_t>(i)].frames[0].dx, c.names[static_cast<std::size_t>(i)][0] - 'a')
          << "the sheet moved with its name";
  }
}

}  // namespace
}  // namespace sw
