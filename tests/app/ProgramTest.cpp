// The program entry as main() runs it: the exit status of a refused start,
// the message loop that ends with the main window, and Qt's Japanese texts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "app/AppTestSupport.h"

namespace sw {
namespace {

using test::AppScratch;

QWidget* MainWindowShown() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form1" && w->isVisible()) return w;
  return nullptr;
}

bool QtJapaneseAvailable() { return QFileInfo::exists(QtTranslationsFolder() + "/qtbase_ja.qm"); }

// A stop for the message loop in case the window never closes.
void GuardAgainstHanging() {
  QTimer::singleShot(10000, qApp, [] {
    ADD_FAILURE() << "the message loop did not end";
    QCoreApplication::exit(99);
  });
}

TEST(Program, ARefusedStartEndsWithANonZeroStatusAndNoWindow) {
  for (const char* registry : {test::kNoJwcad, ""}) {
    AppScratch scratch(registry);
    std::vector<std::string> messages;
    const int status = RunApplication(scratch.env(), [&](const std::string& t) { messages.push_back(t); });
    EXPECT_NE(status, 0);
    EXPECT_EQ(messages, std::vector<std::string>{"JWWのレジストリが見つかりません。"});
    EXPECT_EQ(MainWindowShown(), nullptr);
    EXPECT_FALSE(scratch.own()) << "nothing is written";
  }
}

TEST(Program, RunsUntilTheMainWindowClosesWithQtsJapaneseTexts) {
  AppScratch scratch;
  std::vector<std::string> messages;
  bool sawWindow = false;
  QString cancel;
  QTimer::singleShot(100, qApp, [&] {
    QWidget* form = MainWindowShown();
    sawWindow = form != nullptr;
    cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    if (form) form->close();
  });
  GuardAgainstHanging();
  const int status = RunApplication(scratch.env(), [&](const std::string& t) { messages.push_back(t); });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(sawWindow);
  EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages);
  EXPECT_EQ(MainWindowShown(), nullptr) << "the windows are gone with the loop";
  if (QtJapaneseAvailable()) {
    EXPECT_EQ(cancel, "キャンセル") << "Qt's own buttons speak Japanese";
  }
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel") << "the translation goes with the loop";
  std::optional<RegistryFile> own = scratch.own();
  ASSERT_TRUE(own) << "closing stored the placement";
  EXPECT_TRUE(own->value("Software\\Brackenfold\\Sheetwright\\Window", "Form1"));
}

TEST(QtJapanese, LoadsWhenPresentAndIsSkippedWhenAbsent) {
  QTemporaryDir empty;
  QTranslator none;
  EXPECT_FALSE(LoadQtJapanese(none, empty.path()));
  EXPECT_TRUE(none.isEmpty());
  if (!QtJapaneseAvailable()) GTEST_SKIP() << "qtbase_ja.qm is not installed (qt6-translations-l10n)";
  QTranslator ja;
  ASSERT_TRUE(LoadQtJapanese(ja, QtTranslationsFolder()));
  QCoreApplication::installTranslator(&ja);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");
  QCoreApplication::removeTranslator(&ja);
}

}  // namespace
}  // namespace sw
