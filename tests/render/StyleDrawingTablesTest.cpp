// Dash patterns from odd bit strings, and the tables a Jw_cad drawing brings.
#include <gtest/gtest.h>

#include "jww/Reader.h"
#include "render/Styles.h"
#include "support/Fixtures.h"

namespace sw {
namespace {

TEST(BuildPatternInput, StringsThatAreNotBitsGiveNoPatternAndReturn) {
  for (const char* bits : {"1x0", "10 10", "2100", "1\n0", "0a"}) {
    StyleTables st;
    st.ScreenPattern[5] = {1, 1};
    BuildPattern(st, 5, bits, 1, false);
    EXPECT_TRUE(st.ScreenPattern[5].empty()) << bits;
  }
  StyleTables st;
  BuildPattern(st, 0, "1100", 1, false);   // no such line type: nothing stored
  BuildPattern(st, 65, "1100", 1, true);
  for (const auto& p : st.ScreenPattern) EXPECT_TRUE(p.empty());
  for (const auto& p : st.PrintPattern) EXPECT_TRUE(p.empty());
}

TEST(DrawingTablesSxf, OnlyTheColourBitsDecideTheComplement) {
  StyleTables st = InitialStyleTables();
  st.BackgroundColor = 0x000000;  // a black screen
  JWWHead h;
  h.sxfColors[7].color = static_cast<std::int32_t>(0xFF000000u);  // black with a high byte
  h.sxfColors[8].color = 0x000001;
  ApplyDrawingTables(st, h);
  EXPECT_EQ(st.SxfColor[7], 0xFFFFFFu);
  EXPECT_EQ(st.SxfColor[8], 0x000001u);
  // Every other entry is black too, so each turns white.
  EXPECT_EQ(st.SxfColor[256], 0xFFFFFFu);
}

TEST(DrawingTablesSxf, LineTypesOfADrawingWrittenByJwcad) {
  SW_REQUIRE_FIXTURES(dir);
  JWWDrawing d;
  ASSERT_TRUE(ReadJWWFile(dir / "sample.jww", d).ok());
  StyleTables st = InitialStyleTables();
  st.ScreenPattern[47] = {5, 5};  // SXF entry 17 has no name and no segments
  ApplyDrawingTables(st, d.head);
  struct Case {
    std::size_t t;
    DashPattern screen, print;
  } cases[] = {
      {31, {0}, {0}},                  // "continuous": no segments
      {32, {24, 6}, {72, 18}},         // "dashed" 6, 1.5 at pitch 1
      {37, {1, 6}, {3, 18}},           // "dotted" 0.25, 1.5
      {38, {48, 6, 14, 6}, {144, 18, 42, 18}},  // "chain" 12, 1.5, 3.5, 1.5
      {46, {0}, {0}},                  // "undefined": named, no segments
      {47, {5, 5}, {}},                // not defined: kept
  };
  for (const auto& c : cases) {
    EXPECT_EQ(st.ScreenPattern[c.t], c.screen) << c.t;
    EXPECT_EQ(st.PrintPattern[c.t], c.print) << c.t;
  }
  EXPECT_EQ(st.SxfColor[2], static_cast<std::uint32_t>(d.head.sxfColors[2].color));
}

}  // namespace
}  // namespace sw
