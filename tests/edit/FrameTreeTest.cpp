// The frame tree's rules against a workspace: choosing nodes with Ctrl and
// Shift, the base drawing ending a transform, the check boxes, deleting a
// frame, and the flashes on the drawing area.
#include <gtest/gtest.h>

#include <vector>

#include "edit/Commands.h"
#include "edit/CommandsFrameTree.h"
#include "edit/CommandsView.h"
#include "edit/EditDocument.h"
#include "edit/PointerEngine.h"
#include "layout/Operations.h"
#include "render/RecordingCanvas.h"
#include "support/ScriptedPrompts.h"

namespace sw {
namespace {

using Frames = std::vector<std::int32_t>;

// A loaded layout on a 600 x 400 drawing area whose sheet has rectangle
// frames "A", "B", "C" (all ticked, B offset by (5, 8)); frame 3 current.
struct Tree {
  Workspace ws;
  ShellState shell = StartShell();
  test::ScriptedPrompts prompts;

  Tree() {
    SetUpStartWorkspace(ws, BoxSize{600, 400});
    ws.tool.BaseLoaded = true;
    LayoutDocument& d = ws.document;
    EXPECT_TRUE(setFrameShown(d, 0, true));
    for (const char* name : {"A", "B", "C"}) {
      EXPECT_TRUE(addFrame(d, kFrameRect, name, {-50, -20}, {10, 30}));
      EXPECT_TRUE(setFrameShown(d, CurrentSheet(d).frameHigh, true));
    }
    EXPECT_TRUE(moveFrames(d, {2}, 5, 8));
    ApplyBackdropRule(ws);
    ResetHistory(ws.history);
    ws.tool.Modified = false;
    ResetTreeSelection(ws);
  }
  const CLayMain& sheet() const { return CurrentSheet(ws.document); }
  std::int32_t current() const { return sheet().selectedFrame; }
};

struct ClickCase {
  const char* name;
  Frames selected;
  std::int32_t current;
  std::int32_t k;
  bool ctrl, shift;
  Frames wantSelected;
  std::int32_t wantCurrent;
};
void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class FrameTreeClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(FrameTreeClick, SelectsAndMakesCurrentWithoutAnEdit) {
  const ClickCase& c = GetParam();
  Tree t;
  ASSERT_TRUE(selectFrame(t.ws.document, c.current));
  t.ws.tree.Selected = c.selected;
  ASSERT_TRUE(ClickFrameNode(t.ws, t.shell, c.k, c.ctrl, c.shift));
  EXPECT_EQ(t.ws.tree.Selected, c.wantSelected);
  EXPECT_EQ(t.current(), c.wantCurrent);
  EXPECT_EQ(t.shell.layerPanelsEnabled, c.wantCurrent >= 1);
  EXPECT_TRUE(t.shell.req.changed);
  EXPECT_TRUE(t.ws.history.undo.empty()) << "choosing a node is no undo step";
  EXPECT_FALSE(t.ws.tool.Modified);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FrameTreeClick,
    ::testing::Values(ClickCase{"PlainSelectsOnlyIt", {1, 3}, 1, 2, false, false, {2}, 2},
                      ClickCase{"CtrlWithNothingSelected", {}, 3, 2, true, false, {2}, 2},
                      ClickCase{"CtrlOnASelectedNodeMakesItCurrent", {1, 3}, 1, 3, true, false, {1, 3}, 3},
                      ClickCase{"CtrlAddsAndKeepsTheCurrent", {1}, 1, 3, true, false, {1, 3}, 1},
                      ClickCase{"CtrlOnTheUnselectedCurrent", {2}, 3, 3, true, false, {2, 3}, 2},
                      ClickCase{"CtrlReselectsTheCurrent", {2}, 1, 3, true, false, {2, 1, 3}, 1},
                      ClickCase{"CtrlWinsOverShift", {1}, 1, 3, true, true, {1, 3}, 1},
                      ClickCase{"ShiftRunDown", {1}, 1, 3, false, true, {1, 2, 3}, 3},
                      ClickCase{"ShiftRunUpToTheRoot", {3}, 3, 0, false, true, {3, 2, 1, 0}, 0},
                      ClickCase{"ShiftWithNothingSelected", {}, 1, 3, false, true, {3}, 3},
                      ClickCase{"StaleNodesAreDropped", {7, 1, 1}, 1, 2, true, false, {1, 2}, 1}));

struct ToolCase {
  const char* name;
  std::int32_t mode;  // ToolMode when the node is chosen
  std::int32_t k;
  std::int32_t wantMode;
  bool wantTransform;  // TransformHandles set and the button down
};
void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.name; }

class FrameTreeTransform : public ::testing::TestWithParam<ToolCase> {};

TEST_P(FrameTreeTransform, OnlyTheRootEndsAWaitingTransform) {
  const ToolCase& c = GetParam();
  Tree t;
  TransformTool(t.ws, t.shell, t.prompts);
  ASSERT_EQ(t.ws.tool.ToolMode, kModeTransform);
  t.ws.tool.ToolMode = c.mode;
  t.shell.req = {};
  ASSERT_TRUE(ClickFrameNode(t.ws, t.shell, c.k, false, false));
  EXPECT_EQ(t.ws.tool.ToolMode, c.wantMode);
  EXPECT_EQ(t.ws.tool.TransformHandles, c.wantTransform);
  EXPECT_EQ(t.shell.isPressed(Cmd::ChangeTransform), c.wantTransform);
  EXPECT_TRUE(t.shell.req.invalidate) << "the handles are painted away or follow the new frame";
}

INSTANTIATE_TEST_SUITE_P(Modes, FrameTreeTransform,
                         ::testing::Values(ToolCase{"RootEndsTheTool", 170, 0, 0, false},
                                           ToolCase{"RootEndsAHeldHandle", 173, 0, 0, false},
                                           ToolCase{"AFrameKeepsIt", 170, 2, 170, true}));

struct CheckCase {
  const char* name;
  std::int32_t k;
  bool checked;
  std::int32_t wantBackdrop;
  std::size_t wantSteps;
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class FrameTreeCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(FrameTreeCheck, IsOneUndoableStep) {
  const CheckCase& c = GetParam();
  Tree t;
  ASSERT_EQ(t.ws.redraw.BackdropMode, 1);
  const LayoutDocument before = t.ws.document;
  ASSERT_TRUE(SetFrameNodeChecked(t.ws, t.shell, c.k, c.checked));
  EXPECT_EQ(t.sheet().shown[static_cast<std::size_t>(c.k)], c.checked);
  EXPECT_EQ(t.ws.redraw.BackdropMode, c.wantBackdrop);
  EXPECT_EQ(t.ws.history.undo.size(), c.wantSteps);
  EXPECT_EQ(t.ws.tool.Modified, c.wantSteps == 1);
  EXPECT_TRUE(t.shell.req.redraw && t.shell.req.invalidate);
  if (c.wantSteps == 0) return;
  ASSERT_TRUE(UndoCommand(t.ws, t.shell));
  EXPECT_EQ(t.ws.document, before);
  EXPECT_EQ(t.ws.redraw.BackdropMode, 1) << "undo shows the backdrop again";
}

INSTANTIATE_TEST_SUITE_P(Boxes, FrameTreeCheck,
                         ::testing::Values(CheckCase{"UntickingTheRootHidesTheBackdrop", 0, false, 0, 1},
                                           CheckCase{"UntickingAFrame", 2, false, 1, 1},
                                           CheckCase{"TickingATickedBoxIsNoStep", 1, true, 1, 0}));

TEST(FrameTree, DeletingFrameTwoOfThreeMovesTheThirdWithItsTick) {
  Tree t;
  ASSERT_TRUE(SetFrameNodeChecked(t.ws, t.shell, 3, false));
  ResetHistory(t.ws.history);
  ASSERT_TRUE(ClickFrameNode(t.ws, t.shell, 2, false, false));
  const LayoutDocument before = t.ws.document;
  ASSERT_TRUE(DeleteCurrentFrame(t.ws, t.shell));
  ASSERT_EQ(t.sheet().frameHigh, 2);
  EXPECT_EQ(t.sheet().frames[2].name, "C");
  EXPECT_EQ(t.sheet().shown, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(t.current(), 2);
  EXPECT_EQ(t.ws.tree.Selected, Frames{2});
  EXPECT_EQ(t.ws.history.undo.size(), 1u);
  ASSERT_TRUE(UndoCommand(t.ws, t.shell));
  EXPECT_EQ(t.ws.document, before);
}

TEST(FrameTree, DeletingTheLastFrameResetsTheTools) {
  Tree t;
  MoveTool(t.ws, t.shell, t.prompts);
  ASSERT_EQ(t.ws.tool.ToolMode, kModeMove);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(DeleteCurrentFrame(t.ws, t.shell));
  EXPECT_EQ(t.sheet().frameHigh, 0);
  EXPECT_EQ(t.current(), 0);
  EXPECT_EQ(t.ws.tool.ToolMode, kModeIdle);
  EXPECT_FALSE(t.shell.isPressed(Cmd::ChangeMove));
  EXPECT_FALSE(t.shell.layerPanelsEnabled);
  EXPECT_FALSE(DeleteCurrentFrame(t.ws, t.shell)) << "the base drawing is never deleted";
  EXPECT_EQ(t.ws.history.undo.size(), 3u);
}

// An overlay that records the drawing, the pauses and invalidations in order.
struct FlashOverlay : Overlay {
  RecordingCanvas canvas;
  std::vector<std::string> steps;
  void draw(const std::function<void(Canvas&)>& paint) override {
    steps.push_back("draw");
    paint(canvas);
  }
  void invalidate() override { steps.push_back("invalidate"); }
  void pause(int ms) override { steps.push_back("pause " + std::to_string(ms)); }
  void showLabel(const std::string&, int, int) override {}
  void showBufferShifted(int, int) override {}
  void setPanCursor(bool) override {}
};

TEST(FrameTree, MoveButtonFlashesTheSelectedRectanglesOpaque) {
  Tree t;
  ASSERT_TRUE(addFrame(t.ws.document, kFrameCircle, "O", {0, 0}, {5, 0}));
  t.ws.tree.Selected = {0, 2, 4, 1};  // the root and the circle do not flash
  t.shell.pressed[Index(Cmd::ChangeMove)] = true;
  FlashOverlay o;
  FrameTreeDoubleClick(t.ws, t.shell, o);
  EXPECT_EQ(o.steps, (std::vector<std::string>{"draw", "pause 300", "invalidate"}));
  const auto fills = o.canvas.Of(CanvasOp::FillRect);
  ASSERT_EQ(fills.size(), 2u);
  // Frame 2 lies on the paper at its rectangle moved by (+dx, -dy).
  const PixelPoint topLeft = BoxPixel(t.ws.view, {-45, 22}), bottomRight = BoxPixel(t.ws.view, {15, -28});
  EXPECT_EQ(fills[0].rect, (CanvasRect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}));
  EXPECT_EQ(fills[0].color, t.ws.styles.GreyColor);
}

TEST(FrameTree, OtherwiseTheCurrentFrameFlashesInXorAndIsErased) {
  Tree t;
  FlashOverlay o;
  FrameTreeDoubleClick(t.ws, t.shell, o);
  EXPECT_EQ(o.steps, (std::vector<std::string>{"draw", "pause 300", "draw"}));
  const auto fills = o.canvas.Of(CanvasOp::Rectangle);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0], fills[1]);
  EXPECT_EQ(fills[0].pen.mode, PenMode::Xor);
  EXPECT_EQ(fills[0].brush, (Brush{t.ws.styles.GreyColor, BrushStyle::Solid}));
  EXPECT_EQ(fills[0].rect, *FrameFlashRect(t.ws, 3));

  FlashOverlay none;
  ClearFrameTreeSelection(t.ws, t.shell);
  FrameTreeDoubleClick(t.ws, t.shell, none);  // nothing selected
  ClickFrameNode(t.ws, t.shell, 0, false, false);
  FrameTreeDoubleClick(t.ws, t.shell, none);  // the base drawing
  EXPECT_TRUE(none.steps.empty());
}

}  // namespace
}  // namespace sw
