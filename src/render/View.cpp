#include "render/View.h"

#include <cmath>

#include "layout/Paper.h"

namespace sw {

std::int32_t RoundAway(double x) {
  // Converting a double outside the int32 range is undefined: saturate.
  constexpr double kMax = 2147483647.0, kMin = -2147483648.0;
  if (std::isnan(x)) return 0;
  const double r = x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5);
  if (r >= kMax) return 2147483647;
  if (r <= kMin) return -2147483647 - 1;
  return static_cast<std::int32_t>(r);
}

PixelPoint ToScreen(const ViewState& v, PaperPoint p) {
  return {RoundAway(p.x * v.ViewScale + v.DrawOrigin.x), RoundAway(-p.y * v.ViewScale + v.DrawOrigin.y)};
}

void SetPaperSize(ViewState& v, std::int32_t index, std::int32_t& paperIndex) {
  const PaperMm s = PaperSizeMm(index);
  if (IsDocumentPaper(index)) paperIndex = index;
  v.PaperSize.width = s.width;
  v.PaperSize.height = s.height;
}

void FitView(ViewState& v, BoxSize box) {
  v.BufferSize.height = 3 * box.height;
  v.BufferSize.width = 3 * box.width;
  if (v.ViewScale == 0 && box.width > 0 && box.height > 0) {
    double byWidth = box.width / v.PaperSize.width;
    double byHeight = box.height / v.PaperSize.height;
    v.ViewScale = byWidth < byHeight ? byWidth : byHeight;
  }
}

void ResetViewWindow(ViewState& v) {
  const double s = v.ViewScale;
  if (s <= 0) return;
  const double hw = v.BufferSize.width / 2.0 / s, hh = v.BufferSize.height / 2.0 / s;
  v.ViewWindow = {-hw, -hh, hw, hh};
}

void RefreshView(ViewState& v, BoxSize box) {
  if (!v.ViewReady) return;
  FitView(v, box);
  ResetViewWindow(v);
}

void FitViewToPaper(ViewState& v, std::int32_t paperIndex, BoxSize box) {
  std::int32_t unused = paperIndex;
  SetPaperSize(v, paperIndex, unused);
  v.ViewReady = true;
  v.ViewScale = 0;
  RefreshView(v, box);
}

void PlaceOrigin(ViewState& v) {
  const double s = v.ViewScale;
  v.DrawOrigin = {RoundAway((0 - v.ViewWindow.left) * s), RoundAway(-(0 - v.ViewWindow.top) * s)};
  v.PaperOrigin = v.DrawOrigin;
}

void PlaceFrameOrigin(ViewState& v, double dx, double dy) {
  const double s = v.ViewScale;
  v.DrawOrigin = {RoundAway(dx * s + v.PaperOrigin.x), RoundAway(dy * s + v.PaperOrigin.y)};
}

void ResizeView(ViewState& v, BoxSize box) {
  v.BufferSize.height = 3 * box.height;
  v.BufferSize.width = 3 * box.width;
  const double s = v.ViewScale;
  if (s <= 0) return;
  const double cx = (v.ViewWindow.left + v.ViewWindow.right) / 2;
  const double cy = (v.ViewWindow.bottom + v.ViewWindow.top) / 2;
  const double hw = 3.0 * box.width / 2 / s, hh = 3.0 * box.height / 2 / s;
  v.ViewWindow = {cx - hw, cy - hh, cx + hw, cy + hh};
}

PaperPoint PixelToPaper(const ViewState& v, BoxSize box, double px, double py) {
  const double s = v.ViewScale;
  return {(px + box.width) / s + v.ViewWindow.left, v.ViewWindow.top - (py + box.height) / s};
}

PixelPoint PaperToPixel(const ViewState& v, PaperPoint p) {
  const double s = v.ViewScale;
  return {RoundAway((p.x - v.ViewWindow.left) * s), RoundAway((v.ViewWindow.top - p.y) * s)};
}

namespace {

PixelRect CentredOutline(const ViewState& v, double halfW, double halfH) {
  const double s = v.ViewScale, l = v.ViewWindow.left, t = v.ViewWindow.top;
  return {RoundAway((-halfW - l) * s), RoundAway(-(halfH - t) * s), RoundAway((halfW - l) * s),
          RoundAway(-(-halfH - t) * s)};
}

}  // namespace

PixelRect PaperOutline(const ViewState& v) {
  return CentredOutline(v, v.PaperSize.width / 2, v.PaperSize.height / 2);
}

PixelRect PrinterOutline(const ViewState& v, const PrintState& print) {
  const double k = print.OutputScale > 0 ? print.OutputScale : 1.0;
  return CentredOutline(v, print.PrinterPaperMm.width / 2 / k, print.PrinterPaperMm.height / 2 / k);
}

SavedView BeginPrintMapping(ViewState& v, double outputScale, std::int32_t pageW, std::int32_t pageH,
                            double dpiX, double dpiY) {
  SavedView saved{v.ViewWindow, v.ViewScale};
  // A page or resolution that is not positive would give an infinite or
  // empty window: keep the view as it is.
  if (!(pageW > 0) || !(pageH > 0) || !(dpiX > 0) || !(dpiY > 0) || !std::isfinite(dpiX) ||
      !std::isfinite(dpiY))
    return saved;
  const double k = outputScale > 0 && std::isfinite(outputScale) ? outputScale : 1.0;
  const double w = pageW * 25.4 / k / dpiX, h = pageH * 25.4 / k / dpiY;
  v.ViewWindow = {-w / 2, -h / 2, w / 2, h / 2};
  v.ViewScale = dpiX / 25.4 * k;
  return saved;
}

void EndPrintMapping(ViewState& v, const SavedView& saved) {
  v.ViewWindow = saved.window;
  v.ViewScale = saved.scale;
}

Status CheckViewInvariants(const ViewState& v) {
  if (v.ViewScale < 0 || !std::isfinite(v.ViewScale)) return MakeError("ViewScale is negative or not finite");
  if (v.BufferSize.width < 0 || v.BufferSize.height < 0 || v.BufferSize.width % 3 != 0 ||
      v.BufferSize.height % 3 != 0)
    return MakeError("BufferSize is not three times a paint box");
  bool tableSize = false;
  for (std::int32_t i = 0; i <= 14 && !tableSize; ++i) {
    ViewState probe;
    std::int32_t unused = 0;
    SetPaperSize(probe, i, unused);
    tableSize = probe.PaperSize == v.PaperSize;
  }
  if (!tableSize) return MakeError("PaperSize is not a size of the paper table");
  if (v.ViewScale == 0) return Status::Ok();
  const double w = v.ViewWindow.right - v.ViewWindow.left, h = v.ViewWindow.top - v.ViewWindow.bottom;
  const double ew = v.BufferSize.width / v.ViewScale, eh = v.BufferSize.height / v.ViewScale;
  if (std::abs(w - ew) > 1e-9 * (1 + ew) || std::abs(h - eh) > 1e-9 * (1 + eh))
    return MakeError("ViewWindow does not span the back buffer at ViewScale");
  return Status::Ok();
}

Status CheckViewInvariants(const ViewState& v, BoxSize box) {
  if (v.BufferSize.width != 3 * box.width || v.BufferSize.height != 3 * box.height)
    return MakeError("BufferSize is not three times the paint box");
  return CheckViewInvariants(v);
}

}  // namespace sw
