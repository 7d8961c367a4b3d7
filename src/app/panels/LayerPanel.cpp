#include "app/panels/LayerPanel.h"

#include <algorithm>

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "app/ButtonPictures.h"
#include "core/Cp932.h"
#include "edit/CommandsLayers.h"

namespace sw {

namespace {

QFrame* ButtonColumn(QWidget* parent, const char* name, int left, const char* buttonPrefix, int firstTag,
                     QButtonGroup* group, std::array<QToolButton*, 16>& buttons, QToolButton*& all,
                     const char* allName) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setGeometry(left, 20, 62, 270);
  for (int n = 0; n < 16; ++n) {
    auto* b = new QToolButton(panel);
    b->setObjectName(QString("%1%2").arg(buttonPrefix).arg(n));
    b->setProperty("tag", firstTag + n);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(16, 16));
    b->setIcon(QIcon(QPixmap::fromImage(LayerPicture(QString("NUM%1").arg(n)))));
    b->setGeometry(3 + (n / 8) * 28, 3 + (n % 8) * 25, 27, 24);
    group->addButton(b, n);
    buttons[static_cast<std::size_t>(n)] = b;
  }
  group->setExclusive(true);
  all = new QToolButton(panel);
  all->setObjectName(allName);
  all->setText("All");
  all->setGeometry(3, 206, 55, 22);
  return panel;
}

QString HexDigit(int v) { return QString::number(v & 15, 16).toUpper(); }

}  // namespace

LayerPanel::LayerPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Panel4");
  setFixedHeight(350);
  setFrameShape(QFrame::StyledPanel);
  auto* lay = new QLabel("ﾚｲﾔ", this);
  lay->setObjectName("Label1");
  lay->move(6, 2);
  auto* grp = new QLabel("ｸﾞﾙｰﾌﾟ", this);
  grp->setObjectName("Label2");
  grp->move(70, 2);

  layerGroup_ = new QButtonGroup(this);
  groupGroup_ = new QButtonGroup(this);
  pnlLay = ButtonColumn(this, "pnlLay", 2, "SpBtnRay", 0, layerGroup_, LayerButtons, SpBtnLayall, "SpBtnLayall");
  pnlLayG = ButtonColumn(this, "pnlLayG", 67, "SpBtnRayGroup", 100, groupGroup_, GroupButtons, SpBtnLayGpall,
                         "SpBtnLayGpall");
  Panel5 = new QLabel("0", pnlLay);
  Panel5->setObjectName("Panel5");
  Panel5->setAlignment(Qt::AlignCenter);
  Panel5->setFrameShape(QFrame::Panel);
  Panel5->setFrameShadow(QFrame::Sunken);
  Panel5->setGeometry(3, 234, 55, 24);

  for (QToolButton* b : LayerButtons) b->installEventFilter(this);
  for (QToolButton* b : GroupButtons) b->installEventFilter(this);
  SpBtnLayall->installEventFilter(this);
  SpBtnLayGpall->installEventFilter(this);

  sbtnLayName = new QToolButton(this);
  sbtnLayName->setObjectName("sbtnLayName");
  sbtnLayName->setText("[0-0]");
  sbtnLayName->setAutoRaise(true);
}

void LayerPanel::refresh(const Workspace& ws, bool enabled) {
  pnlLay->setEnabled(enabled);
  pnlLayG->setEnabled(enabled);
  CheckLayGrpDisplay(ws);
  CheckLayDisplay(ws);
  refreshLayerName(ws);
}

void LayerPanel::CheckLayDisplay(const Workspace& ws) {
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  const int g = std::clamp(ws.layers.CurrentGroup, 0, 15);
  const JWWLayerGroupState& group = frame.groups[static_cast<std::size_t>(g)];
  for (int i = 0; i < 16; ++i) {
    const JWWLayerState& layer = group.layers[static_cast<std::size_t>(i)];
    const std::size_t flag = static_cast<std::size_t>(g * 16 + i);
    const QImage pic = LayerButtonPicture(i, layer.state, layer.protect, ws.drawing.LayerHasLines[flag] != 0,
                                   ws.drawing.LayerHasText[flag] != 0, "CircleBK", "CircleRD");
    QToolButton* b = LayerButtons[static_cast<std::size_t>(i)];
    if (layer.state == 3) b->setChecked(true);
    b->setIcon(QIcon(QPixmap::fromImage(pic)));
  }
}

void LayerPanel::CheckLayGrpDisplay(const Workspace& ws) {
  const CLayCount& frame = CurrentFrameEntry(ws.document);
  for (int i = 0; i < 16; ++i) {
    const JWWLayerGroupState& group = frame.groups[static_cast<std::size_t>(i)];
    const std::size_t n = static_cast<std::size_t>(i);
    const QImage pic = LayerButtonPicture(i, group.state, group.protect, ws.drawing.GroupHasLines[n] != 0,
                                   ws.drawing.GroupHasText[n] != 0, "RectBK", "RectRD");
    QToolButton* b = GroupButtons[n];
    if (group.state == 3) {
      b->setChecked(true);
      Panel5->setText(HexDigit(i));
    }
    b->setIcon(QIcon(QPixmap::fromImage(pic)));
  }
}

bool LayerPanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
  if (!press && type != QEvent::MouseButtonRelease) return QFrame::eventFilter(watched, event);
  auto* button = qobject_cast<QToolButton*>(watched);
  if (button == nullptr) return QFrame::eventFilter(watched, event);
  const bool all = button == SpBtnLayall || button == SpBtnLayGpall;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const bool reported = mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton;
  if (press && reported && button->isEnabled()) {
    const Qt::KeyboardModifiers keys = mouse->modifiers();
    const LayerClick click = LayerClickOf(mouse->button() == Qt::RightButton, keys.testFlag(Qt::ShiftModifier),
                                          keys.testFlag(Qt::ControlModifier));
    if (button == SpBtnLayall)
      emit allLayersClicked(click);
    else if (button == SpBtnLayGpall)
      emit allGroupsClicked(click);
    else if (const int tag = button->property("tag").toInt(); tag >= 100)
      emit groupButtonClicked(tag - 100, click);
    else
      emit layerButtonClicked(tag, click);
  }
  // The "All" buttons look pressed as usual; the layer and group buttons
  // never press themselves (refresh does).
  return !all;
}

void LayerPanel::refreshLayerName(const Workspace& ws) {
  const std::string cp932 = LayerNameText(ws);
  sbtnLayName->setText(QString::fromStdString(Cp932ToUtf8(cp932)));
  sbtnLayName->setFixedWidth(std::max(30, 6 * static_cast<int>(cp932.size())));
}

}  // namespace sw
