#include "core/Cp932.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

// "日本" in CP932, half-width katakana "ｱ" (0xB1), "a".
const std::string kNihon = "\x93\xFA\x96\x7B";

TEST(Cp932, CharCountAndCharAtFollowTheLeadByteRule) {
  struct Case {
    std::string s;
    int count;
    std::vector<std::string> chars;
  } cases[] = {
      {"", 0, {}},
      {"abc", 3, {"a", "b", "c"}},
      {kNihon + "a", 3, {"\x93\xFA", "\x96\x7B", "a"}},
      {"\xB1" "a", 2, {"\xB1", "a"}},            // 0xA1..0xDF: one byte
      {"\x80" "A", 1, {"\x80" "A"}},             // 0x80 counts as a lead byte
      {"\xFD" "A\xFE", 2, {"\xFD" "A", "\xFE"}},  // 0xFE is not a lead byte
      {"a\x93", 2, {"a", "\x93"}},               // lead byte at the end stands alone
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CharCount(c.s), c.count) << c.s;
    for (int k = 1; k <= c.count; ++k) EXPECT_EQ(CharAt(c.s, k), c.chars[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(CharAt(c.s, c.count + 1), "");
    EXPECT_EQ(CharAt(c.s, 0), "");
  }
}

TEST(Cp932, ConvertsBothWays) {
  struct Case {
    std::string cp932, utf8;
  } cases[] = {
      {kNihon, "日本"},
      {"\xB1\xB2", "ｱｲ"},             // half-width katakana
      {"\x81\x45", "・"},             // middle dot
      {"\x81\x60", "～"},             // CP932's wave dash form
      {"\x87\x40", "①"},              // NEC special character
      {"A\\B~", "A\\B~"},             // ASCII stays ASCII
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8);
    EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932);
  }
  // Longer than the converter's output buffer, with a replacement on the way.
  std::string cp932, utf8;
  std::u16string utf16;
  for (int i = 0; i < 700; ++i) {
    cp932 += kNihon;
    utf8 += "日本";
    utf16 += u"日本";
  }
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  EXPECT_EQ(Utf8ToCp932(utf8 + "\xF0\x9F\x98\x80" + utf8), cp932 + "?" + cp932);
  EXPECT_EQ(Utf16ToCp932(utf16), cp932);
}

TEST(Cp932, Utf16BytesAsFilesStoreThem) {
  EXPECT_EQ(Utf16LeToCp932(std::string_view("\xE5\x65\x2C\x67", 4)), kNihon);
  EXPECT_EQ(Utf16LeToCp932(std::string_view("\xE5\x65\x2C\x67" "a", 5)), kNihon);  // odd byte: not text
  EXPECT_EQ(Utf16LeToCp932(std::string_view("a\0\x00\xD8" "b\0", 6)), "a?b");      // lone surrogate
  EXPECT_EQ(Utf16LeToCp932({}), "");
}

TEST(Cp932, UnconvertibleInputIsReplacedNotDropped) {
  EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80" "b"), "a?b");  // emoji has no CP932 form
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");              // invalid UTF-8
  EXPECT_EQ(Cp932ToUtf8("a\x85\x40" "b"), "a\xEF\xBF\xBD" "b");  // unassigned pair
  EXPECT_EQ(Utf16ToCp932(u"日本"), kNihon);
  EXPECT_EQ(Utf16ToCp932(u"x\U0001F600y"), "x?y");  // surrogate pair: one '?'
  std::u16string lone = u"a";
  lone.push_back(static_cast<char16_t>(0xD800));
  lone += u"b";
  EXPECT_EQ(Utf16ToCp932(lone), "a?b");
}

}  // namespace
}  // namespace sw
