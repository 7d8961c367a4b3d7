#include "render/Styles.h"

#include <gtest/gtest.h>

#include "settings/JwcadSettings.h"

namespace sw {
namespace {

std::array<JWWLayerGroupState, 16> AllShown() {
  std::array<JWWLayerGroupState, 16> g{};
  for (auto& s : g) {
    s.state = 2;
    for (auto& l : s.layers) l.state = 2;
  }
  return g;
}

JWWEntityHead Head(int color, int style = 1, int group = 0, int layer = 0) {
  JWWEntityHead h;
  h.penColor = static_cast<std::uint16_t>(color);
  h.penStyle = static_cast<std::uint8_t>(style);
  h.layerGroup = static_cast<std::uint16_t>(group);
  h.layer = static_cast<std::uint16_t>(layer);
  return h;
}

// Strings of millions of bits, as a long line type in the registry gives:
// the turning round and the run counting each take one pass.
TEST(BuildPattern, LongBitStringsInOnePass) {
  const std::size_t n = std::size_t{1} << 20;
  struct Case {
    std::string bits;
    std::size_t size;         // of the pattern
    DashPattern first, last;  // its first and last two lengths
  } cases[] = {
      {"1000" + std::string(n, '1'), 2, {n + 1, 3}, {n + 1, 3}},
      {std::string(n, '0') + "10", 2, {1, n + 1}, {1, n + 1}},
      {std::string(n, '1') + std::string(n, '0') + std::string(n, '1'), 2, {2 * n, n}, {2 * n, n}},
      {"0" + [&] {
         std::string s;
         for (std::size_t i = 0; i < n / 2; ++i) s += "10";
         return s;
       }() + "11",
       n + 2, {2, 1}, {1, 1}},
  };
  for (const Case& c : cases) {
    StyleTables st;
    BuildPattern(st, 2, c.bits, 1, true);
    const DashPattern& p = st.PrintPattern[2];
    ASSERT_EQ(p.size(), c.size);
    EXPECT_EQ(DashPattern(p.begin(), p.begin() + 2), c.first);
    EXPECT_EQ(DashPattern(p.end() - 2, p.end()), c.last);
  }
}

TEST(BuildPattern, BitStringsBecomeInkAndGapLengths) {
  struct Case {
    std::string bits;
    double unit;
    DashPattern expected;
  } cases[] = {
      {"11110000", 2.0, {8, 8}},
      {"00111100", 2.0, {8, 8}},  // rotated to 11110000
      {"1100110000", 1, {2, 2, 2, 4}},
      {"0110", 1, {2, 2}},        // trailing '1's are not the case: leading 0 moves back
      {"10000001", 1, {2, 6}},    // trailing '1' moves to the front
      {"11110000", 1.5, {8, 8}},  // the unit is rounded half away
      {"11111111", 1, {}},        // no gap: no pattern, drawn solid
      {"00000000", 1, {}},        // no ink: no pattern
      {"", 1, {}},
  };
  for (const auto& c : cases) {
    StyleTables st;
    BuildPattern(st, 3, c.bits, c.unit, false);
    EXPECT_EQ(st.ScreenPattern[3], c.expected) << c.bits;
    EXPECT_TRUE(st.PrintPattern[3].empty());
  }
}

TEST(SelectEntityPen, ColourWidthGreyAndPrinting) {
  StyleTables st = InitialStyleTables();
  st.ScreenPenColor[5] = 0x0000AA;
  st.ScreenPenWidth[5] = 3;
  st.PrintPenColor[5] = 0x000011;
  st.PrintPenWidth[5] = 7;
  st.SxfColor[5] = 0x123456;
  auto groups = AllShown();
  groups[2].layers[4].state = 1;  // display only
  groups[3].state = 1;
  struct Case {
    JWWEntityHead head;
    bool printing, backdrop;
    EntityPen before, after;
  } cases[] = {
      {Head(5), false, false, {0x999, 9, false}, {0x0000AA, 3, true}},
      {Head(5), true, false, {0x999, 9, true}, {0x000011, 7, true}},
      {Head(5, 1, 2, 4), false, false, {0, 1, true}, {st.GreyColor, 3, true}},  // grey, width of pen 5
      {Head(5, 1, 3, 0), false, false, {0, 1, true}, {st.GreyColor, 3, true}},
      {Head(5), false, true, {0, 1, true}, {st.GreyColor, 3, true}},           // backdrop
      {Head(0), false, false, {0x777, 5, true}, {0x777, 1, true}},             // keeps colour
      {Head(10), false, false, {0x777, 5, true}, {0x777, 1, true}},
      {Head(100), false, false, {0x777, 5, true}, {0x777, 1, true}},
      {Head(105), false, false, {0x777, 5, true}, {0x123456, 1, true}},        // SXF colour
      {Head(60000), false, false, {0x777, 5, true}, {0x777, 1, true}},         // past the table
      {Head(5, 2), false, false, {0, 1, false}, {0x0000AA, 3, false}},         // dashed keeps style
      {Head(5, 31), false, false, {0, 1, false}, {0x0000AA, 3, true}},
      {Head(5, 62), false, false, {0, 1, false}, {0x0000AA, 3, true}},
  };
  for (const auto& c : cases) {
    PenContext ctx{&st, &groups, 1, c.backdrop, c.printing};
    EntityPen pen = c.before;
    SelectEntityPen(ctx, c.head, pen);
    EXPECT_EQ(pen, c.after) << c.head.penColor << "/" << int(c.head.penStyle);
  }
}

// On paper the grey is the printer's grey ("PrCol12"), on screen the
// screen's: for display-only layers, for the backdrop and for text colour 12,
// where the plain rule names one grey for both.
TEST(SelectEntityPen, PrintedGreyIsThePrintersGrey) {
  StyleTables st = InitialStyleTables();
  st.GreyColor = 0x111111;
  st.PrintGreyColor = 0x222222;
  auto groups = AllShown();
  groups[2].layers[4].state = 1;
  const struct {
    const char* what;
    JWWEntityHead head;
    bool backdrop;
  } pens[] = {{"display-only layer", Head(5, 1, 2, 4), false}, {"backdrop", Head(5), true}};
  for (const bool printing : {false, true}) {
    const std::uint32_t grey = printing ? 0x222222u : 0x111111u;
    for (const auto& c : pens) {
      PenContext ctx{&st, &groups, 1, c.backdrop, printing};
      EntityPen pen;
      SelectEntityPen(ctx, c.head, pen);
      EXPECT_EQ(pen.color, grey) << c.what << (printing ? ", printing" : "");
    }
    EXPECT_EQ(TextColor(PenContext{&st, nullptr, 1, false, printing}, 12), grey);
    EXPECT_EQ(TextColor(PenContext{&st, nullptr, 1, true, printing}, 3), grey);
  }
}

TEST(Visibility, HiddenGroupsAndLayersOnlyOutsideTheBaseEntry) {
  StyleTables st = InitialStyleTables();
  auto groups = AllShown();
  groups[1].state = 0;
  groups[2].layers[3].state = 0;
  struct Case {
    int frame, group, layer;
    bool visible;
  } cases[] = {{0, 1, 0, true}, {1, 1, 0, false}, {1, 2, 3, false}, {1, 2, 4, true},
               {1, 0, 0, true}, {1, 16, 0, false}, {0, 16, 0, true}};
  for (const auto& c : cases) {
    PenContext ctx{&st, &groups, c.frame, false, false};
    EXPECT_EQ(IsEntityVisible(ctx, Head(1, 1, c.group, c.layer)), c.visible) << c.frame << c.group << c.layer;
  }
}

TEST(TextColor, ByNumber) {
  StyleTables st = InitialStyleTables();
  st.TextKindColor[10] = 0xABCDEF;
  st.SxfColor[11] = 0x111111;
  st.SxfColor[5] = 0x555555;
  PenContext screen{&st, nullptr, 0, false, false};
  PenContext print{&st, nullptr, 0, false, true};
  PenContext backdrop{&st, nullptr, 0, true, false};
  EXPECT_EQ(TextColor(screen, 3), st.ScreenPenColor[3]);
  EXPECT_EQ(TextColor(print, 3), st.PrintPenColor[3]);
  EXPECT_EQ(TextColor(screen, 12), st.GreyColor);
  EXPECT_EQ(TextColor(backdrop, 3), st.GreyColor);
  EXPECT_EQ(TextColor(screen, 10), 0xABCDEFu);
  EXPECT_EQ(TextColor(screen, 11), 0x111111u);
  EXPECT_EQ(TextColor(screen, 105), 0x555555u);
  EXPECT_EQ(TextColor(screen, 40000), st.ScreenPenColor[1]);
}

TEST(DrawingTables, SxfColoursAvoidTheBackgroundAndLineTypesScale) {
  StyleTables st = InitialStyleTables();
  JWWHead h;
  h.sxfColors[0].color = static_cast<std::int32_t>(st.BackgroundColor);
  h.sxfColors[1].color = 0x00FF00;
  h.sxfUserLineTypes[2].segmentCount = 2;
  h.sxfUserLineTypes[2].pitches = {1, 0.5};
  h.sxfLineTypes[2].pitch = 2;
  h.sxfUserLineTypes[3].name = "none";  // defined, no segments
  st.ScreenPattern[34] = {9};
  ApplyDrawingTables(st, h);
  EXPECT_EQ(st.SxfColor[0], ~st.BackgroundColor & 0xFFFFFFu);
  EXPECT_EQ(st.SxfColor[1], 0x00FF00u);
  EXPECT_EQ(st.ScreenPattern[32], (DashPattern{8, 4}));
  EXPECT_EQ(st.PrintPattern[32], (DashPattern{24, 12}));
  EXPECT_EQ(st.ScreenPattern[33], (DashPattern{0}));
  EXPECT_EQ(st.ScreenPattern[34], (DashPattern{9}));  // undefined: kept
}

TEST(ImportedSettings, OverrideOnlyWhatWasImported) {
  StyleTables initial = InitialStyleTables();
  JwcadSettings s;
  s.ScreenPenColor[2] = {0x00FF00, Origin::Jwcad};
  s.PrintPenWidth[3] = {5, Origin::Jwcad};
  s.BackgroundColor = {0x000000, Origin::Jwcad};
  s.LineTypeBits[2] = {"11110000", Origin::Jwcad};
  s.ScreenPitch[2] = {2, Origin::Jwcad};
  s.PrintPitch[2] = {3, Origin::Jwcad};
  s.LineTypeBits[16] = {"1100", Origin::Jwcad};
  s.ScreenPitch[16] = {1, Origin::Jwcad};
  s.TextColor[4] = {0x0000FF, Origin::Jwcad};
  StyleTables st = InitialStyleTables();
  ApplyImportedSettings(st, s);
  EXPECT_EQ(st.ScreenPenColor[2], 0x00FF00u);
  EXPECT_EQ(st.ScreenPenColor[1], initial.ScreenPenColor[1]);
  EXPECT_EQ(st.PrintPenWidth[3], 5);
  EXPECT_EQ(st.BackgroundColor, 0u);
  EXPECT_EQ(st.ScreenPattern[2], (DashPattern{8, 8}));
  EXPECT_EQ(st.PrintPattern[2], (DashPattern{12, 12}));
  // 16..19 keep their initial printer pitch.
  EXPECT_EQ(st.PrintPattern[16], (DashPattern{2 * initial.PrintUnit[16], 2 * initial.PrintUnit[16]}));
  EXPECT_EQ(st.TextKindColor[4], 0x0000FFu);
  EXPECT_EQ(st.LayoutColor, 0x0000FFu);
  EXPECT_EQ(st.TransformColor, 0xFFFF00u);
}

TEST(InitialStyles, EveryDashedTypeHasAPattern) {
  StyleTables st = InitialStyleTables();
  for (int t : {2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19}) {
    EXPECT_FALSE(st.ScreenPattern[static_cast<std::size_t>(t)].empty()) << t;
    EXPECT_FALSE(st.PrintPattern[static_cast<std::size_t>(t)].empty()) << t;
  }
  EXPECT_TRUE(st.ScreenPattern[1].empty());
}

}  // namespace
}  // namespace sw
