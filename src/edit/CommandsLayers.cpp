#include "edit/CommandsLayers.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "edit/Commands.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"

namespace sw {

namespace {

using GroupStates = std::array<JWWLayerGroupState, 16>;

char HexDigit(int v) { return "0123456789ABCDEF"[v & 15]; }

// The current frame's index when it is a frame (1..frameHigh), else -1.
int EditableFrame(const Workspace& ws) {
  const CLayMain& sheet = CurrentSheet(ws.document);
  const int j = sheet.selectedFrame;
  return j >= 1 && j <= sheet.frameHigh ? j : -1;
}

bool ValidButton(int n) { return n >= 0 && n <= 15; }

// 0 -> 1 -> 2 -> 0; any other value starts again at 0.
std::int32_t NextState(std::int32_t s) { return s == 0 || s == 1 ? s + 1 : 0; }

// A left click on one state/protect pair (a layer or a group).
void LeftClick(std::int32_t& state, std::int32_t& protect, LayerClick click) {
  switch (click) {
    case LayerClick::ShiftCtrlLeft:
      protect = protect == 2 ? 0 : 2;
      break;
    case LayerClick::CtrlLeft:
      protect = protect == 1 ? 0 : 1;
      break;
    case LayerClick::Left:
      if (protect != 2 && state != 3) state = NextState(state);
      break;
    case LayerClick::Right:
      break;
  }
}

const char* LabelFor(LayerClick click, const char* state, const char* protect, const char* write) {
  switch (click) {
    case LayerClick::Left:
      return state;
    case LayerClick::CtrlLeft:
    case LayerClick::ShiftCtrlLeft:
      return protect;
    case LayerClick::Right:
      break;
  }
  return write;
}

// Commits frame j's new layer state as one step and asks for the refresh.
void Apply(Workspace& ws, ShellState& shell, int j, const char* label, std::int32_t writeGroup,
           const GroupStates& groups) {
  (void)Commit(ws, label, [&](LayoutDocument& d) { return setFrameLayers(d, j, writeGroup, groups); });
  SyncLayerPanel(ws);
  shell.req.changed = true;
  shell.req.redraw = true;
  shell.req.invalidate = true;
}

std::size_t At(int n) { return static_cast<std::size_t>(std::clamp(n, 0, 15)); }

}  // namespace

LayerClick LayerClickOf(bool right, bool shift, bool ctrl) {
  if (right) return LayerClick::Right;
  if (ctrl) return shift ? LayerClick::ShiftCtrlLeft : LayerClick::CtrlLeft;
  return LayerClick::Left;
}

bool LayerButtonClick(Workspace& ws, ShellState& shell, int layer, LayerClick click) {
  const int j = EditableFrame(ws);
  if (j < 0 || !ValidButton(layer)) return false;
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  GroupStates groups = frame.groups;
  JWWLayerGroupState& group = groups[At(ws.layers.CurrentGroup)];
  JWWLayerState& target = group.layers[At(layer)];
  if (click == LayerClick::Right) {
    if (target.protect == 0) {
      // One write layer per group: whichever held state 3 is now editable.
      for (JWWLayerState& l : group.layers)
        if (l.state == 3) l.state = 2;
      target.state = 3;
      group.writeLayer = layer;
    }
  } else {
    LeftClick(target.state, target.protect, click);
  }
  Apply(ws, shell, j, LabelFor(click, kStepLayerState, kStepLayerProtect, kStepWriteLayer), frame.writeGroup,
        groups);
  return true;
}

bool GroupButtonClick(Workspace& ws, ShellState& shell, int group, LayerClick click) {
  const int j = EditableFrame(ws);
  if (j < 0 || !ValidButton(group)) return false;
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  GroupStates groups = frame.groups;
  std::int32_t writeGroup = frame.writeGroup;
  JWWLayerGroupState& target = groups[At(group)];
  if (click == LayerClick::Right) {
    if (target.protect == 0) {
      // One write group per frame: whichever held state 3 is now editable.
      for (JWWLayerGroupState& g : groups)
        if (g.state == 3) g.state = 2;
      target.state = 3;
      writeGroup = group;
    }
  } else {
    LeftClick(target.state, target.protect, click);
  }
  Apply(ws, shell, j, LabelFor(click, kStepGroupState, kStepGroupProtect, kStepWriteGroup), writeGroup, groups);
  shell.scaleCaption = ScaleCaption(ws.drawing.head.groups[At(group)].scale);
  return true;
}

namespace {

// Every entry but the current one, the write one (state 3) and those under
// protect 2 takes `state`.
template <class Entries>
void SetAllBut(Entries& entries, int current, std::int32_t state) {
  for (int i = 0; i < 16; ++i) {
    auto& e = entries[At(i)];
    if (i == current || e.state == 3 || e.protect >= 2) continue;
    e.state = state;
  }
}

// An "All" button: its state steps (a right click resets it to 2) and is
// given to the layers of the current group (`layers`) or to the groups.
bool AllClick(Workspace& ws, ShellState& shell, LayerClick click, bool layers) {
  const int j = EditableFrame(ws);
  if (j < 0) return false;
  std::int32_t& all = layers ? ws.layers.LayerAllState : ws.layers.GroupAllState;
  all = click == LayerClick::Right ? 2 : NextState(all);
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  GroupStates groups = frame.groups;
  if (layers)
    SetAllBut(groups[At(ws.layers.CurrentGroup)].layers, ws.layers.CurrentLayer, all);
  else
    SetAllBut(groups, ws.layers.CurrentGroup, all);
  Apply(ws, shell, j, layers ? kStepAllLayers : kStepAllGroups, frame.writeGroup, groups);
  return true;
}

}  // namespace

bool LayerAllClick(Workspace& ws, ShellState& shell, LayerClick click) { return AllClick(ws, shell, click, true); }

bool GroupAllClick(Workspace& ws, ShellState& shell, LayerClick click) { return AllClick(ws, shell, click, false); }

std::string LayerNameText(const Workspace& ws) {
  const int g = std::clamp(ws.layers.CurrentGroup, 0, 15);
  const int l = std::clamp(ws.layers.CurrentLayer, 0, 15);
  const JWWHead& head = ws.drawing.head;
  const std::string& group = head.groupNames[static_cast<std::size_t>(g)];
  const std::string& layer = head.layerNames[static_cast<std::size_t>(g * 16 + l)];
  std::string text;
  if (!group.empty() || !layer.empty()) text = group + "- " + layer;
  return text + "[" + HexDigit(l) + "-" + HexDigit(g) + "]";
}

}  // namespace sw
