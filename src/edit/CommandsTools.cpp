// Enabling of the commands, ModeReset, Esc, the tool commands and the print
// preview switch.
#include <charconv>
#include <cmath>

#include "core/Path.h"
#include "edit/Commands.h"

namespace sw {

namespace {

void Set(ShellState& shell, Cmd c, bool on) { shell.enabled[Index(c)] = CmdEnabled{on, on}; }

std::int32_t CurrentFrame(const Workspace& ws) { return CurrentSheet(ws.document).selectedFrame; }

void Press(ShellState& shell, Cmd c, bool down) { shell.pressed[Index(c)] = down; }

// A tool switched off by choosing it again: released, idle, prompt cleared.
void SwitchOff(Workspace& ws, ShellState& shell, Cmd c) {
  Press(shell, c, false);
  ws.tool.ToolMode = kModeIdle;
  shell.status1.clear();
}

constexpr Cmd kEditTools[] = {Cmd::LayShikaku, Cmd::LayCircle, Cmd::LayPline, Cmd::LayLine,
                              Cmd::LayDelLine, Cmd::ChangeMove, Cmd::ChangeCopy, Cmd::ChangeTransform};
constexpr Cmd kFrameTools[] = {Cmd::LayShikaku, Cmd::LayLine, Cmd::LayDelLine, Cmd::ChangeMove,
                               Cmd::ChangeTransform};

}  // namespace

std::string TitleFor(const std::string& layoutFileName) {
  if (layoutFileName.empty()) return "Sheetwright";
  // The path is UTF-8 text on every platform; so is the title.
  return Utf8FromPath(PathFromUtf8(layoutFileName).filename()) + " - Sheetwright";
}

void ApplyEnabling(ShellState& shell, EnableMoment moment) {
  switch (moment) {
    case EnableMoment::Start:
      for (Cmd c : {Cmd::FileNew1, Cmd::FileOpen1, Cmd::FileSaveAs1, Cmd::FilePrint1, Cmd::LayFileAs})
        Set(shell, c, true);
      shell.enabled[Index(Cmd::FileSave1)].button = false;
      for (Cmd c : kEditTools) Set(shell, c, false);
      Set(shell, Cmd::EditUndo1, false);
      Set(shell, Cmd::EditRedo1, false);
      break;
    case EnableMoment::AfterNew:
      Set(shell, Cmd::LayFileAs, true);
      Set(shell, Cmd::FileSave1, false);
      for (Cmd c : {Cmd::LayShikaku, Cmd::LayLine, Cmd::LayDelLine, Cmd::ChangeMove, Cmd::ChangeTransform})
        Set(shell, c, false);
      shell.enabled[Index(Cmd::ChangeCopy)].button = false;
      break;
    case EnableMoment::AfterOpenLayout:
      Set(shell, Cmd::FileSave1, true);
      [[fallthrough]];
    case EnableMoment::AfterLoadBase:
      for (Cmd c : kFrameTools) Set(shell, c, true);
      Set(shell, Cmd::LayFileAs, false);
      break;
    case EnableMoment::AfterSaveAs:
      Set(shell, Cmd::FileSave1, true);
      break;
  }
}

ShellState StartShell() {
  ShellState shell;
  ApplyEnabling(shell, EnableMoment::Start);
  return shell;
}

void ModeReset(Workspace& ws, ShellState& shell) {
  shell.toolBarVisible = {false, true, true, true, true, false};
  for (Cmd c : kFrameTools) Press(shell, c, false);
  ws.tool.TransformHandles = false;
  ws.print.Printing = false;
  ws.print.PrintPreview = false;
  // The invalidation erases whatever was drawn in XOR.
  ws.pointer.RubberShown = false;
  ws.transform.BandShown = false;
  shell.req.invalidate = true;
}

void EscapeKey(Workspace& ws, ShellState& shell) {
  ModeReset(ws, shell);
  ws.tool.ToolMode = kModeIdle;
  ws.tool.TransformHandles = false;
  ws.pointer.GestureActive = false;
  ws.pointer.RubberShown = false;
  shell.status1.clear();
}

namespace {

// Rectangle and auxiliary line: a toggle on `mode` with the start prompt.
void ToggleTool(Workspace& ws, ShellState& shell, Cmd c, std::int32_t mode) {
  shell.req.invalidate = true;
  if (ws.tool.ToolMode == mode) {
    SwitchOff(ws, shell, c);
    return;
  }
  ModeReset(ws, shell);
  Press(shell, c, true);
  ws.tool.ToolMode = mode;
  shell.status1 = kPromptStartPoint;
}

}  // namespace

void RectangleTool(Workspace& ws, ShellState& shell) { ToggleTool(ws, shell, Cmd::LayShikaku, kModeRect); }

void AuxLineTool(Workspace& ws, ShellState& shell) { ToggleTool(ws, shell, Cmd::LayLine, kModeAuxLine); }

void CircleTool(Workspace& ws, ShellState& shell) {
  shell.req.invalidate = true;
  Press(shell, Cmd::LayCircle, true);
  ws.tool.ToolMode = kModeCircle;
  shell.status1 = kPromptCircleCentre;
}

void DeleteLineTool(Workspace& ws, ShellState& shell) {
  ws.tool.ToolMode = kModeDeleteLine;
  ModeReset(ws, shell);
  Press(shell, Cmd::LayDelLine, true);
}

void MoveTool(Workspace& ws, ShellState& shell, Prompts& prompts) {
  shell.req.invalidate = true;
  bool off = ws.tool.ToolMode == kModeMove;
  if (CurrentFrame(ws) == 0) {
    prompts.message(MessageKind::Information, MessageButtons::Ok, kMsgCannotMoveBase);
    off = true;
  }
  if (off) {
    SwitchOff(ws, shell, Cmd::ChangeMove);
    shell.req.redraw = true;
    return;
  }
  ModeReset(ws, shell);
  Press(shell, Cmd::ChangeMove, true);
  ws.tool.ToolMode = kModeMove;
  shell.status1 = kPromptMoveStart;
}

void TransformTool(Workspace& ws, ShellState& shell, Prompts& prompts) {
  shell.req.invalidate = true;
  if (CurrentFrame(ws) == 0) {
    prompts.message(MessageKind::Information, MessageButtons::Ok, kMsgCannotTransformBase);
    return;
  }
  if (ws.tool.TransformHandles) {
    ws.tool.TransformHandles = false;
    SwitchOff(ws, shell, Cmd::ChangeTransform);
    shell.req.redraw = true;
    return;
  }
  ModeReset(ws, shell);
  ws.tool.TransformHandles = true;
  Press(shell, Cmd::ChangeTransform, true);
  ws.tool.ToolMode = kModeTransform;
  shell.status1 = kPromptTransform;
}

std::array<JWWLayerGroupState, 16> DefaultLayerStates(const std::array<JWWLayerGroupState, 16>& groups) {
  std::array<JWWLayerGroupState, 16> out = groups;
  for (JWWLayerGroupState& g : out) {
    g.state = 2;
    g.writeLayer = 0;
    for (JWWLayerState& l : g.layers) l.state = 2;
    g.layers[0].state = 3;
  }
  out[0].state = 3;
  return out;
}

std::string ShortestDecimal(double v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buf, end);
}

std::string ScaleCaption(double scale) { return "S=1/" + ShortestDecimal(scale); }

}  // namespace sw
