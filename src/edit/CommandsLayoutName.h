// The layout-name dialog's rules (TDlgLayoutName asks; it changes nothing)
// and the three edits that take a name from it: a new frame, a frame
// renamed, a sheet renamed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "edit/CommandsState.h"
#include "edit/Prompts.h"
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

// What the dialog asks for: its caption, the field's first text (CP932; it
// is selected whole when not empty), the names a new name must differ from
// (CP932) and the message for one that does not.
struct NameRequest {
  std::string caption;
  std::string initial;
  std::vector<std::string> taken;
  std::string duplicateMessage;
  bool operator==(const NameRequest&) const = default;
};

struct LayoutNameVerdict {
  bool accepted = false;    // the dialog closes with `name`
  std::string name;         // CP932, when accepted
  std::string message;      // shown before the dialog goes on (UTF-8), or empty
  bool clearField = false;  // the field is emptied
};

// OK with the field's text (UTF-8): refused when empty ("レイアウト名が
// ありません。", field cleared), when CP932 cannot hold a character (the
// layout file could not keep it; field kept), when the name is taken
// (the request's message, field cleared); else accepted.
LayoutNameVerdict CheckLayoutName(const NameRequest& request, const std::string& textUtf8);

// The requests of the three callers, for the current sheet.
NameRequest NewFrameRequest(const Workspace& ws);
NameRequest RenameFrameRequest(const Workspace& ws);
NameRequest RenameSheetRequest(const Workspace& ws);

// ToolMode 1200 / 1210: asks for the new frame's name; with one, adds the
// frame to the current sheet from FirstPoint and SecondPoint (a rectangle
// with corners taken in order; a circle centred on the first point through
// the second) with the drawing's layer state, shown and current, as one
// undoable step. A cancelled dialog adds 10000 to ToolMode. True when a
// frame was added.
bool CommitNewFrame(Workspace& ws, ShellState& shell, Prompts& prompts);

// "名前変更" of the frame tree: ToolMode 2000 while the dialog asks for a
// new name of the current frame (>= 1), then 0; the rename is undoable.
bool RenameFrameCommand(Workspace& ws, ShellState& shell, Prompts& prompts);
// "名前変更" of the sheet popup: the same for the current sheet, ToolMode 3000.
bool RenameSheetCommand(Workspace& ws, ShellState& shell, Prompts& prompts);

}  // namespace sw
