// sheetwright: the page-layout and printing program for Jw_cad drawings.
// It takes no command-line arguments.
#include <QApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return sw::RunApplication(sw::ProcessEnvironment(), sw::ShowStartupError);
}
