// The layer panel (Panel4): the 16 layer buttons of the current group
// (pnlLay), the 16 group buttons (pnlLayG), their "All" buttons, Panel5
// with the current group's digit, and the layer-name label sbtnLayName
// that the window places in its status bar. It shows the current frame's
// layer state and the drawing's data-present marks.
#pragma once

#include <QFrame>

#include <array>

#include "edit/Workspace.h"

class QButtonGroup;
class QLabel;
class QToolButton;

namespace sw {

class LayerPanel : public QFrame {
  Q_OBJECT

 public:
  explicit LayerPanel(QWidget* parent);

  // The layer-name label, for the window's status bar.
  QToolButton* nameLabel() const { return sbtnLayName; }

  // Pictures, pressed buttons, the group digit and the label from the
  // workspace; the buttons are enabled when `enabled` (a frame 1..n is current).
  void refresh(const Workspace& ws, bool enabled);

 private:
  void CheckLayDisplay(const Workspace& ws);
  void CheckLayGrpDisplay(const Workspace& ws);
  void refreshLayerName(const Workspace& ws);

  QFrame* pnlLay = nullptr;
  QFrame* pnlLayG = nullptr;
  std::array<QToolButton*, 16> LayerButtons{};
  std::array<QToolButton*, 16> GroupButtons{};
  QButtonGroup* layerGroup_ = nullptr;
  QButtonGroup* groupGroup_ = nullptr;
  QToolButton* SpBtnLayall = nullptr;
  QToolButton* SpBtnLayGpall = nullptr;
  QLabel* Panel5 = nullptr;
  QToolButton* sbtnLayName = nullptr;
};

}  // namespace sw
