#include "settings/SettingsConvert.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace sw {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Bits of the pattern's digits after its leading zeros, using `one` and
// `zero` as the characters; "" when the pattern is empty or not hexadecimal.
std::string PatternBits(std::string_view pattern, char one, char zero) {
  if (pattern.empty()) return {};
  for (char c : pattern)
    if (HexDigit(c) < 0) return {};
  std::size_t first = pattern.find_first_not_of('0');
  if (first == std::string_view::npos) return std::string(1, zero);
  std::string out((pattern.size() - first) * 4, zero);
  char* o = out.data();
  for (char c : pattern.substr(first)) {
    const int d = HexDigit(c);
    for (int bit = 3; bit >= 0; --bit) *o++ = ((d >> bit) & 1) ? one : zero;
  }
  return out;
}

}  // namespace

std::optional<std::uint32_t> ColorFromString(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t v = 0;
  for (char c : text) {
    int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    v = v * 16 + static_cast<std::uint64_t>(d);
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(v);
}

std::string ColorToString(std::int64_t colour) {
  if (colour < 0) return {};
  int digits = 8;  // values above 0x7FFFFFFF take all eight
  for (int d = 1; d <= 8; ++d) {
    std::int64_t bound = d == 8 ? 0x7FFFFFFF : (std::int64_t{1} << (4 * d)) - 1;
    if (colour <= bound) {
      digits = d;
      break;
    }
  }
  if (digits % 2 != 0) ++digits;
  static const char kHex[] = "0123456789ABCDEF";
  std::string out(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, colour >>= 4) out[static_cast<std::size_t>(i)] = kHex[colour & 0xF];
  return out;
}

std::array<std::string, 3> ColorFields(std::uint32_t colour) {
  return {std::to_string(colour & 0xFF), std::to_string((colour >> 8) & 0xFF),
          std::to_string((colour >> 16) & 0xFF)};
}

std::optional<std::uint32_t> ColorFromFields(std::string_view red, std::string_view green,
                                             std::string_view blue) {
  std::uint32_t out = 0;
  std::string_view parts[3] = {red, green, blue};
  for (int i = 0; i < 3; ++i) {
    std::optional<int> v = ParseDecimalInt(parts[i]);
    if (!v || *v < 0 || *v > 255) return std::nullopt;
    out |= static_cast<std::uint32_t>(*v) << (8 * i);
  }
  return out;
}

std::string PatternToBits(std::string_view pattern) { return PatternBits(pattern, '1', '0'); }

std::string PatternToText(std::string_view pattern, PatternStyle style) {
  return style == PatternStyle::Dash ? PatternBits(pattern, '-', ' ') : PatternBits(pattern, '~', '_');
}

std::optional<int> ParseDecimalInt(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

std::optional<double> ParseDecimalReal(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v,
                                   std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace sw
