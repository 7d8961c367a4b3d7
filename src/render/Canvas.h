// The drawing surface every renderer draws on: a small device-like interface
// with a selected pen, brush, font, text alignment and text colour, and a
// rectangular clip. Curves and dashes arrive already turned into polylines
// (geometry/TPath), so the canvas needs no path engine.
//
// Conventions (those of the device the drawings were made for):
// - Colours are 0x00BBGGRR.
// - Pixel rectangles exclude their right and bottom edges.
// - Line and Polyline leave out the last pixel of the last segment.
// - A pen of width 0 or 1 is one pixel; wider pens are geometric, centred
//   on the path, with the chosen ends and round joins.
// - Polygon fills by the alternate (even-odd) rule.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "render/Points.h"

namespace sw {

using Colour = std::uint32_t;  // 0x00BBGGRR

enum class PenStyle : std::uint8_t { Solid, Clear };
enum class PenMode : std::uint8_t { Copy, Xor };
enum class PenEnds : std::uint8_t { Round, Flat };

struct Pen {
  Colour color = 0;
  std::int32_t width = 1;  // pixels
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
  PenEnds ends = PenEnds::Round;
  bool operator==(const Pen&) const = default;
};

enum class BrushStyle : std::uint8_t { Solid, Clear };

struct Brush {
  Colour color = 0x00FFFFFF;
  BrushStyle style = BrushStyle::Solid;
  bool operator==(const Brush&) const = default;
};

// A logical font: sizes in pixels, angles in tenths of a degree
// counter-clockwise, weight 100..900 (400 normal, 700 bold), face name in
// CP932 bytes.
struct LogFont {
  std::int32_t height = 0;  // cell height
  std::int32_t width = 0;   // average character width; 0 = the face's own
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint8_t charSet = 1;  // 1 = default character set
  std::string faceName;
  bool operator==(const LogFont&) const = default;
};

// Which corner of the text's cell sits on the reference point.
enum class TextAlign : std::uint8_t { TopLeft, BottomLeft };

// Pixel rectangle given by its corners, as the device takes it; drawing
// excludes the right and bottom edges.
struct CanvasRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const CanvasRect&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  void SetPen(const Pen& pen) { pen_ = pen; }
  const Pen& GetPen() const { return pen_; }
  void SetBrush(const Brush& brush) { brush_ = brush; }
  const Brush& GetBrush() const { return brush_; }
  void SetFont(const LogFont& font) { font_ = font; }
  const LogFont& GetFont() const { return font_; }
  void SetTextAlign(TextAlign align) { align_ = align; }
  TextAlign GetTextAlign() const { return align_; }
  void SetTextColor(Colour color) { textColor_ = color; }
  Colour GetTextColor() const { return textColor_; }

  // One segment with the pen; `to` itself is not painted.
  virtual void Line(PixelPoint from, PixelPoint to) = 0;
  // Connected segments with the pen; the last point is not painted.
  virtual void Polyline(std::span<const PixelPoint> points) = 0;
  // Several polylines with the pen, as separate Polyline calls: `counts`
  // gives the number of points of each, taken in turn from `points`.
  // Implementations may draw them in one go.
  virtual void PolyPolyline(std::span<const PixelPoint> points,
                            std::span<const std::int32_t> counts);
  // Closed outline with the pen, interior with the brush.
  virtual void Polygon(std::span<const PixelPoint> points) = 0;
  // Outline with the pen, interior with the brush.
  virtual void Rectangle(const CanvasRect& rect) = 0;
  // The ellipse inscribed in `rect`: outline with the pen, interior with the brush.
  virtual void Ellipse(const CanvasRect& rect) = 0;
  // Fills `rect` with a solid colour; no outline, pen and brush untouched.
  virtual void FillRect(const CanvasRect& rect, Colour color) = 0;
  // Restricts all later drawing to `rect` until ClearClip.
  virtual void SetClipRect(const CanvasRect& rect) = 0;
  virtual void ClearClip() = 0;
  // Draws CP932 `text` with the selected font, alignment and text colour;
  // the background is left as it is.
  virtual void TextOut(PixelPoint at, const std::string& text) = 0;

 private:
  Pen pen_;
  Brush brush_;
  LogFont font_;
  TextAlign align_ = TextAlign::TopLeft;
  Colour textColor_ = 0;
};

}  // namespace sw
