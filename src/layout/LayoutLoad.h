// Opening a layout together with its base drawing, as one step that either
// replaces both or neither.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/Result.h"
#include "jww/Drawing.h"
#include "layout/BasePath.h"
#include "layout/Document.h"
#include "layout/SwtFormat.h"

namespace sw {

// The step of LoadLayoutWithBase that failed.
enum class LayoutLoadStep {
  Layout,       // the layout file is missing, unreadable or not a valid layout
  BaseMissing,  // the layout stores no base path, or no file is at that path
  Base,         // the base drawing is there but could not be read
};

struct LayoutLoadFailure {
  LayoutLoadStep step = LayoutLoadStep::Layout;
  // UTF-8 path of the file concerned: the layout file for Layout, the base
  // drawing (as resolved from the layout) for BaseMissing and Base; empty
  // when the layout stores no base path.
  std::string file;
  Error error;
};

// Reads the layout file at `path` (LoadLayout, Windows drive paths through
// `drives`), then the base drawing it names (ReadJWWFile), each into a fresh
// value; `doc` and `drawing` are replaced only when both were read, and only
// then is `notes` (when given) filled. On failure neither is touched and the
// failure names the step and the file. A layout with no base path fails
// with "the layout names no base drawing"; a base path where no file exists
// fails with the reader's error for the missing file, and one whose drive
// leads nowhere here (IsForeignDrivePath) as missing too, without a read.
std::optional<LayoutLoadFailure> LoadLayoutWithBase(const std::filesystem::path& path, LayoutDocument& doc,
                                                    JWWDrawing& drawing, const DriveMap& drives = {},
                                                    SwtLoadNotes* notes = nullptr);

}  // namespace sw
