// main() of the GUI tests: the offscreen platform unless another is asked
// for, a scratch home folder, and one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  qputenv("SHEETWRIGHT_CONFIG", (home.path() + "/own.reg").toUtf8());
  qputenv("SHEETWRIGHT_JWCAD_REGISTRY", (home.path() + "/none.reg").toUtf8());
  qunsetenv("WINEPREFIX");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
