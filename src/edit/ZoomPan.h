// Zooming and panning the view of the drawing area: the wheel zooms about the
// pointer, the middle button drags the view, and a drag with both buttons
// held is a zoom gesture. These change only ViewScale, ViewWindow and
// PreviousView; the caller redraws the sheet when they report a change.
//
// `box` is the paint box in pixels; every pixel point is a paint-box pixel.
// With a ViewScale that is zero, negative or not finite nothing changes.
#pragma once

#include "render/View.h"

namespace sw {

// Zoom limits: a zoom step is refused when the paper would span more than
// kZoomMaxPaperPixels or fewer than kZoomMinPaperPixels pixels across or
// down at the new scale.
inline constexpr double kZoomMaxPaperPixels = 800000;
inline constexpr double kZoomMinPaperPixels = 10;
inline constexpr double kWheelZoomIn = 1.5;
inline constexpr double kWheelZoomOut = 0.66;

// One wheel step with the pointer at (x, y). Nothing happens unless the
// pointer is strictly inside the paint box (0 < x < width, 0 < y < height).
// A step down zooms in when `wheelSetting` is 0 and out otherwise; a step up
// does the opposite. Zooming in (x 1.5) keeps the paper point under the
// pointer there; zooming out (x 0.66) moves the window centre away from it by
// a third of its pixel offset from the box centre at the new scale, which
// keeps that point within about 1 % of the offset. True when the view
// changed.
bool WheelZoom(ViewState& v, BoxSize box, int x, int y, bool wheelDown, int wheelSetting);

// The end of a middle-button drag from `press` to `release`: the window
// moves so that the picture follows the pointer; the scale is kept.
void PanView(ViewState& v, PixelPoint press, PixelPoint release);

// What a two-button drag does, by where it was released from the press.
enum class ZoomGesture {
  Centre,    // released within kGestureClickPixels of the press: centre the view there
  Enlarge,   // right and down: fill the paint box with the dragged rectangle
  Shrink,    // left and up: half the scale about the press point
  Whole,     // right and up: fit the whole paper
  Previous,  // left and down: swap with PreviousView
};

// A release this close to the press in both axes, pixels, is a click.
inline constexpr int kGestureClickPixels = 10;

ZoomGesture ClassifyGesture(PixelPoint press, PixelPoint release);

// The label shown beside the press point while the pointer is at `pointer`
// (UTF-8; the spaces inside are full-width).
const char* GestureLabel(PixelPoint press, PixelPoint pointer);

// Whether the dragged rectangle is drawn: only in the enlarge direction.
bool GestureShowsBox(PixelPoint press, PixelPoint pointer);

// Performs gesture `g` of a drag from `press` to `release`. Enlarge, Shrink
// and Whole first save the current view in PreviousView; Previous swaps
// them (nothing when PreviousView holds no scale). Enlarge needs a window at
// least kEnlargeMinWindow paper mm wide and high. Whole needs a ready view
// (ViewReady) and fits the paper to `box`. True when the view changed.
bool ApplyGesture(ViewState& v, BoxSize box, ZoomGesture g, PixelPoint press, PixelPoint release);

// Paper mm the window must span each way for an enlarge gesture.
inline constexpr double kEnlargeMinWindow = 3.0;

}  // namespace sw
