// CP932 conversions through glibc iconv. Descriptors are opened once per
// thread and reused; unconvertible input is replaced character by character.
#include <errno.h>
#include <iconv.h>

#include <array>
#include <cstring>

#include "core/Cp932.h"

namespace sw {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in`; at a sequence that cannot be converted, appends
  // `replacement` and skips `unit` bytes (or `skip(in)` bytes when given).
  template <class SkipFn>
  std::string run(std::string_view in, std::string_view replacement, SkipFn skip) {
    std::string out;
    if (!ok()) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    // Output goes through a fixed buffer: a full one (E2BIG) is emptied and
    // the conversion goes on.
    std::array<char, 1024> buf;
    while (srcLeft > 0) {
      char* dst = buf.data();
      std::size_t dstLeft = buf.size();
      std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
      if (r != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (incomplete at the end): replace and move on.
      out.append(replacement);
      std::size_t n = skip(std::string_view(src, srcLeft));
      src += n;
      srcLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    char* dst = buf.data();
    std::size_t dstLeft = buf.size();
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.append(buf.data(), static_cast<std::size_t>(dst - buf.data()));
    return out;
  }

 private:
  iconv_t cd_;
};

std::size_t SkipCp932(std::string_view s) {
  return (s.size() >= 2 && IsLeadByte(static_cast<unsigned char>(s[0]))) ? 2 : 1;
}

std::size_t SkipUtf8(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  std::size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  // Never skip into the middle of the next character.
  std::size_t i = 1;
  while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  return i;
}

std::size_t SkipUtf16(std::string_view s) {
  if (s.size() >= 4) {
    unsigned hi = static_cast<unsigned char>(s[0]) | (static_cast<unsigned char>(s[1]) << 8);
    unsigned lo = static_cast<unsigned char>(s[2]) | (static_cast<unsigned char>(s[3]) << 8);
    if (hi >= 0xD800 && hi < 0xDC00 && lo >= 0xDC00 && lo < 0xE000) return 4;
  }
  return s.size() >= 2 ? 2 : s.size();
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  thread_local Converter conv("UTF-8", "CP932");
  return conv.run(cp932, "\xEF\xBF\xBD", SkipCp932);
}

std::string Utf8ToCp932(std::string_view utf8) {
  thread_local Converter conv("CP932", "UTF-8");
  return conv.run(utf8, "?", SkipUtf8);
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  std::string bytes;
  bytes.reserve(utf16.size() * 2);
  for (char16_t u : utf16) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return Utf16LeToCp932(bytes);
}

std::string Utf16LeToCp932(std::string_view bytes) {
  thread_local Converter conv("CP932", "UTF-16LE");
  return conv.run(bytes.substr(0, bytes.size() / 2 * 2), "?", SkipUtf16);
}

}  // namespace sw
