#include "layout/Invariants.h"

#include "layout/Paper.h"

namespace sw {
namespace {

std::string SheetLabel(int s) { return "sheet " + std::to_string(s); }

InvariantBreak Broken(std::string message, InvariantSite site = InvariantSite::Document, int sheet = -1) {
  return InvariantBreak{std::move(message), site, sheet};
}

std::optional<InvariantBreak> CheckSheet(const CLayMain& sh, int s) {
  const std::string at = SheetLabel(s) + ": ";
  if (sh.frameHigh < 0)
    return Broken(at + "frameHigh is " + std::to_string(sh.frameHigh) + ", below 0", InvariantSite::Sheet, s);
  const std::size_t n = static_cast<std::size_t>(sh.frameHigh) + 1;
  auto sizeRule = [&](const char* list, std::size_t size) -> std::optional<InvariantBreak> {
    if (size == n) return std::nullopt;
    return Broken(at + list + " has " + std::to_string(size) + " entries, frameHigh + 1 is " + std::to_string(n),
                  InvariantSite::Sheet, s);
  };
  if (auto b = sizeRule("frames", sh.frames.size())) return b;
  if (auto b = sizeRule("circles", sh.circles.size())) return b;
  if (auto b = sizeRule("rects", sh.rects.size())) return b;
  if (auto b = sizeRule("shown", sh.shown.size())) return b;
  if (sh.selectedFrame < 0 || sh.selectedFrame > sh.frameHigh)
    return Broken(at + "selectedFrame " + std::to_string(sh.selectedFrame) + " is not 0.." +
                      std::to_string(sh.frameHigh),
                  InvariantSite::Sheet, s);
  if (sh.lineHigh < 0)
    return Broken(at + "lineHigh is " + std::to_string(sh.lineHigh) + ", below 0", InvariantSite::Sheet, s);
  if (sh.lines.size() != static_cast<std::size_t>(sh.lineHigh) + 1)
    return Broken(at + "lines has " + std::to_string(sh.lines.size()) + " entries, lineHigh + 1 is " +
                      std::to_string(static_cast<std::int64_t>(sh.lineHigh) + 1),
                  InvariantSite::Sheet, s);
  return std::nullopt;
}

}  // namespace

std::optional<InvariantBreak> FindBrokenInvariant(const LayoutDocument& doc) {
  const SWTHead& h = doc.head;
  if (!IsDocumentPaper(doc.PaperIndex))
    return Broken("PaperIndex " + std::to_string(doc.PaperIndex) + " is not 0..4 (A0..A4)", InvariantSite::Paper);
  if (h.sheetHigh < 0) return Broken("sheetHigh is " + std::to_string(h.sheetHigh) + ", below 0");
  const std::size_t n = static_cast<std::size_t>(h.sheetHigh) + 1;
  if (h.sheetNames.size() != n)
    return Broken("sheetNames has " + std::to_string(h.sheetNames.size()) + " entries, sheetHigh + 1 is " +
                  std::to_string(n));
  if (doc.Sheets.size() != n)
    return Broken("Sheets has " + std::to_string(doc.Sheets.size()) + " entries, sheetHigh + 1 is " +
                  std::to_string(n));
  if (h.currentSheet < 0 || h.currentSheet > h.sheetHigh)
    return Broken("currentSheet " + std::to_string(h.currentSheet) + " is not 0.." + std::to_string(h.sheetHigh));
  for (std::size_t s = 0; s < n; ++s)
    if (auto b = CheckSheet(doc.Sheets[s], static_cast<int>(s))) return b;
  return std::nullopt;
}

Status CheckInvariants(const LayoutDocument& doc) {
  if (auto b = FindBrokenInvariant(doc)) return MakeError(std::move(b->message));
  return Status::Ok();
}

}  // namespace sw
