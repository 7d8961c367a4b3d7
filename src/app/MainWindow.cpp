// Creation, painting, resizing, closing and destruction of the main window,
// and the mirror of the shell state.
#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ButtonPictures.h"
#include "app/ControlBar.h"
#include "app/FrameTree.h"
#include "app/HelpFile.h"
#include "app/PaintBox.h"
#include "app/QtPrompts.h"
#include "render/Redraw.h"
#include "core/Cp932.h"
#include "edit/Commands.h"
#include "layout/Operations.h"
#include "platform/QtCanvas.h"
#include "render/View.h"

namespace sw {

namespace {

// Lays out `w` and everything inside it at its current size, top down, so
// that the drawing area has its size before the window is first shown.
void ActivateLayouts(QWidget* w) {
  if (QLayout* l = w->layout()) l->activate();
  for (QObject* child : w->children())
    if (auto* cw = qobject_cast<QWidget*>(child); cw && !cw->isWindow()) ActivateLayouts(cw);
}

}  // namespace

TForm1::TForm1(Registry* own) : own_(own), ownPrompts_(std::make_unique<QtPrompts>(this, &printer_)) {
  setObjectName("Form1");
  setWindowIcon(ApplicationIcon());
  prompts_ = ownPrompts_.get();
  shell_ = StartShell();

  buildMenus();
  buildToolBars();
  auto* central = new QWidget(this);
  central->setObjectName("Form1Client");
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  v->addWidget(ControlBar1);
  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  auto* sheetArea = new QWidget(central);
  sheetArea->setObjectName("TabControl1Client");
  auto* sv = new QVBoxLayout(sheetArea);
  sv->setContentsMargins(0, 0, 0, 0);
  sv->setSpacing(0);
  PaintBox1 = new TPaintBox(sheetArea);
  TabControl1 = new QTabBar(sheetArea);
  TabControl1->setObjectName("TabControl1");
  TabControl1->setShape(QTabBar::RoundedSouth);
  TabControl1->setExpanding(false);
  TabControl1->addTab("layout1");
  sv->addWidget(PaintBox1, 1);
  sv->addWidget(TabControl1);
  middle->addWidget(sheetArea, 1);
  auto* right = new QWidget(central);
  buildRightPanel(right);
  middle->addWidget(right);
  v->addLayout(middle, 1);
  v->addWidget(buildStatusPanel());
  setCentralWidget(central);
  connect(TabControl1, &QTabBar::currentChanged, this, [this](int i) { TabControl1Change(i); });

  // 1. The designed size and position.
  move(100, 100);
  resize(1024, 800);
  // 2. The stored placement and toolbar positions.
  RestorePlacement();
  // 3. The help library.
  help_ = HelpLibrary::Load();
  ActivateLayouts(this);
  // 4. The back buffer, three times the drawing area each way.
  BackBuffer = QImage(3 * PaintBox1->width(), 3 * PaintBox1->height(), QImage::Format_RGB32);
  // 5. One sheet, no base drawing.
  ws_.document.head.sheetHigh = 0;
  ws_.tool.BaseLoaded = false;
  // 6. The drawing area paints all of itself; Esc is seen before the controls.
  PaintBox1->onPaint = [this](QImage& screen) { PaintBox1Paint(screen); };
  PaintBox1->onResize = [this](int w, int h) { PaintBox1Resize(w, h); };
  qApp->installEventFilter(this);
  // 7. The layer and group buttons by their names.
  for (int n = 0; n < 16; ++n) {
    LayerButtons[static_cast<std::size_t>(n)] = findChild<QToolButton*>(QString("SpBtnRay%1").arg(n));
    GroupButtons[static_cast<std::size_t>(n)] = findChild<QToolButton*>(QString("SpBtnRayGroup%1").arg(n));
  }
  SpBtnLayall = findChild<QToolButton*>("SpBtnLayall");
  SpBtnLayGpall = findChild<QToolButton*>("SpBtnLayGpall");
  // 8.
  ws_.tool.LayerAllState = 2;
  ws_.tool.GroupAllState = 2;
  // 9. The frame tree's items carry check boxes (FrameTree.cpp).
  // 10. The block-definition store, empty.
  ws_.drawing.JWWBlocks.clear();
  // 11. The start-up document.
  resetDocument(ws_.document);
  // 12. The layer state of the current frame and its buttons.
  ResetLayerDefaults(ws_.document.Sheets[0].frames[0]);
  CheckLayGrpDisplay();
  CheckLayDisplay();
  // 13. Not fitted yet, paper A1.
  ws_.view.ViewScale = 0;
  SetPaperSize(ws_.view, 1, ws_.document.PaperIndex);
  // 14. Ready; fit the view to the paper.
  ws_.view.ViewReady = true;
  RefreshView(ws_.view, boxSize());

  sbtnLayName->setText("[0-0]");
  ApplyShell();
  QMetaObject::invokeMethod(this, &TForm1::firstIdle, Qt::QueuedConnection);
}

TForm1::~TForm1() {
  destroying_ = true;
  PaintBox1->onResize = nullptr;
  PaintBox1->onPaint = nullptr;
  qApp->removeEventFilter(this);
  TreeView2->clear();
  ws_.drawing.JWWBlocks.clear();
  help_.reset();
  BackBuffer = QImage();
}

QString TForm1::helpFile() const { return help_ ? help_->target() : QString(); }

void TForm1::attachDialogs(TPagesDlg* pages, TDlgLayoutName* layoutName, TdlgPBairitu* printScale) {
  pages_ = pages;
  layoutNameDlg_ = layoutName;
  printScaleDlg_ = printScale;
  ownPrompts_->setLayoutNameDialog(layoutName);
}

void TForm1::setPrompts(Prompts* prompts) { prompts_ = prompts ? prompts : ownPrompts_.get(); }

Prompts& TForm1::prompts() { return *prompts_; }

BoxSize TForm1::boxSize() const { return BoxSize{PaintBox1->width(), PaintBox1->height()}; }

void TForm1::firstIdle() {
  if (firstIdleDone_ || destroying_) return;
  firstIdleDone_ = true;
  // The window has its final size only now that it is shown: the fit of
  // creation is made again for it, before anything else could change the view.
  ws_.view.ViewScale = 0;
  RefreshView(ws_.view, boxSize());
  refreshLayerName();
  RedrawSheet();
  PaintBox1->invalidate();
}

void TForm1::RedrawSheet() {
  if (BackBuffer.isNull()) return;
  QtCanvas canvas(BackBuffer);
  sw::RedrawSheet(canvas, ws_.view, SheetSource{ws_.drawing, ws_.document, ws_.styles}, ws_.redraw);
}

void TForm1::PaintBox1Paint(QImage& screen) {
  QPainter p(&screen);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(-PaintBox1->width(), -PaintBox1->height(), BackBuffer);
  ws_.redraw.Painted = true;
}

void TForm1::PaintBox1Resize(int width, int height) {
  if (destroying_ || !ws_.view.ViewReady) return;
  BackBuffer = QImage(3 * width, 3 * height, QImage::Format_RGB32);
  ResizeView(ws_.view, BoxSize{width, height});
  RedrawSheet();
}

void TForm1::ApplyShell() {
  for (std::size_t i = 0; i < kCmdCount; ++i) {
    actions_[i]->setEnabled(shell_.enabled[i].menu);
    if (QToolButton* b = buttons_[i]) {
      b->setEnabled(shell_.enabled[i].button);
      if (b->isCheckable()) b->setChecked(shell_.pressed[i]);
    }
  }
  for (int i = 1; i <= 5; ++i) {
    QToolBar* bar = toolBar(i);
    const bool show = shell_.toolBarVisible[static_cast<std::size_t>(i)];
    if (i == 5 && show && bar->isHidden()) ControlBar1->setBandPos(bar, QPoint(11, 2));
    bar->setVisible(show);
  }
  ControlBar1->relayout();
  statusPanel0_->setText(QString::fromStdString(shell_.status0));
  statusPanel1_->setText(QString::fromStdString(shell_.status1));
  setWindowTitle(QString::fromStdString(shell_.title));
  sbtnPaperSize->setText(QString::fromStdString(shell_.paperCaption));
  if (shell_.paperChecked >= 0 && shell_.paperChecked <= 4)
    paperItems_[static_cast<std::size_t>(shell_.paperChecked)]->setChecked(true);
  sbtnScale->setText(QString::fromStdString(shell_.scaleCaption));
  sbtnScale->setFixedWidth(std::max(24, 8 * static_cast<int>(shell_.scaleCaption.size())));
  pnlLay->setEnabled(shell_.layerPanelsEnabled);
  pnlLayG->setEnabled(shell_.layerPanelsEnabled);
  carryOutRequests();
}

void TForm1::carryOutRequests() {
  const ShellRequests req = shell_.req;
  shell_.req = {};
  if (req.applyPaper) SetPaperSize(ws_.view, ws_.document.PaperIndex, ws_.document.PaperIndex);
  if (req.prepareDrawingStyles) ApplyDrawingTables(ws_.styles, ws_.drawing.head);
  if (req.refreshView) RefreshView(ws_.view, boxSize());
  if (req.storeHomeView) {
    ws_.tool.HomeWindow = ws_.view.ViewWindow;
    ws_.tool.HomeScale = ws_.view.ViewScale;
  }
  if (req.rebuildTabs) rebuildTabs();
  if (req.frameTree == TreeRequest::Clear) {
    TreeView1->clear();
    TreeView2->clear();
  } else if (req.frameTree == TreeRequest::Rebuild) {
    RebuildFrameTree(*TreeView1, ws_);
  }
  if (req.refreshLayerButtons) {
    CheckLayGrpDisplay();
    CheckLayDisplay();
  }
  if (req.redraw) RedrawSheet();
  if (req.invalidate) PaintBox1->invalidate();
}

void TForm1::rebuildTabs() {
  const QSignalBlocker block(TabControl1);
  const auto& names = ws_.document.head.sheetNames;
  const int n = static_cast<int>(names.size());
  while (TabControl1->count() > std::max(n, 1)) TabControl1->removeTab(TabControl1->count() - 1);
  for (int i = 0; i < n; ++i) {
    const QString text = QString::fromStdString(Cp932ToUtf8(names[static_cast<std::size_t>(i)]));
    if (i < TabControl1->count())
      TabControl1->setTabText(i, text);
    else
      TabControl1->addTab(text);
  }
  TabControl1->setCurrentIndex(ws_.document.head.currentSheet);
}

void TForm1::TabControl1Change(int index) {
  if (index < 0 || index > ws_.document.head.sheetHigh) return;
  ws_.document.head.currentSheet = index;
  // The grey backdrop follows the base-drawing flag of the sheet now shown,
  // as its tick in the frame tree does.
  const CLayMain& sheet = ws_.document.Sheets[static_cast<std::size_t>(index)];
  if (ws_.tool.BaseLoaded) ws_.redraw.BackdropMode = !sheet.shown.empty() && sheet.shown[0] ? 1 : 0;
  if (ws_.tool.BaseLoaded) RebuildFrameTree(*TreeView1, ws_);
  RedrawSheet();
  PaintBox1->invalidate();
}

void TForm1::closeEvent(QCloseEvent* event) {
  StorePlacement();
  const bool close = MayClose(ws_, shell_, prompts());
  ApplyShell();
  if (!close) {
    event->ignore();
    return;
  }
  event->accept();
  emit closed();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease && !destroying_) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat() && QApplication::activeWindow() == this &&
        watched->isWidgetType()) {
      EscapeKey(ws_, shell_);
      ApplyShell();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace sw
