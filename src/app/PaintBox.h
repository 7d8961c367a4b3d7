// The drawing area PaintBox1: it owns a screen image of its own size.
// invalidate() marks the image stale; the next paint runs the paint handler
// (which copies the back buffer's middle third into the image and draws the
// transform handles) and then shows the image. Drawing straight into the
// image (XOR rubber bands, handles, flashes) is shown with showDirect()
// without recopying, so drawing twice erases. Exposure just shows the image.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace sw {

class TPaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPaintBox(QWidget* parent = nullptr);

  // Called on paint when the image is stale: fill `screen` (W x H pixels).
  std::function<void(QImage& screen)> onPaint;
  // Called after the size changed, with the new width and height.
  std::function<void(int width, int height)> onResize;
  // Mouse and wheel input, forwarded to the window.
  std::function<void(QMouseEvent*)> onMousePress, onMouseMove, onMouseRelease;
  std::function<void(QWheelEvent*)> onWheel;

  void invalidate();
  // The screen image, for drawing straight onto the drawing area.
  QImage& screenImage() { return screen_; }
  // Shows the screen image as it is now.
  void showDirect() { update(); }
  // Number of paints that ran the paint handler.
  int paintCount() const { return paintCount_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  QImage screen_;
  bool stale_ = true;
  int paintCount_ = 0;
};

}  // namespace sw
