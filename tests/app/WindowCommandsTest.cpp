// The commands run through the window: enabling of the widgets, the tool
// buttons and prompts, Esc, Save and Open, and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/AppTestSupport.h"
#include "core/Cp932.h"
#include "app/PaintBox.h"
#include "edit/Commands.h"
#include "edit/CommandsTestSupport.h"
#include "layout/Operations.h"

namespace sw {
namespace {

using test::AppScratch;
using test::TestApp;

constexpr Cmd kShown[] = {Cmd::FileNew1,   Cmd::FileOpen1, Cmd::FileSave1,  Cmd::FileSaveAs1,
                          Cmd::FilePrint1, Cmd::LayFileAs, Cmd::LayShikaku, Cmd::LayCircle,
                          Cmd::LayPline,   Cmd::LayLine,   Cmd::LayDelLine, Cmd::ChangeMove,
                          Cmd::ChangeCopy, Cmd::ChangeTransform};

// As the widgets show it: E both enabled, - both disabled, m only the menu
// item, b only the button.
std::string WidgetEnabling(TForm1& form) {
  std::string out;
  for (Cmd c : kShown) {
    const bool menu = form.action(c)->isEnabled();
    const bool button = form.button(c)->isEnabled();
    out += menu && button ? 'E' : menu ? 'm' : button ? 'b' : '-';
  }
  return out;
}

QString Status1(TForm1& form) { return form.findChild<QLabel*>("StatusPanel1")->text(); }
QString Status0(TForm1& form) { return form.findChild<QLabel*>("StatusPanel0")->text(); }

struct Fixture {
  AppScratch scratch;
  TestApp app{scratch};
  std::string drawing = scratch.file("plan.jww");
  Fixture() { test::WriteCommandsDrawing(drawing); }
  TForm1& form() { return app.form(); }
  void load() {
    app.prompts.openNames.push_back(drawing);
    form().runCommand(Cmd::LayFileAs);
  }
};

TEST(WindowEnabling, FollowsStartNewLoadOpenAndSaveAs) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  EXPECT_EQ(WidgetEnabling(f.form()), "EEmEEE--------") << "start";
  f.form().runCommand(Cmd::FileNew1);
  EXPECT_EQ(WidgetEnabling(f.form()), "EE-EEE--------") << "after New";
  f.load();
  EXPECT_EQ(WidgetEnabling(f.form()), "EE-EE-E--EEE-E") << "after loading a drawing (Save stays off after New)";
  EXPECT_EQ(Status0(f.form()).toStdString(), "BaseFile-" + f.drawing);
  f.app.prompts.saveNames.push_back(f.scratch.file("a"));
  f.form().runCommand(Cmd::FileSaveAs1);
  EXPECT_EQ(WidgetEnabling(f.form()), "EEEEE-E--EEE-E") << "after Save As";
  EXPECT_EQ(f.form().windowTitle(), "a.swt - Sheetwright");
  EXPECT_EQ(Status1(f.form()), "保存完了。");
  f.form().runCommand(Cmd::FileNew1);
  EXPECT_EQ(WidgetEnabling(f.form()), "EE-EEE--------");
  EXPECT_EQ(f.form().windowTitle(), "Sheetwright");
  f.app.prompts.openNames.push_back(f.scratch.file("a.swt"));
  f.form().runCommand(Cmd::FileOpen1);
  EXPECT_EQ(WidgetEnabling(f.form()), "EEEEE-E--EEE-E") << "after opening a layout";
  EXPECT_EQ(f.form().windowTitle(), "a.swt - Sheetwright");
  EXPECT_EQ(f.form().findChild<QToolButton*>("sbtnPaperSize")->text(), "A-3");
  EXPECT_TRUE(f.form().findChild<QAction*>("A3")->isChecked());
  EXPECT_EQ(f.form().findChild<QToolButton*>("sbtnScale")->text(), "S=1/50");
  EXPECT_TRUE(f.app.prompts.unexpected.empty()) << ::testing::PrintToString(f.app.prompts.unexpected);
}

TEST(WindowTools, ToggleButtonsAndPrompts) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  QToolButton* rect = f.form().button(Cmd::LayShikaku);
  QTest::mouseClick(rect, Qt::LeftButton);
  EXPECT_TRUE(rect->isChecked());
  EXPECT_EQ(f.app.ws().tool.ToolMode, 100);
  EXPECT_EQ(Status1(f.form()), "開始点を指示して下さい。");
  QToolButton* line = f.form().button(Cmd::LayLine);
  QTest::mouseClick(line, Qt::LeftButton);
  EXPECT_FALSE(rect->isChecked());
  EXPECT_TRUE(line->isChecked());
  EXPECT_EQ(f.app.ws().tool.ToolMode, 130);
  QTest::mouseClick(line, Qt::LeftButton);
  EXPECT_FALSE(line->isChecked());
  EXPECT_EQ(f.app.ws().tool.ToolMode, 0);
  EXPECT_EQ(Status1(f.form()), "");
  // Move on the base drawing: the message, and the tool stays off.
  QTest::mouseClick(f.form().button(Cmd::ChangeMove), Qt::LeftButton);
  EXPECT_FALSE(f.form().button(Cmd::ChangeMove)->isChecked());
  ASSERT_FALSE(f.app.prompts.messages.empty());
  EXPECT_EQ(f.app.prompts.messages.back().text, "元ファイルは移動出来ません。");
  // The disabled commands do nothing.
  f.form().action(Cmd::LayPline)->trigger();
  f.form().action(Cmd::ChangeCopy)->trigger();
  EXPECT_EQ(f.app.ws().tool.ToolMode, 0);
}

