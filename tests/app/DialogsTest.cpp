// The layout-name dialog, the print-scale dialog and the settings dialog,
// driven through their widgets.
#include <gtest/gtest.h>

#include <cctype>

#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/AppTestSupport.h"
#include "app/LayoutNameDialog.h"
#include "app/PrintScaleDialog.h"
#include "app/SettingsDialog.h"
#include "edit/Commands.h"
#include "edit/CommandsLayoutName.h"
#include "layout/Operations.h"
#include "settings/JwcadSettings.h"

namespace sw {
namespace {

using test::AppScratch;
using test::TestApp;

// --- layout-name dialog ---

struct NameStep {
  const char* type;     // typed into the emptied field
  bool staysOpen;       // after OK
  const char* message;  // shown, or ""
};

struct NameDialogCase {
  const char* name;
  std::int32_t mode;
  const char* caption;
  const char* firstText;  // the field on activation
  std::vector<NameStep> steps;
  const char* sheetName;  // afterwards
  const char* frameName;  // name of frame 1 afterwards
  int frameHigh;
};

// Test names show the case's name, not its bytes.
void PrintTo(const NameDialogCase& c, std::ostream* os) { *os << c.name; }

class LayoutNameDialogRules : public ::testing::TestWithParam<NameDialogCase> {};

TEST_P(LayoutNameDialogRules, CheckTheNameAndStayOpenAfterAMessage) {
  const NameDialogCase& c = GetParam();
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  Workspace& ws = app.ws();
  ASSERT_TRUE(addFrame(ws.document, kFrameRect, "A", {0, 0}, {10, 10}));
  ws.tool.ToolMode = c.mode;
  ws.tool.FirstPoint = {0, 0};
  ws.tool.SecondPoint = {30, 40};
  TDlgLayoutName* dlg = app.windows->dlgLayoutName;
  std::size_t step = 0;
  std::function<void(QWidget*)> answer = [&](QWidget* w) {
    ASSERT_EQ(w, dlg);
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(c.caption));
    if (step == 0) {
      EXPECT_EQ(dlg->edit()->text(), QString::fromUtf8(c.firstText));
      EXPECT_EQ(dlg->edit()->width(), 400);
    }
    while (step < c.steps.size()) {
      const NameStep& s = c.steps[step++];
      dlg->edit()->clear();
      dlg->edit()->insert(QString::fromUtf8(s.type));
      const std::size_t before = app.prompts.messages.size();
      QTest::mouseClick(dlg->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
      EXPECT_EQ(dlg->isVisible(), s.staysOpen) << s.type;
      if (*s.message) {
        ASSERT_EQ(app.prompts.messages.size(), before + 1);
        EXPECT_EQ(app.prompts.messages.back().text, s.message);
        EXPECT_EQ(dlg->edit()->text(), "") << "the field is emptied after the message";
        // The close box is refused now.
        dlg->close();
        EXPECT_TRUE(dlg->isVisible());
      }
      if (!s.staysOpen) return;
    }
    QTest::mouseClick(dlg->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
  };
  test::WhenModal(answer);
  app.prompts.nameDialog = nullptr;
  app.form().setPrompts(nullptr);
  // Messages of the dialog still go to the scripted prompts.
  app.form().setPrompts(&app.prompts);
  dlg->setWindowTitle(QString::fromUtf8(c.caption));
  const bool ok = dlg->exec() == QDialog::Accepted;
  EXPECT_EQ(ok, !c.steps.back().staysOpen);
  EXPECT_EQ(ws.document.head.sheetNames[0], c.sheetName);
  EXPECT_EQ(ws.document.Sheets[0].frames[1].name, c.frameName);
  EXPECT_EQ(ws.document.Sheets[0].frameHigh, c.frameHigh);
  EXPECT_EQ(ws.tool.ToolMode, ok ? c.mode : c.mode + 10000);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LayoutNameDialogRules,
    ::testing::Values(
        NameDialogCase{"NewFrame", 1200, "レイアウト名", "", {{"B", false, ""}}, "layout1", "A", 2},
        NameDialogCase{"NewFrameEmptyThenTaken",
                       1200,
                       "レイアウト名",
                       "",
                       {{"", true, "レイアウト名がありません。"},
                        {"A", true, "同じレイアウト名があります。名前を変えて下さい。"},
                        {"C", false, ""}},
                       "layout1",
                       "A",
                       2},
        NameDialogCase{"NewFrameCancelled", 1200, "レイアウト名", "", {{"A", true, "同じレイアウト名があります。名前を変えて下さい。"}},
                       "layout1", "A", 1},
        NameDialogCase{"RenameFrameToItsOwnName", 2000, "レイアウト名変更", "A",
                       {{"A", true, "同じレイアウト名があります。名前を変えて下さい。"}}, "layout1", "A", 1},
        NameDialogCase{"RenameFrame", 2000, "レイアウト名変更", "A", {{"東", false, ""}}, "layout1", "\x93\x8c", 1},
        NameDialogCase{"RenameSheetToItsOwnName", 3000, "レイアウト図面名変更", "layout1",
                       {{"layout1", true, "同じレイアウトタブがあります。名前を変えて下さい。"}}, "layout1", "A", 1},
        NameDialogCase{"RenameSheet", 3000, "レイアウト図面名変更", "layout1", {{"平面図", false, ""}}, "\x95\xbd\x96\xca\x90\x7d",
                       "A", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutNameDialog, EscCancelsAndTheFieldIsEmptyNextTime) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.ws().tool.ToolMode = 1210;
  TDlgLayoutName* dlg = app.windows->dlgLayoutName;
  test::WhenModal([&](QWidget*) {
    QTest::keyClicks(dlg->edit(), "circle");
    QTest::keyClick(dlg->edit(), Qt::Key_Escape);
  });
  EXPECT_EQ(dlg->exec(), QDialog::Rejected);
  EXPECT_EQ(app.ws().tool.ToolMode, 11210);
  EXPECT_EQ(app.ws().document.Sheets[0].frameHigh, 0);
  EXPECT_EQ(dlg->edit()->text(), "");
}

TEST(LayoutNameDialog, EnterActsAsOk) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.ws().tool.ToolMode = 1200;
  app.ws().tool.SecondPoint = {20, 20};
  TDlgLayoutName* dlg = app.windows->dlgLayoutName;
  test::WhenModal([&](QWidget*) {
    QTest::keyClicks(dlg->edit(), "R1");
    QTest::keyClick(dlg->edit(), Qt::Key_Return);
  });
  EXPECT_EQ(dlg->exec(), QDialog::Accepted);
  ASSERT_EQ(app.ws().document.Sheets[0].frameHigh, 1);
  EXPECT_EQ(app.ws().document.Sheets[0].frames[1].name, "R1");
  EXPECT_EQ(app.ws().document.Sheets[0].rects[1], (CLayRect{1200, 0, 0, 20, 20}));
}

// --- print-scale dialog ---

struct PercentCase {
  const char* text;
  bool closes;
  double percent;  // CustomPrintPercent afterwards (was 100)
};

// Test names show the text typed (ASCII only, so that the names stay plain).
void PrintTo(const PercentCase& c, std::ostream* os) {
  const std::string text = c.text;
  *os << "text " << (text.empty() ? std::string("(empty)") : text);
}

class PrintScaleDialogRules : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PrintScaleDialogRules, OkConvertsOrKeepsTheDialogOpen) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TdlgPBairitu* dlg = app.windows->dlgPBairitu;
  dlg->show();
  EXPECT_EQ(dlg->edit()->text(), "100");
  EXPECT_FALSE(dlg->isModal());
  app.ws().tool.PrintScaleDone = false;
  dlg->edit()->setText(QString::fromUtf8(GetParam().text));
  QTest::mouseClick(dlg->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  EXPECT_EQ(!dlg->isVisible(), GetParam().closes);
  EXPECT_EQ(app.ws().tool.PrintScaleDone, GetParam().closes);
  EXPECT_EQ(app.ws().tool.CustomPrintPercent, GetParam().percent);
  if (!GetParam().closes) {
    ASSERT_EQ(app.prompts.messages.size(), 1u);
    EXPECT_EQ(app.prompts.messages[0].text, "変換できません");
    EXPECT_EQ(app.prompts.messages[0].kind, MessageKind::Error);
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(app.ws().tool.PrintScaleDone);
    EXPECT_EQ(app.ws().tool.CustomPrintPercent, 100);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintScaleDialogRules,
                         ::testing::Values(PercentCase{"80", true, 80}, PercentCase{"0", true, 1},
                                           PercentCase{"", true, 1}, PercentCase{"abc", false, 100},
                                           PercentCase{"-20", false, 100}, PercentCase{"0.000", false, 100},
                                           PercentCase{"1e999", false, 100}, PercentCase{"99999", false, 100}),
                         [](const auto& info) {
                           std::string n = std::to_string(info.index) + "_";
                           for (char ch : std::string(info.param.text)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

TEST(PrintScaleDialog, TheCustomItemOfTheScaleListWaitsForTheDialog) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TdlgPBairitu* dlg = app.windows->dlgPBairitu;
  QTimer::singleShot(50, [&] {
    EXPECT_TRUE(dlg->isVisible());
    dlg->edit()->setText("80");
    QTest::mouseClick(dlg->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  });
  QComboBox* list = app.form().outputScaleList();
  list->setCurrentIndex(7);
  emit list->activated(7);
  EXPECT_DOUBLE_EQ(app.ws().view.OutputScale, 0.8);
  EXPECT_EQ(list->itemText(7), "任意倍率(80%)");
  EXPECT_EQ(list->currentIndex(), 7);
  emit list->activated(4);
  EXPECT_DOUBLE_EQ(app.ws().view.OutputScale, 0.5);
  EXPECT_EQ(app.ws().tool.CustomPrintPercent, 80) << "the percentage lasts";
}

// --- settings dialog ---

TEST(SettingsDialog, ShowsJwcadValuesReadOnlyAndOwnColoursEditable) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TPagesDlg* dlg = app.windows->pagesDlg;
  app.form().runCommand(Cmd::Settei1);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_FALSE(dlg->isModal());
  QLineEdit* bgRed = dlg->field("EdtCbg1");
  ASSERT_NE(bgRed, nullptr);
  EXPECT_EQ(bgRed->text(), "255");
  EXPECT_FALSE(bgRed->isEnabled());
  ASSERT_NE(dlg->field("EdtLc91"), nullptr);
  EXPECT_EQ(dlg->field("EdtLc91")->text(), "255");  // pen 9: FF00FF
  EXPECT_EQ(dlg->field("EdtLc92")->text(), "0");
  EXPECT_FALSE(dlg->field("EdtLc11")->isEnabled());
  EXPECT_EQ(dlg->field("EdtLc95"), nullptr) << "pen 9 has no printer columns";
  for (const char* name : {"EdtLcl1", "EdtLcl2", "EdtLcl3", "EdtTcl1", "EdtTcl2", "EdtTcl3"})
    EXPECT_TRUE(dlg->field(name)->isEnabled()) << name;
  EXPECT_EQ(dlg->field("EdtLcl1")->text(), "255");
  EXPECT_EQ(dlg->field("EdtTcl3")->text(), "255");
  for (const char* name : {"EdtLtype1", "EdtLtype15", "EdtLUnit1", "EdtPrUnit11", "EdtMoX0", "EdtMoC10"})
    ASSERT_NE(dlg->field(name), nullptr) << name;
  EXPECT_EQ(dlg->findChild<QLabel*>("Label15")->text(), "JWの設定を読み込み");
  auto* pages = dlg->findChild<QTabWidget*>("PageControl1");
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->tabText(0), "色･画面");
  EXPECT_EQ(pages->tabText(1), "線種");
  EXPECT_EQ(pages->tabText(2), "一般");
  EXPECT_TRUE(dlg->findChild<QRadioButton*>("rgpWheel0")->isChecked());
  EXPECT_EQ(dlg->findChild<QRadioButton*>("rgpWheel1")->text(), "－");
}

TEST(SettingsDialog, WithoutJwcadsPenKeyTheLabelsSaySo) {
  AppScratch scratch(test::kJwcadWithoutPens);
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TPagesDlg* dlg = app.windows->pagesDlg;
  EXPECT_EQ(dlg->findChild<QLabel*>("Label15")->text(), "JW設定が見つかりません。");
  EXPECT_EQ(dlg->findChild<QLabel*>("Label29")->text(), "JW設定が見つかりません。");
  EXPECT_EQ(dlg->field("EdtLc11")->text(), "");
}

TEST(SettingsDialog, OkWritesTheOwnKeys) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TPagesDlg* dlg = app.windows->pagesDlg;
  app.form().runCommand(Cmd::Settei1);
  dlg->field("EdtLcl1")->setText("0");
  dlg->field("EdtLcl2")->setText("128");
  dlg->field("EdtLcl3")->setText("255");
  dlg->findChild<QRadioButton*>("rgpWheel1")->click();
  QTest::mouseClick(dlg->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  EXPECT_FALSE(dlg->isVisible());
  std::optional<RegistryFile> own = scratch.own();
  ASSERT_TRUE(own);
  ASSERT_TRUE(own->value(kOwnColorKey, "Lay"));
  EXPECT_EQ(own->value(kOwnColorKey, "Lay")->text, "FF8000");
  EXPECT_EQ(own->value(kOwnColorKey, "Trans")->text, "FFFF00");
  EXPECT_EQ(own->value(kOwnSettingKey, "MouseWheel"), RegValue::Dword(1));
  EXPECT_EQ(app.ws().styles.LayoutColor, 0xFF8000u);
  EXPECT_EQ(app.ws().styles.MouseWheel, 1);
}

TEST(SettingsDialog, OkWithABadFieldStaysOpenAndWritesNothing) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TPagesDlg* dlg = app.windows->pagesDlg;
  app.form().runCommand(Cmd::Settei1);
  dlg->field("EdtTcl2")->setText("300");
  QTest::mouseClick(dlg->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_EQ(app.prompts.messages.size(), 1u);
  EXPECT_EQ(app.prompts.messages[0].text, "変換できません");
  EXPECT_FALSE(scratch.own());
}

TEST(SettingsDialog, CancelKeepsAChosenColourButWritesNothing) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TPagesDlg* dlg = app.windows->pagesDlg;
  app.form().runCommand(Cmd::Settei1);
  test::WhenModal([](QWidget* w) {
    auto* colours = qobject_cast<QColorDialog*>(w);
    ASSERT_NE(colours, nullptr);
    colours->setCurrentColor(QColor(10, 20, 30));
    colours->accept();
  });
  QTest::mouseClick(dlg->findChild<QPushButton*>("spdLayCol"), Qt::LeftButton);
  EXPECT_EQ(dlg->field("EdtLcl1")->text(), "10");
  EXPECT_EQ(dlg->field("EdtLcl2")->text(), "20");
  EXPECT_EQ(dlg->field("EdtLcl3")->text(), "30");
  EXPECT_EQ(app.ws().styles.LayoutColor, 0x1E140Au);
  dlg->findChild<QRadioButton*>("rgpWheel1")->click();
  EXPECT_EQ(app.ws().styles.MouseWheel, 1) << "the wheel setting applies at once";
  QTest::mouseClick(dlg->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(app.ws().styles.LayoutColor, 0x1E140Au) << "kept until the program ends";
  EXPECT_FALSE(scratch.own()) << "nothing is written";
}

}  // namespace
}  // namespace sw
