// Glyph placement of texts: advances, vertical writing, even-spacing dots,
// condensing and every special code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/TextLayout.h"

namespace sw {
namespace {

constexpr double kEps = 1e-9;

// "あ", "い", "○" in CP932.
const std::string kA = "\x82\xA0";
const std::string kI = "\x82\xA2";
const std::string kCircle = "\x81\x9B";
const std::string kDot = "\x81\x45";
const std::string kHalfDot = "\xA5";
const std::string kHalfKana = "\xB1";  // half-width katakana "ｱ"

CDataMoji Text(const std::string& s, double width = 4, double height = 6, double spacing = 0,
               double angle = 0) {
  CDataMoji m;
  m.text = s;
  m.sizeX = width;
  m.sizeY = height;
  m.spacing = spacing;
  m.angle = angle;
  m.head.penColor = 2;
  m.textType = 3;
  return m;
}

std::vector<GlyphPlacement> Layout(const CDataMoji& m, PaperPoint start = {0, 0},
                                   bool vertical = false, bool grey = false) {
  std::vector<GlyphPlacement> out;
  LayoutText(m, TextLayoutInput{start, vertical, grey}, out);
  return out;
}

// Expected glyph: character, position, width and height.
struct Want {
  std::string text;
  double x, y, w, h;
};

void ExpectGlyphs(const std::vector<GlyphPlacement>& got, const std::vector<Want>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE("glyph " + std::to_string(i));
    EXPECT_EQ(got[i].text, want[i].text);
    EXPECT_NEAR(got[i].at.x, want[i].x, kEps);
    EXPECT_NEAR(got[i].at.y, want[i].y, kEps);
    EXPECT_NEAR(got[i].width, want[i].w, kEps);
    EXPECT_NEAR(got[i].height, want[i].h, kEps);
  }
}

std::string Chars(const std::vector<GlyphPlacement>& got) {
  std::string s;
  for (const GlyphPlacement& g : got) s += g.text;
  return s;
}

TEST(TextLayout, AdvancesByHalfCellsOfMixedWidths) {
  // Half-width characters advance by (w + s) / 2, full-width ones by w + s.
  ExpectGlyphs(Layout(Text("A" + kA + " " + kHalfKana + "B", 4, 6, 1), {10, 20}),
               {{"A", 10, 20, 4, 6},
                {kA, 12.5, 20, 4, 6},
                {" ", 17.5, 20, 4, 6},
                {kHalfKana, 20, 20, 4, 6},
                {"B", 22.5, 20, 4, 6}});
}

TEST(TextLayout, FollowsTheAngleAndKeepsAttributes) {
  const auto got = Layout(Text("AB", 4, 6, 0, 90), {1, 2});
  ExpectGlyphs(got, {{"A", 1, 2, 4, 6}, {"B", 1, 4, 4, 6}});
  for (const GlyphPlacement& g : got) {
    EXPECT_DOUBLE_EQ(g.angle, 90);
    EXPECT_EQ(g.colour, 2);
    EXPECT_EQ(g.typeCode, 3);
    EXPECT_FALSE(g.underline);
    EXPECT_FALSE(g.strikeOut);
  }
}

TEST(TextLayout, VerticalWritingStepsByHeightBeforeEachGlyph) {
  // Angle -90: the column runs down; glyphs are upright (angle 0). The first
  // step is height x len / 2, later ones add len x spacing / 2.
  const auto got = Layout(Text("A" + kA + "B", 4, 6, 2, -90), {0, 0}, true);
  ExpectGlyphs(got, {{"A", 0, -3, 4, 6}, {kA, 0, -3 - 8, 4, 6}, {"B", 0, -11 - 4, 4, 6}});
  for (const GlyphPlacement& g : got) EXPECT_NEAR(g.angle, 0, kEps);
}

TEST(TextLayout, TrailingDotsSpreadTheirLengthOverTheGaps) {
  struct Case {
    const char* name;
    std::string text;
    double spacing;          // expected spacing after the step
    std::string remaining;   // expected remaining text
  } cases[] = {
      // Three letters and two dots: the two gaps of the letters take the
      // dots' length, so "C" ends where the second dot ended (x = 14).
      {"two full dots", "ABC" + kDot + kDot, 8, "ABC"},
      {"one half dot", "ABC" + kHalfDot, 2, "ABC"},
      {"full then half", "ABC" + kDot + kHalfDot, 6, "ABC"},
      {"full-width last character", "A" + kA + kDot, 4 * 1 / 0.5, "A" + kA},
      {"dot inside is kept", "A" + kDot + "B", 0, "A" + kDot + "B"},
      {"half dot not last is kept", "AB" + kHalfDot + kDot, 4 * 1 / 1.0, "AB" + kHalfDot},
      {"one character keeps spacing", "A" + kDot + kDot, 0, "A"},
      {"only dots", kDot + kDot, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string s = c.text;
    EXPECT_NEAR(ApplyTrailingDots(s, 4, 0), c.spacing, kEps);
    EXPECT_EQ(s, c.remaining);
  }
  ExpectGlyphs(Layout(Text("ABC" + kDot + kDot)), {{"A", 0, 0, 4, 6}, {"B", 6, 0, 4, 6}, {"C", 12, 0, 4, 6}});
}

TEST(TextLayout, CondensingShrinksWidthAndSpacing) {
  struct Case {
    const char* name;
    std::string text;
    double width, spacing;
    bool applied;
    std::string remaining;
  } cases[] = {
      {"four letters by two", "ABCD^2", 4 - 2 * 4 / 4.0, 1 - 1 * 2 / 3.0, true, "ABCD"},
      {"full-width by one", kA + kI + "^1", 4 - 4 / 4.0, 1 - 1 / 3.0, true, kA + kI},
      {"zero is no code", "ABC^0", 4, 1, false, "ABC^0"},
      {"letter is no code", "ABC^x", 4, 1, false, "ABC^x"},
      {"too short keeps sizes", "AB^3", 4, 1, true, "AB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string s = c.text;
    double w = 4, sp = 1;
    EXPECT_EQ(ApplyCondensing(s, w, sp), c.applied);
    EXPECT_NEAR(w, c.width, kEps);
    EXPECT_NEAR(sp, c.spacing, kEps);
    EXPECT_EQ(s, c.remaining);
  }
  // "^0" stays text and is drawn as two characters.
  EXPECT_EQ(Chars(Layout(Text("AB^0"))), "AB^0");
  // Condensed glyphs advance by the condensed sizes.
  ExpectGlyphs(Layout(Text("ABCD^2", 4, 6, 1)),
               {{"A", 0, 0, 2, 6}, {"B", 1 + 1 / 6.0, 0, 2, 6}, {"C", 2 * (1 + 1 / 6.0), 0, 2, 6},
                {"D", 3 * (1 + 1 / 6.0), 0, 2, 6}});
}

TEST(TextLayout, AttributeCodes) {
  struct Case {
    const char* name;
    std::string text;
    std::int32_t typeCode;
    bool underline, strikeOut;
    int colour;
  } cases[] = {
      {"italic", "^/X", 10003, false, false, 2},
      {"bold", "^!X", 20003, false, false, 2},
      {"bold italic", "^!^/X", 30003, false, false, 2},
      {"strike-out", "^-X", 3, false, true, 2},
      {"underline", "^_X", 3, true, false, 2},
      {"colour digit", "^$7X", 3, false, false, 7},
      {"colour zero", "^$0X", 3, false, false, 0},
      {"reset", "^!^/^_^-^#X", 3, false, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto got = Layout(Text(c.text));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text, "X");
    EXPECT_NEAR(got[0].at.x, 0, kEps);  // codes take no room
    EXPECT_EQ(got[0].typeCode, c.typeCode);
    EXPECT_EQ(got[0].underline, c.underline);
    EXPECT_EQ(got[0].strikeOut, c.strikeOut);
    EXPECT_EQ(got[0].colour, c.colour);
  }
}

TEST(TextLayout, CodeCornerCases) {
  struct Case {
    const char* name;
    std::string text;
    std::string drawn;
  } cases[] = {
      {"dollar and letter keeps the letter", "^$xA", "xA"},
      {"code letter at the end", "A^", "A^"},
      {"dollar at the end", "A^$", "A"},
      {"unknown letter", "^zA", "^zA"},
      {"full-width after caret", "^" + kA, "^" + kA},
      {"double caret while enabled", "A^^Z", "A^^Z"},
      {"disable, then codes are text", "^*^/A^_B", "^/A^_B"},
      {"caret caret enables again", "^*^^^/A", "A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Chars(Layout(Text(c.text))), c.drawn);
  }
  const auto dollar = Layout(Text("^$xA"));
  ASSERT_EQ(dollar.size(), 2u);
  EXPECT_EQ(dollar[1].colour, 2);
}

TEST(TextLayout, StarThenCaretCaretSequence) {
  // After "*": "^" and "/" are drawn; "^^" enables codes; "^/" turns italic on.
  const auto got = Layout(Text("^*^/A^^^/B"));
  ASSERT_EQ(Chars(got), "^/AB");
  EXPECT_EQ(got[0].typeCode, 3);
  EXPECT_EQ(got[2].typeCode, 3);
  EXPECT_EQ(got[3].typeCode, 10003);
  // The drawn "^" and "/" take their cells.
  EXPECT_NEAR(got[1].at.x, 2, kEps);
  EXPECT_NEAR(got[3].at.x, 6, kEps);
}

TEST(TextLayout, PlacementCodes) {
  // Width 4, height 6, no spacing unless given: a half-width cell is 2 mm.
  struct Case {
    const char* name;
    CDataMoji text;
    std::vector<Want> want;
  } cases[] = {
      // Superscript: half height, width / len, raised by half the height;
      // the text goes on half a cell after where it began.
      {"u full-width", Text(kA + "^u" + kI + kA),
       {{kA, 0, 0, 4, 6}, {kI, 4, 3, 2, 3}, {kA, 6, 0, 4, 6}}},
      {"u half-width", Text("A^uBC", 4, 6, 1),
       {{"A", 0, 0, 4, 6}, {"B", 2.5, 3, 4, 3}, {"C", 5, 0, 4, 6}}},
      {"d", Text(kA + "^d" + kI + kA), {{kA, 0, 0, 4, 6}, {kI, 4, 0, 2, 3}, {kA, 6, 0, 4, 6}}},
      {"c", Text(kA + "^c" + kI + kA), {{kA, 0, 0, 4, 6}, {kI, 4, 1.5, 2, 3}, {kA, 6, 0, 4, 6}}},
      // Overstrike: the next character lands on the previous one and takes no room.
      {"n", Text("A^nBC"), {{"A", 0, 0, 4, 6}, {"B", 0, 0, 4, 6}, {"C", 2, 0, 4, 6}}},
      {"n with spacing", Text(kA + "^n" + kI + "B", 4, 6, 2),
       {{kA, 0, 0, 4, 6}, {kI, 0, 0, 4, 6}, {"B", 6, 0, 4, 6}}},
      // Back steps of 0.6 and 0.7 of the previous character.
      {"b", Text("AB^bCD", 4, 6, 0.5),
       {{"A", 0, 0, 4, 6}, {"B", 2.25, 0, 4, 6}, {"C", 4.5 - 1.2 - 0.5, 0, 4, 6}, {"D", 4.5, 0, 4, 6}}},
      {"B full-width", Text(kA + "^B" + kI), {{kA, 0, 0, 4, 6}, {kI, 4 - 2.8, 0, 4, 6}}},
      {"b after c", Text(kA + "^c" + kI + "^b" + kA),
       {{kA, 0, 0, 4, 6}, {kI, 4, 1.5, 2, 3}, {kA, 6 - 1.2, 0, 4, 6}}},
      {"b at the start does not move", Text("^bA"), {{"A", 0, 0, 4, 6}}},
      // Half size, centred in the previous cell.
      {"o in a circle", Text(kCircle + "^o1B"),
       {{kCircle, 0, 0, 4, 6}, {"1", 1.5, 1.5, 2, 3}, {"B", 4, 0, 4, 6}}},
      {"w two digits", Text(kCircle + "^w12B"),
       {{kCircle, 0, 0, 4, 6}, {"1", 1, 1.5, 2, 3}, {"2", 2, 1.5, 2, 3}, {"B", 4, 0, 4, 6}}},
      {"w one full-width", Text(kCircle + "^w" + kA + "B"),
       {{kCircle, 0, 0, 4, 6}, {kA, 1, 1.5, 2, 3}, {"B", 4, 0, 4, 6}}},
      // Condensing sets the width again before every character.
      {"u under condensing", Text(kA + "^u" + kI + kA + "^4"),
       {{kA, 0, 0, 2, 6}, {kI, 2, 3, 2, 3}, {kA, 2 + 1, 0, 2, 6}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectGlyphs(Layout(c.text), c.want);
  }
}

TEST(TextLayout, CodesFollowARotatedBaseline) {
  // At 90 degrees "along" is +y and "up" is -x.
  ExpectGlyphs(Layout(Text(kA + "^u" + kI + "B", 4, 6, 0, 90), {10, 0}),
               {{kA, 10, 0, 4, 6}, {kI, 10 - 3, 4, 2, 3}, {"B", 10, 6, 4, 6}});
}

TEST(TextLayout, GreyLayerOverridesEveryColour) {
  const auto got = Layout(Text("A^$5B"), {0, 0}, false, true);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].colour, kGreyTextColour);
  EXPECT_EQ(got[1].colour, kGreyTextColour);
  const auto coloured = Layout(Text("A^$5B"));
  EXPECT_EQ(coloured[0].colour, 2);
  EXPECT_EQ(coloured[1].colour, 5);
}

}  // namespace
}  // namespace sw
