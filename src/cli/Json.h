// A small streaming JSON writer for the command-line tool. Strings passed
// in are UTF-8; CP932 texts go through cp932() first.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "jww/Records.h"

namespace sw::cli {

class Json {
 public:
  Json& beginObject();
  Json& endObject();
  Json& beginArray();
  Json& endArray();
  Json& key(std::string_view k);
  Json& value(std::string_view utf8);
  Json& value(const char* utf8) { return value(std::string_view(utf8)); }
  Json& cp932(std::string_view bytes);  // a CP932 text, as UTF-8
  Json& value(double v);
  Json& value(std::int64_t v);
  Json& value(int v) { return value(static_cast<std::int64_t>(v)); }
  Json& value(unsigned v) { return value(static_cast<std::int64_t>(v)); }
  Json& value(bool v);
  template <class K, class V>
  Json& field(K&& k, V&& v) {
    key(k);
    return value(std::forward<V>(v));
  }

  // The document, with a final newline.
  std::string str() const { return out_ + "\n"; }

 private:
  void separate();
  void quote(std::string_view s);
  void newline();
  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written yet
  bool afterKey_ = false;
};

// "groups": the 16 layer-group states with their layers, as both the
// drawing header and every layout frame hold them.
void WriteGroups(Json& j, const std::array<JWWLayerGroupState, 16>& groups);

}  // namespace sw::cli
