#include "app/LayoutNameDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/MainWindow.h"
#include "core/Cp932.h"

namespace sw {

TDlgLayoutName::TDlgLayoutName(TForm1& form)
    : QDialog(&form, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      form_(form) {
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

  LayoutDocument& doc = form.workspace().document;
  if (doc.head.sheetHigh == 0) doc.head.sheetNames.assign(1, "layout1");
}

void TDlgLayoutName::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  Edit1->clear();
  const std::string first = ActivateLayoutName(form_.workspace(), state_);
  Edit1->setText(QString::fromStdString(Cp932ToUtf8(first)));
  if (!first.empty()) Edit1->selectAll();
  Edit1->setFocus();
}

void TDlgLayoutName::OKBtnClick() {
  const LayoutNameVerdict v = LayoutNameOk(form_.workspace(), state_, Edit1->text().toStdString());
  if (!v.message.empty()) form_.prompts().message(MessageKind::Information, MessageButtons::Ok, v.message);
  if (v.clearField) Edit1->clear();
  if (v.accepted) {
    done(QDialog::Accepted);
    return;
  }
  Edit1->setFocus();
}

void TDlgLayoutName::CancelBtnClick() {
  LayoutNameCancel(form_.workspace(), state_);
  Edit1->clear();
  done(QDialog::Rejected);
}

// Esc, and the close box once closing is allowed.
void TDlgLayoutName::reject() { CancelBtnClick(); }

void TDlgLayoutName::closeEvent(QCloseEvent* e) {
  if (!LayoutNameMayClose(state_)) {
    e->ignore();
    return;
  }
  QDialog::closeEvent(e);
}

void TDlgLayoutName::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Cancel) {
    CancelBtnClick();
    return;
  }
  QDialog::keyReleaseEvent(e);
}

}  // namespace sw
