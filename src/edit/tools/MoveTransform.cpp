#include "edit/tools/MoveTransform.h"

#include <algorithm>
#include <cmath>

#include "edit/Commands.h"
#include "edit/EditDocument.h"
#include "edit/Snap.h"
#include "layout/Operations.h"
#include "render/RubberBand.h"

namespace sw {

namespace {

bool IsTransformBand(std::int32_t mode) { return mode >= 271 && mode <= 274; }

void XorRect(Canvas& c, std::uint32_t colour, PixelPoint a, PixelPoint b) {
  c.SetPen(Pen{colour, 1, PenStyle::Solid, PenMode::Xor});
  c.SetBrush(Brush{0, BrushStyle::Clear});
  c.Rectangle(CanvasRect{a.x, a.y, b.x, b.y});
}

std::array<PaperPoint, 4> HandlesOf(const PaperRectMm& r) {
  const double mx = (r.x1 + r.x2) / 2, my = (r.y1 + r.y2) / 2;
  return {PaperPoint{r.x1, my}, PaperPoint{mx, r.y1}, PaperPoint{r.x2, my}, PaperPoint{mx, r.y2}};
}

// The transform ends: message, mode reset, idle.
void Refuse(PointerInput& in) {
  in.prompts.message(MessageKind::Information, MessageButtons::Ok, kMsgTransformRefused);
  ModeReset(in.ws, in.shell);
  in.ws.tool.ToolMode = kModeIdle;
  in.ws.tool.TransformHandles = false;
  in.ws.transform.BandShown = false;
}

// Frame j takes the paper extent `e` (one side moved): a rectangle frame
// stores it back without the offset; a circle frame takes the moved
// dimension as its diameter, the opposite side staying where it was.
Status Reshape(LayoutDocument& d, std::int32_t j, const PaperRectMm& e, bool xSide) {
  const CLayMain& sheet = CurrentSheet(d);
  const CLayCount& f = sheet.frames[static_cast<std::size_t>(j)];
  if (f.kind == kFrameCircle) {
    const CLayCircle& c = sheet.circles[static_cast<std::size_t>(j)];
    const double diameter = xSide ? e.x2 - e.x1 : e.y2 - e.y1;
    const double cx = xSide ? (e.x1 + e.x2) / 2 - f.dx : c.cx;
    const double cy = xSide ? c.cy : (e.y1 + e.y2) / 2 + f.dy;
    return setFrameCircle(d, j, cx, cy, diameter / 2);
  }
  return setFrameRect(d, j, e.x1 - f.dx, e.y1 + f.dy, e.x2 - f.dx, e.y2 + f.dy);
}

}  // namespace

PaperRectMm FrameOnPaperOf(const CLayMain& sheet, std::int32_t j) {
  const std::size_t k = static_cast<std::size_t>(j);
  const CLayCount& f = sheet.frames[k];
  PaperRectMm r;
  if (f.kind == kFrameCircle) {
    const CLayCircle& c = sheet.circles[k];
    r = {c.cx - c.radius, c.cy - c.radius, c.cx + c.radius, c.cy + c.radius};
  } else {
    const CLayRect& q = sheet.rects[k];
    r = {q.x1, q.y1, q.x2, q.y2};
  }
  return PaperRectMm{r.x1 + f.dx, r.y1 - f.dy, r.x2 + f.dx, r.y2 - f.dy};
}

std::vector<std::int32_t> FramesToMove(const Workspace& ws) {
  const CLayMain& sheet = CurrentSheet(ws.document);
  std::vector<std::int32_t> frames;
  for (std::int32_t j : ws.tree.Selected)
    if (j >= 1 && j <= sheet.frameHigh && std::find(frames.begin(), frames.end(), j) == frames.end())
      frames.push_back(j);
  if (frames.empty() && sheet.selectedFrame >= 1) frames.push_back(sheet.selectedFrame);
  return frames;
}

void DrawMoveBand(PointerInput& in, PixelPoint pointer) {
  const Workspace& ws = in.ws;
  const CLayMain& sheet = CurrentSheet(ws.document);
  const PixelPoint first = BoxPixel(ws.view, ws.pointer.FirstPoint);
  const int ddx = pointer.x - first.x, ddy = pointer.y - first.y;
  const std::uint32_t colour = ws.styles.LayoutColor;
  const std::vector<std::int32_t> frames = FramesToMove(ws);
  in.overlay.draw([&](Canvas& c) {
    for (std::int32_t j : frames) {
      const PaperRectMm r = FrameOnPaperOf(sheet, j);
      const PixelPoint a = BoxPixel(ws.view, {r.x1, r.y2}), b = BoxPixel(ws.view, {r.x2, r.y1});
      XorRect(c, colour, {a.x + ddx, a.y + ddy}, {b.x + ddx, b.y + ddy});
    }
    c.Line(first, pointer);
  });
}

bool CommitMove(PointerInput& in, PaperPoint p) {
  Workspace& ws = in.ws;
  if (CurrentSheet(ws.document).selectedFrame == 0) {
    // Nothing could be moved: the tool ends instead of waiting at 1250.
    in.shell.pressed[Index(Cmd::ChangeMove)] = false;
    ws.tool.ToolMode = kModeIdle;
    in.shell.req.invalidate = true;
    in.prompts.message(MessageKind::Information, MessageButtons::Ok, kMsgCannotMoveBase);
    return false;
  }
  const PointerState& ptr = ws.pointer;
  const PaperPoint a = ptr.FirstPoint, s = ptr.SecondPoint;
  double ddx = p.x - a.x, ddy = -(p.y - a.y);
  if (ptr.Suihei && ptr.Suityoku) {
    if (std::abs(s.x - a.x) < std::abs(s.y - a.y))
      ddx = 0;
    else
      ddy = 0;
  } else if (ptr.Suihei) {
    ddy = 0;
  } else if (ptr.Suityoku) {
    ddx = 0;
  }
  const std::vector<std::int32_t> frames = FramesToMove(ws);
  return Commit(ws, "移動", [&](LayoutDocument& d) { return moveFrames(d, frames, ddx, ddy); }).ok();
}

void DrawTransformHandles(Canvas& canvas, const Workspace& ws) {
  const std::int32_t mode = ws.tool.ToolMode;
  const bool on = IsTransformState(mode) || IsTransformBand(mode);
  const CLayMain& sheet = CurrentSheet(ws.document);
  if (!on || !ws.tool.TransformHandles || sheet.selectedFrame < 1) return;
  const auto handles = HandlesOf(FrameOnPaperOf(sheet, sheet.selectedFrame));
  const RubberBandContext ctx{ws.view, ws.styles, BoxSize{ws.view.BufferSize.width / 3, ws.view.BufferSize.height / 3}};
  for (int k = 1; k <= 4; ++k) {
    const bool pointed = mode == 170 + k || mode == 270 + k;
    const PixelPoint at = BoxPixel(ws.view, handles[static_cast<std::size_t>(k - 1)]);
    RubberBand(canvas, ctx, at, at, sheet.selectedFrame, pointed ? 1170 + k : 1170);
  }
}

void HoverHandles(PointerInput& in, PaperPoint at) {
  Workspace& ws = in.ws;
  const CLayMain& sheet = CurrentSheet(ws.document);
  if (sheet.selectedFrame < 1) return;
  ws.transform.HandlePoints = HandlesOf(FrameOnPaperOf(sheet, sheet.selectedFrame));
  std::int32_t mode = 170;
  for (int k = 1; k <= 4; ++k) {
    const PaperPoint h = ws.transform.HandlePoints[static_cast<std::size_t>(k - 1)];
    if (std::hypot(at.x - h.x, at.y - h.y) * ws.view.ViewScale < 4.0) {
      mode = 170 + k;
      break;
    }
  }
  if (mode == ws.tool.ToolMode) return;
  ws.tool.ToolMode = mode;
  in.overlay.draw([&](Canvas& c) { DrawTransformHandles(c, ws); });
}

void EraseTransformBand(PointerInput& in) {
  TransformState& t = in.ws.transform;
  if (!t.BandShown) return;
  const PixelPoint a = BoxPixel(in.ws.view, {t.FrameOnPaper.x1, t.FrameOnPaper.y2});
  const PixelPoint b = BoxPixel(in.ws.view, {t.FrameOnPaper.x2, t.FrameOnPaper.y1});
  const std::uint32_t colour = in.ws.styles.TransformColor;
  in.overlay.draw([&](Canvas& c) { XorRect(c, colour, a, b); });
  t.BandShown = false;
}

void DrawTransformBand(PointerInput& in, PaperPoint at) {
  Workspace& ws = in.ws;
  if (!ws.redraw.Painted) return;
  EraseTransformBand(in);
  PaperRectMm& r = ws.transform.FrameOnPaper;
  switch (ws.tool.ToolMode) {
    case 271: r.x1 = at.x; break;
    case 272: r.y1 = at.y; break;
    case 273: r.x2 = at.x; break;
    case 274: r.y2 = at.y; break;
    default: return;
  }
  const PixelPoint a = BoxPixel(ws.view, {r.x1, r.y2}), b = BoxPixel(ws.view, {r.x2, r.y1});
  const std::uint32_t colour = ws.styles.TransformColor;
  in.overlay.draw([&](Canvas& c) { XorRect(c, colour, a, b); });
  ws.transform.BandShown = true;
}

void TransformClick(PointerInput& in, PaperPoint at, bool snap) {
  Workspace& ws = in.ws;
  std::int32_t& mode = ws.tool.ToolMode;
  const CLayMain& sheet = CurrentSheet(ws.document);
  const std::int32_t j = sheet.selectedFrame;
  if (j < 1) return;
  TransformState& t = ws.transform;
  if (mode >= 171 && mode <= 174) {
    t.HandlePoints = HandlesOf(FrameOnPaperOf(sheet, j));
    t.TransformStart = snap ? t.HandlePoints[static_cast<std::size_t>(mode - 171)] : at;
    mode += 100;
    t.FrameOnPaper = FrameOnPaperOf(sheet, j);
    t.Frame = j;
    t.BandShown = false;
    in.shell.status1 = kPromptTransformEnd;
    return;
  }
  if (!IsTransformBand(mode)) return;
  if (t.Frame != j) {
    // Another frame was chosen while a side was dragged: start again on it.
    EraseTransformBand(in);
    mode = 170;
    in.shell.req.invalidate = true;
    return;
  }
  in.shell.status1.clear();
  t.TransformEnd = at;
  if (snap && !SnapPoint(ws, t.TransformEnd)) {
    in.shell.req.invalidate = true;
    t.BandShown = false;
    return;
  }
  EraseTransformBand(in);
  const PaperPoint s = t.TransformStart, e = t.TransformEnd;
  PaperRectMm r = FrameOnPaperOf(sheet, j);
  bool ok = false;
  switch (mode) {
    case 271: ok = r.x2 >= e.x; r.x1 -= s.x - e.x; break;
    case 272: ok = r.y2 >= e.y; r.y1 -= s.y - e.y; break;
    case 273: ok = r.x1 <= e.x; r.x2 -= s.x - e.x; break;
    case 274: ok = r.y1 <= e.y; r.y2 -= s.y - e.y; break;
    default: break;
  }
  // A side carried past the opposite one is refused, also by the
  // displacement (a start away from the handle).
  if (!ok || r.x1 > r.x2 || r.y1 > r.y2) {
    Refuse(in);
    return;
  }
  const bool xSide = mode == 271 || mode == 273;
  if (!Commit(ws, "変形", [&](LayoutDocument& d) { return Reshape(d, j, r, xSide); })) {
    Refuse(in);
    return;
  }
  mode = 170;
  t.HandlePoints = HandlesOf(FrameOnPaperOf(CurrentSheet(ws.document), j));
  in.shell.req.changed = true;
  in.shell.req.redraw = true;
  in.shell.req.invalidate = true;
}

}  // namespace sw
