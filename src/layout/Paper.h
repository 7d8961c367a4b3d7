// The paper table: the sheet sizes a layout and the view can show, in paper
// mm, landscape (width the long side).
#pragma once

#include <cstdint>

namespace sw {

struct PaperMm {
  double width = 0, height = 0;
  bool operator==(const PaperMm&) const = default;
};

// True for 0..4 (A0..A4), the paper indexes a layout document holds.
bool IsDocumentPaper(std::int32_t index);

// The size of table index `index`: 0..4 = A0..A4, 8..14 the larger sheets
// (up to 100000 x 70732 mm); any other index has the A0 size.
PaperMm PaperSizeMm(std::int32_t index);

}  // namespace sw
