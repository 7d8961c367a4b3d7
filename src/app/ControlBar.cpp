#include "app/ControlBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

#include <algorithm>
#include <cmath>

#include "app/ButtonPictures.h"

namespace sw {

QToolButton* MakeBandButton(QToolBar* bar, const QString& name, const QString& caption, const QString& picture) {
  auto* b = new QToolButton(bar);
  b->setObjectName(name);
  b->setText(caption);
  b->setIcon(ToolPicture(picture));
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setAutoRaise(true);
  return b;
}

namespace {
constexpr int kTop = 2;  // top of the first row
}

TBand::TBand(const QString& caption, QWidget* parent) : QToolBar(caption, parent) {
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(16, 16));
  setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  setContentsMargins(8, 0, 0, 0);
}

void TBand::paintEvent(QPaintEvent* e) {
  QToolBar::paintEvent(e);
  QPainter p(this);
  const QColor light = palette().color(QPalette::Light), dark = palette().color(QPalette::Dark);
  for (int x : {2, 5}) {
    p.setPen(light);
    p.drawLine(x, 3, x, height() - 4);
    p.setPen(dark);
    p.drawLine(x + 1, 3, x + 1, height() - 4);
  }
}

TControlBar::TControlBar(QWidget* parent) : QWidget(parent) {
  setObjectName("ControlBar1");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TControlBar::addBand(QToolBar* bar, QPoint pos) {
  bar->setParent(this);
  bar->installEventFilter(this);
  bands_.push_back(bar);
  bar->adjustSize();
  setBandPos(bar, pos);
}

QPoint TControlBar::bandPos(const QToolBar* bar) const { return bar->pos(); }

int TControlBar::rowHeight() const {
  int h = 24;
  for (const QToolBar* b : bands_) h = std::max(h, b->sizeHint().height());
  return h + 2;
}

void TControlBar::setBandPos(QToolBar* bar, QPoint pos) {
  const int row = std::max(0, static_cast<int>(std::lround(double(pos.y() - kTop) / rowHeight())));
  const int maxRow = 3;
  bar->resize(bar->sizeHint());
  bar->move(std::clamp(pos.x(), 0, 4000), kTop + std::min(row, maxRow) * rowHeight());
  relayout();
}

void TControlBar::relayout() {
  int bottom = 0;
  for (QToolBar* b : bands_) {
    if (b->isHidden()) continue;
    b->resize(b->sizeHint());
    bottom = std::max(bottom, b->geometry().bottom() + 1);
  }
  setFixedHeight(std::max(bottom, kTop + rowHeight()) + 2);
  updateGeometry();
}

QSize TControlBar::sizeHint() const { return QSize(400, height()); }
QSize TControlBar::minimumSizeHint() const { return QSize(50, height()); }

bool TControlBar::eventFilter(QObject* watched, QEvent* event) {
  auto* bar = qobject_cast<QToolBar*>(watched);
  if (!bar) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::LeftButton && !bar->childAt(me->position().toPoint())) {
        dragging_ = bar;
        dragOffset_ = me->position().toPoint();
        bar->raise();
        return true;
      }
      break;
    }
    case QEvent::MouseMove:
      if (dragging_ == bar) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint inBar = bar->mapToParent(me->position().toPoint()) - dragOffset_;
        setBandPos(bar, inBar);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (dragging_ == bar) {
        dragging_ = nullptr;
        return true;
      }
      break;
    case QEvent::Show:
    case QEvent::Hide:
      relayout();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace sw
