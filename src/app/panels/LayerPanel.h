// The layer panel (Panel4): the 16 layer buttons of the current group
// (pnlLay), the 16 group buttons (pnlLayG), their "All" buttons, Panel5
// with the write group's digit, and the layer-name label sbtnLayName
// that the window places in its status bar. It shows the current frame's
// layer state and the drawing's data-present marks.
//
// The panel never changes the workspace. A press of the left or right
// mouse button on one of its buttons (a double click counts as a second
// press) is reported by a signal with the button's number and how it was
// pressed (LayerClickOf: right button, else left with Shift and Ctrl); the
// window then runs the matching rule of edit/CommandsLayers.h
// (LayerButtonClick, GroupButtonClick, LayerAllClick, GroupAllClick) and
// refreshes the panel. The layer and group buttons do not change their own
// pressed state: only refresh() presses the write layer's and write
// group's buttons. Disabled buttons report nothing.
#pragma once

#include <QFrame>

#include <array>

#include "edit/CommandsLayers.h"
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

 signals:
  // Layer button SpBtnRay<layer> (0..15) of the current group was pressed.
  void layerButtonClicked(int layer, sw::LayerClick click);
  // Group button SpBtnRayGroup<group> (0..15) was pressed.
  void groupButtonClicked(int group, sw::LayerClick click);
  // The layer column's "All" (SpBtnLayall) was pressed.
  void allLayersClicked(sw::LayerClick click);
  // The group column's "All" (SpBtnLayGpall) was pressed.
  void allGroupsClicked(sw::LayerClick click);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

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
