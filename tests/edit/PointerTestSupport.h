// Driving the pointer handlers in tests: an overlay that records what was
// drawn straight onto the drawing area, and a loaded workspace with a
// fitted view to click on.
#pragma once

#include <string>
#include <vector>

#include "edit/CommandsTestSupport.h"
#include "edit/CommandsView.h"
#include "edit/PointerEngine.h"
#include "render/RecordingCanvas.h"

namespace sw::test {

class RecordingOverlay : public Overlay {
 public:
  RecordingCanvas canvas;
  std::vector<std::string> labels;  // every label shown, "" when hidden
  std::vector<PixelPoint> shifts;   // the pan picture's offsets
  int invalidations = 0;

  void draw(const std::function<void(Canvas&)>& paint) override { paint(canvas); }
  void invalidate() override { ++invalidations; }
  void pause(int) override {}
  void showLabel(const std::string& text, int, int) override { labels.push_back(text); }
  void showBufferShifted(int dx, int dy) override { shifts.push_back({dx, dy}); }
  void setPanCursor(bool) override {}
};

// A drawing on A3 loaded into a window whose drawing area is 600 x 400.
struct PointerBench : LoadedWorkspace {
  RecordingOverlay overlay;
  PointerInput in{ws, shell, prompts, overlay};

  explicit PointerBench(const std::string& drawingFile) {
    SetUpStartWorkspace(ws, BoxSize{600, 400});
    WriteCommandsDrawing(drawingFile);
    LoadBase(*this, drawingFile);
  }

  PointerEvent At(int x, int y) const {
    PointerEvent e;
    e.x = x;
    e.y = y;
    return e;
  }
  // A click of `button` pressed and released at (x, y); a right click may
  // be released elsewhere.
  void Click(PointerButton button, int x, int y) { Press(button, x, y), Release(button, x, y); }
  void Press(PointerButton button, int x, int y, bool otherHeld = false) {
    PointerEvent e = At(x, y);
    e.button = button;
    e.leftHeld = button == PointerButton::Left || (otherHeld && button == PointerButton::Right);
    e.rightHeld = button == PointerButton::Right || (otherHeld && button == PointerButton::Left);
    e.middleHeld = button == PointerButton::Middle;
    PaintBox1MouseDown(in, e);
  }
  void Release(PointerButton button, int x, int y, bool otherHeld = false) {
    PointerEvent e = At(x, y);
    e.button = button;
    e.leftHeld = otherHeld && button == PointerButton::Right;
    e.rightHeld = otherHeld && button == PointerButton::Left;
    PaintBox1MouseUp(in, e);
  }
  void Move(int x, int y, bool left = false, bool right = false) {
    PointerEvent e = At(x, y);
    e.leftHeld = left;
    e.rightHeld = right;
    PaintBox1MouseMove(in, e);
  }
  // The paint-box pixel of a paper point.
  PixelPoint Pixel(double x, double y) const { return BoxPixel(ws.view, PaperPoint{x, y}); }
};

}  // namespace sw::test
