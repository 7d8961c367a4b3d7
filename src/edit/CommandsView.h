// The window's start-up set-up, the sheet tabs, the paper menu and the
// drawing area's redraw, paint and resize as plain functions over the
// workspace.
#pragma once

#include <cstdint>

#include "edit/CommandsState.h"
#include "edit/Workspace.h"
#include "render/Canvas.h"
#include "settings/JwcadSettings.h"
#include "settings/Registry.h"

namespace sw {

// The drawing area a view was last fitted or resized to: a third of its
// back buffer each way.
BoxSize ViewBox(const ViewState& view);

// Creating the main window with a drawing area of `box`: no base drawing,
// the start-up document (one sheet "layout1") with frame 0's layer state
// reset, the layer panel on group 0 layer 0 with both "All" states 2, no
// block definitions, paper A1 fitted to the drawing area, an empty history.
void SetUpStartWorkspace(Workspace& ws, BoxSize box);

// The window is shown with its final drawing area: fit again.
void RefitView(Workspace& ws, BoxSize box);

// The tab change: sheet `index` becomes current (not an edit: it is not
// recorded and does not mark the layout modified), the grey backdrop
// follows its base flag, the panels and the sheet are refreshed. False for
// an index that names no sheet.
bool SwitchSheet(Workspace& ws, ShellState& shell, std::int32_t index);

// A paper item of the "A-" menu: the document's paper becomes A`index`
// (undoable), the button caption and the checked item follow, the view
// takes the paper size, the sheet is redrawn.
bool ChoosePaper(Workspace& ws, ShellState& shell, std::int32_t index);
// The caption and checked item of the paper menu for the document's paper.
void ShowPaper(const Workspace& ws, ShellState& shell);

// The sheet redraw into `canvas` (the back buffer).
void RedrawWorkspace(Canvas& canvas, Workspace& ws);
// The same in its two stages, for a window that keeps a copy of the pixels
// under the frames: the key of that stage (taken before it), the stage
// itself (null canvas: the copy is used), then the frames over it.
std::optional<UnderFramesKey> WorkspaceUnderFramesKey(const Workspace& ws);
void RedrawWorkspaceUnderFrames(Canvas* canvas, Workspace& ws);
void RedrawWorkspaceFrames(Canvas& canvas, Workspace& ws);
// The paint handler has shown the back buffer.
void MarkPainted(Workspace& ws);
// The drawing area has a new size; scale and centre are kept.
void ResizeWorkspace(Workspace& ws, BoxSize box);

// Start-up: the style tables from Jw_cad's settings and the program's own
// (either registry may be null); the imported settings are returned for
// the settings dialog.
JwcadSettings ImportWorkspaceStyles(Workspace& ws, const Registry* jwcad, const Registry* own);
// The settings dialog changed the program's own settings: the layout and
// transform colours and the wheel direction take them.
void ApplyOwnStyles(Workspace& ws, const JwcadSettings& settings);

}  // namespace sw
