#include "edit/RecentFiles.h"

#include <algorithm>

#include "core/Cp932.h"
#include "settings/Registry.h"

namespace sw {

namespace {

std::string ValueName(std::size_t i) { return "File" + std::to_string(i + 1); }

}  // namespace

void AddRecentFile(std::vector<std::string>& list, const std::string& path) {
  if (path.empty()) return;
  RemoveRecentFile(list, path);
  list.insert(list.begin(), path);
  if (list.size() > kRecentMax) list.resize(kRecentMax);
}

void RemoveRecentFile(std::vector<std::string>& list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
}

std::vector<std::string> LoadRecentFiles(const Registry* own) {
  std::vector<std::string> list;
  if (own == nullptr) return list;
  for (std::size_t i = 0; i < kRecentMax; ++i) {
    const std::optional<RegValue> v = own->value(kRecentKey, ValueName(i));
    if (!v) continue;
    std::string path;
    if (v->type == RegValue::Type::String) path = Cp932ToUtf8(v->text);
    else if (v->type == RegValue::Type::Binary) path.assign(v->bytes.begin(), v->bytes.end());
    if (!path.empty() && std::find(list.begin(), list.end(), path) == list.end()) list.push_back(path);
  }
  return list;
}

Status StoreRecentFiles(Registry* own, const std::vector<std::string>& list) {
  if (own == nullptr) return {};
  for (std::size_t i = 0; i < kRecentMax; ++i) {
    RegValue v = RegValue::String({});
    if (i < list.size()) {
      const std::string cp932 = Utf8ToCp932(list[i]);
      v = Cp932ToUtf8(cp932) == list[i] ? RegValue::String(cp932)
                                        : RegValue::Binary({list[i].begin(), list[i].end()});
    }
    if (Status s = own->setValue(kRecentKey, ValueName(i), v); !s) return s;
  }
  return own->flush();
}

std::string RecentMenuText(std::size_t index, const std::string& path, std::size_t maxChars) {
  std::string shown = path;
  std::vector<std::size_t> starts;  // the byte offset of each UTF-8 character
  for (std::size_t i = 0; i < path.size();) {
    starts.push_back(i);
    const unsigned char c = static_cast<unsigned char>(path[i]);
    i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  }
  if (starts.size() > maxChars && maxChars > 3) {
    // Two thirds of the room for the end (the file name), the rest for the
    // beginning.
    const std::size_t tail = (maxChars - 1) * 2 / 3, head = maxChars - 1 - tail;
    shown = path.substr(0, starts[head]) + "…" + path.substr(starts[starts.size() - tail]);
  }
  std::string text = "&" + std::to_string(index + 1) + " ";
  // An ampersand of the path must not become a mnemonic.
  for (char c : shown) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace sw
