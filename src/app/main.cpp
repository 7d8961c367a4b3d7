// sheetwright: the page-layout and printing program for Jw_cad drawings.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/MainWindow.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sheetwright");
  QApplication::setQuitOnLastWindowClosed(false);
  QTranslator qtText;
  if (qtText.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtText);

  std::unique_ptr<sw::AppWindows> windows = sw::CreateAppWindows(sw::ProcessEnvironment(), sw::ShowStartupError);
  if (!windows) return 1;
  QObject::connect(windows->form1.get(), &sw::TForm1::closed, &app, &QApplication::quit, Qt::QueuedConnection);
  windows->form1->show();
  return QApplication::exec();
}
