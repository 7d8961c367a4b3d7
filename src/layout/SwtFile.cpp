#include "layout/SwtFile.h"

#include <utility>

#include "core/File.h"
#include "layout/BasePath.h"
#include "layout/SwtFormat.h"

namespace sw {

Status SaveLayout(const LayoutDocument& doc, const std::filesystem::path& path) {
  Result<std::string> stored = StoredBasePath(doc.head.baseFile, path);
  if (!stored) return stored.error();
  Result<std::vector<std::uint8_t>> image = EncodeSwt(doc, stored.value());
  if (!image) return image.error();
  return WriteFileAtomic(path, image.value());
}

Status LoadLayout(const std::filesystem::path& path, LayoutDocument& doc, const DriveMap& drives,
                  SwtLoadNotes* notes) {
  Result<std::vector<std::uint8_t>> data = ReadWholeFile(path, kMaxSwtFileBytes);
  if (!data) return data.error();
  SwtLoadNotes found;
  Result<LayoutDocument> parsed = DecodeSwt(data.value(), &found);
  if (!parsed) return parsed.error();
  LayoutDocument fresh = std::move(parsed.value());
  fresh.head.baseFile = ResolveBasePath(fresh.head.baseFile, path, drives);
  doc = std::move(fresh);
  if (notes) *notes = found;
  return Status::Ok();
}

}  // namespace sw
