// The layout document: the header, the paper index and the sheets with their
// frames, auxiliary lines and per-frame layer states. Paper coordinates are
// millimetres on the sheet, origin at the paper centre, y up. Strings are
// CP932 bytes.
//
// Lists are counted by "high" values (count - 1) kept beside them. The four
// per-frame lists of a sheet (frames, circles, rects, shown) are parallel:
// entry j of each belongs to frame j, and entry 0 is the base entry (the
// whole base drawing, unclipped). CheckInvariants (Invariants.h) states every
// rule a document keeps.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "jww/Records.h"

namespace sw {

// Document header.
struct SWTHead {
  std::string baseFile;  // absolute path of the base JWW drawing; empty until one is opened
  std::int32_t sheetHigh = 0;           // number of sheets - 1
  std::vector<std::string> sheetNames;  // tab captions, sheetHigh + 1 entries, in tab order
  std::int32_t currentSheet = 0;        // index of the sheet shown
  bool operator==(const SWTHead&) const = default;
};

// Frame kinds (CLayCount::kind).
inline constexpr std::int32_t kFrameBase = 0;
inline constexpr std::int32_t kFrameRect = 1;
inline constexpr std::int32_t kFrameCircle = 2;

// Codes of the commands that made a shape.
inline constexpr std::int32_t kRectCode = 1200;
inline constexpr std::int32_t kCircleCode = 1210;
inline constexpr std::int32_t kAuxLineCode = 1230;

// One frame entry.
struct CLayCount {
  std::int32_t kind = 0;  // kFrameBase, kFrameRect (shape in rects), kFrameCircle (shape in circles)
  std::string name;       // for the base entry the drawing's memo; the dialogs give unique,
                          // non-empty names, while a file may hold any (kept as they are)
  double dx = 0, dy = 0;  // placement offset of the drawing, paper mm (dy positive moves down)
  std::int32_t writeGroup = 0;
  std::array<JWWLayerGroupState, 16> groups{};
  bool operator==(const CLayCount&) const = default;
};

// Shape of a circle frame, paper mm.
struct CLayCircle {
  std::int32_t code = 0;  // kCircleCode
  double cx = 0, cy = 0, radius = 0;
  bool operator==(const CLayCircle&) const = default;
};

// Shape of a rectangle frame, paper mm; x1 <= x2 and y1 <= y2 as the editing
// commands keep them.
struct CLayRect {
  std::int32_t code = 0;  // kRectCode
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const CLayRect&) const = default;
};

// An auxiliary line, paper mm, already extended to the paper edges.
struct CLayLine {
  std::int32_t code = 0;  // the creating command's value
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const CLayLine&) const = default;
};

// A polyline of a sheet: kept in memory and copied with the sheet, never saved.
struct CLayPline {
  std::int32_t value1 = 0, value2 = 0;
  std::vector<double> X, Y;  // vertex coordinates, paper mm
  bool operator==(const CLayPline&) const = default;
};

// One sheet.
struct CLayMain {
  std::int32_t frameHigh = 0;      // index of the last frame; 0 = only the base entry
  std::int32_t selectedFrame = 0;  // entry selected in the frame tree; 0 = base entry
  std::vector<CLayCount> frames;   // frameHigh + 1
  std::vector<CLayCircle> circles; // frameHigh + 1
  std::vector<CLayRect> rects;     // frameHigh + 1
  std::vector<CLayPline> plines;   // not saved
  std::int32_t lineHigh = 0;       // index of the last auxiliary line; 0 = none
  std::vector<CLayLine> lines;     // lineHigh + 1; entry 0 is a zero placeholder
  std::vector<bool> shown;         // frameHigh + 1; entry j set = frame j is drawn
  bool operator==(const CLayMain&) const = default;
};

// A sheet holding only its base entry (zeroed, not shown) and the line placeholder.
CLayMain MakeEmptySheet();

// The whole document. A default-constructed document is the start-up one:
// the reset document on A1.
struct LayoutDocument {
  SWTHead head{{}, 0, {"layout1"}, 0};
  std::int32_t PaperIndex = 1;  // 0..4 = A0..A4, one value for every sheet
  std::vector<CLayMain> Sheets{MakeEmptySheet()};
  bool operator==(const LayoutDocument&) const = default;
};

// A paper point, millimetres.
struct PaperPoint {
  double x = 0, y = 0;
  bool operator==(const PaperPoint&) const = default;
};

// The sheet shown: Sheets[head.currentSheet]. Every reader and writer of
// "the current sheet" goes through these.
CLayMain& CurrentSheet(LayoutDocument& doc);
const CLayMain& CurrentSheet(const LayoutDocument& doc);
// The current sheet's selected frame entry (0 = the base entry).
const CLayCount& CurrentFrameEntry(const LayoutDocument& doc);

// Whether the sheet's base entry is ticked, i.e. the base drawing is shown
// in grey under its frames.
bool BaseShown(const CLayMain& sheet);

}  // namespace sw
