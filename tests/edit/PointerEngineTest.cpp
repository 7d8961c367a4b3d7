// The pointer handlers driven by scripted mouse events against a workspace:
// each tool's cycle, snapping, the direction boxes, the delete search, and
// the gestures that are no clicks.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/PointerTestSupport.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"

namespace sw {
namespace {

using test::CommandsScratch;
using test::PointerBench;
using B = PointerButton;

TEST(PointerEngine, RectangleFrameCycleWithItsBandAndAnUndo) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  RectangleTool(b.ws, b.shell);
  const PixelPoint first = b.Pixel(-100, 50), second = b.Pixel(-20, -30);
  b.Click(B::Left, first.x, first.y);
  EXPECT_EQ(b.ws.tool.ToolMode, 200);
  EXPECT_EQ(b.shell.status1, "終了点を指示して下さい。");
  b.Move(second.x - 10, second.y);
  b.Move(second.x, second.y);
  // Drawn, erased and drawn again, all in XOR.
  const auto bands = b.overlay.canvas.Of(CanvasOp::Rectangle);
  ASSERT_EQ(bands.size(), 3u);
  EXPECT_EQ(bands[2].rect, (CanvasRect{first.x, first.y, second.x, second.y}));
  EXPECT_EQ(bands[2].pen.mode, PenMode::Xor);
  EXPECT_TRUE(b.ws.pointer.RubberShown);

  b.prompts.nameTexts = {"R"};
  b.Click(B::Left, second.x, second.y);
  EXPECT_EQ(b.overlay.canvas.Of(CanvasOp::Rectangle).size(), 4u) << "the press erased the band";
  const CLayMain& sheet = CurrentSheet(b.ws.document);
  ASSERT_EQ(sheet.frameHigh, 1);
  const CLayRect& r = sheet.rects[1];
  EXPECT_NEAR(r.x1, -100, 1);
  EXPECT_NEAR(r.y1, -30, 1);
  EXPECT_NEAR(r.x2, -20, 1);
  EXPECT_NEAR(r.y2, 50, 1);
  EXPECT_TRUE(sheet.shown[1]);
  EXPECT_EQ(b.ws.tool.ToolMode, 100) << "the tool waits for the next frame";
  EXPECT_TRUE(b.ws.tool.Modified);
  EXPECT_TRUE(b.shell.isEnabled(Cmd::ChangeMove));
  EXPECT_TRUE(b.shell.req.redraw && b.shell.req.changed);
  EXPECT_EQ(b.shell.status1, "");
  ASSERT_TRUE(UndoCommand(b.ws, b.shell));
  EXPECT_EQ(CurrentSheet(b.ws.document).frameHigh, 0);
}

TEST(PointerEngine, ACancelledNameSwallowsTheNextClick) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  RectangleTool(b.ws, b.shell);
  b.Click(B::Left, 100, 100);
  b.Click(B::Left, 200, 150);  // no name typed: cancelled
  EXPECT_EQ(b.ws.tool.ToolMode, 10100);
  const PaperPoint kept = b.ws.pointer.FirstPoint;
  b.Click(B::Left, 300, 300);
  EXPECT_EQ(b.ws.tool.ToolMode, 100);
  EXPECT_EQ(b.ws.pointer.FirstPoint, kept);
  EXPECT_EQ(CurrentSheet(b.ws.document).frameHigh, 0);
}

struct SnapCase {
  int dx, dy;
  bool snaps;
};

