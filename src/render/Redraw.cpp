#include "render/Redraw.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "render/DimensionDraw.h"
#include "render/DrawArc.h"
#include "render/DrawLine.h"
#include "render/DrawPoint.h"
#include "render/DrawSolid.h"
#include "render/RubberBand.h"
#include "render/TextDraw.h"

namespace sw {

namespace {

CanvasRect ToCanvas(const PixelRect& r) { return CanvasRect{r.left, r.top, r.right, r.bottom}; }

void SetClearBrush(Canvas& canvas) {
  Brush b = canvas.GetBrush();
  b.style = BrushStyle::Clear;
  canvas.SetBrush(b);
}

// Background and the paper outline (and the printer page in preview).
void DrawPaper(Canvas& canvas, const ViewState& view, const StyleTables& styles) {
  const Colour bg = styles.BackgroundColor;
  canvas.SetPen(Pen{bg, 1, PenStyle::Solid, PenMode::Copy, PenEnds::Round});
  canvas.SetBrush(Brush{bg, BrushStyle::Solid});
  canvas.FillRect(CanvasRect{0, 0, view.BufferSize.width, view.BufferSize.height}, bg);
}

void DrawPaperOutline(Canvas& canvas, const ViewState& view, const StyleTables& styles, const PrintState& print) {
  Pen pen = canvas.GetPen();
  pen.color = styles.ScreenPenColor[9];
  canvas.SetPen(pen);
  SetClearBrush(canvas);
  canvas.Rectangle(ToCanvas(PaperOutline(view)));
  if (print.PrintPreview) canvas.Rectangle(ToCanvas(PrinterOutline(view, print)));
}

PenContext MakePen(const StyleTables& styles, const CLayCount& frame, int index, bool backdrop,
                   bool printing) {
  PenContext pc;
  pc.styles = &styles;
  pc.groups = &frame.groups;
  pc.currentFrame = index;
  pc.backdrop = backdrop;
  pc.printing = printing;
  return pc;
}

// Pixel coordinates beyond this are clamped before a clip rectangle is made
// of them (the canvas works with differences of coordinates).
constexpr std::int32_t kClipLimit = 1 << 29;

CanvasRect ClipOf(PixelPoint a, PixelPoint b) {
  auto c = [](std::int32_t v) { return std::clamp(v, -kClipLimit, kClipLimit); };
  return CanvasRect{c(std::min(a.x, b.x)), c(std::min(a.y, b.y)), c(std::max(a.x, b.x)),
                    c(std::max(a.y, b.y))};
}

// Frame i of `sheet`, a rectangle frame, with DrawOrigin already moved by its
// offset: skipped when wholly outside the view window; else its outline
// (screen only) and the drawing clipped to it. A frame whose corners or
// offset are not finite shows nothing; corners stored the wrong way round
// are taken in order.
void DrawRectFrame(Canvas& canvas, ViewState& view, const SheetSource& src, RedrawState& state,
                   const CLayMain& sheet, std::size_t i, const RubberBandContext& band) {
  const CLayCount& frame = sheet.frames[i];
  const CLayRect& r = sheet.rects[i];
  for (double v : {r.x1, r.y1, r.x2, r.y2, frame.dx, frame.dy})
    if (!std::isfinite(v)) return;
  const double x1 = std::min(r.x1, r.x2), x2 = std::max(r.x1, r.x2);
  const double y1 = std::min(r.y1, r.y2), y2 = std::max(r.y1, r.y2);
  state.FrameClip = ClipRect{x1, y1, x2, y2};
  if (RectOutside(WindowClip(view), x1 + frame.dx, y1 - frame.dy, x2 + frame.dx, y2 - frame.dy) ==
      kClipOutside)
    return;
  const PixelPoint a = ToScreen(view, MakePoint(r.x1, r.y1));
  const PixelPoint b = ToScreen(view, MakePoint(r.x2, r.y2));
  if (!src.print.Printing) {
    RubberBand(canvas, band, a, b, sheet.selectedFrame, r.code);
    // The outline may have been drawn in XOR; the drawing never is.
    Pen pen = canvas.GetPen();
    pen.mode = PenMode::Copy;
    canvas.SetPen(pen);
  }
  const CanvasRect clip = ClipOf(a, b);
  // An empty rectangle makes no clip region: the frame shows nothing.
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;
  canvas.SetClipRect(clip);
  const PenContext pc =
      MakePen(src.styles, frame, static_cast<int>(i), false, src.print.Printing);
  const DrawContext ctx{view, pc, state.FrameClip, frame.dx, frame.dy};
  DrawDrawing(ctx, canvas, src.drawing, src.index);
  canvas.ClearClip();
}

}  // namespace

bool IsJwcadSettingsText(const CDataMoji& text) {
  // Jw_cad (from version 8 on) keeps some of its own settings as texts of the
  // form "Printer_Orientation = 0", "View_Direct2d = 1" or
  // "Draw_BmpTOUKA = 1" at (0, -1000) on layer 0 of group 0. They are
  // settings, not drawing content: only a text at that very place whose
  // whole string is such a name, " = " and an integer is taken for one.
  if (text.x1 != 0 || text.y1 != -1000 || text.head.layer != 0 || text.head.layerGroup != 0)
    return false;
  std::string_view s = text.text;
  constexpr std::string_view kPrefixes[] = {"Printer_", "View_", "Draw_"};
  const bool named = std::any_of(std::begin(kPrefixes), std::end(kPrefixes),
                                 [&](std::string_view p) { return s.starts_with(p); });
  if (!named) return false;
  const std::size_t eq = s.find(" = ");
  if (eq == std::string_view::npos) return false;
  for (char c : s.substr(0, eq))
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  std::string_view value = s.substr(eq + 3);
  if (value.starts_with('-')) value.remove_prefix(1);
  return !value.empty() &&
         std::all_of(value.begin(), value.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

// Draws `items` in list order: those the index picks when it can answer for
// this context, every one otherwise. `skipped` is given each entry the index
// leaves out, in order, for the canvas state it would have left.
template <typename T, typename Draw, typename Skipped>
void DrawKind(const DrawContext& ctx, const std::vector<T>& items, const DrawingIndex* index,
              bool (DrawingIndex::*pick)(const DrawContext&, std::vector<std::uint32_t>&) const,
              std::vector<std::uint32_t>& picked, Draw draw, Skipped skipped) {
  if (index != nullptr && (index->*pick)(ctx, picked)) {
    std::size_t next = 0;
    for (std::uint32_t i : picked) {
      for (; next < i; ++next) skipped(items[next]);
      draw(items[i]);
      next = i + 1;
    }
    for (; next < items.size(); ++next) skipped(items[next]);
    return;
  }
  for (const T& item : items) draw(item);
}

}  // namespace

void DrawDrawing(const DrawContext& ctx, Canvas& canvas, const JWWDrawing& d, const DrawingIndex* index) {
  if (index != nullptr && !index->Covers(d)) index = nullptr;
  std::vector<std::uint32_t> picked;
  for (const CDataSolid& s : d.JWWSolids) DrawSolid(ctx, canvas, s);
  SetClearBrush(canvas);
  long long budget = kBlockBudget;
  for (const CDataBlock& b : d.JWWInserts) DrawBlock(ctx, canvas, d.JWWBlocks, b, budget);
  DrawKind(ctx, d.JWWLines, index, &DrawingIndex::Lines, picked,
           [&](const CDataSen& l) { DrawLine(ctx, canvas, l); }, [](const CDataSen&) {});
  DrawKind(ctx, d.JWWArcs, index, &DrawingIndex::Arcs, picked,
           [&](const CDataEnko& a) { DrawArc(ctx, canvas, a, false); },
           [&](const CDataEnko& a) { SelectArcState(ctx, canvas, a); });
  for (const CDataSunpou& m : d.JWWDims) DrawDimension(ctx, canvas, m);
  for (const CDataMoji& t : d.JWWTexts)
    if (!IsJwcadSettingsText(t)) DrawText(ctx, canvas, t);
  DrawKind(ctx, d.JWWPoints, index, &DrawingIndex::Points, picked,
           [&](const CDataTen& p) { DrawPoint(ctx, canvas, p); }, [](const CDataTen&) {});
}

namespace {

// The current sheet, or null when the document's current index is out of
// range (then only the paper is drawn).
const CLayMain* SheetOf(const LayoutDocument& doc) {
  const int i = doc.head.currentSheet;
  if (i < 0 || i >= static_cast<int>(doc.Sheets.size())) return nullptr;
  return &doc.Sheets[static_cast<std::size_t>(i)];
}

}  // namespace

void RedrawUnderFrames(Canvas* canvas, ViewState& view, const SheetSource& src, RedrawState& state) {
  state.Painted = false;
  const StyleTables& styles = src.styles;
  if (canvas != nullptr && !src.print.Printing) DrawPaper(*canvas, view, styles);
  PlaceOrigin(view);
  if (canvas != nullptr && !src.print.Printing) DrawPaperOutline(*canvas, view, styles, src.print);
  const CLayMain* sheet = SheetOf(src.document);
  if (sheet == nullptr) return;
  if (state.BackdropMode == 1 && !sheet->frames.empty()) {
    view.DrawOrigin = view.PaperOrigin;
    state.CurrentFrame = 0;
    if (canvas != nullptr) {
      const PenContext pc = MakePen(styles, sheet->frames[0], 0, true, src.print.Printing);
      const DrawContext ctx{view, pc, WindowClip(view), 0, 0};
      DrawDrawing(ctx, *canvas, src.drawing, src.index);
    }
    state.BackdropMode = 2;
  }
}

std::optional<UnderFramesKey> UnderFramesKeyOf(const ViewState& view, const SheetSource& src,
                                               const RedrawState& state) {
  if (src.index == nullptr || !src.index->Covers(src.drawing)) return std::nullopt;
  UnderFramesKey key{view, src.styles, src.print, state.BackdropMode, src.index->Serial(), false, {}};
  if (const CLayMain* sheet = SheetOf(src.document)) {
    key.sheet = true;
    if (!sheet->frames.empty()) key.backdropGroups = sheet->frames[0].groups;
    else key.backdropMode = -1;
  }
  return key;
}

void RedrawFrames(Canvas& canvas, ViewState& view, const SheetSource& src, RedrawState& state) {
  const CLayMain* sheetPtr = SheetOf(src.document);
  if (sheetPtr == nullptr) return;
  const CLayMain& sheet = *sheetPtr;
  const LayoutDocument& doc = src.document;
  const StyleTables& styles = src.styles;
  const RubberBandContext band{view, styles, BoxSize{view.BufferSize.width / 3,
                                                     view.BufferSize.height / 3}};

  const bool hasDrawing = !doc.head.baseFile.empty();
  const std::size_t frameCount =
      std::min({sheet.frames.size(), sheet.rects.size(), sheet.shown.size()});
  for (std::size_t i = 0; hasDrawing && i < frameCount; ++i) {
    if (!sheet.shown[i]) continue;
    const CLayCount& frame = sheet.frames[i];
    state.CurrentFrame = static_cast<int>(i);
    PlaceFrameOrigin(view, frame.dx, frame.dy);
    if (frame.kind == kFrameRect) DrawRectFrame(canvas, view, src, state, sheet, i, band);
    view.DrawOrigin = view.PaperOrigin;
  }

  for (const CLayLine& line : sheet.lines) {
    if (src.print.Printing) break;
    if (!std::isfinite(line.x1) || !std::isfinite(line.y1) || !std::isfinite(line.x2) ||
        !std::isfinite(line.y2))
      continue;
    const PixelPoint a = ToScreen(view, MakePoint(line.x1, line.y1));
    const PixelPoint b = ToScreen(view, MakePoint(line.x2, line.y2));
    RubberBand(canvas, band, a, b, sheet.selectedFrame, 231);
  }
  if (state.BackdropMode == 2) state.BackdropMode = 1;
}

void RedrawSheet(Canvas& canvas, ViewState& view, const SheetSource& src, RedrawState& state) {
  RedrawUnderFrames(&canvas, view, src, state);
  RedrawFrames(canvas, view, src, state);
}

}  // namespace sw
