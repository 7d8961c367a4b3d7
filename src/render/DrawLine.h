// Drawing of line entities (CDataSen), drawing mm in, pixels out.
#pragma once

#include <string>
#include <vector>

#include "render/Canvas.h"
#include "render/DrawContext.h"

namespace sw {

// Draws one line: skipped when printing a line of pen colour 9 or when its
// layer is hidden in the frame; clipped to the view window (grey backdrop
// pass) or to the frame and then the view window; drawn solid (line types 1
// and 31), as a random line (11..15) or dashed with the line type's pattern
// and flat ends (other types up to 64); types above 64 are not drawn.
void DrawLine(const DrawContext& ctx, Canvas& canvas, const CDataSen& line);

// The polyline of a random line from p to q (pixels): one vertex every
// round(unit) pixels, trunc(length / unit) steps, each moved `amplitude`
// (rounded) pixels to the left of the direction when bit k of `bits` is '1'
// and to the right otherwise, k cycling 1..32. A line shorter than two
// steps, or a unit under one pixel, gives the straight segment.
std::vector<PixelPoint> RandomLinePoints(PixelPoint p, PixelPoint q, double unit,
                                         double amplitude, const std::string& bits);

}  // namespace sw
