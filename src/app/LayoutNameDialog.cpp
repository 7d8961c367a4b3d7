#include "app/LayoutNameDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

#include "core/Cp932.h"

namespace sw {

TDlgLayoutName::TDlgLayoutName(QWidget* parent, std::function<void(const std::string&)> inform)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      inform_(std::move(inform)) {
  setObjectName("DlgLayoutName");
  setModal(true);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setFixedWidth(400);
  OKBtn = new QPushButton("OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  OKBtn->setAutoDefault(true);
  CancelBtn = new QPushButton("キャンセル", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setAutoDefault(false);
  auto* v = new QVBoxLayout(this);
  v->addWidget(Edit1);
  auto* h = new QHBoxLayout;
  h->addStretch(1);
  h->addWidget(OKBtn);
  h->addWidget(CancelBtn);
  v->addLayout(h);
  v->setSizeConstraint(QLayout::SetFixedSize);
  connect(OKBtn, &QPushButton::clicked, this, &TDlgLayoutName::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TDlgLayoutName::CancelBtnClick);
}

std::optional<std::string> TDlgLayoutName::ask(const NameRequest& request) {
  request_ = request;
  name_.reset();
  mayClose_ = true;
  setWindowTitle(QString::fromStdString(request.caption));
  exec();
  return name_;
}

void TDlgLayoutName::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  Edit1->setText(QString::fromStdString(Cp932ToUtf8(request_.initial)));
  if (!request_.initial.empty()) Edit1->selectAll();
  Edit1->setFocus();
}

void TDlgLayoutName::OKBtnClick() {
  const LayoutNameVerdict v = CheckLayoutName(request_, Edit1->text().toStdString());
  mayClose_ = v.accepted;
  if (!v.message.empty() && inform_) inform_(v.message);
  if (v.clearField) Edit1->clear();
  if (v.accepted) {
    name_ = v.name;
    done(QDialog::Accepted);
    return;
  }
  Edit1->setFocus();
}

void TDlgLayoutName::CancelBtnClick() {
  mayClose_ = true;
  name_.reset();
  Edit1->clear();
  done(QDialog::Rejected);
}

// Esc, and the close box once closing is allowed.
void TDlgLayoutName::reject() { CancelBtnClick(); }

void TDlgLayoutName::closeEvent(QCloseEvent* e) {
  if (!mayClose_) {
    e->ignore();
    return;
  }
  QDialog::closeEvent(e);
}

// The break key cancels; its press reaches the dialog from the field (the
// field keeps the release for itself).
void TDlgLayoutName::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Cancel) {
    CancelBtnClick();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace sw