// A right click near the paper corner (210, 148.5) of A3 snaps to it, and
// acts at the release point.
TEST(PointerEngine, RightClicksSnapWithinFivePixels) {
  for (const SnapCase& c : {SnapCase{4, 4, true}, SnapCase{-4, 3, true}, SnapCase{7, 0, false},
                            SnapCase{0, -7, false}}) {
    CommandsScratch dir;
    PointerBench b(dir.file("plan.jww"));
    RectangleTool(b.ws, b.shell);
    const PixelPoint corner = b.Pixel(210, 148.5);
    b.Press(B::Right, 5, 5);
    b.Release(B::Right, corner.x + c.dx, corner.y + c.dy);
    EXPECT_EQ(b.ws.tool.ToolMode, c.snaps ? 200 : 100) << c.dx << "," << c.dy;
    if (c.snaps) {
      EXPECT_EQ(b.ws.pointer.FirstPoint, (PaperPoint{210, 148.5}));
      EXPECT_EQ(b.overlay.canvas.Count(CanvasOp::Ellipse), 1u) << "the found point is marked";
    }
  }
}

// With "X方向" ticked a line stays horizontal; a rectangle keeps its height.
TEST(PointerEngine, DirectionBoxesBendLinesNotFrames) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  SetDirectionBoxes(b.ws, true, false);
  AuxLineTool(b.ws, b.shell);
  const PixelPoint a = b.Pixel(-50, 20), c = b.Pixel(40, 60);
  b.Click(B::Left, a.x, a.y);
  b.Move(c.x, c.y);
  EXPECT_EQ(b.ws.pointer.DragPoint.y, a.y) << "the band is bent as well";
  b.Click(B::Left, c.x, c.y);
  const CLayMain& sheet = CurrentSheet(b.ws.document);
  ASSERT_EQ(sheet.lineHigh, 1);
  const CLayLine& l = sheet.lines[1];
  EXPECT_EQ(l.code, 1230);
  EXPECT_DOUBLE_EQ(l.y1, l.y2);
  EXPECT_DOUBLE_EQ(std::min(l.x1, l.x2), -210) << "extended to the paper";
  EXPECT_DOUBLE_EQ(std::max(l.x1, l.x2), 210);
  EXPECT_EQ(b.ws.tool.ToolMode, 130);

  AuxLineTool(b.ws, b.shell);  // off
  RectangleTool(b.ws, b.shell);
  b.prompts.nameTexts = {"tall"};
  b.Click(B::Left, a.x, a.y);
  b.Click(B::Left, c.x, c.y);
  ASSERT_EQ(sheet.frameHigh, 1);
  EXPECT_GT(sheet.rects[1].y2 - sheet.rects[1].y1, 30) << "a frame is not flattened";
}

TEST(PointerEngine, DeleteLineTakesTheNearestLineAndNeverThePlaceholder) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  DeleteLineTool(b.ws, b.shell);
  const PixelPoint axis = b.Pixel(0, 100);
  b.Click(B::Left, axis.x, axis.y);
  EXPECT_FALSE(b.shell.isPressed(Cmd::LayDelLine)) << "an empty list releases the button";
  EXPECT_EQ(CurrentSheet(b.ws.document).lineHigh, 0);

  ASSERT_TRUE(Commit(b.ws, "x", [](LayoutDocument& d) {
    addLine(d, kAuxLineCode, {-10, 20}, {10, 20});
    return Status::Ok();
  }));
  DeleteLineTool(b.ws, b.shell);
  b.Click(B::Left, axis.x, axis.y);  // near x = 0, far from y = 20
  EXPECT_EQ(CurrentSheet(b.ws.document).lineHigh, 1) << "the placeholder is no line";
  const PixelPoint near = b.Pixel(150, 23);
  b.Click(B::Left, near.x, near.y);
  EXPECT_EQ(CurrentSheet(b.ws.document).lineHigh, 0);
  EXPECT_EQ(b.ws.tool.ToolMode, 300);
  ASSERT_TRUE(UndoCommand(b.ws, b.shell));
  EXPECT_EQ(CurrentSheet(b.ws.document).lineHigh, 1);
}

