#include "app/panels/FrameTreePanel.h"

#include <QBrush>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

#include "core/Cp932.h"
#include "edit/CommandsFrameTree.h"

namespace sw {

namespace {

QString Text(const std::string& cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

QTreeWidgetItem* Node(const QString& text) {
  auto* item = new QTreeWidgetItem(QStringList{text});
  // Not user-checkable: the panel ticks the boxes itself and reports it.
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setCheckState(0, Qt::Unchecked);
  return item;
}

// A block tree node and its subtree as TreeView2 items; each item owns a
// copy of its node's payload.
QTreeWidgetItem* BlockItem(const BlockTreeNode& n) {
  auto* item = new QTreeWidgetItem(QStringList{Text(n.text)});
  item->setData(0, Qt::UserRole, QVariant::fromValue(n.data));
  for (const BlockTreeNode& child : n.children) item->addChild(BlockItem(child));
  return item;
}

// The frame index of a node: 0 for the root, k for the k-th child.
int IndexOf(const QTreeWidgetItem* item) {
  const QTreeWidgetItem* parent = item->parent();
  return parent ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(item)) + 1 : 0;
}

// TreeView1: a tree whose mouse and keys are handed to the panel instead
// of selecting and ticking on their own.
class FrameTreeView final : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

  std::function<void(QMouseEvent*)> onPress;
  std::function<void(QMouseEvent*)> onDoubleClick;
  std::function<void(QTreeWidgetItem*)> onKeyMove;  // the keyboard reached a node
  std::function<void(QTreeWidgetItem*)> onSpace;    // Space on the current node

  // Whether viewport point `pos` lies on the check box of `item`.
  bool hitsCheckBox(QTreeWidgetItem* item, QPoint pos) const {
    const QModelIndex index = indexFromItem(item);
    QStyleOptionViewItem opt;
    initViewItemOption(&opt);
    opt.rect = visualRect(index);
    opt.index = index;
    opt.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    opt.checkState = item->checkState(0);
    opt.text = item->text(0);
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, this).contains(pos);
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    setFocus(Qt::MouseFocusReason);
    if (onPress) onPress(e);
    e->accept();
  }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (onDoubleClick) onDoubleClick(e);
    e->accept();
  }
  void keyPressEvent(QKeyEvent* e) override {
    QTreeWidgetItem* current = currentItem();
    if ((e->key() == Qt::Key_Space || e->key() == Qt::Key_Select) && e->modifiers() == Qt::NoModifier) {
      if (current && onSpace) onSpace(current);
      e->accept();
      return;
    }
    CursorAction action;
    switch (e->key()) {
      case Qt::Key_Up: action = MoveUp; break;
      case Qt::Key_Down: action = MoveDown; break;
      case Qt::Key_Home: action = MoveHome; break;
      case Qt::Key_End: action = MoveEnd; break;
      case Qt::Key_PageUp: action = MovePageUp; break;
      case Qt::Key_PageDown: action = MovePageDown; break;
      default: e->ignore(); return;
    }
    e->accept();
    QTreeWidgetItem* next = itemFromIndex(moveCursor(action, Qt::NoModifier));
    if (next && next != current && onKeyMove) onKeyMove(next);
  }
};

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
  auto* tree = new FrameTreeView(this);
  TreeView1 = tree;
  TreeView1->setObjectName("TreeView1");
  TreeView1->setHeaderHidden(true);
  TreeView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView1->setRootIsDecorated(false);
  TreeView1->setItemsExpandable(false);
  TreeView1->setExpandsOnDoubleClick(false);
  TreeView1->setIndentation(12);
  pv->addWidget(TreeView1, 1);
  TreeView2 = new QTreeWidget(this);
  TreeView2->setObjectName("TreeView2");
  TreeView2->hide();

  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName("PopupMenu3");
  QAction* treeV1Del = PopupMenu3->addAction("削除");
  treeV1Del->setObjectName("treeV1Del");
  QAction* treeV1Chenge = PopupMenu3->addAction("名前変更");
  treeV1Chenge->setObjectName("treeV1Chenge");
  connect(treeV1Del, &QAction::triggered, this, &FrameTreePanel::deleteRequested);
  connect(treeV1Chenge, &QAction::triggered, this, &FrameTreePanel::renameRequested);

  connect(SpeedButton1, &QToolButton::clicked, this, [this] {
    TreeView1->clearSelection();
    emit selectionCleared();
  });
  tree->onPress = [this](QMouseEvent* e) { mousePressed(e); };
  tree->onDoubleClick = [this](QMouseEvent* e) { mouseDoubleClicked(e); };
  tree->onKeyMove = [this](QTreeWidgetItem* item) { emit nodeClicked(IndexOf(item), Qt::NoModifier); };
  tree->onSpace = [this](QTreeWidgetItem* item) { toggle(item); };
}

