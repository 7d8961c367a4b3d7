// Drawing of arcs, circles and ellipses (CDataEnko), and of the filled
// circle shapes of circle solids.
#pragma once

#include "render/Canvas.h"
#include "render/DrawContext.h"

namespace sw {

// The shapes of a circle solid (see DrawSolid.h for how a solid's fields
// select one).
enum CircleSolidKind : int {
  kCircleNone = 0,           // an ordinary arc
  kCircleFull = 1,           // whole circle or ellipse
  kCircleSegment = 2,        // arc closed by its chord
  kCircleSector = 3,         // arc closed through the centre
  kCircleOuter = 4,          // between the arc and its two end tangents
  kCircleRing = 5,           // between the arc and an inner arc of the same flatness
  kCircleRingEvenWidth = 6,  // the same, the band equally wide on both axes
  kCircleCircumference = 7,  // the curve itself, drawn with the pen
};

// Draws one arc entity: skipped when its layer is hidden in the frame; the
// pixel box spans the full ellipse (centre, radius, flatness); full circles
// without tilt are device ellipses, everything else is built from Bezier
// pieces (ArcBezier) about the centre pixel. Line type 1 (and 0) draws solid,
// 2..9 dashed with flat ends, 10 and above nothing. `fill` fills the closed
// shape with the pen colour. No culling: the frame clip bounds arcs.
void DrawArc(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc, bool fill);

// Leaves the canvas's pen and brush as DrawArc(…, false) leaves them for an
// arc that turns out not to show: for arcs that a redraw through the
// drawing's index does not visit.
void SelectArcState(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc);
// Draws the circle-solid shape `kind` of `arc` filled in the pen colour
// (kCircleCircumference: stroked). `innerRadius` (drawing mm) is the inner
// radius of the rings along the first axis.
void DrawArcShape(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc, int kind,
                  double innerRadius);

}  // namespace sw
