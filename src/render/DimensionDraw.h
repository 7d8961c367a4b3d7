// Drawing of dimension entities (CDataSunpou): the dimension line and the
// measurement text. The text is laid out plainly (no special codes, no
// even-spacing dots, no vertical writing); the auxiliary lines and points
// that newer files carry are not drawn.
#pragma once

#include "render/Canvas.h"
#include "render/DrawContext.h"

namespace sw {

// Draws one dimension for the frame being drawn: nothing when its own layer
// is hidden in the frame; the line clipped like a line entity (a line that
// is clipped away still leaves the text); the text culled like a text and,
// on screen, drawn as its outline box when it is too small (on the printer
// it is always drawn as glyphs).
void DrawDimension(const DrawContext& ctx, Canvas& canvas, const CDataSunpou& dim);

}  // namespace sw
