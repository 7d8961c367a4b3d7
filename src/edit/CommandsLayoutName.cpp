#include "edit/CommandsLayoutName.h"

#include <algorithm>
#include <utility>

#include "core/Cp932.h"
#include "edit/ToolMode.h"
#include "layout/Operations.h"

namespace sw {

namespace {

CLayMain& CurrentSheet(LayoutDocument& doc) {
  return doc.Sheets[static_cast<std::size_t>(doc.head.currentSheet)];
}
const CLayMain& CurrentSheet(const LayoutDocument& doc) {
  return doc.Sheets[static_cast<std::size_t>(doc.head.currentSheet)];
}

LayoutNameVerdict Refuse(LayoutNameDialogState& dlg, std::string message, bool clearField) {
  dlg.workingMode = 0;
  return LayoutNameVerdict{false, std::move(message), clearField};
}

LayoutNameVerdict Accept(LayoutNameDialogState& dlg, bool clearField) {
  dlg.workingMode = 1;
  return LayoutNameVerdict{true, {}, clearField};
}

}  // namespace

std::string ActivateLayoutName(const Workspace& ws, LayoutNameDialogState& dlg) {
  dlg.workingMode = ws.tool.ToolMode;
  const LayoutDocument& doc = ws.document;
  if (dlg.workingMode == kModeRenameFrame) {
    const CLayMain& sheet = CurrentSheet(doc);
    return sheet.frames[static_cast<std::size_t>(sheet.selectedFrame)].name;
  }
  if (dlg.workingMode == kModeRenameSheet)
    return doc.head.sheetNames[static_cast<std::size_t>(doc.head.currentSheet)];
  return {};
}

LayoutNameVerdict LayoutNameOk(Workspace& ws, LayoutNameDialogState& dlg, const std::string& textUtf8) {
  const std::int32_t mode = ws.tool.ToolMode;
  dlg.workingMode = mode;
  if (textUtf8.empty()) return Refuse(dlg, kMsgNoName, true);
  const std::string name = Utf8ToCp932(textUtf8);
  if (std::count(name.begin(), name.end(), '?') != std::count(textUtf8.begin(), textUtf8.end(), '?'))
    return Refuse(dlg, kMsgNameNotCp932, false);

  LayoutDocument& doc = ws.document;
  CLayMain& sheet = CurrentSheet(doc);
  if (mode == kModeRenameSheet) {
    for (const std::string& s : doc.head.sheetNames)
      if (s == name) return Refuse(dlg, kMsgDuplicateSheet, true);
    doc.head.sheetNames[static_cast<std::size_t>(doc.head.currentSheet)] = name;
    return Accept(dlg, true);
  }
  for (std::size_t j = 1; j < sheet.frames.size(); ++j)
    if (sheet.frames[j].name == name) return Refuse(dlg, kMsgDuplicateFrame, true);

  if (mode == kModeRenameFrame) {
    if (sheet.selectedFrame >= 1) sheet.frames[static_cast<std::size_t>(sheet.selectedFrame)].name = name;
    return Accept(dlg, false);
  }
  if (mode == kModeRectCommit || mode == kModeCircleCommit) {
    const PaperPoint a = ws.tool.FirstPoint;
    const PaperPoint b = ws.tool.SecondPoint;
    Status s = mode == kModeRectCommit
                   ? addFrame(doc, kFrameRect, name, {std::min(a.x, b.x), std::min(a.y, b.y)},
                              {std::max(a.x, b.x), std::max(a.y, b.y)})
                   : addFrame(doc, kFrameCircle, name, a, b);
    if (!s) return Refuse(dlg, s.error().message, false);
  }
  return Accept(dlg, false);
}

void LayoutNameCancel(Workspace& ws, LayoutNameDialogState& dlg) {
  dlg.workingMode = 1;
  ws.tool.ToolMode += kModeNameCancelled;
}

}  // namespace sw
