// CP932 conversions through the Win32 code-page functions.
#include <windows.h>

#include "core/Cp932.h"

namespace sw {
namespace {

std::wstring Widen(std::string_view s, UINT cp) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string Narrow(const wchar_t* w, std::size_t len, UINT cp) {
  if (len == 0) return {};
  const char* def = cp == 932 ? "?" : nullptr;
  int n = WideCharToMultiByte(cp, 0, w, static_cast<int>(len), nullptr, 0, def, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(cp, 0, w, static_cast<int>(len), s.data(), n, def, nullptr);
  return s;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::wstring w = Widen(cp932, 932);
  return Narrow(w.data(), w.size(), CP_UTF8);
}

std::string Utf8ToCp932(std::string_view utf8) {
  std::wstring w = Widen(utf8, CP_UTF8);
  return Narrow(w.data(), w.size(), 932);
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  return Narrow(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size(), 932);
}

std::string Utf16LeToCp932(std::string_view bytes) {
  // Copied into wide characters: the bytes of a file need not be aligned.
  std::wstring w(bytes.size() / 2, L'\0');
  for (std::size_t i = 0; i < w.size(); ++i)
    w[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  return Narrow(w.data(), w.size(), 932);
}

}  // namespace sw
