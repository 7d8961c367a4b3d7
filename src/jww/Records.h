// Entity records of a JWW drawing. Coordinates are drawing millimetres, y up;
// angles are radians except a text's angle, which is degrees. Strings are
// CP932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sw {

// Attributes every entity record begins with.
struct JWWEntityHead {
  std::uint32_t group = 0;       // curve/group attribute number
  std::uint8_t penStyle = 0;     // line type; for a point, 100 marks a symbol point
  std::uint16_t penColor = 0;    // 1..9 standard, 100+n extended; solids: 10 = own RGB
  std::uint16_t penWidth = 0;    // only stored from version 351 on, else 0
  std::uint16_t layer = 0;       // 0..15 within the group
  std::uint16_t layerGroup = 0;  // 0..15
  std::uint16_t flags = 0;
  bool operator==(const JWWEntityHead&) const = default;
};

// Line.
struct CDataSen {
  JWWEntityHead head;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const CDataSen&) const = default;
};

// Arc, circle or ellipse.
struct CDataEnko {
  JWWEntityHead head;
  double cx = 0, cy = 0, radius = 0;
  double startAngle = 0, arcAngle = 0, tiltAngle = 0;  // radians
  double flatness = 0;
  std::int32_t fullCircle = 0;
  bool operator==(const CDataEnko&) const = default;
};

// Point; code, angle and scale are stored only when head.penStyle is 100.
struct CDataTen {
  JWWEntityHead head;
  double x = 0, y = 0;
  std::int32_t temporary = 0;
  std::int32_t code = 0;
  double angle = 0, scale = 0;
  bool operator==(const CDataTen&) const = default;
};

// Text.
struct CDataMoji {
  JWWEntityHead head;
  double x1 = 0, y1 = 0;  // start point
  double x2 = 0, y2 = 0;  // end point
  std::int32_t textType = 0;
  double sizeX = 0, sizeY = 0, spacing = 0;
  double angle = 0;  // degrees
  std::string fontName;
  std::string text;
  bool operator==(const CDataMoji&) const = default;
};

// Filled quadrilateral (or, by its pen style, a circle solid).
struct CDataSolid {
  JWWEntityHead head;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
  std::int32_t rgb = 0;  // only when head.penColor is 10, else 0
  bool operator==(const CDataSolid&) const = default;
};

// Block insert.
struct CDataBlock {
  JWWEntityHead head;
  double x = 0, y = 0;  // insertion point
  double scaleX = 0, scaleY = 0;
  double angle = 0;  // radians
  std::int32_t blockNumber = 0;  // `number` of a CDataList
  bool operator==(const CDataBlock&) const = default;
};

// Dimension.
struct CDataSunpou {
  JWWEntityHead head;
  CDataSen line;
  CDataMoji text;
  // From version 420 on.
  std::int32_t sxfMode = 0;
  CDataSen auxLine1, auxLine2;
  CDataTen point1, point2, auxPoint1, auxPoint2;
  bool operator==(const CDataSunpou&) const = default;
};

// Block definition; its members follow it in the block store.
struct CDataList {
  JWWEntityHead head;
  std::int32_t number = 0;
  std::int32_t referenced = 0;
  std::int32_t time = 0;  // file time stamp, kept as read
  std::string name;
  std::int32_t memberCount = 0;
  bool operator==(const CDataList&) const = default;
};

// Record kinds of block members, as stored in the block store.
enum class JWWKind : std::uint8_t {
  Sen = 0,
  Enko = 1,
  Ten = 2,
  Moji = 3,
  Sunpou = 4,
  Solid = 5,
  Block = 6,
};

// State of one layer within a group.
struct JWWLayerState {
  std::int32_t state = 0;  // 0 hidden, 1 shown, 2 editable, 3 write layer
  std::int32_t protect = 0;
  bool operator==(const JWWLayerState&) const = default;
};

// State of one layer group: 148 bytes in both file formats.
struct JWWLayerGroupState {
  std::int32_t state = 0;  // 0 hidden, 1 shown, 2 editable, 3 write group
  std::int32_t writeLayer = 0;
  double scale = 0;  // drawing scale denominator
  std::int32_t protect = 0;
  std::array<JWWLayerState, 16> layers{};
  bool operator==(const JWWLayerGroupState&) const = default;
};

}  // namespace sw
