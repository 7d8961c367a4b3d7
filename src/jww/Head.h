// The JWW file header, every field in the order the file stores it. Most of
// it is only kept; the program uses memo, paperSize, writeGroup, groups,
// layerNames, groupNames and the SXF tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "jww/Records.h"

namespace sw {

// One extended (user-defined) print pen.
struct JWWPrtPen2 {
  std::string name;
  std::int32_t printColor = 0;
  std::int32_t printWidth = 0;
  double pointRadius = 0;
  bool operator==(const JWWPrtPen2&) const = default;
};

// One user-defined line type.
struct JWWLType4 {
  std::string name;
  std::int32_t segmentCount = 0;
  std::array<double, 10> pitches{};
  bool operator==(const JWWLType4&) const = default;
};

// A 28-byte block (3 doubles, 1 DWORD); files before version 300 store the
// first four jumps as 24 bytes, without the DWORD.
struct JWWTriple {
  std::array<double, 3> d{};
  std::int32_t i = 0;
  bool operator==(const JWWTriple&) const = default;
};

struct JWWPen {
  std::int32_t color = 0;
  std::int32_t width = 0;
  bool operator==(const JWWPen&) const = default;
};

struct JWWPrintPen {
  std::int32_t color = 0;
  std::int32_t width = 0;
  double radius = 0;
  bool operator==(const JWWPrintPen&) const = default;
};

// One SXF line-type entry: pattern, unit dots, pitch, print pitch.
struct JWWSxfLineType {
  std::int32_t pattern = 0;
  std::int32_t unitDots = 0;
  std::int32_t pitch = 0;
  std::int32_t printPitch = 0;
  bool operator==(const JWWSxfLineType&) const = default;
};

struct JWWHead {
  std::string signature;  // "JwwData." after a successful read
  std::uint32_t version = 0;
  std::string memo;
  std::int32_t paperSize = 0;  // 0..4 A0..A4, 8..14 larger sheets
  std::int32_t writeGroup = 0;
  std::array<JWWLayerGroupState, 16> groups{};
  std::array<std::int32_t, 14> reserved1{};
  std::array<std::int32_t, 7> settings1{};
  struct {
    std::array<double, 3> a{};
    std::array<std::int32_t, 2> b{};
    std::array<double, 5> c{};
  } settings2;
  std::array<std::string, 256> layerNames{};  // group g, layer l at g * 16 + l
  std::array<std::string, 16> groupNames{};
  struct {
    std::array<double, 2> a{};
    std::int32_t b = 0;
    double c = 0;
    std::array<double, 2> d{};  // from version 300
  } settings3;
  struct {
    std::int32_t a = 0;
    std::array<double, 6> b{};
  } settings4;
  std::array<JWWTriple, 8> jumps{};       // before 300: only 4, without the DWORD
  std::array<JWWTriple, 2> jumpsExtra{};  // from version 300
  std::array<double, 11> settings5{};
  std::array<JWWPen, 10> penTable{};
  std::array<JWWPrintPen, 10> printPenTable{};
  std::array<std::array<std::int32_t, 4>, 8> lineTypeTable{};
  std::array<std::array<std::int32_t, 5>, 5> randomLineTable{};
  std::array<std::array<std::int32_t, 4>, 4> doubleLineTable{};
  std::array<std::int32_t, 11> flags11{};  // [10] is 10 for files before version 600
  struct {
    std::array<std::int32_t, 5> a{};
    std::array<double, 9> b{};
    std::array<std::int32_t, 2> c{};
  } settings6;
  // From version 420 on; extended colour n (n >= 100) sits at index n - 100.
  std::array<JWWPen, 257> sxfColors{};
  std::array<JWWPrtPen2, 257> sxfPrintPens{};
  std::array<JWWSxfLineType, 33> sxfLineTypes{};
  std::array<JWWLType4, 33> sxfUserLineTypes{};
  std::array<JWWTriple, 10> textStyles{};
  struct {
    std::array<double, 3> a{};
    std::array<std::int32_t, 2> b{};
    std::array<double, 2> c{};
    std::int32_t d = 0;
    std::array<double, 6> e{};
  } settings7;
};

}  // namespace sw
