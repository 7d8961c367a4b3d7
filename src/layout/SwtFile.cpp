#include "layout/SwtFile.h"

#include <utility>

#include "core/File.h"
#include "layout/BasePath.h"
#include "layout/SwtFormat.h"

namespace sw {

Status SaveLayout(const LayoutDocument& doc, const std::filesystem::path& path) {
  Result<std::vector<std::uint8_t>> image = EncodeSwt(doc, RelativeBasePath(doc.head.baseFile, path));
  if (!image) return image.error();
  return WriteFileAtomic(path, image.value());
}

Status LoadLayout(const std::filesystem::path& path, LayoutDocument& doc) {
  Result<std::vector<std::uint8_t>> data = ReadWholeFile(path, kMaxSwtFileBytes);
  if (!data) return data.error();
  Result<LayoutDocument> parsed = DecodeSwt(data.value());
  if (!parsed) return parsed.error();
  LayoutDocument fresh = std::move(parsed.value());
  fresh.head.baseFile = ResolveBasePath(fresh.head.baseFile, path);
  doc = std::move(fresh);
  return Status::Ok();
}

}  // namespace sw
