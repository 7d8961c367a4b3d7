// The one write path of the layout document: every change of a document
// goes through a function here. Each takes a document that keeps its
// invariants (CheckInvariants) and leaves one that keeps them; an operation
// that fails changes nothing. Indexes are checked: a frame, line or sheet
// index that names no entry fails with a message saying which.
#pragma once

#include <cstdint>
#include <filesystem>
#include <array>
#include <string>
#include <vector>

#include "core/Result.h"
#include "jww/Drawing.h"
#include "layout/Document.h"

namespace sw {

// File New: no base file, one sheet "layout1" (current) holding only its base
// entry (zeroed, not shown) and the line placeholder. PaperIndex is kept.
void resetDocument(LayoutDocument& doc);

// Copies the drawing header's write group and 16 group states (and, for
// j = 0 only, the memo as the name) into frame j of the current sheet.
// Fails for a j that names no frame.
Status initFrameFromBase(LayoutDocument& doc, const JWWDrawing& drawing, std::int32_t j);

// Reads the drawing at `path` and adopts it: baseFile := the absolute path
// (CP932), the current sheet is cut to its base entry (frames and their
// shapes dropped, selectedFrame 0, shown = {set}), frame 0 takes the header's
// layer state and memo, PaperIndex := the drawing's paper code when 0..4,
// else 1.
//
// The drawing is read into a fresh model first: when the read fails (or the
// path has characters without a CP932 form, which a layout file could not
// store), the reader's error is returned and neither `doc` nor `drawing` is
// changed.
Status openBaseDrawing(LayoutDocument& doc, JWWDrawing& drawing, const std::filesystem::path& path);

// Appends a frame of `kind` (kFrameRect or kFrameCircle) named `name` to the
// current sheet and selects it; its offset is (0, 0) and its layer state
// zero. A rectangle stores (first, second) as (x1, y1, x2, y2) with code
// 1200 (callers pass normalised corners); a circle stores first as centre
// and the distance to second as radius with code 1210. The other shape's
// entry stays zero and the frame's shown flag clear. Fails, changing
// nothing, for another kind, an empty name or a name that frame 1..frameHigh
// of the sheet already has.
Status addFrame(LayoutDocument& doc, std::int32_t kind, const std::string& name, PaperPoint first,
                PaperPoint second);

// Appends an auxiliary line to the current sheet at index lineHigh + 1, with
// `code` and the two points extended along their line to the paper edges.
void addLine(LayoutDocument& doc, std::int32_t code, PaperPoint first, PaperPoint second);

// --- frames of the current sheet (FrameOps.cpp) ---

// Makes frame j (0 = the base entry) the sheet's selected frame.
Status selectFrame(LayoutDocument& doc, std::int32_t j);
// Gives frame j >= 1 the name `name`: not empty, and no other frame
// 1..frameHigh of the sheet has it.
Status renameFrame(LayoutDocument& doc, std::int32_t j, const std::string& name);
// Removes frame j >= 1: the later entries of the four per-frame lists move
// down by one, keeping their names and shown flags. The selected frame
// becomes the one that moved into j's place, else the new last frame, else
// the base entry.
Status deleteFrame(LayoutDocument& doc, std::int32_t j);
// Sets the shown flag of entry j (0 = the base drawing's grey backdrop).
Status setFrameShown(LayoutDocument& doc, std::int32_t j, bool shown);
// Adds (ddx, ddy) to the offset of each listed frame (each >= 1, listed at
// most once; dy positive moves down).
Status moveFrames(LayoutDocument& doc, const std::vector<std::int32_t>& frames, double ddx, double ddy);
// Replaces the rectangle of rectangle frame j, corners taken in order so
// that x1 <= x2 and y1 <= y2; the code stays.
Status setFrameRect(LayoutDocument& doc, std::int32_t j, double x1, double y1, double x2, double y2);
// Replaces the circle of circle frame j: centre (cx, cy) and a radius that
// is not negative; the code stays.
Status setFrameCircle(LayoutDocument& doc, std::int32_t j, double cx, double cy, double radius);
// Replaces frame j's write group and its 16 layer-group states.
Status setFrameLayers(LayoutDocument& doc, std::int32_t j, std::int32_t writeGroup,
                      const std::array<JWWLayerGroupState, 16>& groups);
// Removes auxiliary line `index` (0..lineHigh; 0 is the placeholder) of the
// current sheet; later lines move down by one.
Status deleteLine(LayoutDocument& doc, std::int32_t index);

// --- sheets and paper (SheetOps.cpp) ---

// Makes sheet `index` current.
Status selectSheet(LayoutDocument& doc, std::int32_t index);
// Appends a sheet named "layoutK" (the first K >= 1 no sheet has) holding
// a copy of sheet 0's base entry and shown flag, no frames and no lines,
// and makes it current. Returns the new index.
std::int32_t addSheet(LayoutDocument& doc);
// Appends an independent copy of the current sheet named "name(K)" (the
// first K >= 1 no sheet has) and makes it current. Returns the new index.
std::int32_t copySheet(LayoutDocument& doc);
// Removes sheet `index`; fails for the only sheet. The current sheet becomes
// the one that moved into its place, else the new last one.
Status deleteSheet(LayoutDocument& doc, std::int32_t index);
// Names sheet `index` `name`: not empty, and no other sheet has it.
Status renameSheet(LayoutDocument& doc, std::int32_t index, const std::string& name);
// Moves sheet `from` with its name to position `to`; the sheets between
// shift by one. The current sheet stays the same sheet (its index follows).
Status moveSheet(LayoutDocument& doc, std::int32_t from, std::int32_t to);
// The document's paper: 0..4 = A0..A4.
Status setPaper(LayoutDocument& doc, std::int32_t paperIndex);

}  // namespace sw
