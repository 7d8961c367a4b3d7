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
// the boundary of `r`:
//  - a vertical line (p.x == q.x) runs from (x, top) to (x, bottom);
//  - a horizontal line (p.y == q.y) from (left, y) to (right, y);
//  - any other line that crosses r becomes the part of it inside r, both
//    ends on the boundary, ordered by increasing x; a coordinate that lies
//    on a side is that side's value exactly;
//  - any other line that misses r is cut by the two vertical sides when it
//    is no steeper than r's diagonal, else by the two horizontal sides
//    (ordered by increasing x).
// Two equal points count as a vertical line.
LineEnds ExtendLineToRect(PaperPoint p, PaperPoint q, const LineRect& r);

}  // namespace sw
