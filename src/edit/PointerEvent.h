// One mouse or wheel event on the drawing area, as the pointer handlers
// take it. Pixels are paint-box pixels (origin top left, y down).
#pragma once

#include <cstdint>

namespace sw {

enum class PointerButton { None, Left, Right, Middle };

struct PointerEvent {
  // The buttons held after the event.
  bool leftHeld = false;
  bool rightHeld = false;
  bool middleHeld = false;
  // The button pressed or released by the event; None for a move or wheel.
  PointerButton button = PointerButton::None;
  bool shift = false;
  bool ctrl = false;
  std::int32_t x = 0;
  std::int32_t y = 0;
  // Wheel turn in eighths of a degree (120 per notch, positive away from
  // the user); 0 for mouse events.
  std::int32_t wheelDelta = 0;
  bool operator==(const PointerEvent&) const = default;
};

}  // namespace sw
