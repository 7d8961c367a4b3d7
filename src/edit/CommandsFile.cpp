// New, Open, loading the base drawing, Save and Save As, and the
// unsaved-changes question in front of New, Open and closing.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/Cp932.h"
#include "edit/Commands.h"
#include "jww/Reader.h"
#include "layout/BasePath.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"

namespace sw {
namespace fs = std::filesystem;

namespace {

fs::path FsPath(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Of(const fs::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

std::string FolderOf(const std::string& file) {
  if (file.empty()) return {};
  return Utf8Of(FsPath(file).parent_path());
}

bool FileExists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

CLayMain& CurrentSheet(Workspace& ws) {
  return ws.document.Sheets[static_cast<std::size_t>(ws.document.head.currentSheet)];
}

// A failure box: the quoted message, then the file and the reason.
void ShowFailure(Prompts& prompts, const char* message, const std::string& file, const Error& e) {
  prompts.message(MessageKind::Error, MessageButtons::Ok,
                  std::string(message) + "\n" + file + "\n" + Describe(e));
}

void ShowPaper(Workspace& ws, ShellState& shell) {
  const int index = ws.document.PaperIndex;
  shell.paperChecked = index;
  shell.paperCaption = "A-" + std::to_string(index);
  shell.req.applyPaper = true;
}

void RedrawAll(ShellState& shell) {
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

// The state New leaves, after an open that could not be completed: nothing
// of the file stays in memory (the paper is the one shown before) and no
// file name is kept, so no later Save can write over the layout file.
void AbandonOpen(Workspace& ws, ShellState& shell, Prompts& prompts, std::int32_t paperBefore) {
  ws.tool.Modified = false;
  NewCommand(ws, shell, prompts);
  ws.document.PaperIndex = paperBefore;
}

}  // namespace

bool HasSwtExtension(const std::string& path) {
  std::string ext = FsPath(path).filename().extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".swt";
}

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

  ws.drawing.clearForNew();
  resetDocument(ws.document);

  ModeReset(ws, shell);
  shell.title = TitleFor({});
  shell.scaleCaption = "S=";
  ApplyEnabling(shell, EnableMoment::AfterNew);
  shell.status0.clear();
  shell.status1.clear();
  shell.req.frameTree = TreeRequest::Clear;
  shell.req.rebuildTabs = true;

  ws.tool.Modified = false;
  ws.tool.BaseLoaded = false;
  ws.redraw.BackdropMode = 0;
  ws.tool.LayoutFileName.clear();
  ws.tool.ToolMode = kModeIdle;

  ResetLayerDefaults(CurrentSheet(ws).frames[0]);
  shell.req.refreshLayerButtons = true;
  shell.layerPanelsEnabled = false;
  RedrawAll(shell);
  return true;
}

bool OpenCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  if (AskSaveChanges(ws, shell, prompts) == SaveQuestion::SaveFailed) return false;
  std::optional<std::string> path = prompts.openFileName({kOpenLayoutFilter, ".SWT", {}});
  if (!path) return false;
  return OpenLayoutFile(ws, shell, prompts, *path);
}

bool OpenLayoutFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path) {
  ws.tool.Modified = false;
  NewCommand(ws, shell, prompts);
  const std::int32_t paperBefore = ws.document.PaperIndex;
  if (Status s = LoadLayout(FsPath(path), ws.document); !s) {
    ShowFailure(prompts, kMsgReadFailed, path, s.error());
    return false;
  }

  const std::string baseUtf8 = Cp932ToUtf8(ws.document.head.baseFile);
  const fs::path base = NativePathFromCp932(ws.document.head.baseFile);
  if (ws.document.head.baseFile.empty() || !FileExists(base)) {
    prompts.message(MessageKind::Error, MessageButtons::Ok, std::string(kMsgBaseMissing) + "\n" + baseUtf8);
    AbandonOpen(ws, shell, prompts, paperBefore);
    ModeReset(ws, shell);
    return false;
  }

  JWWDrawing fresh;
  if (Status s = ReadJWWFile(base, fresh); !s) {
    ShowFailure(prompts, kMsgReadFailed, baseUtf8, s.error());
    AbandonOpen(ws, shell, prompts, paperBefore);
    return false;
  }
  ws.drawing = std::move(fresh);
  ws.tool.LayoutFileName = path;

  ShowPaper(ws, shell);
  shell.req.rebuildTabs = true;
  shell.req.frameTree = TreeRequest::Rebuild;
  shell.req.prepareDrawingStyles = true;
  ApplyEnabling(shell, EnableMoment::AfterOpenLayout);

  const CLayMain& sheet = CurrentSheet(ws);
  ws.redraw.BackdropMode = !sheet.shown.empty() && sheet.shown[0] ? 1 : 0;
  shell.title = TitleFor(path);
  shell.status0 = kBaseFilePrefix + baseUtf8;
  const CLayCount& frame = sheet.frames[static_cast<std::size_t>(sheet.selectedFrame)];
  const int group = std::clamp(frame.writeGroup, 0, 15);
  shell.scaleCaption = ScaleCaption(ws.drawing.head.groups[static_cast<std::size_t>(group)].scale);
  shell.layerPanelsEnabled = sheet.selectedFrame >= 1;
  shell.req.refreshLayerButtons = true;

  ws.tool.BaseLoaded = true;
  ws.tool.Modified = false;
  shell.req.refreshView = true;
  RedrawAll(shell);
  return true;
}

bool LoadBaseCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  std::optional<std::string> path = prompts.openFileName({kDrawingFilter, ".JWW", {}});
  if (!path) return false;
  return LoadBaseFile(ws, shell, prompts, *path);
}

