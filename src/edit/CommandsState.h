// What the main window shows of the commands, as plain data: which menu
// items and toolbar buttons are enabled, which tool buttons are held down,
// the toolbars shown, the status panels, the title and the captions of the
// status-bar buttons. The command handlers change it; the window mirrors it
// after every command, refreshes its panels when the document or the view
// changed, and redraws as `ShellRequests` asks.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace sw {

// The commands of the main menu and the toolbars.
enum class Cmd : int {
  FileNew1,
  FileOpen1,
  FileSave1,
  FileSaveAs1,
  FilePrint1,
  FilePrintSetup1,
  FileExit1,
  LayFileAs,
  LayShikaku,
  LayCircle,
  LayPline,
  LayLine,
  LayDelLine,
  ChangeMove,
  ChangeCopy,
  ChangeTransform,
  Settei1,
  Contents1,
  About1,
  EditUndo1,
  EditRedo1,
};
inline constexpr std::size_t kCmdCount = static_cast<std::size_t>(Cmd::EditRedo1) + 1;
inline constexpr std::size_t Index(Cmd c) { return static_cast<std::size_t>(c); }

// A command's menu item and toolbar button are enabled separately.
struct CmdEnabled {
  bool menu = true;
  bool button = true;
  bool operator==(const CmdEnabled&) const = default;
};

// Moments of the enabling table.
enum class EnableMoment { Start, AfterNew, AfterLoadBase, AfterOpenLayout, AfterSaveAs };

// What the window does after a command, in this order: refresh the panels
// (sheet tabs, frame tree, layer panel, print toolbar) from the workspace,
// redraw the sheet into the back buffer, invalidate the drawing area.
struct ShellRequests {
  bool changed = false;
  bool redraw = false;
  bool invalidate = false;
  bool operator==(const ShellRequests&) const = default;
};

struct ShellState {
  std::array<CmdEnabled, kCmdCount> enabled{};
  std::array<bool, kCmdCount> pressed{};  // tool buttons held down
  // ToolBar1..ToolBar5 at index 1..5; ToolBar5 is the print toolbar.
  std::array<bool, 6> toolBarVisible{false, true, true, true, true, false};
  std::string status0;  // "BaseFile-" and the base drawing's path
  std::string status1;  // prompts and results
  // The layout or drawing the last command opened, loaded or saved under a
  // new name (for the recent-files list); the window takes it and clears it.
  std::string usedFile;
  std::string title = "Sheetwright";
  std::string paperCaption = "A-";  // sbtnPaperSize
  int paperChecked = 1;             // the checked item of the paper menu, A0..A4
  std::string scaleCaption = "S=";  // sbtnScale
  bool layerPanelsEnabled = false;  // pnlLay, pnlLayG, Panel5, the All and the 32 buttons
  ShellRequests req;

  bool isEnabled(Cmd c) const { return enabled[Index(c)].menu; }
  bool buttonEnabled(Cmd c) const { return enabled[Index(c)].button; }
  bool isPressed(Cmd c) const { return pressed[Index(c)]; }
};

// The window title for a layout file: its name without the folder, then
// " - Sheetwright"; "Sheetwright" for an empty path.
std::string TitleFor(const std::string& layoutFileName);

}  // namespace sw
