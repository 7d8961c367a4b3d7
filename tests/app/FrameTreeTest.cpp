// The frame tree driven with real mouse clicks on the example layout:
// choosing nodes with and without Ctrl, a check box, the popup menu's
// rename and delete, the root ending a transform, and "選択解除".
//
// Needs the window to route every FrameTreePanel signal to its rule in
// edit/CommandsFrameTree.h (see FrameTreePanel.h), to call
// ResetTreeSelection when a layout is opened, and to mirror the shell.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/AppTestSupport.h"
#include "edit/Commands.h"

namespace sw {
namespace {

struct Tree : test::SampleApp {
  QTreeWidget* tree = app.form().findChild<QTreeWidget*>("TreeView1");

  const CLayMain& sheet() const { return CurrentSheet(app.ws().document); }
  QTreeWidgetItem* node(int k) const { return k == 0 ? tree->topLevelItem(0) : tree->topLevelItem(0)->child(k - 1); }
  // A click on the node's text, or on its check box.
  void click(int k, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
    const QRect r = tree->visualItemRect(node(k));
    QTest::mouseClick(tree->viewport(), b, keys, QPoint(r.right() - 10, r.center().y()));
    test::Settle();
  }
  void clickBox(int k) {
    const QRect r = tree->visualItemRect(node(k));
    const int box = tree->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 2 + box / 2, r.center().y()));
    test::Settle();
  }
  std::vector<int> selectedNodes() const {
    std::vector<int> out;
    for (int k = 0; k <= sheet().frameHigh; ++k)
      if (node(k)->isSelected()) out.push_back(k);
    return out;
  }
  bool red(int k) const { return node(k)->foreground(0).color() == QColor(Qt::red); }
};

TEST(FrameTreeWindow, NodesChosenTickedRenamedAndDeleted) {
  Tree t;
  ASSERT_NE(t.tree, nullptr);
  ASSERT_EQ(t.sheet().frameHigh, 5);
  ASSERT_EQ(t.sheet().selectedFrame, 5);
  EXPECT_EQ(t.selectedNodes(), std::vector<int>{5});
  EXPECT_TRUE(t.red(5));

  t.click(2);
  EXPECT_EQ(t.sheet().selectedFrame, 2);
  EXPECT_EQ(t.selectedNodes(), std::vector<int>{2});
  EXPECT_TRUE(t.red(2));
  EXPECT_FALSE(t.red(5));
  EXPECT_FALSE(t.app.ws().tool.Modified) << "choosing a node is no edit";

  t.click(4, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(t.sheet().selectedFrame, 2);
  EXPECT_EQ(t.app.ws().tree.Selected, (std::vector<std::int32_t>{2, 4}));
  EXPECT_EQ(t.selectedNodes(), (std::vector<int>{2, 4}));

  t.clickBox(4);
  EXPECT_EQ(t.node(4)->checkState(0), Qt::Unchecked);
  EXPECT_FALSE(t.sheet().shown[4]);
  EXPECT_EQ(t.sheet().selectedFrame, 2) << "a box is no choice of node";
  EXPECT_TRUE(t.app.form().action(Cmd::EditUndo1)->isEnabled());

  auto* menu = t.app.form().findChild<QMenu*>("PopupMenu3");
  ASSERT_NE(menu, nullptr);
  t.click(1, Qt::RightButton);
  EXPECT_EQ(t.sheet().selectedFrame, 1);
  ASSERT_TRUE(menu->isVisible());
  t.app.prompts.nameTexts = {"北側"};
  menu->findChild<QAction*>("treeV1Chenge")->trigger();
  menu->hide();
  test::Settle();
  EXPECT_EQ(t.node(1)->text(0), "1:北側");

  t.click(3, Qt::RightButton);
  ASSERT_TRUE(menu->isVisible());
  menu->findChild<QAction*>("treeV1Del")->trigger();
  menu->hide();
  test::Settle();
  ASSERT_EQ(t.sheet().frameHigh, 4);
  EXPECT_EQ(t.node(3)->text(0), "3:会議室");
  EXPECT_EQ(t.node(3)->checkState(0), Qt::Unchecked) << "the former frame 4 keeps its tick";
  EXPECT_EQ(t.sheet().selectedFrame, 3);

  QTest::mouseClick(t.app.form().findChild<QToolButton*>("tbsTransform"), Qt::LeftButton);
  ASSERT_EQ(t.app.ws().tool.ToolMode, 170);
  t.click(0, Qt::RightButton);
  EXPECT_FALSE(menu->isVisible()) << "the base drawing has no popup";
  EXPECT_EQ(t.sheet().selectedFrame, 0);
  EXPECT_EQ(t.app.ws().tool.ToolMode, 0);
  EXPECT_FALSE(t.app.form().findChild<QToolButton*>("tbsTransform")->isChecked());

  QTest::mouseClick(t.app.form().findChild<QToolButton*>("SpeedButton1"), Qt::LeftButton);
  test::Settle();
  EXPECT_TRUE(t.selectedNodes().empty());
  EXPECT_TRUE(t.app.ws().tree.Selected.empty());
}

}  // namespace
}  // namespace sw
