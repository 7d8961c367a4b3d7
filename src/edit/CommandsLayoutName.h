// The rules of the layout-name dialog (TDlgLayoutName), which names a new
// frame, renames a frame or renames a sheet depending on `ToolMode`, and
// stores the name in the document on OK.
#pragma once

#include <cstdint>
#include <string>

#include "edit/Workspace.h"

namespace sw {

// Captions the callers give the dialog (UTF-8).
inline constexpr const char* kCaptionNewFrame = "レイアウト名";
inline constexpr const char* kCaptionRenameFrame = "レイアウト名変更";
inline constexpr const char* kCaptionRenameSheet = "レイアウト図面名変更";

// Messages of the dialog (UTF-8).
inline constexpr const char* kMsgNoName = "レイアウト名がありません。";
inline constexpr const char* kMsgDuplicateSheet = "同じレイアウトタブがあります。名前を変えて下さい。";
inline constexpr const char* kMsgDuplicateFrame = "同じレイアウト名があります。名前を変えて下さい。";
inline constexpr const char* kMsgNameNotCp932 = "レイアウト名に使えない文字があります。";

// The dialog's working mode: 0 = it may not close, 1 = it has finished;
// any other value is the ToolMode copied when it was activated.
struct LayoutNameDialogState {
  std::int32_t workingMode = 1;
};

// On activation: the working mode becomes ToolMode, and the field's first
// text (CP932): the current frame's name in mode 2000, the current sheet's
// name in mode 3000 (both to be selected whole), else empty.
std::string ActivateLayoutName(const Workspace& ws, LayoutNameDialogState& dlg);

struct LayoutNameVerdict {
  bool accepted = false;    // the dialog hides
  std::string message;      // shown before the dialog goes on (UTF-8), or empty
  bool clearField = false;  // the field is emptied
};

// OK with the field's text (UTF-8). Checks the name against the sheet names
// (mode 3000) or the names of frames 1..n of the current sheet, and stores
// it: mode 3000 as the current sheet's name, mode 2000 as the current
// frame's name, mode 1200 / 1210 as a new rectangle / circle frame from
// ToolState::FirstPoint and SecondPoint. A name whose characters CP932
// cannot hold is refused, since the layout file could not keep it.
LayoutNameVerdict LayoutNameOk(Workspace& ws, LayoutNameDialogState& dlg, const std::string& textUtf8);

// Cancel (also Esc, and closing with an empty field): working mode 1, the
// field emptied, 10000 added to ToolMode.
void LayoutNameCancel(Workspace& ws, LayoutNameDialogState& dlg);

// Whether the close box may close the dialog.
inline bool LayoutNameMayClose(const LayoutNameDialogState& dlg) { return dlg.workingMode != 0; }

}  // namespace sw
