// TDlgLayoutName: asks for the name of a new frame, a frame to rename or a
// sheet to rename, told apart by ToolMode, and stores it on OK.
#pragma once

#include <QDialog>

#include "edit/CommandsLayoutName.h"

class QLineEdit;
class QPushButton;

namespace sw {

class TForm1;

class TDlgLayoutName : public QDialog {
  Q_OBJECT

 public:
  // Creating the dialog makes the sheet-name list one entry "layout1" when
  // the document has one sheet.
  explicit TDlgLayoutName(TForm1& form);

  QLineEdit* edit() const { return Edit1; }
  const LayoutNameDialogState& state() const { return state_; }

  void OKBtnClick();
  void CancelBtnClick();
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  TForm1& form_;
  LayoutNameDialogState state_;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};

}  // namespace sw
