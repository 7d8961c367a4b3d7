// Start-up: the refusal without Jw_cad, the windows and their components,
// the back buffer, the first paint and resizing.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/AppTestSupport.h"
#include "app/ControlBar.h"
#include "app/LayoutNameDialog.h"
#include "app/PaintBox.h"
#include "app/PrintScaleDialog.h"
#include "app/SettingsDialog.h"
#include "edit/Commands.h"

namespace sw {
namespace {

using test::AppScratch;
using test::TestApp;

bool NoMainWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form1") return false;
  return true;
}

TEST(StartupRefusal, WithoutJwcadsKeyNoWindowIsCreated) {
  for (const char* registry : {test::kNoJwcad, ""}) {
    AppScratch scratch(registry);
    TestApp app(scratch);
    EXPECT_EQ(app.windows, nullptr);
    EXPECT_EQ(app.startupMessages, std::vector<std::string>{"JWWのレジストリが見つかりません。"});
    EXPECT_TRUE(NoMainWindow());
    EXPECT_FALSE(scratch.own()) << "nothing is written";
  }
}

TEST(StartupRefusal, ShowsAnErrorBoxWithOneOkButton) {
  AppScratch scratch(test::kNoJwcad);
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  test::WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->accept();
  });
  EXPECT_EQ(CreateAppWindows(scratch.env(), ShowStartupError), nullptr);
  EXPECT_EQ(text, "JWWのレジストリが見つかりません。");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
  EXPECT_TRUE(NoMainWindow());
}

TEST(Startup, CreatesTheFourWindowsWithTheirStartValues) {
  AppScratch scratch;
  TestApp app(scratch, false);
  ASSERT_NE(app.windows, nullptr);
  EXPECT_TRUE(app.startupMessages.empty()) << ::testing::PrintToString(app.startupMessages);
  EXPECT_EQ(app.form().objectName(), "Form1");
  EXPECT_EQ(app.form().windowTitle(), "Sheetwright");
  ASSERT_NE(app.windows->pagesDlg, nullptr);
  EXPECT_EQ(app.windows->pagesDlg->windowTitle(), "各種設定");
  EXPECT_FALSE(app.windows->pagesDlg->isModal());
  ASSERT_NE(app.windows->dlgLayoutName, nullptr);
  ASSERT_NE(app.windows->dlgPBairitu, nullptr);
  EXPECT_EQ(app.windows->dlgPBairitu->windowTitle(), "印刷倍率");
  EXPECT_EQ(app.ws().document.head.sheetNames, std::vector<std::string>{"layout1"});
  EXPECT_EQ(app.ws().print.CustomPrintPercent, 100);
  EXPECT_EQ(app.ws().print.OutputScale, 1.0);
  EXPECT_TRUE(app.ws().history.undo.empty());
  EXPECT_FALSE(app.ws().tool.Modified);
  EXPECT_EQ(app.ws().tool.ToolMode, 0);
  EXPECT_FALSE(app.ws().tool.BaseLoaded);
  EXPECT_TRUE(app.form().ready());
  EXPECT_EQ(app.ws().document.PaperIndex, 1);
  EXPECT_EQ(app.ws().view.PaperSize.width, 841);
  // The imported settings are in the style tables.
  EXPECT_EQ(app.ws().styles.BackgroundColor, 0xFFFFFFu);
  EXPECT_EQ(app.ws().styles.ScreenPenColor[9], 0xFF00FFu);
  // The default layer state of the base entry.
  const CLayCount& base = app.ws().document.Sheets[0].frames[0];
  EXPECT_EQ(base.groups[0].state, 3);
  EXPECT_EQ(base.groups[1].layers[0].state, 3);
  EXPECT_EQ(base.groups[1].layers[1].state, 2);
}

