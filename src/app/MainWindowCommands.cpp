// What the commands do in the window: the handlers of Commands.h, then the
// mirror of the shell; help and About.
#include <QAction>
#include <QApplication>
#include <QMessageBox>

#include "app/ButtonPictures.h"
#include "app/HelpFile.h"
#include "app/MainWindow.h"
#include "app/ScreenOverlay.h"
#include "app/SettingsDialog.h"
#include "edit/Commands.h"
#include "edit/CommandsFrameTree.h"
#include "edit/CommandsPrintScale.h"

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
      prompts().printSetup(ws_.document.PaperIndex);
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
    case Cmd::ChangeMove: {
      const bool wasDown = shell_.isPressed(c);
      MoveTool(ws_, shell_, prompts());
      if (!wasDown && shell_.isPressed(c)) FlashSelectedFrames(ws_, *overlay_);
      break;
    }
    case Cmd::ChangeTransform: {
      const bool wasDown = shell_.isPressed(c);
      TransformTool(ws_, shell_, prompts());
      if (!wasDown && shell_.isPressed(c)) FlashCurrentFrame(ws_, *overlay_);
      break;
    }
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
      if (help_) {
        const QString failed = help_->showContents(this);
        if (!failed.isEmpty()) prompts().message(MessageKind::Information, MessageButtons::Ok, failed.toStdString());
      }
      break;
    case Cmd::About1:
      showAbout();
      break;
    case Cmd::EditUndo1:
      UndoCommand(ws_, shell_);
      break;
    case Cmd::EditRedo1:
      RedoCommand(ws_, shell_);
      break;
  }
  ApplyShell();
}

void TForm1::openFile(const std::string& path) {
  if (!firstIdleDone_) firstIdle();
  OpenNamedFile(ws_, shell_, prompts(), path);
  ApplyShell();
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
