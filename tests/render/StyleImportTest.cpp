// The style tables built from the example Jw_cad settings file.
#include <gtest/gtest.h>

#include <filesystem>

#include "render/Styles.h"
#include "settings/JwcadSettings.h"
#include "settings/RegistryFile.h"

namespace sw {
namespace {

const char* kExample = SW_SOURCE_DIR "/examples/jwcad-settings.reg";

class ExampleSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kExample)) GTEST_SKIP() << kExample << " is absent";
    auto reg = RegistryFile::Open(kExample);
    ASSERT_TRUE(reg.ok()) << Describe(reg.error());
    settings = ImportSettings(&reg.value(), nullptr);
    ASSERT_FALSE(settings.conversionFailed());
    ApplyImportedSettings(st, settings);
  }
  JwcadSettings settings;
  StyleTables initial = InitialStyleTables();
  StyleTables st = InitialStyleTables();
};

DashPattern Repeat(std::initializer_list<double> cycle, int times) {
  DashPattern p;
  for (int i = 0; i < times; ++i) p.insert(p.end(), cycle);
  return p;
}

TEST_F(ExampleSettings, PensColoursAndPointRadii) {
  struct Case {
    const char* what;
    double got, expected;
  } cases[] = {
      {"screen colour 3", double(st.ScreenPenColor[3]), double(0x009600)},
      {"screen colour 9", double(st.ScreenPenColor[9]), double(0x8080FF)},
      {"screen width 5", double(st.ScreenPenWidth[5]), 1},
      {"printer colour 4", double(st.PrintPenColor[4]), 0},
      {"printer width 8", double(st.PrintPenWidth[8]), 5},
      // Pen 9 has no printer values in Jw_cad's keys: initial ones stay.
      {"printer colour 9", double(st.PrintPenColor[9]), double(initial.PrintPenColor[9])},
      {"printer width 9", double(st.PrintPenWidth[9]), double(initial.PrintPenWidth[9])},
      {"point radius 3", st.PointRadius[3], 0.6},
      {"point radius 8", st.PointRadius[8], 1.2},
      {"grey", double(st.GreyColor), double(0xC0C0C0)},
      {"printer grey", double(st.PrintGreyColor), double(0xC0C0C0)},
      {"background", double(st.BackgroundColor), double(0xFFFFFF)},
      {"zoom frame", double(st.ZoomFrameColor), double(0xFF8000)},
      {"layout (own default)", double(st.LayoutColor), double(0x0000FF)},
      {"transform (own default)", double(st.TransformColor), double(0xFFFF00)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST_F(ExampleSettings, TextKindsTakeTheScreenColourOfTheirPen) {
  // MOJI Color01..Color10 name pens 1 1 2 2 3 3 4 5 6 2.
  const int pens[11] = {0, 1, 1, 2, 2, 3, 3, 4, 5, 6, 2};
  for (std::size_t k = 1; k <= 10; ++k)
    EXPECT_EQ(st.TextKindColor[k], st.ScreenPenColor[static_cast<std::size_t>(pens[k])]) << k;
}

TEST_F(ExampleSettings, DashPatternsUseTheScreenAndPrinterPitch) {
  struct Case {
    int t;
    DashPattern screen, print;
  } cases[] = {
      {2, Repeat({2, 2}, 8), Repeat({12, 12}, 8)},     // CCCCCCCC, pitch 1 and 6
      {3, Repeat({8, 8}, 4), Repeat({48, 48}, 4)},     // F0F0F0F0, pitch 2 and 12
      {4, Repeat({16, 16}, 2), Repeat({96, 96}, 2)},   // FF00FF00, pitch 2 and 12
      {9, Repeat({32, 12, 8, 12}, 2), Repeat({192, 72, 48, 72}, 2)},  // FF18FF18, pitch 4 and 24
      // FFFF3333: the two trailing ink bits move to the front; no printer
      // pitch is read for 16..19, so the initial one (20) stays.
      {16, {36, 4, 4, 4, 4, 4, 4, 4}, {360, 40, 40, 40, 40, 40, 40, 40}},
      // 12 is FFFFFF00: one run of ink, one gap; pitch 5 and 30.
      {12, {120, 40}, {720, 240}},
  };
  for (const auto& c : cases) {
    const std::size_t t = static_cast<std::size_t>(c.t);
    EXPECT_EQ(st.ScreenPattern[t], c.screen) << c.t;
    EXPECT_EQ(st.PrintPattern[t], c.print) << c.t;
  }
  // All ink (FFFFFFFF): no pattern, drawn solid.
  EXPECT_TRUE(st.ScreenPattern[11].empty());
  EXPECT_TRUE(st.PrintPattern[11].empty());
  EXPECT_TRUE(st.ScreenPattern[1].empty());
}

TEST_F(ExampleSettings, UnitsAndRandomLineHalfHeights) {
  struct Case {
    int t;
    double screenUnit, printUnit, screenAmp, printAmp;
  } cases[] = {
      {2, 1, 6, 0, 0},    {9, 4, 24, 0, 0},   {11, 4, 24, 1, 3},
      {15, 8, 48, 5, 15}, {16, 2, 20, 0, 0},  {19, 2, 40, 0, 0},
  };
  for (const auto& c : cases) {
    const std::size_t t = static_cast<std::size_t>(c.t);
    EXPECT_EQ(st.ScreenUnit[t], c.screenUnit) << c.t;
    EXPECT_EQ(st.PrintUnit[t], c.printUnit) << c.t;
    EXPECT_EQ(st.ScreenAmplitude[t], c.screenAmp) << c.t;
    EXPECT_EQ(st.PrintAmplitude[t], c.printAmp) << c.t;
  }
  EXPECT_EQ(st.LineTypeBits[2], "11001100110011001100110011001100");
}

}  // namespace
}  // namespace sw
