// The pictures of the layer and group buttons and the layer-name label, from
// the current frame's layer state.
#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

#include "app/ButtonPictures.h"
#include "app/MainWindow.h"
#include "core/Cp932.h"

namespace sw {

namespace {

const CLayCount& CurrentFrame(const Workspace& ws) {
  const CLayMain& sheet = ws.document.Sheets[static_cast<std::size_t>(ws.document.head.currentSheet)];
  return sheet.frames[static_cast<std::size_t>(sheet.selectedFrame)];
}

// Start picture, data bars, state mark, protect cross.
QImage ButtonImage(int n, int state, int protect, bool lines, bool text, const char* editable,
                   const char* write) {
  QImage pic = LayerPicture(state != 0 ? QString("NUM%1").arg(n) : QString("Nill"));
  if (lines) CombinePicture(pic, LayerPicture("BarLine"));
  if (text) CombinePicture(pic, LayerPicture("BarText"));
  if (state == 2) CombinePicture(pic, LayerPicture(editable));
  if (state == 3) CombinePicture(pic, LayerPicture(write));
  if (protect == 1) CombinePicture(pic, LayerPicture("CROSS1"));
  if (protect == 2) CombinePicture(pic, LayerPicture("CROSS2"));
  return pic;
}

QString HexDigit(int v) { return QString::number(v & 15, 16).toUpper(); }

}  // namespace

void TForm1::CheckLayDisplay() {
  const CLayCount& frame = CurrentFrame(ws_);
  const int g = std::clamp(ws_.tool.CurrentGroup, 0, 15);
  const JWWLayerGroupState& group = frame.groups[static_cast<std::size_t>(g)];
  for (int i = 0; i < 16; ++i) {
    const JWWLayerState& layer = group.layers[static_cast<std::size_t>(i)];
    const std::size_t flag = static_cast<std::size_t>(g * 16 + i);
    const QImage pic = ButtonImage(i, layer.state, layer.protect, ws_.drawing.LayerHasLines[flag] != 0,
                                   ws_.drawing.LayerHasText[flag] != 0, "CircleBK", "CircleRD");
    QToolButton* b = LayerButtons[static_cast<std::size_t>(i)];
    if (!b) continue;
    if (layer.state == 3) {
      ws_.tool.CurrentLayer = i;
      b->setChecked(true);
    }
    b->setIcon(QIcon(QPixmap::fromImage(pic)));
  }
  refreshLayerName();
}

void TForm1::CheckLayGrpDisplay() {
  const CLayCount& frame = CurrentFrame(ws_);
  for (int i = 0; i < 16; ++i) {
    const JWWLayerGroupState& group = frame.groups[static_cast<std::size_t>(i)];
    const QImage pic = ButtonImage(i, group.state, group.protect, ws_.drawing.GroupHasLines[static_cast<std::size_t>(i)] != 0,
                                   ws_.drawing.GroupHasText[static_cast<std::size_t>(i)] != 0, "RectBK", "RectRD");
    QToolButton* b = GroupButtons[static_cast<std::size_t>(i)];
    if (!b) continue;
    if (group.state == 3) {
      ws_.tool.CurrentGroup = i;
      b->setChecked(true);
      Panel5->setText(HexDigit(i));
    }
    b->setIcon(QIcon(QPixmap::fromImage(pic)));
  }
  refreshLayerName();
}

void TForm1::refreshLayerName() {
  const int g = std::clamp(ws_.tool.CurrentGroup, 0, 15);
  const int l = std::clamp(ws_.tool.CurrentLayer, 0, 15);
  const JWWHead& head = ws_.drawing.head;
  const std::string cp932 = head.groupNames[static_cast<std::size_t>(g)] + "- " +
                            head.layerNames[static_cast<std::size_t>(g * 16 + l)] + "[" +
                            HexDigit(l).toStdString() + "-" + HexDigit(g).toStdString() + "]";
  sbtnLayName->setText(QString::fromStdString(Cp932ToUtf8(cp932)));
  sbtnLayName->setFixedWidth(std::max(30, 6 * static_cast<int>(cp932.size())));
}

}  // namespace sw
