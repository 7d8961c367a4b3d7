// sheetwright-cli info DRAWING.jww: JSON summary of a drawing.
#include <string>
#include <utility>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Path.h"
#include "jww/Reader.h"

namespace sw::cli {
namespace {

template <std::size_t N>
Json ByteTable(const std::array<std::uint8_t, N>& t) {
  Json out = Json::array();
  for (std::uint8_t v : t) out.push_back(static_cast<int>(v));
  return out;
}

Json Texts(const auto& cp932Texts) {
  Json out = Json::array();
  for (const std::string& t : cp932Texts) out.push_back(Cp932Text(t));
  return out;
}

}  // namespace

int RunInfo(const Args& args) {
  if (args.size() != 1) return ReportUsage("info DRAWING.jww");
  JWWDrawing d;
  if (Status s = ReadJWWFile(PathFromUtf8(args[0]), d); !s) return ReportBadInput(args[0], s.error());
  const JWWHead& h = d.head;
  Json j;
  j["version"] = h.version;
  j["memo"] = Cp932Text(h.memo);
  j["paperSize"] = h.paperSize;
  j["writeGroup"] = h.writeGroup;
  j["groups"] = GroupsJson(h.groups);
  j["layerNames"] = Texts(h.layerNames);
  j["groupNames"] = Texts(h.groupNames);
  j["counts"] = {{"JWWLines", d.JWWLines.size()},   {"JWWArcs", d.JWWArcs.size()},
                 {"JWWPoints", d.JWWPoints.size()}, {"JWWTexts", d.JWWTexts.size()},
                 {"JWWSolids", d.JWWSolids.size()}, {"JWWInserts", d.JWWInserts.size()},
                 {"JWWDims", d.JWWDims.size()}};
  j["blockDefinitions"] = d.JWWBlocks.definitions().size();
  j["blockMembers"] = d.JWWBlocks.members().size();
  j["LayerHasLines"] = ByteTable(d.LayerHasLines);
  j["LayerHasText"] = ByteTable(d.LayerHasText);
  j["GroupHasLines"] = ByteTable(d.GroupHasLines);
  j["GroupHasText"] = ByteTable(d.GroupHasText);
  PrintJson(std::move(j));
  return 0;
}

}  // namespace sw::cli
