// What the editing tools draw straight onto the drawing area between
// redraws: XOR rubber bands, transform handles, frame flashes and snap
// marks. Drawing the same XOR shape twice erases it; invalidating shows the
// back buffer again, which erases everything drawn here.
#pragma once

#include <functional>
#include <string>

#include "render/Canvas.h"

namespace sw {

class Overlay {
 public:
  virtual ~Overlay() = default;
  // Runs `paint` on a canvas over the drawing area (paint-box pixels) and
  // shows the result at once.
  virtual void draw(const std::function<void(Canvas&)>& paint) = 0;
  // The next paint copies the back buffer again.
  virtual void invalidate() = 0;
  // Shows what was drawn and lets the window run for `ms` milliseconds
  // without taking input for the drawing area (the flashes' pause).
  virtual void pause(int ms) = 0;
  // The zoom gesture's label at paint-box pixel (x, y); an empty text hides it.
  virtual void showLabel(const std::string& text, int x, int y) = 0;
  // The back buffer's middle third shown shifted by (dx, dy) pixels, so that
  // the picture follows the pointer while panning.
  virtual void showBufferShifted(int dx, int dy) = 0;
  // The four-way move cursor while panning, else the default one.
  virtual void setPanCursor(bool on) = 0;
};

}  // namespace sw
