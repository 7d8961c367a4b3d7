#include "core/Cp932.h"

namespace sw {

int CharCount(std::string_view s) {
  int n = 0;
  for (std::size_t i = 0; i < s.size(); ++n)
    i += (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  return n;
}

std::size_t CharOffset(std::string_view s, int k) {
  std::size_t i = 0;
  for (int n = 1; n < k && i < s.size(); ++n)
    i += (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  return k < 1 ? s.size() : i;
}

std::string CharAt(std::string_view s, int k) {
  if (k < 1) return {};
  std::size_t i = CharOffset(s, k);
  if (i >= s.size()) return {};
  std::size_t len = (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
  return std::string(s.substr(i, len));
}

}  // namespace sw
