// sheetwright-cli: the headless tool. See README for the subcommands.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"

namespace sw::cli {

int ReportBadInput(const std::string& file, const Error& e) {
  std::fprintf(stderr, "%s: %s\n", file.c_str(), Describe(e).c_str());
  return 1;
}

int ReportUsage(const char* usage) {
  std::fprintf(stderr, "usage: sheetwright-cli %s\n", usage);
  return 2;
}

namespace {

// Qt's notes meant for desktop sessions are noise for a headless tool; every
// other message goes to stderr as usual.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
  if (type == QtWarningMsg && msg.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
    return;
  std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, msg)));
}

struct Command {
  const char* name;
  int (*run)(const Args&);
  const char* usage;
  bool painting = false;  // draws with Qt: needs the GUI application object
};

const Command kCommands[] = {
    {"info", RunInfo, "info DRAWING.jww"},
    {"layout", RunLayout, "layout LAYOUT.swt"},
    {"resave", RunResave, "resave IN.swt OUT.swt"},
    {"settings", RunSettings, "settings [--registry FILE]"},
    {"render", RunRender, "render IN.(swt|jww) OUT.png [--sheet N] [--size WxH] [--registry FILE]", true},
    {"print", RunPrint,
     "print IN.(swt|jww) OUT.pdf [--sheet N | --all] [--scale PERCENT] [--page A0..A4] [--registry FILE]", true},
    {"blocks", RunBlocks, "blocks DRAWING.jww"},
};

}  // namespace
}  // namespace sw::cli

int main(int argc, char** argv) {
  using namespace sw::cli;
  if (argc >= 2) {
    for (const Command& c : kCommands) {
      if (std::strcmp(argv[1], c.name) != 0) continue;
      if (!c.painting) return c.run(Args(argv + 2, argv + argc));
      // Fonts and painting need the application object; the tool never shows
      // a window, so it needs no display.
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      qInstallMessageHandler(FilterQtMessages);
      QGuiApplication app(argc, argv);
      return c.run(Args(argv + 2, argv + argc));
    }
  }
  std::fprintf(stderr, "usage:\n");
  for (const Command& c : kCommands) std::fprintf(stderr, "  sheetwright-cli %s\n", c.usage);
  return 2;
}
