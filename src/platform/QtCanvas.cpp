#include "platform/QtCanvas.h"

#include <QPaintEngine>
#include <algorithm>

namespace sw {

QColor ToQColor(Colour c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

// A pen of width 0 or 1 is the one-pixel cosmetic pen; its flat cap leaves
// out the last pixel of a line as the device does. Wider pens are geometric,
// centred on the path, with round joins.
QPen ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::Clear) return QPen(Qt::NoPen);
  QPen q(ToQColor(pen.color));
  if (pen.width <= 1) {
    q.setWidth(0);
    q.setCapStyle(Qt::FlatCap);
  } else {
    q.setWidth(pen.width);
    q.setCapStyle(pen.ends == PenEnds::Flat ? Qt::FlatCap : Qt::RoundCap);
  }
  q.setJoinStyle(Qt::RoundJoin);
  return q;
}

namespace {

struct Norm {
  int l, t, r, b;
};
Norm Normalise(const CanvasRect& rc) {
  return {std::min(rc.left, rc.right), std::min(rc.top, rc.bottom), std::max(rc.left, rc.right),
          std::max(rc.top, rc.bottom)};
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device, StrokeOrder order) : order_(order) {
  if (!painter_.begin(&device)) return;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  xor_ = painter_.paintEngine() != nullptr &&
         painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

QtCanvas::~QtCanvas() { Finish(); }

bool QtCanvas::Finish() {
  if (!painter_.isActive()) return false;
  FlushStrokes();
  return painter_.end();
}

void QtCanvas::Select(bool withPen, bool withBrush) {
  FlushStrokes();
  Pen pen = GetPen();
  if (!withPen || pen.style == PenStyle::Clear) {
    pen = Pen{0, 0, PenStyle::Clear, pen.mode, PenEnds::Round};
  }
  Brush brush = GetBrush();
  if (!withBrush || brush.style == BrushStyle::Clear) brush = Brush{0, BrushStyle::Clear};
  SelectObjects(pen, brush);
}

void QtCanvas::SelectObjects(const Pen& pen, const Brush& brush) {
  const QPainter::CompositionMode mode = pen.mode == PenMode::Xor && xor_
                                             ? QPainter::RasterOp_SourceXorDestination
                                             : QPainter::CompositionMode_SourceOver;
  if (!selected_ || !(pen == selectedPen_)) painter_.setPen(ToQPen(pen));
  if (!selected_ || !(brush == selectedBrush_)) {
    if (brush.style == BrushStyle::Solid) {
      painter_.setBrush(ToQColor(brush.color));
    } else {
      painter_.setBrush(Qt::NoBrush);
    }
  }
  if (!selected_ || mode != selectedMode_) painter_.setCompositionMode(mode);
  selected_ = true;
  selectedPen_ = pen;
  selectedBrush_ = brush;
  selectedMode_ = mode;
}

// A group is drawn early once it holds this many points, so that no single
// painter path grows with the drawing.
constexpr std::size_t kGroupPoints = 8192;

QtCanvas::StrokeGroup* QtCanvas::GroupFor(const Pen& pen) {
  if (order_ != StrokeOrder::GroupedByPen || (pen.mode == PenMode::Xor && xor_)) return nullptr;
  if (!groups_.empty() && groups_.front().pen.color != pen.color) FlushStrokes();
  for (StrokeGroup& g : groups_)
    if (g.pen == pen) return &g;
  groups_.push_back(StrokeGroup{pen, {}, {}, {}});
  return &groups_.back();
}

void QtCanvas::Hold(StrokeGroup& g, std::span<const PixelPoint> points) {
  if (points.size() == 2) {
    g.lines.emplace_back(points[0].x, points[0].y, points[1].x, points[1].y);
  } else if (points.size() > 2) {
    for (const PixelPoint& p : points) g.points.emplace_back(p.x, p.y);
    g.counts.push_back(static_cast<int>(points.size()));
  }
  if (2 * g.lines.size() + g.points.size() >= kGroupPoints) DrawGroup(g);
}

void QtCanvas::DrawGroup(StrokeGroup& g) {
  SelectObjects(g.pen, Brush{0, BrushStyle::Clear});
  if (!g.lines.empty()) painter_.drawLines(g.lines.data(), static_cast<int>(g.lines.size()));
  std::size_t at = 0;
  for (int n : g.counts) {
    painter_.drawPolyline(g.points.data() + at, n);
    at += static_cast<std::size_t>(n);
  }
  g.lines.clear();
  g.points.clear();
  g.counts.clear();
}

void QtCanvas::FlushStrokes() {
  if (groups_.empty()) return;
  for (StrokeGroup& g : groups_) DrawGroup(g);
  groups_.clear();
}

const QPoint* QtCanvas::Convert(std::span<const PixelPoint> points) {
  buffer_.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) buffer_[i] = QPoint(points[i].x, points[i].y);
  return buffer_.data();
}

// One-pixel lines go through Qt's cosmetic stroker, which steps like the
// device's line algorithm; where a line passes exactly half way between two
// pixels the two may pick different ones.
void QtCanvas::Line(PixelPoint from, PixelPoint to) {
  if (!IsActive() || GetPen().style == PenStyle::Clear) return;
  if (StrokeGroup* g = GroupFor(GetPen())) {
    const PixelPoint ends[2] = {from, to};
    Hold(*g, ends);
    return;
  }
  Select(true, false);
  painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::Polyline(std::span<const PixelPoint> points) {
  if (!IsActive() || points.size() < 2 || GetPen().style == PenStyle::Clear) return;
  if (StrokeGroup* g = GroupFor(GetPen())) {
    Hold(*g, points);
    return;
  }
  Select(true, false);
  if (points.size() == 2) {  // the painter's faster road for one segment
    painter_.drawLine(QPoint(points[0].x, points[0].y), QPoint(points[1].x, points[1].y));
    return;
  }
  painter_.drawPolyline(Convert(points), static_cast<int>(points.size()));
}

void QtCanvas::PolyPolyline(std::span<const PixelPoint> points,
                            std::span<const std::int32_t> counts) {
  if (!IsActive() || GetPen().style == PenStyle::Clear) return;
  if (StrokeGroup* g = GroupFor(GetPen())) {
    std::size_t at = 0;
    for (std::int32_t n : counts) {
      if (n <= 0) continue;
      const std::size_t k = static_cast<std::size_t>(n);
      if (at + k > points.size()) break;
      Hold(*g, points.subspan(at, k));
      at += k;
    }
    return;
  }
  Select(true, false);
  // Runs of one-segment polylines (dashes) go to the painter together.
  lines_.clear();
  auto flushLines = [&] {
    if (!lines_.empty()) painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    lines_.clear();
  };
  std::size_t at = 0;
  for (std::int32_t n : counts) {
    if (n <= 0) continue;
    const std::size_t k = static_cast<std::size_t>(n);
    if (at + k > points.size()) break;
    if (k == 2) {
      lines_.emplace_back(points[at].x, points[at].y, points[at + 1].x, points[at + 1].y);
    } else if (k > 2) {
      flushLines();
      painter_.drawPolyline(Convert(points.subspan(at, k)), static_cast<int>(k));
    }
    at += k;
  }
  flushLines();
}

void QtCanvas::Polygon(std::span<const PixelPoint> points) {
  if (!IsActive() || points.size() < 2) return;
  Select(true, true);
  painter_.drawPolygon(Convert(points), static_cast<int>(points.size()), Qt::OddEvenFill);
}

void QtCanvas::Rectangle(const CanvasRect& rc) {
  if (!IsActive()) return;
  const Norm n = Normalise(rc);
  const bool penShown = GetPen().style != PenStyle::Clear;
  if (GetBrush().style == BrushStyle::Solid) {
    // Without a pen the device fills one pixel less to the right and bottom.
    const int inset = penShown ? 0 : 1;
    Select(false, true);
    const QRect area(n.l, n.t, n.r - n.l - inset, n.b - n.t - inset);
    if (area.width() > 0 && area.height() > 0) painter_.drawRect(area);
  }
  if (penShown && n.r > n.l && n.b > n.t) {
    Select(true, false);
    painter_.drawRect(QRect(n.l, n.t, n.r - n.l - 1, n.b - n.t - 1));
  }
}

void QtCanvas::Ellipse(const CanvasRect& rc) {
  if (!IsActive()) return;
  const Norm n = Normalise(rc);
  if (n.r <= n.l || n.b <= n.t) return;
  // The curve is Qt's own ellipse through the box of the device ellipse
  // (left..right-1, top..bottom-1); single edge pixels may differ from the
  // device's ellipse algorithm.
  Select(true, true);
  painter_.drawEllipse(QRect(n.l, n.t, n.r - n.l - 1, n.b - n.t - 1));
}

void QtCanvas::FillRect(const CanvasRect& rc, Colour color) {
  if (!IsActive()) return;
  FlushStrokes();
  const Norm n = Normalise(rc);
  // A fill is always a plain copy, whatever the pen's mode.
  if (!selected_ || selectedMode_ != QPainter::CompositionMode_SourceOver) {
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    selectedMode_ = QPainter::CompositionMode_SourceOver;
  }
  painter_.fillRect(QRect(n.l, n.t, n.r - n.l, n.b - n.t), ToQColor(color));
}

void QtCanvas::SetClipRect(const CanvasRect& rc) {
  if (!IsActive()) return;
  FlushStrokes();
  const Norm n = Normalise(rc);
  painter_.setClipRect(QRect(n.l, n.t, n.r - n.l, n.b - n.t), Qt::ReplaceClip);
}

void QtCanvas::ClearClip() {
  if (!IsActive()) return;
  FlushStrokes();
  painter_.setClipping(false);
}

void QtCanvas::TextOut(PixelPoint at, const std::string& text) {
  if (!IsActive() || text.empty()) return;
  FlushStrokes();
  QtTextOut(painter_, text_, GetFont(), GetTextAlign(), GetTextColor(), at, text);
  selected_ = false;  // text output sets its own pen and mode
}

}  // namespace sw
