#include "app/FrameTree.h"

#include <QBrush>
#include <QTreeWidget>

#include "core/Cp932.h"

namespace sw {

namespace {

const CLayMain& CurrentSheet(const Workspace& ws) {
  return ws.document.Sheets[static_cast<std::size_t>(ws.document.head.currentSheet)];
}

QString Text(const std::string& cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

QTreeWidgetItem* Node(const QString& text) {
  auto* item = new QTreeWidgetItem(QStringList{text});
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(0, Qt::Unchecked);
  return item;
}

}  // namespace

QString FrameTreeRootText(const Workspace& ws) {
  const std::string& memo = ws.drawing.head.memo;
  return Text(memo == "\r\n" ? ws.document.head.baseFile : memo);
}

QString FrameTreeChildText(const Workspace& ws, int k) {
  const CLayMain& sheet = CurrentSheet(ws);
  return QString::number(k) + ":" + Text(sheet.frames[static_cast<std::size_t>(k)].name);
}

void RebuildFrameTree(QTreeWidget& tree, const Workspace& ws) {
  const QSignalBlocker block(&tree);
  tree.clear();
  const CLayMain& sheet = CurrentSheet(ws);
  QTreeWidgetItem* root = Node(FrameTreeRootText(ws));
  tree.addTopLevelItem(root);
  for (int k = 1; k <= sheet.frameHigh; ++k) root->addChild(Node(FrameTreeChildText(ws, k)));
  for (int i = 0; i <= sheet.frameHigh && i < static_cast<int>(sheet.shown.size()); ++i) {
    QTreeWidgetItem* node = i == 0 ? root : root->child(i - 1);
    if (!node) break;
    node->setCheckState(0, sheet.shown[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  }
  tree.expandAll();
  const int current = sheet.selectedFrame;
  QTreeWidgetItem* selected = current == 0 ? root : root->child(current - 1);
  if (selected) {
    tree.setCurrentItem(selected);
    selected->setForeground(0, QBrush(Qt::red));
  }
}

}  // namespace sw
