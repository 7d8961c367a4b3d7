// Point and size types of the rendering code.
#pragma once

#include <cstdint>

#include "layout/Document.h"

namespace sw {

// PaperPoint (paper or drawing millimetres, y up) comes with the layout document.

// A pixel on the current drawing surface, origin top left, y down.
struct PixelPoint {
  std::int32_t x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// The size of the drawing area (the paint box) in pixels.
struct BoxSize {
  std::int32_t width = 0, height = 0;
  bool operator==(const BoxSize&) const = default;
};

}  // namespace sw
