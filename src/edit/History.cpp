#include "edit/History.h"

#include <utility>

namespace sw {

void ResetHistory(History& h) {
  h.undo.clear();
  h.redo.clear();
  h.state = ++h.next;
  h.clean = h.state;
}

void MarkClean(History& h) { h.clean = h.state; }

void RecordStep(History& h, std::string label, LayoutDocument before) {
  h.undo.push_back(HistoryStep{std::move(label), std::move(before), h.state});
  if (h.undo.size() > kHistoryDepth) h.undo.erase(h.undo.begin());
  h.redo.clear();
  h.state = ++h.next;
}

namespace {

bool Move(std::vector<HistoryStep>& from, std::vector<HistoryStep>& to, History& h, LayoutDocument& doc,
          std::string& label) {
  if (from.empty()) return false;
  HistoryStep step = std::move(from.back());
  from.pop_back();
  std::swap(step.document, doc);
  std::swap(step.state, h.state);
  label = step.label;
  to.push_back(std::move(step));
  return true;
}

}  // namespace

bool UndoStep(History& h, LayoutDocument& doc, std::string& label) { return Move(h.undo, h.redo, h, doc, label); }

bool RedoStep(History& h, LayoutDocument& doc, std::string& label) { return Move(h.redo, h.undo, h, doc, label); }

}  // namespace sw
