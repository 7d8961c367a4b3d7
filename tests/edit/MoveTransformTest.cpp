// Moving frames by a picked displacement and shifting a side of the
// current frame by its handles, through the click engine.
#include <gtest/gtest.h>

#include "edit/EditDocument.h"
#include "edit/PointerTestSupport.h"
#include "edit/tools/MoveTransform.h"
#include "layout/Operations.h"

namespace sw {
namespace {

using test::CommandsScratch;
using test::PointerBench;

// Frames 1..3 (rectangles) on the loaded drawing, frame 2 at offset
// (10, 5); frame 3 current.
void AddFrames(PointerBench& b) {
  ASSERT_TRUE(Commit(b.ws, "setup", [](LayoutDocument& d) -> Status {
    for (const char* name : {"a", "b", "c"})
      if (Status s = addFrame(d, kFrameRect, name, {-100, -50}, {-20, 30}); !s) return s;
    return moveFrames(d, {2}, 10, 5);
  }));
  ResetHistory(b.ws.history);
}

// A click at a paper point, as a left click would make it.
void ClickAt(PointerBench& b, double x, double y, bool snap = false) {
  const PixelPoint p = b.Pixel(x, y);
  PointerClick(b.in, p.x, p.y, snap);
}

struct MoveCase {
  const char* name;
  bool suihei, suityoku;
  double ddx, ddy;  // offset change of the moved frames
};

TEST(Move, DisplacementBentByTheDirectionBoxes) {
  const MoveCase cases[] = {{"neither", false, false, 30, 40},
                            {"X only", true, false, 30, 0},
                            {"Y only", false, true, 0, 40},
                            {"both: taller than wide changes only dy", true, true, 0, 40}};
  for (const MoveCase& c : cases) {
    CommandsScratch dir;
    PointerBench b(dir.file("plan.jww"));
    AddFrames(b);
    b.ws.tree.Selected = {1, 3};
    SetDirectionBoxes(b.ws, c.suihei, c.suityoku);
    MoveTool(b.ws, b.shell, b.prompts);
    ASSERT_EQ(b.ws.tool.ToolMode, 150);
    ClickAt(b, 0, 0);
    EXPECT_EQ(b.ws.tool.ToolMode, 250);
    ClickAt(b, 30, -40);  // displacement (30, -40) on the paper: 40 down
    EXPECT_EQ(b.ws.tool.ToolMode, 150) << c.name;
    const CLayMain& s = CurrentSheet(b.ws.document);
    for (int j : {1, 3}) {
      EXPECT_NEAR(s.frames[j].dx, c.ddx, 0.6) << c.name << " frame " << j;
      EXPECT_NEAR(s.frames[j].dy, c.ddy, 0.6) << c.name << " frame " << j;
    }
    EXPECT_EQ(s.frames[2].dx, 10) << "an unselected frame keeps its offset";
    EXPECT_EQ(b.ws.history.undo.size(), 1u) << "one step for all frames";
  }
}

TEST(Move, WithTheBaseDrawingCurrentTheToolEnds) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  AddFrames(b);
  MoveTool(b.ws, b.shell, b.prompts);
  ClickAt(b, 0, 0);
  ASSERT_TRUE(selectFrame(b.ws.document, 0));
  b.ws.tree.Selected.clear();
  ClickAt(b, 30, 30);
  EXPECT_EQ(b.prompts.texts().back(), "元ファイルは移動出来ません。");
  EXPECT_EQ(b.ws.tool.ToolMode, 0) << "not stuck at 1250";
  EXPECT_FALSE(b.shell.isPressed(Cmd::ChangeMove));
  EXPECT_TRUE(b.ws.history.undo.empty());
}

struct SideCase {
  const char* name;
  int handle;                 // 1..4: x1, y1, x2, y2 side
  double endX, endY;          // paper point of the end click
  bool accepted;
  CLayRect after;             // frame 2's rectangle (its offset is (10, 5))
};

// Frame 2 lies on the paper at x -90..-10, y -55..25. A right click on a
// handle starts exactly there, so the side lands on the end point.
TEST(Transform, SidesMoveByTheDisplacementOrAreRefused) {
  const SideCase cases[] = {
      {"x2 side outwards", 3, 20, 0, true, {1200, -100, -50, 10, 30}},
      {"x1 side onto x2: zero width", 1, -10, 0, true, {1200, -20, -50, -20, 30}},
      {"x1 side past x2", 1, 0, 0, false, {1200, -100, -50, -20, 30}},
      {"y2 side down", 4, 0, 0, true, {1200, -100, -50, -20, 5}},
      {"y1 side past y2", 2, 0, 40, false, {1200, -100, -50, -20, 30}},
  };
  for (const SideCase& c : cases) {
    CommandsScratch dir;
    PointerBench b(dir.file("plan.jww"));
    AddFrames(b);
    ASSERT_TRUE(selectFrame(b.ws.document, 2));
    TransformTool(b.ws, b.shell, b.prompts);
    ASSERT_EQ(b.ws.tool.ToolMode, 170);
    const PaperRectMm r = FrameOnPaperOf(CurrentSheet(b.ws.document), 2);
    const PaperPoint handles[] = {{r.x1, (r.y1 + r.y2) / 2}, {(r.x1 + r.x2) / 2, r.y1},
                                  {r.x2, (r.y1 + r.y2) / 2}, {(r.x1 + r.x2) / 2, r.y2}};
    const PaperPoint h = handles[c.handle - 1];
    HoverHandles(b.in, h);
    ASSERT_EQ(b.ws.tool.ToolMode, 170 + c.handle) << c.name;
    ClickAt(b, h.x, h.y, true);
    ASSERT_EQ(b.ws.tool.ToolMode, 270 + c.handle) << c.name;
    EXPECT_EQ(b.ws.transform.TransformStart, h) << "a right click starts on the handle itself";
    b.ws.transform.TransformEnd = {};
    TransformClick(b.in, {c.endX, c.endY}, false);
    const CLayRect& got = CurrentSheet(b.ws.document).rects[2];
    EXPECT_EQ(got, c.after) << c.name;
    EXPECT_EQ(b.ws.tool.ToolMode, c.accepted ? 170 : 0) << c.name;
    EXPECT_EQ(b.ws.history.undo.size(), c.accepted ? 1u : 0u) << c.name;
    if (!c.accepted) {
      EXPECT_EQ(b.prompts.texts().back(), "変形不可能です。");
      EXPECT_FALSE(b.ws.tool.TransformHandles);
    }
  }
}

TEST(Transform, ACircleFrameTakesTheNewWidthAsItsDiameter) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  ASSERT_TRUE(Commit(b.ws, "setup", [](LayoutDocument& d) { return addFrame(d, kFrameCircle, "o", {0, 0}, {0, 20}); }));
  TransformTool(b.ws, b.shell, b.prompts);
  HoverHandles(b.in, {20, 0});
  ASSERT_EQ(b.ws.tool.ToolMode, 173);
  ClickAt(b, 20, 0, true);
  TransformClick(b.in, {40, 0}, false);
  const CLayCircle& c = CurrentSheet(b.ws.document).circles[1];
  EXPECT_DOUBLE_EQ(c.radius, 30);
  EXPECT_DOUBLE_EQ(c.cx, 10) << "the opposite side stays at x = -20";
  EXPECT_DOUBLE_EQ(c.cy, 0);
}

}  // namespace
}  // namespace sw
