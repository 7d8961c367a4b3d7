// Drawing of point entities (CDataTen).
#pragma once

#include "render/Canvas.h"
#include "render/DrawContext.h"

namespace sw {

// Draws a point as a filled disk 0.6 drawing mm across in its pen colour.
// Skipped when its layer is hidden in the frame, when it lies outside (or on
// the border of) the view window in the grey backdrop pass, otherwise
// outside the frame or, moved by the frame offset, outside the view window.
// A temporary point selects its pen but is never drawn.
void DrawPoint(const DrawContext& ctx, Canvas& canvas, const CDataTen& point);

}  // namespace sw
