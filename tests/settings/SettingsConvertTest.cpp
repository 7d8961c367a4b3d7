#include <gtest/gtest.h>

#include "settings/JwcadSettings.h"
#include "settings/SettingsConvert.h"

namespace sw {
namespace {

TEST(ColorString, ReadsHexadecimalWithRedLast) {
  struct Case {
    const char* text;
    std::optional<std::uint32_t> colour;
  } cases[] = {
      {"FF", 0x0000FF},        {"0000FF", 0x0000FF},    {"FFFF00", 0xFFFF00},   {"c0c000", 0xC0C000},
      {"0", 0},                {"FFFFFFFF", 0xFFFFFFFF}, {"000000FF00", 0xFF00},  {"", std::nullopt},
      {"zz", std::nullopt},    {"$FF", std::nullopt},   {"0xFF", std::nullopt}, {" FF", std::nullopt},
      {"1FFFFFFFF", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ColorFromString(c.text), c.colour);
  }
}

TEST(ColorString, WritesFewestEvenDigitsUpperCase) {
  struct Case {
    std::int64_t colour;
    const char* text;
  } cases[] = {
      {0, "00"},          {0xFF, "FF"},          {0x100, "0100"},          {0xFFFF00, "FFFF00"},
      {0x0000FF, "FF"},   {0xABCDE, "0ABCDE"},   {0x7FFFFFFF, "7FFFFFFF"}, {0x80000000, "80000000"},
      {-1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colour);
    EXPECT_EQ(ColorToString(c.colour), c.text);
    if (c.colour >= 0) {
      EXPECT_EQ(ColorFromString(ColorToString(c.colour)), static_cast<std::uint32_t>(c.colour));
    }
  }
}

TEST(ColorFields, ShowRedGreenBlueAndRebuild) {
  EXPECT_EQ(ColorFields(*ColorFromString("FF")), (std::array<std::string, 3>{"255", "0", "0"}));
  EXPECT_EQ(ColorFields(0xFFFF00), (std::array<std::string, 3>{"0", "255", "255"}));
  // The top byte of an eight-digit colour is no channel.
  EXPECT_EQ(ColorFields(0x01C0A080), (std::array<std::string, 3>{"128", "160", "192"}));

  EXPECT_EQ(ColorFromFields("255", "0", "0"), 0x0000FFu);
  EXPECT_EQ(ColorFromFields("1", "2", "3"), 0x030201u);
  for (const char* bad : {"256", "-1", "", "x", "1.5"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ColorFromFields(bad, "0", "0"), std::nullopt);
    EXPECT_EQ(ColorFromFields("0", "0", bad), std::nullopt);
  }
}

TEST(LinePattern, BitsDropLeadingZeroDigits) {
  struct Case {
    const char* pattern;
    const char* bits;
  } cases[] = {
      {"F0F0F0F0", "11110000111100001111000011110000"},
      {"0F0F0F0F", "1111000011110000111100001111"},
      {"f0", "11110000"},
      {"1", "0001"},
      {"0", "0"},
      {"0000", "0"},
      {"FFFFFFFF", "11111111111111111111111111111111"},
      {"", ""},
      {"F0G0", ""},
      {"F 0", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(PatternToBits(c.pattern), c.bits);
  }
  EXPECT_EQ(PatternToBits("F0F0F0F0").size(), 32u);
  EXPECT_EQ(PatternToBits("0F0F0F0F").size(), 28u);
}

TEST(LinePattern, DisplayTextInBothStyles) {
  EXPECT_EQ(PatternToText("CC", PatternStyle::Dash), "--  --  ");
  EXPECT_EQ(PatternToText("CC", PatternStyle::Random), "~~__~~__");
  EXPECT_EQ(PatternToText("0A", PatternStyle::Dash), "- - ");
  EXPECT_EQ(PatternToText("0", PatternStyle::Random), "_");
  EXPECT_EQ(PatternToText("XY", PatternStyle::Dash), "");
  EXPECT_EQ(PatternToText("F0F0F0F0", PatternStyle::Dash).size(), 32u);
}

TEST(LinePattern, KindTellsWhichStringsHaveADashPattern) {
  EXPECT_EQ(ClassifyLineBits("1100"), LineBitsKind::Dashed);
  EXPECT_EQ(ClassifyLineBits("0001"), LineBitsKind::Dashed);
  EXPECT_EQ(ClassifyLineBits("1111"), LineBitsKind::Solid);
  EXPECT_EQ(ClassifyLineBits("0"), LineBitsKind::NoPattern);
  EXPECT_EQ(ClassifyLineBits(""), LineBitsKind::NoPattern);
}

TEST(Numbers, DecimalTexts) {
  EXPECT_EQ(ParseDecimalInt("12"), 12);
  EXPECT_EQ(ParseDecimalInt(" -3 "), -3);
  EXPECT_EQ(ParseDecimalInt("+4"), 4);
  for (const char* bad : {"", " ", "1.0", "0x10", "12a", "99999999999"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ParseDecimalInt(bad), std::nullopt);
  }
  EXPECT_EQ(ParseDecimalReal("0.5"), 0.5);
  EXPECT_EQ(ParseDecimalReal("2"), 2.0);
  EXPECT_EQ(ParseDecimalReal(" 1e1"), 10.0);
  for (const char* bad : {"", "abc", "1,5", "nan", "inf", "0.5mm"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ParseDecimalReal(bad), std::nullopt);
  }
}

}  // namespace
}  // namespace sw
