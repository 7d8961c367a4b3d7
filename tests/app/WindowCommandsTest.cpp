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
#include "core/Path.h"
#include "app/PaintBox.h"
#include "edit/Commands.h"
#include "edit/CommandsTestSupport.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"

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

constexpr const char* kSample = SW_SOURCE_DIR "/examples/sample.swt";

QString Status1(TForm1& form) { return form.findChild<QLabel*>("StatusPanel1")->text(); }
QString Status0(TForm1& form) { return form.findChild<QLabel*>("StatusPanel0")->text(); }

// Chooses paper A`index` in the "A-" menu: an edit of the layout.
void ChoosePaperItem(TForm1& form, int index) {
  QAction* item = form.findChild<QAction*>(QString("A%1").arg(index));
  ASSERT_NE(item, nullptr);
  item->trigger();
}

// A layout file on the drawing at `drawing`, as the layout library writes
// it: two frames ("north" shown, "平面" hidden, the current one) and an
// auxiliary line. Returns the document written.
LayoutDocument WriteFramedLayout(const std::string& drawing, const std::string& file) {
  LayoutDocument doc;
  resetDocument(doc);
  JWWDrawing base;
  EXPECT_TRUE(openBaseDrawing(doc, base, PathFromUtf8(drawing)));
  EXPECT_TRUE(addFrame(doc, kFrameRect, "north", {-100, -50}, {20, 40}));
  EXPECT_TRUE(addFrame(doc, kFrameRect, Utf8ToCp932("平面"), {30, -60}, {90, 10}));
  EXPECT_TRUE(setFrameShown(doc, 0, true));
  EXPECT_TRUE(setFrameShown(doc, 1, true));
  addLine(doc, 1230, {-10, 0}, {10, 5});
  EXPECT_TRUE(SaveLayout(doc, PathFromUtf8(file)));
  return doc;
}

struct Fixture {
  AppScratch scratch;
  TestApp app{scratch};
  std::string drawing = scratch.file("plan.jww");
  Fixture() { test::WriteCommandsDrawing(drawing); }
  TForm1& form() { return app.form(); }
  const Workspace& ws() const { return app.ws(); }
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
  f.form().openFile(kSample);  // its first sheet has a frame selected
  f.form().runCommand(Cmd::ChangeTransform);
  ASSERT_EQ(f.app.ws().tool.ToolMode, 170);
  ASSERT_TRUE(f.app.ws().tool.TransformHandles);
  f.form().activateWindow();
  QApplication::setActiveWindow(&f.form());
  QTest::keyRelease(f.form().findChild<TPaintBox*>("PaintBox1"), Qt::Key_Escape);
  EXPECT_EQ(f.app.ws().tool.ToolMode, 0);
  EXPECT_FALSE(f.app.ws().tool.TransformHandles);
  EXPECT_FALSE(f.form().button(Cmd::ChangeTransform)->isChecked());
  EXPECT_EQ(Status1(f.form()), "");
}

TEST(WindowShortcuts, CtrlSSavesAndCtrlNStartsANewLayout) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  ChoosePaperItem(f.form(), 2);
  ASSERT_TRUE(f.ws().tool.Modified);
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
  auto* box = f.form().findChild<TPaintBox*>("PaintBox1");
  const int paints = box->paintCount();
  ChoosePaperItem(f.form(), 3);  // redraws, which clears the mark
  EXPECT_FALSE(f.ws().redraw.Painted);
  box->repaint();
  EXPECT_TRUE(f.ws().redraw.Painted);
  EXPECT_EQ(box->paintCount(), paints + 1);
}

TEST(WindowPrint, PreviewShowsThePrintToolbarAndBackLeavesIt) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.app.prompts.printers.push_back(PrinterPage{200, 287});
  f.form().runCommand(Cmd::FilePrint1);
  EXPECT_TRUE(f.ws().print.PrintPreview);
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.form().toolBar(i)->isVisible()) << i;
  EXPECT_TRUE(f.form().toolBar(5)->isVisible());
  EXPECT_EQ(f.form().toolBar(5)->pos(), QPoint(11, 2));
  QTest::mouseClick(f.form().findChild<QToolButton*>("ToolButton7"), Qt::LeftButton);
  EXPECT_FALSE(f.ws().print.PrintPreview);
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(f.form().toolBar(i)->isVisible()) << i;
  EXPECT_FALSE(f.form().toolBar(5)->isVisible());
}

