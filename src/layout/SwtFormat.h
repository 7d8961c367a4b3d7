// The layout file (.swt) as bytes: a flat little-endian sequence of fields
// without lengths or checksums.
//
//   "SwtData."  base path (string)  PaperIndex (int32)  sheetHigh (int32)
//   sheetHigh + 1 sheet names (strings)  currentSheet (int32)
//   per sheet: frameHigh, selectedFrame (int32); frameHigh + 1 frames;
//     "SWTEnko." + frameHigh + 1 circles; "SWTShikaku" + frameHigh + 1 rects;
//     "SWTSen" + lineHigh (int32) + lineHigh + 1 lines; frameHigh + 1 flags (int32)
//   terminator: WORD 0
//
// A frame is kind (int32), name (string), dx, dy (double), writeGroup
// (int32) and 16 group states of 148 bytes. A string is a length byte 0..254
// and the bytes, or 0xFF, a WORD length and the bytes. Polylines are not
// stored.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/Result.h"
#include "layout/Document.h"

namespace sw {

// Longest string a layout file can hold, in bytes.
inline constexpr std::size_t kSwtMaxString = 0xFFFF;

// The file image of `doc`, with `basePathField` written as the base path
// (SaveLayout passes the relative form). Refuses, naming the reason, a
// document that breaks its invariants and a name or path longer than
// kSwtMaxString bytes. Names are written as they are.
Result<std::vector<std::uint8_t>> EncodeSwt(const LayoutDocument& doc, std::string_view basePathField);

// The paper a document takes when its file names one outside 0..4 (A1).
inline constexpr std::int32_t kReplacementPaper = 1;

// What a load changed of the file's contents to make a document of it.
struct SwtLoadNotes {
  // The paper index the file stores when it is not 0..4; the document has
  // kReplacementPaper instead.
  std::optional<std::int32_t> replacedPaper;
  bool operator==(const SwtLoadNotes&) const = default;
};

// Parses a whole file image into a new document whose baseFile is the base
// path as stored. Every problem is an error with the byte offset where it
// was found: a wrong signature; data that ends early; a negative high, or
// one that claims more entries than the remaining bytes could hold; a
// current sheet or selected frame out of range; a terminator other than 0.
// What the format holds and the program can show is taken as it is: names
// of any kind (empty, repeated), and a paper index outside 0..4, which
// becomes kReplacementPaper and is reported in `notes` (when given).
// A section whose tag does not match is skipped (the tag's bytes are
// consumed) and its list keeps frameHigh + 1 (or, for lines, one) zeroed
// entries. Bytes after the terminator are ignored.
Result<LayoutDocument> DecodeSwt(std::span<const std::uint8_t> data, SwtLoadNotes* notes = nullptr);

}  // namespace sw
