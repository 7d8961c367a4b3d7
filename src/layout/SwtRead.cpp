// Reading the layout file image into a fresh document.
#include <optional>
#include <string>

#include "core/ByteReader.h"
#include "layout/Invariants.h"
#include "layout/Paper.h"
#include "layout/SwtFormat.h"
#include "layout/SwtTags.h"

namespace sw {
namespace {

class SwtReader {
 public:
  explicit SwtReader(std::span<const std::uint8_t> data) : r_(data) {}

  Result<LayoutDocument> run(SwtLoadNotes* notes) {
    if (!document()) return *error_;
    // A paper the program has no sheet for is shown on A1, as opening a
    // drawing with a larger paper does; the caller says so.
    if (!IsDocumentPaper(doc_.PaperIndex)) {
      if (notes) notes->replacedPaper = doc_.PaperIndex;
      doc_.PaperIndex = kReplacementPaper;
    }
    if (auto broken = FindBrokenInvariant(doc_)) return MakeError(broken->message, siteOffset(*broken));
    return std::move(doc_);
  }

 private:
  bool fail(std::size_t offset, std::string message) {
    error_ = MakeError(std::move(message), static_cast<std::int64_t>(offset));
    return false;
  }
  // False, with the reader's error placed in context, once a read has failed.
  bool ok(const std::string& what) {
    if (!r_.failed()) return true;
    error_ = MakeError(what + ": " + r_.error().message, r_.error().offset);
    return false;
  }
  std::int64_t remaining() const { return static_cast<std::int64_t>(r_.remaining()); }

  // Fails at `at` unless `count` entries of `perEntry` bytes and `after` more
  // bytes fit in what is left.
  bool fits(std::size_t at, const std::string& what, std::int64_t count, std::int64_t perEntry, std::int64_t after) {
    const std::int64_t needed = count * perEntry + after;
    if (needed <= remaining()) return true;
    return fail(at, what + " claims " + std::to_string(count) + " entries, which need at least " +
                        std::to_string(needed) + " bytes; only " + std::to_string(remaining()) + " are left");
  }

  bool string(std::string& out, const std::string& what) {
    const std::size_t at = r_.offset();
    std::size_t n = r_.u8();
    if (n == 0xFF) n = r_.u16();
    if (r_.failed()) return fail(at, what + ": " + r_.error().message);
    if (n > r_.remaining())
      return fail(at, what + ": a string of " + std::to_string(n) + " bytes runs past the end (" +
                          std::to_string(r_.remaining()) + " left)");
    r_.bytes(n, out);
    return ok(what);
  }

  JWWLayerGroupState group() {
    JWWLayerGroupState g;
    g.state = r_.i32();
    g.writeLayer = r_.i32();
    g.scale = r_.f64();
    g.protect = r_.i32();
    for (JWWLayerState& l : g.layers) {
      l.state = r_.i32();
      l.protect = r_.i32();
    }
    return g;
  }

  bool frame(CLayCount& f, const std::string& what) {
    f.kind = r_.i32();
    if (!ok(what) || !string(f.name, what + " name")) return false;
    f.dx = r_.f64();
    f.dy = r_.f64();
    f.writeGroup = r_.i32();
    for (JWWLayerGroupState& g : f.groups) g = group();
    return ok(what);
  }

