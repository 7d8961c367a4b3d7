#include "app/panels/SheetTabs.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "core/Cp932.h"

namespace sw {

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  a->setObjectName(name);
  return a;
}

}  // namespace

SheetTabs::SheetTabs(QWidget* parent) : QTabBar(parent) {
  setObjectName("TabControl1");
  setShape(QTabBar::RoundedSouth);
  setExpanding(false);
  addTab("layout1");
  connect(this, &QTabBar::currentChanged, this, [this](int i) { emit sheetChosen(i); });

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  connect(Item(PopupMenu1, "Pop1New", "用紙追加(&N)"), &QAction::triggered, this, &SheetTabs::addRequested);
  connect(Item(PopupMenu1, "Pop1Copy", "用紙複写(&C)"), &QAction::triggered, this, &SheetTabs::copyRequested);
  connect(Item(PopupMenu1, "Pop1Delete", "削除(&D)"), &QAction::triggered, this, &SheetTabs::deleteRequested);
  connect(Item(PopupMenu1, "Pop1Rename", "名前変更(&R)"), &QAction::triggered, this, &SheetTabs::renameRequested);
  QAction* move = Item(PopupMenu1, "Pop1Move", "移動(&M)");
  move->setVisible(false);
  move->setEnabled(false);
}

void SheetTabs::refresh(const Workspace& ws) {
  const QSignalBlocker block(this);
  baseLoaded_ = ws.tool.BaseLoaded;
  const auto& names = ws.document.head.sheetNames;
  const int n = static_cast<int>(names.size());
  while (count() > std::max(n, 1)) removeTab(count() - 1);
  for (int i = 0; i < n; ++i) {
    const QString text = QString::fromStdString(Cp932ToUtf8(names[static_cast<std::size_t>(i)]));
    if (i < count())
      setTabText(i, text);
    else
      addTab(text);
  }
  setCurrentIndex(ws.document.head.currentSheet);
}

void SheetTabs::mousePressEvent(QMouseEvent* e) {
  emit tabStripPressed();
  if (!baseLoaded_) return;
  const int tab = tabAt(e->position().toPoint());
  if (e->button() == Qt::RightButton) {
    if (tab >= 0 && tab != currentIndex()) setCurrentIndex(tab);
    PopupMenu1->popup(e->globalPosition().toPoint() + QPoint(0, 10));
    return;
  }
  QTabBar::mousePressEvent(e);
  if (e->button() == Qt::LeftButton) {
    pressed_ = true;
    dragging_ = false;
    pressPos_ = e->position().toPoint();
  }
}

void SheetTabs::mouseMoveEvent(QMouseEvent* e) {
  if (!pressed_) {
    QTabBar::mouseMoveEvent(e);
    return;
  }
  const QPoint p = e->position().toPoint();
  if (!dragging_ && (p - pressPos_).manhattanLength() < 5) return;
  dragging_ = true;
  const int t = tabAt(p);
  if (t != target_) {
    target_ = t;
    update();  // repaints without the old mark
  }
}

void SheetTabs::mouseReleaseEvent(QMouseEvent* e) {
  const bool drop = pressed_ && dragging_;
  const int from = currentIndex(), to = target_;
  pressed_ = dragging_ = false;
  target_ = -1;
  update();
  if (drop && to >= 0 && to != from) {
    emit sheetMoved(from, to);
    return;
  }
  QTabBar::mouseReleaseEvent(e);
}

void SheetTabs::paintEvent(QPaintEvent* e) {
  QTabBar::paintEvent(e);
  if (!dragging_ || target_ < 0 || target_ == currentIndex()) return;
  // The mark sits on the side of the target the tab will land on.
  const QRect r = tabRect(target_);
  const int x = currentIndex() < target_ ? r.right() - 3 : r.left() - 1;
  QPainter p(this);
  p.fillRect(QRect(x, r.top(), 4, r.height()), Qt::black);
}

}  // namespace sw
