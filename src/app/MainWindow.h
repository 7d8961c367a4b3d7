// TForm1, the main window: menus and the toolbars on ControlBar1, the
// drawing area PaintBox1 above the sheet tabs, the right panel (layer panel
// and frame tree) and the status bar. It owns the workspace and the back
// buffer, composes the panels, routes their events to the commands of
// src/edit and mirrors the shell state the commands leave.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPrinter>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "edit/CommandsState.h"
#include "edit/PointerEngine.h"
#include "edit/RecentFiles.h"
#include "edit/Prompts.h"
#include "edit/Workspace.h"
#include "settings/JwcadSettings.h"
#include "settings/Registry.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace sw {

class FrameTreePanel;
class HelpLibrary;
class LayerPanel;
class PrintBar;
class QtPrompts;
class ScreenOverlay;
class SheetTabs;
class TControlBar;
class TDlgLayoutName;
class TPagesDlg;
class TPaintBox;
class TdlgPBairitu;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // `own` is the program's own registry (window placement, toolbars); may be
  // null, and then nothing is restored or stored.
  explicit TForm1(Registry* own);
  ~TForm1() override;

  // Start-up: the style tables from the registries; the settings imported.
  JwcadSettings importSettings(const Registry* jwcad, const Registry* own);
  // The dialogs created after the main window.
  void attachDialogs(TPagesDlg* pages, TDlgLayoutName* layoutName, TdlgPBairitu* printScale);
  // Replaces the window's own dialogs (null restores them).
  void setPrompts(Prompts* prompts);
  Prompts& prompts();

  const Workspace& workspace() const { return ws_; }
  // Where the Windows drives of a layout's base path lead (the Wine prefix).
  void setDrives(const DriveMap& drives) { ws_.tool.Drives = drives; }
  const ShellState& shell() const { return shell_; }
  const QImage& backBuffer() const { return BackBuffer; }
  // The printer the print button prints to, as the print dialog left it.
  QPrinter& printer() { return printer_; }
  bool ready() const { return ws_.view.ViewReady; }
  bool firstIdleDone() const { return firstIdleDone_; }

  // What a menu item or toolbar button of the command does.
  void runCommand(Cmd c);
  // Opens a file named on the command line once the window is up (.swt or
  // .jww; anything else is reported and nothing changes).
  void openFile(const std::string& path);

  QAction* action(Cmd c) const { return actions_[Index(c)]; }
  QToolButton* button(Cmd c) const { return buttons_[Index(c)]; }
  TControlBar* controlBar() const { return ControlBar1; }
  QToolBar* toolBar(int n) const { return toolBars_[static_cast<std::size_t>(n)]; }
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
  // Files dropped onto the window (MainWindowFiles.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The recent-files list of the file menu (MainWindowFiles.cpp).
  void buildRecentItems(QMenu* file, QAction* before);
  void refreshRecentItems();
  void takeUsedFile();
  void openRecent(std::size_t index);

  // Building the widgets (MainWindowBuild.cpp).
  void buildMenus();
  void buildToolBars();
  QWidget* buildStatusPanel();
  QToolButton* toolButton(QToolBar* bar, Cmd c, const QString& name, const QString& caption,
                          const QString& picture, bool tool);
  void connectPanels();

  void firstIdle();
  void PaintBox1Paint(QImage& screen);
  void PaintBox1Resize(int width, int height);
  BoxSize boxSize() const;
  // Mirrors the shell state on the widgets, refreshes the panels when the
  // command changed the document or the view, redraws as asked.
  void ApplyShell();
  void refreshPanels();
  void redraw();
  void showAbout();
  // The print toolbar's "印刷 " and "PDF ": the current sheet with the print
  // mapping onto the chosen printer, or into a PDF file. The page is drawn
  // from a copy of the view, so the screen's view never keeps the mapping.
  void printSheet();
  void exportPdf();
  // The pointer handlers of PaintBox1, then the mirror of the shell.
  void pointer(void (*handler)(PointerInput&, const PointerEvent&), const PointerEvent& e);

  Workspace ws_;
  ShellState shell_;
  Registry* own_;
  std::unique_ptr<QtPrompts> ownPrompts_;
  Prompts* prompts_ = nullptr;
  QPrinter printer_;
  QImage BackBuffer;
  std::vector<std::string> recent_;
  std::array<QAction*, kRecentMax> recentItems_{};
  QAction* recentSeparator_ = nullptr;
  // The back buffer under the frames as the last redraw left it, and what
  // it showed (none when it is not kept).
  QImage UnderFrames;
  std::optional<UnderFramesKey> underFramesKey_;
  std::unique_ptr<HelpLibrary> help_;
  std::unique_ptr<ScreenOverlay> overlay_;
  bool firstIdleDone_ = false;
  bool destroying_ = false;
  // The outer rectangle to reach once the window frame is known.
  QRect pendingOuter_;
  bool pendingMaximized_ = false;  // the stored placement was maximised
  bool outerFixed_ = false;

  TPagesDlg* pages_ = nullptr;

  std::array<QAction*, kCmdCount> actions_{};
  std::array<QToolButton*, kCmdCount> buttons_{};
  std::array<QToolBar*, 6> toolBars_{};
  TControlBar* ControlBar1 = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  SheetTabs* TabControl1 = nullptr;
  LayerPanel* Panel4 = nullptr;
  FrameTreePanel* Panel1 = nullptr;
  PrintBar* ToolBar5 = nullptr;
  QCheckBox* cbSuihei = nullptr;
  QCheckBox* cbSuityoku = nullptr;
  QLabel* Label1 = nullptr;  // the zoom gesture's label over PaintBox1
  QLabel* statusPanel0_ = nullptr;
  QLabel* statusPanel1_ = nullptr;
  QToolButton* sbtnScale = nullptr;
  QToolButton* sbtnPaperSize = nullptr;
  QMenu* PopupMenu2 = nullptr;
  std::array<QAction*, 5> paperItems_{};
};

}  // namespace sw
