// The frame tree panel (Panel1): the button SpeedButton1 "選択解除" and the
// tree TreeView1 of the current sheet. The root node is the base drawing
// (frame 0), its children the sheet's frames 1..n, each with a check box
// mirroring the sheet's shown flag. The hidden tree TreeView2 holds the
// block structure.
#pragma once

#include <QString>
#include <QWidget>

#include "edit/Workspace.h"

class QToolButton;
class QTreeWidget;

namespace sw {

// The root's text: the drawing's memo, or the base drawing's path when the
// memo is exactly CR LF.
QString FrameTreeRootText(const Workspace& ws);
// Child text of frame k: "k:name".
QString FrameTreeChildText(const Workspace& ws, int k);

class FrameTreePanel : public QWidget {
  Q_OBJECT

 public:
  explicit FrameTreePanel(QWidget* parent);

  // Empty while no base drawing is loaded; else the tree of the current
  // sheet: the root and one child per frame, the nodes whose flags are set
  // checked, expanded, the current frame's node selected and drawn red.
  void refresh(const Workspace& ws);

 private:
  void rebuild(const Workspace& ws);

  QToolButton* SpeedButton1 = nullptr;
  QTreeWidget* TreeView1 = nullptr;
  QTreeWidget* TreeView2 = nullptr;
};

}  // namespace sw
