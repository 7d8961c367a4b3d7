#include "app/panels/FrameTreePanel.h"

#include <QBrush>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/Cp932.h"

namespace sw {

namespace {

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
  const CLayMain& sheet = CurrentSheet(ws.document);
  return QString::number(k) + ":" + Text(sheet.frames[static_cast<std::size_t>(k)].name);
}

FrameTreePanel::FrameTreePanel(QWidget* parent) : QWidget(parent) {
  setObjectName("Panel1");
  auto* pv = new QVBoxLayout(this);
  pv->setContentsMargins(0, 2, 0, 0);
  pv->setSpacing(2);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText("選択解除");
  SpeedButton1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  pv->addWidget(SpeedButton1);
  TreeView1 = new QTreeWidget(this);
  TreeView1->setObjectName("TreeView1");
  TreeView1->setHeaderHidden(true);
  TreeView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView1->setRootIsDecorated(false);
  TreeView1->setItemsExpandable(false);
  TreeView1->setIndentation(12);
  pv->addWidget(TreeView1, 1);
  connect(SpeedButton1, &QToolButton::clicked, TreeView1, &QTreeWidget::clearSelection);
  TreeView2 = new QTreeWidget(this);
  TreeView2->setObjectName("TreeView2");
  TreeView2->hide();
}

void FrameTreePanel::refresh(const Workspace& ws) {
  if (!ws.tool.BaseLoaded) {
    const QSignalBlocker block(TreeView1);
    TreeView1->clear();
    TreeView2->clear();
    return;
  }
  rebuild(ws);
}

void FrameTreePanel::rebuild(const Workspace& ws) {
  const QSignalBlocker block(TreeView1);
  TreeView1->clear();
  const CLayMain& sheet = CurrentSheet(ws.document);
  QTreeWidgetItem* root = Node(FrameTreeRootText(ws));
  TreeView1->addTopLevelItem(root);
  for (int k = 1; k <= sheet.frameHigh; ++k) root->addChild(Node(FrameTreeChildText(ws, k)));
  for (int i = 0; i <= sheet.frameHigh && i < static_cast<int>(sheet.shown.size()); ++i) {
    QTreeWidgetItem* node = i == 0 ? root : root->child(i - 1);
    if (!node) break;
    node->setCheckState(0, sheet.shown[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  }
  TreeView1->expandAll();
  const int current = sheet.selectedFrame;
  QTreeWidgetItem* selected = current == 0 ? root : root->child(current - 1);
  if (selected) {
    TreeView1->setCurrentItem(selected);
    selected->setForeground(0, QBrush(Qt::red));
  }
}

}  // namespace sw
