// Rectangle tests and the segment clipper used to cull and cut entities
// against a frame rectangle or the view window. All values are in the same
// unit as the rectangle (paper or drawing millimetres).
#pragma once

namespace sw {

// A rectangle with left <= right and bottom <= top (y up).
struct ClipRect {
  double left = 0, bottom = 0, right = 0, top = 0;
  bool operator==(const ClipRect&) const = default;
};

// Tolerance of the outcode tests: a point within this distance of a side
// counts as lying on it.
inline constexpr double kClipEpsilon = 1e-12;

// Outcode bits. A point on the border counts as outside.
enum : int {
  kOutLeft = 1,    // on or left of the left side
  kOutRight = 2,   // on or right of the right side
  kOutBottom = 4,  // on or below the bottom
  kOutTop = 8,     // on or above the top
};

// Results of PointOutside, RectOutside and ClipSegment.
enum : int {
  kClipInside = 0,   // inside / meets the window / both ends inside, unchanged
  kClipMoved = 1,    // ClipSegment moved the ends onto the rectangle's sides
  kClipOutside = 2,  // outside
};

// Outcode of (x, y) against `rect`.
int OutCode(const ClipRect& rect, double x, double y);

// kClipOutside when (x, y) is outside `rect` or on its border, else kClipInside.
int PointOutside(const ClipRect& rect, double x, double y);

// kClipOutside when the rectangle (x1, y1)-(x2, y2) (x1 <= x2, y1 <= y2)
// misses `window`; touching counts as meeting (kClipInside).
int RectOutside(const ClipRect& window, double x1, double y1, double x2, double y2);

// Cuts the segment (x1, y1)-(x2, y2) to `rect`, in place. Returns kClipInside
// (both ends inside, unchanged), kClipOutside (both ends beyond one side) or
// kClipMoved. Each end is fixed in one pass (left, right, bottom, top), always
// measured from end 1 as given; a segment passing diagonally beyond a corner
// comes back with its ends on the extended sides (the caller's clip region
// hides what lies outside).
int ClipSegment(double& x1, double& y1, double& x2, double& y2, const ClipRect& rect);

}  // namespace sw
