// HTML Help on Windows: hhctrl.ocx loaded at run time, HtmlHelpA looked up.
#include <windows.h>

#include <QWidget>

#include "app/HelpFile.h"

namespace sw {

namespace {

using HtmlHelpAProc = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
constexpr UINT kDisplayTopic = 0;

class HtmlHelp : public HelpLibrary {
 public:
  HtmlHelp() {
    library_ = LoadLibraryA("hhctrl.ocx");
    if (library_) entry_ = reinterpret_cast<HtmlHelpAProc>(GetProcAddress(library_, "HtmlHelpA"));
  }
  ~HtmlHelp() override {
    if (library_) FreeLibrary(library_);
  }
  HtmlHelp(const HtmlHelp&) = delete;
  HtmlHelp& operator=(const HtmlHelp&) = delete;

  QString target() const override { return entry_ ? QStringLiteral("Sheetwright.chm") : QString(); }
  QString showContents(QWidget* window) const override {
    // Without the HTML Help library the command does nothing.
    if (!entry_) return {};
    HWND owner = window ? reinterpret_cast<HWND>(window->winId()) : nullptr;
    entry_(owner, "Sheetwright.chm", kDisplayTopic, 0);
    return {};
  }

 private:
  HMODULE library_ = nullptr;
  HtmlHelpAProc entry_ = nullptr;
};

}  // namespace

std::unique_ptr<HelpLibrary> HelpLibrary::Load() { return std::make_unique<HtmlHelp>(); }

}  // namespace sw
