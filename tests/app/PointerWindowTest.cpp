// The pointer tools through real mouse and wheel events on PaintBox1, on
// the example layout: a rectangle frame named in the real dialog, an
// auxiliary line drawn and deleted, the wheel and the middle-button pan.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/AppTestSupport.h"
#include "app/PaintBox.h"
#include "edit/Commands.h"
#include "edit/PointerEngine.h"

namespace sw {
namespace {

struct Window : test::SampleApp {
  TPaintBox* box = app.form().findChild<TPaintBox*>("PaintBox1");

  const Workspace& ws() const { return app.ws(); }
  QPoint At(double x, double y) const {
    const PixelPoint p = BoxPixel(ws().view, PaperPoint{x, y});
    return QPoint(p.x, p.y);
  }
  void tool(const char* button) { QTest::mouseClick(app.form().findChild<QToolButton*>(button), Qt::LeftButton); }
  void click(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseMove(box, p);
    QTest::mouseClick(box, b, Qt::NoModifier, p);
  }
  void send(QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), box->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(box, &e);
  }
};

// Pixels of the back buffer inside the paper rectangle in the pens' black
// (the test's Jw_cad settings), not the backdrop's grey: the drawing itself.
int PenPixels(Window& w, double x1, double y1, double x2, double y2) {
  const QImage& img = w.app.form().backBuffer();
  const PixelPoint a = PaperToPixel(w.ws().view, {x1, y2}), b = PaperToPixel(w.ws().view, {x2, y1});
  int n = 0;
  for (int y = a.y + 2; y < b.y - 2; ++y)
    for (int x = a.x + 2; x < b.x - 2; ++x) {
      const QRgb c = img.pixel(x, y);
      n += qRed(c) < 64 && qGreen(c) < 64 && qBlue(c) < 64;
    }
  return n;
}

TEST(PointerWindow, RectangleFrameNamedInTheDialogShowsTheDrawingInItsPens) {
  Window w;
  ASSERT_TRUE(w.ws().tool.BaseLoaded);
  w.app.form().setPrompts(nullptr);  // the real name dialog
  const int before = PenPixels(w, 45, 60, 120, 115);
  w.tool("tbsShikaku");
  ASSERT_EQ(w.ws().tool.ToolMode, 100);
  w.click(w.At(45, 115));
  QTest::mouseMove(w.box, w.At(80, 90));  // the band follows the pointer
  EXPECT_EQ(w.ws().tool.ToolMode, 200);
  EXPECT_TRUE(w.ws().pointer.RubberShown);
  test::WhenModal([](QWidget* dlg) {
    QTest::keyClicks(dlg->findChild<QLineEdit*>("Edit1"), "detail");
    QTest::keyClick(dlg->findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
  });
  w.click(w.At(120, 60));
  test::Settle();
  const CLayMain& sheet = CurrentSheet(w.ws().document);
  ASSERT_EQ(sheet.frameHigh, 6);
  EXPECT_EQ(sheet.frames[6].name, "detail");
  QTreeWidget* tree = w.app.form().findChild<QTreeWidget*>("TreeView1");
  QTreeWidgetItem* node = tree->topLevelItem(0)->child(5);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->text(0), "6:detail");
  EXPECT_EQ(node->checkState(0), Qt::Checked);
  EXPECT_EQ(tree->currentItem(), node);
  EXPECT_GT(PenPixels(w, 45, 60, 120, 115), before + 100) << "the drawing is shown in its pens inside it, not in grey";
  EXPECT_EQ(w.ws().tool.ToolMode, 100);
}

TEST(PointerWindow, AuxiliaryLineDrawnDeletedAndUndone) {
  Window w;
  const std::int32_t lines = CurrentSheet(w.ws().document).lineHigh;
  w.tool("tbsLine");
  w.click(w.At(-150, -120));
  w.click(w.At(150, -120));
  ASSERT_EQ(CurrentSheet(w.ws().document).lineHigh, lines + 1);
  w.tool("tbsDelLine");
  w.click(w.At(0, -121));
  EXPECT_EQ(CurrentSheet(w.ws().document).lineHigh, lines);
  QTest::keyClick(&w.app.form(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CurrentSheet(w.ws().document).lineHigh, lines + 1);
}

TEST(PointerWindow, WheelZoomsAndTheMiddleButtonPans) {
  Window w;
  const double s = w.ws().view.ViewScale;
  const QPoint p = w.box->rect().center() + QPoint(40, 30);
  QWheelEvent in(QPointF(p), w.box->mapToGlobal(QPointF(p)), QPoint(), QPoint(0, -120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w.box, &in);
  EXPECT_NEAR(w.ws().view.ViewScale, 1.5 * s, 1e-9);

  const ViewRect before = w.ws().view.ViewWindow;
  w.send(QEvent::MouseButtonPress, p, Qt::MiddleButton, Qt::MiddleButton);
  w.send(QEvent::MouseMove, p + QPoint(60, 0), Qt::NoButton, Qt::MiddleButton);
  w.send(QEvent::MouseButtonRelease, p + QPoint(60, 0), Qt::MiddleButton, Qt::NoButton);
  EXPECT_NEAR(w.ws().view.ViewWindow.left, before.left - 60 / w.ws().view.ViewScale, 1e-9);
  EXPECT_TRUE(w.ws().history.undo.empty()) << "zoom and pan are no edits";
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// Frame 1 chosen in the tree, then its layer 3 stepped with the panel: the
// back buffer changes at once, and undo gives the picture back.
TEST(LayerPanelWindow, AFrameChosenInTheTreeHidesItsLayerAtOnce) {
  Window w;
  QTreeWidget* tree = w.app.form().findChild<QTreeWidget*>("TreeView1");
  QTreeWidgetItem* first = tree->topLevelItem(0)->child(0);
  const QRect r = tree->visualItemRect(first);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(r.right() - 10, r.center().y()));
  ASSERT_EQ(CurrentSheet(w.ws().document).selectedFrame, 1);
  auto* layer3 = w.app.form().findChild<QToolButton*>("SpBtnRay3");
  ASSERT_TRUE(layer3->isEnabled());
  const std::int32_t before = CurrentFrameEntry(w.ws().document).groups[0].layers[3].state;
  const QImage shown = w.app.form().backBuffer().copy();
  QTest::mouseClick(layer3, Qt::LeftButton);
  EXPECT_NE(CurrentFrameEntry(w.ws().document).groups[0].layers[3].state, before);
  EXPECT_NE(w.app.form().backBuffer(), shown) << "the frame redraws with its layer stepped";
  EXPECT_TRUE(w.ws().tool.Modified);
  QTest::keyClick(&w.app.form(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CurrentFrameEntry(w.ws().document).groups[0].layers[3].state, before);
  EXPECT_EQ(w.app.form().backBuffer(), shown);
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// The sheet popup adds a sheet; dragging its tab onto the first one moves
// the sheet with its name; both are undoable.
TEST(SheetTabsWindow, PopupAddsAndADragReorders) {
  Window w;
  auto* tabs = w.app.form().findChild<QTabBar*>("TabControl1");
  ASSERT_EQ(tabs->count(), 2);
  QTest::mouseClick(tabs, Qt::RightButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(w.ws().document.head.currentSheet, 1) << "the right click selects the tab";
  auto* menu = w.app.form().findChild<QMenu*>("PopupMenu1");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  for (QAction* a : menu->actions())
    if (a->objectName() == "Pop1New") a->trigger();
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(2), "layout1");
  EXPECT_EQ(w.ws().document.head.currentSheet, 2);

  const QString first = tabs->tabText(0);
  const QPoint from = tabs->tabRect(2).center(), to = tabs->tabRect(0).center();
  QTest::mousePress(tabs, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), tabs->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(tabs, &move);
  QTest::mouseRelease(tabs, Qt::LeftButton, {}, to);
  EXPECT_EQ(tabs->tabText(0), "layout1");
  EXPECT_EQ(tabs->tabText(1), first);
  EXPECT_EQ(w.ws().document.head.sheetNames[0], "layout1") << "names and sheets move together";
  EXPECT_EQ(w.ws().document.head.currentSheet, 0);
  EXPECT_EQ(CurrentSheet(w.ws().document).frameHigh, 0) << "the added sheet, shown where it went";
  QTest::keyClick(&w.app.form(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(tabs->tabText(0), first);
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// "PDF " in the print preview writes the sheet to the file chosen and
// leaves the screen's view as it was.
TEST(PrintWindow, PdfButtonWritesThePageAndKeepsTheView) {
  Window w;
  w.app.prompts.printers.push_back(PrinterPage{410, 287});
  w.app.form().runCommand(Cmd::FilePrint1);
  ASSERT_TRUE(w.ws().print.PrintPreview);
  const ViewState before = w.ws().view;
  w.app.prompts.saveNames.push_back(w.scratch.file("sheet"));
  QTest::mouseClick(w.app.form().findChild<QToolButton*>("tbsPDF"), Qt::LeftButton);
  QFile pdf(QString::fromStdString(w.scratch.file("sheet.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the extension is added";
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_TRUE(w.ws().view == before);
  EXPECT_TRUE(w.app.prompts.messages.empty());
}

}  // namespace
}  // namespace sw
