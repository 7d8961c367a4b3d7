// The overlay of the drawing area: drawing goes straight into PaintBox1's
// screen image, so that XOR shapes drawn twice erase themselves.
#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>

#include "edit/Overlay.h"
#include "edit/PointerEvent.h"

class QLabel;

namespace sw {

class TPaintBox;

class ScreenOverlay : public Overlay {
 public:
  // `backBuffer` is the window's back buffer (it may be replaced by a new
  // image of another size; the reference stays valid); `label` is Label1.
  ScreenOverlay(TPaintBox& box, const QImage& backBuffer, QLabel& label)
      : box_(box), backBuffer_(backBuffer), label_(label) {}

  void draw(const std::function<void(Canvas&)>& paint) override;
  void invalidate() override;
  void pause(int ms) override;
  void showLabel(const std::string& text, int x, int y) override;
  void showBufferShifted(int dx, int dy) override;
  void setPanCursor(bool on) override;

 private:
  TPaintBox& box_;
  const QImage& backBuffer_;
  QLabel& label_;
};

// The pointer event of a mouse event on the drawing area, and of a wheel turn.
PointerEvent PointerEventOf(const QMouseEvent& e);
PointerEvent PointerEventOf(const QWheelEvent& e);

}  // namespace sw
