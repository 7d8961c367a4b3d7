#include "edit/PointerEngine.h"

#include <cstdlib>

#include "edit/Snap.h"
#include "edit/ZoomPan.h"
#include "edit/tools/MoveTransform.h"
#include "edit/tools/TwoPointTools.h"
#include "render/RubberBand.h"

namespace sw {

PixelPoint BoxPixel(const ViewState& view, PaperPoint p) {
  const PixelPoint b = PaperToPixel(view, p);
  const BoxSize box{view.BufferSize.width / 3, view.BufferSize.height / 3};
  return PixelPoint{b.x - box.width, b.y - box.height};
}

PaperPoint BoxPaper(const ViewState& view, int px, int py) {
  return PixelToPaper(view, BoxSize{view.BufferSize.width / 3, view.BufferSize.height / 3}, px, py);
}

namespace {

BoxSize Box(const Workspace& ws) { return BoxSize{ws.view.BufferSize.width / 3, ws.view.BufferSize.height / 3}; }

void DrawBand(PointerInput& in, PixelPoint from, PixelPoint to, int style) {
  const RubberBandContext ctx{in.ws.view, in.ws.styles, Box(in.ws)};
  const int frame = CurrentSheet(in.ws.document).selectedFrame;
  in.overlay.draw([&](Canvas& c) { RubberBand(c, ctx, from, to, frame, style); });
}

// The band of the waiting mode from the first point to DragPoint, drawn in
// XOR: drawing it twice erases it.
void XorBand(PointerInput& in) {
  const TwoPointTool* tool = TwoPointToolFor(in.ws.tool.ToolMode);
  if (!tool) return;
  if (tool->bandStyle == 250)
    DrawMoveBand(in, in.ws.pointer.DragPoint);
  else
    DrawBand(in, BoxPixel(in.ws.view, in.ws.pointer.FirstPoint), in.ws.pointer.DragPoint, tool->bandStyle);
}

// A found snap point: a small circle in the layout colour.
void MarkSnap(PointerInput& in, PaperPoint p) {
  const PixelPoint c = BoxPixel(in.ws.view, p);
  const double s = in.ws.view.ViewScale;
  const int r = RoundAway(s < 1 ? 2 * s : 2);
  const std::uint32_t colour = in.ws.styles.LayoutColor;
  in.overlay.draw([&](Canvas& canvas) {
    canvas.SetPen(Pen{colour, 1, PenStyle::Solid, PenMode::Copy});
    canvas.SetBrush(Brush{0, BrushStyle::Clear});
    canvas.Ellipse(CanvasRect{c.x - r, c.y - r, c.x + r, c.y + r});
  });
}

// The direction boxes applied to `to` relative to `from`: both ticked keep
// the axis of the larger displacement (a tie keeps the horizontal one).
template <class P>
void Constrain(const PointerState& p, const P& from, P& to) {
  const auto dx = to.x - from.x, dy = to.y - from.y;
  if (p.Suihei && p.Suityoku) {
    if (std::abs(dx) >= std::abs(dy))
      to.y = from.y;
    else
      to.x = from.x;
  } else if (p.Suihei) {
    to.y = from.y;
  } else if (p.Suityoku) {
    to.x = from.x;
  }
}

void RedrawAfterEdit(ShellState& shell) {
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

void FirstPointClick(PointerInput& in, const TwoPointTool& tool, int px, int py, bool snap) {
  Workspace& ws = in.ws;
  ws.tool.ToolMode = tool.entry + 100;
  ws.pointer.FirstPoint = BoxPaper(ws.view, px, py);
  if (snap) {
    if (!SnapPoint(ws, ws.pointer.FirstPoint)) {
      ws.tool.ToolMode = tool.entry;
      return;
    }
    MarkSnap(in, ws.pointer.FirstPoint);
  }
  in.shell.status1 = tool.secondPrompt;
}

void SecondPointClick(PointerInput& in, const TwoPointTool& tool, int px, int py, bool snap) {
  Workspace& ws = in.ws;
  PointerState& p = ws.pointer;
  p.SecondPoint = BoxPaper(ws.view, px, py);
  PaperPoint free = p.SecondPoint;
  // Rectangles and circles follow the pointer as their bands do; lines and
  // moves keep to the ticked directions.
  if (tool.constrained) Constrain(p, p.FirstPoint, p.SecondPoint);
  ws.tool.ToolMode += 1000;
  p.RubberShown = false;
  if (snap) {
    if (!SnapPoint(ws, free)) {
      ws.tool.ToolMode -= 1000;
      return;
    }
    MarkSnap(in, free);
    p.SecondPoint = free;
  }
  in.shell.status1.clear();
  tool.commit(in, free);
  if (CurrentSheet(ws.document).frameHigh >= 1) in.shell.enabled[Index(Cmd::ChangeMove)].menu = true;
  if (ws.tool.ToolMode >= 1000) ws.tool.ToolMode -= 1100;
  RedrawAfterEdit(in.shell);
}

}  // namespace

void SetDirectionBoxes(Workspace& ws, bool suihei, bool suityoku) {
  ws.pointer.Suihei = suihei;
  ws.pointer.Suityoku = suityoku;
}

void PointerClick(PointerInput& in, int px, int py, bool snap) {
  Workspace& ws = in.ws;
  std::int32_t& mode = ws.tool.ToolMode;
  if (mode >= kModeNameCancelled) {
    mode -= kModeNameCancelled;
    return;
  }
  if (mode == kModeDeleteLine) {
    if (CurrentSheet(ws.document).lineHigh == 0) {
      in.shell.pressed[Index(Cmd::LayDelLine)] = false;
      return;
    }
    DeleteLineClick(in, BoxPaper(ws.view, px, py));
    RedrawAfterEdit(in.shell);
    return;
  }
  if ((mode >= 171 && mode <= 174) || (mode >= 271 && mode <= 274)) {
    TransformClick(in, BoxPaper(ws.view, px, py), snap);
    return;
  }
  const TwoPointTool* tool = TwoPointToolFor(mode);
  if (!tool) return;
  if (mode == tool->entry)
    FirstPointClick(in, *tool, px, py, snap);
  else if (mode == tool->entry + 100)
    SecondPointClick(in, *tool, px, py, snap);
}

void PaintBox1MouseDown(PointerInput& in, const PointerEvent& e) {
  Workspace& ws = in.ws;
  PointerState& p = ws.pointer;
  if (!ws.tool.BaseLoaded) return;
  if (p.RubberShown) {
    XorBand(in);
    if (ws.tool.ToolMode != kModeIdle) p.RubberShown = false;
  }
  EraseTransformBand(in);
  if (e.leftHeld || e.rightHeld) {
    p.GestureActive = true;
    p.ZoomBoxShown = false;
    p.PressPoint = {e.x, e.y};
    p.DragPoint = {e.leftHeld ? 1 : 0, e.rightHeld ? 1 : 0};
  } else if (e.middleHeld) {
    p.Panning = true;
    p.PressPoint = {e.x, e.y};
    in.overlay.setPanCursor(true);
  }
}

namespace {

// Both buttons held: the label by direction, and the zoom rectangle in XOR
// for the enlarge direction only.
void GestureMove(PointerInput& in, const PointerEvent& e) {
  PointerState& p = in.ws.pointer;
  const std::uint32_t colour = in.ws.styles.ZoomFrameColor;
  auto box = [&](Canvas& c) {
    c.SetPen(Pen{colour, 1, PenStyle::Solid, PenMode::Xor});
    c.SetBrush(Brush{0, BrushStyle::Clear});
    c.Rectangle(CanvasRect{p.PressPoint.x, p.PressPoint.y, p.DragPoint.x, p.DragPoint.y});
  };
  in.overlay.showLabel(GestureLabel(p.PressPoint, {e.x, e.y}), p.PressPoint.x + 2, p.PressPoint.y - 15);
  if (p.ZoomBoxShown) in.overlay.draw(box);
  p.DragPoint = {e.x, e.y};
  p.ZoomBoxShown = GestureShowsBox(p.PressPoint, p.DragPoint);
  if (p.ZoomBoxShown) in.overlay.draw(box);
}

}  // namespace

void PaintBox1MouseMove(PointerInput& in, const PointerEvent& e) {
  Workspace& ws = in.ws;
  PointerState& p = ws.pointer;
  if (p.Panning) {
    in.overlay.showBufferShifted(e.x - p.PressPoint.x, e.y - p.PressPoint.y);
    return;
  }
  const std::int32_t tmode = ws.tool.ToolMode;
  if (ws.tool.BaseLoaded && IsTransformState(tmode)) HoverHandles(in, BoxPaper(ws.view, e.x, e.y));
  if (ws.tool.BaseLoaded && tmode >= 271 && tmode <= 274 && !p.GestureActive)
    DrawTransformBand(in, BoxPaper(ws.view, e.x, e.y));
  if (p.GestureActive) {
    if (e.leftHeld && e.rightHeld) {
      GestureMove(in, e);
    } else {
      if (e.leftHeld) p.DragPoint.x = 1;
      if (e.rightHeld) p.DragPoint.y = 1;
    }
    return;
  }
  if (!ws.tool.BaseLoaded) return;
  if (p.RubberShown) XorBand(in);
  p.DragPoint = {e.x, e.y};
  const std::int32_t mode = ws.tool.ToolMode;
  if (mode >= 230 && mode < 1000) Constrain(p, BoxPixel(ws.view, p.FirstPoint), p.DragPoint);
  const TwoPointTool* tool = TwoPointToolFor(mode);
  if (tool && mode == tool->entry + 100) {
    XorBand(in);
    p.RubberShown = true;
  } else {
    p.RubberShown = false;
  }
}

void PaintBox1MouseUp(PointerInput& in, const PointerEvent& e) {
  Workspace& ws = in.ws;
  PointerState& p = ws.pointer;
  in.overlay.showLabel({}, 0, 0);
  if (p.Panning) {
    p.Panning = false;
    in.overlay.setPanCursor(false);
    PanView(ws.view, p.PressPoint, {e.x, e.y});
    in.shell.req.redraw = true;
    in.shell.req.invalidate = true;
    return;
  }
  if (!p.GestureActive) return;
  if (!p.RubberShown && (p.DragPoint.x == 0 || p.DragPoint.y == 0)) {
    p.GestureActive = false;
    if (p.DragPoint.x == 1) {
      p.LastLeftPress = p.PressPoint;
      PointerClick(in, p.PressPoint.x, p.PressPoint.y, false);
    } else if (p.DragPoint.y == 1) {
      PointerClick(in, e.x, e.y, true);
    }
    return;
  }
  // The first button released ends the two-button gesture.
  p.GestureActive = false;
  p.ZoomBoxShown = false;
  const PixelPoint release{e.x, e.y};
  ApplyGesture(ws.view, Box(ws), ClassifyGesture(p.PressPoint, release), p.PressPoint, release);
  in.shell.req.redraw = true;
  in.shell.req.invalidate = true;
}

void PaintBox1Wheel(PointerInput& in, const PointerEvent& e) {
  Workspace& ws = in.ws;
  if (e.wheelDelta == 0) return;
  if (!WheelZoom(ws.view, Box(ws), e.x, e.y, e.wheelDelta < 0, ws.styles.MouseWheel)) return;
  // The redraw erases the band; the next move draws it at the new scale.
  ws.pointer.RubberShown = false;
  ws.tool.TransformHandles = false;
  in.shell.req.redraw = true;
  in.shell.req.invalidate = true;
}

}  // namespace sw
