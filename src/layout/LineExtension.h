// Paper rectangle of a document and the extension of an auxiliary line to
// the edges of a rectangle. Pure functions, paper mm.
#pragma once

#include <cstdint>

#include "layout/Document.h"

namespace sw {

// An axis-parallel rectangle, paper mm; top >= bottom, right >= left.
struct LineRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// The paper of a document paper index (0..4 = A0..A4; any other index
// has the A0 size), centred on (0, 0).
LineRect PaperRect(std::int32_t paperIndex);

struct LineEnds {
  PaperPoint a, b;
};

// Moves the two points of a line along the infinite line through them onto
// the sides of `r`, the way the Windows program stores auxiliary lines:
//  - a vertical line (p.x == q.x) runs from (x, top) to (x, bottom);
//  - a horizontal line (p.y == q.y) from (left, y) to (right, y);
//  - any other line is cut by one pair of opposite sides: the pair the line
//    leaves through going from p towards q. It is the vertical pair when the
//    line meets the vertical side ahead (right when q lies right of p, else
//    left) within top..bottom, corners included, and the horizontal pair
//    otherwise (also for a line that misses `r`). The ends are (left, y) and
//    (right, y), or (x, top) and (x, bottom), in that order. A line that cuts
//    across a corner thus has one end on the far side of the pair, outside
//    `r`, rather than on the adjacent side: the same line, stored as that
//    program stores it.
// Two equal points count as a vertical line.
LineEnds ExtendLineToRect(PaperPoint p, PaperPoint q, const LineRect& r);

}  // namespace sw
