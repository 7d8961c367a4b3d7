#include "edit/CommandsSheets.h"

#include "core/Cp932.h"
#include "edit/Commands.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"

namespace sw {

namespace {

// The current sheet changed: the tree, the backdrop and the layer panel
// follow it.
void ShowCurrentSheet(Workspace& ws, ShellState& shell) {
  ResetTreeSelection(ws);
  ApplyBackdropRule(ws);
  SyncLayerPanel(ws);
  shell.layerPanelsEnabled = CurrentSheet(ws.document).selectedFrame >= 1;
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

}  // namespace

bool TabStripPressed(Workspace& ws, ShellState& shell, Prompts& prompts) {
  shell.status1.clear();
  if (ws.tool.BaseLoaded) return true;
  prompts.message(MessageKind::Information, MessageButtons::Ok, kMsgLoadBaseFirst);
  return false;
}

bool AddSheetCommand(Workspace& ws, ShellState& shell) {
  if (!Commit(ws, "用紙追加", [](LayoutDocument& d) {
        addSheet(d);
        return Status::Ok();
      }))
    return false;
  ShowCurrentSheet(ws, shell);
  return true;
}

bool CopySheetCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  if (!ws.tool.BaseLoaded) {
    prompts.message(MessageKind::Information, MessageButtons::Ok, kMsgNothingToCopy);
    return false;
  }
  if (!Commit(ws, "用紙複写", [](LayoutDocument& d) {
        copySheet(d);
        return Status::Ok();
      }))
    return false;
  ShowCurrentSheet(ws, shell);
  return true;
}

bool DeleteSheetCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  const SWTHead& head = ws.document.head;
  if (head.sheetHigh == 0) {
    if (prompts.message(MessageKind::Warning, MessageButtons::YesNo, kMsgDeleteOnlySheet) != Answer::Yes)
      return false;
    return NewCommand(ws, shell, prompts);
  }
  const std::int32_t k = head.currentSheet;
  const std::string name = Cp932ToUtf8(head.sheetNames[static_cast<std::size_t>(k)]);
  if (prompts.message(MessageKind::Warning, MessageButtons::YesNo, name + kMsgDeleteSheetSuffix) == Answer::No)
    return false;
  if (!Commit(ws, "用紙削除", [k](LayoutDocument& d) { return deleteSheet(d, k); })) return false;
  ShowCurrentSheet(ws, shell);
  return true;
}

bool MoveSheetCommand(Workspace& ws, ShellState& shell, std::int32_t from, std::int32_t to) {
  if (from == to) return false;
  if (!Commit(ws, "用紙移動", [from, to](LayoutDocument& d) { return moveSheet(d, from, to); })) return false;
  ShowCurrentSheet(ws, shell);
  return true;
}

}  // namespace sw
