// Where a drawing's lines, arcs and points lie, so that a redraw visits only
// those that can meet the view window and the frame being drawn. Built once
// for a drawing (whenever the drawing is replaced); the entity routines still
// make their own tests, so a redraw through the index draws exactly what a
// scan of every entity draws, in the same order.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/BoxGrid.h"
#include "jww/Drawing.h"

namespace sw {

struct DrawContext;

class DrawingIndex {
 public:
  DrawingIndex() = default;
  explicit DrawingIndex(const JWWDrawing& drawing);

  // True when the index was built for this drawing as it now stands (the
  // same entity arrays, of the same lengths).
  bool Covers(const JWWDrawing& drawing) const;
  // A number no other index of this process has: two redraws through
  // indexes of equal serial drew from the same drawing.
  std::uint64_t Serial() const { return serial_; }

  // The entities of a kind that the drawing context `ctx` may show, in
  // list order, into `out`; false when all of them are to be visited.
  bool Lines(const DrawContext& ctx, std::vector<std::uint32_t>& out) const;
  bool Arcs(const DrawContext& ctx, std::vector<std::uint32_t>& out) const;
  bool Points(const DrawContext& ctx, std::vector<std::uint32_t>& out) const;

 private:
  const void* lines_ = nullptr;
  const void* arcs_ = nullptr;
  const void* points_ = nullptr;
  std::size_t lineCount_ = 0, arcCount_ = 0, pointCount_ = 0;
  std::uint64_t serial_ = 0;
  BoxGrid lineGrid_, arcGrid_, pointGrid_;
};

}  // namespace sw
