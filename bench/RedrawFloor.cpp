#include "RedrawFloor.h"

#include <QPainter>
#include <cmath>

#include "core/Cp932.h"
#include "geometry/Clip.h"
#include "platform/QtCanvas.h"
#include "render/DrawContext.h"
#include "render/Redraw.h"
#include "render/TextDraw.h"

namespace sw::bench {

namespace {

const QString kFamily = QStringLiteral("IPAGothic");

void AddLines(const DrawContext& ctx, const JWWDrawing& d, FloorPass& pass) {
  for (const CDataSen& l : d.JWWLines) {
    if (!IsEntityVisible(ctx.pen, l.head) || l.head.penStyle > 64) continue;
    double x1 = l.x1, y1 = l.y1, x2 = l.x2, y2 = l.y2;
    if (!ClipSegmentForFrame(ctx, x1, y1, x2, y2)) continue;
    PixelPoint p, q;
    if (!ToPixel(ctx, x1, y1, p) || !ToPixel(ctx, x2, y2, q)) continue;
    pass.lines.emplace_back(p.x, p.y, q.x, q.y);
  }
}

std::size_t FontFor(PlainFloor& floor, std::map<int, std::size_t>& bySize, int pixelSize) {
  auto [it, added] = bySize.emplace(pixelSize, floor.fonts.size());
  if (added) {
    QFont font(kFamily);
    font.setPixelSize(pixelSize);
    floor.fonts.push_back(font);
  }
  return it->second;
}

void AddTexts(const DrawContext& ctx, const JWWDrawing& d, PlainFloor& floor,
              std::map<int, std::size_t>& bySize, FloorPass& pass) {
  const ViewState& v = ctx.view;
  for (const CDataMoji& t : d.JWWTexts) {
    if (IsJwcadSettingsText(t) || !IsEntityVisible(ctx.pen, t.head)) continue;
    const TextBox box = MakeTextBox(t.x1, t.y1, t.x2, t.y2, t.sizeY, t.angle);
    if (TextBoxCulled(ctx, box)) continue;
    if (IsSmallText(v, t.sizeY)) {
      QPolygon poly;
      for (const PaperPoint& c : box.corners) {
        PixelPoint p;
        if (ToPixel(ctx, c.x, c.y, p)) poly << QPoint(p.x, p.y);
      }
      pass.boxes.push_back(poly);
      continue;
    }
    // Glyphs are placed through the view window with the frame's offset.
    const PaperPoint at = ctx.pen.backdrop ? PaperPoint{t.x1, t.y1}
                                           : PaperPoint{t.x1 + ctx.dx, t.y1 - ctx.dy};
    FloorText ft;
    ft.at = QPoint(RoundAway((at.x - v.ViewWindow.left) * v.ViewScale),
                   RoundAway(-(at.y - v.ViewWindow.top) * v.ViewScale));
    ft.angle = t.angle;
    ft.font = FontFor(floor, bySize, std::max(1, RoundAway(t.sizeY * v.ViewScale)));
    ft.text = QString::fromUtf8(Cp932ToUtf8(t.text));
    pass.texts.push_back(std::move(ft));
  }
}

PenContext PassPen(const Scene& s, const CLayCount& frame, int index, bool backdrop) {
  PenContext pc;
  pc.styles = &s.styles;
  pc.groups = &frame.groups;
  pc.currentFrame = index;
  pc.backdrop = backdrop;
  return pc;
}

QRect ToQRect(const CanvasRect& r, int inset) {
  const int l = std::min(r.left, r.right), t = std::min(r.top, r.bottom);
  const int w = std::abs(r.right - r.left) - inset, h = std::abs(r.bottom - r.top) - inset;
  return QRect(l, t, w, h);
}

}  // namespace

PlainFloor BuildPlainFloor(const Scene& s, const ViewState& viewIn) {
  PlainFloor floor;
  std::map<int, std::size_t> bySize;
  ViewState view = viewIn;
  PlaceOrigin(view);
  const CLayMain& sheet = CurrentSheet(s.document);
  auto add = [&](const DrawContext& ctx, FloorPass pass) {
    AddLines(ctx, s.drawing, pass);
    AddTexts(ctx, s.drawing, floor, bySize, pass);
    floor.lines += pass.lines.size();
    floor.texts += pass.texts.size();
    floor.boxes += pass.boxes.size();
    floor.passes.push_back(std::move(pass));
  };
  {  // the grey backdrop: the whole drawing, cut to the view window only
    const PenContext pc = PassPen(s, sheet.frames[0], 0, true);
    add(DrawContext{view, pc, WindowClip(view), 0, 0}, FloorPass{});
  }
  for (std::size_t i = 0; i < sheet.frames.size(); ++i) {
    const CLayCount& frame = sheet.frames[i];
    if (!sheet.shown[i] || frame.kind != kFrameRect) continue;
    const CLayRect& r = sheet.rects[i];
    PlaceFrameOrigin(view, frame.dx, frame.dy);
    if (RectOutside(WindowClip(view), r.x1 + frame.dx, r.y1 - frame.dy, r.x2 + frame.dx,
                    r.y2 - frame.dy) == kClipOutside)
      continue;
    const PixelPoint a = ToScreen(view, MakePoint(r.x1, r.y1));
    const PixelPoint b = ToScreen(view, MakePoint(r.x2, r.y2));
    FloorPass pass;
    pass.clipped = true;
    pass.clip = ToQRect(CanvasRect{a.x, a.y, b.x, b.y}, 0);
    const PenContext pc = PassPen(s, frame, static_cast<int>(i), false);
    add(DrawContext{view, pc, ClipRect{r.x1, r.y1, r.x2, r.y2}, frame.dx, frame.dy},
        std::move(pass));
    view.DrawOrigin = view.PaperOrigin;
  }
  return floor;
}

void PaintPlainFloor(QImage& image, const PlainFloor& floor, bool lines, bool texts) {
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 0));
  p.setBrush(Qt::NoBrush);
  std::size_t font = floor.fonts.size();
  for (const FloorPass& pass : floor.passes) {
    if (pass.clipped)
      p.setClipRect(pass.clip);
    else
      p.setClipping(false);
    if (lines)
      for (const QLine& l : pass.lines) p.drawLine(l);
    if (!texts) continue;
    for (const FloorText& t : pass.texts) {
      if (t.font != font) p.setFont(floor.fonts[font = t.font]);
      if (t.angle == 0) {
        p.drawText(t.at, t.text);
      } else {
        p.save();
        p.translate(t.at);
        p.rotate(-t.angle);
        p.drawText(0, 0, t.text);
        p.restore();
      }
    }
    for (const QPolygon& box : pass.boxes) p.drawPolygon(box);
  }
}

