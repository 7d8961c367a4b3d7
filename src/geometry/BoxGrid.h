// A uniform grid over axis-aligned boxes, answering "which boxes may meet
// this rectangle" in ascending index order. Built once over a fixed list of
// boxes; never misses a box that meets the rectangle (it may return a few
// that only come near it), so a caller that still tests each entity itself
// draws exactly what a scan of the whole list would.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sw {

struct BoundingBox {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

class BoxGrid {
 public:
  BoxGrid() = default;
  // Boxes with a coordinate that is not finite are always returned; so are
  // boxes that would spread over too many cells.
  explicit BoxGrid(std::span<const BoundingBox> boxes);
  // The same over boxOf(0) .. boxOf(count - 1), with no list of them made.
  template <class BoxOf>
  BoxGrid(std::size_t count, BoxOf&& boxOf) : count_(count), boxes_(count) {
    for (std::size_t i = 0; i < count; ++i) boxes_[i] = Store(boxOf(i));
    Build();
  }

  std::size_t Size() const { return count_; }

  // The boxes that meet `query` (closed: touching counts), widened by a
  // relative slack of 1e-9, and those that are not finite, in ascending
  // order, into `out` (cleared first). Returns
  // false, leaving `out` empty, when the query covers so much of the grid
  // that visiting every box costs less: the caller then visits them all.
  bool Query(const BoundingBox& query, std::vector<std::uint32_t>& out) const;

 private:
  void Build();
  int CellX(double x) const;
  int CellY(double y) const;

  std::size_t count_ = 0;
  double x0_ = 0, y0_ = 0, perCellX_ = 1, perCellY_ = 1;
  int nx_ = 0, ny_ = 0;
  // The boxes in single precision, rounded outwards: half the memory to
  // build and to walk, and never smaller than the box they stand for.
  struct StoredBox {
    float minX, minY, maxX, maxY;
  };
  static StoredBox Store(const BoundingBox& b);
  std::vector<StoredBox> boxes_;
  std::vector<std::uint32_t> start_;   // per cell, into items_ (nx * ny + 1)
  std::vector<std::uint32_t> items_;   // box indices, ascending within a cell
  std::vector<std::uint32_t> always_;  // ascending
};

}  // namespace sw
