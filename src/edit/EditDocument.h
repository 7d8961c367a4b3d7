// How the editing code changes the layout document: every change is one
// call of a src/layout operation made through Commit, which records it as
// an undoable step and marks the layout modified.
#pragma once

#include <string>
#include <utility>

#include "core/Result.h"
#include "edit/Workspace.h"

namespace sw {

// Runs `op(ws.document)`, which returns a Status. On success the document
// as it was before becomes an undo step labelled `label` (UTF-8) and
// `Modified` is set; an operation that left the document as it was is no
// step. On failure nothing changes and the failure is returned.
template <class Op>
Status Commit(Workspace& ws, std::string label, Op&& op) {
  LayoutDocument before = ws.document;
  Status s = std::forward<Op>(op)(ws.document);
  if (!s || ws.document == before) return s;
  RecordStep(ws.history, std::move(label), std::move(before));
  ws.tool.Modified = IsModified(ws.history);
  return s;
}

// After the whole document was replaced (undo, redo): the grey backdrop
// follows the current sheet's base flag once a drawing is loaded, the
// view's paper follows the document, the layer panel follows the current
// frame, and `Modified` follows the history.
void AfterDocumentReplaced(Workspace& ws);

// The grey backdrop of the current sheet: shown when a base drawing is
// loaded and the sheet's base entry is ticked. Called whenever the current
// sheet changes.
void ApplyBackdropRule(Workspace& ws);

// The frame tree's selection becomes the current frame alone: whenever the
// tree starts showing another sheet, document or frame.
void ResetTreeSelection(Workspace& ws);

// Rebuilds the index of the drawing: whenever the drawing is replaced.
void IndexDrawing(Workspace& ws);

// The layer panel's current group and layer from the current frame's
// states: the group (layer) whose state is 3; unchanged when none is.
void SyncLayerPanel(Workspace& ws);

}  // namespace sw
