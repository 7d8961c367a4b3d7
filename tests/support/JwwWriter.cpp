#include "support/JwwWriter.h"

#include <variant>

#include "core/Cp932.h"

namespace sw::test {
namespace {

// UTF-8 to UTF-16 code units; the test inputs are valid UTF-8.
std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp;
    int n;
    if (c < 0x80) { cp = c; n = 1; }
    else if (c < 0xE0) { cp = c & 0x1F; n = 2; }
    else if (c < 0xF0) { cp = c & 0x0F; n = 3; }
    else { cp = c & 0x07; n = 4; }
    for (int k = 1; k < n && i + static_cast<std::size_t>(k) < s.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
    i += static_cast<std::size_t>(n);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

}  // namespace

void JwwWriter::string(std::string_view cp932) {
  if (utf16Strings) {
    utf16String(Cp932ToUtf8(cp932));
    return;
  }
  if (cp932.size() < 0xFF) {
    w_.u8(static_cast<std::uint8_t>(cp932.size()));
  } else if (cp932.size() < 0xFFFE) {
    w_.u8(0xFF);
    w_.u16(static_cast<std::uint16_t>(cp932.size()));
  } else {
    w_.u8(0xFF);
    w_.u16(0xFFFF);
    w_.u32(static_cast<std::uint32_t>(cp932.size()));
  }
  w_.bytes(cp932);
}

void JwwWriter::utf16String(std::string_view utf8) {
  std::u16string units = Utf8ToUtf16(utf8);
  w_.u8(0xFF);
  w_.u16(0xFFFE);
  if (units.size() < 0xFF) {
    w_.u8(static_cast<std::uint8_t>(units.size()));
  } else if (units.size() < 0xFFFF) {
    w_.u8(0xFF);
    w_.u16(static_cast<std::uint16_t>(units.size()));
  } else {
    w_.u8(0xFF);
    w_.u16(0xFFFF);
    w_.u32(static_cast<std::uint32_t>(units.size()));
  }
  for (char16_t u : units) w_.u16(u);
}

void JwwWriter::count(std::uint32_t c) {
  if (c < 0xFFFF) {
    w_.u16(static_cast<std::uint16_t>(c));
  } else {
    w_.u16(0xFFFF);
    w_.u32(c);
  }
}

void JwwWriter::groupState(const JWWLayerGroupState& g) {
  w_.i32(g.state);
  w_.i32(g.writeLayer);
  w_.f64(g.scale);
  w_.i32(g.protect);
  for (const auto& l : g.layers) {
    w_.i32(l.state);
    w_.i32(l.protect);
  }
}

void JwwWriter::header(const JWWHead& h) {
  const std::uint32_t v = version_;
  string(h.memo);
  w_.i32(h.paperSize);
  w_.i32(h.writeGroup);
  for (const auto& g : h.groups) groupState(g);
  for (auto x : h.reserved1) w_.i32(x);
  for (auto x : h.settings1) w_.i32(x);
  for (auto x : h.settings2.a) w_.f64(x);
  for (auto x : h.settings2.b) w_.i32(x);
  for (auto x : h.settings2.c) w_.f64(x);
  for (const auto& n : h.layerNames) string(n);
  for (const auto& n : h.groupNames) string(n);
  for (auto x : h.settings3.a) w_.f64(x);
  w_.i32(h.settings3.b);
  w_.f64(h.settings3.c);
  if (v >= 300)
    for (auto x : h.settings3.d) w_.f64(x);
  w_.i32(h.settings4.a);
  for (auto x : h.settings4.b) w_.f64(x);
  auto triple = [&](const JWWTriple& t, bool withInt) {
    for (auto x : t.d) w_.f64(x);
    if (withInt) w_.i32(t.i);
  };
  for (int i = 0; i < 4; ++i) triple(h.jumps[static_cast<std::size_t>(i)], v >= 300);
  if (v >= 300) {
    for (int i = 4; i < 8; ++i) triple(h.jumps[static_cast<std::size_t>(i)], true);
    for (const auto& t : h.jumpsExtra) triple(t, true);
  }
  for (auto x : h.settings5) w_.f64(x);
  for (const auto& p : h.penTable) {
    w_.i32(p.color);
    w_.i32(p.width);
  }
  for (const auto& p : h.printPenTable) {
    w_.i32(p.color);
    w_.i32(p.width);
    w_.f64(p.radius);
  }
  for (const auto& row : h.lineTypeTable)
    for (auto x : row) w_.i32(x);
  for (const auto& row : h.randomLineTable)
    for (auto x : row) w_.i32(x);
  for (const auto& row : h.doubleLineTable)
    for (auto x : row) w_.i32(x);
  for (auto x : h.flags11) w_.i32(x);
  for (auto x : h.settings6.a) w_.i32(x);
  for (auto x : h.settings6.b) w_.f64(x);
  for (auto x : h.settings6.c) w_.i32(x);
  if (v >= 420) {
    for (const auto& c : h.sxfColors) {
      w_.i32(c.color);
      w_.i32(c.width);
    }
    for (const auto& p : h.sxfPrintPens) {
      string(p.name);
      w_.i32(p.printColor);
      w_.i32(p.printWidth);
      w_.f64(p.pointRadius);
    }
    for (const auto& t : h.sxfLineTypes) {
      w_.i32(t.pattern);
      w_.i32(t.unitDots);
      w_.i32(t.pitch);
      w_.i32(t.printPitch);
    }
    for (const auto& t : h.sxfUserLineTypes) {
      string(t.name);
      w_.i32(t.segmentCount);
      for (auto x : t.pitches) w_.f64(x);
    }
  }
  for (const auto& t : h.textStyles) triple(t, true);
  for (auto x : h.settings7.a) w_.f64(x);
  for (auto x : h.settings7.b) w_.i32(x);
  for (auto x : h.settings7.c) w_.f64(x);
  w_.i32(h.settings7.d);
  for (auto x : h.settings7.e) w_.f64(x);
}

void JwwWriter::head(const JWWEntityHead& h) {
  w_.u32(h.group);
  w_.u8(h.penStyle);
  w_.u16(h.penColor);
  if (version_ >= 351) w_.u16(h.penWidth);
  w_.u16(h.layer);
  w_.u16(h.layerGroup);
  w_.u16(h.flags);
}

void JwwWriter::tag(std::string_view className) {
  auto it = classes_.find(className);
  if (it == classes_.end()) {
    w_.u16(0xFFFF);
    w_.u16(1);  // schema
    w_.u16(static_cast<std::uint16_t>(className.size()));
    w_.bytes(className);
    classes_.emplace(std::string(className), counter_++);
  } else if (it->second < 0x7FFF) {
    w_.u16(static_cast<std::uint16_t>(0x8000u | it->second));
  } else {
    w_.u16(0x7FFF);
    w_.u32(0x80000000u | it->second);
  }
  if (!className.empty()) ++counter_;  // the object takes an index too
}

void JwwWriter::fields(const CDataSen& r) {
  w_.f64(r.x1);
  w_.f64(r.y1);
  w_.f64(r.x2);
  w_.f64(r.y2);
}

void JwwWriter::fields(const CDataTen& r) {
  w_.f64(r.x);
  w_.f64(r.y);
  w_.i32(r.temporary);
  if (r.head.penStyle == 100) {
    w_.i32(r.code);
    w_.f64(r.angle);
    w_.f64(r.scale);
  }
}

void JwwWriter::fields(const CDataMoji& r) {
  w_.f64(r.x1);
  w_.f64(r.y1);
  w_.f64(r.x2);
  w_.f64(r.y2);
  w_.i32(r.textType);
  w_.f64(r.sizeX);
  w_.f64(r.sizeY);
  w_.f64(r.spacing);
  w_.f64(r.angle);
  string(r.fontName);
  string(r.text);
}

void JwwWriter::object(const CDataSen& r) {
  tag("CDataSen");
  head(r.head);
  fields(r);
}

void JwwWriter::object(const CDataEnko& r) {
  tag("CDataEnko");
  head(r.head);
  for (double x : {r.cx, r.cy, r.radius, r.startAngle, r.arcAngle, r.tiltAngle, r.flatness}) w_.f64(x);
  w_.i32(r.fullCircle);
}

void JwwWriter::object(const CDataTen& r) {
  tag("CDataTen");
  head(r.head);
  fields(r);
}

void JwwWriter::object(const CDataMoji& r) {
  tag("CDataMoji");
  head(r.head);
  fields(r);
}

void JwwWriter::object(const CDataSolid& r) {
  tag("CDataSolid");
  head(r.head);
  for (double x : {r.x1, r.y1, r.x2, r.y2, r.x3, r.y3, r.x4, r.y4}) w_.f64(x);
  if (r.head.penColor == 10) w_.i32(r.rgb);
}

void JwwWriter::object(const CDataBlock& r) {
  tag("CDataBlock");
  head(r.head);
  for (double x : {r.x, r.y, r.scaleX, r.scaleY, r.angle}) w_.f64(x);
  w_.i32(r.blockNumber);
}

void JwwWriter::object(const CDataSunpou& r) {
  tag("CDataSunpou");
  head(r.head);
  head(r.line.head);
  fields(r.line);
  head(r.text.head);
  fields(r.text);
  if (version_ >= 420) {
    w_.u16(static_cast<std::uint16_t>(r.sxfMode));
    for (const CDataSen* s : {&r.auxLine1, &r.auxLine2}) {
      head(s->head);
      fields(*s);
    }
    for (const CDataTen* p : {&r.point1, &r.point2, &r.auxPoint1, &r.auxPoint2}) {
      head(p->head);
      fields(*p);
    }
  }
}

void JwwWriter::object(const CDataList& r) {
  tag("CDataList");
  head(r.head);
  w_.i32(r.number);
  w_.i32(r.referenced);
  w_.i32(r.time);
  string(r.name);
  count(static_cast<std::uint32_t>(r.memberCount));
}

void JwwWriter::object(const JWWMember& m) {
  std::visit(
      [this](const auto& r) {
        if constexpr (requires { *r; }) {
          object(*r);  // a boxed record
        } else {
          object(r);
        }
      },
      m);
}

std::vector<std::uint8_t> WriteJww(const JWWDrawing& d, bool utf16Strings) {
  JwwWriter w(d.head.version);
  w.utf16Strings = utf16Strings;
  w.signature();
  w.versionField();
  w.header(d.head);
  std::size_t mainCount = d.JWWLines.size() + d.JWWArcs.size() + d.JWWPoints.size() +
                          d.JWWTexts.size() + d.JWWSolids.size() + d.JWWInserts.size() +
                          d.JWWDims.size();
  w.count(static_cast<std::uint32_t>(mainCount));
  for (const auto& r : d.JWWLines) w.object(r);
  for (const auto& r : d.JWWArcs) w.object(r);
  for (const auto& r : d.JWWPoints) w.object(r);
  for (const auto& r : d.JWWTexts) w.object(r);
  for (const auto& r : d.JWWSolids) w.object(r);
  for (const auto& r : d.JWWInserts) w.object(r);
  for (const auto& r : d.JWWDims) w.object(r);
  const auto& defs = d.JWWBlocks.definitions();
  if (!defs.empty()) {
    // The definition list's count stands where a tag is expected and reads
    // as an object without class.
    w.out().u16(static_cast<std::uint16_t>(defs.size()));
    std::size_t m = 0;
    for (const auto& def : defs) {
      w.object(def);
      for (std::int32_t j = 0; j < def.memberCount && m < d.JWWBlocks.members().size(); ++j)
        w.object(d.JWWBlocks.members()[m++]);
    }
  }
  w.endTag();
  return w.take();
}

JWWEntityHead MakeHead(int group, int layer, int penColor, int penStyle) {
  JWWEntityHead h;
  h.layerGroup = static_cast<std::uint16_t>(group);
  h.layer = static_cast<std::uint16_t>(layer);
  h.penColor = static_cast<std::uint16_t>(penColor);
  h.penStyle = static_cast<std::uint8_t>(penStyle);
  return h;
}

JWWDrawing MakeDrawing(std::uint32_t version) {
  JWWDrawing d;
  JWWHead& h = d.head;
  h.signature = "JwwData.";
  h.version = version;
  h.memo = "test drawing";
  h.paperSize = 3;
  h.writeGroup = 0;
  for (std::size_t g = 0; g < 16; ++g) {
    h.groups[g].state = g == 0 ? 3 : 2;
    h.groups[g].scale = g == 0 ? 100.0 : 50.0;
    h.groups[g].writeLayer = 0;
    for (std::size_t l = 0; l < 16; ++l) h.groups[g].layers[l].state = l == 0 ? 3 : 2;
  }
  for (std::size_t i = 0; i < 256; ++i) h.layerNames[i] = i % 16 == 1 ? "layer" + std::to_string(i) : "";
  h.groupNames[0] = "main";
  h.flags11[10] = version < 600 ? 10 : 7;
  for (std::size_t i = 0; i < 10; ++i) h.penTable[i] = {static_cast<std::int32_t>(i), 1};
  return d;
}

}  // namespace sw::test
