// Unicode helpers for registry text files: UTF-8 <-> UTF-16 and CP932 to
// UTF-16. UTF-8 here is WTF-8: an unpaired surrogate is kept as its own
// three-byte sequence, so UTF-16 text survives the trip to UTF-8 and back
// unchanged.
#pragma once

#include <string>
#include <string_view>

namespace sw {

std::string Utf16ToUtf8(std::u16string_view s);
// Invalid bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
// True when s is well-formed UTF-8 (surrogate sequences allowed).
bool IsValidUtf8(std::string_view s);
std::u16string Cp932ToUtf16(std::string_view cp932);

}  // namespace sw
