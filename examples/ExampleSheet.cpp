// Border and title block (1:1), the 1:20 details and the legend. Paper mm;
// the details and the legend lie beside the paper (x > 210).
#include <cmath>
#include <numbers>
#include <string>

#include "examples/ExampleParts.h"

namespace sw::example {

namespace {

constexpr double kPi = std::numbers::pi;

// A title-block cell's text, centred in the cell.
void Cell(const Sink& out, TextKind kind, double x1, double x2, double yMid, const char* text) {
  out.add(Text(PenOn(kSheetFrame, kTitleBlock, 2), kind, (x1 + x2) / 2, yMid, text, Anchor::MiddleCentre));
}

// A heading with the scale after it.
void Heading(const Sink& out, const Pen& pen, double x, double y, const char* title, const char* scale) {
  CDataMoji t = Text(pen, kText4, x, y, title);
  const double after = t.x2 + 3;
  out.add(std::move(t));
  out.add(Text(pen, kText3, after, y, scale));
}

// The desk set at 1:20, its lower left corner at (x0, y0).
void AddDeskDetail(const Sink& out, double x0, double y0) {
  const Pen lines = PenOn(kDetail, kDetailLines, 2);
  const Pen hidden = PenOn(kDetail, kDetailLines, 2, 4);
  const Pen dims = PenOn(kDetail, kDetailDims, 1);
  const Pen notes = PenOn(kDetail, kDetailNotes, 2);
  auto x = [&](double v) { return x0 + v; };
  auto y = [&](double v) { return y0 + v; };
  out.add(Insert(lines, kDeskBlock, x(37), y(83), 5, 0));
  Rect(out, hidden, x(48), y(50), x(66), y(81));  // pedestal drawers under the top
  out.add(Line(hidden, x(48), y(60.5), x(66), y(60.5)));
  out.add(Line(hidden, x(48), y(71), x(66), y(71)));
  AddDimensionWithMarks(out, Dimension(dims, x(7), y(83), x(67), y(83), 6, "1,200"));
  AddDimensionWithMarks(out, Dimension(dims, x(67), y(48), x(67), y(83), -6, "700"));
  AddDimensionWithMarks(out, Dimension(dims, x(26), y(20), x(48), y(20), -4, "440"));
  out.add(Text(notes, kText2, x(4), y(94), "天板：メラミン化粧板 t=25"));
  out.add(Text(notes, kText2, x(50), y(44), "袖引出し 3段"));
  Heading(out, notes, x(4), y(3), "^_事務机 詳細図", "S=1/20");
}

// A column section at 1:20, its lower left corner at (x0, y0).
void AddColumnDetail(const Sink& out, double x0, double y0) {
  const double cx = x0 + 30, cy = y0 + 34;
  const Pen lines = PenOn(kDetail, kColumnDetail, 2);
  const Pen hoop = PenOn(kDetail, kColumnDetail, 3, 2);
  const Pen centre = PenOn(kDetail, kColumnDetail, 8, 5);
  const Pen dims = PenOn(kDetail, kDetailDims, 1);
  const Pen notes = PenOn(kDetail, kDetailNotes, 2);
  out.add(Insert(lines, kColumnBlock, cx, cy, 5, 0));
  out.add(Circle(hoop, cx, cy, 12.8));
  for (int k = 0; k < 8; ++k) {
    const double a = k * kPi / 4 + kPi / 8;
    out.add(Circle(lines, cx + 10.8 * std::cos(a), cy + 10.8 * std::sin(a), 1.1));
  }
  out.add(Line(centre, cx - 20, cy, cx + 20, cy));
  out.add(Line(centre, cx, cy - 20, cx, cy + 20));
  AddDimensionWithMarks(out, Dimension(dims, cx - 15, cy, cx + 15, cy, 19, "φ600"));
  out.add(Text(notes, kText2, cx + 21, cy + 8, "主筋 8-D22"));
  out.add(Text(notes, kText2, cx + 21, cy + 3, "帯筋 D10@100"));
  out.add(Text(notes, kText2, cx + 21, cy - 2, "かぶり厚 40"));
  Heading(out, notes, x0 + 4, y0 + 3, "^_柱 詳細図", "S=1/20");
}

}  // namespace

void AddSheetFrame(JWWDrawing& d) {
  const Sink out{&d, nullptr};
  Rect(out, PenOn(kSheetFrame, kBorder, 2, 1, 7), -200, -138.5, 200, 138.5);
  const Pen grid = PenOn(kSheetFrame, kTitleBlock, 2);
  const double left = 80, right = 200, top = -98.5, bottom = -138.5;
  out.add(Line(grid, left, top, right, top));
  out.add(Line(grid, left, bottom, left, top));
  for (double y : {-108.5, -118.5, -128.5}) out.add(Line(grid, left, y, right, y));
  out.add(Line(grid, 100, bottom, 100, top));
  out.add(Line(grid, 150, bottom, 150, -118.5));
  out.add(Line(grid, 165, bottom, 165, -118.5));
  Cell(out, kText2, 80, 100, -103.5, "工事名");
  Cell(out, kText3, 100, 200, -103.5, "^_白樺台オフィス新築工事");
  Cell(out, kText2, 80, 100, -113.5, "図面名");
  Cell(out, kText3, 100, 200, -113.5, "^!1階平面図・詳細図");
  Cell(out, kText2, 80, 100, -123.5, "縮尺");
  Cell(out, kText3, 100, 150, -123.5, "1/100, 1/20");
  Cell(out, kText2, 150, 165, -123.5, "図番");
  Cell(out, kText3, 165, 200, -123.5, "A-01");
  Cell(out, kText2, 80, 100, -133.5, "日付");
  Cell(out, kText3, 100, 150, -133.5, "2024.04.01");
  Cell(out, kText2, 150, 165, -133.5, "設計");
  Cell(out, kText3, 165, 200, -133.5, "白樺設計室");
  // North arrow.
  const Pen arrow = PenOn(kSheetFrame, kNorthArrow, 2);
  const double ax = -182, ay = 118;
  out.add(Circle(arrow, ax, ay, 7));
  out.add(Quad(arrow, ax, ay + 6, ax + 3.5, ay - 5.5, ax, ay - 3, ax - 3.5, ay - 5.5, 0x00000000));
  out.add(Text(arrow, kText3, ax, ay + 8.5, "N", Anchor::BottomCentre));
}

void AddDetails(JWWDrawing& d) {
  const Sink out{&d, nullptr};
  AddDeskDetail(out, kDeskDetailArea.left, kDeskDetailArea.bottom);
  AddColumnDetail(out, kColumnDetailArea.left, kColumnDetailArea.bottom);
}

// A strip under the plan: the symbols in a row, the line types in two columns.
void AddLegend(JWWDrawing& d) {
  const Sink out{&d, nullptr};
  const Pen symbols = PenOn(kLegend, kSymbols, 2);
  const Pen notes = PenOn(kLegend, kLegendNotes, 2);
  const LineRect& r = kLegendArea;
  Rect(out, notes, r.left, r.bottom, r.right, r.top);
  out.add(Text(notes, kText4, r.left + 3, r.top - 6, "^_凡例"));
  const double row = r.bottom + 15;
  out.add(Insert(symbols, kColumnBlock, -186, row));
  out.add(Text(notes, kText2, -180, row - 1.2, "柱 φ600"));
  out.add(Insert(symbols, kChairBlock, -156, row));
  out.add(Text(notes, kText2, -151, row - 1.2, "椅子 W440"));
  out.add(Insert(symbols, kToiletBlock, -123, row + 4.5));
  out.add(Text(notes, kText2, -118, row - 1.2, "洋便器"));
  out.add(Insert(symbols, kDeskBlock, -92, row + 6));
  out.add(Text(notes, kText2, -84, row - 1.2, "事務机 W1200×D700"));
  const char* names[] = {"点線1", "点線2", "点線3", "一点鎖線1", "一点鎖線2", "二点鎖線1", "二点鎖線2", "補助線種"};
  for (int k = 0; k < 8; ++k) {
    const double x = k < 4 ? -52 : 12, y = r.top - 7 - 7.5 * (k % 4);
    out.add(Line(PenOn(kLegend, kLineTypes, 2, 2 + k), x, y, x + 20, y));
    out.add(Text(notes, kText2, x + 23, y - 1.2, "線種" + std::to_string(2 + k) + " " + names[k]));
  }
}

}  // namespace sw::example
