// Rubber bands and markers: the shapes the editing tools draw over the
// sheet, and the frame outlines and auxiliary lines of the redraw. All are
// one pixel wide, solid, unfilled; a style below 1001 draws in XOR, a style
// of 1001 or more opaque (style - 1000 selects the shape).
#pragma once

#include "render/Canvas.h"
#include "render/Points.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {

// Shapes (style, or style - 1000 for opaque):
//   170, 270         transform handle: circles of radius 4 and 8 pixels
//                    (times ViewScale when it is below 1) around `from`
//   171..174,
//   271..274         the same in TransformColor
//   200              rectangle with corners `from` and `to`
//   210              circle about `from` through `to` (radius rounded)
//   230              the line through both pixels extended to the paint box
//                    (0, 0)..(box width, box height)
//   231              the same extended to the whole BufferSize
//   300              the segment from `from` to `to`
// Colour: LayoutColor unless noted. Other styles draw nothing.
struct RubberBandContext {
  const ViewState& view;
  const StyleTables& styles;
  BoxSize box;  // the paint box, pixels (style 230)
};
void RubberBand(Canvas& canvas, const RubberBandContext& ctx, PixelPoint from, PixelPoint to,
                int frameIndex, int style);

}  // namespace sw
