// Canvas over a QPainter on any QPaintDevice: the back buffer (QImage,
// Format_RGB32), the print picture (QPicture) or a printer. Drawing is
// aliased and follows the device conventions of render/Canvas.h; XOR pens
// use RasterOp_SourceXorDestination where the paint engine has raster
// operations and fall back to plain copying elsewhere (printers).
#pragma once

#include <QPainter>
#include <vector>

#include "platform/QtText.h"
#include "render/Canvas.h"

class QPaintDevice;

namespace sw {

// How strokes reach the painter. InOrder draws each as it comes (the screen).
// GroupedByPen holds back a run of opaque strokes of one colour and draws
// them pen by pen when the colour changes or anything else is drawn: strokes
// of one colour cover the same pixels in any order, and a vector device
// (a printer, a PDF) then writes each pen once instead of once per stroke.
enum class StrokeOrder : std::uint8_t { InOrder, GroupedByPen };

class QtCanvas : public Canvas {
 public:
  // Begins painting on `device`; the painting ends with the canvas.
  explicit QtCanvas(QPaintDevice& device, StrokeOrder order = StrokeOrder::InOrder);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // False when the device could not be painted on (a null image, say).
  bool IsActive() const { return painter_.isActive(); }
  // Ends the painting now (a printer then finishes its page); false when
  // the device reported a failure. The canvas draws nothing afterwards.
  bool Finish();
  // Draws the strokes held back by GroupedByPen now.
  void FlushStrokes();
  // True when XOR pens really XOR on this device.
  bool XorSupported() const { return xor_; }

  void Line(PixelPoint from, PixelPoint to) override;
  void Polyline(std::span<const PixelPoint> points) override;
  void PolyPolyline(std::span<const PixelPoint> points,
                    std::span<const std::int32_t> counts) override;
  void Polygon(std::span<const PixelPoint> points) override;
  void Rectangle(const CanvasRect& rect) override;
  void Ellipse(const CanvasRect& rect) override;
  void FillRect(const CanvasRect& rect, Colour color) override;
  void SetClipRect(const CanvasRect& rect) override;
  void ClearClip() override;
  void TextOut(PixelPoint at, const std::string& text) override;

 private:
  // Selects the canvas pen (or none) and brush (or none) into the painter,
  // with the pen's copy or XOR mode.
  void Select(bool withPen, bool withBrush);
  void SelectObjects(const Pen& pen, const Brush& brush);
  const QPoint* Convert(std::span<const PixelPoint> points);
  struct StrokeGroup {
    Pen pen;
    std::vector<QLine> lines;
    std::vector<QPoint> points;  // polylines of three or more points
    std::vector<int> counts;
  };
  // The group of held-back strokes of `pen`, or null when the stroke is to
  // be drawn at once. A stroke of another colour first draws what is held.
  StrokeGroup* GroupFor(const Pen& pen);
  void Hold(StrokeGroup& group, std::span<const PixelPoint> points);
  void DrawGroup(StrokeGroup& group);

  QPainter painter_;
  bool xor_ = false;
  // What the painter holds, so that unchanged objects are not set again.
  bool selected_ = false;
  Pen selectedPen_;
  Brush selectedBrush_;
  QPainter::CompositionMode selectedMode_ = QPainter::CompositionMode_SourceOver;
  std::vector<QPoint> buffer_;
  std::vector<QLine> lines_;
  StrokeOrder order_ = StrokeOrder::InOrder;
  std::vector<StrokeGroup> groups_;  // held back, all of one colour
  QtTextCache text_;  // fonts and shaped strings of TextOut
};

// 0x00BBGGRR to QColor.
QColor ToQColor(Colour color);

// The painter pen of a canvas pen (QPen::NoPen for a clear one).
QPen ToQPen(const Pen& pen);

}  // namespace sw
