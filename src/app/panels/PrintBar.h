// The print toolbar ToolBar5, shown instead of the others during the print
// preview: "印刷 " (tbsPrint), "PDF " (tbsPDF, the sheet to a PDF file), the
// output-scale list ComboBox1 and "戻る" (ToolButton7).
#pragma once

#include "app/ControlBar.h"
#include "edit/Workspace.h"

class QComboBox;
class QToolButton;

namespace sw {

class PrintBar : public TBand {
  Q_OBJECT

 public:
  explicit PrintBar(QWidget* parent);

  // Item 7 of the list reads the custom percentage once one was chosen.
  void refresh(const Workspace& ws);

 signals:
  void printClicked();
  void pdfClicked();
  void backClicked();
  // An item of the output-scale list was chosen (0..7).
  void scaleChosen(int index);

 private:
  QToolButton* tbsPrint = nullptr;
  QToolButton* tbsPDF = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QToolButton* ToolButton7 = nullptr;
};

}  // namespace sw
