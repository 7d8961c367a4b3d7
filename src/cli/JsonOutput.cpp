#include "cli/JsonOutput.h"

#include <cstdio>
#include <string>

#include "core/Cp932.h"

namespace sw::cli {

Json Cp932Text(std::string_view cp932) { return Cp932ToUtf8(cp932); }

Json GroupsJson(const std::array<JWWLayerGroupState, 16>& groups) {
  Json out = Json::array();
  for (const JWWLayerGroupState& g : groups) {
    Json layers = Json::array();
    for (const JWWLayerState& l : g.layers) layers.push_back({{"state", l.state}, {"protect", l.protect}});
    out.push_back({{"state", g.state},
                   {"writeLayer", g.writeLayer},
                   {"scale", g.scale},
                   {"protect", g.protect},
                   {"layers", std::move(layers)}});
  }
  return out;
}

void PrintJson(const Json& j) {
  const std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace sw::cli
