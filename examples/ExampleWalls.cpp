// Walls of the example plan with their doors and windows. Positions here are
// building coordinates (real mm); kPlanScale maps them onto the paper.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "examples/ExampleParts.h"

namespace sw::example {

namespace {

using Span = std::pair<double, double>;  // along a wall, real mm

constexpr double kOuter = 200;  // outer wall thickness, real mm
constexpr double kInner = 120;  // partition thickness, real mm
constexpr std::uint32_t kConcrete = 0x00787878;

// An axis-parallel wall. Its faces lie at c - t/2 ("minus") and c + t/2
// ("plus"); each face may run past the wall's ends (extensions, negative to
// stop short) so that faces meet at corners and stop at the walls they join.
struct Wall {
  bool horizontal = true;
  double c = 0, a = 0, b = 0, t = kInner;
  double minusA = 0, minusB = 0, plusA = 0, plusB = 0;
  bool filled = false;               // concrete fill between openings
  std::vector<Span> openings;        // gaps in both faces, with jambs
  std::vector<double> teesMinus, teesPlus;  // where a partition joins a face
};

// A paper point from along/across coordinates of a wall.
struct WallFrame {
  const Wall& w;
  double px(double along, double across) const { return kPlanScale.x(w.horizontal ? along : across); }
  double py(double along, double across) const { return kPlanScale.y(w.horizontal ? across : along); }
  CDataSen line(const Pen& pen, double a1, double c1, double a2, double c2) const {
    return Line(pen, px(a1, c1), py(a1, c1), px(a2, c2), py(a2, c2));
  }
};

// [lo, hi] without the gaps (sorted, disjoint).
std::vector<Span> Without(double lo, double hi, std::vector<Span> gaps) {
  std::sort(gaps.begin(), gaps.end());
  std::vector<Span> out;
  for (const Span& g : gaps) {
    if (g.first > lo) out.emplace_back(lo, std::min(g.first, hi));
    lo = std::max(lo, g.second);
  }
  if (hi > lo) out.emplace_back(lo, hi);
  return out;
}

void DrawWall(const Sink& out, const Wall& w, const Pen& pen) {
  const WallFrame f{w};
  const double half = w.t / 2;
  auto face = [&](double across, double extA, double extB, const std::vector<double>& tees) {
    std::vector<Span> gaps = w.openings;
    for (double at : tees) gaps.emplace_back(at - kInner / 2, at + kInner / 2);
    for (const Span& s : Without(w.a - extA, w.b + extB, gaps)) out.add(f.line(pen, s.first, across, s.second, across));
  };
  face(w.c - half, w.minusA, w.minusB, w.teesMinus);
  face(w.c + half, w.plusA, w.plusB, w.teesPlus);
  for (const Span& o : w.openings) {
    out.add(f.line(pen, o.first, w.c - half, o.first, w.c + half));
    out.add(f.line(pen, o.second, w.c - half, o.second, w.c + half));
  }
  if (!w.filled) return;
  const double extA = std::max(w.minusA, w.plusA), extB = std::max(w.minusB, w.plusB);
  for (const Span& s : Without(w.a - extA, w.b + extB, w.openings))
    out.add(Box(pen, f.px(s.first, w.c - half), f.py(s.first, w.c - half), f.px(s.second, w.c + half),
                f.py(s.second, w.c + half), kConcrete));
}

// A sliding window in an opening: frame lines on both faces and two
// overlapping sashes.
void DrawWindow(const Sink& out, const Wall& w, Span o) {
  const WallFrame f{w};
  const Pen pen = PenOn(kPlan, kFittings, 3);
  const double half = w.t / 2, mid = (o.first + o.second) / 2;
  out.add(f.line(pen, o.first, w.c - half, o.second, w.c - half));
  out.add(f.line(pen, o.first, w.c + half, o.second, w.c + half));
  out.add(f.line(pen, o.first, w.c - half / 3, mid + 100, w.c - half / 3));
  out.add(f.line(pen, mid - 100, w.c + half / 3, o.second, w.c + half / 3));
}

// A hinged door in an opening: hinged at its start (or end) on the face of
// the `side` (+1 plus, -1 minus) it opens to; the leaf drawn open, with its swing.
void DrawDoor(const Sink& out, const Wall& w, Span o, bool hingeAtStart, int side) {
  const WallFrame f{w};
  const Pen pen = PenOn(kPlan, kFittings, 3);
  const double hingeAlong = hingeAtStart ? o.first : o.second;
  const double across = w.c + side * w.t / 2;
  const double width = o.second - o.first;
  out.add(f.line(pen, hingeAlong, across, hingeAlong, across + side * width));
  // Directions on the paper: closed towards the other jamb, open across.
  const double alongX = w.horizontal ? 1 : 0, alongY = w.horizontal ? 0 : 1;
  const double closedX = (hingeAtStart ? 1 : -1) * alongX, closedY = (hingeAtStart ? 1 : -1) * alongY;
  const double openX = side * alongY, openY = side * alongX;
  const double closed = std::atan2(closedY, closedX), open = std::atan2(openY, openX);
  const bool counterClockwise = closedX * openY - closedY * openX > 0;
  double start = counterClockwise ? closed : open;
  if (start < 0) start += 2 * std::numbers::pi;
  out.add(Arc(pen, f.px(hingeAlong, across), f.py(hingeAlong, across), kPlanScale.size(width), start,
              std::numbers::pi / 2));
}

Wall Outer(bool horizontal, double c, double a, double b, bool plusIsOutside) {
  Wall w;
  w.horizontal = horizontal;
  w.c = c;
  w.a = a;
  w.b = b;
  w.t = kOuter;
  const double out = kOuter / 2, in = -kOuter / 2;
  w.minusA = w.minusB = plusIsOutside ? in : out;
  w.plusA = w.plusB = plusIsOutside ? out : in;
  w.filled = true;
  return w;
}

Wall Inner(bool horizontal, double c, double a, double b, double extA, double extB) {
  Wall w;
  w.horizontal = horizontal;
  w.c = c;
  w.a = a;
  w.b = b;
  w.minusA = w.plusA = extA;
  w.minusB = w.plusB = extB;
  return w;
}

}  // namespace

void AddWalls(JWWDrawing& d) {
  const Sink out{&d, nullptr};
  const Pen structure = PenOn(kPlan, kStructure, 2, 1, 7);
  const Pen partition = PenOn(kPlan, kPartition, 1, 1, 3);
  const double o = -kOuter / 2, p = -kInner / 2;  // stop short at an outer wall, at a partition

  Wall south = Outer(true, 0, 0, 18000, false);
  south.openings = {{1500, 4500}, {8100, 9900}, {13000, 14200}, {16000, 17200}};
  south.teesPlus = {6000, 12000, 15000};
  Wall north = Outer(true, 10000, 0, 18000, true);
  north.openings = {{1000, 2800}, {3200, 5000}, {7500, 10500}, {13500, 16500}};
  north.teesMinus = {6000, 12000};
  Wall west = Outer(false, 0, 0, 10000, false);
  west.openings = {{3500, 6500}};
  Wall east = Outer(false, 18000, 0, 10000, true);
  east.openings = {{1500, 2400}, {6500, 8500}};
  east.teesMinus = {5000};

  Wall office = Inner(false, 6000, 0, 10000, o, o);
  office.openings = {{2000, 2900}};
  office.teesPlus = {5000};
  Wall middle = Inner(false, 12000, 0, 10000, o, o);
  middle.openings = {{1200, 2000}, {6200, 7100}};
  middle.teesMinus = {5000};
  middle.teesPlus = {5000};
  Wall hall = Inner(true, 5000, 6000, 12000, p, p);
  hall.openings = {{8000, 8900}};
  Wall back = Inner(true, 5000, 12000, 18000, p, o);
  back.teesMinus = {15000};
  Wall wet = Inner(false, 15000, 0, 5000, o, p);
  wet.openings = {{600, 1400}};

  for (const Wall* w : {&south, &north, &west, &east}) DrawWall(out, *w, structure);
  for (const Wall* w : {&office, &middle, &hall, &back, &wet}) DrawWall(out, *w, partition);

  for (Span s : {Span{1500, 4500}, Span{13000, 14200}, Span{16000, 17200}}) DrawWindow(out, south, s);
  for (Span s : north.openings) DrawWindow(out, north, s);
  DrawWindow(out, west, {3500, 6500});
  DrawWindow(out, east, {6500, 8500});

  DrawDoor(out, south, {8100, 9000}, true, +1);  // entrance, a pair of leaves
  DrawDoor(out, south, {9000, 9900}, false, +1);
  DrawDoor(out, east, {1500, 2400}, true, -1);
  DrawDoor(out, office, {2000, 2900}, false, -1);
  DrawDoor(out, middle, {1200, 2000}, true, +1);
  DrawDoor(out, middle, {6200, 7100}, false, +1);
  DrawDoor(out, hall, {8000, 8900}, true, +1);
  DrawDoor(out, wet, {600, 1400}, true, +1);

  // Canopy over the entrance (above: dashed).
  const Pen canopy = PenOn(kPlan, kStructure, 2, 3);
  const double cx1 = kPlanScale.x(7600), cx2 = kPlanScale.x(10400);
  const double cy1 = kPlanScale.y(-100), cy2 = kPlanScale.y(-500);
  out.add(Line(canopy, cx1, cy1, cx1, cy2));
  out.add(Line(canopy, cx1, cy2, cx2, cy2));
  out.add(Line(canopy, cx2, cy2, cx2, cy1));
}

}  // namespace sw::example
