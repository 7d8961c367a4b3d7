// TForm1, the main window: menus and the five toolbars on ControlBar1, the
// drawing area PaintBox1 inside the sheet tabs TabControl1, the right panel
// (layer panel and frame tree) and the status bar. It owns the workspace and
// the back buffer, runs the commands and mirrors the shell state.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPrinter>

#include <array>
#include <memory>
#include <string>

#include "edit/CommandsState.h"
#include "edit/Prompts.h"
#include "edit/Workspace.h"
#include "settings/Registry.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTabBar;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QCheckBox;

namespace sw {

class HelpLibrary;
class TControlBar;
class TPaintBox;
class TPagesDlg;
class TDlgLayoutName;
class TdlgPBairitu;
class QtPrompts;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // `own` is the program's own registry (window placement, toolbars); may be
  // null, and then nothing is restored or stored.
  explicit TForm1(Registry* own);
  ~TForm1() override;

  // The dialogs created after the main window.
  void attachDialogs(TPagesDlg* pages, TDlgLayoutName* layoutName, TdlgPBairitu* printScale);
  // Replaces the window's own dialogs (null restores them).
  void setPrompts(Prompts* prompts);
  Prompts& prompts();

  Workspace& workspace() { return ws_; }
  ShellState& shell() { return shell_; }
  const QImage& backBuffer() const { return BackBuffer; }
  bool ready() const { return ws_.view.ViewReady; }
  bool firstIdleDone() const { return firstIdleDone_; }

  // What a menu item or toolbar button of the command does.
  void runCommand(Cmd c);
  // Opens a file named on the command line once the window is up: a layout
  // (.swt) as "開く" opens it, a drawing (.jww) as "読込" loads it. Anything
  // else is reported in an error box and nothing changes.
  void openFile(const std::string& path);
  // Mirrors the shell state on the widgets, then carries out its requests.
  void ApplyShell();
  // The sheet redraw into BackBuffer.
  void RedrawSheet();

  QAction* action(Cmd c) const { return actions_[Index(c)]; }
  QToolButton* button(Cmd c) const { return buttons_[Index(c)]; }
  TPaintBox* paintBox() const { return PaintBox1; }
  TControlBar* controlBar() const { return ControlBar1; }
  QToolBar* toolBar(int n) const { return toolBars_[static_cast<std::size_t>(n)]; }
  QTabBar* tabs() const { return TabControl1; }
  QTreeWidget* frameTree() const { return TreeView1; }
  QComboBox* outputScaleList() const { return ComboBox1; }
  // What the help command opens; empty when it does nothing.
  QString helpFile() const;

  // Window placement and toolbar positions under the own keys.
  void StorePlacement();
  void RestorePlacement();

 signals:
  // The window has closed (the message loop ends).
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the widgets (MainWindowBuild.cpp).
  void buildMenus();
  void buildToolBars();
  void buildRightPanel(QWidget* parent);
  QWidget* buildStatusPanel();
  QToolButton* toolButton(QToolBar* bar, Cmd c, const QString& name, const QString& caption,
                          const QString& picture, bool tool);

  void firstIdle();
  void PaintBox1Paint(QImage& screen);
  void PaintBox1Resize(int width, int height);
  BoxSize boxSize() const;
  void carryOutRequests();
  void rebuildTabs();
  void TabControl1Change(int index);
  void choosePaper(int index);
  void ComboBox1Change(int index);
  void showAbout();
  // Layer panel display (LayerPanel.cpp).
  void CheckLayDisplay();
  void CheckLayGrpDisplay();
  void refreshLayerName();

  Workspace ws_;
  ShellState shell_;
  Registry* own_;
  std::unique_ptr<QtPrompts> ownPrompts_;
  Prompts* prompts_ = nullptr;
  QPrinter printer_;
  QImage BackBuffer;
  std::unique_ptr<HelpLibrary> help_;
  bool firstIdleDone_ = false;
  bool destroying_ = false;
  // The outer rectangle to reach once the window frame is known.
  QRect pendingOuter_;
  bool pendingMaximized_ = false;  // the stored placement was maximised
  bool outerFixed_ = false;

  TPagesDlg* pages_ = nullptr;
  TDlgLayoutName* layoutNameDlg_ = nullptr;
  TdlgPBairitu* printScaleDlg_ = nullptr;

  std::array<QAction*, kCmdCount> actions_{};
  std::array<QToolButton*, kCmdCount> buttons_{};
  std::array<QToolBar*, 6> toolBars_{};
  TControlBar* ControlBar1 = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QTabBar* TabControl1 = nullptr;
  QTreeWidget* TreeView1 = nullptr;
  QTreeWidget* TreeView2 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QCheckBox* cbSuihei = nullptr;
  QCheckBox* cbSuityoku = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QToolButton* tbsPrint = nullptr;
  QToolButton* tbsPDF = nullptr;
  QToolButton* ToolButton7 = nullptr;
  std::array<QToolButton*, 16> LayerButtons{};
  std::array<QToolButton*, 16> GroupButtons{};
  QButtonGroup* layerGroup_ = nullptr;
  QButtonGroup* groupGroup_ = nullptr;
  QToolButton* SpBtnLayall = nullptr;
  QToolButton* SpBtnLayGpall = nullptr;
  QLabel* Panel5 = nullptr;
  QWidget* pnlLay = nullptr;
  QWidget* pnlLayG = nullptr;
  QLabel* statusPanel0_ = nullptr;
  QLabel* statusPanel1_ = nullptr;
  QToolButton* sbtnLayName = nullptr;
  QToolButton* sbtnScale = nullptr;
  QToolButton* sbtnPaperSize = nullptr;
  QMenu* PopupMenu2 = nullptr;
  std::array<QAction*, 5> paperItems_{};
};

}  // namespace sw