TEST(WindowFiles, SaveAndOpenGiveBackTheSameDocument) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  const LayoutDocument written = WriteFramedLayout(f.drawing, f.scratch.file("framed.swt"));
  f.form().openFile(f.scratch.file("framed.swt"));
  ASSERT_TRUE(f.ws().document == written);
  f.app.prompts.saveNames.push_back(f.scratch.file("plan.SWT"));
  f.form().runCommand(Cmd::FileSaveAs1);
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(f.scratch.file("plan.SWT"))));
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(f.scratch.file("plan.SWT.swt"))));
  EXPECT_FALSE(f.ws().tool.Modified);

  TestApp other(f.scratch);
  ASSERT_NE(other.windows, nullptr);
  other.prompts.openNames.push_back(f.scratch.file("plan.SWT"));
  other.form().runCommand(Cmd::FileOpen1);
  EXPECT_TRUE(other.ws().document == written);
  EXPECT_EQ(other.form().windowTitle(), "plan.SWT - Sheetwright");
  auto* tree = other.form().findChild<QTreeWidget*>("TreeView1");
  ASSERT_NE(tree, nullptr);
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
  ChoosePaperItem(other.form(), 4);
  ASSERT_TRUE(other.ws().tool.Modified);
  other.form().runCommand(Cmd::FileSave1);
  EXPECT_EQ(other.form().findChild<QLabel*>("StatusPanel1")->text(), "保存完了。");
  EXPECT_FALSE(other.ws().tool.Modified);
  EXPECT_TRUE(other.prompts.saveDialogs.empty());
  TestApp third(f.scratch);
  ASSERT_NE(third.windows, nullptr);
  third.form().openFile(f.scratch.file("plan.SWT"));
  EXPECT_EQ(third.ws().document.PaperIndex, 4);
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

// --- a failed Open keeps the layout that is open ---

struct FailedOpenCase {
  const char* name;
  // Writes the layout to open, "other.swt", and what it needs; returns the
  // start of the message expected.
  std::function<std::string(const AppScratch&)> prepare;
};

void PrintTo(const FailedOpenCase& c, std::ostream* os) { *os << c.name; }

class WindowFailedOpen : public ::testing::TestWithParam<FailedOpenCase> {};

