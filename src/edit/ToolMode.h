// The tool state of the main window: `ToolMode`, the single integer that tells
// the pointer handlers what a click on the sheet means, and the flags the
// commands keep beside it.
#pragma once

#include <cstdint>
#include <string>

#include "layout/Document.h"
#include "render/View.h"

namespace sw {

// Entry values of `ToolMode` set by the commands and the name dialogs. The
// pointer handlers move on to further values (first point taken = entry + 100,
// commit in progress = waiting value + 1000, cancelled name = + 10000).
inline constexpr std::int32_t kModeIdle = 0;
inline constexpr std::int32_t kModeRect = 100;
inline constexpr std::int32_t kModeCircle = 110;
inline constexpr std::int32_t kModeAuxLine = 130;
inline constexpr std::int32_t kModeMove = 150;
inline constexpr std::int32_t kModeTransform = 170;
inline constexpr std::int32_t kModeDeleteLine = 300;
inline constexpr std::int32_t kModeRectCommit = 1200;
inline constexpr std::int32_t kModeCircleCommit = 1210;
inline constexpr std::int32_t kModeRenameFrame = 2000;
inline constexpr std::int32_t kModeRenameSheet = 3000;
inline constexpr std::int32_t kModeNameCancelled = 10000;  // added by a cancelled name dialog

// 170..174: waiting for a transform handle or holding one.
inline bool IsTransformState(std::int32_t mode) { return mode >= 170 && mode <= 174; }

// Result of the Save As dialog as the unsaved-changes question waits for it.
inline constexpr std::int32_t kSaveAsNone = 0;
inline constexpr std::int32_t kSaveAsSaved = 1;
inline constexpr std::int32_t kSaveAsClosed = 2;  // closed without a successful save

struct ToolState {
  std::int32_t ToolMode = kModeIdle;
  bool Modified = false;           // the layout has unsaved changes
  bool BaseLoaded = false;         // a base drawing has been read
  std::string LayoutFileName;      // native path of the layout file; empty until saved or opened
  std::int32_t SaveAsResult = kSaveAsNone;
  bool TransformHandles = false;   // the transform handles are shown

  // Pointer fields the shell resets (Esc) and the name dialog reads: a press
  // is being tracked, a rubber band is drawn, and the two points of the edit
  // in paper mm.
  bool GestureActive = false;
  bool RubberShown = false;
  PaperPoint FirstPoint;
  PaperPoint SecondPoint;

  // The layer panel: the group shown in the layer column, the layer whose
  // state is 3 in it, and the states last applied by the two "All" buttons.
  std::int32_t CurrentGroup = 0;
  std::int32_t CurrentLayer = 0;
  std::int32_t LayerAllState = 2;
  std::int32_t GroupAllState = 2;

  // The home view remembered when a base drawing is loaded.
  ViewRect HomeWindow;
  double HomeScale = 0;

  // Print-scale dialog results.
  double CustomPrintPercent = 100.0;
  bool PrintScaleDone = false;
};

}  // namespace sw
