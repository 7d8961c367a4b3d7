// Helper of the raster text tests: the bounding box of the ink in an image.
#pragma once

#include <QImage>
#include <algorithm>

namespace sw::test {

// Bounding box (inclusive) of the pixels that differ from the top-left one.
struct Ink {
  bool found = false;
  int left = 0, top = 0, right = 0, bottom = 0;
};

inline Ink FindInk(const QImage& img, QRgb background) {
  Ink ink;
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if ((row[x] & 0xFFFFFF) == (background & 0xFFFFFF)) continue;
      if (!ink.found) {
        ink = Ink{true, x, y, x, y};
      } else {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
  }
  return ink;
}

inline Ink FindInk(const QImage& img) { return FindInk(img, img.pixel(0, 0)); }

}  // namespace sw::test
