// The layout-name dialog, the print-scale dialog and the settings dialog,
// driven through their widgets.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>

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
#include "settings/JwcadSettings.h"

namespace sw {
namespace {

using test::AppScratch;
using test::TestApp;

// --- layout-name dialog ---

struct NameStep {
  const char* type;     // typed into the emptied field, then OK
  const char* message;  // shown, and the dialog stays open; "" when accepted
  bool keepsText;       // the field keeps the text after the message
};

struct NameDialogCase {
  const char* name;
  const char* caption;
  std::string initial;              // CP932
  std::vector<std::string> taken;   // CP932
  const char* duplicateMessage;
  const char* firstText;            // the field on activation
  std::vector<NameStep> steps;
  std::optional<std::string> result;  // CP932; nullopt: cancelled after the steps
};

// Test names show the case's name, not its bytes.
void PrintTo(const NameDialogCase& c, std::ostream* os) { *os << c.name; }

// The dialog over a widget of its own, its messages recorded.
struct NameDialog {
  QWidget owner;
  std::vector<std::string> informed;
  TDlgLayoutName dlg{&owner, [this](const std::string& t) { informed.push_back(t); }};
  QPushButton* button(const char* name) { return dlg.findChild<QPushButton*>(name); }
};

class LayoutNameDialogRules : public ::testing::TestWithParam<NameDialogCase> {};

TEST_P(LayoutNameDialogRules, CheckTheNameAndStayOpenAfterAMessage) {
  const NameDialogCase& c = GetParam();
  NameDialog d;
  TDlgLayoutName& dlg = d.dlg;
  test::WhenModal([&](QWidget* w) {
    ASSERT_EQ(w, &dlg);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(dlg.edit()->text(), QString::fromUtf8(c.firstText));
    EXPECT_EQ(dlg.edit()->selectedText(), QString::fromUtf8(c.firstText)) << "a first name is selected whole";
    EXPECT_EQ(dlg.edit()->width(), 400);
    for (const NameStep& s : c.steps) {
      dlg.edit()->clear();
      dlg.edit()->insert(QString::fromUtf8(s.type));
      const std::size_t before = d.informed.size();
      QTest::mouseClick(d.button("OKBtn"), Qt::LeftButton);
      if (!*s.message) {
        EXPECT_FALSE(dlg.isVisible()) << s.type;
        EXPECT_EQ(d.informed.size(), before);
        return;
      }
      EXPECT_TRUE(dlg.isVisible()) << s.type;
      ASSERT_EQ(d.informed.size(), before + 1) << s.type;
      EXPECT_EQ(d.informed.back(), s.message);
      EXPECT_EQ(dlg.edit()->text(), s.keepsText ? QString::fromUtf8(s.type) : QString()) << s.type;
      // The close box is refused right after a refused name.
      dlg.close();
      EXPECT_TRUE(dlg.isVisible());
    }
    QTest::mouseClick(d.button("CancelBtn"), Qt::LeftButton);
  });
  const std::optional<std::string> got =
      dlg.ask(NameRequest{c.caption, c.initial, c.taken, c.duplicateMessage});
  EXPECT_EQ(got, c.result);
  EXPECT_FALSE(dlg.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, LayoutNameDialogRules,
    ::testing::Values(
        NameDialogCase{"NewFrame", kCaptionNewFrame, "", {"A"}, kMsgDuplicateFrame, "", {{"B", "", false}}, "B"},
        NameDialogCase{"NewFrameEmptyThenTaken",
                       kCaptionNewFrame,
                       "",
                       {"A"},
                       kMsgDuplicateFrame,
                       "",
                       {{"", kMsgNoName, false}, {"A", kMsgDuplicateFrame, false}, {"C", "", false}},
                       "C"},
        NameDialogCase{"NewFrameCancelled", kCaptionNewFrame, "", {"A"}, kMsgDuplicateFrame, "",
                       {{"A", kMsgDuplicateFrame, false}}, std::nullopt},
        NameDialogCase{"NotInCp932", kCaptionNewFrame, "", {}, kMsgDuplicateFrame, "",
                       {{"한", kMsgNameNotCp932, true}, {"北", "", false}}, "\x96k"},
        NameDialogCase{"RenameFrameToItsOwnName", kCaptionRenameFrame, "A", {"A"}, kMsgDuplicateFrame, "A",
                       {{"A", kMsgDuplicateFrame, false}}, std::nullopt},
        NameDialogCase{"RenameFrame", kCaptionRenameFrame, "A", {"A"}, kMsgDuplicateFrame, "A", {{"東", "", false}},
                       "\x93\x8c"},
        NameDialogCase{"RenameSheetToItsOwnName", kCaptionRenameSheet, "layout1", {"layout1"}, kMsgDuplicateSheet,
                       "layout1", {{"layout1", kMsgDuplicateSheet, false}}, std::nullopt},
        NameDialogCase{"RenameSheet", kCaptionRenameSheet, "\x95\xbd\x96\xca\x90\x7d", {"\x95\xbd\x96\xca\x90\x7d"},
                       kMsgDuplicateSheet, "平面図", {{"立面図", "", false}}, "\x97\xa7\x96\xca\x90\x7d"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CancelCase {
  const char* name;
  std::function<void(TDlgLayoutName&)> act;
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

class LayoutNameDialogCancel : public ::testing::TestWithParam<CancelCase> {};

TEST_P(LayoutNameDialogCancel, GivesNoNameAndEmptiesTheField) {
  NameDialog d;
  test::WhenModal([&](QWidget*) {
    QTest::keyClicks(d.dlg.edit(), "circle");
    GetParam().act(d.dlg);
  });
  EXPECT_EQ(d.dlg.ask(NameRequest{kCaptionNewFrame, "", {}, kMsgDuplicateFrame}), std::nullopt);
  EXPECT_EQ(d.dlg.edit()->text(), "");
  EXPECT_TRUE(d.informed.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LayoutNameDialogCancel,
    ::testing::Values(
        CancelCase{"Esc", [](TDlgLayoutName& dlg) { QTest::keyClick(dlg.edit(), Qt::Key_Escape); }},
        CancelCase{"CancelButton",
                   [](TDlgLayoutName& dlg) {
                     QTest::mouseClick(dlg.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
                   }},
        CancelCase{"CloseBox", [](TDlgLayoutName& dlg) { dlg.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The field has the focus and keeps every key release for itself: the
// break key must be taken on its press.
TEST(LayoutNameDialog, TheCancelKeyInTheFieldCancels) {
  NameDialog d;
  test::WhenModal([&](QWidget*) {
    QTest::keyClicks(d.dlg.edit(), "circle");
    // Key_Cancel has no character, so it is given as a key with no text.
    QTest::sendKeyEvent(QTest::Click, d.dlg.edit(), Qt::Key_Cancel, QString(), Qt::NoModifier);
  });
  EXPECT_EQ(d.dlg.ask(NameRequest{kCaptionNewFrame, "", {}, kMsgDuplicateFrame}), std::nullopt);
}

TEST(LayoutNameDialog, EnterActsAsOk) {
  NameDialog d;
  test::WhenModal([&](QWidget*) {
    QTest::keyClicks(d.dlg.edit(), "R1");
    QTest::keyClick(d.dlg.edit(), Qt::Key_Return);
  });
  EXPECT_EQ(d.dlg.ask(NameRequest{kCaptionNewFrame, "", {"R2"}, kMsgDuplicateFrame}), "R1");
}

// --- print-scale dialog ---

struct PercentCase {
  const char* text;
  std::optional<double> result;  // nullopt: refused, the dialog stays open
};

// Test names show the text typed (ASCII only, so that the names stay plain).
void PrintTo(const PercentCase& c, std::ostream* os) {
  const std::string text = c.text;
  *os << "text " << (text.empty() ? std::string("(empty)") : text);
}

// Hides `dlg` and fails when it is still up after five seconds, so that a
// dialog nobody answers cannot hang the test.
void GuardOpenDialog(QDialog* dlg) {
  QTimer::singleShot(5000, dlg, [dlg] {
    if (!dlg->isVisible()) return;
    ADD_FAILURE() << "the dialog " << dlg->objectName().toStdString() << " stayed open";
    dlg->reject();
  });
}

class PrintScaleDialogRules : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PrintScaleDialogRules, OkConvertsOrKeepsTheDialogOpen) {
  const PercentCase& c = GetParam();
  QWidget owner;
  std::vector<std::string> informed;
  TdlgPBairitu dlg(&owner, [&](const std::string& t) { informed.push_back(t); });
  QString firstText;
  QTimer::singleShot(0, &dlg, [&] {
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.isModal());
    firstText = dlg.edit()->text();
    dlg.edit()->setText(QString::fromUtf8(c.text));
    QTest::mouseClick(dlg.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    EXPECT_EQ(dlg.isVisible(), !c.result);
    if (c.result) return;
    EXPECT_EQ(informed, std::vector<std::string>{"変換できません"});
    QTest::mouseClick(dlg.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
  });
  GuardOpenDialog(&dlg);
  EXPECT_EQ(dlg.ask(12.5), c.result);
  EXPECT_EQ(firstText, "12.5");
  if (c.result) {
    EXPECT_TRUE(informed.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintScaleDialogRules,
                         ::testing::Values(PercentCase{"80", 80}, PercentCase{" 33.5 ", 33.5}, PercentCase{"0", 1},
                                           PercentCase{"", 1}, PercentCase{"abc", std::nullopt},
                                           PercentCase{"-20", std::nullopt}, PercentCase{"0.000", std::nullopt},
                                           PercentCase{"1e999", std::nullopt}, PercentCase{"99999", std::nullopt}),
                         [](const auto& info) {
                           std::string n = std::to_string(info.index) + "_";
                           for (char ch : std::string(info.param.text)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

TEST(PrintScaleDialog, TheCustomItemOfTheScaleListWaitsForTheDialog) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.form().setPrompts(nullptr);  // the window's own dialogs
  TdlgPBairitu* dlg = app.windows->dlgPBairitu;
  auto* list = app.form().findChild<QComboBox*>("ComboBox1");
  ASSERT_NE(list, nullptr);
  // Answers the dialog once it is up: `text` then OK, or Cancel when null.
  QString shown;
  auto answer = [&](const char* text) {
    QTimer::singleShot(50, dlg, [&, text] {
      EXPECT_TRUE(dlg->isVisible());
      shown = dlg->edit()->text();
      if (text) dlg->edit()->setText(text);
      QTest::mouseClick(dlg->findChild<QPushButton*>(text ? "btnOK" : "btnCancel"), Qt::LeftButton);
    });
    GuardOpenDialog(dlg);
  };
  answer("80");
  list->setCurrentIndex(7);
  emit list->activated(7);
  EXPECT_EQ(shown, "100");
  EXPECT_DOUBLE_EQ(app.ws().print.OutputScale, 0.8);
  EXPECT_EQ(list->itemText(7), "任意倍率(80%)");
  EXPECT_EQ(list->currentIndex(), 7);
  emit list->activated(4);
  EXPECT_DOUBLE_EQ(app.ws().print.OutputScale, 0.5);
  EXPECT_EQ(app.ws().print.CustomPrintPercent, 80) << "the percentage lasts";
  // Cancel keeps the last percentage and builds the scale from it.
  answer(nullptr);
  emit list->activated(7);
  EXPECT_EQ(shown, "80");
  EXPECT_DOUBLE_EQ(app.ws().print.OutputScale, 0.8);
  EXPECT_EQ(list->itemText(7), "任意倍率(80%)");
}

TEST(AppDialogs, ShowTheirMessagesThroughTheWindowsPrompts) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  TDlgLayoutName* names = app.windows->dlgLayoutName;
  test::WhenModal([&](QWidget*) {
    QTest::mouseClick(names->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    QTest::mouseClick(names->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
  });
  EXPECT_EQ(names->ask(NameRequest{kCaptionNewFrame, "", {}, kMsgDuplicateFrame}), std::nullopt);
  TdlgPBairitu* percent = app.windows->dlgPBairitu;
  QTimer::singleShot(0, percent, [&] {
    percent->edit()->setText("abc");
    QTest::mouseClick(percent->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QTest::mouseClick(percent->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
  });
  GuardOpenDialog(percent);
  EXPECT_EQ(percent->ask(100), std::nullopt);
  ASSERT_EQ(app.prompts.messages.size(), 2u);
  EXPECT_EQ(app.prompts.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(app.prompts.messages[0].text, kMsgNoName);
  EXPECT_EQ(app.prompts.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(app.prompts.messages[1].text, "変換できません");
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