TEST(WindowTools, EscEndsTheToolFromTheWindow) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  ASSERT_TRUE(addFrame(f.app.ws().document, kFrameRect, "A", {0, 0}, {50, 50}));
  f.form().runCommand(Cmd::ChangeTransform);
  ASSERT_EQ(f.app.ws().tool.ToolMode, 170);
  ASSERT_TRUE(f.app.ws().tool.TransformHandles);
  f.form().activateWindow();
  QApplication::setActiveWindow(&f.form());
  QTest::keyRelease(f.form().paintBox(), Qt::Key_Escape);
  EXPECT_EQ(f.app.ws().tool.ToolMode, 0);
  EXPECT_FALSE(f.app.ws().tool.TransformHandles);
  EXPECT_FALSE(f.form().button(Cmd::ChangeTransform)->isChecked());
  EXPECT_EQ(Status1(f.form()), "");
}

TEST(WindowShortcuts, CtrlSSavesAndCtrlNStartsANewLayout) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  f.app.ws().tool.Modified = true;
  f.form().activateWindow();
  QApplication::setActiveWindow(&f.form());
  f.app.prompts.saveNames.push_back(f.scratch.file("keys"));
  QTest::keyClick(&f.form(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(f.app.prompts.saveDialogs.size(), 1u) << "no file name yet: Save As";
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(f.scratch.file("keys.swt"))));
  EXPECT_EQ(f.form().windowTitle(), "keys.swt - Sheetwright");
  QTest::keyClick(&f.form(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_FALSE(f.app.ws().tool.BaseLoaded);
  EXPECT_EQ(f.form().windowTitle(), "Sheetwright");
  EXPECT_EQ(WidgetEnabling(f.form()), "EE-EEE--------");
  EXPECT_TRUE(f.app.prompts.messages.empty()) << "saved: no question";
}

TEST(WindowPaint, ThePaintHandlerNotesThatItRan) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  test::Settle();
  f.app.ws().redraw.Painted = false;
  f.form().paintBox()->invalidate();
  f.form().paintBox()->repaint();
  EXPECT_TRUE(f.app.ws().redraw.Painted);
}

