// The pointer handlers of the drawing area: mouse down, move and up, the
// click engine PointerClick and the wheel. A left click acts at the press
// point, a right click at the release point and snaps to an existing point;
// holding both buttons makes a zoom gesture, never a click; the middle
// button pans. Bands, marks and the pan picture go through the overlay;
// edits go through the write path and are undoable.
#pragma once

#include "edit/CommandsState.h"
#include "edit/Overlay.h"
#include "edit/PointerEvent.h"
#include "edit/Prompts.h"
#include "edit/Workspace.h"

namespace sw {

// What the handlers work on.
struct PointerInput {
  Workspace& ws;
  ShellState& shell;
  Prompts& prompts;
  Overlay& overlay;
};

// Prompts of the second point.
inline constexpr const char* kPromptEndPoint = "終了点を指示して下さい。";
inline constexpr const char* kPromptMoveEnd = "移動終了点を指示して下さい。";

void PaintBox1MouseDown(PointerInput& in, const PointerEvent& e);
void PaintBox1MouseMove(PointerInput& in, const PointerEvent& e);
void PaintBox1MouseUp(PointerInput& in, const PointerEvent& e);
// A wheel turn at the pointer: zooms about it (the wheel setting decides the
// direction); limits are refused silently.
void PaintBox1Wheel(PointerInput& in, const PointerEvent& e);

// "X方向" (cbSuihei) and "Y方向" (cbSuityoku) as ticked.
void SetDirectionBoxes(Workspace& ws, bool suihei, bool suityoku);

// The click engine at paint-box pixel (px, py); `snap` for a right click.
void PointerClick(PointerInput& in, int px, int py, bool snap);

// Paint-box pixel of a paper point, and paper point of a paint-box pixel.
PixelPoint BoxPixel(const ViewState& view, PaperPoint p);
PaperPoint BoxPaper(const ViewState& view, int px, int py);

}  // namespace sw
