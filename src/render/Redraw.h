// The sheet redraw: everything the screen or a printed page shows of the
// current sheet, drawn completely into one canvas — background and paper
// outline (screen only), the base drawing in grey under the frames, each
// visible rectangle frame with the drawing clipped to it and moved by its
// offset, frame outlines and auxiliary lines (screen only).
#pragma once

#include <optional>

#include "geometry/Clip.h"
#include "jww/Drawing.h"
#include "layout/Document.h"
#include "render/Canvas.h"
#include "render/DrawContext.h"
#include "render/DrawingIndex.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {

// Redraw state kept between redraws.
struct RedrawState {
  int CurrentFrame = 0;  // frame being drawn (the last one drawn afterwards)
  ClipRect FrameClip;    // rectangle of the frame being drawn, drawing mm
  // 1: the base drawing is shown in grey under the frames; 2 while that grey
  // pass runs (only inside a redraw); 0: off.
  int BackdropMode = 0;
  bool Painted = false;  // cleared by every redraw; the paint handler sets it
  bool operator==(const RedrawState&) const = default;
};

// What a redraw reads. The print state decides the preview outline and
// whether the page is drawn for the printer.
struct SheetSource {
  const JWWDrawing& drawing;
  const LayoutDocument& document;
  const StyleTables& styles;
  const PrintState& print = kScreenPrint;
  // Where the drawing's entities lie; null (or an index of another drawing)
  // makes the redraw visit every entity.
  const DrawingIndex* index = nullptr;
};

// Draws the document's current sheet into `canvas`, whose pixel size is
// BufferSize on screen (the page when printing). Moves DrawOrigin and sets
// PaperOrigin in `view`; the clip of the canvas is always removed again.
void RedrawSheet(Canvas& canvas, ViewState& view, const SheetSource& source, RedrawState& state);

// RedrawSheet in its two stages. Under the frames: the background, the
// paper and its outlines, and the grey backdrop; with a null canvas only
// what that stage does to `view` and `state` (for a window that kept its
// pixels). Then the frames and the auxiliary lines over it. Nothing the
// second stage draws depends on the canvas state the first leaves.
void RedrawUnderFrames(Canvas* canvas, ViewState& view, const SheetSource& source, RedrawState& state);
void RedrawFrames(Canvas& canvas, ViewState& view, const SheetSource& source, RedrawState& state);

// Everything the stage under the frames reads. Two redraws with equal keys
// (taken before each) draw the same pixels under the frames. None without
// an index of the drawing, by which drawings are told apart.
struct UnderFramesKey {
  ViewState view;
  StyleTables styles;
  PrintState print;
  int backdropMode = 0;  // -1: the sheet has no frame entries
  std::uint64_t drawing = 0;
  bool sheet = false;  // the current sheet exists
  std::array<JWWLayerGroupState, 16> backdropGroups{};
  bool operator==(const UnderFramesKey&) const = default;
};
std::optional<UnderFramesKey> UnderFramesKeyOf(const ViewState& view, const SheetSource& source,
                                               const RedrawState& state);

// Draws the whole drawing once for the frame in `ctx`: solids, then (brush
// transparent) block inserts, lines, arcs and circles, dimensions, texts and
// points, each list first entry first. With an index of this drawing only
// the lines, arcs and points that can show are visited (the same drawing).
void DrawDrawing(const DrawContext& ctx, Canvas& canvas, const JWWDrawing& drawing,
                 const DrawingIndex* index = nullptr);

// Draws one block insert: the members of its definition from the last to the
// first, transformed by the insert's scales, rotation and reference point,
// nested inserts recursively. A definition already being drawn further up
// (a block inserting itself, directly or through others) and nesting deeper
// than kMaxBlockDepth are not followed. Every member drawn, nested ones
// included, takes one from `budget`; at 0 the rest is left out, so that
// definitions inserting each other many times over cannot make a redraw
// endless. DrawDrawing gives each pass over a drawing kBlockBudget.
inline constexpr int kMaxBlockDepth = 32;
inline constexpr long long kBlockBudget = 4'000'000;
void DrawBlock(const DrawContext& ctx, Canvas& canvas, const TJWWBlockList& blocks,
               const CDataBlock& insert, long long& budget);

// True for the settings Jw_cad keeps as texts inside the drawing (see
// Redraw.cpp); the redraw does not draw them.
bool IsJwcadSettingsText(const CDataMoji& text);

}  // namespace sw
