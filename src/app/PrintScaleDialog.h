// TdlgPBairitu: the percentage of the custom output scale, shown without
// being modal while the output-scale list waits for it to close. It asks
// and checks (ParsePrintPercent); the caller keeps the result.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace sw {

class TdlgPBairitu : public QDialog {
  Q_OBJECT

 public:
  // `inform` shows the conversion error (UTF-8) in an error box.
  TdlgPBairitu(QWidget* parent, std::function<void(const std::string&)> inform);

  // Shows the dialog with `percent` in its field and lets the window run
  // until it closes: the percentage OK accepted, or nullopt after Cancel
  // or the close box.
  std::optional<double> ask(double percent);

  QLineEdit* edit() const { return Edit1; }
  void btnOKClick();
  void btnCancelClick();
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  std::function<void(const std::string&)> inform_;
  std::optional<double> result_;
  QLineEdit* Edit1;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

}  // namespace sw
