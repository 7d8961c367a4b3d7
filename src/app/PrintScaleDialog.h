// TdlgPBairitu: the percentage of the custom output scale, shown without
// being modal while the output-scale list waits for PrintScaleDone.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace sw {

class TForm1;

class TdlgPBairitu : public QDialog {
  Q_OBJECT

 public:
  // Creating the dialog sets CustomPrintPercent to 100 and OutputScale to 1.
  explicit TdlgPBairitu(TForm1& form);

  QLineEdit* edit() const { return Edit1; }
  void btnOKClick();
  void btnCancelClick();
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  TForm1& form_;
  QLineEdit* Edit1;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

}  // namespace sw
