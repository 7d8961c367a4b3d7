// The editing state of the main window, grouped by owner. Each is a plain
// record; the workspace holds one of each and nothing else holds program
// state.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "edit/ToolMode.h"
#include "layout/BasePath.h"
#include "layout/Document.h"
#include "render/Points.h"

namespace sw {

// A rectangle on the paper, mm: left, bottom, right, top.
struct PaperRectMm {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const PaperRectMm&) const = default;
};

// The tool and the file: what a click means, and the layout file and its
// unsaved changes.
struct ToolState {
  std::int32_t ToolMode = kModeIdle;
  bool Modified = false;        // the layout differs from the file last saved or opened
  bool BaseLoaded = false;      // a base drawing has been read
  std::string LayoutFileName;   // UTF-8 path of the layout file; empty until saved or opened
  DriveMap Drives;              // where a base path's Windows drive letters lead (set at start-up)
  std::int32_t SaveAsResult = kSaveAsNone;
  bool TransformHandles = false;  // the transform handles are shown
  bool operator==(const ToolState&) const = default;
};

// The pointer on the drawing area. Pixels are paint-box pixels; points are
// paper mm.
struct PointerState {
  PixelPoint PressPoint;     // where the last button went down
  PixelPoint DragPoint;      // button marks after a press, else the last pointer position drawn
  PixelPoint LastLeftPress;  // the press point of the last left click
  bool GestureActive = false;  // a left or right press is being tracked
  bool RubberShown = false;    // a rubber band is drawn in XOR
  PaperPoint FirstPoint;       // first point of the current edit
  PaperPoint SecondPoint;      // second point of the current edit
  bool Panning = false;        // a middle-button drag is under way
  bool ZoomBoxShown = false;   // the zoom gesture's rectangle is drawn in XOR
  bool Suihei = false;         // "X方向" is ticked: lines and moves stay horizontal
  bool Suityoku = false;       // "Y方向" is ticked: lines and moves stay vertical
  bool operator==(const PointerState&) const = default;
};

// The layer panel: the group shown in the layer column, the layer whose
// state is 3 in it, and the states last applied by the two "All" buttons.
struct LayerPanelState {
  std::int32_t CurrentGroup = 0;
  std::int32_t CurrentLayer = 0;
  std::int32_t LayerAllState = 2;
  std::int32_t GroupAllState = 2;
  bool operator==(const LayerPanelState&) const = default;
};

// The transform tool: the handles of the current frame, the two clicks and
// the frame's rectangle on the paper that the band edits. Paper mm.
struct TransformState {
  std::array<PaperPoint, 4> HandlePoints{};  // middles of the x1, y1, x2 and y2 sides
  PaperPoint TransformStart;
  PaperPoint TransformEnd;
  PaperRectMm FrameOnPaper;
  std::int32_t Frame = 0;  // the frame whose side is being dragged
  bool BandShown = false;  // the transform band is drawn in XOR
  bool operator==(const TransformState&) const = default;
};

// The frame tree's selection: the frames of the current sheet selected in
// TreeView1 (0 = the base drawing), in the order they were selected. The
// sheet's own selectedFrame is the current frame among them.
struct FrameTreeState {
  std::vector<std::int32_t> Selected;
  bool operator==(const FrameTreeState&) const = default;
};

}  // namespace sw
