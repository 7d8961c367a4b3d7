// A pixel position on a drawing surface: 32-bit integers, origin top left,
// y down. The geometry module's own point type; render converts to and from
// its PixelPoint.
#pragma once

#include <cstdint>

namespace sw {

struct IntPoint {
  std::int32_t x = 0, y = 0;
  bool operator==(const IntPoint&) const = default;
};

}  // namespace sw
