#include "jww/ArchiveReader.h"

#include "core/Cp932.h"

namespace sw {

std::string ArchiveReader::string() {
  std::string out;
  std::size_t len = r_.u8();
  if (len == 0xFF) {
    std::uint16_t w = r_.u16();
    if (w == 0xFFFE) {
      std::size_t units = r_.u8();
      if (units == 0xFF) {
        units = r_.u16();
        if (units == 0xFFFF) units = r_.u32();
      }
      if (r_.failed()) return out;
      if (units > r_.remaining() / 2) {
        r_.fail("UTF-16 string of " + std::to_string(units) + " units runs past the end");
        return out;
      }
      return Utf16LeToCp932(r_.take(units * 2));
    }
    len = (w == 0xFFFF) ? r_.u32() : w;
  }
  if (r_.failed()) return out;
  if (len > r_.remaining()) {
    r_.fail("string of " + std::to_string(len) + " bytes runs past the end");
    return out;
  }
  r_.bytes(len, out);
  return out;
}

std::uint32_t ArchiveReader::count() {
  std::uint32_t c = r_.u16();
  if (c == 0xFFFF) c = r_.u32();
  return c;
}

JWWEntityHead ArchiveReader::head() {
  JWWEntityHead h;
  h.group = r_.u32();
  h.penStyle = r_.u8();
  h.penColor = r_.u16();
  if (version_ >= 351) h.penWidth = r_.u16();
  h.layer = r_.u16();
  h.layerGroup = r_.u16();
  h.flags = r_.u16();
  return h;
}

JWWLayerGroupState ArchiveReader::groupState() {
  JWWLayerGroupState g;
  g.state = r_.i32();
  g.writeLayer = r_.i32();
  g.scale = r_.f64();
  g.protect = r_.i32();
  for (auto& l : g.layers) {
    l.state = r_.i32();
    l.protect = r_.i32();
  }
  return g;
}

void ArchiveReader::lineFields(CDataSen& s) {
  s.x1 = r_.f64();
  s.y1 = r_.f64();
  s.x2 = r_.f64();
  s.y2 = r_.f64();
}

void ArchiveReader::pointFields(CDataTen& p) {
  p.x = r_.f64();
  p.y = r_.f64();
  p.temporary = r_.i32();
  if (p.head.penStyle == 100) {
    p.code = r_.i32();
    p.angle = r_.f64();
    p.scale = r_.f64();
  }
}

void ArchiveReader::textFields(CDataMoji& t) {
  t.x1 = r_.f64();
  t.y1 = r_.f64();
  t.x2 = r_.f64();
  t.y2 = r_.f64();
  t.textType = r_.i32();
  t.sizeX = r_.f64();
  t.sizeY = r_.f64();
  t.spacing = r_.f64();
  t.angle = r_.f64();
  t.fontName = string();
  t.text = string();
}

CDataSen ArchiveReader::line() {
  CDataSen s;
  s.head = head();
  lineFields(s);
  return s;
}

CDataEnko ArchiveReader::arc() {
  CDataEnko a;
  a.head = head();
  a.cx = r_.f64();
  a.cy = r_.f64();
  a.radius = r_.f64();
  a.startAngle = r_.f64();
  a.arcAngle = r_.f64();
  a.tiltAngle = r_.f64();
  a.flatness = r_.f64();
  a.fullCircle = r_.i32();
  return a;
}

CDataTen ArchiveReader::point() {
  CDataTen p;
  p.head = head();
  pointFields(p);
  return p;
}

CDataMoji ArchiveReader::text() {
  CDataMoji t;
  t.head = head();
  textFields(t);
  return t;
}

CDataSolid ArchiveReader::solid() {
  CDataSolid s;
  s.head = head();
  double* corners[] = {&s.x1, &s.y1, &s.x2, &s.y2, &s.x3, &s.y3, &s.x4, &s.y4};
  for (double* c : corners) *c = r_.f64();
  if (s.head.penColor == 10) s.rgb = r_.i32();
  return s;
}

CDataBlock ArchiveReader::insert() {
  CDataBlock b;
  b.head = head();
  b.x = r_.f64();
  b.y = r_.f64();
  b.scaleX = r_.f64();
  b.scaleY = r_.f64();
  b.angle = r_.f64();
  b.blockNumber = r_.i32();
  return b;
}

CDataSunpou ArchiveReader::dimension() {
  CDataSunpou d;
  d.head = head();
  d.line = line();
  d.text = text();
  if (version_ >= 420) {
    d.sxfMode = r_.u16();
    d.auxLine1 = line();
    d.auxLine2 = line();
    d.point1 = point();
    d.point2 = point();
    d.auxPoint1 = point();
    d.auxPoint2 = point();
  }
  return d;
}

CDataList ArchiveReader::list() {
  CDataList l;
  l.head = head();
  l.number = r_.i32();
  l.referenced = r_.i32();
  l.time = r_.i32();
  l.name = string();
  l.memberCount = static_cast<std::int32_t>(count());
  return l;
}

}  // namespace sw
