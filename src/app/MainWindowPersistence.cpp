// The window placement and the positions of ToolBar1..ToolBar4, kept under
// the program's own keys.
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QToolBar>

#include "app/ControlBar.h"
#include "app/MainWindow.h"
#include "app/WindowPlacement.h"

namespace sw {

namespace {

constexpr const char* kWindowKey = "Software\\Brackenfold\\Sheetwright\\Window";
constexpr const char* kToolBarKey = "Software\\Brackenfold\\Sheetwright\\ToolBar";

struct BandValues {
  int bar;
  const char* left;
  const char* top;
};
constexpr BandValues kBands[] = {
    {1, "Main_Left", "Main_Top"}, {2, "Lay_Left", "Lay_Top"}, {3, "XY_Left", "XY_Top"}, {4, "Mod_Left", "Mod_Top"}};

std::optional<std::int32_t> ReadInt(const Registry& reg, const char* key, const char* name) {
  std::optional<RegValue> v = reg.value(key, name);
  if (!v || v->type != RegValue::Type::Dword) return std::nullopt;
  return static_cast<std::int32_t>(v->dword);
}

// True when some part of `r` lies on a screen.
bool OnAScreen(const QRect& r) {
  for (const QScreen* s : QGuiApplication::screens())
    if (s->availableGeometry().intersects(r)) return true;
  return false;
}

}  // namespace

void TForm1::StorePlacement() {
  if (!own_) return;
  const Qt::WindowStates state = windowState();
  WindowPlacement p;
  p.showCmd = isMinimized() ? kShowMinimized : isMaximized() ? kShowMaximized : kShowNormal;
  if (p.showCmd == kShowMinimized && (state & Qt::WindowMaximized)) p.flags |= kRestoreToMaximized;
  // The frame around the client area, as it is now.
  const QRect g = geometry(), f = frameGeometry();
  const QMargins frame(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
  if (p.showCmd == kShowMaximized) {
    p.maxX = f.left();
    p.maxY = f.top();
  }
  const QRect normal = p.showCmd == kShowNormal || normalGeometry().isEmpty() ? g : normalGeometry();
  const QRect outer = normal.marginsAdded(frame);
  p.left = outer.left();
  p.top = outer.top();
  p.right = outer.right() + 1;
  p.bottom = outer.bottom() + 1;
  bool ok = own_->setValue(kWindowKey, "Form1", RegValue::Binary(EncodePlacement(p))).ok();
  for (const BandValues& b : kBands) {
    const QPoint pos = ControlBar1->bandPos(toolBar(b.bar));
    ok = own_->setValue(kToolBarKey, b.left, RegValue::Dword(static_cast<std::uint32_t>(pos.x()))).ok() && ok;
    ok = own_->setValue(kToolBarKey, b.top, RegValue::Dword(static_cast<std::uint32_t>(pos.y()))).ok() && ok;
  }
  if (ok) (void)own_->flush();
}

void TForm1::RestorePlacement() {
  pendingOuter_ = QRect(100, 100, 1024, 800);
  if (!own_) return;
  if (std::optional<RegValue> v = own_->value(kWindowKey, "Form1"); v && v->type == RegValue::Type::Binary) {
    if (std::optional<WindowPlacement> p = DecodePlacement(v->bytes)) {
      const QRect outer(p->left, p->top, p->right - p->left, p->bottom - p->top);
      if (outer.width() >= 200 && outer.height() >= 150 && outer.width() <= 20000 && outer.height() <= 20000 &&
          OnAScreen(outer)) {
        pendingOuter_ = outer;
        move(outer.topLeft());
        resize(outer.size());
      }
      // Maximised once shown, over the normal size set then.
      pendingMaximized_ = RestoresMaximized(*p);
    }
  }
  // A toolbar keeps its designed position unless both its values are stored.
  for (const BandValues& b : kBands) {
    const std::optional<std::int32_t> left = ReadInt(*own_, kToolBarKey, b.left);
    const std::optional<std::int32_t> top = ReadInt(*own_, kToolBarKey, b.top);
    if (left && top) ControlBar1->setBandPos(toolBar(b.bar), QPoint(*left, *top));
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (outerFixed_) return;
  outerFixed_ = true;
  // The outer size counts the window frame, known only now.
  const QSize frame = frameGeometry().size() - geometry().size();
  if (!isMaximized() && (frame.width() > 0 || frame.height() > 0))
    resize(pendingOuter_.size() - frame);
  if (pendingMaximized_) setWindowState(windowState() | Qt::WindowMaximized);
}

}  // namespace sw
