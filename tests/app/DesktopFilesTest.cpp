// Files handed over the way a desktop does: dropped onto the window, and
// the recent-files list of the file menu across two runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "app/AppTestSupport.h"
#include "app/HelpFile.h"
#include "edit/Commands.h"
#include "edit/RecentFiles.h"

namespace sw {
namespace {

using test::AppScratch;
using test::TestApp;

const std::string kSampleSwt = SW_SOURCE_DIR "/examples/sample.swt";
const std::string kSampleJww = SW_SOURCE_DIR "/examples/sample.jww";

void Drop(TForm1& form, const std::string& path) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  const QPointF at(form.width() / 2.0, form.height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &enter);
  ASSERT_TRUE(enter.isAccepted()) << path;
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &drop);
}

QAction* Recent(TForm1& form, int n) { return form.findChild<QAction*>(QString("RecentFile%1").arg(n)); }

TEST(DesktopFiles, DroppedFilesOpenLoadOrAreRefused) {
  AppScratch scratch;
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  scratch.write("notes.txt", "x");
  struct Case {
    std::string file;
    bool opened;          // a layout or drawing is in the window afterwards
    const char* message;  // the start of the message shown, or null
  };
  // A drawing loads into the new layout; once one is loaded, another is
  // refused; a layout opens; anything else is refused.
  const Case cases[] = {
      {kSampleJww, true, nullptr},
      {kSampleJww, true, kMsgDrawingLoaded},
      {kSampleSwt, true, nullptr},
      {scratch.file("notes.txt"), true, kMsgReadFailed},
  };
  for (const Case& c : cases) {
    app.prompts.messages.clear();
    Drop(app.form(), c.file);
    EXPECT_EQ(app.ws().tool.BaseLoaded, c.opened) << c.file;
    if (c.message) {
      ASSERT_EQ(app.prompts.messages.size(), 1u) << c.file;
      EXPECT_NE(app.prompts.messages[0].text.find(c.message), std::string::npos) << app.prompts.messages[0].text;
    } else {
      EXPECT_TRUE(app.prompts.messages.empty()) << c.file;
    }
  }
  EXPECT_EQ(app.ws().tool.LayoutFileName, kSampleSwt);
  EXPECT_EQ(app.form().windowTitle(), "sample.swt - Sheetwright");
}

TEST(DesktopFiles, RecentFilesListTheLastUsedAndForgetMissingOnes) {
  AppScratch scratch;
  // The layout names its drawing beside it.
  QFile::copy(QString::fromStdString(kSampleSwt), QString::fromStdString(scratch.file("copy.swt")));
  QFile::copy(QString::fromStdString(kSampleJww), QString::fromStdString(scratch.file("sample.jww")));
  {
    TestApp app(scratch);
    ASSERT_NE(app.windows, nullptr);
    EXPECT_FALSE(Recent(app.form(), 1)->isVisible());
    app.prompts.openNames.push_back(kSampleJww);
    app.form().runCommand(Cmd::LayFileAs);
    app.prompts.saveNames.push_back(scratch.file("saved"));
    app.form().runCommand(Cmd::FileSaveAs1);
    app.prompts.openNames.push_back(scratch.file("copy.swt"));
    app.form().runCommand(Cmd::FileOpen1);
    EXPECT_EQ(Recent(app.form(), 1)->toolTip().toStdString(), scratch.file("copy.swt"));
    EXPECT_EQ(Recent(app.form(), 2)->toolTip().toStdString(), scratch.file("saved.swt"));
    EXPECT_EQ(Recent(app.form(), 3)->toolTip().toStdString(), kSampleJww);
    EXPECT_TRUE(Recent(app.form(), 1)->text().startsWith("&1 "));
    app.form().close();
  }
  // The next run shows the same list; a file that went away is dropped from
  // it with a message, and another one opens.
  QFile::remove(QString::fromStdString(scratch.file("saved.swt")));
  TestApp again(scratch);
  ASSERT_NE(again.windows, nullptr);
  EXPECT_EQ(Recent(again.form(), 2)->toolTip().toStdString(), scratch.file("saved.swt"));
  Recent(again.form(), 2)->trigger();
  ASSERT_EQ(again.prompts.messages.size(), 1u);
  EXPECT_EQ(again.prompts.messages[0].text, std::string(kMsgRecentMissing) + "\n" + scratch.file("saved.swt"));
  EXPECT_EQ(Recent(again.form(), 2)->toolTip().toStdString(), kSampleJww);
  EXPECT_FALSE(Recent(again.form(), 3)->isVisible());
  Recent(again.form(), 1)->trigger();
  EXPECT_EQ(again.ws().tool.LayoutFileName, scratch.file("copy.swt"));
  const std::optional<RegistryFile> own = scratch.own();
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ(LoadRecentFiles(&*own), (std::vector<std::string>{scratch.file("copy.swt"), kSampleJww}));
}

// The list keeps eight, newest first, each path once; long paths keep their
// file name in the menu.
TEST(RecentFiles, ListRules) {
  std::vector<std::string> list;
  for (int i = 0; i < 10; ++i) AddRecentFile(list, "/p/" + std::to_string(i) + ".swt");
  AddRecentFile(list, "/p/5.swt");
  EXPECT_EQ(list, (std::vector<std::string>{"/p/5.swt", "/p/9.swt", "/p/8.swt", "/p/7.swt", "/p/6.swt", "/p/4.swt",
                                            "/p/3.swt", "/p/2.swt"}));
  const std::string longPath = "/home/user/図面/" + std::string(80, 'x') + "/最終 & 確認.swt";
  const std::string text = RecentMenuText(2, longPath, 40);
  EXPECT_EQ(text.rfind("&3 /home", 0), 0u);
  EXPECT_NE(text.find("…"), std::string::npos);
  EXPECT_NE(text.find("最終 && 確認.swt"), std::string::npos);
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// "目次" where no program can show the manual (the offscreen platform opens
// no URLs) says where the manual is instead of failing without a word.
TEST(DesktopFiles, ContentsThatCannotOpenSayWhereTheManualIs) {
  test::AppScratch scratch;
  test::TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  ASSERT_FALSE(app.form().helpFile().isEmpty());
  app.form().runCommand(Cmd::Contents1);
  ASSERT_EQ(app.prompts.messages.size(), 1u);
  EXPECT_EQ(app.prompts.messages[0].text,
            std::string(kMsgManualNotOpened) + "\n" + app.form().helpFile().toStdString());
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// A long path in status panel 0 loses its middle, not its file name; the
// tooltip has all of it.
TEST(DesktopFiles, StatusPanelKeepsTheFileNameOfALongPath) {
  test::AppScratch scratch;
  const std::string folder = scratch.file(std::string(120, 'd'));
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(kSampleJww), QString::fromStdString(folder + "/sample.jww")));
  test::TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  app.form().openFile(folder + "/sample.jww");
  auto* panel = app.form().findChild<QLabel*>("StatusPanel0");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->text().endsWith("sample.jww")) << panel->text().toStdString();
  EXPECT_TRUE(panel->text().contains(QChar(0x2026)));
  EXPECT_TRUE(panel->text().startsWith("BaseFile-"));
  EXPECT_EQ(panel->toolTip().toStdString(), "BaseFile-" + folder + "/sample.jww");
}

}  // namespace
}  // namespace sw
