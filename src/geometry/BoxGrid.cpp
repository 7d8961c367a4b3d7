#include "geometry/BoxGrid.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

// A box over more cells than this goes to the always-returned list, so that
// one long line cannot fill a whole row of cells.
constexpr int kMaxCellsPerBox = 16;

bool Finite(const BoundingBox& b) {
  return std::isfinite(b.minX) && std::isfinite(b.minY) && std::isfinite(b.maxX) && std::isfinite(b.maxY);
}

}  // namespace

int BoxGrid::CellX(double x) const {
  const double c = std::floor((x - x0_) / cellW_);
  return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(nx_ - 1)));
}

int BoxGrid::CellY(double y) const {
  const double c = std::floor((y - y0_) / cellH_);
  return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(ny_ - 1)));
}

BoxGrid::BoxGrid(std::span<const BoundingBox> boxes) : count_(boxes.size()), boxes_(boxes.begin(), boxes.end()) {
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  std::size_t finite = 0;
  for (const BoundingBox& b : boxes) {
    if (!Finite(b)) continue;
    ++finite;
    minX = std::min(minX, b.minX);
    minY = std::min(minY, b.minY);
    maxX = std::max(maxX, b.maxX);
    maxY = std::max(maxY, b.maxY);
  }
  // About one box per cell, at most 2^20 cells, cells as square as the
  // extent allows.
  const double w = std::max(maxX - minX, 1e-9), h = std::max(maxY - minY, 1e-9);
  const double cells = std::clamp(static_cast<double>(finite), 1.0, 1048576.0);
  const double side = std::sqrt(w * h / cells);
  nx_ = finite == 0 ? 1 : static_cast<int>(std::clamp(std::ceil(w / side), 1.0, 4096.0));
  ny_ = finite == 0 ? 1 : static_cast<int>(std::clamp(std::ceil(h / side), 1.0, 4096.0));
  x0_ = finite == 0 ? 0 : minX;
  y0_ = finite == 0 ? 0 : minY;
  cellW_ = w / nx_;
  cellH_ = h / ny_;

  // Two passes: count per cell, then place; a box goes into every cell it
  // touches, so a cell lists its boxes in ascending order.
  const std::size_t cellCount = static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_);
  start_.assign(cellCount + 1, 0);
  auto forCells = [&](const BoundingBox& b, auto&& visit) {
    const int x1 = CellX(b.minX), x2 = CellX(b.maxX), y1 = CellY(b.minY), y2 = CellY(b.maxY);
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) visit(static_cast<std::size_t>(y) * static_cast<std::size_t>(nx_) + x);
  };
  auto spread = [&](const BoundingBox& b) {
    return (CellX(b.maxX) - CellX(b.minX) + 1) * (CellY(b.maxY) - CellY(b.minY) + 1);
  };
  std::vector<std::uint8_t> wide(boxes.size(), 0);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (!Finite(boxes[i]) || spread(boxes[i]) > kMaxCellsPerBox) {
      wide[i] = 1;
      always_.push_back(static_cast<std::uint32_t>(i));
      continue;
    }
    forCells(boxes[i], [&](std::size_t c) { ++start_[c + 1]; });
  }
  for (std::size_t c = 0; c < cellCount; ++c) start_[c + 1] += start_[c];
  items_.resize(start_[cellCount]);
  std::vector<std::uint32_t> fill(start_.begin(), start_.end() - 1);
  for (std::size_t i = 0; i < boxes.size(); ++i)
    if (!wide[i]) forCells(boxes[i], [&](std::size_t c) { items_[fill[c]++] = static_cast<std::uint32_t>(i); });
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
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      const std::size_t c = static_cast<std::size_t>(y) * static_cast<std::size_t>(nx_) + x;
      for (std::uint32_t k = start_[c]; k < start_[c + 1]; ++k) {
        const std::uint32_t i = items_[k];
        const BoundingBox& b = boxes_[i];
        if (b.maxX < q.minX || b.minX > q.maxX || b.maxY < q.minY || b.minY > q.maxY) continue;
        // A box in several cells is reported from the one cell that holds
        // the low corner of its overlap with the query.
        if (CellX(std::max(b.minX, q.minX)) != x || CellY(std::max(b.minY, q.minY)) != y) continue;
        out.push_back(i);
      }
    }
  }
  for (std::uint32_t i : always_) {
    const BoundingBox& b = boxes_[i];
    if (Finite(b) && (b.maxX < q.minX || b.minX > q.maxX || b.maxY < q.minY || b.minY > q.maxY)) continue;
    out.push_back(i);
  }
  std::sort(out.begin(), out.end());
  return true;
}

}  // namespace sw
