// New, Open, loading the base drawing, Save and Save As, and the
// unsaved-changes question in front of New, Open and closing.
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/Cp932.h"
#include "core/Path.h"
#include "edit/Commands.h"
#include "edit/CommandsView.h"
#include "edit/EditDocument.h"
#include "edit/ErrorText.h"
#include "layout/LayoutLoad.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"

namespace sw {
namespace fs = std::filesystem;

namespace {

std::string FolderOf(const std::string& file) {
  if (file.empty()) return {};
  return Utf8FromPath(PathFromUtf8(file).parent_path());
}

bool FileExists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

// A failure box: the quoted message, then the file and the reason.
void ShowFailure(Prompts& prompts, const char* message, const std::string& file, const Error& e) {
  prompts.message(MessageKind::Error, MessageButtons::Ok,
                  std::string(message) + "\n" + file + "\n" + DescribeJa(e));
}

void RedrawAll(ShellState& shell) {
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

// The view takes the document's paper and is fitted to it afresh, so that
// any paper fills the drawing area whatever the scale was before.
void FitToDocument(Workspace& ws) {
  std::int32_t paper = ws.document.PaperIndex;
  SetPaperSize(ws.view, paper, paper);
  ws.view.ViewScale = 0;
  RefreshView(ws.view, ViewBox(ws.view));
}

// What New leaves once the question is past: no drawing, the reset
// document with frame 0's layer state reset, no file, an empty history.
void ClearForNew(Workspace& ws, ShellState& shell) {
  ws.drawing.clearForNew();
  IndexDrawing(ws);
  resetDocument(ws.document);
  (void)setFrameLayers(ws.document, 0, 0, DefaultLayerStates(CurrentSheet(ws.document).frames[0].groups));
  ResetHistory(ws.history);

  ModeReset(ws, shell);
  shell.title = TitleFor({});
  shell.scaleCaption = "S=";
  ApplyEnabling(shell, EnableMoment::AfterNew);
  shell.status0.clear();
  shell.status1.clear();

  ws.tool.Modified = false;
  ws.tool.BaseLoaded = false;
  ws.redraw.BackdropMode = 0;
  ws.tool.LayoutFileName.clear();
  ws.tool.ToolMode = kModeIdle;
  SyncLayerPanel(ws);
  ResetTreeSelection(ws);
  shell.layerPanelsEnabled = false;
  RedrawAll(shell);
}

void ShowLoadFailure(Prompts& prompts, const std::string& path, const LayoutLoadFailure& f) {
  switch (f.step) {
    case LayoutLoadStep::Layout:
      ShowFailure(prompts, kMsgReadFailed, path, f.error);
      break;
    case LayoutLoadStep::BaseMissing:
      prompts.message(MessageKind::Error, MessageButtons::Ok, std::string(kMsgBaseMissing) + "\n" + f.file);
      break;
    case LayoutLoadStep::Base:
      ShowFailure(prompts, kMsgReadFailed, f.file, f.error);
      break;
  }
}

}  // namespace

SaveQuestion AskSaveChanges(Workspace& ws, ShellState& shell, Prompts& prompts) {
  if (!ws.tool.Modified) return SaveQuestion::NotAsked;
  const Answer a = prompts.message(MessageKind::Warning, MessageButtons::YesNoCancel, kMsgAskSave);
  if (a == Answer::Cancel) return SaveQuestion::Cancel;
  if (a == Answer::No) return SaveQuestion::Discard;
  if (!ws.tool.LayoutFileName.empty())
    return SaveCommand(ws, shell, prompts) ? SaveQuestion::Saved : SaveQuestion::SaveFailed;
  const SaveAsOutcome outcome = SaveAsCommand(ws, shell, prompts);
  while (ws.tool.SaveAsResult == kSaveAsNone) prompts.pause(100);
  const std::int32_t result = ws.tool.SaveAsResult;
  ws.tool.SaveAsResult = kSaveAsNone;
  if (outcome == SaveAsOutcome::Failed) return SaveQuestion::SaveFailed;
  return result == kSaveAsSaved ? SaveQuestion::Saved : SaveQuestion::SaveCancelled;
}

bool MayClose(Workspace& ws, ShellState& shell, Prompts& prompts) {
  const SaveQuestion q = AskSaveChanges(ws, shell, prompts);
  return q != SaveQuestion::Cancel && q != SaveQuestion::SaveFailed;
}

bool NewCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  const SaveQuestion q = AskSaveChanges(ws, shell, prompts);
  if (q == SaveQuestion::Cancel || q == SaveQuestion::SaveCancelled || q == SaveQuestion::SaveFailed)
    return false;
  ClearForNew(ws, shell);
  return true;
}

bool OpenCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  if (AskSaveChanges(ws, shell, prompts) == SaveQuestion::SaveFailed) return false;
  std::optional<std::string> path = prompts.openFileName({kOpenLayoutFilter, ".SWT", {}});
  if (!path) return false;
  return OpenLayoutFile(ws, shell, prompts, *path);
}

