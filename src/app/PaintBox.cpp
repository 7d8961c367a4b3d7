#include "app/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

namespace sw {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(16, 16);
  setFocusPolicy(Qt::ClickFocus);
}

void TPaintBox::invalidate() {
  stale_ = true;
  update();
}

void TPaintBox::paintEvent(QPaintEvent*) {
  if (screen_.size() != size()) {
    screen_ = QImage(size(), QImage::Format_RGB32);
    screen_.fill(Qt::white);
    stale_ = true;
  }
  if (stale_) {
    if (onPaint) onPaint(screen_);
    stale_ = false;
    ++paintCount_;
  }
  QPainter p(this);
  p.drawImage(0, 0, screen_);
}

void TPaintBox::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  stale_ = true;
  if (onResize) onResize(width(), height());
}

void TPaintBox::mousePressEvent(QMouseEvent* e) {
  if (onMousePress) onMousePress(e);
}
void TPaintBox::mouseMoveEvent(QMouseEvent* e) {
  if (onMouseMove) onMouseMove(e);
}
void TPaintBox::mouseReleaseEvent(QMouseEvent* e) {
  if (onMouseRelease) onMouseRelease(e);
}
void TPaintBox::wheelEvent(QWheelEvent* e) {
  if (onWheel) onWheel(e);
}

}  // namespace sw