TEST_P(WindowFailedOpen, LeavesTheOpenLayoutAsItWas) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.form().openFile(kSample);
  ChoosePaperItem(f.form(), 1);  // an edit not saved
  const Workspace before = f.ws();
  const QImage drawn = f.form().backBuffer().copy();
  const QString title = f.form().windowTitle();
  const QString status0 = Status0(f.form());
  const std::string expected = GetParam().prepare(f.scratch);

  f.app.prompts.answers.push_back(Answer::No);  // do not save the edit first
  f.app.prompts.openNames.push_back(f.scratch.file("other.swt"));
  f.form().runCommand(Cmd::FileOpen1);

  ASSERT_EQ(f.app.prompts.messages.size(), 2u);
  EXPECT_EQ(f.app.prompts.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(f.app.prompts.messages[1].text.rfind(expected, 0), 0u) << f.app.prompts.messages[1].text;
  EXPECT_TRUE(f.ws().document == before.document);
  EXPECT_TRUE(f.ws().history == before.history);
  EXPECT_EQ(f.ws().tool, before.tool) << "file name, Modified and the rest";
  EXPECT_TRUE(f.ws().tool.Modified);
  EXPECT_EQ(f.ws().drawing.head.memo, before.drawing.head.memo);
  EXPECT_EQ(f.ws().drawing.JWWLines.size(), before.drawing.JWWLines.size());
  EXPECT_EQ(f.form().windowTitle(), title);
  EXPECT_EQ(Status0(f.form()), status0);
  EXPECT_EQ(f.form().findChild<QTabBar*>("TabControl1")->count(), 2);
  EXPECT_TRUE(f.form().action(Cmd::EditUndo1)->isEnabled()) << "the edit can still be undone";
  EXPECT_TRUE(f.form().backBuffer() == drawn) << "the drawing stays";
  EXPECT_TRUE(f.app.prompts.unexpected.empty()) << ::testing::PrintToString(f.app.prompts.unexpected);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, WindowFailedOpen,
    ::testing::Values(
        FailedOpenCase{"CorruptLayout",
                       [](const AppScratch& s) {
                         s.write("other.swt", "SwtData.garbage");
                         return std::string(kMsgReadFailed) + "\n" + s.file("other.swt") + "\n";
                       }},
        FailedOpenCase{"BaseDrawingMissing",
                       [](const AppScratch& s) {
                         test::WriteCommandsDrawing(s.file("other.jww"));
                         WriteFramedLayout(s.file("other.jww"), s.file("other.swt"));
                         QFile::remove(QString::fromStdString(s.file("other.jww")));
                         return std::string(kMsgBaseMissing) + "\n";
                       }},
        FailedOpenCase{"CorruptBaseDrawing",
                       [](const AppScratch& s) {
                         test::WriteCommandsDrawing(s.file("other.jww"));
                         WriteFramedLayout(s.file("other.jww"), s.file("other.swt"));
                         s.write("other.jww", "JwwData.garbage");
                         return std::string(kMsgReadFailed) + "\n" + s.file("other.jww") + "\n";
                       }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- undo and redo ---

struct HistoryStepCase {
  const char* name;
  std::function<void(TForm1&)> act;
  int paper;             // the document's paper afterwards
  double paperWidthMm;   // the view's paper
  bool modified;
  const char* status1;   // nullptr: not looked at
  bool canUndo, canRedo;
};

std::function<void(TForm1&)> Keys(Qt::Key key, Qt::KeyboardModifiers mods) {
  return [key, mods](TForm1& form) { QTest::keyClick(&form, key, mods); };
}

TEST(WindowHistory, UndoAndRedoAPaperChoice) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.form().openFile(kSample);
  const LayoutDocument opened = app.ws().document;
  app.form().activateWindow();
  QApplication::setActiveWindow(&app.form());
  const char* undone = "戻る: 用紙サイズ変更";
  const char* redone = "進む: 用紙サイズ変更";
  const HistoryStepCase steps[] = {
      {"opened", nullptr, 3, 420, false, "", false, false},
      {"A1 chosen", [](TForm1& form) { ChoosePaperItem(form, 1); }, 1, 841, true, nullptr, true, false},
      {"Ctrl+Z", Keys(Qt::Key_Z, Qt::ControlModifier), 3, 420, false, undone, false, true},
      {"Ctrl+Y", Keys(Qt::Key_Y, Qt::ControlModifier), 1, 841, true, redone, true, false},
      {"EditUndo1", [](TForm1& form) { form.runCommand(Cmd::EditUndo1); }, 3, 420, false, undone, false, true},
      {"Ctrl+Shift+Z", Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), 1, 841, true, redone, true, false},
      {"Ctrl+Y with nothing to redo", Keys(Qt::Key_Y, Qt::ControlModifier), 1, 841, true, redone, true, false},
  };
  for (const HistoryStepCase& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.act) step.act(app.form());
    const Workspace& ws = app.ws();
    EXPECT_EQ(ws.document.PaperIndex, step.paper);
    EXPECT_EQ(ws.view.PaperSize.width, step.paperWidthMm);
    EXPECT_EQ(app.form().findChild<QToolButton*>("sbtnPaperSize")->text(), QString("A-%1").arg(step.paper));
    EXPECT_TRUE(app.form().findChild<QAction*>(QString("A%1").arg(step.paper))->isChecked());
    EXPECT_EQ(ws.tool.Modified, step.modified);
    if (!step.modified) {
      EXPECT_TRUE(ws.document == opened) << "back to the layout as opened";
    }
    if (step.status1) {
      EXPECT_EQ(Status1(app.form()), QString::fromUtf8(step.status1));
    }
    EXPECT_EQ(app.form().action(Cmd::EditUndo1)->isEnabled(), step.canUndo);
    EXPECT_EQ(app.form().action(Cmd::EditRedo1)->isEnabled(), step.canRedo);
    EXPECT_EQ(app.form().windowTitle(), "sample.swt - Sheetwright");
  }
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

  ChoosePaperItem(f.form(), 2);
  f.app.prompts.saveNames.push_back(f.scratch.file("cmd.swt"));
  f.form().runCommand(Cmd::FileSaveAs1);
  TestApp other(f.scratch);
  ASSERT_NE(other.windows, nullptr);
  other.form().openFile(f.scratch.file("cmd.swt"));
  EXPECT_EQ(other.form().windowTitle(), "cmd.swt - Sheetwright");
  EXPECT_TRUE(other.ws().document == f.ws().document);
  EXPECT_EQ(other.ws().document.PaperIndex, 2);

  other.form().openFile(f.scratch.file("notes.txt"));
  ASSERT_EQ(other.prompts.messages.size(), 1u);
  EXPECT_EQ(other.prompts.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(other.form().windowTitle(), "cmd.swt - Sheetwright");  // nothing changed
}

TEST(WindowTabs, TheBackdropFollowsTheSheetShown) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.form().openFile(kSample);
  auto* tabs = app.form().findChild<QTabBar*>("TabControl1");
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(app.ws().redraw.BackdropMode, 1);  // sheet 0 shows the base drawing
  tabs->setCurrentIndex(1);
  EXPECT_EQ(app.ws().document.head.currentSheet, 1);
  EXPECT_EQ(app.ws().redraw.BackdropMode, 0);  // sheet 1 does not
  tabs->setCurrentIndex(0);
  EXPECT_EQ(app.ws().redraw.BackdropMode, 1);
  // Looking at another sheet is no edit.
  EXPECT_FALSE(app.ws().tool.Modified);
  EXPECT_TRUE(app.ws().history.undo.empty());
  EXPECT_FALSE(app.form().action(Cmd::EditUndo1)->isEnabled());
}

TEST(WindowClosing, CancelKeepsTheWindowAndTheLayout) {
  Fixture f;
  ASSERT_NE(f.app.windows, nullptr);
  f.load();
  ChoosePaperItem(f.form(), 2);
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
  ChoosePaperItem(f.form(), 2);
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
  ChoosePaperItem(app.form(), 3);
  ASSERT_TRUE(app.ws().tool.Modified);
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