bool LoadBaseFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path) {
  const bool noFrames = CurrentSheet(ws).frameHigh == 0;
  if (Status s = openBaseDrawing(ws.document, ws.drawing, FsPath(path)); !s) {
    ShowFailure(prompts, kMsgReadFailed, path, s.error());
    return false;
  }
  shell.status0 = kBaseFilePrefix + Cp932ToUtf8(ws.document.head.baseFile);
  if (noFrames) shell.req.prepareDrawingStyles = true;
  shell.req.refreshView = true;
  shell.req.storeHomeView = true;
  shell.scaleCaption = ScaleCaption(ws.drawing.head.groups[0].scale);
  shell.req.refreshLayerButtons = true;
  shell.req.frameTree = TreeRequest::Rebuild;
  shell.layerPanelsEnabled = false;

  ws.tool.BaseLoaded = true;
  ApplyEnabling(shell, EnableMoment::AfterLoadBase);
  ws.redraw.BackdropMode = 1;
  ShowPaper(ws, shell);
  RedrawAll(shell);
  return true;
}

bool SaveCommand(Workspace& ws, ShellState& shell, Prompts& prompts) {
  if (ws.tool.LayoutFileName.empty()) return SaveAsCommand(ws, shell, prompts) == SaveAsOutcome::Saved;
  if (Status s = SaveLayout(ws.document, FsPath(ws.tool.LayoutFileName)); !s) {
    shell.status1 = kMsgSaveFailed;
    ShowFailure(prompts, kMsgSaveFailed, ws.tool.LayoutFileName, s.error());
    return false;
  }
  shell.status1 = kMsgSaved;
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
    const std::string target = HasSwtExtension(*chosen) ? *chosen : *chosen + ".swt";
    bool write = true;
    if (FileExists(FsPath(target)))
      write = prompts.message(MessageKind::Warning, MessageButtons::YesNo, kMsgAskOverwrite) == Answer::Yes;
    if (write) {
      if (Status s = SaveLayout(ws.document, FsPath(target)); s) {
        ws.tool.LayoutFileName = target;
        shell.title = TitleFor(target);
        ApplyEnabling(shell, EnableMoment::AfterSaveAs);
        shell.status1 = kMsgSaved;
        ws.tool.SaveAsResult = kSaveAsSaved;
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

}  // namespace sw
