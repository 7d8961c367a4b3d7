// Windows-932 (Shift-JIS) strings.
//
// The model keeps every text as CP932 bytes. A character is one byte, or two
// when its first byte is a lead byte (0x80..0x9F or 0xE0..0xFD); a lead byte
// that is the last byte of a string is taken as a character of its own.
// Conversions to and from Unicode go through the platform's converter
// (iconv here, the Win32 code-page functions on Windows).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

inline bool IsLeadByte(unsigned char c) {
  return (c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD);
}

// Number of characters of s.
int CharCount(std::string_view s);
// The k-th character of s (1-based) as one or two bytes; empty beyond the end
// or for k < 1.
std::string CharAt(std::string_view s, int k);
// Byte offset where the k-th character (1-based) begins; s.size() beyond the end.
std::size_t CharOffset(std::string_view s, int k);

// CP932 bytes to UTF-8; a byte sequence with no Unicode form becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);
// UTF-8 to CP932; a character with no CP932 form (or invalid UTF-8) becomes '?'.
std::string Utf8ToCp932(std::string_view utf8);
// UTF-16 code units to CP932; a character with no CP932 form, or an unpaired
// surrogate, becomes '?'.
std::string Utf16ToCp932(std::u16string_view utf16);
// The same for UTF-16LE text given as its bytes, as files store it (an odd
// last byte is not part of the text).
std::string Utf16LeToCp932(std::string_view bytes);

}  // namespace sw
