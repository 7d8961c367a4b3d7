// The base drawing: header, the seven entity arrays of the main drawing, the
// block store and the data-present tables.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "jww/BlockList.h"
#include "jww/Head.h"

namespace sw {

struct JWWDrawing {
  JWWHead head;
  // Entities of the main drawing (none of a block definition), in file order.
  std::vector<CDataSen> JWWLines;
  std::vector<CDataEnko> JWWArcs;
  std::vector<CDataTen> JWWPoints;
  std::vector<CDataMoji> JWWTexts;
  std::vector<CDataSolid> JWWSolids;
  std::vector<CDataBlock> JWWInserts;
  std::vector<CDataSunpou> JWWDims;
  TJWWBlockList JWWBlocks;
  // Set by the reader: index layerGroup * 16 + layer, and layerGroup. Lines,
  // arcs, points, solids and dimensions set the *Lines tables, texts the
  // *Text tables; inserts and definitions set nothing.
  std::array<std::uint8_t, 256> LayerHasLines{};
  std::array<std::uint8_t, 256> LayerHasText{};
  std::array<std::uint8_t, 16> GroupHasLines{};
  std::array<std::uint8_t, 16> GroupHasText{};

  // Empties the seven arrays and the block store.
  void clearEntities();
  // File New: entities, block store, data-present tables, layer and group names.
  void clearForNew();
};

// The class registry of one read: (class name, index) entries.
class TJWWList {
 public:
  // Appends an entry; the name is cut to 255 bytes.
  void add(std::int32_t index, std::string_view name);
  // Name of the last entry with that index, or an empty name.
  std::string_view nameOf(std::int32_t index) const;
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string name;
    std::int32_t index;
  };
  std::vector<Entry> entries_;
};

}  // namespace sw
