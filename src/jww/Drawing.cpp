#include "jww/Drawing.h"

namespace sw {

void JWWDrawing::clearEntities() {
  JWWLines.clear();
  JWWArcs.clear();
  JWWPoints.clear();
  JWWTexts.clear();
  JWWSolids.clear();
  JWWInserts.clear();
  JWWDims.clear();
  JWWBlocks.clear();
}

void JWWDrawing::clearForNew() {
  clearEntities();
  LayerHasLines.fill(0);
  LayerHasText.fill(0);
  GroupHasLines.fill(0);
  GroupHasText.fill(0);
  for (auto& n : head.layerNames) n.clear();
  for (auto& n : head.groupNames) n.clear();
}

void TJWWList::add(std::int32_t index, std::string_view name) {
  entries_.push_back(Entry{std::string(name.substr(0, 255)), index});
}

std::string_view TJWWList::nameOf(std::int32_t index) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
    if (it->index == index) return it->name;
  return {};
}

}  // namespace sw
