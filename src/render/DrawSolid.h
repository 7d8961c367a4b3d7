// Drawing of solids (CDataSolid): filled quadrilaterals and circle solids.
#pragma once

#include "render/Canvas.h"
#include "render/DrawContext.h"

namespace sw {

// Draws one solid filled in its colour: the solid's own RGB, replaced by the
// pen table for pen colours 1..9 and the SXF table above 100, grey on
// display-only layers and in the backdrop pass. Line types up to 100 fill
// the four corners in stored order; 101, 105, 106 and 111 are circle solids
// (below); any other type is not drawn. No culling: the frame clip bounds
// solids.
//
// A circle solid keeps an arc in the corner fields: corner 1 is the centre,
// corner 2 holds (radius, flatness), corner 3 (tilt, start angle) and
// corner 4 (arc angle, k), angles in radians. Line type 101 picks the shape
// by k: 100 the whole circle, 5 the segment closed by the chord, 0 the
// sector, -1 the corner piece between the arc and its end tangents (other k:
// not drawn); 105 is a ring part whose inner arc, of radius k, has the same
// flatness, 106 one whose band is equally wide on both axes, either a full
// ring when the arc angle is a whole turn; 111 is the curve itself, the
// whole circle when k is 100, stroked in the solid's colour and not filled
// (Jw_cad's circumference solid has no area; see DrawSolid.cpp).
void DrawSolid(const DrawContext& ctx, Canvas& canvas, const CDataSolid& solid);

}  // namespace sw
