// The sheet tabs TabControl1 below the drawing area: tab i shows the name
// of sheet i, and the selected tab is the current sheet.
#pragma once

#include <QTabBar>

#include "edit/Workspace.h"

namespace sw {

class SheetTabs : public QTabBar {
  Q_OBJECT

 public:
  explicit SheetTabs(QWidget* parent);

  // One tab per sheet name (at least one), the current sheet selected.
  void refresh(const Workspace& ws);

 signals:
  // The user selected tab `index`.
  void sheetChosen(int index);
};

}  // namespace sw
