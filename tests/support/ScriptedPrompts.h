// A Prompts that answers from a script and records what was asked. A prompt
// for which the script holds no answer is answered "cancel" (Cancel / No /
// nothing chosen) and noted in `unexpected`, so no test ever waits for a
// person.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "edit/Prompts.h"

namespace sw::test {

class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    MessageKind kind;
    MessageButtons buttons;
    std::string text;
  };

  std::deque<Answer> answers;                         // message boxes with a choice
  std::deque<std::optional<std::string>> openNames;   // open dialogs
  std::deque<std::optional<std::string>> saveNames;   // save dialogs
  std::deque<std::optional<PrinterPage>> printers;    // printer setup
  // The layout-name dialog: called with the caption, returns the OK result.
  std::function<bool(const std::string&)> nameDialog;

  std::vector<Shown> messages;
  std::vector<FileDialogOptions> openDialogs, saveDialogs;
  std::vector<std::string> nameCaptions;
  std::vector<std::string> unexpected;
  int pausedMs = 0;

  Answer message(MessageKind kind, MessageButtons buttons, const std::string& text) override {
    messages.push_back({kind, buttons, text});
    if (buttons == MessageButtons::Ok) return Answer::Ok;
    if (answers.empty()) {
      unexpected.push_back("message: " + text);
      return buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  bool layoutName(const std::string& caption) override {
    nameCaptions.push_back(caption);
    if (!nameDialog) {
      unexpected.push_back("name dialog: " + caption);
      return false;
    }
    return nameDialog(caption);
  }
  std::optional<std::string> openFileName(const FileDialogOptions& options) override {
    openDialogs.push_back(options);
    return take(openNames, "open dialog");
  }
  std::optional<std::string> saveFileName(const FileDialogOptions& options) override {
    saveDialogs.push_back(options);
    return take(saveNames, "save dialog");
  }
  std::optional<PrinterPage> printSetup() override { return take(printers, "printer setup"); }
  void pause(int ms) override { pausedMs += ms; }

  // The texts of the messages shown, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const Shown& s : messages) t.push_back(s.text);
    return t;
  }

 private:
  template <class T>
  std::optional<T> take(std::deque<std::optional<T>>& q, const char* what) {
    if (q.empty()) {
      unexpected.push_back(what);
      return std::nullopt;
    }
    std::optional<T> v = q.front();
    q.pop_front();
    return v;
  }
};

}  // namespace sw::test
