// The example drawing's header: paper, layer groups with their scales and
// states, layer and group names; then its parts.
#include <vector>

#include "core/Cp932.h"
#include "examples/ExampleParts.h"
#include "support/JwwWriter.h"

namespace sw::example {

namespace {

struct GroupPlan {
  int group;
  const char* name;
  double scale;
  std::vector<const char*> layers;
};

// The named groups and their named layers (by layer number).
std::vector<GroupPlan> Groups() {
  return {
      {kPlan, "1階平面図", 100, {"通り芯", "躯体", "間仕切", "建具", "設備", "家具", "室名", "寸法", "仕上"}},
      {kDetail, "詳細図", 20, {"詳細線", "詳細寸法", "詳細文字", "柱詳細"}},
      {kSheetFrame, "図枠", 1, {"枠線", "表題欄", "方位"}},
      {kLegend, "凡例", 100, {"記号", "線種見本", "凡例文字"}},
  };
}

}  // namespace

JWWDrawing MakeExampleDrawing() {
  JWWDrawing d = test::MakeDrawing(700);
  JWWHead& h = d.head;
  h.memo = Utf8ToCp932("白樺台オフィス　1階平面図");
  h.paperSize = 3;  // A3
  h.layerNames.fill({});
  h.groupNames.fill({});
  for (JWWLayerGroupState& g : h.groups) {
    g.state = 2;
    g.scale = 100;
    g.writeLayer = 0;
    for (JWWLayerState& l : g.layers) l.state = 2;
    g.layers[0].state = 3;
  }
  for (const GroupPlan& plan : Groups()) {
    h.groupNames[static_cast<std::size_t>(plan.group)] = Utf8ToCp932(plan.name);
    h.groups[static_cast<std::size_t>(plan.group)].scale = plan.scale;
    for (std::size_t l = 0; l < plan.layers.size(); ++l)
      h.layerNames[static_cast<std::size_t>(plan.group) * 16 + l] = Utf8ToCp932(plan.layers[l]);
  }
  // Drawing on the plan's wall layer.
  h.writeGroup = kPlan;
  JWWLayerGroupState& plan = h.groups[kPlan];
  plan.state = 3;
  plan.layers[0].state = 2;
  plan.layers[kStructure].state = 3;
  plan.writeLayer = kStructure;

  AddBlocks(d);
  AddWalls(d);
  AddPlanContents(d);
  AddSheetFrame(d);
  AddDetails(d);
  AddLegend(d);
  return d;
}

}  // namespace sw::example