// ---- Replay ----

void ReplayRecorder::Add(ReplayList::Op op, std::uint32_t index, std::uint32_t count, bool draws) {
  list_.items.push_back(ReplayList::Item{op, index, count});
  if (draws) ++list_.drawCalls;
}

void ReplayRecorder::Sync(bool withPen, bool withBrush) {
  Pen pen = GetPen();
  const bool penShown = withPen && pen.style != PenStyle::Clear;
  Brush brush = GetBrush();
  const bool brushShown = withBrush && brush.style == BrushStyle::Solid;
  using Op = ReplayList::Op;
  if (!synced_ || penShown != penShown_ || (penShown && !(pen == pen_))) {
    list_.pens.push_back(penShown ? ToQPen(pen) : QPen(Qt::NoPen));
    Add(Op::Pen, static_cast<std::uint32_t>(list_.pens.size() - 1), 0, false);
  }
  if (!synced_ || brushShown != brushShown_ || (brushShown && !(brush == brush_))) {
    list_.brushes.push_back(brushShown ? QBrush(ToQColor(brush.color)) : QBrush(Qt::NoBrush));
    Add(Op::Brush, static_cast<std::uint32_t>(list_.brushes.size() - 1), 0, false);
  }
  if (!synced_ || pen.mode != pen_.mode) {
    list_.xorModes.push_back(pen.mode == PenMode::Xor);
    Add(Op::Mode, static_cast<std::uint32_t>(list_.xorModes.size() - 1), 0, false);
  }
  synced_ = true;
  pen_ = pen;
  brush_ = brush;
  penShown_ = penShown;
  brushShown_ = brushShown;
}

std::uint32_t ReplayRecorder::AddPoints(std::span<const PixelPoint> points) {
  const auto at = static_cast<std::uint32_t>(list_.points.size());
  for (const PixelPoint& p : points) list_.points.emplace_back(p.x, p.y);
  return at;
}

void ReplayRecorder::Line(PixelPoint from, PixelPoint to) {
  if (GetPen().style == PenStyle::Clear) return;
  Sync(true, false);
  list_.lines.emplace_back(from.x, from.y, to.x, to.y);
  Add(ReplayList::Op::Line, static_cast<std::uint32_t>(list_.lines.size() - 1), 1);
}

void ReplayRecorder::Polyline(std::span<const PixelPoint> points) {
  if (points.size() < 2 || GetPen().style == PenStyle::Clear) return;
  if (points.size() == 2) return Line(points[0], points[1]);
  Sync(true, false);
  const std::uint32_t at = AddPoints(points);
  Add(ReplayList::Op::Polyline, at, static_cast<std::uint32_t>(points.size()));
}

void ReplayRecorder::PolyPolyline(std::span<const PixelPoint> points,
                                  std::span<const std::int32_t> counts) {
  if (GetPen().style == PenStyle::Clear) return;
  Sync(true, false);
  // Runs of two-point pieces go out as one drawLines, as the Qt canvas does.
  std::uint32_t runStart = static_cast<std::uint32_t>(list_.lines.size()), runLength = 0;
  auto flush = [&] {
    if (runLength > 0) Add(ReplayList::Op::Lines, runStart, runLength);
    runStart = static_cast<std::uint32_t>(list_.lines.size());
    runLength = 0;
  };
  std::size_t at = 0;
  for (std::int32_t n : counts) {
    if (n <= 0) continue;
    const auto k = static_cast<std::size_t>(n);
    if (at + k > points.size()) break;
    if (k == 2) {
      list_.lines.emplace_back(points[at].x, points[at].y, points[at + 1].x, points[at + 1].y);
      ++runLength;
    } else if (k > 2) {
      flush();
      const std::uint32_t first = AddPoints(points.subspan(at, k));
      Add(ReplayList::Op::Polyline, first, static_cast<std::uint32_t>(k));
    }
    at += k;
  }
  flush();
}