bool OpenLayoutFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path) {
  // Both files are read before anything of the open layout is given up.
  LayoutDocument doc;
  JWWDrawing drawing;
  SwtLoadNotes notes;
  if (std::optional<LayoutLoadFailure> f =
          LoadLayoutWithBase(PathFromUtf8(path), doc, drawing, ws.tool.Drives, &notes)) {
    ShowLoadFailure(prompts, path, *f);
    return false;
  }
  ClearForNew(ws, shell);
  ws.document = std::move(doc);
  ws.drawing = std::move(drawing);
  IndexDrawing(ws);
  ResetHistory(ws.history);
  ws.tool.LayoutFileName = path;
  ws.tool.BaseLoaded = true;
  ws.tool.Modified = false;

  ShowPaper(ws, shell);
  ApplyDrawingTables(ws.styles, ws.drawing.head);
  ApplyEnabling(shell, EnableMoment::AfterOpenLayout);
  ApplyBackdropRule(ws);
  SyncLayerPanel(ws);
  ResetTreeSelection(ws);
  shell.title = TitleFor(path);
  shell.status0 = kBaseFilePrefix + Cp932ToUtf8(ws.document.head.baseFile);
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  const int group = std::clamp(frame.writeGroup, 0, 15);
  shell.scaleCaption = ScaleCaption(ws.drawing.head.groups[static_cast<std::size_t>(group)].scale);
  shell.layerPanelsEnabled = CurrentSheet(ws.document).selectedFrame >= 1;
  if (notes.replacedPaper) shell.status1 = kMsgPaperReplaced;
  FitToDocument(ws);
  RedrawAll(shell);
  shell.usedFile = path;
  return true;
}

bool LoadBaseCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  std::optional<std::string> path = prompts.openFileName({kDrawingFilter, ".JWW", {}});
  if (!path) return false;
  return LoadBaseFile(ws, shell, prompts, *path);
}

bool LoadBaseFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path) {
  const bool noFrames = CurrentSheet(ws.document).frameHigh == 0;
  if (Status s = openBaseDrawing(ws.document, ws.drawing, PathFromUtf8(path)); !s) {
    ShowFailure(prompts, kMsgReadFailed, path, s.error());
    return false;
  }
  IndexDrawing(ws);
  // The drawing is not part of an undo step: a loaded drawing starts the
  // history afresh.
  ResetHistory(ws.history);
  ws.tool.Modified = false;
  shell.status0 = kBaseFilePrefix + Cp932ToUtf8(ws.document.head.baseFile);
  if (noFrames) ApplyDrawingTables(ws.styles, ws.drawing.head);
  FitToDocument(ws);
  ws.view.HomeView = SavedView{ws.view.ViewWindow, ws.view.ViewScale};
  shell.scaleCaption = ScaleCaption(ws.drawing.head.groups[0].scale);
  shell.layerPanelsEnabled = false;

  ws.tool.BaseLoaded = true;
  ApplyEnabling(shell, EnableMoment::AfterLoadBase);
  ws.redraw.BackdropMode = 1;
  SyncLayerPanel(ws);
  ResetTreeSelection(ws);
  ShowPaper(ws, shell);
  RedrawAll(shell);
  shell.usedFile = path;
  return true;
}

