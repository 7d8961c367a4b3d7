// Snapping a picked paper point onto an existing point of the sheet: the
// paper corners, the frame corners, the crossings of the base drawing's lines
// with the frame sides, and the base drawing's points.
#pragma once

#include "edit/Workspace.h"

namespace sw {

// Tolerance of a snap, pixels at the current ViewScale, the same in x and y.
inline constexpr double kSnapPixels = 5.0;

// Looks for a candidate within t = kSnapPixels / ViewScale paper mm of `p`
// in both x and y (a square, not a circle). Candidates are tried in this
// order and the first match wins:
//  1. the paper corners (W/2, H/2), (W/2, -H/2), (-W/2, H/2), (-W/2, -H/2);
//  2. for each rectangle frame 1..n of the current sheet, shown or not, the
//     corners (x1, y1), (x1, y2), (x2, y1), (x2, y2) of its rectangle moved
//     by its offset (paper x = x + dx, paper y = y - dy);
//  3. for each shown rectangle frame 1..n, the crossings of every line of
//     the base drawing, moved by the frame's offset, with the sides of the
//     frame's moved rectangle (left, right, bottom, top); a line counts only
//     when ClipSegment does not reject it, and a crossing only when it lies
//     within the line's x and y range;
//  4. the base drawing's points: for the base entry (frame 0) when shown, as
//     they are; for each shown rectangle frame 1..n whose moved rectangle
//     holds `p` (border included), moved by the frame's offset.
// On a match `p` becomes the candidate and the result is true; otherwise `p`
// is unchanged and the result false, as it is for a scale that is not
// positive and finite or a point that is not finite. Records holding values
// that are not finite are passed over.
bool SnapPoint(const Workspace& ws, PaperPoint& p);

}  // namespace sw
