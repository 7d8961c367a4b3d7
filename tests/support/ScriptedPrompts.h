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

#include "edit/CommandsLayoutName.h"
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
  // The layout-name dialog: each text is typed and OK pressed, checked as
  // the dialog checks it; a refused text shows its message and the next
  // one is typed. Out of texts: cancelled.
  std::deque<std::string> nameTexts;
  // The print-scale dialog: each entry is the OK result, nullopt = cancel.
  std::deque<std::optional<double>> percents;

  std::vector<Shown> messages;
  std::vector<FileDialogOptions> openDialogs, saveDialogs;
  std::vector<NameRequest> nameRequests;
  std::vector<double> percentsAsked;
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
  std::optional<std::string> layoutName(const NameRequest& request) override {
    nameRequests.push_back(request);
    while (!nameTexts.empty()) {
      const std::string text = nameTexts.front();
      nameTexts.pop_front();
      LayoutNameVerdict v = CheckLayoutName(request, text);
      if (!v.message.empty()) message(MessageKind::Information, MessageButtons::Ok, v.message);
      if (v.accepted) return v.name;
    }
    return std::nullopt;
  }
  std::optional<double> printPercent(double percent) override {
    percentsAsked.push_back(percent);
    return take(percents, "print-scale dialog");
  }
  std::optional<std::string> openFileName(const FileDialogOptions& options) override {
    openDialogs.push_back(options);
    return take(openNames, "open dialog");
  }
  std::optional<std::string> saveFileName(const FileDialogOptions& options) override {
    saveDialogs.push_back(options);
    return take(saveNames, "save dialog");
  }
  std::optional<PrinterPage> printSetup(int) override { return take(printers, "printer setup"); }
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
