// The rules every layout document keeps, checked in one place.
#pragma once

#include <optional>
#include <string>

#include "core/Result.h"
#include "layout/Document.h"

namespace sw {

// What a broken rule is about, so that a reader can point at the bytes.
enum class InvariantSite { Document, Paper, Sheet };

struct InvariantBreak {
  std::string message;  // names the rule and the entries that break it
  InvariantSite site = InvariantSite::Document;
  int sheet = -1;  // for Sheet
};

// The first broken rule, in this order, or nullopt:
//  - PaperIndex is 0..4;
//  - sheetHigh >= 0, and sheetNames and Sheets have sheetHigh + 1 entries;
//  - currentSheet is 0..sheetHigh;
//  - per sheet: frameHigh >= 0 and frames, circles, rects and shown have
//    frameHigh + 1 entries; selectedFrame is 0..frameHigh; lineHigh >= 0 and
//    lines has lineHigh + 1 entries.
// These are what the program needs to work: list lengths and indexes in
// range. Names are not among them: a layout file holds any sheet and frame
// names, empty and repeated ones included, and they load and save as they
// are. Only a name the user gives in a dialog is checked (renameSheet,
// renameFrame, addFrame).
std::optional<InvariantBreak> FindBrokenInvariant(const LayoutDocument& doc);

// The same as a status: ok, or the broken rule's message.
Status CheckInvariants(const LayoutDocument& doc);

}  // namespace sw
