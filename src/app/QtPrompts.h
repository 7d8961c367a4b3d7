// The prompts of the commands answered with the real dialogs: QMessageBox,
// the layout-name dialog, QFileDialog and QPrintDialog.
#pragma once

#include <QString>

#include "edit/Prompts.h"

class QPrinter;
class QWidget;

namespace sw {

class TDlgLayoutName;
class TdlgPBairitu;

// "Description(*.EXT)|*.EXT" as a Qt name filter: "Description(*.EXT)".
QString QtFilter(const std::string& filter);

class QtPrompts : public Prompts {
 public:
  // Dialogs are centred on `parent`; `printer` is set up by printSetup().
  QtPrompts(QWidget* parent, QPrinter* printer) : parent_(parent), printer_(printer) {}
  void setDialogs(TDlgLayoutName* layoutName, TdlgPBairitu* printScale) {
    layoutName_ = layoutName;
    printScale_ = printScale;
  }

  Answer message(MessageKind kind, MessageButtons buttons, const std::string& text) override;
  std::optional<std::string> layoutName(const NameRequest& request) override;
  std::optional<double> printPercent(double percent) override;
  std::optional<std::string> openFileName(const FileDialogOptions& options) override;
  std::optional<std::string> saveFileName(const FileDialogOptions& options) override;
  std::optional<PrinterPage> printSetup(int paperIndex) override;
  void pause(int ms) override;

 private:
  std::optional<std::string> fileName(const FileDialogOptions& options, bool save);

  QWidget* parent_;
  QPrinter* printer_;
  TDlgLayoutName* layoutName_ = nullptr;
  TdlgPBairitu* printScale_ = nullptr;
};

}  // namespace sw
