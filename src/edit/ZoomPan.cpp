#include "edit/ZoomPan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace sw {

namespace {

bool UsableScale(double s) { return s > 0 && std::isfinite(s); }

// Pixels the paper spans across and down at scale `s` when the window is
// centred on (cx, cy): its corners taken relative to that centre, each
// rounded half away from zero.
struct PaperSpan {
  double across = 0, down = 0;
};
PaperSpan SpanAt(const MmExtent& paper, double cx, double cy, double s) {
  const double hw = paper.width / 2, hh = paper.height / 2;
  return {std::fabs(std::round((hw - cx) * s) - std::round((-hw - cx) * s)),
          std::fabs(std::round((hh - cy) * s) - std::round((-hh - cy) * s))};
}

// Scale `s` with the window spanning the whole back buffer around (cx, cy).
void CentreWindow(ViewState& v, double cx, double cy, double s) {
  v.ViewScale = s;
  const double hw = v.BufferSize.width / 2.0 / s, hh = v.BufferSize.height / 2.0 / s;
  v.ViewWindow = {cx - hw, cy - hh, cx + hw, cy + hh};
}

SavedView CurrentView(const ViewState& v) { return {v.ViewWindow, v.ViewScale}; }

bool LeftOf(PixelPoint press, PixelPoint p) { return p.x < press.x; }
bool Above(PixelPoint press, PixelPoint p) { return p.y < press.y; }

}  // namespace

bool WheelZoom(ViewState& v, BoxSize box, int x, int y, bool wheelDown, int wheelSetting) {
  const double s = v.ViewScale;
  if (!UsableScale(s)) return false;
  if (!(x > 0 && x < box.width && y > 0 && y < box.height)) return false;
  // Pixels from the pointer to the paint-box centre (halves rounded toward zero).
  const double a = box.width / 2 - x, b = box.height / 2 - y;
  const bool zoomIn = wheelDown == (wheelSetting == 0);

  const ViewRect& w0 = v.ViewWindow;
  const double cx = (w0.left + w0.right) / 2, cy = (w0.bottom + w0.top) / 2;
  const double w = w0.right - w0.left, h = w0.top - w0.bottom;
  if (zoomIn) {
    const double ns = s * kWheelZoomIn;
    const double ncx = cx - a / (3 * s), ncy = cy + b / (3 * s);
    const PaperSpan span = SpanAt(v.PaperSize, ncx, ncy, ns);
    if (!(span.across <= kZoomMaxPaperPixels && span.down <= kZoomMaxPaperPixels)) return false;
    v.ViewWindow = {ncx - w / 3, ncy - h / 3, ncx + w / 3, ncy + h / 3};
    v.ViewScale = ns;
  } else {
    const double ns = s * kWheelZoomOut;
    const double ncx = cx + a / (3 * ns), ncy = cy - b / (3 * ns);
    const PaperSpan span = SpanAt(v.PaperSize, ncx, ncy, ns);
    if (!(span.across >= kZoomMinPaperPixels && span.down >= kZoomMinPaperPixels)) return false;
    v.ViewScale = ns;
    v.ViewWindow = {ncx - w / 1.32, ncy - h / 1.32, ncx + w / 1.32, ncy + h / 1.32};
  }
  return true;
}

void PanView(ViewState& v, PixelPoint press, PixelPoint release) {
  const double s = v.ViewScale;
  if (!UsableScale(s)) return;
  const double ddx = (press.x - release.x) / s, ddy = (press.y - release.y) / s;
  v.ViewWindow.left += ddx;
  v.ViewWindow.right += ddx;
  v.ViewWindow.bottom -= ddy;
  v.ViewWindow.top -= ddy;
}

ZoomGesture ClassifyGesture(PixelPoint press, PixelPoint release) {
  if (std::abs(press.x - release.x) <= kGestureClickPixels && std::abs(press.y - release.y) <= kGestureClickPixels)
    return ZoomGesture::Centre;
  const bool left = LeftOf(press, release), up = Above(press, release);
  if (!left) return up ? ZoomGesture::Whole : ZoomGesture::Enlarge;
  return up ? ZoomGesture::Shrink : ZoomGesture::Previous;
}

const char* GestureLabel(PixelPoint press, PixelPoint pointer) {
  // \u3000 is the full-width space between the two characters.
  const bool left = LeftOf(press, pointer), up = Above(press, pointer);
  if (left) return up ? " 縮\u3000小 " : " 前倍率 ";
  return up ? " 全\u3000体 " : " 拡\u3000大 ";
}

bool GestureShowsBox(PixelPoint press, PixelPoint pointer) {
  return !LeftOf(press, pointer) && !Above(press, pointer);
}

bool ApplyGesture(ViewState& v, BoxSize box, ZoomGesture g, PixelPoint press, PixelPoint release) {
  if (!UsableScale(v.ViewScale) || box.width <= 0 || box.height <= 0) return false;
  const ViewState before = v;
  const PaperPoint p = PixelToPaper(v, box, press.x, press.y);
  const PaperPoint r = PixelToPaper(v, box, release.x, release.y);
  ViewRect& win = v.ViewWindow;
  const double w = win.right - win.left, h = win.top - win.bottom;

  switch (g) {
    case ZoomGesture::Centre: {
      const double ddx = r.x - (win.left + win.right) / 2, ddy = r.y - (win.bottom + win.top) / 2;
      win = {win.left + ddx, win.bottom + ddy, win.right + ddx, win.top + ddy};
      break;
    }
    case ZoomGesture::Enlarge: {
      if (!(w >= kEnlargeMinWindow && h >= kEnlargeMinWindow)) return false;
      v.PreviousView = CurrentView(before);
      // The rectangle at buffer size (3 x its own) against the window; a
      // degenerate side leaves the other to decide.
      const double rw = std::max(3 * std::fabs(r.x - p.x), 1e-6);
      const double rh = std::max(3 * std::fabs(r.y - p.y), 1e-6);
      CentreWindow(v, (p.x + r.x) / 2, (p.y + r.y) / 2, before.ViewScale * std::min(w / rw, h / rh));
      break;
    }
    case ZoomGesture::Shrink:
      v.PreviousView = CurrentView(before);
      CentreWindow(v, p.x, p.y, before.ViewScale * 0.5);
      break;
    case ZoomGesture::Whole:
      if (!v.ViewReady) return false;
      v.PreviousView = CurrentView(before);
      v.ViewScale = 0;
      RefreshView(v, box);
      break;
    case ZoomGesture::Previous:
      if (!UsableScale(v.PreviousView.scale)) return false;
      std::swap(v.ViewWindow, v.PreviousView.window);
      std::swap(v.ViewScale, v.PreviousView.scale);
      break;
  }
  if (!UsableScale(v.ViewScale)) {
    v = before;
    return false;
  }
  return v.ViewScale != before.ViewScale || v.ViewWindow != before.ViewWindow;
}

}  // namespace sw
