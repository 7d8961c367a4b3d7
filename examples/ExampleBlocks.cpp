// Block definitions of the example. Members are drawn at 1:100 in paper mm
// around the insertion point; the chair faces +y.
#include <numbers>

#include "core/Cp932.h"
#include "examples/ExampleParts.h"

namespace sw::example {

namespace {

constexpr double kPi = std::numbers::pi;
// The definitions' time stamp: fixed, so that the file is the same on every run.
constexpr std::int32_t kBlockTime = 1711929600;

void Define(JWWDrawing& d, int number, const char* nameUtf8, const std::vector<JWWMember>& members) {
  CDataList def;
  def.head = HeadOf(Pen{});
  def.number = number;
  def.referenced = 1;
  def.time = kBlockTime;
  def.name = Utf8ToCp932(nameUtf8);
  def.memberCount = static_cast<std::int32_t>(members.size());
  d.JWWBlocks.addDefinition(def);
  for (const JWWMember& m : members) d.JWWBlocks.addMember(m);
}

std::vector<JWWMember> Column() {
  std::vector<JWWMember> m;
  const Sink out{nullptr, &m};
  const Pen pen = PenOn(kPlan, kStructure, 2);
  out.add(Disk(pen, 0, 0, 3, 0x00808080));
  out.add(Circle(pen, 0, 0, 3));
  return m;
}

std::vector<JWWMember> Chair() {
  std::vector<JWWMember> m;
  const Sink out{nullptr, &m};
  const Pen pen = PenOn(kPlan, kFurniture, 6);
  Rect(out, pen, -2.2, -2.2, 2.2, 2.2);                         // seat
  out.add(Line(pen, -2.2, -2.2, -2.2, -2.8));                   // backrest
  out.add(Line(pen, -2.2, -2.8, 2.2, -2.8));
  out.add(Line(pen, 2.2, -2.8, 2.2, -2.2));
  out.add(Arc(pen, 0, -0.2, 1.6, kPi * 0.15, kPi * 0.7));       // seat cushion
  return m;
}

// Desk 1200 x 700 with its back edge on the insertion point, chair in front.
std::vector<JWWMember> Desk() {
  std::vector<JWWMember> m;
  const Sink out{nullptr, &m};
  const Pen pen = PenOn(kPlan, kFurniture, 6);
  Rect(out, pen, -6, -7, 6, 0);                                  // top
  Rect(out, pen, -2.5, -1.6, 2.5, -0.8);                        // monitor
  out.add(Line(pen, 2, -7, 2, 0));                              // drawer pedestal
  out.add(Insert(pen, kChairBlock, 0, -9.8));
  return m;
}

// Table 2400 x 1200 with eight chairs around it.
std::vector<JWWMember> Table() {
  std::vector<JWWMember> m;
  const Sink out{nullptr, &m};
  const Pen pen = PenOn(kPlan, kFurniture, 6);
  Rect(out, pen, -12, -6, 12, 6);
  out.add(Line(pen, -10.5, 0, 10.5, 0));                        // joint of the two tops
  for (double x : {-7.0, 0.0, 7.0}) {
    out.add(Insert(pen, kChairBlock, x, -8.8, 1, 0));
    out.add(Insert(pen, kChairBlock, x, 8.8, 1, kPi));
  }
  out.add(Insert(pen, kChairBlock, -14.8, 0, 1, -kPi / 2));
  out.add(Insert(pen, kChairBlock, 14.8, 0, 1, kPi / 2));
  return m;
}

// WC with the tank against the wall on the insertion point, bowl towards -y.
std::vector<JWWMember> Toilet() {
  std::vector<JWWMember> m;
  const Sink out{nullptr, &m};
  const Pen pen = PenOn(kPlan, kFixtures, 6);
  Rect(out, pen, -2.2, -2.0, 2.2, 0);
  out.add(Ellipse(pen, 0, -4.7, 2.7, 0.72, kPi / 2));
  out.add(Ellipse(pen, 0, -4.9, 1.9, 0.68, kPi / 2));
  return m;
}

}  // namespace

void AddBlocks(JWWDrawing& d) {
  Define(d, kColumnBlock, "柱φ600", Column());
  Define(d, kChairBlock, "椅子", Chair());
  Define(d, kDeskBlock, "事務机セット", Desk());
  Define(d, kTableBlock, "会議テーブルセット", Table());
  Define(d, kToiletBlock, "洋便器", Toilet());
}

}  // namespace sw::example
