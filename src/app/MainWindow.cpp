// Creation, painting, resizing, closing and destruction of the main window,
// the mirror of the shell state and the panels' refresh.
#include "app/MainWindow.h"

#include <cstring>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ButtonPictures.h"
#include "app/ControlBar.h"
#include "app/HelpFile.h"
#include "app/LayoutNameDialog.h"
#include "app/PaintBox.h"
#include "app/PrintScaleDialog.h"
#include "app/QtPrompts.h"
#include "app/ScreenOverlay.h"
#include "app/SettingsDialog.h"
#include "app/panels/FrameTreePanel.h"
#include "app/panels/LayerPanel.h"
#include "app/panels/PrintBar.h"
#include "app/panels/SheetTabs.h"
#include "edit/Commands.h"
#include "edit/CommandsPrintScale.h"
#include "edit/CommandsFrameTree.h"
#include "edit/CommandsLayers.h"
#include "edit/CommandsLayoutName.h"
#include "edit/CommandsSheets.h"
#include "edit/CommandsView.h"
#include "edit/ErrorText.h"
#include "edit/tools/MoveTransform.h"
#include "core/Path.h"
#include "platform/PagePrint.h"
#include "platform/PdfExport.h"
#include "platform/QtCanvas.h"

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
  TabControl1 = new SheetTabs(sheetArea);
  sv->addWidget(PaintBox1, 1);
  sv->addWidget(TabControl1);
  middle->addWidget(sheetArea, 1);
  auto* right = new QWidget(central);
  right->setObjectName("RightPanel");
  right->setFixedWidth(133);
  auto* rv = new QVBoxLayout(right);
  rv->setContentsMargins(0, 0, 0, 0);
  rv->setSpacing(0);
  Panel4 = new LayerPanel(right);
  Panel1 = new FrameTreePanel(right);
  rv->addWidget(Panel4);
  rv->addWidget(Panel1, 1);
  middle->addWidget(right);
  v->addLayout(middle, 1);
  v->addWidget(buildStatusPanel());
  setCentralWidget(central);
  Label1 = new QLabel(PaintBox1);
  Label1->setObjectName("Label1");
  Label1->setAutoFillBackground(true);
  Label1->hide();
  overlay_ = std::make_unique<ScreenOverlay>(*PaintBox1, BackBuffer, *Label1);
  connectPanels();

  // The designed size and position, then the stored placement and toolbar
  // positions, then the help library.
  move(100, 100);
  resize(1024, 800);
  RestorePlacement();
  setAcceptDrops(true);
  help_ = HelpLibrary::Load();
  ActivateLayouts(this);
  // The back buffer, three times the drawing area each way.
  BackBuffer = QImage(3 * PaintBox1->width(), 3 * PaintBox1->height(), QImage::Format_RGB32);
  // The drawing area paints all of itself; Esc is seen before the controls.
  PaintBox1->onPaint = [this](QImage& screen) { PaintBox1Paint(screen); };
  PaintBox1->onResize = [this](int w, int h) { PaintBox1Resize(w, h); };
  qApp->installEventFilter(this);
  // The start-up document, layer state and view.
  SetUpStartWorkspace(ws_, boxSize());
  shell_.req.changed = true;
  ApplyShell();
  QMetaObject::invokeMethod(this, &TForm1::firstIdle, Qt::QueuedConnection);
}

TForm1::~TForm1() {
  destroying_ = true;
  PaintBox1->onResize = nullptr;
  PaintBox1->onPaint = nullptr;
  PaintBox1->onMousePress = nullptr;
  PaintBox1->onMouseMove = nullptr;
  PaintBox1->onMouseRelease = nullptr;
  PaintBox1->onWheel = nullptr;
  qApp->removeEventFilter(this);
  help_.reset();
  BackBuffer = QImage();
}

void TForm1::pointer(void (*handler)(PointerInput&, const PointerEvent&), const PointerEvent& e) {
  PointerInput in{ws_, shell_, prompts(), *overlay_};
  handler(in, e);
  ApplyShell();
}

