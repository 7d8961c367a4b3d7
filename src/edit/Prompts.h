// What the command handlers ask the user, behind one small interface: message
// boxes, the layout-name dialog, file dialogs and the printer setup. The
// application answers with real dialogs; tests answer from a script.
//
// Texts are UTF-8. Paths are native paths as UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sw {

struct NameRequest;

enum class MessageKind { Information, Warning, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// One file dialog. `filter` is in the "Description(*.EXT)|*.EXT" form;
// `defaultExt` (".SWT") is appended by the dialog to a name typed without an
// extension; `folder` is the starting folder (empty: the dialog's own choice).
struct FileDialogOptions {
  std::string filter;
  std::string defaultExt;
  std::string folder;
};

// The printable page of the printer chosen in the setup dialog, millimetres.
struct PrinterPage {
  double widthMm = 0;
  double heightMm = 0;
};

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A modal message box; the answer is one of the buttons offered.
  virtual Answer message(MessageKind kind, MessageButtons buttons, const std::string& text) = 0;
  // The layout-name dialog, shown modally: asks for a name and checks it
  // (CheckLayoutName, CommandsLayoutName.h) until one is accepted. The name
  // (CP932), or nullopt when the dialog was cancelled.
  virtual std::optional<std::string> layoutName(const NameRequest& request) = 0;
  // The print-scale dialog, starting from `percent`: the percentage OK
  // accepted (checked by ParsePrintPercent, CommandsPrintScale.h), or
  // nullopt when it was cancelled or closed.
  virtual std::optional<double> printPercent(double percent) = 0;
  // The file chosen in an open or save dialog, or nullopt when cancelled.
  virtual std::optional<std::string> openFileName(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> saveFileName(const FileDialogOptions& options) = 0;
  // The printer setup dialog, starting landscape on paper A<paperIndex>
  // when the printer has it: the page of the chosen printer in its
  // orientation, or nullopt when cancelled.
  virtual std::optional<PrinterPage> printSetup(int paperIndex) = 0;
  // Lets the user interface run for `ms` milliseconds (the 100 ms waits).
  virtual void pause(int ms) = 0;
};

}  // namespace sw
