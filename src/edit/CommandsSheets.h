// The sheet tabs' commands: the check before a drawing is loaded, and the
// popup's add, copy, delete and reorder. Renaming is RenameSheetCommand
// (CommandsLayoutName.h). Every change is undoable.
#pragma once

#include <cstdint>

#include "edit/CommandsState.h"
#include "edit/Prompts.h"
#include "edit/Workspace.h"

namespace sw {

inline constexpr const char* kMsgLoadBaseFirst = "元ファイルを先に読み込んで下さい。";
inline constexpr const char* kMsgNothingToCopy = "コピーする元レイアウトがありません。";
inline constexpr const char* kMsgDeleteOnlySheet = "新規作成になります。よろしいですか？";
inline constexpr const char* kMsgDeleteSheetSuffix = " を削除していいですか？";

// A press on the tab strip: status panel 1 cleared; false, with its
// message, while no drawing is loaded (the press does nothing else).
bool TabStripPressed(Workspace& ws, ShellState& shell, Prompts& prompts);

// "用紙追加(&N)": a new sheet "layoutK" with sheet 0's base entry, made current.
bool AddSheetCommand(Workspace& ws, ShellState& shell);
// "用紙複写(&C)": an independent copy of the current sheet named "name(K)",
// made current.
bool CopySheetCommand(Workspace& ws, ShellState& shell, Prompts& prompts);
// "削除(&D)": the only sheet asks to start a new layout (New, with its own
// question); another asks "name を削除していいですか？" and is removed
// unless the answer is No.
bool DeleteSheetCommand(Workspace& ws, ShellState& shell, Prompts& prompts);
// A tab dropped on another: the sheet and its name move together to `to`;
// the current sheet stays the same sheet.
bool MoveSheetCommand(Workspace& ws, ShellState& shell, std::int32_t from, std::int32_t to);

}  // namespace sw
