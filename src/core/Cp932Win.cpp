// CP932 conversions through the Win32 code-page functions, made to follow
// the contract of Cp932.h where Windows differs by default: a byte sequence
// with no Unicode form becomes U+FFFD (Windows would give U+30FB, its default
// character), a character outside the BMP becomes one '?' (Windows would give
// one per surrogate), and no "best fit" look-alike stands in for a character
// CP932 lacks.
#include <windows.h>

#include "core/Cp932.h"

namespace sw {
namespace {

constexpr UINT kCp932 = 932;

std::wstring Utf8ToWide(std::string_view s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// Converts strictly; an empty result when any byte sequence has no Unicode form.
std::wstring Cp932ToWideStrict(std::string_view s) {
  const int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

// Every CP932 character (one or two bytes, as CharAt splits them) is one
// UTF-16 unit. The whole string is tried at once; when that fails, or a
// character did not come out as exactly one unit, character by character.
std::wstring Cp932ToWide(std::string_view s) {
  if (s.empty()) return {};
  std::wstring w = Cp932ToWideStrict(s);
  if (!w.empty() && w.size() == static_cast<std::size_t>(CharCount(s))) return w;
  w.clear();
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t len = IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
    const std::wstring one = Cp932ToWideStrict(s.substr(i, len));
    w += one.size() == 1 ? one[0] : L'\xFFFD';
    i += len;
  }
  return w;
}

std::string Narrow(const wchar_t* w, std::size_t len, UINT cp) {
  if (len == 0) return {};
  const DWORD flags = cp == kCp932 ? WC_NO_BEST_FIT_CHARS : 0;
  const char* def = cp == kCp932 ? "?" : nullptr;
  const int n = WideCharToMultiByte(cp, flags, w, static_cast<int>(len), nullptr, 0, def, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(cp, flags, w, static_cast<int>(len), s.data(), n, def, nullptr);
  return s;
}

bool IsSurrogate(wchar_t c) { return c >= 0xD800 && c < 0xE000; }
bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c < 0xE000; }

// UTF-16 to CP932: runs without surrogates go to the converter; a surrogate
// pair, or a surrogate alone, becomes one '?'.
std::string WideToCp932(const wchar_t* w, std::size_t len) {
  std::string out;
  std::size_t run = 0;
  for (std::size_t i = 0; i < len;) {
    if (!IsSurrogate(w[i])) {
      ++i;
      continue;
    }
    out += Narrow(w + run, i - run, kCp932);
    out += '?';
    i += IsHighSurrogate(w[i]) && i + 1 < len && IsLowSurrogate(w[i + 1]) ? 2 : 1;
    run = i;
  }
  return out + Narrow(w + run, len - run, kCp932);
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  const std::wstring w = Cp932ToWide(cp932);
  return Narrow(w.data(), w.size(), CP_UTF8);
}

std::string Utf8ToCp932(std::string_view utf8) {
  const std::wstring w = Utf8ToWide(utf8);
  return WideToCp932(w.data(), w.size());
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  return WideToCp932(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size());
}

std::string Utf16LeToCp932(std::string_view bytes) {
  // Copied into wide characters: the bytes of a file need not be aligned.
  std::wstring w(bytes.size() / 2, L'\0');
  for (std::size_t i = 0; i < w.size(); ++i)
    w[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  return WideToCp932(w.data(), w.size());
}

}  // namespace sw
