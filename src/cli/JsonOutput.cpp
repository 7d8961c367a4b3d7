#include "cli/JsonOutput.h"

#include <cmath>
#include <cstdint>

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

namespace {

// Whole-number doubles are written as integers ("100", not "100.0"), as the
// tool has always written them; other doubles keep their shortest form.
Json WholeNumbersAsIntegers(const Json& j) {
  if (j.is_number_float()) {
    const double v = j.get<double>();
    if (std::isfinite(v) && std::trunc(v) == v && std::fabs(v) < 1e15 && !(v == 0 && std::signbit(v)))
      return Json(static_cast<std::int64_t>(v));
    return j;
  }
  if (j.is_array() || j.is_object()) {
    Json out = j;
    for (auto& item : out) item = WholeNumbersAsIntegers(item);
    return out;
  }
  return j;
}

}  // namespace

void PrintJson(const Json& j) {
  const std::string text = WholeNumbersAsIntegers(j).dump(2, ' ', false, Json::error_handler_t::replace);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace sw::cli
