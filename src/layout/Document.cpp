#include "layout/Document.h"

namespace sw {

CLayMain MakeEmptySheet() {
  CLayMain sh;
  sh.frames.resize(1);
  sh.circles.resize(1);
  sh.rects.resize(1);
  sh.lines.resize(1);
  sh.shown.assign(1, false);
  return sh;
}

CLayMain& CurrentSheet(LayoutDocument& doc) {
  return doc.Sheets[static_cast<std::size_t>(doc.head.currentSheet)];
}

const CLayMain& CurrentSheet(const LayoutDocument& doc) {
  return doc.Sheets[static_cast<std::size_t>(doc.head.currentSheet)];
}

const CLayCount& CurrentFrameEntry(const LayoutDocument& doc) {
  const CLayMain& sheet = CurrentSheet(doc);
  return sheet.frames[static_cast<std::size_t>(sheet.selectedFrame)];
}

bool BaseShown(const CLayMain& sheet) { return !sheet.shown.empty() && sheet.shown[0]; }

}  // namespace sw
