#include "app/Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include "app/LayoutNameDialog.h"
#include "app/MainWindow.h"
#include "app/PrintScaleDialog.h"
#include "app/SettingsDialog.h"
#include "edit/Commands.h"
#include "edit/ErrorText.h"
#include "settings/JwcadSettings.h"

namespace sw {

AppWindows::~AppWindows() {
  // The dialogs are children of the main window and go with it, before the
  // registries they read.
  form1.reset();
}

void ShowStartupError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, "Sheetwright", QString::fromStdString(text), QMessageBox::Ok);
  box.setObjectName("MessageBox");
  box.exec();
}

std::unique_ptr<AppWindows> CreateAppWindows(const EnvLookup& env, const StartupMessage& message) {
  Result<std::unique_ptr<Registry>> jwcad = OpenJwcadRegistry(env);
  if (!jwcad || !jwcad.value() || !jwcad.value()->keyExists(kJwcadRootKey)) {
    message(kMsgNoJwcad);
    return nullptr;
  }
  auto app = std::make_unique<AppWindows>();
  app->jwcad = std::move(jwcad.value());
  if (Result<std::unique_ptr<Registry>> own = OpenOwnRegistry(env); own) {
    app->own = std::move(own.value());
  } else {
    message("設定ファイルを読み込めません。設定とウィンドウの位置は保存されません。\n" + DescribeJa(own.error()));
  }
  app->form1 = std::make_unique<TForm1>(app->own.get());
  TForm1* form = app->form1.get();
  form->setDrives(DriveMap{WinePrefix(env)});
  // The dialogs show their messages through the window's prompts, which
  // tests may replace.
  auto inform = [form](MessageKind kind) {
    return [form, kind](const std::string& text) { form->prompts().message(kind, MessageButtons::Ok, text); };
  };
  JwcadSettings settings = form->importSettings(app->jwcad.get(), app->own.get());
  app->pagesDlg = new TPagesDlg(form, std::move(settings), app->own.get(), inform(MessageKind::Error));
  if (const std::string problems = app->pagesDlg->importProblems(); !problems.empty()) message(problems);
  app->dlgLayoutName = new TDlgLayoutName(form, inform(MessageKind::Information));
  app->dlgPBairitu = new TdlgPBairitu(form, inform(MessageKind::Error));
  app->form1->attachDialogs(app->pagesDlg, app->dlgLayoutName, app->dlgPBairitu);
  return app;
}

bool LoadQtJapanese(QTranslator& translator, const QString& folder) {
  if (!QFileInfo(folder + "/qtbase_ja.qm").isFile()) return false;
  return translator.load("qtbase_ja", folder);
}

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

int RunApplication(const EnvLookup& env, const StartupMessage& message, const std::string& file) {
  QApplication::setApplicationName("Sheetwright");
  QApplication::setQuitOnLastWindowClosed(false);
  QTranslator qtJapanese;
  const bool translated = LoadQtJapanese(qtJapanese, QtTranslationsFolder());
  if (translated) QApplication::installTranslator(&qtJapanese);

  int status = 1;
  if (std::unique_ptr<AppWindows> windows = CreateAppWindows(env, message)) {
    QObject::connect(windows->form1.get(), &TForm1::closed, qApp, &QApplication::quit, Qt::QueuedConnection);
    windows->form1->show();
    if (!file.empty()) {
      TForm1* form = windows->form1.get();
      QMetaObject::invokeMethod(form, [form, file] { form->openFile(file); }, Qt::QueuedConnection);
    }
    status = QApplication::exec();
  }
  if (translated) QApplication::removeTranslator(&qtJapanese);
  return status;
}

}  // namespace sw