TEST(Startup, FirstStartOpensAt1024By800AtTheDesignedPosition) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  EXPECT_EQ(app.form().frameGeometry().size(), QSize(1024, 800));
  EXPECT_EQ(app.form().frameGeometry().topLeft(), QPoint(100, 100));
}

struct Component {
  const char* name;
  const char* text;  // expected text, or nullptr
};

TEST(Startup, ComponentsCarryTheirNamesAndCaptions) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  const Component buttons[] = {
      {"tbsNew", "新規作成 "}, {"tbsOpen", "開く"},     {"tbsSave", "上書 "},      {"tbsSaveAs", "保存"},
      {"tbsPreview", "印刷 "}, {"tbsFileAs", "読込 "},  {"tbsShikaku", "矩形 "},   {"tbsCircle", "円 "},
      {"tbsPline", "多角形 "}, {"tbsLine", "補助線 "},  {"tbsDelLine", "線削除 "}, {"tbsMove", "移動 "},
      {"tbsCopy", "複写 "},    {"tbsTransform", "変形 "}, {"tbsPrint", "印刷 "},   {"tbsPDF", "PDF "},
      {"ToolButton7", "戻る"}, {"SpeedButton1", "選択解除"}, {"sbtnScale", "S="},   {"sbtnPaperSize", "A-"},
      {"SpBtnLayall", "All"},  {"SpBtnLayGpall", "All"}};
  for (const Component& c : buttons) {
    auto* b = app.form().findChild<QToolButton*>(c.name);
    ASSERT_NE(b, nullptr) << c.name;
    EXPECT_EQ(b->text(), QString::fromUtf8(c.text)) << c.name;
  }
  const Component bars[] = {{"ToolBar1", "メイン"}, {"ToolBar2", "レイアウト"}, {"ToolBar3", "方向"}, {"ToolBar4", "編集"}};
  for (const Component& c : bars) {
    auto* bar = app.form().findChild<QToolBar*>(c.name);
    ASSERT_NE(bar, nullptr) << c.name;
    EXPECT_EQ(bar->windowTitle(), QString::fromUtf8(c.text));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->parentWidget()->objectName(), "ControlBar1");
  }
  EXPECT_FALSE(app.form().findChild<QToolBar*>("ToolBar5")->isVisible());
  EXPECT_FALSE(app.form().findChild<QToolButton*>("tbsPDF")->isVisible());
  EXPECT_EQ(app.form().findChild<QCheckBox*>("cbSuihei")->text(), "X方向");
  EXPECT_EQ(app.form().findChild<QCheckBox*>("cbSuityoku")->text(), "Y方向");
  for (int n = 0; n < 16; ++n) {
    auto* layer = app.form().findChild<QToolButton*>(QString("SpBtnRay%1").arg(n));
    auto* group = app.form().findChild<QToolButton*>(QString("SpBtnRayGroup%1").arg(n));
    ASSERT_TRUE(layer && group) << n;
    EXPECT_EQ(layer->property("tag").toInt(), n);
    EXPECT_EQ(group->property("tag").toInt(), 100 + n);
    EXPECT_FALSE(layer->isEnabled()) << "the layer panel starts disabled";
    EXPECT_EQ(layer->isChecked(), n == 0);
    EXPECT_EQ(group->isChecked(), n == 0);
  }
  EXPECT_EQ(app.form().findChild<QWidget*>("RightPanel")->width(), 133);
  EXPECT_EQ(app.form().findChild<QWidget*>("Panel4")->height(), 350);
  EXPECT_EQ(app.form().findChild<QLabel*>("StatusPanel0")->width(), 350);
  EXPECT_GE(app.form().findChild<QLabel*>("StatusPanel1")->width(), 50);
  EXPECT_EQ(app.form().findChild<QLabel*>("Panel5")->text(), "0");
  ASSERT_NE(app.form().findChild<QTreeWidget*>("TreeView1"), nullptr);
  EXPECT_FALSE(app.form().findChild<QTreeWidget*>("TreeView2")->isVisible());
  auto* tabs = app.form().findChild<QTabBar*>("TabControl1");
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->count(), 1);
  EXPECT_EQ(tabs->tabText(0), "layout1");
  EXPECT_EQ(tabs->shape(), QTabBar::RoundedSouth);
  ASSERT_NE(app.form().findChild<TPaintBox*>("PaintBox1"), nullptr);
  auto* scales = app.form().findChild<QComboBox*>("ComboBox1");
  ASSERT_NE(scales, nullptr);
  EXPECT_EQ(scales->parentWidget()->objectName(), "ToolBar5");
  EXPECT_EQ(scales->count(), 8);
  EXPECT_EQ(scales->currentIndex(), 2);
  EXPECT_EQ(scales->itemText(7), "任意倍率");
  test::Settle();
  EXPECT_EQ(app.form().findChild<QToolButton*>("sbtnLayName")->text(), "[0-0]");
}

