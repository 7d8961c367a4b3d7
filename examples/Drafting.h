// Record builders for the example drawing. Every coordinate and size here is
// paper mm (the unit JWW files store); the plan helpers take building
// coordinates in real mm and map them through a PlanScale. Texts are given as
// UTF-8 and stored as CP932.
#pragma once

#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "jww/Drawing.h"

namespace sw::example {

// Layer, colour and line type of an entity.
struct Pen {
  int group = 0;
  int layer = 0;
  int colour = 2;   // 1..9 standard pens; 10 with a solid's own RGB
  int style = 1;    // line type 1..9
  int width = 0;    // stored pen width (version 351 and later)
};

JWWEntityHead HeadOf(const Pen& pen);

CDataSen Line(const Pen& pen, double x1, double y1, double x2, double y2);
CDataEnko Circle(const Pen& pen, double cx, double cy, double radius);
// An arc from `start` counter-clockwise through `sweep` (radians).
CDataEnko Arc(const Pen& pen, double cx, double cy, double radius, double start, double sweep);
// An ellipse: `radius` along the axis tilted by `tilt`, radius x flatness across it.
CDataEnko Ellipse(const Pen& pen, double cx, double cy, double radius, double flatness, double tilt);
// A filled quadrilateral in its own colour (0x00BBGGRR), pen colour 10.
CDataSolid Quad(const Pen& pen, double x1, double y1, double x2, double y2, double x3, double y3,
                double x4, double y4, std::uint32_t rgb);
// A filled axis-parallel rectangle.
CDataSolid Box(const Pen& pen, double x1, double y1, double x2, double y2, std::uint32_t rgb);
// A filled whole circle (a circle solid).
CDataSolid Disk(const Pen& pen, double cx, double cy, double radius, std::uint32_t rgb);
CDataTen Point(const Pen& pen, double x, double y);

// Text kinds of Jw_cad's presets: kind n has the size below (paper mm).
struct TextKind {
  int type = 3;
  double size = 3;
  double spacing = 0.5;
};
inline constexpr TextKind kText2{2, 2.5, 0};
inline constexpr TextKind kText3{3, 3, 0.5};
inline constexpr TextKind kText4{4, 4, 0.5};
inline constexpr TextKind kText5{5, 5, 0.5};

// Where the given point sits on the text.
enum class Anchor { BottomLeft, BottomCentre, MiddleCentre };

// A text whose anchor point is (x, y) and whose end point follows from its
// width; `angle` in degrees.
CDataMoji Text(const Pen& pen, TextKind kind, double x, double y, std::string_view utf8,
               Anchor anchor = Anchor::BottomLeft, double angle = 0);
// Paper length of a CP932 text of `kind`, special codes included.
double TextLength(TextKind kind, std::string_view cp932);

// A dimension between two points measured along the direction p1 -> p2,
// its line moved sideways by `offset` (to the left of p1 -> p2), with
// extension lines from the points and the value text centred on the line.
// Version 420 fields (extension lines and end points) are filled too.
CDataSunpou Dimension(const Pen& pen, double x1, double y1, double x2, double y2, double offset,
                      std::string_view valueUtf8, TextKind kind = kText2);

// Collected entities: the main drawing's arrays or one block's members.
struct Sink {
  JWWDrawing* drawing = nullptr;
  std::vector<JWWMember>* members = nullptr;
  template <class R>
  void add(R r) const;
};

template <class R>
void Sink::add(R r) const {
  if (members) {
    members->push_back(std::move(r));
    return;
  }
  if constexpr (std::is_same_v<R, CDataSen>) drawing->JWWLines.push_back(std::move(r));
  else if constexpr (std::is_same_v<R, CDataEnko>) drawing->JWWArcs.push_back(std::move(r));
  else if constexpr (std::is_same_v<R, CDataTen>) drawing->JWWPoints.push_back(std::move(r));
  else if constexpr (std::is_same_v<R, CDataMoji>) drawing->JWWTexts.push_back(std::move(r));
  else if constexpr (std::is_same_v<R, CDataSolid>) drawing->JWWSolids.push_back(std::move(r));
  else if constexpr (std::is_same_v<R, CDataBlock>) drawing->JWWInserts.push_back(std::move(r));
  else drawing->JWWDims.push_back(std::move(r));
}

// The four sides of an axis-parallel rectangle.
void Rect(const Sink& out, const Pen& pen, double x1, double y1, double x2, double y2);

// A dimension with the extension lines and end marks that Jw_cad draws
// beside it (the dimension record's own copies are not drawn).
void AddDimensionWithMarks(const Sink& out, CDataSunpou dim);

// A block insert of definition `number`.
CDataBlock Insert(const Pen& pen, int number, double x, double y, double scale = 1, double angle = 0);

}  // namespace sw::example
