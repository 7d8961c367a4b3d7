// Floors of the redraw benchmark: the same pixels put down the plainest way
// with QPainter, prepared before timing.
//  - The plain floor: per pass of the redraw (grey backdrop, then each
//    visible rectangle frame with its clip), one QPainter::drawLine of one
//    solid one-pixel pen per line the redraw draws in that pass (the end
//    points already clipped and in pixels), one QPainter::drawText per text
//    drawn as glyphs (at the same pixel size and angle, one font family) and
//    one drawPolygon per text drawn as its outline box.
//  - The replay: every call the redraw makes on its canvas, recorded once
//    and painted straight onto QPainter (pens, brushes, clips, lines, dash
//    pieces, polygons, ellipses, one drawText per glyph). It is what the
//    redraw would cost if culling, clipping, transforms, dashing and text
//    layout were free.
// Both start by filling the buffer white, as the redraw does.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "RedrawScene.h"
#include "render/Canvas.h"

namespace sw::bench {

// ---- Plain floor ----

struct FloorText {
  QPoint at;         // start point, pixels
  double angle = 0;  // degrees counter-clockwise
  std::size_t font = 0;
  QString text;
};

struct FloorPass {
  bool clipped = false;
  QRect clip;  // pixels
  std::vector<QLine> lines;
  std::vector<FloorText> texts;
  std::vector<QPolygon> boxes;
};

struct PlainFloor {
  std::vector<FloorPass> passes;
  std::vector<QFont> fonts;  // one per pixel size
  std::size_t lines = 0, texts = 0, boxes = 0;
};

// The passes RedrawSheet makes for `scene` in `view` with BackdropMode 1,
// and what each draws of the scene's lines and texts.
PlainFloor BuildPlainFloor(const Scene& scene, const ViewState& view);

// Fill, then the lines (`lines`) and the texts and boxes (`texts`).
void PaintPlainFloor(QImage& image, const PlainFloor& floor, bool lines, bool texts);

// ---- Replay ----

struct ReplayList {
  enum class Op : std::uint8_t {
    Pen, Brush, Mode, Clip, NoClip, Line, Lines, Polyline, Polygon, Rect, Ellipse, Fill, Text
  };
  struct Item {
    Op op;
    std::uint32_t index = 0;  // into the vector of the op's kind
    std::uint32_t count = 0;  // points or lines
  };
  struct Text {
    QPoint at;
    QString text;
    std::uint32_t font = 0;
    int escapement = 0;  // tenths of a degree
    QColor color;
  };
  std::vector<Item> items;
  std::vector<QPen> pens;
  std::vector<QBrush> brushes;
  std::vector<bool> xorModes;
  std::vector<QRect> rects;
  std::vector<QColor> colors;
  std::vector<QPoint> points;
  std::vector<QLine> lines;
  std::vector<Text> texts;
  std::vector<QFont> fonts;
  std::size_t drawCalls = 0;  // QPainter draw calls a replay makes
};

// A canvas that draws nothing and records what it is asked to draw.
class ReplayRecorder final : public Canvas {
 public:
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

  ReplayList& List() { return list_; }

 private:
  void Sync(bool withPen, bool withBrush);
  std::uint32_t AddPoints(std::span<const PixelPoint> points);
  void Add(ReplayList::Op op, std::uint32_t index, std::uint32_t count, bool draws = true);

  ReplayList list_;
  bool synced_ = false;
  Pen pen_;
  Brush brush_;
  bool penShown_ = true, brushShown_ = true;
  std::map<std::tuple<int, int, bool>, std::uint32_t> fontIndex_;
};

// Records one redraw of `scene` in `view` (BackdropMode 1).
ReplayList RecordRedraw(const Scene& scene, const ViewState& view);

void PaintReplay(QImage& image, const ReplayList& list);

}  // namespace sw::bench
