// The widgets of the main window, with their component names.
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ButtonPictures.h"
#include "app/ControlBar.h"
#include "app/MainWindow.h"
#include "app/PaintBox.h"
#include "app/panels/LayerPanel.h"
#include "app/panels/PrintBar.h"
#include "edit/Commands.h"
#include "edit/CommandsView.h"

namespace sw {

namespace {

struct MenuItem {
  Cmd cmd;
  const char* caption;
  const char* shortcut;  // empty: none
};

constexpr MenuItem kItems[] = {
    {Cmd::FileNew1, "新規作成(&N)", "Ctrl+N"},
    {Cmd::FileOpen1, "開く(&O)", ""},
    {Cmd::FileSave1, "上書き保存(&S)", "Ctrl+S"},
    {Cmd::FileSaveAs1, "名前を付けて保存", ""},
    {Cmd::FilePrint1, "印刷(&P)", ""},
    {Cmd::FilePrintSetup1, "プリンタの設定(&U)...", ""},
    {Cmd::FileExit1, "終了(&X)", ""},
    {Cmd::LayFileAs, "読込(&F)", ""},
    {Cmd::LayShikaku, "矩形(&R)", ""},
    {Cmd::LayCircle, "円(&C)", ""},
    {Cmd::LayPline, "多角形(&T)", ""},
    {Cmd::LayLine, "補助線(&S)", ""},
    {Cmd::LayDelLine, "線削除(&D)", ""},
    {Cmd::ChangeMove, "移動(&M)", ""},
    {Cmd::ChangeCopy, "複写(&C)", "Ctrl+C"},
    {Cmd::ChangeTransform, "変形(&P)", ""},
    {Cmd::Settei1, "基本設定(&S)...", ""},
    {Cmd::Contents1, "目次(&C)", ""},
    {Cmd::About1, "バージョン情報(&A)...", ""},
    {Cmd::EditUndo1, "戻る(&U)", "Ctrl+Z"},
    {Cmd::EditRedo1, "進む(&R)", "Ctrl+Y"},
};

constexpr const char* kCmdNames[] = {"FileNew1",   "FileOpen1",  "FileSave1",       "FileSaveAs1", "FilePrint1",
                                     "FilePrintSetup1", "FileExit1", "LayFileAs",    "LayShikaku",  "LayCircle",
                                     "LayPline",   "LayLine",    "LayDelLine",      "ChangeMove",  "ChangeCopy",
                                     "ChangeTransform", "Settei1", "Contents1",     "About1",
                                     "EditUndo1",  "EditRedo1"};
static_assert(std::size(kCmdNames) == kCmdCount);

// An item that is kept but never shown or enabled.
QAction* DeadItem(QWidget* owner, QMenu* menu, const char* name, const QString& caption,
                  const char* shortcut = "") {
  auto* a = new QAction(caption, owner);
  a->setObjectName(name);
  if (*shortcut) a->setShortcut(QKeySequence(shortcut));
  a->setVisible(false);
  a->setEnabled(false);
  if (menu) menu->addAction(a);
  return a;
}

}  // namespace

void TForm1::buildMenus() {
  for (const MenuItem& item : kItems) {
    auto* a = new QAction(QString::fromUtf8(item.caption), this);
    a->setObjectName(kCmdNames[Index(item.cmd)]);
    if (*item.shortcut) a->setShortcut(QKeySequence(item.shortcut));
    const Cmd c = item.cmd;
    connect(a, &QAction::triggered, this, [this, c] { runCommand(c); });
    actions_[Index(c)] = a;
  }
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  QMenu* file = bar->addMenu("ファイル(&F)");
  file->setObjectName("File1");
  for (Cmd c : {Cmd::FileNew1, Cmd::FileOpen1, Cmd::FileSave1, Cmd::FileSaveAs1}) file->addAction(action(c));
  file->addSeparator();
  file->addAction(action(Cmd::FilePrint1));
  file->addAction(action(Cmd::FilePrintSetup1));
  DeadItem(this, file, "FilePageSetup1", "ページの設定(&U)...");
  file->addSeparator();
  file->addAction(action(Cmd::FileExit1));
  buildRecentItems(file, action(Cmd::FileExit1));

  QMenu* edit = bar->addMenu("編集(&E)");
  edit->setObjectName("Edit1");
  action(Cmd::EditRedo1)->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  edit->addAction(action(Cmd::EditUndo1));
  edit->addAction(action(Cmd::EditRedo1));
  edit->addSeparator();
  for (Cmd c : {Cmd::ChangeMove, Cmd::ChangeCopy, Cmd::ChangeTransform}) edit->addAction(action(c));

  QMenu* lay = bar->addMenu("レイアウト(&L)");
  lay->setObjectName("mlLayout");
  lay->addAction(action(Cmd::LayFileAs));
  lay->addSeparator();
  for (Cmd c : {Cmd::LayShikaku, Cmd::LayCircle, Cmd::LayPline}) lay->addAction(action(c));
  lay->addSeparator();
  for (Cmd c : {Cmd::LayLine, Cmd::LayDelLine}) lay->addAction(action(c));

  QMenu* setting = bar->addMenu("設定(&O)");
  setting->setObjectName("Setting1");
  setting->addAction(action(Cmd::Settei1));

  QMenu* help = bar->addMenu("ヘルプ(&H)");
  help->setObjectName("Help1");
  help->addAction(action(Cmd::Contents1));
  DeadItem(this, help, "HelpSearch1", "トピックの検索(&S)...");
  DeadItem(this, help, "HelpHowToUse1", "ヘルプの使い方(&H)");
  help->addSeparator();
  help->addAction(action(Cmd::About1));

  DeadItem(this, nullptr, "TabPrior1", "戻る(&P)");
  DeadItem(this, nullptr, "TabNext1", "次へ(&N)");
}

QToolButton* TForm1::toolButton(QToolBar* bar, Cmd c, const QString& name, const QString& caption,
                                const QString& picture, bool tool) {
  QToolButton* b = MakeBandButton(bar, name, caption, picture);
  b->setCheckable(tool);
  bar->addWidget(b);
  connect(b, &QToolButton::clicked, this, [this, c] { runCommand(c); });
  buttons_[Index(c)] = b;
  return b;
}

void TForm1::buildToolBars() {
  ControlBar1 = new TControlBar(this);
  const char* captions[] = {"", "メイン", "レイアウト", "方向", "編集"};
  for (int i = 1; i <= 4; ++i) {
    auto* bar = new TBand(QString::fromUtf8(captions[i]), ControlBar1);
    bar->setObjectName(QString("ToolBar%1").arg(i));
    toolBars_[static_cast<std::size_t>(i)] = bar;
  }
  ToolBar5 = new PrintBar(ControlBar1);
  toolBars_[5] = ToolBar5;
  QToolBar* t1 = toolBar(1);
  toolButton(t1, Cmd::FileNew1, "tbsNew", "新規作成 ", "New", false);
  toolButton(t1, Cmd::FileOpen1, "tbsOpen", "開く", "Open", false);
  toolButton(t1, Cmd::FileSave1, "tbsSave", "上書 ", "Save", false);
  toolButton(t1, Cmd::FileSaveAs1, "tbsSaveAs", "保存", "SaveAs", false);
  t1->addSeparator();
  toolButton(t1, Cmd::FilePrint1, "tbsPreview", "印刷 ", "Print", false);

  QToolBar* t2 = toolBar(2);
  toolButton(t2, Cmd::LayFileAs, "tbsFileAs", "読込 ", "Load", false);
  toolButton(t2, Cmd::LayShikaku, "tbsShikaku", "矩形 ", "Rect", true);
  toolButton(t2, Cmd::LayCircle, "tbsCircle", "円 ", "Circle", true);
  toolButton(t2, Cmd::LayPline, "tbsPline", "多角形 ", "Pline", true);
  t2->addSeparator();
  toolButton(t2, Cmd::LayLine, "tbsLine", "補助線 ", "AuxLine", true);
  toolButton(t2, Cmd::LayDelLine, "tbsDelLine", "線削除 ", "DelLine", true);

  QToolBar* t3 = toolBar(3);
  cbSuihei = new QCheckBox("X方向", t3);
  cbSuihei->setObjectName("cbSuihei");
  cbSuityoku = new QCheckBox("Y方向", t3);
  cbSuityoku->setObjectName("cbSuityoku");
  for (QCheckBox* cb : {cbSuihei, cbSuityoku}) {
    t3->addWidget(cb);
    connect(cb, &QCheckBox::toggled, this,
            [this] { SetDirectionBoxes(ws_, cbSuihei->isChecked(), cbSuityoku->isChecked()); });
    connect(cb, &QCheckBox::released, this, [this] {
      if (QWidget* tree = findChild<QWidget*>("TreeView1")) tree->setFocus();
    });
  }

  QToolBar* t4 = toolBar(4);
  toolButton(t4, Cmd::ChangeMove, "tbsMove", "移動 ", "Move", true);
  toolButton(t4, Cmd::ChangeCopy, "tbsCopy", "複写 ", "Copy", true);
  t4->addSeparator();
  toolButton(t4, Cmd::ChangeTransform, "tbsTransform", "変形 ", "Transform", true);

  // Designed positions: packed left to right from (11, 2), a new row when
  // the next band would pass 1000 pixels; ToolBar5 sits at (11, 2).
  int x = 11, row = 0;
  for (int i = 1; i <= 4; ++i) {
    QToolBar* bar = toolBar(i);
    bar->adjustSize();
    const int w = bar->sizeHint().width();
    if (x > 11 && x + w > 1000) {
      x = 11;
      ++row;
    }
    ControlBar1->addBand(bar, QPoint(x, 2 + row * ControlBar1->rowHeight()));
    x += w + 13;
  }
  ControlBar1->addBand(ToolBar5, QPoint(11, 2));
  ToolBar5->hide();
  ControlBar1->relayout();
}

QWidget* TForm1::buildStatusPanel() {
  auto* Panel3 = new QWidget(this);
  Panel3->setObjectName("Panel3");
  auto* h = new QHBoxLayout(Panel3);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(0);
  auto* StatusBar1 = new QWidget(Panel3);
  StatusBar1->setObjectName("StatusBar1");
  auto* sh = new QHBoxLayout(StatusBar1);
  sh->setContentsMargins(0, 0, 0, 0);
  sh->setSpacing(2);
  statusPanel0_ = new QLabel(StatusBar1);
  statusPanel0_->setObjectName("StatusPanel0");
  statusPanel0_->setFixedWidth(350);
  statusPanel1_ = new QLabel(StatusBar1);
  statusPanel1_->setObjectName("StatusPanel1");
  statusPanel1_->setMinimumWidth(50);
  for (QLabel* l : {statusPanel0_, statusPanel1_}) {
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setTextFormat(Qt::PlainText);
  }
  sh->addWidget(statusPanel0_);
  sh->addWidget(statusPanel1_, 1);
  h->addWidget(StatusBar1, 1);

  QToolButton* sbtnLayName = Panel4->nameLabel();
  sbtnLayName->setParent(Panel3);
  sbtnScale = new QToolButton(Panel3);
  sbtnScale->setObjectName("sbtnScale");
  sbtnScale->setText("S=");
  sbtnPaperSize = new QToolButton(Panel3);
  sbtnPaperSize->setObjectName("sbtnPaperSize");
  sbtnPaperSize->setText("A-");
  for (QToolButton* b : {sbtnLayName, sbtnScale, sbtnPaperSize}) {
    b->setAutoRaise(true);
    h->addWidget(b);
  }

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName("PopupMenu2");
  auto* papers = new QActionGroup(PopupMenu2);
  for (int i = 0; i < 5; ++i) {
    QAction* a = PopupMenu2->addAction(QString(" A-%1").arg(i));
    a->setObjectName(QString("A%1").arg(i));
    a->setCheckable(true);
    a->setChecked(i == 1);
    papers->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] {
      ChoosePaper(ws_, shell_, i);
      ApplyShell();
    });
    paperItems_[static_cast<std::size_t>(i)] = a;
  }
  connect(sbtnPaperSize, &QToolButton::clicked, this,
          [this] { PopupMenu2->popup(QCursor::pos() - QPoint(0, 100)); });
  return Panel3;
}

}  // namespace sw
