#include "examples/Drafting.h"

#include <cmath>
#include <numbers>

#include "core/Cp932.h"

namespace sw::example {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// The drawing's one font: the full-width name Jw_cad writes.
std::string FontName() { return Utf8ToCp932("ＭＳ ゴシック"); }

// Byte length of what a text shows: a "^" and its code letter (and the digit
// of a colour code) take no room.
std::size_t ShownBytes(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '^' && i + 1 < s.size()) {
      i += s[i + 1] == '$' ? 3 : 2;
      continue;
    }
    const std::size_t w = IsLeadByte(c) && i + 1 < s.size() ? 2 : 1;
    n += w;
    i += w;
  }
  return n;
}

}  // namespace

JWWEntityHead HeadOf(const Pen& pen) {
  JWWEntityHead h;
  h.layerGroup = static_cast<std::uint16_t>(pen.group);
  h.layer = static_cast<std::uint16_t>(pen.layer);
  h.penColor = static_cast<std::uint16_t>(pen.colour);
  h.penStyle = static_cast<std::uint8_t>(pen.style);
  h.penWidth = static_cast<std::uint16_t>(pen.width);
  return h;
}

CDataSen Line(const Pen& pen, double x1, double y1, double x2, double y2) {
  return CDataSen{HeadOf(pen), x1, y1, x2, y2};
}

CDataEnko Circle(const Pen& pen, double cx, double cy, double radius) {
  return CDataEnko{HeadOf(pen), cx, cy, radius, 0, kTurn, 0, 1, 1};
}

CDataEnko Arc(const Pen& pen, double cx, double cy, double radius, double start, double sweep) {
  return CDataEnko{HeadOf(pen), cx, cy, radius, start, sweep, 0, 1, 0};
}

CDataEnko Ellipse(const Pen& pen, double cx, double cy, double radius, double flatness, double tilt) {
  return CDataEnko{HeadOf(pen), cx, cy, radius, 0, kTurn, tilt, flatness, 1};
}

CDataSolid Quad(const Pen& pen, double x1, double y1, double x2, double y2, double x3, double y3,
                double x4, double y4, std::uint32_t rgb) {
  Pen own = pen;
  own.colour = 10;
  return CDataSolid{HeadOf(own), x1, y1, x2, y2, x3, y3, x4, y4, static_cast<std::int32_t>(rgb)};
}

CDataSolid Box(const Pen& pen, double x1, double y1, double x2, double y2, std::uint32_t rgb) {
  return Quad(pen, x1, y1, x2, y1, x2, y2, x1, y2, rgb);
}

CDataSolid Disk(const Pen& pen, double cx, double cy, double radius, std::uint32_t rgb) {
  Pen own = pen;
  own.colour = 10;
  own.style = 101;  // circle solid: centre, (radius, flatness), (tilt, start), (sweep, 100)
  return CDataSolid{HeadOf(own), cx, cy, radius, 1, 0, 0, kTurn, 100, static_cast<std::int32_t>(rgb)};
}

CDataTen Point(const Pen& pen, double x, double y) { return CDataTen{HeadOf(pen), x, y, 0, 0, 0, 0}; }

double TextLength(TextKind kind, std::string_view cp932) {
  const double bytes = static_cast<double>(ShownBytes(cp932));
  return bytes == 0 ? 0 : bytes * (kind.size + kind.spacing) / 2 - kind.spacing;
}

CDataMoji Text(const Pen& pen, TextKind kind, double x, double y, std::string_view utf8, Anchor anchor,
               double angle) {
  CDataMoji t;
  t.head = HeadOf(pen);
  t.textType = kind.type;
  t.sizeX = t.sizeY = kind.size;
  t.spacing = kind.spacing;
  t.angle = angle;
  t.fontName = FontName();
  t.text = Utf8ToCp932(utf8);
  const double a = angle * std::numbers::pi / 180;
  const double ux = std::cos(a), uy = std::sin(a);  // along the baseline
  const double nx = -uy, ny = ux;                    // up the text
  const double len = TextLength(kind, t.text);
  if (anchor != Anchor::BottomLeft) {
    x -= ux * len / 2;
    y -= uy * len / 2;
  }
  if (anchor == Anchor::MiddleCentre) {
    x -= nx * kind.size / 2;
    y -= ny * kind.size / 2;
  }
  t.x1 = x;
  t.y1 = y;
  t.x2 = x + ux * len;
  t.y2 = y + uy * len;
  return t;
}

CDataSunpou Dimension(const Pen& pen, double x1, double y1, double x2, double y2, double offset,
                      std::string_view valueUtf8, TextKind kind) {
  const double len = std::hypot(x2 - x1, y2 - y1);
  const double ux = (x2 - x1) / len, uy = (y2 - y1) / len;
  const double nx = -uy, ny = ux;
  const double side = offset < 0 ? -1 : 1;
  CDataSunpou d;
  d.head = HeadOf(pen);
  d.line = Line(pen, x1 + nx * offset, y1 + ny * offset, x2 + nx * offset, y2 + ny * offset);
  const double mx = (d.line.x1 + d.line.x2) / 2, my = (d.line.y1 + d.line.y2) / 2;
  const double angle = std::atan2(uy, ux) * 180 / std::numbers::pi;
  d.text = Text(pen, kind, mx + nx * 0.6, my + ny * 0.6, valueUtf8, Anchor::BottomCentre, angle);
  d.sxfMode = 0;
  const double gap = 1.0, over = 1.5;
  d.auxLine1 = Line(pen, x1 + nx * gap * side, y1 + ny * gap * side, x1 + nx * (offset + over * side),
                    y1 + ny * (offset + over * side));
  d.auxLine2 = Line(pen, x2 + nx * gap * side, y2 + ny * gap * side, x2 + nx * (offset + over * side),
                    y2 + ny * (offset + over * side));
  d.point1 = Point(pen, d.line.x1, d.line.y1);
  d.point2 = Point(pen, d.line.x2, d.line.y2);
  d.auxPoint1 = Point(pen, x1, y1);
  d.auxPoint2 = Point(pen, x2, y2);
  return d;
}

void Rect(const Sink& out, const Pen& pen, double x1, double y1, double x2, double y2) {
  out.add(Line(pen, x1, y1, x2, y1));
  out.add(Line(pen, x2, y1, x2, y2));
  out.add(Line(pen, x2, y2, x1, y2));
  out.add(Line(pen, x1, y2, x1, y1));
}

void AddDimensionWithMarks(const Sink& out, CDataSunpou dim) {
  out.add(dim.auxLine1);
  out.add(dim.auxLine2);
  out.add(dim.point1);
  out.add(dim.point2);
  out.add(std::move(dim));
}

CDataBlock Insert(const Pen& pen, int number, double x, double y, double scale, double angle) {
  return CDataBlock{HeadOf(pen), x, y, scale, scale, angle, number};
}

}  // namespace sw::example
