// The pointer tools through real mouse and wheel events on PaintBox1, on
// the example layout: a rectangle frame named in the real dialog, an
// auxiliary line drawn and deleted, the wheel and the middle-button pan.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/AppTestSupport.h"
#include "app/PaintBox.h"
#include "edit/PointerEngine.h"

namespace sw {
namespace {

constexpr const char* kSample = SW_SOURCE_DIR "/examples/sample.swt";

struct Window {
  test::AppScratch scratch;
  test::TestApp app{scratch};
  TPaintBox* box = nullptr;

  Window() {
    app.form().openFile(kSample);
    box = app.form().findChild<TPaintBox*>("PaintBox1");
    test::Settle();
  }
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
