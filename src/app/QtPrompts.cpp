#include "app/QtPrompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPageSize>
#include <QPrinter>
#include <QThread>

#include "app/LayoutNameDialog.h"
#include "app/PrintScaleDialog.h"

namespace sw {

QString QtFilter(const std::string& filter) {
  const std::size_t bar = filter.find('|');
  return QString::fromStdString(bar == std::string::npos ? filter : filter.substr(0, bar));
}

namespace {

// The window a box belongs over: the open modal dialog, else the active
// window of the program (a dialog shown without being modal), else `main`.
// A box owned by the main window could hide behind the stay-on-top name
// dialog that asked for it.
QWidget* Owner(QWidget* main) {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return main;
}

}  // namespace

Answer QtPrompts::message(MessageKind kind, MessageButtons buttons, const std::string& text) {
  const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                 : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                : QMessageBox::Information;
  QMessageBox::StandardButtons set = QMessageBox::Ok;
  if (buttons == MessageButtons::YesNo) set = QMessageBox::Yes | QMessageBox::No;
  if (buttons == MessageButtons::YesNoCancel) set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  QMessageBox box(icon, "Sheetwright", QString::fromStdString(text), set, Owner(parent_));
  box.setObjectName("MessageBox");
  box.setTextFormat(Qt::PlainText);
  const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
      {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "はい(&Y)"}, {QMessageBox::No, "いいえ(&N)"},
      {QMessageBox::Cancel, "キャンセル"}};
  for (const auto& [b, caption] : captions)
    if (QAbstractButton* button = box.button(b)) button->setText(QString::fromUtf8(caption));
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      // The close box of a question box counts as its last button.
      return buttons == MessageButtons::Ok      ? Answer::Ok
             : buttons == MessageButtons::YesNo ? Answer::No
                                                : Answer::Cancel;
  }
}

std::optional<std::string> QtPrompts::layoutName(const NameRequest& request) {
  if (!layoutName_) return std::nullopt;
  return layoutName_->ask(request);
}

std::optional<double> QtPrompts::printPercent(double percent) {
  if (!printScale_) return std::nullopt;
  return printScale_->ask(percent);
}

std::optional<std::string> QtPrompts::fileName(const FileDialogOptions& options, bool save) {
  QFileDialog dlg(parent_);
  dlg.setObjectName(save ? "SaveDialog1" : "OpenDialog1");
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  dlg.setNameFilter(QtFilter(options.filter));
  QString ext = QString::fromStdString(options.defaultExt);
  if (ext.startsWith('.')) ext.remove(0, 1);
  dlg.setDefaultSuffix(ext);
  if (!options.folder.empty()) dlg.setDirectory(QString::fromStdString(options.folder));
  if (save) {
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
  }
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPrompts::openFileName(const FileDialogOptions& options) { return fileName(options, false); }
std::optional<std::string> QtPrompts::saveFileName(const FileDialogOptions& options) { return fileName(options, true); }

std::optional<PrinterPage> QtPrompts::printSetup(int paperIndex) {
  // Sheets are landscape; the sheet's paper is offered when the printer has it.
  static constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A0, QPageSize::A1, QPageSize::A2, QPageSize::A3,
                                                      QPageSize::A4};
  printer_->setPageOrientation(QPageLayout::Landscape);
  if (paperIndex >= 0 && paperIndex <= 4) printer_->setPageSize(QPageSize(kPapers[paperIndex]));
  QPrintDialog dlg(printer_, parent_);
  dlg.setObjectName("PrinterSetupDialog1");
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  const QRectF page = printer_->pageLayout().paintRect(QPageLayout::Millimeter);
  return PrinterPage{page.width(), page.height()};
}

void QtPrompts::pause(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(ms - clock.elapsed()));
    QThread::msleep(5);
  }
}

}  // namespace sw
