// Operations on the layout document. Each takes a document that keeps its
// invariants (CheckInvariants) and leaves one that keeps them; an operation
// that fails changes nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

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

}  // namespace sw
