#include "edit/CommandsFrameTree.h"

#include <algorithm>

#include "edit/Commands.h"
#include "edit/EditDocument.h"
#include "edit/PointerEngine.h"
#include "layout/Operations.h"

namespace sw {

namespace {

bool Contains(const std::vector<std::int32_t>& v, std::int32_t k) { return std::find(v.begin(), v.end(), k) != v.end(); }

bool NamesFrame(const Workspace& ws, std::int32_t k) { return k >= 0 && k <= CurrentSheet(ws.document).frameHigh; }

std::int32_t Current(const Workspace& ws) { return CurrentSheet(ws.document).selectedFrame; }

void Refresh(ShellState& shell) {
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

// Fills `r` in XOR with the grey colour: a clear pen (no outline) and a
// solid brush, drawn in the pen's XOR mode.
void XorFill(Canvas& c, const CanvasRect& r, Colour colour) {
  c.SetPen(Pen{colour, 1, PenStyle::Clear, PenMode::Xor});
  c.SetBrush(Brush{colour, BrushStyle::Solid});
  c.Rectangle(r);
}

}  // namespace

std::vector<std::int32_t> FrameTreeSelection(const Workspace& ws) {
  std::vector<std::int32_t> out;
  for (std::int32_t k : ws.tree.Selected)
    if (NamesFrame(ws, k) && !Contains(out, k)) out.push_back(k);
  return out;
}

bool SelectFrameNode(Workspace& ws, ShellState& shell, std::int32_t k) {
  if (!selectFrame(ws.document, k)) return false;
  shell.layerPanelsEnabled = k >= 1;
  if (k == 0 && IsTransformState(ws.tool.ToolMode)) {
    // The base drawing cannot be transformed: the tool ends and its
    // handles go with the next paint.
    ws.tool.ToolMode = kModeIdle;
    ws.tool.TransformHandles = false;
    shell.pressed[Index(Cmd::ChangeTransform)] = false;
    shell.status1.clear();
    shell.req.invalidate = true;
  }
  if (IsTransformState(ws.tool.ToolMode)) shell.req.invalidate = true;
  SyncLayerPanel(ws);
  shell.req.changed = true;
  return true;
}

bool ClickFrameNode(Workspace& ws, ShellState& shell, std::int32_t k, bool ctrl, bool shift) {
  if (!NamesFrame(ws, k)) return false;
  std::vector<std::int32_t> selected = FrameTreeSelection(ws);
  const std::int32_t current = Current(ws);
  std::int32_t next = k;
  if (ctrl && !selected.empty()) {
    if (!Contains(selected, k)) {
      next = current == k ? selected.front() : current;
      if (!Contains(selected, next)) selected.push_back(next);
      selected.push_back(k);
    }
  } else if (shift && !ctrl && !selected.empty()) {
    selected.clear();
    const std::int32_t step = current <= k ? 1 : -1;
    for (std::int32_t i = current;; i += step) {
      selected.push_back(i);
      if (i == k) break;
    }
  } else {
    selected = {k};
  }
  ws.tree.Selected = std::move(selected);
  return SelectFrameNode(ws, shell, next);
}

void ClearFrameTreeSelection(Workspace& ws, ShellState& shell) {
  ws.tree.Selected.clear();
  shell.req.changed = true;
}

bool SetFrameNodeChecked(Workspace& ws, ShellState& shell, std::int32_t k, bool checked) {
  const Status s = Commit(ws, checked ? kLabelFrameShown : kLabelFrameHidden,
                          [&](LayoutDocument& d) { return setFrameShown(d, k, checked); });
  if (!s) return false;
  if (k == 0) ApplyBackdropRule(ws);
  Refresh(shell);
  return true;
}

bool DeleteCurrentFrame(Workspace& ws, ShellState& shell) {
  const std::int32_t k = Current(ws);
  if (k < 1) return false;
  if (!Commit(ws, kLabelDeleteFrame, [k](LayoutDocument& d) { return deleteFrame(d, k); })) return false;
  if (CurrentSheet(ws.document).frameHigh == 0) {
    ModeReset(ws, shell);
    ws.tool.ToolMode = kModeIdle;
  }
  ResetTreeSelection(ws);
  SelectFrameNode(ws, shell, Current(ws));
  Refresh(shell);
  return true;
}

std::optional<CanvasRect> FrameFlashRect(const Workspace& ws, std::int32_t k) {
  if (k < 1 || !NamesFrame(ws, k)) return std::nullopt;
  const CLayMain& sheet = CurrentSheet(ws.document);
  const auto i = static_cast<std::size_t>(k);
  const CLayCount& frame = sheet.frames[i];
  if (frame.kind != kFrameRect) return std::nullopt;
  const CLayRect& r = sheet.rects[i];
  const PixelPoint a = BoxPixel(ws.view, {r.x1 + frame.dx, r.y1 - frame.dy});
  const PixelPoint b = BoxPixel(ws.view, {r.x2 + frame.dx, r.y2 - frame.dy});
  return CanvasRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void FlashSelectedFrames(const Workspace& ws, Overlay& overlay) {
  std::vector<CanvasRect> rects;
  for (std::int32_t k : FrameTreeSelection(ws))
    if (std::optional<CanvasRect> r = FrameFlashRect(ws, k)) rects.push_back(*r);
  if (rects.empty()) return;
  const Colour grey = ws.styles.GreyColor;
  overlay.draw([&](Canvas& c) {
    for (const CanvasRect& r : rects) c.FillRect(r, grey);
  });
  overlay.pause(kFlashMs);
  overlay.invalidate();
}

void FlashCurrentFrame(const Workspace& ws, Overlay& overlay) {
  const std::optional<CanvasRect> r = FrameFlashRect(ws, Current(ws));
  if (!r) return;
  const Colour grey = ws.styles.GreyColor;
  overlay.draw([&](Canvas& c) { XorFill(c, *r, grey); });
  overlay.pause(kFlashMs);
  overlay.draw([&](Canvas& c) { XorFill(c, *r, grey); });
}

void FrameTreeDoubleClick(const Workspace& ws, const ShellState& shell, Overlay& overlay) {
  if (FrameTreeSelection(ws).empty()) return;
  if (shell.isPressed(Cmd::ChangeMove))
    FlashSelectedFrames(ws, overlay);
  else
    FlashCurrentFrame(ws, overlay);
}

}  // namespace sw
