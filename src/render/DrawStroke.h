// Stroking of recorded paths onto a canvas: solid (the canvas pen as it is),
// filled, or dashed with a geometric pen (the walk itself is in
// geometry/Dash.h).
#pragma once

#include <optional>
#include <span>

#include "geometry/IntPoint.h"
#include "geometry/TPath.h"
#include "render/Canvas.h"

namespace sw {

inline PixelPoint ToPixelPoint(IntPoint p) { return PixelPoint{p.x, p.y}; }
inline IntPoint ToIntPoint(PixelPoint p) { return IntPoint{p.x, p.y}; }

// Dashes `points` with `pattern` (units of the pen width): saves the canvas
// pen, selects a solid pen of `width` pixels in `color` with flat or round
// ends (mode kept), draws the ink pieces as polylines (PolyPolyline, in
// batches) and restores the pen. A pattern that strokes solid draws the whole
// polyline. Pieces lying wholly outside `visible` (pixels), when given, are
// left out.
void StrokePolylineDashed(Canvas& canvas, std::span<const IntPoint> points,
                          std::span<const double> pattern, Colour color, int width,
                          bool flatEnds, std::optional<CanvasRect> visible = std::nullopt);

// The same for every figure of a flattened path (closed figures are dashed
// across their closing side).
void StrokePathDashed(Canvas& canvas, const TPath& flattened, std::span<const double> pattern,
                      Colour color, int width, bool flatEnds,
                      std::optional<CanvasRect> visible = std::nullopt);

// Every figure of a flattened path as a polyline with the canvas pen.
void StrokePath(Canvas& canvas, const TPath& flattened);

// Every figure of a flattened path as a polygon (canvas pen and brush).
void FillPath(Canvas& canvas, const TPath& flattened);

}  // namespace sw
