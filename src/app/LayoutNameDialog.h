// TDlgLayoutName: asks for the name of a new frame, a frame to rename or a
// sheet to rename, and checks it (CheckLayoutName); it changes nothing.
// The caller commits the name it returns.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "edit/CommandsLayoutName.h"

class QLineEdit;
class QPushButton;

namespace sw {

class TDlgLayoutName : public QDialog {
  Q_OBJECT

 public:
  // `inform` shows the dialog's messages (UTF-8) in an information box.
  TDlgLayoutName(QWidget* parent, std::function<void(const std::string&)> inform);

  // Shows the dialog modally for `request` until a name is accepted (CP932)
  // or the dialog is cancelled (nullopt).
  std::optional<std::string> ask(const NameRequest& request);

  QLineEdit* edit() const { return Edit1; }
  // Whether the close box may close the dialog now: not right after a
  // refused name.
  bool mayClose() const { return mayClose_; }

  void OKBtnClick();
  void CancelBtnClick();
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  std::function<void(const std::string&)> inform_;
  NameRequest request_;
  std::optional<std::string> name_;
  bool mayClose_ = true;
  QLineEdit* Edit1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};

}  // namespace sw
