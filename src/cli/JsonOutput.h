// JSON output of the command-line tool. Documents are ordered_json, so keys
// come out in the order they are set. Strings in a document are UTF-8; CP932
// texts of the model go through Cp932Text().
#pragma once

#include <array>
#include <cstdio>
#include <vector>
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

// Writes `j` to `out` indented by two spaces, with a final newline. Doubles
// are printed so that they read back as the same value; a byte sequence that
// is not UTF-8 comes out as U+FFFD.
void PrintJson(Json j, std::FILE* out = stdout);

// The same layout of output written piece by piece, for documents too large
// to hold: containers are opened and closed as the data is walked, and each
// member or element written is formatted (and forgotten) at once. The text
// equals PrintJson of the whole document.
class JsonStream {
 public:
  explicit JsonStream(std::FILE* out) : out_(out) {}
  ~JsonStream();
  JsonStream(const JsonStream&) = delete;
  JsonStream& operator=(const JsonStream&) = delete;

  // Containers: a member of the enclosing object is named by `key`; an
  // element of an array or the document itself has none.
  void BeginObject(std::string_view key = {});
  void BeginArray(std::string_view key = {});
  void End();
  // A complete member or element.
  void Put(std::string_view key, const Json& value);
  void Put(const Json& value) { Put({}, value); }

 private:
  void Item(std::string_view key);
  void Indent(std::size_t depth);

  std::FILE* out_;
  struct Level {
    bool object = false;
    bool empty = true;
    char close = '}';
  };
  std::vector<Level> levels_;
};

}  // namespace sw::cli
