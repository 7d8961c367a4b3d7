#include "layout/LayoutLoad.h"

#include <system_error>
#include <utility>

#include "core/Cp932.h"
#include "core/Path.h"
#include "jww/Reader.h"
#include "layout/BasePath.h"
#include "layout/SwtFile.h"

namespace sw {

std::optional<LayoutLoadFailure> LoadLayoutWithBase(const std::filesystem::path& path, LayoutDocument& doc,
                                                    JWWDrawing& drawing, const DriveMap& drives,
                                                    SwtLoadNotes* notes) {
  LayoutDocument freshDoc;
  SwtLoadNotes found;
  if (Status s = LoadLayout(path, freshDoc, drives, &found); !s)
    return LayoutLoadFailure{LayoutLoadStep::Layout, Utf8FromPath(path), s.error()};

  const std::string& stored = freshDoc.head.baseFile;
  if (stored.empty())
    return LayoutLoadFailure{LayoutLoadStep::BaseMissing, {}, Error{"the layout names no base drawing", -1}};

  // A drive path that is left as stored would be read as a name relative to
  // the current folder.
  if (IsForeignDrivePath(stored))
    return LayoutLoadFailure{LayoutLoadStep::BaseMissing, Cp932ToUtf8(stored),
                             Error{"its drive leads to no folder here (no Wine drive of that letter)", -1}};

  const std::filesystem::path base = NativePathFromCp932(stored);
  JWWDrawing freshDrawing;
  if (Status s = ReadJWWFile(base, freshDrawing); !s) {
    std::error_code ec;
    const bool there = std::filesystem::exists(base, ec);
    return LayoutLoadFailure{there ? LayoutLoadStep::Base : LayoutLoadStep::BaseMissing,
                             Cp932ToUtf8(stored), s.error()};
  }
  doc = std::move(freshDoc);
  drawing = std::move(freshDrawing);
  if (notes) *notes = found;
  return std::nullopt;
}

}  // namespace sw
