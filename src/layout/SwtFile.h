// Saving and loading a layout file.
#pragma once

#include <cstdint>
#include <filesystem>

#include "core/Result.h"
#include "layout/BasePath.h"
#include "layout/Document.h"
#include "layout/SwtFormat.h"

namespace sw {

// The largest layout file LoadLayout reads. A frame takes about 2.5 KB, so
// a valid layout of 100,000 frames is about 250 MB; the bound only keeps a
// special or runaway file from being read without end.
inline constexpr std::uint64_t kMaxSwtFileBytes = std::uint64_t{1} << 30;

// Writes `doc` to `path` with the base path as StoredBasePath gives it
// (relative to the file's folder, '\' between names). The image goes to a
// temporary file in the same folder, is flushed and then renamed over
// `path`: on any failure (an inconsistent document, a name or path too long
// for the format, a base path that cannot be stored relative, an unwritable
// folder) the reason is returned and a file already at `path` is left as
// it was.
Status SaveLayout(const LayoutDocument& doc, const std::filesystem::path& path);

// Reads the layout file at `path` into a fresh document, resolves its base
// path against the file's folder (a Windows drive path through `drives`,
// ResolveBasePath), and only then replaces `doc`. On failure (a missing
// file, one that is not a regular file or is larger than kMaxSwtFileBytes,
// or any problem DecodeSwt names, with its byte offset) `doc` is left as it
// was. `notes`, when given, says what DecodeSwt changed (a paper replaced).
Status LoadLayout(const std::filesystem::path& path, LayoutDocument& doc, const DriveMap& drives = {},
                  SwtLoadNotes* notes = nullptr);

}  // namespace sw
