// Helpers of the GUI tests: scratch folders with registry files, the whole
// application built on them, and answering modal dialogs from a timer so
// that no test ever waits for a person.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "settings/RegistryFile.h"
#include "support/ScriptedPrompts.h"

namespace sw::test {

// Jw_cad's keys as Wine keeps them: every pen value, background white,
// pen 9 (auxiliary lines) magenta, the other pens black.
inline std::string JwcadWithPens() {
  std::string t = "WINE REGISTRY Version 2\n\n[Software\\\\Jw_cad] 1466583480\n"
                  "\n[Software\\\\Jw_cad\\\\jw_win\\\\Pen] 1466583564\n";
  auto value = [&t](const std::string& name, const std::string& v) { t += "\"" + name + "\"=\"" + v + "\"\n"; };
  for (int n = 1; n <= 9; ++n) {
    value("Color0" + std::to_string(n), n == 9 ? "FF00FF" : "000000");
    value("Width0" + std::to_string(n), "1");
    if (n <= 8) {
      value("PrCol0" + std::to_string(n), "000000");
      value("PrWid0" + std::to_string(n), "1");
    }
  }
  value("Color12", "808080");
  value("PrCol12", "808080");
  value("Color00", "FFFFFF");
  value("ColorZl", "00FF00");
  return t;
}
inline const std::string kJwcadWithPens = JwcadWithPens();
// Jw_cad installed, but without its pen settings.
inline constexpr const char* kJwcadWithoutPens = "WINE REGISTRY Version 2\n\n[Software\\\\Jw_cad] 1466583480\n";
// A registry without Jw_cad.
inline constexpr const char* kNoJwcad = "WINE REGISTRY Version 2\n\n[Software\\\\Other] 1466583480\n";

class AppScratch {
 public:
  explicit AppScratch(const std::string& jwcad = kJwcadWithPens) {
    EXPECT_TRUE(dir_.isValid());
    write("jwcad.reg", jwcad);
    env_["SHEETWRIGHT_JWCAD_REGISTRY"] = file("jwcad.reg");
    env_["SHEETWRIGHT_CONFIG"] = file("own.reg");
    env_["HOME"] = dir_.path().toStdString();
  }
  std::string file(const std::string& name) const { return (dir_.path() + "/" + QString::fromStdString(name)).toStdString(); }
  void write(const std::string& name, const std::string& text) const {
    QFile f(QString::fromStdString(file(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.data(), static_cast<qint64>(text.size()));
  }
  EnvLookup env() const {
    return [vars = env_](std::string_view name) -> std::optional<std::string> {
      auto it = vars.find(std::string(name));
      if (it == vars.end()) return std::nullopt;
      return it->second;
    };
  }
  // The own settings file as it is on disk now (nullopt when absent).
  std::optional<RegistryFile> own() const {
    if (!QFile::exists(QString::fromStdString(file("own.reg")))) return std::nullopt;
    Result<RegistryFile> r = RegistryFile::Open(file("own.reg"));
    if (!r) return std::nullopt;
    return std::move(r.value());
  }

 private:
  QTemporaryDir dir_;
  std::map<std::string, std::string> env_;
};

// The application on `scratch`, with its messages answered by `prompts`.
struct TestApp {
  std::unique_ptr<AppWindows> windows;
  ScriptedPrompts prompts;
  std::vector<std::string> startupMessages;

  explicit TestApp(const AppScratch& scratch, bool show = true) {
    windows = CreateAppWindows(scratch.env(), [this](const std::string& t) { startupMessages.push_back(t); });
    if (!windows) return;
    windows->form1->setPrompts(&prompts);
    if (show) {
      windows->form1->show();
      QApplication::processEvents();
    }
  }
  TForm1& form() { return *windows->form1; }
  const Workspace& ws() const { return windows->form1->workspace(); }
};

// The application with examples/sample.swt open (two sheets, five frames
// on the first), its queued events run.
struct SampleApp {
  AppScratch scratch;
  TestApp app{scratch};
  SampleApp() {
    app.form().openFile(SW_SOURCE_DIR "/examples/sample.swt");
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
};

// Runs `answer` on the next modal widget (dialog or message box) that
// appears within five seconds; the test fails when none does. A modal
// widget that is still up two seconds after the answer is closed (and the
// test fails), so that no test can hang.
inline void WhenModal(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer;
  auto ticks = std::make_shared<int>(0);
  auto answered = std::make_shared<QPointer<QWidget>>();
  auto answeredAt = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [=] {
    ++*ticks;
    QWidget* w = QApplication::activeModalWidget();
    if (!answered->isNull() || *answeredAt > 0) {
      if (answered->isNull() || !(*answered)->isVisible()) {
        timer->stop();
        timer->deleteLater();
        return;
      }
      if (*ticks - *answeredAt > 200) {
        ADD_FAILURE() << "the modal window " << (*answered)->objectName().toStdString() << " stayed open";
        if (auto* d = qobject_cast<QDialog*>(answered->data())) d->reject();
        else (*answered)->close();
        timer->stop();
        timer->deleteLater();
      }
      return;
    }
    if (w && w->isVisible()) {
      *answered = w;
      *answeredAt = *ticks;
      answer(w);
      return;
    }
    if (*ticks > 500) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal window appeared";
    }
  });
  timer->start(10);
}

// Lets queued events run (first idle, paints).
inline void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace sw::test
