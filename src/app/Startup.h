// Program entry: the check for Jw_cad's registry key, then the four windows
// in their order (TForm1, TPagesDlg, TDlgLayoutName, TdlgPBairitu).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "settings/Registry.h"
#include "settings/RegistryLocation.h"

class QString;
class QTranslator;

namespace sw {

class TForm1;
class TPagesDlg;
class TDlgLayoutName;
class TdlgPBairitu;

struct AppWindows {
  std::unique_ptr<Registry> jwcad;
  std::unique_ptr<Registry> own;  // null when the own settings file cannot be used
  std::unique_ptr<TForm1> form1;
  // Owned by form1 (Qt children), destroyed with it.
  TPagesDlg* pagesDlg = nullptr;
  TDlgLayoutName* dlgLayoutName = nullptr;
  TdlgPBairitu* dlgPBairitu = nullptr;
  ~AppWindows();
};

// Shows a start-up message box (error type, one OK button).
using StartupMessage = std::function<void(const std::string& text)>;
// The real message box.
void ShowStartupError(const std::string& text);

// Opens Jw_cad's registry through `env`; without "Software\Jw_cad" shows
// "JWWのレジストリが見つかりません。" with `message` and returns null, and no
// window is created. Otherwise creates the four windows (not yet shown).
// An own settings file that cannot be read, and Jw_cad values that cannot
// be converted, are reported with `message`; without a readable own file the
// program runs without storing anything.
std::unique_ptr<AppWindows> CreateAppWindows(const EnvLookup& env, const StartupMessage& message);

// Loads Qt's own Japanese texts (qtbase_ja, the standard buttons of the
// file, colour and print dialogs) from `folder`; false, and nothing
// changes, when the file is not there.
bool LoadQtJapanese(QTranslator& translator, const QString& folder);
// The folder Qt keeps its translations in.
QString QtTranslationsFolder();

// The program: Qt's Japanese texts when present, the start-up check and the
// four windows, then the message loop until the main window has closed.
// Needs a QApplication. `file`, when not empty, is opened once the window is
// up (TForm1::openFile). Returns the exit status: 1 when start-up refused
// (no window was created), else the message loop's status.
int RunApplication(const EnvLookup& env, const StartupMessage& message,
                   const std::string& file = {});

}  // namespace sw
