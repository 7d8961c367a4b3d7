// The real dialogs behind the commands' prompts: message boxes with their
// icons, buttons and answers, the window they belong over, and the file
// dialogs with their filters and default extensions.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "app/AppTestSupport.h"
#include "app/QtPrompts.h"
#include "edit/Commands.h"

namespace sw {
namespace {

// --- message boxes ---

struct BoxCase {
  const char* name;
  MessageKind kind;
  MessageButtons buttons;
  QMessageBox::Icon icon;
  std::vector<const char*> captions;  // the buttons offered, in QMessageBox's order
  QMessageBox::StandardButton click;  // NoButton: closed with Esc
  Answer answer;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

class MessageBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxes, ShowTheTextIconAndButtonsAndAnswer) {
  const BoxCase& c = GetParam();
  QWidget owner;
  QtPrompts prompts(&owner, nullptr);
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::vector<QString> captions;
  test::WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    for (QMessageBox::StandardButton b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
      if (QAbstractButton* button = box->button(b)) captions.push_back(button->text());
    if (c.click == QMessageBox::NoButton)
      box->reject();
    else
      box->button(c.click)->click();
  });
  const std::string message = "内容が変更されています。\n<b>二行目</b>";
  EXPECT_EQ(prompts.message(c.kind, c.buttons, message), c.answer);
  EXPECT_EQ(text, QString::fromStdString(message)) << "plain text, exactly as given";
  EXPECT_EQ(title, "Sheetwright");
  EXPECT_EQ(icon, c.icon);
  std::vector<QString> expected;
  for (const char* e : c.captions) expected.push_back(QString::fromUtf8(e));
  EXPECT_EQ(captions, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MessageBoxes,
    ::testing::Values(
        BoxCase{"Information", MessageKind::Information, MessageButtons::Ok, QMessageBox::Information, {"OK"},
                QMessageBox::Ok, Answer::Ok},
        BoxCase{"Error", MessageKind::Error, MessageButtons::Ok, QMessageBox::Critical, {"OK"}, QMessageBox::Ok,
                Answer::Ok},
        BoxCase{"ErrorClosed", MessageKind::Error, MessageButtons::Ok, QMessageBox::Critical, {"OK"},
                QMessageBox::NoButton, Answer::Ok},
        BoxCase{"OverwriteYes", MessageKind::Warning, MessageButtons::YesNo, QMessageBox::Warning,
                {"はい(&Y)", "いいえ(&N)"}, QMessageBox::Yes, Answer::Yes},
        BoxCase{"OverwriteClosedIsNo", MessageKind::Warning, MessageButtons::YesNo, QMessageBox::Warning,
                {"はい(&Y)", "いいえ(&N)"}, QMessageBox::NoButton, Answer::No},
        BoxCase{"QuestionNo", MessageKind::Warning, MessageButtons::YesNoCancel, QMessageBox::Warning,
                {"はい(&Y)", "いいえ(&N)", "キャンセル"}, QMessageBox::No, Answer::No},
        BoxCase{"QuestionClosedIsCancel", MessageKind::Warning, MessageButtons::YesNoCancel, QMessageBox::Warning,
                {"はい(&Y)", "いいえ(&N)", "キャンセル"}, QMessageBox::NoButton, Answer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBoxes, BelongOverTheDialogThatAsks) {
  QWidget main;
  QtPrompts prompts(&main, nullptr);
  QDialog asking;
  asking.setObjectName("Asking");
  asking.setWindowFlag(Qt::WindowStaysOnTopHint);
  QWidget* boxOwner = nullptr;
  test::WhenModal([&](QWidget* w) {
    ASSERT_EQ(w, &asking);
    test::WhenModal([&](QWidget* box) {
      boxOwner = box->parentWidget();
      qobject_cast<QMessageBox*>(box)->accept();
    });
    prompts.message(MessageKind::Information, MessageButtons::Ok, "レイアウト名がありません。");
    asking.accept();
  });
  asking.exec();
  EXPECT_EQ(boxOwner, &asking) << "a box owned by the main window could hide behind a stay-on-top dialog";
}

// --- file dialogs ---

struct FileCase {
  const char* name;
  const char* filter;
  const char* defaultExt;
  bool save;
  const char* qtFilter;
  const char* suffix;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class FileDialogs : public ::testing::TestWithParam<FileCase> {};

TEST_P(FileDialogs, CarryTheFilterAndDefaultExtension) {
  const FileCase& c = GetParam();
  test::AppScratch scratch;
  scratch.write("chosen.x", "x");
  const std::string chosen = scratch.file("chosen.x");
  QWidget owner;
  QtPrompts prompts(&owner, nullptr);
  QStringList filters;
  QString suffix, directory;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
  for (bool cancel : {false, true}) {
    test::WhenModal([&](QWidget* w) {
      auto* dlg = qobject_cast<QFileDialog*>(w);
      ASSERT_NE(dlg, nullptr);
      filters = dlg->nameFilters();
      suffix = dlg->defaultSuffix();
      directory = dlg->directory().absolutePath();
      mode = dlg->acceptMode();
      fileMode = dlg->fileMode();
      if (cancel) {
        dlg->reject();
        return;
      }
      // Typed as a user would; selectFile() depends on the dialog's file
      // list having been read, which happens in the background.
      auto* name = dlg->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText(QString::fromStdString(chosen));
      QMetaObject::invokeMethod(dlg, "accept");
    });
    const FileDialogOptions options{c.filter, c.defaultExt, QFileInfo(QString::fromStdString(chosen)).path().toStdString()};
    const std::optional<std::string> got = c.save ? prompts.saveFileName(options) : prompts.openFileName(options);
    if (cancel) {
      EXPECT_FALSE(got);
    } else {
      ASSERT_TRUE(got);
      EXPECT_EQ(QFileInfo(QString::fromStdString(*got)).canonicalFilePath(),
                QFileInfo(QString::fromStdString(chosen)).canonicalFilePath());
    }
    EXPECT_EQ(filters, QStringList{QString::fromUtf8(c.qtFilter)});
    EXPECT_EQ(suffix, c.suffix);
    EXPECT_EQ(QFileInfo(directory).canonicalFilePath(),
              QFileInfo(QFileInfo(QString::fromStdString(chosen)).path()).canonicalFilePath());
    EXPECT_EQ(mode, c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    EXPECT_EQ(fileMode, c.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FileDialogs,
    ::testing::Values(FileCase{"OpenLayout", kOpenLayoutFilter, ".SWT", false, "Sheetwright Data Files(*.SWT)", "SWT"},
                      FileCase{"SaveLayoutAs", kSaveLayoutFilter, ".SWT", true, "SWT Data Files(*.SWT)", "SWT"},
                      FileCase{"LoadBaseDrawing", kDrawingFilter, ".JWW", false, "JWW CAD Data Files(*.JWW)", "JWW"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sw
