// Elliptical arcs as cubic Bezier pieces in pixel space. Angles are radians,
// counter-clockwise with y up: the arc is built in a y-up frame about the
// centre pixel and mapped into the surface's rows (y down) by subtracting.
#pragma once

#include "geometry/IntPoint.h"
#include "geometry/TPath.h"

namespace sw {

// Control values of one piece of the unit circle from angle 0 through theta:
// P0 = (1, 0), P1 = (1, k1), P2 = (k2, k3), P3 = (cos theta, sin theta).
struct BezierControls {
  double k1 = 0, k2 = 0, k3 = 0;
};
BezierControls ArcPieceControls(double theta);

// Number of pieces ArcBezier cuts the range from b to e into: one per full
// 60 degrees, plus one for a remainder above 0.001 rad.
int ArcPieceCount(double e, double b);

// Appends the arc from start angle b to end angle e (e > b) about `centre`
// with radii rx (along the tilted first axis) and ry, turned by `tilt`: a
// move-to its first point, then one Bezier-to (three points) per piece.
// Control points are rounded half away from zero.
void ArcBezier(TPath& path, IntPoint centre, double e, double b, double tilt, double ry,
               double rx);

// The same range traced backwards, from e down to b, with no initial move:
// continues an open figure (the inner edge of a ring, say).
void ArcBezierBackward(TPath& path, IntPoint centre, double e, double b, double tilt,
                       double ry, double rx);

// A closed axis-aligned ellipse inscribed in the pixel box (left, top) to
// (right, bottom), right and bottom edges excluded as for a device ellipse:
// four quarter pieces starting at the rightmost point, running upwards on
// the surface first.
void EllipsePath(TPath& path, int left, int top, int right, int bottom);

}  // namespace sw