QTreeWidgetItem* FrameTreePanel::node(int k) const {
  QTreeWidgetItem* root = TreeView1->topLevelItem(0);
  if (!root || k == 0) return root;
  return root->child(k - 1);
}

void FrameTreePanel::toggle(QTreeWidgetItem* item) {
  const bool checked = item->checkState(0) != Qt::Checked;
  {
    const QSignalBlocker block(TreeView1);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
  }
  emit checkToggled(IndexOf(item), checked);
}

void FrameTreePanel::mousePressed(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  QTreeWidgetItem* item = TreeView1->itemAt(pos);
  if (!item) return;
  const int k = IndexOf(item);
  if (e->button() == Qt::RightButton) {
    // The window may rebuild the tree on the signal: nothing of `item` is
    // used after it.
    const QPoint at = e->globalPosition().toPoint() - QPoint(0, 50);
    emit nodeClicked(k, Qt::NoModifier);
    if (k != 0) PopupMenu3->popup(at);
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  const Qt::KeyboardModifiers keys = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
  if (!(keys & Qt::ControlModifier) && static_cast<FrameTreeView*>(TreeView1)->hitsCheckBox(item, pos)) {
    toggle(item);
    return;
  }
  emit nodeClicked(k, keys);
}

void FrameTreePanel::mouseDoubleClicked(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint pos = e->position().toPoint();
  QTreeWidgetItem* item = TreeView1->itemAt(pos);
  if (!item) return;
  // The second click of a double click on a box ticks it again.
  if (!(e->modifiers() & Qt::ControlModifier) && static_cast<FrameTreeView*>(TreeView1)->hitsCheckBox(item, pos)) {
    toggle(item);
    return;
  }
  emit nodeDoubleClicked(IndexOf(item));
  TreeView1->expandAll();
}

void FrameTreePanel::refresh(const Workspace& ws) {
  const QSignalBlocker block(TreeView1);
  if (!ws.tool.BaseLoaded) {
    TreeView1->clear();
    TreeView2->clear();
    blockTreeKey_.reset();
    return;
  }
  refreshBlockTree(ws);
  rebuild(ws);
}

void FrameTreePanel::refreshBlockTree(const Workspace& ws) {
  const std::uint64_t key = BlockTreeKey(ws.drawing);
  if (blockTreeKey_ == key) return;
  blockTreeKey_ = key;
  const BlockTree tree = BuildBlockTree(ws.drawing);
  auto* root = new QTreeWidgetItem(QStringList{QString::fromLatin1(kBlockTreeRootText)});
  for (const BlockTreeNode& n : tree.nodes) root->addChild(BlockItem(n));
  TreeView2->setUpdatesEnabled(false);
  TreeView2->clear();
  TreeView2->addTopLevelItem(root);
  TreeView2->expandAll();
  TreeView2->setUpdatesEnabled(true);
}

void FrameTreePanel::rebuild(const Workspace& ws) {
  const CLayMain& sheet = CurrentSheet(ws.document);
  QStringList texts{FrameTreeRootText(ws)};
  for (int k = 1; k <= sheet.frameHigh; ++k) texts << FrameTreeChildText(ws, k);
  // The nodes are made again only when their texts differ, so that the
  // tree keeps its scroll position while the user works in it.
  bool same = TreeView1->topLevelItemCount() == 1 && node(0)->childCount() == sheet.frameHigh;
  for (int k = 0; same && k <= sheet.frameHigh; ++k) same = node(k)->text(0) == texts[k];
  if (!same) {
    TreeView1->clear();
    QTreeWidgetItem* root = Node(texts[0]);
    TreeView1->addTopLevelItem(root);
    for (int k = 1; k <= sheet.frameHigh; ++k) root->addChild(Node(texts[k]));
  }
  const int current = sheet.selectedFrame;
  for (int k = 0; k <= sheet.frameHigh; ++k) {
    QTreeWidgetItem* item = node(k);
    const bool shown = k < static_cast<int>(sheet.shown.size()) && sheet.shown[static_cast<std::size_t>(k)];
    item->setCheckState(0, shown ? Qt::Checked : Qt::Unchecked);
    item->setForeground(0, QBrush(k == current ? Qt::red : Qt::black));
  }
  TreeView1->expandAll();
  TreeView1->clearSelection();
  for (std::int32_t k : FrameTreeSelection(ws)) node(k)->setSelected(true);
  if (QTreeWidgetItem* item = node(current))
    TreeView1->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}

}  // namespace sw
