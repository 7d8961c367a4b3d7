#include "support/MiniJson.h"

#include <cstdlib>

namespace sw::test {
namespace {

struct Parser {
  std::string_view s;
  std::size_t i = 0;
  bool ok = true;

  void ws() {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\r' || s[i] == '\t')) ++i;
  }
  bool eat(char c) {
    ws();
    if (i < s.size() && s[i] == c) {
      ++i;
      return true;
    }
    return false;
  }
  std::string str() {
    std::string out;
    if (!eat('"')) { ok = false; return out; }
    while (i < s.size() && s[i] != '"') {
      if (s[i] == '\\' && i + 1 < s.size()) {
        char e = s[++i];
        if (e == 'n') out += '\n';
        else if (e == 't') out += '\t';
        else if (e == 'r') out += '\r';
        else if (e == 'u' && i + 4 < s.size()) {
          unsigned cp = static_cast<unsigned>(std::strtoul(std::string(s.substr(i + 1, 4)).c_str(), nullptr, 16));
          i += 4;
          if (cp < 0x80) out += static_cast<char>(cp);
          else if (cp < 0x800) { out += static_cast<char>(0xC0 | (cp >> 6)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
          else { out += static_cast<char>(0xE0 | (cp >> 12)); out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
        } else out += e;
        ++i;
      } else {
        out += s[i++];
      }
    }
    if (i >= s.size()) ok = false;
    ++i;
    return out;
  }
  JsonValue value() {
    JsonValue v;
    ws();
    if (i >= s.size()) { ok = false; return v; }
    char c = s[i];
    if (c == '{') {
      ++i;
      v.kind = JsonValue::Kind::Object;
      if (eat('}')) return v;
      do {
        std::string k = str();
        if (!eat(':')) { ok = false; return v; }
        v.members[k] = value();
      } while (ok && eat(','));
      if (!eat('}')) ok = false;
    } else if (c == '[') {
      ++i;
      v.kind = JsonValue::Kind::Array;
      if (eat(']')) return v;
      do v.items.push_back(value());
      while (ok && eat(','));
      if (!eat(']')) ok = false;
    } else if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = str();
    } else if (s.substr(i, 4) == "true" || s.substr(i, 5) == "false") {
      v.kind = JsonValue::Kind::Bool;
      v.boolean = s[i] == 't';
      i += v.boolean ? 4 : 5;
    } else if (s.substr(i, 4) == "null") {
      i += 4;
    } else {
      v.kind = JsonValue::Kind::Number;
      const char* begin = s.data() + i;
      char* end = nullptr;
      std::string tmp(s.substr(i, 64));
      v.number = std::strtod(tmp.c_str(), &end);
      std::size_t used = static_cast<std::size_t>(end - tmp.c_str());
      if (used == 0) ok = false;
      (void)begin;
      i += used;
    }
    return v;
  }
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
  static const JsonValue kNull;
  auto it = members.find(key);
  return it == members.end() ? kNull : it->second;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
  Parser p{text};
  JsonValue v = p.value();
  p.ws();
  if (!p.ok || p.i != text.size()) return std::nullopt;
  return v;
}

}  // namespace sw::test
