// The layer panel's buttons: which press they report, and that they never
// press themselves.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/panels/LayerPanel.h"

namespace sw {
namespace {

TEST(LayerPanelButtons, ReportPressesWithButtonAndKeys) {
  struct Case {
    const char* button;
    Qt::MouseButton mouse;
    Qt::KeyboardModifiers keys;
    int signal;  // 0 layer, 1 group, 2 layer "All", 3 group "All"
    int number;
    LayerClick click;
  };
  const Case cases[] = {
      {"SpBtnRay5", Qt::LeftButton, Qt::NoModifier, 0, 5, LayerClick::Left},
      {"SpBtnRay15", Qt::RightButton, Qt::ControlModifier, 0, 15, LayerClick::Right},
      {"SpBtnRayGroup3", Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, 1, 3, LayerClick::ShiftCtrlLeft},
      {"SpBtnRayGroup12", Qt::LeftButton, Qt::ControlModifier, 1, 12, LayerClick::CtrlLeft},
      {"SpBtnLayall", Qt::RightButton, Qt::NoModifier, 2, 0, LayerClick::Right},
      {"SpBtnLayGpall", Qt::LeftButton, Qt::ShiftModifier, 3, 0, LayerClick::Left},
  };
  LayerPanel panel(nullptr);
  panel.show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    QSignalSpy spies[] = {{&panel, &LayerPanel::layerButtonClicked}, {&panel, &LayerPanel::groupButtonClicked},
                          {&panel, &LayerPanel::allLayersClicked}, {&panel, &LayerPanel::allGroupsClicked}};
    auto* b = panel.findChild<QToolButton*>(c.button);
    QTest::mouseClick(b, c.mouse, c.keys);
    for (int s = 0; s < 4; ++s) ASSERT_EQ(spies[s].size(), s == c.signal ? 1 : 0) << s;
    const QList<QVariant> args = spies[c.signal].takeFirst();
    if (c.signal < 2) {
      EXPECT_EQ(args.at(0).toInt(), c.number);
    }
    EXPECT_EQ(args.last().value<LayerClick>(), c.click);
    EXPECT_FALSE(b->isChecked()) << "only refresh presses a button";
  }

  // A double click (press, release, then a double-click event) is two
  // presses; disabled buttons report nothing.
  QSignalSpy layer(&panel, &LayerPanel::layerButtonClicked);
  QTest::mouseClick(panel.findChild<QToolButton*>("SpBtnRay2"), Qt::LeftButton);
  QTest::mouseDClick(panel.findChild<QToolButton*>("SpBtnRay2"), Qt::LeftButton);
  EXPECT_EQ(layer.size(), 2);
  panel.findChild<QWidget*>("pnlLay")->setEnabled(false);
  QTest::mouseClick(panel.findChild<QToolButton*>("SpBtnRay2"), Qt::LeftButton);
  EXPECT_EQ(layer.size(), 2);
}

}  // namespace
}  // namespace sw
