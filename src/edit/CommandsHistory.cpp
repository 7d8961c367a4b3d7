// EditUndo1 and EditRedo1.
#include "edit/Commands.h"
#include "edit/CommandsView.h"
#include "edit/EditDocument.h"

namespace sw {

namespace {

bool Replay(Workspace& ws, ShellState& shell, bool undo) {
  std::string label;
  const bool done = undo ? UndoStep(ws.history, ws.document, label) : RedoStep(ws.history, ws.document, label);
  if (!done) return false;
  AfterDocumentReplaced(ws);
  ShowPaper(ws, shell);
  shell.layerPanelsEnabled = ws.tool.BaseLoaded && CurrentSheet(ws.document).selectedFrame >= 1;
  shell.status1 = (undo ? kUndoneStatus : kRedoneStatus) + label;
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
  return true;
}

}  // namespace

bool UndoCommand(Workspace& ws, ShellState& shell) { return Replay(ws, shell, true); }

bool RedoCommand(Workspace& ws, ShellState& shell) { return Replay(ws, shell, false); }

void ShowHistoryItems(const Workspace& ws, ShellState& shell) {
  const bool canUndo = !ws.history.undo.empty();
  const bool canRedo = !ws.history.redo.empty();
  shell.enabled[Index(Cmd::EditUndo1)] = CmdEnabled{canUndo, canUndo};
  shell.enabled[Index(Cmd::EditRedo1)] = CmdEnabled{canRedo, canRedo};
}

}  // namespace sw
