#include "geometry/BoxGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>

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

bool Finite(const BoundingBox& b) {
  return std::isfinite(b.minX) && std::isfinite(b.minY) && std::isfinite(b.maxX) && std::isfinite(b.maxY);
}

// Below this many boxes a second thread costs more than it saves.
constexpr std::size_t kThreadedBoxes = 1 << 16;

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

void BoxGrid::InHalves(std::size_t count, const std::function<void(int, std::size_t, std::size_t)>& part) {
  const std::size_t mid = count / 2;
  if (count >= kThreadedBoxes && std::thread::hardware_concurrency() > 1) {
    try {
      std::jthread second([&] { part(1, mid, count); });
      part(0, 0, mid);
      return;  // the second half is joined here
    } catch (const std::system_error&) {
      // No thread to be had: both halves below, one after the other.
    }
  }
  part(0, 0, mid);
  part(1, mid, count);
}

BoxGrid::BoxGrid(std::span<const BoundingBox> input) : BoxGrid(input.size(), [&](std::size_t i) { return input[i]; }) {}

void BoxGrid::Build(const Extent& e) {
  const std::size_t finite = e.finite;
  const double minX = e.minX, minY = e.minY, maxX = e.maxX, maxY = e.maxY;
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

  // A counting sort of the boxes into cells, each half of the list counted
  // and placed on its own (InHalves): a box goes into every cell it touches,
  // and within a cell the first half's boxes come before the second's, so a
  // cell lists its boxes in ascending order.
  struct Cells {
    std::uint16_t x1, y1, x2, y2;
    Cells() {}  // NOLINT: deliberately uninitialised, as StoredBox
    Cells(int a, int b, int c, int d)
        : x1(static_cast<std::uint16_t>(a)), y1(static_cast<std::uint16_t>(b)),
          x2(static_cast<std::uint16_t>(c)), y2(static_cast<std::uint16_t>(d)) {}
  };
  // A box's cells; a finite box over at most kMaxCellsPerBox cells has some,
  // any other none (x1 > x2: it is always returned). Worked out once per box
  // (cells number at most 4096 a side).
  auto cellsOf = [&](const StoredBox& b) {
    if (b.Finite()) {
      const Cells r(CellX(b.minX), CellY(b.minY), CellX(b.maxX), CellY(b.maxY));
      if ((r.x2 - r.x1 + 1) * (r.y2 - r.y1 + 1) <= kMaxCellsPerBox) return r;
    }
    return Cells(1, 1, 0, 0);
  };
  const std::size_t row = static_cast<std::size_t>(nx_);
  // A box over at most two cells each way takes no branch on its size (at
  // random sizes and places the loops of forCells would mispredict for
  // nearly every box): its four corner cells each take it, a corner that
  // repeats another taking it zero times.
  auto small = [](const Cells& r) {
    return static_cast<unsigned>(r.x2 - r.x1) <= 1 && static_cast<unsigned>(r.y2 - r.y1) <= 1;
  };
  auto forCorners = [row](const Cells& r, auto&& visit) {
    const bool wide = r.x2 != r.x1, tall = r.y2 != r.y1;
    visit(r.y1 * row + r.x1, true);
    visit(r.y1 * row + r.x2, wide);
    visit(r.y2 * row + r.x1, tall);
    visit(r.y2 * row + r.x2, wide && tall);
  };
  auto forCells = [row](const Cells& r, auto&& visit) {
    for (std::size_t y = r.y1; y <= r.y2; ++y)
      for (std::size_t x = r.x1; x <= r.x2; ++x) visit(y * row + x, true);
  };

  const std::size_t cellCount = row * static_cast<std::size_t>(ny_);
  // Per half, per cell: first the count, then the end of the half's run, and
  // after placing (backwards) its start. The first half's array is start_.
  start_.assign(cellCount + 1, 0);
  std::vector<std::uint32_t> secondRuns(cellCount, 0);
  std::uint32_t* runs[2] = {start_.data(), secondRuns.data()};
  std::vector<std::uint32_t> always[2];
  std::vector<Cells> ranges;
  SizeOnLargePages(ranges, count_);
  const std::span<const StoredBox> boxes(boxes_);
  InHalves(count_, [&](int half, std::size_t from, std::size_t to) {
    std::uint32_t* const run = runs[half];
    auto count = [run](std::size_t c, bool takes) { run[c] += takes; };
    for (std::size_t i = from; i < to; ++i) {
      const Cells r = ranges[i] = cellsOf(boxes[i]);
      if (small(r)) forCorners(r, count);
      else if (r.x1 <= r.x2) forCells(r, count);
      else always[half].push_back(static_cast<std::uint32_t>(i));
    }
  });
  std::uint32_t end = 0;
  for (std::size_t c = 0; c < cellCount; ++c) {
    start_[c] = end += start_[c];
    secondRuns[c] = end += secondRuns[c];
  }
  start_[cellCount] = end;
  // Two slots beyond the runs, one per half, take the writes of corners that
  // repeat.
  SizeOnLargePages(items_, std::size_t{end} + 2);
  InHalves(count_, [&](int half, std::size_t from, std::size_t to) {
    std::uint32_t* const run = runs[half];
    const std::size_t spare = std::size_t{end} + static_cast<std::size_t>(half);
    // Placing from the last box down moves each cursor back to the first
    // slot of its run.
    for (std::size_t i = to; i-- > from;) {
      const auto index = static_cast<std::uint32_t>(i);
      auto place = [&](std::size_t c, bool takes) {
        run[c] -= takes;
        items_[takes ? run[c] : spare] = index;
      };
      const Cells r = ranges[i];
      if (small(r)) forCorners(r, place);
      else forCells(r, place);
    }
  });
  items_.resize(end);
  always_ = std::move(always[0]);
  always_.insert(always_.end(), always[1].begin(), always[1].end());
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
    if (!boxes_[i].Finite() || meets(boxes_[i])) mark(i);
  for (std::size_t w = 0; w < marked.size(); ++w)
    for (std::uint64_t bits = marked[w]; bits != 0; bits &= bits - 1)
      out.push_back(static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
  return true;
}

}  // namespace sw
