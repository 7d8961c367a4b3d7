#include "render/RecordingCanvas.h"

#include <algorithm>

namespace sw {

CanvasCall& RecordingCanvas::Record(CanvasOp op) {
  CanvasCall& c = calls_.emplace_back();
  c.op = op;
  c.pen = GetPen();
  c.brush = GetBrush();
  return c;
}

void RecordingCanvas::Line(PixelPoint from, PixelPoint to) {
  Record(CanvasOp::Line).points = {from, to};
}

void RecordingCanvas::Polyline(std::span<const PixelPoint> points) {
  Record(CanvasOp::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
  Record(CanvasOp::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::Rectangle(const CanvasRect& rect) { Record(CanvasOp::Rectangle).rect = rect; }

void RecordingCanvas::Ellipse(const CanvasRect& rect) { Record(CanvasOp::Ellipse).rect = rect; }

void RecordingCanvas::FillRect(const CanvasRect& rect, Colour color) {
  CanvasCall& c = Record(CanvasOp::FillRect);
  c.rect = rect;
  c.color = color;
}

void RecordingCanvas::SetClipRect(const CanvasRect& rect) {
  Record(CanvasOp::SetClipRect).rect = rect;
}

void RecordingCanvas::ClearClip() { Record(CanvasOp::ClearClip); }

void RecordingCanvas::TextOut(PixelPoint at, const std::string& text) {
  CanvasCall& c = Record(CanvasOp::TextOut);
  c.points = {at};
  c.text = text;
  c.font = GetFont();
  c.align = GetTextAlign();
  c.textColor = GetTextColor();
}

std::vector<CanvasCall> RecordingCanvas::Of(CanvasOp op) const {
  std::vector<CanvasCall> out;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
               [op](const CanvasCall& c) { return c.op == op; });
  return out;
}

std::size_t RecordingCanvas::Count(CanvasOp op) const {
  return static_cast<std::size_t>(std::count_if(
      calls_.begin(), calls_.end(), [op](const CanvasCall& c) { return c.op == op; }));
}

}  // namespace sw
