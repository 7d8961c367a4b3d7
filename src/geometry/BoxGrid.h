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
#include <functional>
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
    Extent extent[2];
    InHalves(count, [&](int half, std::size_t from, std::size_t to) {
      Extent e;  // local: the two halves' extents share a cache line
      for (std::size_t i = from; i < to; ++i) e.Add(boxes_[i] = Store(boxOf(i)));
      extent[half] = e;
    });
    extent[0].Add(extent[1]);
    Build(extent[0]);
  }

  std::size_t Size() const { return count_; }

  // The boxes that meet `query` (closed: touching counts), widened by a
  // relative slack of 1e-9, and those that are not finite, in ascending
  // order, into `out` (cleared first). Returns
  // false, leaving `out` empty, when the query covers so much of the grid
  // that visiting every box costs less: the caller then visits them all.
  bool Query(const BoundingBox& query, std::vector<std::uint32_t>& out) const;

 private:
  // Single precision, rounded outwards (Store); left unset when made, so
  // that the threads filling the list each touch their own part first.
  struct StoredBox {
    float minX, minY, maxX, maxY;
    StoredBox() {}  // NOLINT: deliberately uninitialised
    StoredBox(float x1, float y1, float x2, float y2) : minX(x1), minY(y1), maxX(x2), maxY(y2) {}
    bool Finite() const {
      return std::isfinite(minX) && std::isfinite(minY) && std::isfinite(maxX) && std::isfinite(maxY);
    }
  };
  // The finite boxes' count and the rectangle they span, gathered while the
  // boxes are stored.
  struct Extent {
    std::size_t finite = 0;
    float minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    void Add(const StoredBox& b) {
      if (!b.Finite()) return;
      ++finite;
      minX = std::min(minX, b.minX);
      minY = std::min(minY, b.minY);
      maxX = std::max(maxX, b.maxX);
      maxY = std::max(maxY, b.maxY);
    }
    void Add(const Extent& e) {
      finite += e.finite;
      minX = std::min(minX, e.minX);
      minY = std::min(minY, e.minY);
      maxX = std::max(maxX, e.maxX);
      maxY = std::max(maxY, e.maxY);
    }
  };
  // Runs part(half, from, to) over the two halves of 0 .. count, at once on
  // two threads for a large count where the machine has them (the halves
  // then touch disjoint memory), else one after the other.
  static void InHalves(std::size_t count, const std::function<void(int, std::size_t, std::size_t)>& part);
  void SizeBoxes();
  void Build(const Extent& extent);
  // The cell column (row) of x (y), clamped to the grid: clamped first, the
  // truncation is the floor. No branch, for the same reason as Down and Up.
  int CellX(double x) const { return Cell((x - x0_) * perCellX_, nx_); }
  int CellY(double y) const { return Cell((y - y0_) * perCellY_, ny_); }
  static int Cell(double t, int n) { return static_cast<int>(std::min(std::max(t, 0.0), static_cast<double>(n - 1))); }

  std::size_t count_ = 0;
  double x0_ = 0, y0_ = 0, perCellX_ = 1, perCellY_ = 1;
  int nx_ = 0, ny_ = 0;
  // The boxes in single precision, rounded outwards: half the memory to
  // build and to walk, and never smaller than the box they stand for.
  static StoredBox Store(const BoundingBox& b) {
    return StoredBox(Down(b.minX), Down(b.minY), Up(b.maxX), Up(b.maxY));
  }
  // The nearest float at or below (Down) or at or above v. When the
  // conversion rounded the wrong way, the bit pattern steps one float
  // further: a float's bits count up with its magnitude, so a step down is
  // -1 for a positive float and +1 for a negative one (-0 steps to the
  // smallest negative float). A value beyond the float range becomes the
  // largest float or an infinity, which the grid always returns. No branch:
  // about half of all conversions round the wrong way, at random.
  static float Down(double v) {
    const float f = static_cast<float>(v);
    return Nudge(f, static_cast<double>(f) > v, -1);
  }
  static float Up(double v) {
    const float f = static_cast<float>(v);
    return Nudge(f, static_cast<double>(f) < v, +1);
  }
  static float Nudge(float f, bool wrong, int towards) {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    const std::uint32_t negative = bits >> 31;
    // towards -1: +1 when negative, -1 when positive; towards +1 the reverse.
    const std::uint32_t step = towards < 0 ? 2 * negative - 1 : 1 - 2 * negative;
    return std::bit_cast<float>(bits + step * static_cast<std::uint32_t>(wrong));
  }
  std::vector<StoredBox> boxes_;
  std::vector<std::uint32_t> start_;   // per cell, into items_ (nx * ny + 1)
  std::vector<std::uint32_t> items_;   // box indices, ascending within a cell
  std::vector<std::uint32_t> always_;  // ascending
};

}  // namespace sw
