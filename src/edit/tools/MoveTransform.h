// Moving the selected frames by a picked displacement, and the transform
// tool that shifts one side of the current frame by its handles.
#pragma once

#include <vector>

#include "edit/PointerEngine.h"

namespace sw {

inline constexpr const char* kMsgTransformRefused = "変形不可能です。";
inline constexpr const char* kPromptTransformEnd = "変形終了点を指示して下さい。";

// Frame j's extent on the paper, mm: its rectangle (a circle frame: the
// square around its circle) moved by its offset.
PaperRectMm FrameOnPaperOf(const CLayMain& sheet, std::int32_t j);

// The frames a move acts on: those selected in the frame tree, in
// selection order, else the current frame; the base entry never.
std::vector<std::int32_t> FramesToMove(const Workspace& ws);

// The move band: every frame to move shifted by the pointer's displacement
// from the first point, and the line from the first point to the pointer,
// in XOR (drawing it twice erases it).
void DrawMoveBand(PointerInput& in, PixelPoint pointer);
// ToolMode 1250: the frames to move take the displacement from FirstPoint
// to `clicked` (the point as clicked, or as snapped), bent by the direction
// boxes. With the base drawing current the move tool ends with its message.
bool CommitMove(PointerInput& in, PaperPoint clicked);

// The four handles of the current frame, opaque: the one under the pointer
// (ToolMode 171..174, 271..274) in the transform colour, the others in the
// layout colour. Nothing unless the transform tool is on a frame >= 1.
void DrawTransformHandles(Canvas& canvas, const Workspace& ws);
// ToolMode 170..174 on a move: the handle within 4 pixels becomes the
// pointed one (170 + k), else 170; the handles are drawn again.
void HoverHandles(PointerInput& in, PaperPoint at);
// ToolMode 271..274 on a move: the band of the side being dragged.
void DrawTransformBand(PointerInput& in, PaperPoint at);
// Erases the transform band when it is shown.
void EraseTransformBand(PointerInput& in);
// A click in 171..174 (the start) or 271..274 (the end, committing).
void TransformClick(PointerInput& in, PaperPoint at, bool snap);

}  // namespace sw