bool SaveCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  if (ws.tool.LayoutFileName.empty()) return SaveAsCommand(ws, shell, prompts) == SaveAsOutcome::Saved;
  if (Status s = SaveLayout(ws.document, PathFromUtf8(ws.tool.LayoutFileName)); !s) {
    shell.status1 = kMsgSaveFailed;
    ShowFailure(prompts, kMsgSaveFailed, ws.tool.LayoutFileName, s.error());
    return false;
  }
  shell.status1 = kMsgSaved;
  MarkClean(ws.history);
  ws.tool.Modified = false;
  return true;
}

SaveAsOutcome SaveAsCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  // A result left from an earlier Save As must not pass for this one.
  ws.tool.SaveAsResult = kSaveAsNone;
  SaveAsOutcome outcome = SaveAsOutcome::Cancelled;
  std::optional<std::string> chosen =
      prompts.saveFileName({kSaveLayoutFilter, ".SWT", FolderOf(ws.tool.LayoutFileName)});
  if (chosen && !chosen->empty()) {
    const std::string target = HasExtension(PathFromUtf8(*chosen), ".swt") ? *chosen : *chosen + ".swt";
    bool write = true;
    if (FileExists(PathFromUtf8(target)))
      write = prompts.message(MessageKind::Warning, MessageButtons::YesNo, kMsgAskOverwrite) == Answer::Yes;
    if (write) {
      if (Status s = SaveLayout(ws.document, PathFromUtf8(target)); s) {
        ws.tool.LayoutFileName = target;
        shell.usedFile = target;
        shell.title = TitleFor(target);
        ApplyEnabling(shell, EnableMoment::AfterSaveAs);
        shell.status1 = kMsgSaved;
        ws.tool.SaveAsResult = kSaveAsSaved;
        MarkClean(ws.history);
        ws.tool.Modified = false;
        outcome = SaveAsOutcome::Saved;
      } else {
        ws.tool.SaveAsResult = kSaveAsNone;
        shell.status1 = kMsgSaveFailed;
        ShowFailure(prompts, kMsgSaveFailed, target, s.error());
        outcome = SaveAsOutcome::Failed;
      }
    }
  }
  if (ws.tool.SaveAsResult != kSaveAsSaved) ws.tool.SaveAsResult = kSaveAsClosed;
  return outcome;
}

bool OpenNamedFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path) {
  const fs::path p = PathFromUtf8(path);
  if (HasExtension(p, ".swt")) return OpenLayoutFile(ws, shell, prompts, path);
  if (HasExtension(p, ".jww")) return LoadBaseFile(ws, shell, prompts, path);
  prompts.message(MessageKind::Error, MessageButtons::Ok,
                  std::string(kMsgReadFailed) + "\n" + path + "\n.swt か .jww のファイルを指定して下さい。");
  return false;
}

bool OpenDroppedFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path) {
  const fs::path p = PathFromUtf8(path);
  if (HasExtension(p, ".swt")) {
    const SaveQuestion answer = AskSaveChanges(ws, shell, prompts);
    if (answer == SaveQuestion::Cancel || answer == SaveQuestion::SaveFailed) return false;
  } else if (HasExtension(p, ".jww") && !shell.isEnabled(Cmd::LayFileAs)) {
    prompts.message(MessageKind::Information, MessageButtons::Ok, path + "\n" + kMsgDrawingLoaded);
    return false;
  }
  return OpenNamedFile(ws, shell, prompts, path);
}

}  // namespace sw
