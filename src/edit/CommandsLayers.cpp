#include "edit/CommandsLayers.h"

#include <algorithm>

namespace sw {

namespace {

char HexDigit(int v) { return "0123456789ABCDEF"[v & 15]; }

}  // namespace

std::string LayerNameText(const Workspace& ws) {
  const int g = std::clamp(ws.layers.CurrentGroup, 0, 15);
  const int l = std::clamp(ws.layers.CurrentLayer, 0, 15);
  const JWWHead& head = ws.drawing.head;
  const std::string& group = head.groupNames[static_cast<std::size_t>(g)];
  const std::string& layer = head.layerNames[static_cast<std::size_t>(g * 16 + l)];
  std::string text;
  if (!group.empty() || !layer.empty()) text = group + "- " + layer;
  return text + "[" + HexDigit(l) + "-" + HexDigit(g) + "]";
}

}  // namespace sw
