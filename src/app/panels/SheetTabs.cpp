#include "app/panels/SheetTabs.h"

#include "core/Cp932.h"

namespace sw {

SheetTabs::SheetTabs(QWidget* parent) : QTabBar(parent) {
  setObjectName("TabControl1");
  setShape(QTabBar::RoundedSouth);
  setExpanding(false);
  addTab("layout1");
  connect(this, &QTabBar::currentChanged, this, [this](int i) { emit sheetChosen(i); });
}

void SheetTabs::refresh(const Workspace& ws) {
  const QSignalBlocker block(this);
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

}  // namespace sw
