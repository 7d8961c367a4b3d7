// The rules every layout document keeps, checked in one place.
#pragma once

#include <optional>
#include <string>

#include "core/Result.h"
#include "layout/Document.h"

namespace sw {

// What a broken rule is about, so that a reader can point at the bytes.
enum class InvariantSite { Document, Paper, SheetName, Sheet, FrameName };

struct InvariantBreak {
  std::string message;  // names the rule and the entries that break it
  InvariantSite site = InvariantSite::Document;
  int sheet = -1;  // for SheetName, Sheet and FrameName
  int frame = -1;  // for FrameName
};

// The first broken rule, in this order, or nullopt:
//  - PaperIndex is 0..4;
//  - sheetHigh >= 0, and sheetNames and Sheets have sheetHigh + 1 entries;
//  - currentSheet is 0..sheetHigh;
//  - sheet names are not empty and differ from each other;
//  - per sheet: frameHigh >= 0 and frames, circles, rects and shown have
//    frameHigh + 1 entries; selectedFrame is 0..frameHigh; lineHigh >= 0 and
//    lines has lineHigh + 1 entries;
//  - per sheet: the names of frames 1..frameHigh are not empty and differ
//    from each other (the base entry carries the memo, which may be anything).
std::optional<InvariantBreak> FindBrokenInvariant(const LayoutDocument& doc);

// The same as a status: ok, or the broken rule's message.
Status CheckInvariants(const LayoutDocument& doc);

}  // namespace sw
