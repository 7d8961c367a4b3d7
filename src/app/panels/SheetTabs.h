// The sheet tabs TabControl1 below the drawing area: tab i shows the name
// of sheet i, and the selected tab is the current sheet. A right click
// selects the tab under the pointer and opens PopupMenu1; a left drag of
// 5 pixels or more moves the selected tab, an insertion mark (4 pixels,
// black) showing where it will land.
#pragma once

#include <QTabBar>

#include "edit/Workspace.h"

class QMenu;

namespace sw {

class SheetTabs : public QTabBar {
  Q_OBJECT

 public:
  explicit SheetTabs(QWidget* parent);

  // One tab per sheet name (at least one), the current sheet selected;
  // presses are taken only once a drawing is loaded.
  void refresh(const Workspace& ws);

  QMenu* popup() const { return PopupMenu1; }
  // The tab a drag would drop on now, or -1 (for tests and the mark).
  int dropTarget() const { return target_; }

 signals:
  // The user selected tab `index`.
  void sheetChosen(int index);
  // Any press on the strip; before a drawing is loaded it does nothing else.
  void tabStripPressed();
  // PopupMenu1: "用紙追加(&N)", "用紙複写(&C)", "削除(&D)", "名前変更(&R)".
  void addRequested();
  void copyRequested();
  void deleteRequested();
  void renameRequested();
  // The selected tab was dropped on tab `to`.
  void sheetMoved(int from, int to);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  QMenu* PopupMenu1 = nullptr;
  bool baseLoaded_ = false;
  bool pressed_ = false;
  bool dragging_ = false;
  QPoint pressPos_;
  int target_ = -1;
};

}  // namespace sw