TEST(PointerEngine, BothButtonsMakeAGestureNeverAClick) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  RectangleTool(b.ws, b.shell);
  const double scale = b.ws.view.ViewScale;
  b.Press(B::Left, 300, 200);
  b.Press(B::Right, 300, 200, true);
  b.Release(B::Left, 300, 200, true);
  b.Release(B::Right, 300, 200);
  EXPECT_EQ(b.ws.tool.ToolMode, 100) << "no point was taken";
  EXPECT_EQ(b.ws.view.ViewScale, scale) << "a gesture within 10 pixels only centres";

  // Dragged right and down with both buttons: the label, the XOR box, then
  // the enlarged view.
  b.Press(B::Left, 200, 100);
  b.Press(B::Right, 200, 100, true);
  b.Move(300, 180, true, true);
  EXPECT_EQ(b.overlay.labels.back(), " 拡　大 ");
  EXPECT_TRUE(b.ws.pointer.ZoomBoxShown);
  b.Release(B::Right, 300, 180, true);
  EXPECT_GT(b.ws.view.ViewScale, scale);
  EXPECT_EQ(b.overlay.labels.back(), "");
  EXPECT_EQ(b.ws.tool.ToolMode, 100);
}

TEST(PointerEngine, MiddleButtonPansAndTheWheelZoomsAboutThePointer) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  const ViewState before = b.ws.view;
  b.Press(B::Middle, 300, 200);
  b.Move(350, 180);
  ASSERT_EQ(b.overlay.shifts.size(), 1u);
  EXPECT_EQ(b.overlay.shifts[0], (PixelPoint{50, -20}));
  b.Release(B::Middle, 350, 180);
  EXPECT_FALSE(b.ws.pointer.Panning);
  const double s = before.ViewScale;
  EXPECT_NEAR(b.ws.view.ViewWindow.left, before.ViewWindow.left - 50 / s, 1e-9);
  EXPECT_NEAR(b.ws.view.ViewWindow.top, before.ViewWindow.top - 20 / s, 1e-9);
  EXPECT_EQ(b.ws.tool.ToolMode, 0);

  const PaperPoint under = BoxPaper(b.ws.view, 120, 90);
  PointerEvent wheel = b.At(120, 90);
  wheel.wheelDelta = -120;  // towards the user: in, with the wheel setting 0
  PaintBox1Wheel(b.in, wheel);
  EXPECT_NEAR(b.ws.view.ViewScale, 1.5 * s, 1e-9);
  const PaperPoint after = BoxPaper(b.ws.view, 120, 90);
  EXPECT_NEAR(after.x, under.x, 1 / b.ws.view.ViewScale);
  EXPECT_NEAR(after.y, under.y, 1 / b.ws.view.ViewScale);
  EXPECT_TRUE(b.ws.history.undo.empty()) << "the view is no edit";
}

TEST(PointerEngine, PressesWaitForADrawing) {
  test::LoadedWorkspace w;
  SetUpStartWorkspace(w.ws, BoxSize{600, 400});
  test::RecordingOverlay overlay;
  PointerInput in{w.ws, w.shell, w.prompts, overlay};
  RectangleTool(w.ws, w.shell);
  PointerEvent e;
  e.button = PointerButton::Left;
  e.leftHeld = true;
  PaintBox1MouseDown(in, e);
  e.leftHeld = false;
  PaintBox1MouseUp(in, e);
  EXPECT_EQ(w.ws.tool.ToolMode, 100);
  EXPECT_FALSE(w.ws.pointer.GestureActive);
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// Another tool chosen while a band is up: the invalidation erased it, so
// the next press must not draw it again.
TEST(PointerEngine, ChoosingAnotherToolLeavesNoGhostBand) {
  CommandsScratch dir;
  PointerBench b(dir.file("plan.jww"));
  RectangleTool(b.ws, b.shell);
  b.Click(PointerButton::Left, 100, 100);
  b.Move(200, 150);
  ASSERT_TRUE(b.ws.pointer.RubberShown);
  AuxLineTool(b.ws, b.shell);
  const std::size_t drawn = b.overlay.canvas.Calls().size();
  b.Press(PointerButton::Left, 300, 300);
  EXPECT_EQ(b.overlay.canvas.Calls().size(), drawn);
}

}  // namespace
}  // namespace sw
