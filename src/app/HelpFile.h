// The help the contents command shows. On Windows: the HTML Help library
// "hhctrl.ocx" and its entry point HtmlHelpA, called with "Sheetwright.chm"
// (display topic). Elsewhere: the bundled manual.html in the desktop's
// browser. Loaded once when the main window is created and released with it;
// without the library, its entry point or the manual, the command does nothing.
#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace sw {

class HelpLibrary {
 public:
  // Never null.
  static std::unique_ptr<HelpLibrary> Load();
  virtual ~HelpLibrary() = default;

  // What the contents command opens ("Sheetwright.chm" or the manual's
  // path); empty when it does nothing.
  virtual QString target() const = 0;
  // The contents command, for the main window `window`. Returns what to
  // tell the user when the help could not be shown (empty when it was, or
  // when the platform's help does nothing by design).
  virtual QString showContents(QWidget* window) const = 0;
};

// The first manual.html found beside the program, in its share folder or in
// the source tree's docs folder; empty when there is none.
QString FindHelpFile();

inline constexpr const char* kMsgManualMissing = "マニュアルが見つかりません。次の場所に置いて下さい。";
inline constexpr const char* kMsgManualNotOpened =
    "マニュアルを開けませんでした。次のファイルをブラウザーで開いて下さい。";

}  // namespace sw
