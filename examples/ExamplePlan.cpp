// Everything of the example plan but its walls: grid, columns, furniture and
// fixtures, room names, dimensions, floor finishes. Building coordinates in
// real mm, mapped by kPlanScale.
#include <numbers>
#include <string>

#include "examples/ExampleParts.h"

namespace sw::example {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kGridX[] = {0, 6000, 12000, 18000};
constexpr double kGridY[] = {0, 5000, 10000};

double X(double real) { return kPlanScale.x(real); }
double Y(double real) { return kPlanScale.y(real); }

void AddGrid(const Sink& out) {
  const Pen line = PenOn(kPlan, kGrid, 8, 6);
  const Pen bubble = PenOn(kPlan, kGrid, 8);
  const Pen label = PenOn(kPlan, kGrid, 2);
  const double r = 4;
  for (int i = 0; i < 4; ++i) {
    const double x = X(kGridX[i]);
    out.add(Line(line, x, Y(11300), x, Y(-2500)));
    out.add(Circle(bubble, x, Y(-2500) - r, r));
    out.add(Text(label, kText3, x, Y(-2500) - r, "X" + std::to_string(i + 1), Anchor::MiddleCentre));
  }
  for (int j = 0; j < 3; ++j) {
    const double y = Y(kGridY[j]);
    out.add(Line(line, X(-2500), y, X(19300), y));
    out.add(Circle(bubble, X(-2500) - r, y, r));
    out.add(Text(label, kText3, X(-2500) - r, y, "Y" + std::to_string(j + 1), Anchor::MiddleCentre));
  }
}

// A dimension of the plan between two building points.
void AddDimension(const Sink& out, double x1, double y1, double x2, double y2, double offset, const char* value) {
  const Pen pen = PenOn(kPlan, kDimensions, 1);
  AddDimensionWithMarks(out, Dimension(pen, X(x1), Y(y1), X(x2), Y(y2), offset, value));
}

void AddDimensions(const Sink& out) {
  AddDimension(out, 0, 0, 6000, 0, -10, "6,000");
  AddDimension(out, 6000, 0, 12000, 0, -10, "6,000");
  AddDimension(out, 12000, 0, 18000, 0, -10, "6,000");
  AddDimension(out, 0, 0, 18000, 0, -17, "18,000");
  AddDimension(out, 0, 0, 0, 5000, 10, "5,000");
  AddDimension(out, 0, 5000, 0, 10000, 10, "5,000");
  AddDimension(out, 0, 0, 0, 10000, 17, "10,000");
  AddDimension(out, 12000, 0, 15000, 0, -5, "3,000");
  AddDimension(out, 15000, 0, 18000, 0, -5, "3,000");
}

void AddFurniture(const Sink& out) {
  const Pen pen = PenOn(kPlan, kFurniture, 6);
  // Office: two islands of four desks, back to back.
  for (double y : {2600.0, 6400.0}) {
    for (double x : {2400.0, 3600.0}) {
      out.add(Insert(pen, kDeskBlock, X(x), Y(y), 1, 0));
      out.add(Insert(pen, kDeskBlock, X(x), Y(y), 1, kPi));
    }
  }
  out.add(Insert(pen, kTableBlock, X(9000), Y(7500)));                    // meeting room
  out.add(Insert(pen, kTableBlock, X(14300), Y(6900), 0.6, kPi / 2));     // reception set
  out.add(Insert(pen, kDeskBlock, X(16300), Y(9900), 1, 0));              // manager's desk
  // Office storage along the partition.
  Rect(out, pen, X(5400), Y(5600), X(5940), Y(9400));
  out.add(Line(pen, X(5400), Y(7500), X(5940), Y(7500)));
}

void AddFixtures(const Sink& out) {
  const Pen pen = PenOn(kPlan, kFixtures, 6);
  const Pen partition = PenOn(kPlan, kPartition, 1);
  for (double y : {4300.0, 3300.0}) out.add(Insert(pen, kToiletBlock, X(14940), Y(y), 1, -kPi / 2));
  out.add(Line(partition, X(13900), Y(3800), X(14940), Y(3800)));
  out.add(Line(partition, X(13900), Y(2800), X(14940), Y(2800)));
  // Kitchenette: counter with sink, wall cabinet above (dashed).
  Rect(out, pen, X(15300), Y(4300), X(17800), Y(4940));
  Rect(out, pen, X(16000), Y(4400), X(16800), Y(4850));
  out.add(Circle(pen, X(16400), Y(4625), 0.4));
  out.add(Line(PenOn(kPlan, kFixtures, 6, 2), X(15300), Y(4000), X(17800), Y(4000)));
  // Columns on every grid crossing.
  const Pen column = PenOn(kPlan, kStructure, 2);
  for (double x : kGridX)
    for (double y : kGridY) out.add(Insert(column, kColumnBlock, X(x), Y(y)));
}

void AddRoom(const Sink& out, double x, double y, const char* name, const char* area, TextKind kind = kText4) {
  const Pen pen = PenOn(kPlan, kRoomNames, 2);
  out.add(Text(pen, kind, X(x), Y(y), name, Anchor::MiddleCentre));
  out.add(Text(pen, kText2, X(x), Y(y) - kind.size - 1.5, area, Anchor::MiddleCentre));
}

void AddRooms(const Sink& out) {
  AddRoom(out, 3000, 8800, "事務室", "60.0m^u2");
  AddRoom(out, 9000, 3000, "エントランスホール", "30.0m^u2");
  AddRoom(out, 7100, 9400, "会議室", "30.0m^u2");
  AddRoom(out, 13400, 9200, "所長室", "30.0m^u2");
  AddRoom(out, 13500, 1600, "便所", "15.0m^u2", kText3);
  AddRoom(out, 16400, 2900, "給湯室", "15.0m^u2", kText3);
}

// The plan's title under it.
void AddPlanTitle(const Sink& out) {
  const Pen pen = PenOn(kPlan, kRoomNames, 2);
  CDataMoji title = Text(pen, kText5, X(0), -92, "^_1階平面図");
  const double after = title.x2 + 4;
  out.add(std::move(title));
  out.add(Text(pen, kText3, after, -92, "S=1/100"));
}

void AddFinishes(const Sink& out) {
  const Pen pen = PenOn(kPlan, kFinish, 2);
  out.add(Box(pen, X(12060), Y(100), X(14940), Y(4940), 0x00F4E6C8));  // tiles, light blue
  out.add(Box(pen, X(15060), Y(100), X(17900), Y(4940), 0x00D8F0F0));  // vinyl sheet, cream
}

// Settings that Jw_cad 8 keeps as texts in every drawing.
void AddJwcadSettings(const Sink& out) {
  const Pen pen = PenOn(kPlan, kGrid, 9);
  for (const char* s : {"Printer_Orientation = 1", "View_Direct2d = 1"}) {
    CDataMoji t = Text(pen, TextKind{1, 3, 0.5}, 0, -1000, s);
    t.x2 = t.x1;
    t.y2 = t.y1;
    out.add(std::move(t));
  }
}

}  // namespace

void AddPlanContents(JWWDrawing& d) {
  const Sink out{&d, nullptr};
  AddFinishes(out);
  AddGrid(out);
  AddFixtures(out);
  AddFurniture(out);
  AddRooms(out);
  AddDimensions(out);
  AddPlanTitle(out);
  AddJwcadSettings(out);
}

}  // namespace sw::example
