// Conversions between the registry's texts and the settings' values:
// colour strings, Jw_cad line-type patterns, and the dialog's decimal fields.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// Colour string to colour: hexadecimal digits (either case, no prefix, most
// significant first, so the last two digits are red). nullopt for an empty
// string, any other character, or a value above 0xFFFFFFFF.
std::optional<std::uint32_t> ColorFromString(std::string_view text);

// Colour to string: empty for a negative value; otherwise the fewest
// upper-case digits (1..8) that hold the value, rounded up to an even count.
// 0x0000FF gives "FF", 0xFFFF00 gives "FFFF00".
std::string ColorToString(std::int64_t colour);

// The decimal texts of a colour's red, green and blue (index 0, 1, 2).
std::array<std::string, 3> ColorFields(std::uint32_t colour);

// A colour from decimal red, green and blue texts, each 0..255; nullopt
// when one is not such a number.
std::optional<std::uint32_t> ColorFromFields(std::string_view red, std::string_view green,
                                             std::string_view blue);

// Line-type pattern (hexadecimal text) to bit string: leading '0' digits are
// dropped and every other digit gives its four bits as '1'/'0'; an all-zero
// value gives "0"; empty text or any other character gives "".
std::string PatternToBits(std::string_view pattern);

// Pattern to display text, one character per bit as in PatternToBits.
enum class PatternStyle {
  Dash,    // line types 1..9: '-' for 1, ' ' for 0
  Random,  // random lines 11..15: '~' for 1, '_' for 0
};
std::string PatternToText(std::string_view pattern, PatternStyle style);

// Decimal integer text (optional sign, surrounding blanks allowed); nullopt
// when not such a number or out of int range.
std::optional<int> ParseDecimalInt(std::string_view text);
// Decimal real text ("1.5", "-2", "3e-1"; surrounding blanks allowed).
std::optional<double> ParseDecimalReal(std::string_view text);

}  // namespace sw