  bool sheet(std::size_t s, std::int64_t sheetsAfter) {
    CLayMain& sh = doc_.Sheets[s];
    const std::string at = "sheet " + std::to_string(s);
    const std::int64_t later = sheetsAfter * kSwtMinSheetBytes + kSwtTerminatorBytes;
    const std::size_t highAt = r_.offset();
    sheetOffsets_.push_back(highAt);
    sh.frameHigh = r_.i32();
    const std::size_t selectedAt = r_.offset();
    sh.selectedFrame = r_.i32();
    if (!ok(at)) return false;
    if (sh.frameHigh < 0) return fail(highAt, at + ": frameHigh is " + std::to_string(sh.frameHigh) + ", below 0");
    const std::int64_t n = static_cast<std::int64_t>(sh.frameHigh) + 1;
    if (!fits(highAt, at + ": frameHigh " + std::to_string(sh.frameHigh), n, kSwtMinFrameBytes + kSwtFlagBytes,
              kSwtTagBytes + later))
      return false;
    if (sh.selectedFrame < 0 || sh.selectedFrame > sh.frameHigh)
      return fail(selectedAt, at + ": selectedFrame " + std::to_string(sh.selectedFrame) + " is not 0.." +
                                  std::to_string(sh.frameHigh));
    const auto count = static_cast<std::size_t>(n);
    sh.frames.resize(count);
    for (std::size_t j = 0; j < count; ++j)
      if (!frame(sh.frames[j], at + ", frame " + std::to_string(j))) return false;

    sh.circles.resize(count);
    const bool circles = r_.tag(kSwtCircleTag);
    if (!ok(at + ": circle tag")) return false;
    if (circles) {
      for (CLayCircle& c : sh.circles) {
        c.code = r_.i32();
        c.cx = r_.f64();
        c.cy = r_.f64();
        c.radius = r_.f64();
      }
      if (!ok(at + ": circles")) return false;
    }
    sh.rects.resize(count);
    const bool rects = r_.tag(kSwtRectTag);
    if (!ok(at + ": rectangle tag")) return false;
    if (rects) {
      for (CLayRect& q : sh.rects) {
        q.code = r_.i32();
        q.x1 = r_.f64();
        q.y1 = r_.f64();
        q.x2 = r_.f64();
        q.y2 = r_.f64();
      }
      if (!ok(at + ": rectangles")) return false;
    }
    sh.lineHigh = 0;
    sh.lines.resize(1);
    const bool lines = r_.tag(kSwtLineTag);
    if (!ok(at + ": line tag")) return false;
    if (lines) {
      const std::size_t lineHighAt = r_.offset();
      sh.lineHigh = r_.i32();
      if (!ok(at + ": lineHigh")) return false;
      if (sh.lineHigh < 0)
        return fail(lineHighAt, at + ": lineHigh is " + std::to_string(sh.lineHigh) + ", below 0");
      const std::int64_t m = static_cast<std::int64_t>(sh.lineHigh) + 1;
      if (!fits(lineHighAt, at + ": lineHigh " + std::to_string(sh.lineHigh), m, kSwtLineBytes,
                n * kSwtFlagBytes + later))
        return false;
      sh.lines.resize(static_cast<std::size_t>(m));
      for (CLayLine& l : sh.lines) {
        l.code = r_.i32();
        l.x1 = r_.f64();
        l.y1 = r_.f64();
        l.x2 = r_.f64();
        l.y2 = r_.f64();
      }
      if (!ok(at + ": lines")) return false;
    }
    sh.shown.resize(count);
    for (std::size_t j = 0; j < count; ++j) sh.shown[j] = r_.i32() == 1;
    return ok(at + ": shown flags");
  }

  bool document() {
    const bool signature = r_.tag(kSwtSignature);
    if (r_.failed()) return fail(0, "not a layout file: shorter than the signature \"SwtData.\"");
    if (!signature) return fail(0, "not a layout file: the signature is not \"SwtData.\"");
    SWTHead& h = doc_.head;
    if (!string(h.baseFile, "base path")) return false;
    paperOffset_ = r_.offset();
    doc_.PaperIndex = r_.i32();
    const std::size_t highAt = r_.offset();
    h.sheetHigh = r_.i32();
    if (!ok("sheet high")) return false;
    if (h.sheetHigh < 0) return fail(highAt, "sheetHigh is " + std::to_string(h.sheetHigh) + ", below 0");
    const std::int64_t n = static_cast<std::int64_t>(h.sheetHigh) + 1;
    // Each sheet has a name of at least one byte and a record; then comes
    // the current sheet and the terminator.
    if (!fits(highAt, "sheetHigh " + std::to_string(h.sheetHigh), n, 1 + kSwtMinSheetBytes,
              4 + kSwtTerminatorBytes))
      return false;
    const auto count = static_cast<std::size_t>(n);
    h.sheetNames.assign(count, {});
    for (std::size_t s = 0; s < count; ++s)
      if (!string(h.sheetNames[s], "name of sheet " + std::to_string(s))) return false;
    const std::size_t currentAt = r_.offset();
    h.currentSheet = r_.i32();
    if (!ok("current sheet")) return false;
    if (h.currentSheet < 0 || h.currentSheet > h.sheetHigh)
      return fail(currentAt, "currentSheet " + std::to_string(h.currentSheet) + " is not 0.." +
                                 std::to_string(h.sheetHigh));
    doc_.Sheets.assign(count, CLayMain{});
    for (std::size_t s = 0; s < count; ++s)
      if (!sheet(s, n - 1 - static_cast<std::int64_t>(s))) return false;
    const std::size_t endAt = r_.offset();
    const std::uint16_t terminator = r_.u16();
    if (!ok("terminator")) return false;
    if (terminator != 0) return fail(endAt, "the terminator is " + std::to_string(terminator) + ", not 0");
    return true;
  }

  std::int64_t siteOffset(const InvariantBreak& b) const {
    auto at = [](std::size_t v) { return static_cast<std::int64_t>(v); };
    const auto s = static_cast<std::size_t>(b.sheet);
    switch (b.site) {
      case InvariantSite::Paper: return at(paperOffset_);
      case InvariantSite::Sheet: return at(sheetOffsets_[s]);
      case InvariantSite::Document: break;
    }
    return -1;
  }

  ByteReader r_;
  LayoutDocument doc_;
  std::optional<Error> error_;
  std::size_t paperOffset_ = 0;
  std::vector<std::size_t> sheetOffsets_;
};

}  // namespace

Result<LayoutDocument> DecodeSwt(std::span<const std::uint8_t> data, SwtLoadNotes* notes) {
  if (notes) *notes = SwtLoadNotes{};
  return SwtReader(data).run(notes);
}

}  // namespace sw
