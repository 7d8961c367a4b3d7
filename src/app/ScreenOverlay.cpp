#include "app/ScreenOverlay.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QThread>

#include <cmath>

#include "app/PaintBox.h"
#include "platform/QtCanvas.h"

namespace sw {

void ScreenOverlay::draw(const std::function<void(Canvas&)>& paint) {
  QImage& screen = box_.screenImage();
  if (screen.isNull()) return;
  {
    QtCanvas canvas(screen);
    paint(canvas);
  }
  box_.showDirect();
}

void ScreenOverlay::invalidate() { box_.invalidate(); }

void ScreenOverlay::pause(int ms) {
  box_.repaint();
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, static_cast<int>(ms - clock.elapsed()));
    QThread::msleep(5);
  }
}

void ScreenOverlay::showLabel(const std::string& text, int x, int y) {
  if (text.empty()) {
    label_.hide();
    return;
  }
  label_.setText(QString::fromStdString(text));
  label_.adjustSize();
  label_.move(x, y);
  label_.show();
  label_.raise();
}

void ScreenOverlay::showBufferShifted(int dx, int dy) {
  QImage& screen = box_.screenImage();
  if (screen.isNull() || backBuffer_.isNull()) return;
  {
    QPainter p(&screen);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(-box_.width() + dx, -box_.height() + dy, backBuffer_);
  }
  box_.showDirect();
}

void ScreenOverlay::setPanCursor(bool on) {
  if (on)
    box_.setCursor(Qt::SizeAllCursor);
  else
    box_.unsetCursor();
}

namespace {

PointerButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return PointerButton::Left;
    case Qt::RightButton: return PointerButton::Right;
    case Qt::MiddleButton: return PointerButton::Middle;
    default: return PointerButton::None;
  }
}

void Fill(PointerEvent& p, Qt::MouseButtons held, Qt::KeyboardModifiers mods, QPointF pos) {
  p.leftHeld = held.testFlag(Qt::LeftButton);
  p.rightHeld = held.testFlag(Qt::RightButton);
  p.middleHeld = held.testFlag(Qt::MiddleButton);
  p.shift = mods.testFlag(Qt::ShiftModifier);
  p.ctrl = mods.testFlag(Qt::ControlModifier);
  p.x = static_cast<std::int32_t>(std::floor(pos.x()));
  p.y = static_cast<std::int32_t>(std::floor(pos.y()));
}

}  // namespace

PointerEvent PointerEventOf(const QMouseEvent& e) {
  PointerEvent p;
  Fill(p, e.buttons(), e.modifiers(), e.position());
  p.button = ButtonOf(e.button());
  return p;
}

PointerEvent PointerEventOf(const QWheelEvent& e) {
  PointerEvent p;
  Fill(p, e.buttons(), e.modifiers(), e.position());
  p.wheelDelta = e.angleDelta().y();
  return p;
}

}  // namespace sw
