#include "app/panels/PrintBar.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>

#include "edit/CommandsPrintScale.h"

namespace sw {


PrintBar::PrintBar(QWidget* parent) : TBand("印刷", parent) {
  setObjectName("ToolBar5");
  tbsPrint = MakeBandButton(this, "tbsPrint", "印刷 ", "Print");
  tbsPDF = MakeBandButton(this, "tbsPDF", "PDF ", "PDF");
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  for (int i = 0; i < kOutputScaleItems; ++i) ComboBox1->addItem(QString::fromUtf8(OutputScaleItemText(i)));
  ComboBox1->setCurrentIndex(2);
  ToolButton7 = MakeBandButton(this, "ToolButton7", "戻る", "Back");
  addWidget(tbsPrint);
  addWidget(tbsPDF);
  addWidget(ComboBox1);
  addWidget(ToolButton7);
  connect(tbsPrint, &QToolButton::clicked, this, &PrintBar::printClicked);
  connect(tbsPDF, &QToolButton::clicked, this, &PrintBar::pdfClicked);
  connect(ToolButton7, &QToolButton::clicked, this, &PrintBar::backClicked);
  connect(ComboBox1, &QComboBox::activated, this, &PrintBar::scaleChosen);
}

void PrintBar::refresh(const Workspace& ws) {
  if (ws.print.PrintScaleDone) {
    ComboBox1->setItemText(kCustomScaleItem, QString::fromStdString(CustomScaleItemText(ws.print.CustomPrintPercent)));
  }
}

}  // namespace sw