void TForm1::connectPanels() {
  PaintBox1->onMousePress = [this](QMouseEvent* e) { pointer(PaintBox1MouseDown, PointerEventOf(*e)); };
  PaintBox1->onMouseMove = [this](QMouseEvent* e) { pointer(PaintBox1MouseMove, PointerEventOf(*e)); };
  PaintBox1->onMouseRelease = [this](QMouseEvent* e) { pointer(PaintBox1MouseUp, PointerEventOf(*e)); };
  PaintBox1->onWheel = [this](QWheelEvent* e) {
    e->accept();
    pointer(PaintBox1Wheel, PointerEventOf(*e));
  };
  connect(Panel4, &LayerPanel::layerButtonClicked, this, [this](int n, LayerClick c) {
    LayerButtonClick(ws_, shell_, n, c);
    ApplyShell();
  });
  connect(Panel4, &LayerPanel::groupButtonClicked, this, [this](int n, LayerClick c) {
    GroupButtonClick(ws_, shell_, n, c);
    ApplyShell();
  });
  connect(Panel4, &LayerPanel::allLayersClicked, this, [this](LayerClick c) {
    LayerAllClick(ws_, shell_, c);
    ApplyShell();
  });
  connect(Panel4, &LayerPanel::allGroupsClicked, this, [this](LayerClick c) {
    GroupAllClick(ws_, shell_, c);
    ApplyShell();
  });
  connect(Panel1, &FrameTreePanel::nodeClicked, this, [this](int k, Qt::KeyboardModifiers m) {
    ClickFrameNode(ws_, shell_, k, m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier));
    ApplyShell();
  });
  connect(Panel1, &FrameTreePanel::checkToggled, this, [this](int k, bool checked) {
    SetFrameNodeChecked(ws_, shell_, k, checked);
    ApplyShell();
  });
  connect(Panel1, &FrameTreePanel::nodeDoubleClicked, this, [this](int) {
    FrameTreeDoubleClick(ws_, shell_, *overlay_);
    ApplyShell();
  });
  connect(Panel1, &FrameTreePanel::deleteRequested, this, [this] {
    DeleteCurrentFrame(ws_, shell_);
    ApplyShell();
  });
  connect(Panel1, &FrameTreePanel::renameRequested, this, [this] {
    RenameFrameCommand(ws_, shell_, prompts());
    ApplyShell();
  });
  connect(Panel1, &FrameTreePanel::selectionCleared, this, [this] {
    ClearFrameTreeSelection(ws_, shell_);
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::tabStripPressed, this, [this] {
    TabStripPressed(ws_, shell_, prompts());
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::addRequested, this, [this] {
    AddSheetCommand(ws_, shell_);
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::copyRequested, this, [this] {
    CopySheetCommand(ws_, shell_, prompts());
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::deleteRequested, this, [this] {
    DeleteSheetCommand(ws_, shell_, prompts());
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::renameRequested, this, [this] {
    RenameSheetCommand(ws_, shell_, prompts());
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::sheetMoved, this, [this](int from, int to) {
    MoveSheetCommand(ws_, shell_, from, to);
    ApplyShell();
  });
  connect(TabControl1, &SheetTabs::sheetChosen, this, [this](int i) {
    if (SwitchSheet(ws_, shell_, i)) ApplyShell();
  });
  connect(ToolBar5, &PrintBar::scaleChosen, this, [this](int i) {
    ChooseOutputScale(ws_, shell_, prompts(), i);
    ApplyShell();
  });
  connect(ToolBar5, &PrintBar::printClicked, this, [this] {
    printSheet();
    ApplyShell();
  });
  connect(ToolBar5, &PrintBar::pdfClicked, this, [this] {
    exportPdf();
    ApplyShell();
  });
  connect(ToolBar5, &PrintBar::backClicked, this, [this] {
    ModeReset(ws_, shell_);
    ApplyShell();
  });
}

JwcadSettings TForm1::importSettings(const Registry* jwcad, const Registry* own) {
  JwcadSettings s = ImportWorkspaceStyles(ws_, jwcad, own);
  shell_.req.redraw = true;
  shell_.req.invalidate = true;
  ApplyShell();
  return s;
}

QString TForm1::helpFile() const { return help_ ? help_->target() : QString(); }

void TForm1::attachDialogs(TPagesDlg* pages, TDlgLayoutName* layoutName, TdlgPBairitu* printScale) {
  pages_ = pages;
  ownPrompts_->setDialogs(layoutName, printScale);
  if (pages)
    connect(pages, &TPagesDlg::ownSettingsChanged, this, [this](const JwcadSettings& s) {
      ApplyOwnStyles(ws_, s);
      shell_.req.redraw = true;
      shell_.req.invalidate = true;
      ApplyShell();
    });
}

void TForm1::setPrompts(Prompts* prompts) { prompts_ = prompts ? prompts : ownPrompts_.get(); }

Prompts& TForm1::prompts() { return *prompts_; }

BoxSize TForm1::boxSize() const { return BoxSize{PaintBox1->width(), PaintBox1->height()}; }

void TForm1::firstIdle() {
  if (firstIdleDone_ || destroying_) return;
  firstIdleDone_ = true;
  // The window has its final size only now that it is shown: the fit of
  // creation is made again for it, before anything else could change the view.
  RefitView(ws_, boxSize());
  shell_.req.changed = true;
  shell_.req.redraw = true;
  shell_.req.invalidate = true;
  ApplyShell();
}

void TForm1::redraw() {
  if (BackBuffer.isNull()) return;
  // The pixels under the frames (paper, outlines, the grey backdrop) are
  // kept from the last redraw while nothing they show has changed, so that
  // moving a frame or switching a layer redraws the frames alone.
  const std::optional<UnderFramesKey> key = WorkspaceUnderFramesKey(ws_);
  const bool reuse = key && underFramesKey_ == key && UnderFrames.size() == BackBuffer.size();
  if (reuse) {
    std::memcpy(BackBuffer.bits(), UnderFrames.constBits(), static_cast<std::size_t>(BackBuffer.sizeInBytes()));
    RedrawWorkspaceUnderFrames(nullptr, ws_);
  } else {
    QtCanvas canvas(BackBuffer);
    RedrawWorkspaceUnderFrames(&canvas, ws_);
    canvas.Finish();
    if (key) UnderFrames = BackBuffer.copy();
    else UnderFrames = QImage();
    underFramesKey_ = key;
  }
  QtCanvas canvas(BackBuffer);
  RedrawWorkspaceFrames(canvas, ws_);
}

void TForm1::PaintBox1Paint(QImage& screen) {
  QPainter p(&screen);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(-PaintBox1->width(), -PaintBox1->height(), BackBuffer);
  p.end();
  {
    QtCanvas handles(screen);
    DrawTransformHandles(handles, ws_);
  }
  MarkPainted(ws_);
}

void TForm1::PaintBox1Resize(int width, int height) {
  if (destroying_ || !ws_.view.ViewReady) return;
  BackBuffer = QImage(3 * width, 3 * height, QImage::Format_RGB32);
  UnderFrames = QImage();
  ResizeWorkspace(ws_, BoxSize{width, height});
  redraw();
}

void TForm1::ApplyShell() {
  takeUsedFile();
  ShowHistoryItems(ws_, shell_);
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
  // A long path loses its middle, so that the file name stays in view; the
  // tooltip has all of it.
  const QString status0 = QString::fromStdString(shell_.status0);
  const int room = statusPanel0_->contentsRect().width() - 2 * statusPanel0_->margin() - 4;
  statusPanel0_->setText(statusPanel0_->fontMetrics().elidedText(status0, Qt::ElideMiddle, std::max(room, 20)));
  statusPanel0_->setToolTip(status0);
  statusPanel1_->setText(QString::fromStdString(shell_.status1));
  setWindowTitle(QString::fromStdString(shell_.title));
  sbtnPaperSize->setText(QString::fromStdString(shell_.paperCaption));
  if (shell_.paperChecked >= 0 && shell_.paperChecked <= 4)
    paperItems_[static_cast<std::size_t>(shell_.paperChecked)]->setChecked(true);
  sbtnScale->setText(QString::fromStdString(shell_.scaleCaption));
  sbtnScale->setFixedWidth(std::max(24, 8 * static_cast<int>(shell_.scaleCaption.size())));

  const ShellRequests req = shell_.req;
  shell_.req = {};
  if (req.changed) refreshPanels();
  if (req.redraw) redraw();
  if (req.invalidate) PaintBox1->invalidate();
}

void TForm1::refreshPanels() {
  TabControl1->refresh(ws_);
  Panel1->refresh(ws_);
  Panel4->refresh(ws_, shell_.layerPanelsEnabled);
  ToolBar5->refresh(ws_);
}

void TForm1::printSheet() {
  StartPrintOutput(ws_);
  ViewState view = ws_.view;
  RedrawState state = ws_.redraw;
  printer_.setDocName(QString::fromStdString(ws_.tool.LayoutFileName));
  const Status s = PrintSheetPage(printer_, view, SheetSource{ws_.drawing, ws_.document, ws_.styles, ws_.print, &ws_.index}, state);
  if (!s) {
    printer_.abort();
    prompts().message(MessageKind::Error, MessageButtons::Ok, std::string(kMsgPrintFailed) + "\n" + DescribeJa(s.error()));
  }
  shell_.req.invalidate = true;
}

void TForm1::exportPdf() {
  const std::string folder =
      ws_.tool.LayoutFileName.empty() ? std::string() : Utf8FromPath(PathFromUtf8(ws_.tool.LayoutFileName).parent_path());
  const std::optional<std::string> chosen = prompts().saveFileName({kPdfFilter, ".PDF", folder});
  if (!chosen || chosen->empty()) return;
  const std::filesystem::path target = PathFromUtf8(HasExtension(PathFromUtf8(*chosen), ".pdf") ? *chosen : *chosen + ".pdf");
  ViewState view = ws_.view;
  RedrawState state = ws_.redraw;
  const Status s = WriteSheetPdf(target, ws_.document.PaperIndex, ws_.tool.LayoutFileName, view,
                                 SheetSource{ws_.drawing, ws_.document, ws_.styles, ws_.print, &ws_.index}, state);
  if (!s) {
    prompts().message(MessageKind::Error, MessageButtons::Ok,
                      std::string(kMsgPrintFailed) + "\n" + Utf8FromPath(target) + "\n" + DescribeJa(s.error()));
    return;
  }
  shell_.status1 = kMsgSaved;
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