TEST(WindowPrint, PreviewShowsThePrintToolbarAndBackLeavesIt) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.app.prompts.printers.push_back(PrinterPage{200, 287});
  f.form().runCommand(Cmd::FilePrint1);
  EXPECT_TRUE(f.app.ws().view.PrintPreview);
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.form().toolBar(i)->isVisible()) << i;
  EXPECT_TRUE(f.form().toolBar(5)->isVisible());
  EXPECT_EQ(f.form().toolBar(5)->pos(), QPoint(11, 2));
  QTest::mouseClick(f.form().findChild<QToolButton*>("ToolButton7"), Qt::LeftButton);
  EXPECT_FALSE(f.app.ws().view.PrintPreview);
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.form().toolBar(i)->isVisible()) << i;
  EXPECT_FALSE(f.form().toolBar(5)->isVisible());
}

TEST(WindowFiles, SaveAndOpenGiveBackTheSameDocument) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  LayoutDocument& doc = f.app.ws().document;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "north", {-100, -50}, {20, 40}));
  ASSERT_TRUE(addFrame(doc, kFrameRect, Utf8ToCp932("平面"), {30, -60}, {90, 10}));
  doc.Sheets[0].shown = {true, true, false};
  addLine(doc, 1230, {-10, 0}, {10, 5});
  f.app.ws().tool.Modified = true;
  f.app.prompts.saveNames.push_back(f.scratch.file("plan.SWT"));
  f.form().runCommand(Cmd::FileSave1);  // no name yet: Save As
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(f.scratch.file("plan.SWT"))));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(f.scratch.file("plan.SWT.swt"))));
  EXPECT_FALSE(f.app.ws().tool.Modified);
  const LayoutDocument saved = doc;

  TestApp other(f.scratch);
  ASSERT_NE(other.windows, nullptr);
  other.prompts.openNames.push_back(f.scratch.file("plan.SWT"));
  other.form().runCommand(Cmd::FileOpen1);
  EXPECT_TRUE(other.ws().document == saved);
  EXPECT_EQ(other.form().windowTitle(), "plan.SWT - Sheetwright");
  QTreeWidget* tree = other.form().frameTree();
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree->topLevelItem(0);
  EXPECT_EQ(root->text(0), "plan memo");
  ASSERT_EQ(root->childCount(), 2);
  EXPECT_EQ(root->child(0)->text(0), "1:north");
  EXPECT_EQ(root->child(1)->text(0), "2:平面");
  EXPECT_EQ(root->checkState(0), Qt::Checked);
  EXPECT_EQ(root->child(0)->checkState(0), Qt::Checked);
  EXPECT_EQ(root->child(1)->checkState(0), Qt::Unchecked);
  EXPECT_EQ(tree->currentItem(), root->child(1)) << "the current frame is selected";

  // Save writes over the file it came from.
  other.ws().tool.Modified = true;
  other.form().runCommand(Cmd::FileSave1);
  EXPECT_EQ(other.form().findChild<QLabel*>("StatusPanel1")->text(), "保存完了。");
  EXPECT_FALSE(other.ws().tool.Modified);
  EXPECT_TRUE(other.prompts.saveDialogs.empty());
}

TEST(WindowFiles, AnUnreadableLayoutLeavesTheProgramUsable) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.scratch.write("bad.swt", "SwtData.garbage");
  f.app.prompts.openNames.push_back(f.scratch.file("bad.swt"));
  f.form().runCommand(Cmd::FileOpen1);
  ASSERT_EQ(f.app.prompts.messages.size(), 1u);
  EXPECT_EQ(f.app.prompts.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(f.app.prompts.messages[0].text.rfind("読み込みに失敗しました。\n" + f.scratch.file("bad.swt") + "\n", 0), 0u);
  EXPECT_EQ(f.form().windowTitle(), "Sheetwright");
  EXPECT_TRUE(f.app.ws().tool.LayoutFileName.empty());
  f.load();
  EXPECT_TRUE(f.app.ws().tool.BaseLoaded);
}

// Pixels of the back buffer in `colour` (0xRRGGBB).
int PixelsIn(const QImage& img, QRgb colour) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFFu) == colour;
  return n;
}

