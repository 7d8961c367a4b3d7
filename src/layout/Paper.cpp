#include "layout/Paper.h"

namespace sw {

namespace {

constexpr PaperMm kA[5] = {{1189, 841}, {841, 594}, {594, 420}, {420, 297}, {297, 210}};
constexpr PaperMm kLarge[7] = {{1682, 1189}, {2378, 1682},   {3364, 2378},    {4756, 3364},
                               {10000, 7073}, {50000, 35366}, {100000, 70732}};

}  // namespace

bool IsDocumentPaper(std::int32_t index) { return index >= 0 && index <= 4; }

PaperMm PaperSizeMm(std::int32_t index) {
  if (IsDocumentPaper(index)) return kA[index];
  if (index >= 8 && index <= 14) return kLarge[index - 8];
  return kA[0];
}

}  // namespace sw