void ReplayRecorder::Polygon(std::span<const PixelPoint> points) {
  if (points.size() < 2) return;
  Sync(true, true);
  const std::uint32_t at = AddPoints(points);
  Add(ReplayList::Op::Polygon, at, static_cast<std::uint32_t>(points.size()));
}

void ReplayRecorder::Rectangle(const CanvasRect& rect) {
  Sync(true, true);
  list_.rects.push_back(ToQRect(rect, 1));
  Add(ReplayList::Op::Rect, static_cast<std::uint32_t>(list_.rects.size() - 1), 0);
}

void ReplayRecorder::Ellipse(const CanvasRect& rect) {
  Sync(true, true);
  list_.rects.push_back(ToQRect(rect, 1));
  Add(ReplayList::Op::Ellipse, static_cast<std::uint32_t>(list_.rects.size() - 1), 0);
}

void ReplayRecorder::FillRect(const CanvasRect& rect, Colour color) {
  list_.rects.push_back(ToQRect(rect, 0));
  list_.colors.push_back(ToQColor(color));
  Add(ReplayList::Op::Fill, static_cast<std::uint32_t>(list_.rects.size() - 1),
      static_cast<std::uint32_t>(list_.colors.size() - 1));
}

void ReplayRecorder::SetClipRect(const CanvasRect& rect) {
  list_.rects.push_back(ToQRect(rect, 0));
  Add(ReplayList::Op::Clip, static_cast<std::uint32_t>(list_.rects.size() - 1), 0, false);
}

void ReplayRecorder::ClearClip() { Add(ReplayList::Op::NoClip, 0, 0, false); }

void ReplayRecorder::TextOut(PixelPoint at, const std::string& text) {
  if (text.empty()) return;
  const LogFont& lf = GetFont();
  const int size = lf.height == 0 ? 12 : std::abs(lf.height);
  const auto key = std::make_tuple(size, lf.weight, lf.italic);
  auto [it, added] = fontIndex_.emplace(key, static_cast<std::uint32_t>(list_.fonts.size()));
  if (added) {
    QFont font(kFamily);
    font.setPixelSize(size);
    font.setWeight(lf.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(lf.italic);
    list_.fonts.push_back(font);
  }
  list_.texts.push_back(ReplayList::Text{QPoint(at.x, at.y), QString::fromUtf8(Cp932ToUtf8(text)),
                                         it->second, lf.escapement, ToQColor(GetTextColor())});
  Add(ReplayList::Op::Text, static_cast<std::uint32_t>(list_.texts.size() - 1), 0);
  synced_ = false;  // the text colour replaces the pen
}

ReplayList RecordRedraw(const Scene& scene, const ViewState& viewIn) {
  ReplayRecorder recorder;
  ViewState view = viewIn;
  RedrawState state;
  state.BackdropMode = 1;
  RedrawSheet(recorder, view, SheetSource{scene.drawing, scene.document, scene.styles}, state);
  return std::move(recorder.List());
}

void PaintReplay(QImage& image, const ReplayList& list) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  std::uint32_t font = static_cast<std::uint32_t>(list.fonts.size());
  using Op = ReplayList::Op;
  for (const ReplayList::Item& it : list.items) {
    switch (it.op) {
      case Op::Pen: p.setPen(list.pens[it.index]); break;
      case Op::Brush: p.setBrush(list.brushes[it.index]); break;
      case Op::Mode:
        p.setCompositionMode(list.xorModes[it.index] ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
        break;
      case Op::Clip: p.setClipRect(list.rects[it.index]); break;
      case Op::NoClip: p.setClipping(false); break;
      case Op::Line: p.drawLine(list.lines[it.index]); break;
      case Op::Lines: p.drawLines(&list.lines[it.index], static_cast<int>(it.count)); break;
      case Op::Polyline:
        p.drawPolyline(&list.points[it.index], static_cast<int>(it.count));
        break;
      case Op::Polygon:
        p.drawPolygon(&list.points[it.index], static_cast<int>(it.count), Qt::OddEvenFill);
        break;
      case Op::Rect: p.drawRect(list.rects[it.index]); break;
      case Op::Ellipse: p.drawEllipse(list.rects[it.index]); break;
      case Op::Fill: p.fillRect(list.rects[it.index], list.colors[it.count]); break;
      case Op::Text: {
        const ReplayList::Text& t = list.texts[it.index];
        if (t.font != font) p.setFont(list.fonts[font = t.font]);
        p.setPen(t.color);
        if (t.escapement == 0) {
          p.drawText(t.at, t.text);
        } else {
          p.save();
          p.translate(t.at);
          p.rotate(-t.escapement / 10.0);
          p.drawText(0, 0, t.text);
          p.restore();
        }
        break;
      }
    }
  }
}

}  // namespace sw::bench
