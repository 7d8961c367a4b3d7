// The layer panel's rules that need no widgets: what a click on a layer
// button, a group button or one of the two "All" buttons does to the layer
// state of the current sheet's current frame, and the layer-name label.
//
// States (groups and layers alike): 0 hidden, 1 shown, 2 shown and
// editable, 3 write group / write layer. Protects: 0 none, 1 first kind
// (states still step), 2 second kind (plain clicks and "All" leave it).
#pragma once

#include <string>

#include "edit/CommandsState.h"
#include "edit/Workspace.h"

namespace sw {

// How a button of the layer panel was clicked: the mouse button and the
// keys held with it.
enum class LayerClick {
  Left,           // no key: step the state 0 -> 1 -> 2 -> 0 (3 stays 3)
  CtrlLeft,       // toggle protect 1
  ShiftCtrlLeft,  // toggle protect 2
  Right,          // make it the write layer (group); keys do not matter
};

// The click meant by a press of the right button (`right`) or else the
// left one with Shift and Ctrl as given. Shift alone counts as no key.
LayerClick LayerClickOf(bool right, bool shift, bool ctrl);

// Undo-step labels (UTF-8).
inline constexpr const char* kStepLayerState = "レイヤ状態変更";
inline constexpr const char* kStepLayerProtect = "レイヤプロテクト変更";
inline constexpr const char* kStepWriteLayer = "書込レイヤ変更";
inline constexpr const char* kStepAllLayers = "全レイヤ状態変更";
inline constexpr const char* kStepGroupState = "グループ状態変更";
inline constexpr const char* kStepGroupProtect = "グループプロテクト変更";
inline constexpr const char* kStepWriteGroup = "書込グループ変更";
inline constexpr const char* kStepAllGroups = "全グループ状態変更";

// Each click below acts on the current frame of the current sheet, which
// must be a frame (index 1 or more): on the base entry, or for a button
// number outside 0..15, it returns false and changes nothing. Otherwise the
// frame's new write group and 16 group states are committed as one undo
// step (none when nothing changed), the panel's current group and layer
// follow the states (SyncLayerPanel), and the panels are refreshed, the
// sheet redrawn and the drawing area invalidated; it returns true.

// Layer button `layer` of the current group (CurrentGroup):
//   Right: unprotected -> the group's write layer (state 3, writeLayer :=
//          layer; the old write layer becomes 2); protected -> no change.
//   CtrlLeft: protect := 0 if it was 1, else 1.
//   ShiftCtrlLeft: protect := 0 if it was 2, else 2.
//   Left: protect 2 -> no change; state 3 stays; else 0 -> 1 -> 2 -> 0.
bool LayerButtonClick(Workspace& ws, ShellState& shell, int layer, LayerClick click);

// Group button `group`: the same rules on the group's state and protect;
// Right makes an unprotected group the frame's write group. Whatever the
// click, the scale caption becomes "S=1/" and the base drawing's scale
// denominator of `group`.
bool GroupButtonClick(Workspace& ws, ShellState& shell, int group, LayerClick click);

// Layer "All": Right sets LayerAllState to 2, any left click steps it
// 0 -> 1 -> 2 -> 0; then every layer of the current group takes that state
// except the write layer and layers with protect 2.
bool LayerAllClick(Workspace& ws, ShellState& shell, LayerClick click);

// Group "All": the same with GroupAllState over the groups, sparing the
// write group and groups with protect 2.
bool GroupAllClick(Workspace& ws, ShellState& shell, LayerClick click);

// The layer-name label (CP932): the current group's name, "- " and the
// current layer's name, then "[layer-group]" in hexadecimal digits; only
// "[layer-group]" while the drawing names neither.
std::string LayerNameText(const Workspace& ws);

}  // namespace sw
