// What every entity routine needs to know about the drawing in progress:
// the view transform (DrawOrigin already carries the frame's offset), the
// style tables with the frame's layer state, backdrop and printing flags,
// the frame's clip rectangle and offset. Passed by reference; nothing here
// is global.
#pragma once

#include "geometry/Clip.h"
#include "jww/Records.h"
#include "render/Canvas.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {

struct DrawContext {
  const ViewState& view;
  // Styles, the frame's layer state, the frame index, the grey backdrop
  // pass (`backdrop`) and printer output (`printing`).
  const PenContext& pen;
  // FrameClip: the rectangle of the frame being drawn, drawing mm.
  ClipRect frameClip;
  // Offset of the frame being drawn: drawing point (x, y) shows at paper
  // point (x + dx, y - dy).
  double dx = 0, dy = 0;
};

// The view window as a clip rectangle (paper mm).
ClipRect WindowClip(const ViewState& view);

// Cuts a segment (drawing mm, in place) as lines are cut for the frame being
// drawn: to the view window in the grey backdrop pass; otherwise to the frame
// and then, moved by the frame's offset, to the view window (the ends moved
// back by the offset when that cut them). False when nothing is left.
bool ClipSegmentForFrame(const DrawContext& ctx, double& x1, double& y1, double& x2, double& y2);

// Drawing point (x, y) to a pixel through ToScreen. False, and nothing
// written, when a coordinate is not finite or the pixel would lie beyond
// +-1e9, where integer pixels stop being meaningful.
bool ToPixel(const DrawContext& ctx, double x, double y, PixelPoint& out);

// SelectEntityPen applied to the canvas pen: the colour is kept for pen
// colours 0 and 10..100 and the style for line types other than 1 and
// 31..62, as the canvas had them; ends become round (a pen as the device
// creates it). Returns the pen selected.
EntityPen SelectCanvasPen(const DrawContext& ctx, Canvas& canvas, const JWWEntityHead& head);

}  // namespace sw