TEST(WindowFiles, FileNamedOnTheCommandLineOpens) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.form().openFile(f.drawing);
  EXPECT_TRUE(f.app.ws().tool.BaseLoaded);
  EXPECT_EQ(f.app.ws().redraw.BackdropMode, 1);
  // The drawing is in the back buffer, in the grey of the backdrop (808080).
  EXPECT_GT(PixelsIn(f.form().backBuffer(), 0x808080), 0);

  ASSERT_TRUE(addFrame(f.app.ws().document, kFrameRect, "f", {-100, -50}, {20, 40}));
  f.app.prompts.saveNames.push_back(f.scratch.file("cmd.swt"));
  f.form().runCommand(Cmd::FileSaveAs1);
  TestApp other(f.scratch);
  ASSERT_NE(other.windows, nullptr);
  other.form().openFile(f.scratch.file("cmd.swt"));
  EXPECT_EQ(other.form().windowTitle(), "cmd.swt - Sheetwright");
  EXPECT_TRUE(other.ws().document == f.app.ws().document);

  other.form().openFile(f.scratch.file("notes.txt"));
  ASSERT_EQ(other.prompts.messages.size(), 1u);
  EXPECT_EQ(other.prompts.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(other.form().windowTitle(), "cmd.swt - Sheetwright");  // nothing changed
}

TEST(WindowTabs, TheBackdropFollowsTheSheetShown) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.form().openFile(SW_SOURCE_DIR "/examples/sample.swt");
  ASSERT_EQ(app.form().tabs()->count(), 2);
  EXPECT_EQ(app.ws().redraw.BackdropMode, 1);  // sheet 0 shows the base drawing
  app.form().tabs()->setCurrentIndex(1);
  EXPECT_EQ(app.ws().document.head.currentSheet, 1);
  EXPECT_EQ(app.ws().redraw.BackdropMode, 0);  // sheet 1 does not
  app.form().tabs()->setCurrentIndex(0);
  EXPECT_EQ(app.ws().redraw.BackdropMode, 1);
}

TEST(WindowClosing, CancelKeepsTheWindowAndTheLayout) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  ASSERT_TRUE(addFrame(f.app.ws().document, kFrameRect, "A", {0, 0}, {50, 50}));
  f.app.ws().tool.Modified = true;
  const LayoutDocument before = f.app.ws().document;
  f.app.prompts.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(f.form().close());
  EXPECT_TRUE(f.form().isVisible());
  EXPECT_TRUE(f.app.ws().document == before);
  EXPECT_TRUE(f.app.ws().tool.Modified);
  ASSERT_EQ(f.app.prompts.messages.size(), 1u);
  EXPECT_EQ(f.app.prompts.messages[0].text, "内容が変更されています。変更を保存しますか？");
  EXPECT_EQ(f.app.prompts.messages[0].buttons, MessageButtons::YesNoCancel);
  // No closes without saving.
  f.app.prompts.answers.push_back(Answer::No);
  EXPECT_TRUE(f.form().close());
  EXPECT_FALSE(f.form().isVisible());
}

TEST(WindowClosing, YesSavesThenCloses) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  f.app.ws().tool.Modified = true;
  f.app.prompts.answers.push_back(Answer::Yes);
  f.app.prompts.saveNames.push_back(f.scratch.file("closing"));
  bool closedSignal = false;
  QObject::connect(&f.form(), &TForm1::closed, [&] { closedSignal = true; });
  EXPECT_TRUE(f.form().close());
  EXPECT_TRUE(closedSignal);
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(f.scratch.file("closing.swt"))));
}

TEST(WindowClosing, RealQuestionBoxAnsweredCancel) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.form().setPrompts(nullptr);  // the window's own message boxes
  app.ws().tool.Modified = true;
  QString text;
  test::WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    text = box->text();
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->buttons().size(), 3);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "はい(&Y)");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "いいえ(&N)");
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), "キャンセル");
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_FALSE(app.form().close());
  EXPECT_EQ(text, "内容が変更されています。変更を保存しますか？");
  EXPECT_TRUE(app.form().isVisible());
}

}  // namespace
}  // namespace sw
