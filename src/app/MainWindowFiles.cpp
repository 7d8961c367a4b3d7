// Files reaching the window the way a desktop hands them over: dropped onto
// it, or chosen again from the recent-files list of the file menu.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/MainWindow.h"
#include "core/Path.h"
#include "edit/Commands.h"

namespace sw {

namespace {

// The local files of a drag, in order.
std::vector<std::string> LocalFiles(const QMimeData* mime) {
  std::vector<std::string> files;
  if (mime == nullptr || !mime->hasUrls()) return files;
  for (const QUrl& url : mime->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  return files;
}

}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  // Any local file is taken: one that cannot be opened is refused with a
  // message on the drop, which says more than a forbidding cursor.
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = LocalFiles(event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  // One window holds one layout: the first file is opened.
  OpenDroppedFile(ws_, shell_, prompts(), files.front());
  ApplyShell();
}

void TForm1::buildRecentItems(QMenu* file, QAction* before) {
  for (std::size_t i = 0; i < kRecentMax; ++i) {
    QAction* a = new QAction(this);
    a->setObjectName(QString("RecentFile%1").arg(i + 1));
    connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
    file->insertAction(before, a);
    recentItems_[i] = a;
  }
  recentSeparator_ = file->insertSeparator(before);
  recent_ = LoadRecentFiles(own_);
  refreshRecentItems();
}

void TForm1::refreshRecentItems() {
  for (std::size_t i = 0; i < kRecentMax; ++i) {
    QAction* a = recentItems_[i];
    const bool shown = i < recent_.size();
    a->setVisible(shown);
    if (!shown) continue;
    a->setText(QString::fromStdString(RecentMenuText(i, recent_[i])));
    a->setToolTip(QString::fromStdString(recent_[i]));
  }
  recentSeparator_->setVisible(!recent_.empty());
}

void TForm1::takeUsedFile() {
  if (shell_.usedFile.empty()) return;
  AddRecentFile(recent_, Utf8FromPath(std::filesystem::absolute(PathFromUtf8(shell_.usedFile))));
  shell_.usedFile.clear();
  (void)StoreRecentFiles(own_, recent_);
  refreshRecentItems();
}

void TForm1::openRecent(std::size_t index) {
  if (index >= recent_.size()) return;
  const std::string path = recent_[index];
  if (!QFileInfo(QString::fromStdString(path)).isFile()) {
    RemoveRecentFile(recent_, path);
    (void)StoreRecentFiles(own_, recent_);
    refreshRecentItems();
    prompts().message(MessageKind::Error, MessageButtons::Ok, std::string(kMsgRecentMissing) + "\n" + path);
    return;
  }
  OpenDroppedFile(ws_, shell_, prompts(), path);
  ApplyShell();
}

}  // namespace sw
