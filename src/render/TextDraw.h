// Drawing of text entities (CDataMoji): culling against the frame, the
// outline box of very small texts, vertical writing, the special codes
// (TextLayout.h) and the glyph output with a logical font.
#pragma once

#include <cstdint>
#include <string>

#include "render/Canvas.h"
#include "render/DrawContext.h"
#include "render/TextLayout.h"

namespace sw {

// Flag word of a text written vertically (bits 5 and 4 are 1 and 0).
inline bool IsVerticalText(std::uint16_t flags) { return (flags & 0x30) == 0x20; }

// The logical font of one glyph: cell height and average width (half the
// full-width character width) in pixels at the view scale, the angle in
// tenths of a degree, weight 700 from type code 20000 on, italic for type
// codes 10000..19999 and above 29999.
LogFont GlyphFont(const ViewState& view, const GlyphPlacement& glyph, const std::string& face);

// Draws one glyph: nothing for an empty string, " " or the full-width space,
// nor when its cell is less than one pixel tall. The reference point (paper
// mm) is mapped through the view window, not through DrawOrigin; the cell's
// top-left corner sits on it when the flag word is exactly 32 (vertical
// writing), its bottom-left corner otherwise. Colour: TextColor of the
// glyph's colour number.
void TextOutGlyph(const DrawContext& ctx, Canvas& canvas, const GlyphPlacement& glyph,
                  const std::string& face, std::uint16_t flags);

// The text box of a text (paper or drawing mm): start, end, end raised and
// start raised by `height` perpendicular to the baseline at `angle` degrees.
struct TextBox {
  PaperPoint corners[4];
};
TextBox MakeTextBox(double x1, double y1, double x2, double y2, double height, double angle);

// True when every corner of the box is outside the view window (grey
// backdrop pass) or the frame (otherwise); a corner on a side is outside.
bool TextBoxCulled(const DrawContext& ctx, const TextBox& box);

// A text less than 1/400 of the buffer height tall is drawn as its box.
bool IsSmallText(const ViewState& view, double height);

// The box outline of a small text with the entity's pen, set solid, and the
// brush the canvas has.
void DrawTextOutline(const DrawContext& ctx, Canvas& canvas, const JWWEntityHead& head,
                     const TextBox& box);

// Draws one text of the drawing for the frame being drawn. Texts on layers
// hidden in the frame are not drawn.
void DrawText(const DrawContext& ctx, Canvas& canvas, const CDataMoji& text);

}  // namespace sw
