// sheetwright-cli-draw: the commands of sheetwright-cli that draw (render,
// print), started by sheetwright-cli with its own arguments. They need fonts
// and a paint engine, so this program starts Qt's GUI application object —
// offscreen: it never shows a window and needs no display.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "cli/CommandTable.h"

namespace {

// Qt's notes meant for desktop sessions are noise for a headless tool; every
// other message goes to stderr as usual.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
  if (type == QtWarningMsg && msg.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
    return;
  std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, msg)));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace sw::cli;
  struct Drawing {
    const char* name;
    int (*run)(const Args&);
  };
  constexpr Drawing kDrawing[] = {{"render", RunRender}, {"print", RunPrint}};
  if (argc >= 2) {
    for (const Drawing& c : kDrawing) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      qInstallMessageHandler(FilterQtMessages);
      QGuiApplication app(argc, argv);
      return c.run(Args(argv + 2, argv + argc));
    }
  }
  return ReportCommands();
}
