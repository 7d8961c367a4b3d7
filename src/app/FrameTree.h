// The frame tree TreeView1 built for the current sheet: the root node is the
// base drawing (frame 0), its children the sheet's frames 1..n, each with a
// check box mirroring the sheet's frame-visibility flag.
#pragma once

#include <QString>

#include "edit/Workspace.h"

class QTreeWidget;

namespace sw {

// The root's text: the drawing's memo, or the base drawing's path when the
// memo is exactly CR LF.
QString FrameTreeRootText(const Workspace& ws);
// Child text of frame k: "k:name".
QString FrameTreeChildText(const Workspace& ws, int k);

// Builds the root and one child per frame, checks the nodes whose flags are
// set, expands the tree, selects the current frame's node and draws it red.
void RebuildFrameTree(QTreeWidget& tree, const Workspace& ws);

}  // namespace sw
