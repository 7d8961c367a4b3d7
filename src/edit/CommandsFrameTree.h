// The frame tree's rules (TreeView1 of Panel1) without the widget: which
// frame is current, which nodes are selected, the check boxes, deleting a
// frame and the flashes that show frames on the drawing area. The panel
// reports what the user did; the window calls these, then mirrors the shell.
//
// Node k is frame k of the current sheet, node 0 the base drawing. The
// current frame is the sheet's selectedFrame; ws.tree.Selected holds the
// selected nodes in selection order. Choosing nodes is navigation: it is no
// undo step and leaves `Modified` alone. Ticking a box and deleting a frame
// are edits. Renaming is RenameFrameCommand (CommandsLayoutName.h).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "edit/CommandsState.h"
#include "edit/Overlay.h"
#include "edit/Workspace.h"
#include "render/Canvas.h"

namespace sw {

// Undo labels of the tree's edits (UTF-8).
inline constexpr const char* kLabelFrameShown = "表示";
inline constexpr const char* kLabelFrameHidden = "非表示";
inline constexpr const char* kLabelDeleteFrame = "削除";

// How long a flash stays on the drawing area, milliseconds.
inline constexpr int kFlashMs = 300;

// ws.tree.Selected as far as it names nodes of the current sheet, each once,
// in selection order.
std::vector<std::int32_t> FrameTreeSelection(const Workspace& ws);

// Frame k becomes the current frame, as the tree's selection change makes
// it: the layer panel shows and enables frame k >= 1; for the base drawing
// it is disabled and a transform waiting for its handle (170..174) ends.
// While a transform goes on, the drawing area is repainted so that the
// handles follow the new current frame. False for a k that names no frame.
bool SelectFrameNode(Workspace& ws, ShellState& shell, std::int32_t k);

// A click on node k away from its check box (left, or right before the
// popup with neither key). Plain: k alone is selected and current. Ctrl:
// with nothing selected, as plain; on a selected node, k becomes current;
// on another node, k joins the selection and the current frame stays (when
// the current frame was k itself, the first selected node becomes current).
// Shift (without Ctrl): the run of nodes from the current frame to k is
// selected and k is current. False for a k that names no frame.
bool ClickFrameNode(Workspace& ws, ShellState& shell, std::int32_t k, bool ctrl, bool shift);

// SpeedButton1 "選択解除": no node selected; the current frame stays.
void ClearFrameTreeSelection(Workspace& ws, ShellState& shell);

// The check box of node k ends up `checked`: frame k is shown or hidden on
// the sheet (node 0: the grey backdrop of the base drawing), one undo step.
bool SetFrameNodeChecked(Workspace& ws, ShellState& shell, std::int32_t k, bool checked);

// PopupMenu3 "削除": the current frame (>= 1) is removed without asking,
// one undo step; the later frames move down one place with their names and
// ticks. The frame that takes its place (else the new last, else the base
// drawing) becomes current and alone selected; when no frame is left the
// tools are reset and ToolMode is 0.
bool DeleteCurrentFrame(Workspace& ws, ShellState& shell);

// The paint-box rectangle of rectangle frame k on the paper (its rectangle
// moved by its offset); nullopt for the base drawing, a circle frame or a k
// that names no frame.
std::optional<CanvasRect> FrameFlashRect(const Workspace& ws, std::int32_t k);

// The selected rectangle frames filled opaque in the grey colour, shown for
// kFlashMs, then the drawing area invalidated.
void FlashSelectedFrames(const Workspace& ws, Overlay& overlay);
// The current frame (a rectangle frame) filled in XOR with the grey colour,
// shown for kFlashMs, and filled again, which restores the picture.
void FlashCurrentFrame(const Workspace& ws, Overlay& overlay);
// A double click on a node while one is selected: with the move tool's
// button down the selected frames flash, otherwise the current frame.
void FrameTreeDoubleClick(const Workspace& ws, const ShellState& shell, Overlay& overlay);

}  // namespace sw
