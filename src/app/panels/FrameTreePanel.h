// The frame tree panel (Panel1): the button SpeedButton1 "選択解除" and the
// tree TreeView1 of the current sheet. The root node is the base drawing
// (frame 0), its children the sheet's frames 1..n, each with a check box
// mirroring the sheet's shown flag. The hidden tree TreeView2 holds the
// block tree of the base drawing (jww/BlockTree.h): the root "BlockTree",
// one node per insert, each item carrying its TBlockNodeData in Qt::UserRole.
//
// The panel never changes the workspace. It reports what the user did by
// its signals; the window applies the rules of edit/CommandsFrameTree.h and
// calls refresh() when the shell asks for it. Clicks on the tree are the
// panel's own: the tree widget does not select or tick by itself, so what
// it shows is always the workspace's selection after a refresh.
#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

#include "edit/Workspace.h"
#include "jww/BlockTree.h"

Q_DECLARE_METATYPE(sw::TBlockNodeData)

class QMenu;
class QMouseEvent;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

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
  // sheet: the root and one child per frame, each box ticked as the frame's
  // shown flag, expanded, the nodes of FrameTreeSelection selected, the
  // current frame's node the current item and drawn red, the others black.
  // TreeView2 is made again from the drawing's block tree when the
  // drawing's BlockTreeKey differs from the one it shows, and emptied while
  // no base drawing is loaded. Emits nothing.
  void refresh(const Workspace& ws);

 signals:
  // Node `frame` (0 = the base drawing) was clicked away from its check
  // box: a left click with the keys held (Ctrl adds to the selection, Shift
  // selects a run), a right click (always without keys, before PopupMenu3
  // opens), or the keyboard moved to it (without keys).
  // -> ClickFrameNode(ws, shell, frame, Ctrl held, Shift held).
  void nodeClicked(int frame, Qt::KeyboardModifiers modifiers);
  // The check box of node `frame` was clicked (or toggled with Space) and
  // now shows `checked`. -> SetFrameNodeChecked(ws, shell, frame, checked).
  void checkToggled(int frame, bool checked);
  // A left double click on node `frame`. -> FrameTreeDoubleClick(ws, shell, overlay).
  void nodeDoubleClicked(int frame);
  // PopupMenu3 "削除" (treeV1Del). -> DeleteCurrentFrame(ws, shell).
  void deleteRequested();
  // PopupMenu3 "名前変更" (treeV1Chenge). -> RenameFrameCommand(ws, shell, prompts).
  void renameRequested();
  // SpeedButton1 "選択解除". -> ClearFrameTreeSelection(ws, shell).
  void selectionCleared();

 private:
  void rebuild(const Workspace& ws);
  void refreshBlockTree(const Workspace& ws);
  QTreeWidgetItem* node(int k) const;
  void mousePressed(QMouseEvent* e);
  void mouseDoubleClicked(QMouseEvent* e);
  void toggle(QTreeWidgetItem* item);

  QToolButton* SpeedButton1 = nullptr;
  QTreeWidget* TreeView1 = nullptr;
  QTreeWidget* TreeView2 = nullptr;
  QMenu* PopupMenu3 = nullptr;
  std::optional<std::uint64_t> blockTreeKey_;  // of the drawing TreeView2 shows; none while empty
};

}  // namespace sw
