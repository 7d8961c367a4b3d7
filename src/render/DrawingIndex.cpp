#include "render/DrawingIndex.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "render/DrawContext.h"

namespace sw {

namespace {

// The part of drawing space that the context can show: the view window in
// the backdrop pass; otherwise the frame's rectangle met with the view
// window moved back by the frame's offset. Widened by `marginPx` pixels.
BoundingBox Visible(const DrawContext& ctx, double marginPx) {
  const ClipRect w = WindowClip(ctx.view);
  const double s = ctx.view.ViewScale;
  const double m = s > 0 ? marginPx / s : 0;
  BoundingBox b{w.left, w.bottom, w.right, w.top};
  if (!ctx.pen.backdrop) {
    const ClipRect& f = ctx.frameClip;
    b = BoundingBox{std::max(b.minX - ctx.dx, f.left), std::max(b.minY + ctx.dy, f.bottom),
            std::min(b.maxX - ctx.dx, f.right), std::min(b.maxY + ctx.dy, f.top)};
  }
  return BoundingBox{b.minX - m, b.minY - m, b.maxX + m, b.maxY + m};
}

// An arc is drawn when its bounding square, widened by a pen width and a
// pixel, meets what is shown; the widest pen of the tables bounds that.
double WidestPen(const DrawContext& ctx) {
  const StyleTables& st = *ctx.pen.styles;
  const auto& widths = ctx.pen.printing ? st.PrintPenWidth : st.ScreenPenWidth;
  return std::max(1, *std::max_element(widths.begin(), widths.end()));
}

bool Query(const BoxGrid& grid, const BoundingBox& visible, std::vector<std::uint32_t>& out) {
  // An empty or inverted rectangle shows nothing, which only the entity
  // routines decide: visit everything then.
  if (!(visible.minX <= visible.maxX) || !(visible.minY <= visible.maxY)) return false;
  return grid.Query(visible, out);
}

}  // namespace

DrawingIndex::DrawingIndex(const JWWDrawing& d)
    : lines_(d.JWWLines.data()),
      arcs_(d.JWWArcs.data()),
      points_(d.JWWPoints.data()),
      lineCount_(d.JWWLines.size()),
      arcCount_(d.JWWArcs.size()),
      pointCount_(d.JWWPoints.size()) {
  static std::atomic<std::uint64_t> next{1};
  serial_ = next++;
  lineGrid_ = BoxGrid(lineCount_, [&](std::size_t i) {
    const CDataSen& l = d.JWWLines[i];
    return BoundingBox{std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2), std::max(l.y1, l.y2)};
  });
  arcGrid_ = BoxGrid(arcCount_, [&](std::size_t i) {
    const CDataEnko& a = d.JWWArcs[i];
    const double r = std::fabs(a.radius) * std::max(1.0, std::fabs(a.flatness));
    return BoundingBox{a.cx - r, a.cy - r, a.cx + r, a.cy + r};
  });
  pointGrid_ = BoxGrid(pointCount_, [&](std::size_t i) {
    const CDataTen& p = d.JWWPoints[i];
    return BoundingBox{p.x, p.y, p.x, p.y};
  });
}

bool DrawingIndex::Covers(const JWWDrawing& d) const {
  return lines_ == d.JWWLines.data() && lineCount_ == d.JWWLines.size() && arcs_ == d.JWWArcs.data() &&
         arcCount_ == d.JWWArcs.size() && points_ == d.JWWPoints.data() && pointCount_ == d.JWWPoints.size();
}

bool DrawingIndex::Lines(const DrawContext& ctx, std::vector<std::uint32_t>& out) const {
  return Query(lineGrid_, Visible(ctx, 1), out);
}

bool DrawingIndex::Arcs(const DrawContext& ctx, std::vector<std::uint32_t>& out) const {
  return Query(arcGrid_, Visible(ctx, WidestPen(ctx) + 2), out);
}

bool DrawingIndex::Points(const DrawContext& ctx, std::vector<std::uint32_t>& out) const {
  return Query(pointGrid_, Visible(ctx, 1), out);
}

}  // namespace sw
