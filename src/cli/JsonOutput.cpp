#include "cli/JsonOutput.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

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
// Rewrites, in place, every float that holds a whole number as an integer
// so that it prints without a fraction; large values are never copied.
void WholeNumbersAsIntegers(Json& j) {
  if (j.is_number_float()) {
    const double v = j.get<double>();
    if (std::isfinite(v) && std::trunc(v) == v && std::fabs(v) < 1e15 && !(v == 0 && std::signbit(v)))
      j = static_cast<std::int64_t>(v);
    return;
  }
  if (j.is_array() || j.is_object())
    for (auto& item : j) WholeNumbersAsIntegers(item);
}

}  // namespace

namespace {

std::string Text(Json j) {
  WholeNumbersAsIntegers(j);
  return j.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

void PrintJson(Json j, std::FILE* out) {
  const std::string text = Text(std::move(j));
  std::fwrite(text.data(), 1, text.size(), out);
  std::fputc('\n', out);
}

JsonStream::~JsonStream() {
  while (!levels_.empty()) End();
}

void JsonStream::Indent(std::size_t depth) {
  for (std::size_t i = 0; i < depth; ++i) std::fputs("  ", out_);
}

// Starts a member or element: the separator after its predecessor, the line
// break and indent, and the key.
void JsonStream::Item(std::string_view key) {
  if (levels_.empty()) return;
  Level& l = levels_.back();
  std::fputs(l.empty ? "\n" : ",\n", out_);
  l.empty = false;
  Indent(levels_.size());
  if (l.object) {
    const std::string k = Json(std::string(key)).dump(-1, ' ', false, Json::error_handler_t::replace);
    std::fputs(k.c_str(), out_);
    std::fputs(": ", out_);
  }
}

void JsonStream::BeginObject(std::string_view key) {
  Item(key);
  std::fputc('{', out_);
  levels_.push_back(Level{true, true, '}'});
}

void JsonStream::BeginArray(std::string_view key) {
  Item(key);
  std::fputc('[', out_);
  levels_.push_back(Level{false, true, ']'});
}

void JsonStream::End() {
  if (levels_.empty()) return;
  const Level l = levels_.back();
  levels_.pop_back();
  if (!l.empty) {
    std::fputc('\n', out_);
    Indent(levels_.size());
  }
  std::fputc(l.close, out_);
  if (levels_.empty()) std::fputc('\n', out_);
}

void JsonStream::Put(std::string_view key, const Json& value) {
  Item(key);
  // The value's own lines are indented one step deeper than its container.
  const std::string text = Text(value);
  std::size_t start = 0;
  while (true) {
    const std::size_t nl = text.find('\n', start);
    std::fwrite(text.data() + start, 1, (nl == std::string::npos ? text.size() : nl) - start, out_);
    if (nl == std::string::npos) break;
    std::fputc('\n', out_);
    Indent(levels_.size());
    start = nl + 1;
  }
  if (levels_.empty()) std::fputc('\n', out_);
}

}  // namespace sw::cli
