// What the commands do in the window: the handlers of Commands.h, then the
// mirror of the shell; the paper menu, the output-scale list, help and About.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QToolBar>

#include "app/ButtonPictures.h"
#include "app/ControlBar.h"
#include "app/HelpFile.h"
#include "app/MainWindow.h"
#include "app/PaintBox.h"
#include "app/PrintScaleDialog.h"
#include <filesystem>

#include "app/SettingsDialog.h"
#include "edit/Commands.h"

namespace sw {

void TForm1::runCommand(Cmd c) {
  switch (c) {
    case Cmd::FileNew1:
      NewCommand(ws_, shell_, prompts());
      break;
    case Cmd::FileOpen1:
      OpenCommand(ws_, shell_, prompts());
      break;
    case Cmd::FileSave1:
      SaveCommand(ws_, shell_, prompts());
      break;
    case Cmd::FileSaveAs1:
      SaveAsCommand(ws_, shell_, prompts());
      break;
    case Cmd::FilePrint1:
      QCoreApplication::processEvents();
      PrintPreviewCommand(ws_, shell_, prompts());
      break;
    case Cmd::FilePrintSetup1:
      prompts().printSetup();
      break;
    case Cmd::FileExit1:
      close();
      return;
    case Cmd::LayFileAs:
      LoadBaseCommand(ws_, shell_, prompts());
      break;
    case Cmd::LayShikaku:
      RectangleTool(ws_, shell_);
      break;
    case Cmd::LayCircle:
      CircleTool(ws_, shell_);
      break;
    case Cmd::LayLine:
      AuxLineTool(ws_, shell_);
      break;
    case Cmd::LayDelLine:
      DeleteLineTool(ws_, shell_);
      break;
    case Cmd::ChangeMove:
      MoveTool(ws_, shell_, prompts());
      break;
    case Cmd::ChangeTransform:
      TransformTool(ws_, shell_, prompts());
      break;
    case Cmd::LayPline:
    case Cmd::ChangeCopy:
      break;
    case Cmd::Settei1:
      if (pages_) {
        pages_->show();
        pages_->raise();
        pages_->activateWindow();
      }
      break;
    case Cmd::Contents1:
      if (help_) help_->showContents(this);
      break;
    case Cmd::About1:
      showAbout();
      break;
  }
  ApplyShell();
}

void TForm1::openFile(const std::string& path) {
  if (!firstIdleDone_) firstIdle();
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (ext == ".swt") {
    OpenLayoutFile(ws_, shell_, prompts(), path);
  } else if (ext == ".jww") {
    LoadBaseFile(ws_, shell_, prompts(), path);
  } else {
    prompts().message(MessageKind::Error, MessageButtons::Ok,
                      std::string(kMsgReadFailed) + "\n" + path +
                          "\n.swt か .jww のファイルを指定して下さい。");
  }
  ApplyShell();
}

void TForm1::choosePaper(int index) {
  ws_.document.PaperIndex = index;
  shell_.paperChecked = index;
  shell_.paperCaption = "A-" + std::to_string(index);
  ws_.tool.Modified = true;
  shell_.req.applyPaper = true;
  shell_.req.redraw = true;
  shell_.req.invalidate = true;
  ApplyShell();
}

void TForm1::ComboBox1Change(int index) {
  static constexpr double kScales[] = {2.0, 1.41, 1.0, 0.71, 0.5, 0.35, 0.25};
  if (index >= 0 && index <= 6) {
    ws_.view.OutputScale = kScales[index];
  } else if (index == 7 && printScaleDlg_) {
    printScaleDlg_->show();
    ws_.tool.PrintScaleDone = false;
    while (!ws_.tool.PrintScaleDone && printScaleDlg_->isVisible())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ws_.view.OutputScale = ws_.tool.CustomPrintPercent / 100.0;
    ComboBox1->setItemText(7, QString::fromStdString("任意倍率(" + ShortestDecimal(ws_.tool.CustomPrintPercent) + "%)"));
    ComboBox1->setCurrentIndex(7);
  }
  RedrawSheet();
  PaintBox1->invalidate();
}

void TForm1::showAbout() {
  QMessageBox box(QMessageBox::Critical, "バージョン情報",
                  "Sheetwright 0.10\n\nJw_cad の図面を用紙に割り付けて印刷するためのプログラムです。",
                  QMessageBox::Ok, this);
  box.setObjectName("AboutBox");
  box.setIconPixmap(ApplicationIcon().pixmap(32, 32));
  box.setStyleSheet("QLabel { background: transparent; }");
  box.exec();
}

}  // namespace sw
