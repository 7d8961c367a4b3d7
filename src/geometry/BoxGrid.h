// A uniform grid over axis-aligned boxes, answering "which boxes may meet
// this rectangle" in ascending index order. Built once over a fixed list of
// boxes; never misses a box that meets the rectangle (it may return a few
// that only come near it), so a caller that still tests each entity itself
// draws exactly what a scan of the whole list would.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
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
  BoxGrid(std::size_t count, BoxOf&& boxOf) : count_(count) {
    SizeBoxes();
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
  void SizeBoxes();
  void Build();
  int CellX(double x) const {
    return static_cast<int>(std::clamp(std::floor((x - x0_) * perCellX_), 0.0, static_cast<double>(nx_ - 1)));
  }
  int CellY(double y) const {
    return static_cast<int>(std::clamp(std::floor((y - y0_) * perCellY_), 0.0, static_cast<double>(ny_ - 1)));
  }

  std::size_t count_ = 0;
  double x0_ = 0, y0_ = 0, perCellX_ = 1, perCellY_ = 1;
  int nx_ = 0, ny_ = 0;
  // The boxes in single precision, rounded outwards: half the memory to
  // build and to walk, and never smaller than the box they stand for.
  struct StoredBox {
    float minX, minY, maxX, maxY;
  };
  static StoredBox Store(const BoundingBox& b) {
    return StoredBox{Down(b.minX), Down(b.minY), Up(b.maxX), Up(b.maxY)};
  }
  // The float next to f towards minus (towards -1) or plus infinity (+1),
  // for a finite f or the infinity on the far side; the bit pattern of a
  // float steps through its values in order of magnitude.
  static float Step(float f, int towards) {
    if (f == 0) return static_cast<float>(towards) * std::numeric_limits<float>::denorm_min();
    const auto bits = std::bit_cast<std::uint32_t>(f);
    return std::bit_cast<float>((f > 0) == (towards > 0) ? bits + 1 : bits - 1);
  }
  // The nearest float at or below (Down) or at or above v; a value beyond
  // the float range becomes the largest float or an infinity, which the
  // grid always returns.
  static float Down(double v) {
    const float f = static_cast<float>(v);
    return static_cast<double>(f) > v ? Step(f, -1) : f;
  }
  static float Up(double v) {
    const float f = static_cast<float>(v);
    return static_cast<double>(f) < v ? Step(f, +1) : f;
  }
  std::vector<StoredBox> boxes_;
  std::vector<std::uint32_t> start_;   // per cell, into items_ (nx * ny + 1)
  std::vector<std::uint32_t> items_;   // box indices, ascending within a cell
  std::vector<std::uint32_t> always_;  // ascending
};

}  // namespace sw
