// A minimal JSON reader for test expectations (objects, arrays, numbers,
// strings, booleans, null). Not for untrusted input.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw::test {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  const JsonValue& operator[](const std::string& key) const;
  const JsonValue& operator[](std::size_t i) const { return items.at(i); }
};

// Parses `text`; nullopt when it is not valid JSON.
std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace sw::test
