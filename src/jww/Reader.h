// The JWW file reader.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/Result.h"
#include "jww/Drawing.h"

namespace sw {

// Reads a JWW drawing held in memory into `drawing`.
//
// The entity arrays, the block store and the data-present tables are emptied
// first. The signature and version are stored as found; the rest of the
// header is replaced only when the whole file was read. Every failure is an
// error with the byte offset where it was found:
//  - wrong signature (offset 0) or a version other than 230 or 300 and up
//    (offset 8): the header beyond signature and version is left as it was;
//  - data that ends inside the header or an object, or a length that runs
//    past the end: likewise, and the arrays, the store and the tables stay
//    empty, so no half-read drawing is ever left behind.
//  - data that ends (without the end tag) before the entities, the block
//    definition count, the definitions or their members it announced were
//    all read, at the offset where it ends: a drawing cut short at an object
//    boundary is not taken for a smaller one;
//  - a block definition claiming more members than the bytes left can hold,
//    at the definition.
// A successful read holds every object up to the end tag or the end of data.
Status ReadJWW(std::span<const std::uint8_t> data, JWWDrawing& drawing);

// The largest drawing file ReadJWWFile reads. Drawings written by Jw_cad stay
// far below it; one million entities take about 50 MB.
inline constexpr std::uint64_t kMaxJWWFileBytes = std::uint64_t{1} << 30;

// Reads the file at `path` in one go, then parses it as above; the memory of
// the bytes already parsed goes back to the system as the parse moves on. A
// missing or unreadable file, one that is not a regular file, or one larger
// than kMaxJWWFileBytes is an error without offset, and leaves `drawing` as a
// rejected file does.
Status ReadJWWFile(const std::filesystem::path& path, JWWDrawing& drawing);

// True when `version` is one the reader accepts (230, or 300 and up).
inline bool IsAcceptedVersion(std::uint32_t version) { return version == 230 || version >= 300; }

}  // namespace sw
