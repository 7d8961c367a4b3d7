// JSON output of the command-line tool. Documents are ordered_json, so keys
// come out in the order they are set. Strings in a document are UTF-8; CP932
// texts of the model go through Cp932Text().
#pragma once

#include <array>
#include <string_view>

#include <nlohmann/json.hpp>

#include "jww/Records.h"

namespace sw::cli {

using Json = nlohmann::ordered_json;

// A CP932 text as a JSON string.
Json Cp932Text(std::string_view cp932);

// The 16 layer-group states with their layers, as both the drawing header
// and every layout frame hold them.
Json GroupsJson(const std::array<JWWLayerGroupState, 16>& groups);

// Writes `j` to stdout indented by two spaces, with a final newline. Doubles
// are printed so that they read back as the same value; a byte sequence that
// is not UTF-8 comes out as U+FFFD.
void PrintJson(const Json& j);

}  // namespace sw::cli
