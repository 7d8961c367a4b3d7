// Character-by-character layout of one text along its baseline, with the
// even-spacing dots, the trailing condensing code and the in-text special
// codes (a "^" followed by a code letter). Pure geometry: the result is the
// ordered list of glyphs to draw, in paper millimetres.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jww/Records.h"
#include "render/Points.h"

namespace sw {

// Colour number of a text on a display-only layer (the grey colour).
inline constexpr int kGreyTextColour = 12;

// One glyph to draw: a single CP932 character (one or two bytes) with the
// font attributes in effect for it.
struct GlyphPlacement {
  PaperPoint at;               // reference point of the glyph cell, paper mm
  std::string text;            // one character; may be " " or "　" (drawn as nothing)
  std::int32_t typeCode = 0;   // +10000 italic, +20000 bold
  bool underline = false;
  bool strikeOut = false;
  int colour = 0;              // text colour number
  double angle = 0;            // degrees, counter-clockwise
  double width = 0;            // mm, width of a full-width character
  double height = 0;           // mm
  bool operator==(const GlyphPlacement&) const = default;
};

struct TextLayoutInput {
  PaperPoint start;         // first pen position, paper mm (frame offset applied)
  bool vertical = false;    // vertical writing
  bool layerGrey = false;   // the text lies on a display-only group or layer
};

// Lays `text` out into `out` (cleared first; reusing one vector across texts
// avoids reallocations). Sizes and spacing are the record's, in mm.
void LayoutText(const CDataMoji& text, const TextLayoutInput& in, std::vector<GlyphPlacement>& out);

// The even-spacing step: removes the trailing full-width middle dots (each
// counts 1; a half-width one as the very last character counts 0.5) and
// returns the spacing that spreads their length over the remaining gaps.
// Returns `spacing` unchanged when there are no dots.
double ApplyTrailingDots(std::string& text, double width, double spacing);

// The condensing step: a trailing "^" and digit n (1..9) are removed and
// `width` and `spacing` shrink so that the text loses n half-width cells.
// Returns true when the code was present (and removed).
bool ApplyCondensing(std::string& text, double& width, double& spacing);

}  // namespace sw
