#include "edit/CommandsLayoutName.h"

#include <algorithm>
#include <utility>

#include "core/Cp932.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"

namespace sw {

namespace {

LayoutNameVerdict Refuse(std::string message, bool clearField) {
  return LayoutNameVerdict{false, {}, std::move(message), clearField};
}

// The names of frames 1..frameHigh.
std::vector<std::string> FrameNames(const CLayMain& sheet) {
  std::vector<std::string> names;
  for (std::int32_t j = 1; j <= sheet.frameHigh; ++j) names.push_back(sheet.frames[static_cast<std::size_t>(j)].name);
  return names;
}

void Refresh(ShellState& shell) {
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

}  // namespace

LayoutNameVerdict CheckLayoutName(const NameRequest& request, const std::string& textUtf8) {
  if (textUtf8.empty()) return Refuse(kMsgNoName, true);
  std::string name = Utf8ToCp932(textUtf8);
  if (std::count(name.begin(), name.end(), '?') != std::count(textUtf8.begin(), textUtf8.end(), '?'))
    return Refuse(kMsgNameNotCp932, false);
  if (std::find(request.taken.begin(), request.taken.end(), name) != request.taken.end())
    return Refuse(request.duplicateMessage, true);
  return LayoutNameVerdict{true, std::move(name), {}, false};
}

NameRequest NewFrameRequest(const Workspace& ws) {
  return NameRequest{kCaptionNewFrame, {}, FrameNames(CurrentSheet(ws.document)), kMsgDuplicateFrame};
}

// Every frame name counts, the frame's own included, as the dialog has
// always refused it.
NameRequest RenameFrameRequest(const Workspace& ws) {
  const CLayMain& sheet = CurrentSheet(ws.document);
  return NameRequest{kCaptionRenameFrame, sheet.frames[static_cast<std::size_t>(sheet.selectedFrame)].name,
                     FrameNames(sheet), kMsgDuplicateFrame};
}

NameRequest RenameSheetRequest(const Workspace& ws) {
  const SWTHead& head = ws.document.head;
  const std::string& current = head.sheetNames[static_cast<std::size_t>(head.currentSheet)];
  // Every sheet name counts, the sheet's own included, as the tab strip
  // has always refused it.
  return NameRequest{kCaptionRenameSheet, current, head.sheetNames, kMsgDuplicateSheet};
}

bool CommitNewFrame(Workspace& ws, ShellState& shell, Prompts& prompts) {
  const std::int32_t mode = ws.tool.ToolMode;
  if (mode != kModeRectCommit && mode != kModeCircleCommit) return false;
  const std::optional<std::string> name = prompts.layoutName(NewFrameRequest(ws));
  if (!name) {
    ws.tool.ToolMode += kModeNameCancelled;
    return false;
  }
  const PaperPoint a = ws.pointer.FirstPoint;
  const PaperPoint b = ws.pointer.SecondPoint;
  const JWWDrawing& drawing = ws.drawing;
  const Status s = Commit(ws, kCaptionNewFrame, [&](LayoutDocument& d) -> Status {
    Status added = mode == kModeRectCommit
                       ? addFrame(d, kFrameRect, *name, {std::min(a.x, b.x), std::min(a.y, b.y)},
                                  {std::max(a.x, b.x), std::max(a.y, b.y)})
                       : addFrame(d, kFrameCircle, *name, a, b);
    if (!added) return added;
    const std::int32_t j = CurrentSheet(d).frameHigh;
    (void)initFrameFromBase(d, drawing, j);
    return setFrameShown(d, j, true);
  });
  if (!s) {
    prompts.message(MessageKind::Error, MessageButtons::Ok, s.error().message);
    return false;
  }
  SyncLayerPanel(ws);
  ResetTreeSelection(ws);
  shell.layerPanelsEnabled = true;
  Refresh(shell);
  return true;
}

namespace {

template <class Rename>
bool RenameWith(Workspace& ws, ShellState& shell, Prompts& prompts, std::int32_t mode, const NameRequest& request,
                Rename rename) {
  ws.tool.ToolMode = mode;
  const std::optional<std::string> name = prompts.layoutName(request);
  if (!name) ws.tool.ToolMode += kModeNameCancelled;
  bool done = false;
  if (name) {
    const Status s = Commit(ws, request.caption, rename(*name));
    if (!s) prompts.message(MessageKind::Error, MessageButtons::Ok, s.error().message);
    done = s.ok();
  }
  ws.tool.ToolMode = kModeIdle;
  if (done) Refresh(shell);
  return done;
}

}  // namespace

bool RenameFrameCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  const std::int32_t k = CurrentSheet(ws.document).selectedFrame;
  if (k < 1) return false;
  return RenameWith(ws, shell, prompts, kModeRenameFrame, RenameFrameRequest(ws), [k](const std::string& name) {
    return [k, name](LayoutDocument& d) { return renameFrame(d, k, name); };
  });
}

bool RenameSheetCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  const std::int32_t k = ws.document.head.currentSheet;
  return RenameWith(ws, shell, prompts, kModeRenameSheet, RenameSheetRequest(ws), [k](const std::string& name) {
    return [k, name](LayoutDocument& d) { return renameSheet(d, k, name); };
  });
}

}  // namespace sw
