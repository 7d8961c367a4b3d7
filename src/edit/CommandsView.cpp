#include "edit/CommandsView.h"

#include "edit/Commands.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"
#include "render/Redraw.h"

namespace sw {

BoxSize ViewBox(const ViewState& view) { return BoxSize{view.BufferSize.width / 3, view.BufferSize.height / 3}; }

void SetUpStartWorkspace(Workspace& ws, BoxSize box) {
  ws.tool.BaseLoaded = false;
  ws.layers = LayerPanelState{};
  ws.drawing.JWWBlocks.clear();
  resetDocument(ws.document);
  (void)setFrameLayers(ws.document, 0, 0, DefaultLayerStates(CurrentSheet(ws.document).frames[0].groups));
  SyncLayerPanel(ws);
  ws.view.ViewScale = 0;
  std::int32_t paper = ws.document.PaperIndex;
  SetPaperSize(ws.view, 1, paper);
  (void)setPaper(ws.document, paper);
  ws.view.ViewReady = true;
  RefreshView(ws.view, box);
  ResetHistory(ws.history);
  ws.tool.Modified = false;
}

void RefitView(Workspace& ws, BoxSize box) {
  ws.view.ViewScale = 0;
  RefreshView(ws.view, box);
}

bool SwitchSheet(Workspace& ws, ShellState& shell, std::int32_t index) {
  if (!selectSheet(ws.document, index)) return false;
  ResetTreeSelection(ws);
  ApplyBackdropRule(ws);
  SyncLayerPanel(ws);
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
  return true;
}

void ShowPaper(const Workspace& ws, ShellState& shell) {
  const int index = ws.document.PaperIndex;
  shell.paperChecked = index;
  shell.paperCaption = "A-" + std::to_string(index);
}

bool ChoosePaper(Workspace& ws, ShellState& shell, std::int32_t index) {
  if (!Commit(ws, "用紙サイズ変更", [index](LayoutDocument& d) { return setPaper(d, index); })) return false;
  std::int32_t paper = index;
  SetPaperSize(ws.view, index, paper);
  ShowPaper(ws, shell);
  shell.req.redraw = true;
  shell.req.invalidate = true;
  return true;
}

namespace {

SheetSource SourceOf(const Workspace& ws) {
  return SheetSource{ws.drawing, ws.document, ws.styles, ws.print, &ws.index};
}

}  // namespace

void RedrawWorkspace(Canvas& canvas, Workspace& ws) { RedrawSheet(canvas, ws.view, SourceOf(ws), ws.redraw); }

std::optional<UnderFramesKey> WorkspaceUnderFramesKey(const Workspace& ws) {
  return UnderFramesKeyOf(ws.view, SourceOf(ws), ws.redraw);
}

void RedrawWorkspaceUnderFrames(Canvas* canvas, Workspace& ws) {
  RedrawUnderFrames(canvas, ws.view, SourceOf(ws), ws.redraw);
}

void RedrawWorkspaceFrames(Canvas& canvas, Workspace& ws) { RedrawFrames(canvas, ws.view, SourceOf(ws), ws.redraw); }

void MarkPainted(Workspace& ws) { ws.redraw.Painted = true; }

void ResizeWorkspace(Workspace& ws, BoxSize box) {
  if (!ws.view.ViewReady) return;
  ResizeView(ws.view, box);
}

JwcadSettings ImportWorkspaceStyles(Workspace& ws, const Registry* jwcad, const Registry* own) {
  return ImportStyleTables(ws.styles, jwcad, own);
}

void ApplyOwnStyles(Workspace& ws, const JwcadSettings& settings) {
  ws.styles.LayoutColor = settings.LayoutColor.value;
  ws.styles.TransformColor = settings.TransformColor.value;
  ws.styles.MouseWheel = settings.MouseWheel.value;
}

}  // namespace sw
