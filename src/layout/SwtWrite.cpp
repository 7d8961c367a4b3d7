// Writing the layout file image.
#include <string>

#include "core/ByteWriter.h"
#include "layout/Invariants.h"
#include "layout/SwtFormat.h"
#include "layout/SwtTags.h"

namespace sw {
namespace {

class SwtWriter {
 public:
  // A string field; false (and nothing written) when it is too long.
  bool string(std::string_view s, const std::string& what) {
    if (s.size() > kSwtMaxString) {
      error_ = MakeError(what + " is " + std::to_string(s.size()) + " bytes long; a layout file holds at most " +
                         std::to_string(kSwtMaxString));
      return false;
    }
    if (s.size() < 0xFF) {
      w_.u8(static_cast<std::uint8_t>(s.size()));
    } else {
      w_.u8(0xFF);
      w_.u16(static_cast<std::uint16_t>(s.size()));
    }
    w_.bytes(s);
    return true;
  }

  void group(const JWWLayerGroupState& g) {
    w_.i32(g.state);
    w_.i32(g.writeLayer);
    w_.f64(g.scale);
    w_.i32(g.protect);
    for (const JWWLayerState& l : g.layers) {
      w_.i32(l.state);
      w_.i32(l.protect);
    }
  }

  bool frame(const CLayCount& f, const std::string& what) {
    w_.i32(f.kind);
    if (!string(f.name, what + " name")) return false;
    w_.f64(f.dx);
    w_.f64(f.dy);
    w_.i32(f.writeGroup);
    for (const JWWLayerGroupState& g : f.groups) group(g);
    return true;
  }

  bool sheet(const CLayMain& sh, const std::string& what) {
    w_.i32(sh.frameHigh);
    w_.i32(sh.selectedFrame);
    for (std::size_t j = 0; j < sh.frames.size(); ++j)
      if (!frame(sh.frames[j], what + ", frame " + std::to_string(j))) return false;
    w_.bytes(kSwtCircleTag);
    for (const CLayCircle& c : sh.circles) {
      w_.i32(c.code);
      w_.f64(c.cx);
      w_.f64(c.cy);
      w_.f64(c.radius);
    }
    w_.bytes(kSwtRectTag);
    for (const CLayRect& r : sh.rects) {
      w_.i32(r.code);
      w_.f64(r.x1);
      w_.f64(r.y1);
      w_.f64(r.x2);
      w_.f64(r.y2);
    }
    w_.bytes(kSwtLineTag);
    w_.i32(sh.lineHigh);
    for (const CLayLine& l : sh.lines) {
      w_.i32(l.code);
      w_.f64(l.x1);
      w_.f64(l.y1);
      w_.f64(l.x2);
      w_.f64(l.y2);
    }
    for (bool shown : sh.shown) w_.i32(shown ? 1 : 0);
    return true;
  }

  bool document(const LayoutDocument& doc, std::string_view basePath) {
    w_.bytes(kSwtSignature);
    if (!string(basePath, "the base path")) return false;
    w_.i32(doc.PaperIndex);
    w_.i32(doc.head.sheetHigh);
    for (std::size_t s = 0; s < doc.head.sheetNames.size(); ++s)
      if (!string(doc.head.sheetNames[s], "the name of sheet " + std::to_string(s))) return false;
    w_.i32(doc.head.currentSheet);
    for (std::size_t s = 0; s < doc.Sheets.size(); ++s)
      if (!sheet(doc.Sheets[s], "sheet " + std::to_string(s))) return false;
    w_.u16(0);
    return true;
  }

  std::vector<std::uint8_t> take() { return w_.take(); }
  const Error& error() const { return error_; }

 private:
  ByteWriter w_;
  Error error_;
};

}  // namespace

Result<std::vector<std::uint8_t>> EncodeSwt(const LayoutDocument& doc, std::string_view basePathField) {
  if (Status s = CheckInvariants(doc); !s) return MakeError("the layout is inconsistent: " + s.error().message);
  SwtWriter w;
  if (!w.document(doc, basePathField)) return w.error();
  return w.take();
}

}  // namespace sw
