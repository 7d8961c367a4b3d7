// ControlBar1: the band that holds the toolbars at free positions, as the
// placement record stores them (left and top inside the bar, pixels). A
// toolbar is dragged by its grip or any free spot; its top snaps to a row.
#pragma once

#include <QPoint>
#include <QToolBar>
#include <QWidget>

#include <vector>

class QToolButton;

namespace sw {

// A toolbar with a grip at its left edge.
class TBand : public QToolBar {
  Q_OBJECT

 public:
  TBand(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// A toolbar button with a picture and its caption beside it, raised only
// under the pointer; not yet added to `bar`.
QToolButton* MakeBandButton(QToolBar* bar, const QString& name, const QString& caption, const QString& picture);

class TControlBar : public QWidget {
  Q_OBJECT

 public:
  explicit TControlBar(QWidget* parent = nullptr);

  // Places `bar` (a child of this bar) at `pos`; its designed position.
  void addBand(QToolBar* bar, QPoint pos);
  // Left and top of a band inside the bar.
  QPoint bandPos(const QToolBar* bar) const;
  // Moves a band: left at least 0, top snapped to the nearest row.
  void setBandPos(QToolBar* bar, QPoint pos);
  // Height of one row of bands, pixels.
  int rowHeight() const;
  // Recomputes the bar's height after bands were shown, hidden or moved.
  void relayout();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QToolBar*> bands_;
  QToolBar* dragging_ = nullptr;
  QPoint dragOffset_;
};

}  // namespace sw
