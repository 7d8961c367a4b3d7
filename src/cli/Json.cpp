#include "cli/Json.h"

#include "core/Cp932.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sw::cli {

void Json::newline() {
  out_ += '\n';
  out_.append(first_.size() * 2, ' ');
}

void Json::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (first_.empty()) return;
  if (!first_.back()) out_ += ',';
  first_.back() = false;
  newline();
}

Json& Json::beginObject() {
  separate();
  out_ += '{';
  first_.push_back(true);
  return *this;
}

Json& Json::endObject() {
  bool empty = first_.back();
  first_.pop_back();
  if (!empty) newline();
  out_ += '}';
  return *this;
}

Json& Json::beginArray() {
  separate();
  out_ += '[';
  first_.push_back(true);
  return *this;
}

Json& Json::endArray() {
  bool empty = first_.back();
  first_.pop_back();
  if (!empty) newline();
  out_ += ']';
  return *this;
}

Json& Json::key(std::string_view k) {
  separate();
  quote(k);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

Json& Json::value(std::string_view s) {
  separate();
  quote(s);
  return *this;
}

void Json::quote(std::string_view s) {
  out_ += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ += buf;
        } else {
          out_ += static_cast<char>(c);
        }
    }
  }
  out_ += '"';
}

Json& Json::value(double v) {
  separate();
  if (!std::isfinite(v)) {
    out_ += "null";
    return *this;
  }
  // The shortest text that reads back as the same double.
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  out_.append(buf, res.ptr);
  return *this;
}

Json& Json::value(std::int64_t v) {
  separate();
  out_ += std::to_string(v);
  return *this;
}

Json& Json::value(bool v) {
  separate();
  out_ += v ? "true" : "false";
  return *this;
}

}  // namespace sw::cli

namespace sw::cli {

Json& Json::cp932(std::string_view bytes) { return value(Cp932ToUtf8(bytes)); }

}  // namespace sw::cli

namespace sw::cli {

void WriteGroups(Json& j, const std::array<JWWLayerGroupState, 16>& groups) {
  j.key("groups").beginArray();
  for (const auto& g : groups) {
    j.beginObject();
    j.field("state", g.state).field("writeLayer", g.writeLayer).field("scale", g.scale);
    j.field("protect", g.protect);
    j.key("layers").beginArray();
    for (const auto& l : g.layers) j.beginObject().field("state", l.state).field("protect", l.protect).endObject();
    j.endArray();
    j.endObject();
  }
  j.endArray();
}

}  // namespace sw::cli
