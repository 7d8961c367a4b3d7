// Undo and redo of the layout document. Every edit made through the write
// path (Commit, EditDocument.h) records the document as it was before; undo
// puts it back, redo puts the undone state back. The view, the tool mode
// and files on disk are not part of a step.
//
// Every document state carries a serial number; the state last saved or
// opened is the clean one, so `Modified` is "current state != clean state".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout/Document.h"

namespace sw {

// The steps kept; older ones are forgotten.
inline constexpr std::size_t kHistoryDepth = 200;

struct HistoryStep {
  std::string label;        // what the step did (UTF-8), for the status panel
  LayoutDocument document;  // the document the step leads back to
  std::uint64_t state = 0;  // that document's serial number
  bool operator==(const HistoryStep&) const = default;
};

struct History {
  std::vector<HistoryStep> undo;  // last step at the back
  std::vector<HistoryStep> redo;  // next step at the back
  std::uint64_t state = 0;        // serial number of the current document
  std::uint64_t next = 0;         // last serial number handed out
  std::uint64_t clean = 0;        // serial number of the saved or opened document
  bool operator==(const History&) const = default;
};

// New and Open: no steps, the current document is the clean one.
void ResetHistory(History& h);
// Save: the current document is the clean one.
void MarkClean(History& h);
// Whether the current document differs from the clean one.
inline bool IsModified(const History& h) { return h.state != h.clean; }

// Records `before` as the step leading back from the document just changed;
// the redo steps are dropped.
void RecordStep(History& h, std::string label, LayoutDocument before);

// Swaps `doc` with the last undo (redo) step's document and moves the step
// to the other list. False, changing nothing, when there is none. `label`
// receives the step's label.
bool UndoStep(History& h, LayoutDocument& doc, std::string& label);
bool RedoStep(History& h, LayoutDocument& doc, std::string& label);

}  // namespace sw
