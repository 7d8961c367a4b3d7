#include "app/PrintScaleDialog.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/MainWindow.h"
#include "edit/CommandsPrintScale.h"

namespace sw {

TdlgPBairitu::TdlgPBairitu(TForm1& form)
    : QDialog(&form, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form_(form) {
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

  form.workspace().tool.CustomPrintPercent = 100;
  form.workspace().view.OutputScale = 1.0;
}

void TdlgPBairitu::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  move(QCursor::pos());
  Edit1->setText(QString::fromStdString(PrintPercentText(form_.workspace().tool)));
  Edit1->selectAll();
  Edit1->setFocus();
}

void TdlgPBairitu::btnOKClick() {
  if (Status s = PrintScaleOk(form_.workspace().tool, Edit1->text().toStdString()); !s) {
    form_.prompts().message(MessageKind::Error, MessageButtons::Ok, s.error().message);
    Edit1->setFocus();
    return;
  }
  hide();
}

void TdlgPBairitu::btnCancelClick() {
  PrintScaleCancel(form_.workspace().tool);
  hide();
}

void TdlgPBairitu::reject() { btnCancelClick(); }

void TdlgPBairitu::closeEvent(QCloseEvent* e) {
  PrintScaleCancel(form_.workspace().tool);
  QDialog::closeEvent(e);
}

}  // namespace sw