struct MenuCase {
  Cmd cmd;
  const char* name;
  const char* caption;
  const char* shortcut;
};

TEST(Startup, MenuItemsCarryTheirCaptionsAndShortcuts) {
  AppScratch scratch;
  TestApp app(scratch, false);
  ASSERT_NE(app.windows, nullptr);
  const MenuCase items[] = {
      {Cmd::FileNew1, "FileNew1", "新規作成(&N)", "Ctrl+N"},
      {Cmd::FileOpen1, "FileOpen1", "開く(&O)", ""},
      {Cmd::FileSave1, "FileSave1", "上書き保存(&S)", "Ctrl+S"},
      {Cmd::FileSaveAs1, "FileSaveAs1", "名前を付けて保存", ""},
      {Cmd::FilePrint1, "FilePrint1", "印刷(&P)", ""},
      {Cmd::FilePrintSetup1, "FilePrintSetup1", "プリンタの設定(&U)...", ""},
      {Cmd::FileExit1, "FileExit1", "終了(&X)", ""},
      {Cmd::LayFileAs, "LayFileAs", "読込(&F)", ""},
      {Cmd::LayShikaku, "LayShikaku", "矩形(&R)", ""},
      {Cmd::LayCircle, "LayCircle", "円(&C)", ""},
      {Cmd::LayPline, "LayPline", "多角形(&T)", ""},
      {Cmd::LayLine, "LayLine", "補助線(&S)", ""},
      {Cmd::LayDelLine, "LayDelLine", "線削除(&D)", ""},
      {Cmd::ChangeMove, "ChangeMove", "移動(&M)", ""},
      {Cmd::ChangeCopy, "ChangeCopy", "複写(&C)", "Ctrl+C"},
      {Cmd::ChangeTransform, "ChangeTransform", "変形(&P)", ""},
      {Cmd::Settei1, "Settei1", "基本設定(&S)...", ""},
      {Cmd::Contents1, "Contents1", "目次(&C)", ""},
      {Cmd::About1, "About1", "バージョン情報(&A)...", ""},
      {Cmd::EditUndo1, "EditUndo1", "戻る(&U)", "Ctrl+Z"},
      {Cmd::EditRedo1, "EditRedo1", "進む(&R)", "Ctrl+Y"},
  };
  for (const MenuCase& m : items) {
    QAction* a = app.form().action(m.cmd);
    ASSERT_NE(a, nullptr) << m.name;
    EXPECT_EQ(a->objectName(), m.name);
    EXPECT_EQ(a->text(), QString::fromUtf8(m.caption)) << m.name;
    EXPECT_EQ(a->shortcut(), QKeySequence(m.shortcut)) << m.name;
  }
  EXPECT_EQ(app.form().action(Cmd::EditRedo1)->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  // Nothing to undo or redo yet.
  for (Cmd c : {Cmd::EditUndo1, Cmd::EditRedo1}) {
    EXPECT_TRUE(app.form().action(c)->isVisible());
    EXPECT_FALSE(app.form().action(c)->isEnabled());
  }
  for (const char* dead : {"TabPrior1", "TabNext1", "HelpSearch1", "HelpHowToUse1",
                           "FilePageSetup1"}) {
    auto* a = app.form().findChild<QAction*>(dead);
    ASSERT_NE(a, nullptr) << dead;
    EXPECT_FALSE(a->isVisible() || a->isEnabled()) << dead;
  }
}

TEST(Startup, BackBufferIsThreeTimesTheDrawingAreaAndTheFirstPaintShowsItsMiddle) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  test::Settle();
  EXPECT_TRUE(app.form().firstIdleDone());
  auto* box = app.form().findChild<TPaintBox*>("PaintBox1");
  ASSERT_NE(box, nullptr);
  const int w = box->width(), h = box->height();
  EXPECT_EQ(app.form().backBuffer().size(), QSize(3 * w, 3 * h));
  EXPECT_EQ(app.form().backBuffer().format(), QImage::Format_RGB32);
  const ViewState& v = app.ws().view;
  EXPECT_DOUBLE_EQ(v.ViewScale, std::min(w / 841.0, h / 594.0));
  EXPECT_EQ(v.BufferSize.width, 3 * w);
  box->repaint();
  ASSERT_GE(box->paintCount(), 1);
  const QImage& screen = box->screenImage();
  ASSERT_EQ(screen.size(), QSize(w, h));
  EXPECT_EQ(screen.copy(), app.form().backBuffer().copy(w, h, w, h)) << "the middle ninth is shown";
  // The paper outline in pen 9's colour on the background.
  const PixelRect paper = PaperOutline(v);
  EXPECT_EQ(app.form().backBuffer().pixel(paper.left, (paper.top + paper.bottom) / 2) & 0xFFFFFF, 0xFF00FFu);
  EXPECT_EQ(app.form().backBuffer().pixel(paper.left + 5, (paper.top + paper.bottom) / 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Startup, ResizingKeepsTheCentreAndTheZoom) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  test::Settle();
  const ViewState& v = app.ws().view;
  // The fitted view; that the zoom is kept shows it is not fitted again.
  const double cx = (v.ViewWindow.left + v.ViewWindow.right) / 2;
  const double cy = (v.ViewWindow.top + v.ViewWindow.bottom) / 2;
  const double scale = v.ViewScale;
  app.form().resize(800, 600);
  test::Settle();
  auto* box = app.form().findChild<TPaintBox*>("PaintBox1");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(v.ViewScale, scale);
  EXPECT_NEAR((v.ViewWindow.left + v.ViewWindow.right) / 2, cx, 1e-9);
  EXPECT_NEAR((v.ViewWindow.top + v.ViewWindow.bottom) / 2, cy, 1e-9);
  EXPECT_NEAR(v.ViewWindow.right - v.ViewWindow.left, 3.0 * box->width() / scale, 1e-9);
  EXPECT_EQ(app.form().backBuffer().size(), QSize(3 * box->width(), 3 * box->height()));
}

TEST(Startup, HelpFindsTheManualAndAboutShowsTheVersion) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  if (QFileInfo::exists(SW_SOURCE_DIR "/docs/manual.html")) {
    EXPECT_TRUE(app.form().helpFile().endsWith("/manual.html")) << app.form().helpFile().toStdString();
  }
  QString caption, text;
  bool hasIcon = false;
  test::WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    hasIcon = !box->iconPixmap().isNull();
    box->accept();
  });
  app.form().runCommand(Cmd::About1);
  EXPECT_EQ(caption, "バージョン情報");
  EXPECT_TRUE(text.startsWith("Sheetwright 0.10\n\n")) << text.toStdString();
  EXPECT_GT(text.size(), QString("Sheetwright 0.10\n\n").size());
  EXPECT_TRUE(hasIcon);
}

}  // namespace
}  // namespace sw
