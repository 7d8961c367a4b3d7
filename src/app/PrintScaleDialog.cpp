#include "app/PrintScaleDialog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "edit/CommandsPrintScale.h"

namespace sw {

TdlgPBairitu::TdlgPBairitu(QWidget* parent, std::function<void(const std::string&)> inform)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      inform_(std::move(inform)) {
  setObjectName("dlgPBairitu");
  setWindowTitle(kCaptionPrintScale);
  setModal(false);
  auto* label = new QLabel(kLabelPrintScale, this);
  label->setObjectName("Label1");
  Edit1 = new QLineEdit("100", this);
  Edit1->setObjectName("Edit1");
  Edit1->setFixedWidth(90);
  Edit1->setAlignment(Qt::AlignRight);
  auto* percent = new QLabel("％", this);
  percent->setObjectName("Label2");
  btnOK = new QPushButton("Ok", this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");
  auto* g = new QGridLayout(this);
  g->addWidget(label, 0, 0, 1, 3);
  g->addWidget(Edit1, 1, 0);
  g->addWidget(percent, 1, 1);
  g->addWidget(btnOK, 2, 1);
  g->addWidget(btnCancel, 2, 2);
  g->setSizeConstraint(QLayout::SetFixedSize);
  connect(btnOK, &QPushButton::clicked, this, &TdlgPBairitu::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &TdlgPBairitu::btnCancelClick);
}

std::optional<double> TdlgPBairitu::ask(double percent) {
  result_.reset();
  Edit1->setText(QString::fromStdString(PrintPercentText(percent)));
  show();
  // The window goes on running while the dialog is up (it is not modal).
  while (isVisible()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return result_;
}

void TdlgPBairitu::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  move(QCursor::pos());
  Edit1->selectAll();
  Edit1->setFocus();
}

void TdlgPBairitu::btnOKClick() {
  const Result<double> v = ParsePrintPercent(Edit1->text().toStdString());
  if (!v) {
    if (inform_) inform_(v.error().message);
    Edit1->setFocus();
    return;
  }
  result_ = v.value();
  hide();
}

void TdlgPBairitu::btnCancelClick() {
  result_.reset();
  hide();
}

void TdlgPBairitu::reject() { btnCancelClick(); }

}  // namespace sw
