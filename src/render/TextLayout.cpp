#include "render/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "core/Cp932.h"

namespace sw {
namespace {

const char kFullDot[] = "\x81\x45";  // "・"
const char kHalfDot[] = "\xA5";      // "･"

bool IsDigit(const std::string& c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; }

int Len(const std::string& c) { return static_cast<int>(c.size()); }

// Removes the k-th character (1-based) of s, if there is one.
void EraseChar(std::string& s, int k) {
  const std::size_t at = CharOffset(s, k);
  if (at >= s.size()) return;
  s.erase(at, CharAt(s, k).size());
}

// Everything that changes while one text is laid out. Positions are paper mm.
struct LayoutState {
  std::string text;
  double ux = 1, uy = 0;  // along the baseline
  double vx = 0, vy = 1;  // up, perpendicular to the baseline
  double penX = 0, penY = 0;
  double width = 0, height = 0, spacing = 0;
  double savedX = 0, savedY = 0;
  double savedWidth = 0, savedHeight = 0;
  bool restorePosition = false;
  bool restoreSize = false;
  // Characters still to be drawn before the saved position and size come
  // back: a code's change applies to the character(s) drawn after it.
  int restoreAfter = 0;
  std::int32_t typeCode = 0;
  bool underline = false;
  bool strikeOut = false;
  int colour = 0;
  bool codesEnabled = true;
  bool compose = false;
  int lastDrawnLen = 0;  // byte length of the last character drawn; 0 = none yet

