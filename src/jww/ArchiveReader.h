// Field readers of the JWW object archive: strings, counts, entity heads and
// the fields of each class, for one file version.
#pragma once

#include <cstdint>
#include <string>

#include "core/ByteReader.h"
#include "jww/Records.h"

namespace sw {

class ArchiveReader {
 public:
  ArchiveReader(ByteReader& r, std::uint32_t version) : r_(r), version_(version) {}
  void setVersion(std::uint32_t v) { version_ = v; }
  ByteReader& bytes() { return r_; }
  std::uint32_t version() const { return version_; }

  // A string: a length byte; 0xFF is followed by a WORD length, 0xFFFF by a
  // DWORD length, and the WORD 0xFFFE marks UTF-16LE text whose length (in
  // code units, encoded the same way) follows; that text is converted to
  // CP932. Lengths that run past the end are errors.
  std::string string();
  // A count: a WORD, or after 0xFFFF a DWORD.
  std::uint32_t count();

  JWWEntityHead head();
  JWWLayerGroupState groupState();

  // The fields of one object of each class, head included.
  CDataSen line();
  CDataEnko arc();
  CDataTen point();
  CDataMoji text();
  CDataSolid solid();
  CDataBlock insert();
  CDataSunpou dimension();
  CDataList list();

 private:
  void lineFields(CDataSen& s);
  void pointFields(CDataTen& p);
  void textFields(CDataMoji& t);

  ByteReader& r_;
  std::uint32_t version_;
};

}  // namespace sw
