// A canvas that draws nothing and records every call with the pen and brush
// selected at that moment, so that tests can assert exactly what was drawn.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "render/Canvas.h"

namespace sw {

enum class CanvasOp : std::uint8_t {
  Line,
  Polyline,
  Polygon,
  Rectangle,
  Ellipse,
  FillRect,
  SetClipRect,
  ClearClip,
  TextOut,
};

// One recorded call. Fields that the operation does not use keep their
// defaults: `points` for Line (two points), Polyline, Polygon and TextOut
// (one point); `rect` for Rectangle, Ellipse, FillRect and SetClipRect;
// `color` for FillRect; `text`, `font`, `align` and `textColor` for TextOut.
struct CanvasCall {
  CanvasOp op = CanvasOp::Line;
  Pen pen;
  Brush brush;
  std::vector<PixelPoint> points;
  CanvasRect rect;
  Colour color = 0;
  std::string text;
  LogFont font;
  TextAlign align = TextAlign::TopLeft;
  Colour textColor = 0;
  bool operator==(const CanvasCall&) const = default;
};

class RecordingCanvas : public Canvas {
 public:
  void Line(PixelPoint from, PixelPoint to) override;
  void Polyline(std::span<const PixelPoint> points) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void Rectangle(const CanvasRect& rect) override;
  void Ellipse(const CanvasRect& rect) override;
  void FillRect(const CanvasRect& rect, Colour color) override;
  void SetClipRect(const CanvasRect& rect) override;
  void ClearClip() override;
  void TextOut(PixelPoint at, const std::string& text) override;

  const std::vector<CanvasCall>& Calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<CanvasCall> Of(CanvasOp op) const;
  std::size_t Count(CanvasOp op) const;
  void Clear() { calls_.clear(); }

 private:
  CanvasCall& Record(CanvasOp op);
  std::vector<CanvasCall> calls_;
};

}  // namespace sw
