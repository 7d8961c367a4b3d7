#include "edit/EditDocument.h"

#include <algorithm>

namespace sw {

void ApplyBackdropRule(Workspace& ws) {
  if (ws.tool.BaseLoaded) ws.redraw.BackdropMode = BaseShown(CurrentSheet(ws.document)) ? 1 : 0;
}

void SyncLayerPanel(Workspace& ws) {
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  for (int g = 0; g < 16; ++g)
    if (frame.groups[static_cast<std::size_t>(g)].state == 3) ws.layers.CurrentGroup = g;
  const int g = std::clamp(ws.layers.CurrentGroup, 0, 15);
  const JWWLayerGroupState& group = frame.groups[static_cast<std::size_t>(g)];
  for (int l = 0; l < 16; ++l)
    if (group.layers[static_cast<std::size_t>(l)].state == 3) ws.layers.CurrentLayer = l;
}

void ResetTreeSelection(Workspace& ws) { ws.tree.Selected.assign(1, CurrentSheet(ws.document).selectedFrame); }

void IndexDrawing(Workspace& ws) { ws.index = DrawingIndex(ws.drawing); }

void AfterDocumentReplaced(Workspace& ws) {
  ResetTreeSelection(ws);
  ApplyBackdropRule(ws);
  std::int32_t paper = ws.document.PaperIndex;
  SetPaperSize(ws.view, paper, paper);
  SyncLayerPanel(ws);
  ws.tool.Modified = IsModified(ws.history);
}

}  // namespace sw
