#include "geometry/BoxGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "core/Memory.h"

namespace sw {

namespace {

// A box over more cells than this goes to the always-returned list, so that
// one long line cannot fill a whole row of cells.
constexpr int kMaxCellsPerBox = 16;

// Boxes per cell on average. A few per cell keep the cell table small
// enough to stay in cache while it is filled; a query then tests a few more
// boxes than it returns.
constexpr double kBoxesPerCell = 4;

template <class Box>
bool Finite(const Box& b) {
  return std::isfinite(b.minX) && std::isfinite(b.minY) && std::isfinite(b.maxX) && std::isfinite(b.maxY);
}

// Sizes v to n elements, asking for large pages before the memory is first
// touched: a grid over a million boxes fills tens of megabytes at once.
template <class T>
void SizeOnLargePages(std::vector<T>& v, std::size_t n) {
  v.reserve(n);
  HintLargePages(v.data(), n * sizeof(T));
  v.resize(n);
}

}  // namespace

void BoxGrid::SizeBoxes() { SizeOnLargePages(boxes_, count_); }

BoxGrid::BoxGrid(std::span<const BoundingBox> input) : BoxGrid(input.size(), [&](std::size_t i) { return input[i]; }) {}

void BoxGrid::Build() {
  const std::span<const StoredBox> boxes(boxes_);
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  std::size_t finite = 0;
  for (const StoredBox& b : boxes) {
    if (!Finite(b)) continue;
    ++finite;
    minX = std::min<double>(minX, b.minX);
    minY = std::min<double>(minY, b.minY);
    maxX = std::max<double>(maxX, b.maxX);
    maxY = std::max<double>(maxY, b.maxY);
  }
  // About kBoxesPerCell boxes per cell, at most 2^20 cells, cells as square as the
  // extent allows.
  const double w = std::max(maxX - minX, 1e-9), h = std::max(maxY - minY, 1e-9);
  const double cells = std::clamp(static_cast<double>(finite) / kBoxesPerCell, 1.0, 1048576.0);
  const double side = std::sqrt(w * h / cells);
  nx_ = finite == 0 ? 1 : static_cast<int>(std::clamp(std::ceil(w / side), 1.0, 4096.0));
  ny_ = finite == 0 ? 1 : static_cast<int>(std::clamp(std::ceil(h / side), 1.0, 4096.0));
  x0_ = finite == 0 ? 0 : minX;
  y0_ = finite == 0 ? 0 : minY;
  perCellX_ = nx_ / w;
  perCellY_ = ny_ / h;

  // Two passes: count per cell, then place; a box goes into every cell it
  // touches, so a cell lists its boxes in ascending order.
  const std::size_t cellCount = static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_);
  start_.assign(cellCount + 1, 0);
  // Each box's cell range, worked out once (cells number at most 4096 a side);
  // a wide box keeps an empty range.
  struct Cells {
    std::uint16_t x1, y1, x2, y2;
  };
  std::vector<Cells> ranges;
  SizeOnLargePages(ranges, boxes.size());
  auto forCells = [&](const Cells& r, auto&& visit) {
    for (std::size_t y = r.y1; y <= r.y2; ++y)
      for (std::size_t x = r.x1; x <= r.x2; ++x) visit(y * static_cast<std::size_t>(nx_) + x);
  };
  // Counting: start_[c] ends as the end of cell c's run.
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const StoredBox& b = boxes[i];
    Cells& r = ranges[i];
    if (Finite(b)) {
      r = Cells{static_cast<std::uint16_t>(CellX(b.minX)), static_cast<std::uint16_t>(CellY(b.minY)),
                static_cast<std::uint16_t>(CellX(b.maxX)), static_cast<std::uint16_t>(CellY(b.maxY))};
      if ((r.x2 - r.x1 + 1) * (r.y2 - r.y1 + 1) <= kMaxCellsPerBox) {
        forCells(r, [&](std::size_t c) { ++start_[c]; });
        continue;
      }
    }
    r = Cells{1, 1, 0, 0};
    always_.push_back(static_cast<std::uint32_t>(i));
  }
  for (std::size_t c = 1; c <= cellCount; ++c) start_[c] += start_[c - 1];
  SizeOnLargePages(items_, start_[cellCount]);
  // Placing from the last box down moves each cell's cursor back to its
  // first slot and leaves the run in ascending order.
  for (std::size_t i = boxes.size(); i-- > 0;)
    forCells(ranges[i], [&](std::size_t c) { items_[--start_[c]] = static_cast<std::uint32_t>(i); });
}

bool BoxGrid::Query(const BoundingBox& query, std::vector<std::uint32_t>& out) const {
  out.clear();
  if (count_ == 0) return true;
  if (!Finite(query)) return false;
  // The slack covers the rounding of the callers' own tests at the edges.
  const double slack = 1e-9 * std::max({1.0, std::fabs(query.minX), std::fabs(query.maxX), std::fabs(query.minY),
                                        std::fabs(query.maxY)});
  const BoundingBox q{query.minX - slack, query.minY - slack, query.maxX + slack, query.maxY + slack};
  const int x1 = CellX(q.minX), x2 = CellX(q.maxX), y1 = CellY(q.minY), y2 = CellY(q.maxY);
  const std::size_t cells = static_cast<std::size_t>(x2 - x1 + 1) * static_cast<std::size_t>(y2 - y1 + 1);
  if (cells * 3 > start_.size()) return false;  // a third of the grid or more
  // One bit per box: a box listed in several cells is marked once, and
  // reading the bits out gives ascending order without a sort.
  std::vector<std::uint64_t> marked((count_ + 63) / 64, 0);
  auto mark = [&](std::uint32_t i) { marked[i >> 6] |= std::uint64_t{1} << (i & 63); };
  auto meets = [&](const StoredBox& b) {
    return !(b.maxX < q.minX || b.minX > q.maxX || b.maxY < q.minY || b.minY > q.maxY);
  };
  for (int y = y1; y <= y2; ++y) {
    // Every box listed in a cell that lies wholly inside the query meets it.
    const bool innerRow = y > y1 && y < y2;
    for (int x = x1; x <= x2; ++x) {
      const std::size_t c = static_cast<std::size_t>(y) * static_cast<std::size_t>(nx_) + x;
      const bool inner = innerRow && x > x1 && x < x2;
      for (std::uint32_t k = start_[c]; k < start_[c + 1]; ++k)
        if (inner || meets(boxes_[items_[k]])) mark(items_[k]);
    }
  }
  for (std::uint32_t i : always_)
    if (!Finite(boxes_[i]) || meets(boxes_[i])) mark(i);
  for (std::size_t w = 0; w < marked.size(); ++w)
    for (std::uint64_t bits = marked[w]; bits != 0; bits &= bits - 1)
      out.push_back(static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
  return true;
}

}  // namespace sw