  void Move(double along, double up) {
    penX += along * ux + up * vx;
    penY += along * uy + up * vy;
  }
  void SavePosition(double along) {
    savedX = penX + along * ux;
    savedY = penY + along * uy;
    restorePosition = true;
    restoreAfter = 1;
  }
  void SaveSize() {
    savedWidth = width;
    savedHeight = height;
    restoreSize = true;
    restoreAfter = 1;
  }
};

// Codes "c", "u", "d": the following character c2 at half height (and the
// width divided by its byte length) in half a cell, raised by `raise` of the
// full height; the text goes on half a cell after where it began.
void SmallCharacter(LayoutState& st, const std::string& c2, double raise) {
  st.SaveSize();
  st.SavePosition((st.width + st.spacing) / 2);
  const double h = st.height;
  st.width /= std::max(1, Len(c2));
  st.height = h / 2;
  st.Move(0, h * raise);
}

// "o": the following character is drawn at half width and half height,
// centred in the cell of the character drawn before it, and the text goes on
// where it was; "w" does the same for the two following characters when both
// are half-width (set side by side in that cell), and otherwise acts as "o".
// Placement: back along the baseline by (width + spacing) x len(previous) / 2
// to the start of that cell, then diagonally by half the difference of the
// cell and the small glyphs along the baseline and a quarter height up.
void SmallInPreviousCell(LayoutState& st, int smallLen, int count) {
  st.SaveSize();
  st.SavePosition(0);
  st.restoreAfter = count;
  const int cellLen = st.lastDrawnLen > 0 ? st.lastDrawnLen : smallLen;
  if (st.lastDrawnLen > 0) st.Move(-(st.width + st.spacing) * cellLen / 2, 0);
  st.Move((cellLen * st.width / 2 - smallLen * st.width / 4) / 2, st.height / 4);
  st.width /= 2;
  st.height /= 2;
}

// Applies the code after the "^" at character position k. Returns true when
// a code was applied (the "^" is then not drawn).
bool ApplyCode(LayoutState& st, int k) {
  const std::string c1 = CharAt(st.text, k + 1);
  if (c1 == "^") {
    if (st.codesEnabled) return false;  // "^^" draws a "^"
    EraseChar(st.text, k + 1);
    st.codesEnabled = true;
    return true;
  }
  if (!st.codesEnabled || c1.size() != 1) return false;
  const std::string c2 = CharAt(st.text, k + 2);
  switch (c1[0]) {
    case '/': st.typeCode += 10000; break;
    case '!': st.typeCode += 20000; break;
    case '-': st.strikeOut = true; break;
    case '_': st.underline = true; break;
    case '$':
      // Only a decimal digit is the colour; anything else stays as text.
      if (IsDigit(c2)) {
        st.colour = c2[0] - '0';
        EraseChar(st.text, k + 2);
      }
      break;
    case '#':
      st.underline = false;
      st.strikeOut = false;
      st.typeCode = std::abs(st.typeCode % 10);
      break;
    case '*': st.codesEnabled = false; break;
    case 'n':
      st.SavePosition(0);
      st.Move(-(st.width + st.spacing) * Len(c2) / 2, 0);
      break;
    case 'b':
    case 'B': {
      // A back step needs a character before it.
      if (st.lastDrawnLen == 0) break;
      const double f = c1[0] == 'b' ? 0.6 : 0.7;
      const double d = st.compose ? st.width * f / 2 : st.lastDrawnLen * st.width * f / 2;
      st.compose = false;
      st.SavePosition(0);
      st.Move(-(d + st.spacing), 0);
      break;
    }
    case 'c':
      st.compose = true;
      SmallCharacter(st, c2, 0.25);
      break;
    case 'u': SmallCharacter(st, c2, 0.5); break;
    case 'd': SmallCharacter(st, c2, 0.0); break;
    case 'o': SmallInPreviousCell(st, std::max(1, Len(c2)), 1); break;
    case 'w': {
      const std::string c3 = CharAt(st.text, k + 3);
      if (Len(c2) == 1 && Len(c3) == 1)
        SmallInPreviousCell(st, 2, 2);
      else
        SmallInPreviousCell(st, std::max(1, Len(c2)), 1);
      break;
    }
    default: return false;
  }
  EraseChar(st.text, k + 1);
  return true;
}

}  // namespace

double ApplyTrailingDots(std::string& text, double width, double spacing) {
  int n = CharCount(text);
  double e = 0;
  if (n > 0 && CharAt(text, n) == kHalfDot) {
    e = 0.5;
    --n;
  }
  while (n > 0 && CharAt(text, n) == kFullDot) {
    e += 1;
    --n;
  }
  if (e == 0) return spacing;
  text.resize(CharOffset(text, n + 1));
  const double bytes = static_cast<double>(text.size());
  const double lastLen = static_cast<double>(CharAt(text, n).size());
  // The gaps between the first and the last character, in full-width cells;
  // a text of one character has none to spread the dots over.
  const double gaps = bytes / 2 - lastLen / 2;
  if (gaps <= 0) return spacing;
  return spacing + (width + spacing) * e / gaps;
}

bool ApplyCondensing(std::string& text, double& width, double& spacing) {
  const int n = CharCount(text);
  if (n < 2 || CharAt(text, n - 1) != "^") return false;
  const std::string last = CharAt(text, n);
  if (!IsDigit(last) || last[0] == '0') return false;
  const int digit = last[0] - '0';
  text.resize(CharOffset(text, n - 1));
  const int bytes = static_cast<int>(text.size());
  // A text no longer than the cells to remove keeps its sizes.
  if (bytes <= digit) return true;
  spacing -= spacing * digit / (bytes - 1);
  width -= digit * width / bytes;
  return true;
}

void LayoutText(const CDataMoji& m, const TextLayoutInput& in, std::vector<GlyphPlacement>& out) {
  out.clear();
  LayoutState st;
  st.text = m.text;
  const double theta = m.angle * std::numbers::pi / 180.0;
  st.ux = std::cos(theta);
  st.uy = std::sin(theta);
  st.vx = -st.uy;
  st.vy = st.ux;
  st.penX = in.start.x;
  st.penY = in.start.y;
  st.width = m.sizeX;
  st.height = m.sizeY;
  st.typeCode = m.textType;
  st.colour = m.head.penColor;

  st.spacing = ApplyTrailingDots(st.text, st.width, m.spacing);
  double fixedWidth = st.width;
  double fixedSpacing = st.spacing;
  const bool condensed = ApplyCondensing(st.text, fixedWidth, fixedSpacing);

  const int count = CharCount(st.text);
  for (int k = 1; k <= count; ++k) {
    if (condensed) {
      st.width = fixedWidth;
      st.spacing = fixedSpacing;
    }
    const std::string c = CharAt(st.text, k);
    if (c.empty()) continue;  // the text got shorter by removed codes
    if (c == "^" && ApplyCode(st, k)) continue;
    if (in.layerGrey) st.colour = kGreyTextColour;

    const double len = static_cast<double>(c.size());
    GlyphPlacement g;
    g.text = c;
    g.typeCode = st.typeCode;
    g.underline = st.underline;
    g.strikeOut = st.strikeOut;
    g.colour = st.colour;
    g.width = st.width;
    g.height = st.height;
    if (in.vertical) {
      const double step = k == 1 ? st.height * len / 2 : st.height * len / 2 + len * st.spacing / 2;
      st.Move(step, 0);
      g.at = PaperPoint{st.penX, st.penY};
      g.angle = m.angle + 90;
    } else {
      g.at = PaperPoint{st.penX, st.penY};
      g.angle = m.angle;
      st.Move(len * st.width / 2 + len * st.spacing / 2, 0);
    }
    out.push_back(std::move(g));
    st.lastDrawnLen = static_cast<int>(c.size());

    if (st.restoreAfter > 0 && --st.restoreAfter == 0) {
      if (st.restorePosition) {
        st.penX = st.savedX;
        st.penY = st.savedY;
      }
      if (st.restoreSize) {
        st.width = st.savedWidth;
        st.height = st.savedHeight;
      }
      st.restorePosition = false;
      st.restoreSize = false;
    }
  }
}

}  // namespace sw
