// sheetwright-cli info DRAWING.jww: JSON summary of a drawing.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "jww/Reader.h"

namespace sw::cli {
namespace {

template <std::size_t N>
void ByteTable(Json& j, const char* name, const std::array<std::uint8_t, N>& t) {
  j.key(name).beginArray();
  for (std::uint8_t v : t) j.value(static_cast<int>(v));
  j.endArray();
}

}  // namespace

int RunInfo(const Args& args) {
  if (args.size() != 1) return ReportUsage("info DRAWING.jww");
  JWWDrawing d;
  if (Status s = ReadJWWFile(args[0], d); !s) return ReportBadInput(args[0], s.error());
  const JWWHead& h = d.head;
  Json j;
  j.beginObject();
  j.field("version", static_cast<std::int64_t>(h.version));
  j.key("memo").cp932(h.memo);
  j.field("paperSize", h.paperSize);
  j.field("writeGroup", h.writeGroup);
  WriteGroups(j, h.groups);
  j.key("layerNames").beginArray();
  for (const auto& n : h.layerNames) j.cp932(n);
  j.endArray();
  j.key("groupNames").beginArray();
  for (const auto& n : h.groupNames) j.cp932(n);
  j.endArray();
  j.key("counts").beginObject();
  j.field("JWWLines", static_cast<std::int64_t>(d.JWWLines.size()));
  j.field("JWWArcs", static_cast<std::int64_t>(d.JWWArcs.size()));
  j.field("JWWPoints", static_cast<std::int64_t>(d.JWWPoints.size()));
  j.field("JWWTexts", static_cast<std::int64_t>(d.JWWTexts.size()));
  j.field("JWWSolids", static_cast<std::int64_t>(d.JWWSolids.size()));
  j.field("JWWInserts", static_cast<std::int64_t>(d.JWWInserts.size()));
  j.field("JWWDims", static_cast<std::int64_t>(d.JWWDims.size()));
  j.endObject();
  j.field("blockDefinitions", static_cast<std::int64_t>(d.JWWBlocks.definitions().size()));
  j.field("blockMembers", static_cast<std::int64_t>(d.JWWBlocks.members().size()));
  ByteTable(j, "LayerHasLines", d.LayerHasLines);
  ByteTable(j, "LayerHasText", d.LayerHasText);
  ByteTable(j, "GroupHasLines", d.GroupHasLines);
  ByteTable(j, "GroupHasText", d.GroupHasText);
  j.endObject();
  std::fputs(j.str().c_str(), stdout);
  return 0;
}

}  // namespace sw::cli
