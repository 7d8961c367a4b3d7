// Saving and loading a layout file.
#pragma once

#include <filesystem>

#include "core/Result.h"
#include "layout/Document.h"

namespace sw {

// Writes `doc` to `path` with the base path made relative to the file's
// folder. The image goes to a temporary file in the same folder, is flushed
// and then renamed over `path`: on any failure (an inconsistent document, a
// name or path too long for the format, an unwritable folder) the reason is
// returned and a file already at `path` is left as it was.
Status SaveLayout(const LayoutDocument& doc, const std::filesystem::path& path);

// Reads the layout file at `path` into a fresh document, resolves its base
// path against the file's folder, and only then replaces `doc`. On failure
// (a missing file, or any problem DecodeSwt names, with its byte offset)
// `doc` is left as it was.
Status LoadLayout(const std::filesystem::path& path, LayoutDocument& doc);

}  // namespace sw
