// The main window's commands as plain functions over the workspace, the
// shell state the window mirrors, and the prompts that ask the user.
#pragma once

#include <array>
#include <string>

#include "edit/CommandsState.h"
#include "edit/Prompts.h"
#include "edit/Workspace.h"

namespace sw {

// Messages and prompts (UTF-8), shown exactly as they stand.
inline constexpr const char* kMsgNoJwcad = "JWWのレジストリが見つかりません。";
inline constexpr const char* kMsgAskSave = "内容が変更されています。変更を保存しますか？";
inline constexpr const char* kMsgAskOverwrite = "同名ファイルがあります。上書き保存しますか？";
inline constexpr const char* kMsgReadFailed = "読み込みに失敗しました。";
inline constexpr const char* kMsgBaseMissing = "元JWWファイルが見つかりません。";
inline constexpr const char* kMsgCannotMoveBase = "元ファイルは移動出来ません。";
inline constexpr const char* kMsgCannotTransformBase = "元ファイルは変形出来ません。";
inline constexpr const char* kMsgSaved = "保存完了。";
inline constexpr const char* kMsgSaveFailed = "保存失敗。";
// Status panel 1 after opening a layout whose paper is none of A0..A4.
inline constexpr const char* kMsgPaperReplaced = "用紙サイズが不明なため A1 にしました。";
inline constexpr const char* kPromptStartPoint = "開始点を指示して下さい。";
inline constexpr const char* kPromptCircleCentre = "円中心点を指示して下さい。";
inline constexpr const char* kPromptMoveStart = "移動開始点を指示して下さい。";
inline constexpr const char* kPromptTransform = "変形点を選択して下さい。";
inline constexpr const char* kBaseFilePrefix = "BaseFile-";

// File dialog filters.
inline constexpr const char* kOpenLayoutFilter = "Sheetwright Data Files(*.SWT)|*.SWT";
inline constexpr const char* kSaveLayoutFilter = "SWT Data Files(*.SWT)|*.SWT";
inline constexpr const char* kDrawingFilter = "JWW CAD Data Files(*.JWW)|*.JWW";

// --- enabling and modes (CommandsTools.cpp) ---

// Sets the enabled states the table gives for `moment`.
void ApplyEnabling(ShellState& shell, EnableMoment moment);
// The shell at start-up: the start enabling, no tool pressed, ToolBar5 hidden.
ShellState StartShell();

// Hides ToolBar5, shows ToolBar1..4, releases the tool buttons, clears
// TransformHandles, Printing and PrintPreview, invalidates (which erases
// the bands, so their flags are cleared too). ToolMode stays.
void ModeReset(Workspace& ws, ShellState& shell);
// Esc: ModeReset, ToolMode 0, the transform and pointer flags cleared, panel 1 cleared.
void EscapeKey(Workspace& ws, ShellState& shell);

void RectangleTool(Workspace& ws, ShellState& shell);  // LayShikaku
void AuxLineTool(Workspace& ws, ShellState& shell);    // LayLine
void CircleTool(Workspace& ws, ShellState& shell);     // LayCircle
void DeleteLineTool(Workspace& ws, ShellState& shell); // LayDelLine
void MoveTool(Workspace& ws, ShellState& shell, Prompts& prompts);       // ChangeMove
void TransformTool(Workspace& ws, ShellState& shell, Prompts& prompts);  // ChangeTransform

// The layer state a reset gives a frame whose groups are `groups`: every
// group and layer state 2, layer 0 of every group and group 0 state 3,
// write layer 0; scales and protects kept. The write group is 0.
std::array<JWWLayerGroupState, 16> DefaultLayerStates(const std::array<JWWLayerGroupState, 16>& groups);

// "S=1/" and the scale denominator in shortest decimal form.
std::string ScaleCaption(double scale);
// The shortest decimal text that reads back as `v` ("100", "1.5", "0.8").
std::string ShortestDecimal(double v);

// --- file commands (CommandsFile.cpp) ---

// The unsaved-changes question and its outcome.
enum class SaveQuestion {
  NotAsked,       // nothing was modified
  Saved,          // Yes, and the layout was saved
  SaveCancelled,  // Yes, and the Save As dialog closed without saving
  SaveFailed,     // Yes, and writing the file failed
  Discard,        // No
  Cancel,         // Cancel
};
SaveQuestion AskSaveChanges(Workspace& ws, ShellState& shell, Prompts& prompts);

// Whether closing the window may go on after the question.
bool MayClose(Workspace& ws, ShellState& shell, Prompts& prompts);

// FileNew1. False when the question stopped it.
bool NewCommand(Workspace& ws, ShellState& shell, Prompts& prompts);
// FileOpen1. True when a layout was opened with its base drawing.
bool OpenCommand(Workspace& ws, ShellState& shell, Prompts& prompts);
// Opens `path` as FileOpen1 does once a file is chosen. A Windows drive in
// the stored base path leads through ws.tool.Drives; a paper the layout
// names outside A0..A4 opens as A1, and status panel 1 says so.
bool OpenLayoutFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path);
// LayFileAs. True when a drawing was read.
bool LoadBaseCommand(Workspace& ws, ShellState& shell, Prompts& prompts);
bool LoadBaseFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path);
// FileSave1 (Save As without a layout file name). True when written.
bool SaveCommand(Workspace& ws, ShellState& shell, Prompts& prompts);

enum class SaveAsOutcome { Saved, Cancelled, Failed };
// FileSaveAs1; leaves SaveAsResult 1 after a save, else 2.
SaveAsOutcome SaveAsCommand(Workspace& ws, ShellState& shell, Prompts& prompts);

// Opens a file named on the command line: a layout (.swt) as "開く" opens
// it, a drawing (.jww) as "読込" loads it; anything else is reported in an
// error box and nothing changes.
bool OpenNamedFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path);

inline constexpr const char* kMsgDrawingLoaded =
    "図面はすでに読み込まれています。別の図面は「新規作成」の後で読み込んで下さい。";
// A file dropped onto the window or chosen from the recent-files list, while
// the window is in use: a layout opens as "開く" does, after the question
// about unsaved changes (Cancel, or a failed save, opens nothing); a drawing
// loads as "読込" does where "読込" is available and is refused with a
// message where it is not; anything else is refused as OpenNamedFile
// refuses it. True when the file was opened or loaded.
bool OpenDroppedFile(Workspace& ws, ShellState& shell, Prompts& prompts, const std::string& path);

// --- undo and redo (CommandsHistory.cpp) ---

inline constexpr const char* kUndoneStatus = "戻る: ";
inline constexpr const char* kRedoneStatus = "進む: ";
// EditUndo1 / EditRedo1: the last (next) step undone (redone); status panel
// 1 names it. False when there is nothing to undo (redo).
bool UndoCommand(Workspace& ws, ShellState& shell);
bool RedoCommand(Workspace& ws, ShellState& shell);
// The two items enabled only when there is a step to undo or redo.
void ShowHistoryItems(const Workspace& ws, ShellState& shell);

}  // namespace sw
