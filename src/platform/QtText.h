// Glyph output with a logical font on a QPainter, the way the device the
// drawings were made for does it: the cell (ascent + descent) is the
// requested height in pixels, the average width stretches or condenses the
// glyphs, the escapement turns the text about its reference point, the
// top-left or bottom-left corner of the cell sits on the point, and the
// background stays as it is. Strings are CP932 bytes.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "render/Canvas.h"

class QPainter;

namespace sw {

// Fonts, their metrics and shaped strings, kept from one text output to the
// next. One cache per canvas (or longer: it holds nothing of the device).
class QtTextCache {
 public:
  // A string shaped with one font: the glyph runs with the baseline at y = 0
  // and the string for devices that take text rather than glyphs.
  struct Shaped {
    QList<QGlyphRun> runs;
    QString text;
    double advance = 0;  // base pixels
  };
  // One logical font as built: the font at its base pixel size, its cell
  // metrics in base pixels and the scale from base pixels to the requested
  // cell height.
  struct Font {
    QFont font;
    double ascent = 0, descent = 0;
    double em = 1;         // base pixel size
    double avgWidth = 0.5; // the face's average character width, base pixels
    // Underline and strike-out, drawn by this code: offsets from the
    // baseline (positive down) and thickness, base pixels.
    bool underline = false, strikeOut = false;
    double underlineY = 0, strikeOutY = 0, lineWidth = 1;
    double scaleY = 1;  // requested cell / base cell
    std::unordered_map<std::string, Shaped> strings;
  };

  // The font for a logical font (width, escapement and orientation are
  // applied when drawing and are not part of it).
  Font& FontFor(const LogFont& lf);
  // The shaped form of `cp932` with `font`.
  const Shaped& ShapedFor(Font& font, const std::string& cp932);

  std::size_t FontCount() const { return fonts_.size(); }

 private:
  using Key = std::tuple<std::string, std::int32_t, std::int32_t, bool, bool, bool>;
  std::map<Key, Font> fonts_;
  Font* last_ = nullptr;
  LogFont lastFont_;
};

// Draws `cp932` at pixel `at` with the logical font, alignment and colour
// (0x00BBGGRR). Raster devices get cached glyph runs; other devices
// (pictures, printers) get the text itself with the same font and
// transformation.
void QtTextOut(QPainter& painter, QtTextCache& cache, const LogFont& font, TextAlign align,
               Colour colour, PixelPoint at, const std::string& cp932);

}  // namespace sw
