// Test-only JWW writer: builds drawings field by field in the archive layout
// the reader expects, for every version branch, including what real files
// seldom hold (old versions, long strings, UTF-16 strings, count escapes,
// unknown classes).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/ByteWriter.h"
#include "jww/Drawing.h"

namespace sw::test {

class JwwWriter {
 public:
  explicit JwwWriter(std::uint32_t version) : version_(version) {}

  // When set, every string goes out in the UTF-16 form (0xFF, 0xFFFE, length).
  bool utf16Strings = false;

  ByteWriter& out() { return w_; }
  std::uint32_t version() const { return version_; }

  // A CP932 string in the shortest byte-length form (byte; 0xFF + WORD;
  // 0xFF + WORD 0xFFFF + DWORD), or UTF-16 when utf16Strings is set.
  void string(std::string_view cp932);
  // A string in the UTF-16 form, given as UTF-8.
  void utf16String(std::string_view utf8);
  // A count: WORD, or 0xFFFF and a DWORD from 0xFFFF on.
  void count(std::uint32_t c);

  void signature(std::string_view sig = "JwwData.") { w_.bytes(sig); }
  void versionField() { w_.u32(version_); }
  // Every header field after the version, with the version's branches.
  void header(const JWWHead& h);
  void head(const JWWEntityHead& h);
  void groupState(const JWWLayerGroupState& g);

  // The tag of an object of `className`: the first time a new-class tag with
  // schema and name, later a class reference. Advances the index counter as
  // the archive does.
  void tag(std::string_view className);
  void endTag() { w_.u16(0); }

  // Tagged objects.
  void object(const CDataSen& r);
  void object(const CDataEnko& r);
  void object(const CDataTen& r);
  void object(const CDataMoji& r);
  void object(const CDataSolid& r);
  void object(const CDataBlock& r);
  void object(const CDataSunpou& r);
  void object(const CDataList& r);
  void object(const JWWMember& m);

  // Untagged fields of each class, as embedded in a dimension.
  void fields(const CDataSen& r);
  void fields(const CDataTen& r);
  void fields(const CDataMoji& r);

  std::vector<std::uint8_t> take() { return w_.take(); }

 private:
  std::uint32_t version_;
  ByteWriter w_;
  std::map<std::string, std::uint32_t, std::less<>> classes_;
  std::uint32_t counter_ = 1;
};

// A whole file for d.head.version: header, the main entities class by class,
// then (when there are any) a definition count and each definition followed
// by its members, then the end tag.
std::vector<std::uint8_t> WriteJww(const JWWDrawing& d, bool utf16Strings = false);

// A drawing with a plausible header for `version` (memo, A3 paper, group
// scales, layer names) and no entities.
JWWDrawing MakeDrawing(std::uint32_t version);

// A head on layer `layer` of group `group` with pen colour and line type.
JWWEntityHead MakeHead(int group, int layer, int penColor = 1, int penStyle = 1);

}  // namespace sw::test
