#include "render/Styles.h"

#include "render/View.h"
#include "settings/JwcadSettings.h"
#include "settings/SettingsConvert.h"

namespace sw {

// Initial values: Jw_cad's own start-up pen and line-type tables (the ones
// drawings written with unchanged settings carry), on a white sheet.
//  - Screen pens 1..9 (0x00BBGGRR): C0C000, 000000, 00C000, 00C0C0, C000C0,
//    FF0000, 808000, 8000FF, C0C0C0; every screen width 1.
//  - Printer pens 1..8: FFFF00, 000000, 00FF00, 00FFFF, FF00FF, FF0000,
//    808000, 0000FF with widths 1..8; pen 9 C0C0C0, width 1. Point radii of
//    pens 1..8: 0.2, 0.3, 0.4, 0.5, 0.5, 0.5, 0.5, 0.5 mm.
//  - Grey (screen and printer) C0C0C0, background FFFFFF, zoom frame FF00FF;
//    layout colour 0000FF and transform colour FFFF00 (the own defaults).
//  - Line types as hexadecimal patterns with screen and printer pitch:
//    1 FFFFFFFF; 2..9 99999999, C3C3C3C3, E7E7E7E7, F99FF99F, FFF99FFF,
//    F24FF24F, FFF24FFF, 22222222 at pitch 1 and 10; random lines 11..15
//    CCB2B32A at pitches 3, 4, 5, 6, 7 and 5, 10, 15, 20, 25 with half
//    heights 1, 1, 2, 2, 2 on both; double-length types 16..19 FFF99FFF,
//    FFF24FFF, FFFE7FFF, FFFE7FFF at pitch 2, 2, 2, 4 and 20, 20, 20, 40.
//  - Text kinds 1..10 take the screen colour of pen 2.
StyleTables InitialStyleTables() {
  StyleTables st;
  constexpr std::uint32_t kScreen[10] = {0,        0xC0C000, 0x000000, 0x00C000, 0x00C0C0,
                                         0xC000C0, 0xFF0000, 0x808000, 0x8000FF, 0xC0C0C0};
  constexpr std::uint32_t kPrint[10] = {0,        0xFFFF00, 0x000000, 0x00FF00, 0x00FFFF,
                                        0xFF00FF, 0xFF0000, 0x808000, 0x0000FF, 0xC0C0C0};
  constexpr int kPrintWidth[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 1};
  constexpr double kPointRadius[10] = {0, 0.2, 0.3, 0.4, 0.5, 0.5, 0.5, 0.5, 0.5, 0};
  for (std::size_t p = 1; p <= 9; ++p) {
    st.ScreenPenColor[p] = kScreen[p];
    st.ScreenPenWidth[p] = 1;
    st.PrintPenColor[p] = kPrint[p];
    st.PrintPenWidth[p] = kPrintWidth[p];
    st.PointRadius[p] = kPointRadius[p];
  }
  st.GreyColor = 0xC0C0C0;
  st.PrintGreyColor = 0xC0C0C0;
  st.BackgroundColor = 0xFFFFFF;
  st.ZoomFrameColor = 0xFF00FF;
  st.LayoutColor = 0x0000FF;
  st.TransformColor = 0xFFFF00;
  for (std::size_t k = 1; k <= 10; ++k) st.TextKindColor[k] = kScreen[2];

  struct LineType {
    int t;
    const char* pattern;
    double screenPitch, printPitch, screenHalfHeight, printHalfHeight;
  };
  constexpr LineType kTypes[] = {
      {1, "FFFFFFFF", 1, 10, 0, 0},   {2, "99999999", 1, 10, 0, 0},   {3, "C3C3C3C3", 1, 10, 0, 0},
      {4, "E7E7E7E7", 1, 10, 0, 0},   {5, "F99FF99F", 1, 10, 0, 0},   {6, "FFF99FFF", 1, 10, 0, 0},
      {7, "F24FF24F", 1, 10, 0, 0},   {8, "FFF24FFF", 1, 10, 0, 0},   {9, "22222222", 1, 10, 0, 0},
      {11, "CCB2B32A", 3, 5, 1, 1},   {12, "CCB2B32A", 4, 10, 1, 1},  {13, "CCB2B32A", 5, 15, 2, 2},
      {14, "CCB2B32A", 6, 20, 2, 2},  {15, "CCB2B32A", 7, 25, 2, 2},  {16, "FFF99FFF", 2, 20, 0, 0},
      {17, "FFF24FFF", 2, 20, 0, 0},  {18, "FFFE7FFF", 2, 20, 0, 0},  {19, "FFFE7FFF", 4, 40, 0, 0},
  };
  for (const LineType& lt : kTypes) {
    const std::size_t i = static_cast<std::size_t>(lt.t);
    st.LineTypeBits[i] = PatternToBits(lt.pattern);
    st.ScreenUnit[i] = lt.screenPitch;
    st.PrintUnit[i] = lt.printPitch;
    if (lt.t >= 11 && lt.t <= 15) {
      st.ScreenAmplitude[i] = lt.screenHalfHeight;
      st.PrintAmplitude[i] = lt.printHalfHeight;
    }
    if (lt.t != 1) {
      BuildPattern(st, lt.t, st.LineTypeBits[i], st.ScreenUnit[i], false);
      BuildPattern(st, lt.t, st.LineTypeBits[i], st.PrintUnit[i], true);
    }
  }
  return st;
}

void BuildPattern(StyleTables& st, int t, const std::string& bits, double unit, bool printer) {
  if (t < 1 || t > 64) return;
  DashPattern& out = printer ? st.PrintPattern[t] : st.ScreenPattern[t];
  out.clear();
  // Without both kinds of bit the rotation below would never end, and any
  // other character would stall the run counting: no pattern (drawn solid).
  if (bits.find('1') == std::string::npos || bits.find('0') == std::string::npos ||
      bits.find_first_not_of("01") != std::string::npos)
    return;
  // The string is read as turned round so that it starts with ink and ends
  // with a gap: its trailing ink goes to the front, then the gap that then
  // leads goes to the back. The pattern is its runs, ink first.
  const std::size_t n = bits.size();
  const std::size_t inkAtEnd = n - 1 - bits.find_last_not_of('1');
  // After the first turn the string starts at n - inkAtEnd; its leading gap
  // is the run of zeros there (which may wrap round).
  std::size_t start = n - inkAtEnd;
  while (bits[start % n] == '0') ++start;
  start %= n;
  const double u = RoundAway(unit);
  std::size_t p = start;  // position in `bits` of the next character of the turned string
  for (std::size_t j = 0; j < n;) {
    const char c = bits[p];
    std::size_t run = 0;
    for (; j < n && bits[p] == c; ++run, ++j) p = p + 1 == n ? 0 : p + 1;
    out.push_back(static_cast<double>(run) * u);
  }
}

void ApplyImportedSettings(StyleTables& st, const JwcadSettings& s) {
  for (std::size_t p = 1; p <= 9; ++p) {
    if (s.ScreenPenColor[p].imported()) st.ScreenPenColor[p] = s.ScreenPenColor[p].value;
    if (s.ScreenPenWidth[p].imported()) st.ScreenPenWidth[p] = s.ScreenPenWidth[p].value;
    if (s.PrintPenColor[p].imported()) st.PrintPenColor[p] = s.PrintPenColor[p].value;
    if (s.PrintPenWidth[p].imported()) st.PrintPenWidth[p] = s.PrintPenWidth[p].value;
    if (p <= 8 && s.PointRadius[p].imported()) st.PointRadius[p] = s.PointRadius[p].value;
  }
  if (s.GreyColor.imported()) st.GreyColor = s.GreyColor.value;
  if (s.PrintGreyColor.imported()) st.PrintGreyColor = s.PrintGreyColor.value;
  if (s.BackgroundColor.imported()) st.BackgroundColor = s.BackgroundColor.value;
  if (s.ZoomFrameColor.imported()) st.ZoomFrameColor = s.ZoomFrameColor.value;
  st.LayoutColor = s.LayoutColor.value;
  st.TransformColor = s.TransformColor.value;
  st.MouseWheel = s.MouseWheel.imported() ? s.MouseWheel.value : st.MouseWheel;
  for (std::size_t k = 1; k <= 10; ++k)
    if (s.TextColor[k].imported()) st.TextKindColor[k] = s.TextColor[k].value;
  for (int t = 1; t <= 19; ++t) {
    const std::size_t i = static_cast<std::size_t>(t);
    if (t == 10) continue;
    if (s.LineTypeBits[i].imported()) st.LineTypeBits[i] = s.LineTypeBits[i].value;
    if (s.ScreenPitch[i].imported()) st.ScreenUnit[i] = s.ScreenPitch[i].value;
    // 16..19 have no printer pitch of their own and keep the initial one.
    if (t <= 15 && s.PrintPitch[i].imported()) st.PrintUnit[i] = s.PrintPitch[i].value;
    // Random lines: the random width is the screen half height, the
    // printer random value the printer one.
    if (t >= 11 && t <= 15) {
      if (s.RandomWidth[i].imported()) st.ScreenAmplitude[i] = s.RandomWidth[i].value;
      if (s.PrintRandom[i].imported()) st.PrintAmplitude[i] = s.PrintRandom[i].value;
    }
    if (t >= 2) {
      BuildPattern(st, t, st.LineTypeBits[i], st.ScreenUnit[i], false);
      BuildPattern(st, t, st.LineTypeBits[i], st.PrintUnit[i], true);
    }
  }
}

JwcadSettings ImportStyleTables(StyleTables& st, const Registry* jwcad, const Registry* own) {
  JwcadSettings s = ImportSettings(jwcad, own);
  st = InitialStyleTables();
  ApplyImportedSettings(st, s);
  return s;
}

// SXF line type i (0..32) is defined when its user entry has segments or a
// name; its n = segmentCount (at most 10) segment lengths are the entry's
// pitches and p is the pitch of the matching sxfLineTypes entry. A defined
// entry with no segments gets the single length 0, which draws solid.
void ApplyDrawingTables(StyleTables& st, const JWWHead& head) {
  for (std::size_t i = 0; i < st.SxfColor.size(); ++i) {
    const std::uint32_t c = static_cast<std::uint32_t>(head.sxfColors[i].color) & 0x00FFFFFFu;
    st.SxfColor[i] = c == (st.BackgroundColor & 0x00FFFFFFu) ? (~c & 0x00FFFFFFu) : c;
  }
  for (std::size_t i = 0; i <= 32; ++i) {
    const JWWLType4& user = head.sxfUserLineTypes[i];
    if (user.segmentCount <= 0 && user.name.empty()) continue;
    const double p = head.sxfLineTypes[i].pitch;
    DashPattern screen, print;
    const int n = user.segmentCount > 10 ? 10 : user.segmentCount;
    for (int k = 0; k < n; ++k) {
      screen.push_back(user.pitches[static_cast<std::size_t>(k)] * p * 4);
      print.push_back(user.pitches[static_cast<std::size_t>(k)] * p * 12);
    }
    if (n <= 0) screen = print = {0.0};
    st.ScreenPattern[30 + i] = screen;
    st.PrintPattern[30 + i] = print;
  }
}

namespace {

// The grey of display-only layers, of colour 12 and of the backdrop. On
// paper it is the printer's grey ("PrCol12", PrintGreyColor), not the
// screen's: a choice beyond the plain rule, which names one grey for both,
// so that printed grey follows Jw_cad's printer colours as every printed pen
// colour does (a light screen grey may vanish on paper, a dark one print as
// black).
std::uint32_t Grey(const PenContext& ctx) {
  const StyleTables& st = *ctx.styles;
  return ctx.printing ? st.PrintGreyColor : st.GreyColor;
}

}  // namespace

bool IsGreyLayer(const PenContext& ctx, const JWWEntityHead& head) {
  if (!ctx.groups || head.layerGroup > 15 || head.layer > 15) return false;
  const JWWLayerGroupState& g = (*ctx.groups)[head.layerGroup];
  return g.state == 1 || g.layers[head.layer].state == 1;
}

void SelectEntityPen(const PenContext& ctx, const JWWEntityHead& head, EntityPen& pen) {
  const StyleTables& st = *ctx.styles;
  pen.width = 1;
  if (head.penStyle == 1 || (head.penStyle >= 31 && head.penStyle <= 62)) pen.solid = true;
  const int c = head.penColor;
  if (c >= 1 && c <= 9) {
    pen.color = ctx.printing ? st.PrintPenColor[static_cast<std::size_t>(c)] : st.ScreenPenColor[static_cast<std::size_t>(c)];
    pen.width = ctx.printing ? st.PrintPenWidth[static_cast<std::size_t>(c)] : st.ScreenPenWidth[static_cast<std::size_t>(c)];
  } else if (c > 100 && c - 100 < static_cast<int>(st.SxfColor.size())) {
    pen.color = st.SxfColor[static_cast<std::size_t>(c - 100)];
  }
  if (IsGreyLayer(ctx, head) || ctx.backdrop) pen.color = Grey(ctx);
}

bool IsEntityVisible(const PenContext& ctx, const JWWEntityHead& head) {
  if (ctx.currentFrame == 0) return true;
  if (!ctx.groups || head.layerGroup > 15 || head.layer > 15) return false;
  const JWWLayerGroupState& g = (*ctx.groups)[head.layerGroup];
  return g.state != 0 && g.layers[head.layer].state != 0;
}

// Colour 10 has no pen of its own: it takes the colour of text kind 10,
// whose pen Jw_cad's settings name. Numbers past the SXF table use pen 1.
std::uint32_t TextColor(const PenContext& ctx, int n) {
  const StyleTables& st = *ctx.styles;
  if (ctx.backdrop || n == 12) return Grey(ctx);
  if (n >= 1 && n <= 9)
    return ctx.printing ? st.PrintPenColor[static_cast<std::size_t>(n)] : st.ScreenPenColor[static_cast<std::size_t>(n)];
  if (n == 10) return st.TextKindColor[10];
  if (n > 100 && n - 100 < static_cast<int>(st.SxfColor.size())) return st.SxfColor[static_cast<std::size_t>(n - 100)];
  if (n > 10 && n <= 100) return st.SxfColor[static_cast<std::size_t>(n)];
  return ctx.printing ? st.PrintPenColor[1] : st.ScreenPenColor[1];
}

}  // namespace sw
