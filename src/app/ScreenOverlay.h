// The overlay of the drawing area: drawing goes straight into PaintBox1's
// screen image, so that XOR shapes drawn twice erase themselves.
#pragma once

#include <QMouseEvent>
#include <QWheelEvent>

#include "edit/Overlay.h"
#include "edit/PointerEvent.h"

namespace sw {

class TPaintBox;

class ScreenOverlay : public Overlay {
 public:
  explicit ScreenOverlay(TPaintBox& box) : box_(box) {}

  void draw(const std::function<void(Canvas&)>& paint) override;
  void invalidate() override;
  void pause(int ms) override;

 private:
  TPaintBox& box_;
};

// The pointer event of a mouse event on the drawing area, and of a wheel turn.
PointerEvent PointerEventOf(const QMouseEvent& e);
PointerEvent PointerEventOf(const QWheelEvent& e);

}  // namespace sw
