// sheetwright-cli settings [--registry FILE]: the style tables as imported
// from Jw_cad's settings and the program's own, as JSON.
#include <cstdio>
#include <utility>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Path.h"
#include "cli/SheetInput.h"
#include "render/Styles.h"
#include "settings/JwcadSettings.h"
#include "settings/RegistryLocation.h"

namespace sw::cli {
namespace {

const char* OriginName(Origin o) {
  switch (o) {
    case Origin::Jwcad: return "jwcad";
    case Origin::Own: return "own";
    case Origin::Dialog: return "dialog";
    case Origin::Initial: break;
  }
  return "initial";
}

// An empty object with room for n members. An ordered object is a vector of
// pairs with constant keys, which growing copies: with a line-type string of
// many megabytes inside, every growth would copy it again.
Json ObjectWithRoom(std::size_t n) {
  Json out = Json::object();
  out.get_ref<Json::object_t&>().reserve(n);
  return out;
}

// Entries first..last, keyed by number; line type 10 does not exist and is
// left out.
template <class T, std::size_t N>
Json Numbered(const std::array<T, N>& table, int first, int last) {
  Json out = ObjectWithRoom(static_cast<std::size_t>(last - first + 1));
  for (int i = first; i <= last; ++i) {
    if (first <= 9 && last >= 11 && i == 10) continue;
    out[std::to_string(i)] = table[static_cast<std::size_t>(i)];
  }
  return out;
}

Json Patterns(const std::array<DashPattern, 65>& table) {
  Json out = Json::object();
  for (int t = 1; t <= 64; ++t) {
    const DashPattern& p = table[static_cast<std::size_t>(t)];
    if (!p.empty()) out[std::to_string(t)] = p;
  }
  return out;
}

template <class T, std::size_t N>
Json Origins(const std::array<Imported<T>, N>& table) {
  Json out = Json::object();
  for (std::size_t i = 0; i < N; ++i)
    if (table[i].imported()) out[std::to_string(i)] = OriginName(table[i].from);
  return out;
}

}  // namespace

int RunSettings(const Args& args) {
  const char* usage = "settings [--registry FILE]";
  std::string registryFile;
  if (args.size() == 2 && args[0] == "--registry") {
    registryFile = args[1];
  } else if (!args.empty()) {
    return ReportUsage(usage);
  }
  const EnvLookup env = EnvWithRegistry(registryFile);
  auto jwcad = OpenJwcadRegistry(env);
  if (!jwcad) {
    std::fprintf(stderr, "%s: %s\n", registryFile.empty() ? "settings" : registryFile.c_str(),
                 Describe(jwcad.error()).c_str());
    return 1;
  }
  auto own = OpenOwnRegistry(env);
  if (!own) return ReportBadInput(Utf8FromPath(OwnRegistryPath(env)), own.error());
  StyleTables st;
  const JwcadSettings s = ImportStyleTables(st, jwcad.value().get(), own.value().get());

  Json j = ObjectWithRoom(24);
  j["ScreenPenColor"] = Numbered(st.ScreenPenColor, 1, 9);
  j["ScreenPenWidth"] = Numbered(st.ScreenPenWidth, 1, 9);
  j["PrintPenColor"] = Numbered(st.PrintPenColor, 1, 9);
  j["PrintPenWidth"] = Numbered(st.PrintPenWidth, 1, 9);
  j["PointRadius"] = Numbered(st.PointRadius, 1, 8);
  j["GreyColor"] = st.GreyColor;
  j["PrintGreyColor"] = st.PrintGreyColor;
  j["BackgroundColor"] = st.BackgroundColor;
  j["ZoomFrameColor"] = st.ZoomFrameColor;
  j["LayoutColor"] = st.LayoutColor;
  j["TransformColor"] = st.TransformColor;
  j["MouseWheel"] = st.MouseWheel;
  j["LineTypeBits"] = Numbered(st.LineTypeBits, 1, 19);
  j["ScreenUnit"] = Numbered(st.ScreenUnit, 1, 19);
  j["PrintUnit"] = Numbered(st.PrintUnit, 1, 19);
  j["ScreenAmplitude"] = Numbered(st.ScreenAmplitude, 11, 15);
  j["PrintAmplitude"] = Numbered(st.PrintAmplitude, 11, 15);
  j["ScreenPattern"] = Patterns(st.ScreenPattern);
  j["PrintPattern"] = Patterns(st.PrintPattern);
  j["TextColor"] = Numbered(st.TextKindColor, 1, 10);
  j["sources"] = {{"jwcad", s.jwcadSource}, {"own", s.ownSource}};
  Json& origins = j["origins"];
  origins["ScreenPenColor"] = Origins(s.ScreenPenColor);
  origins["ScreenPenWidth"] = Origins(s.ScreenPenWidth);
  origins["PrintPenColor"] = Origins(s.PrintPenColor);
  origins["PrintPenWidth"] = Origins(s.PrintPenWidth);
  origins["PointRadius"] = Origins(s.PointRadius);
  origins["LineTypeBits"] = Origins(s.LineTypeBits);
  origins["ScreenUnit"] = Origins(s.ScreenPitch);
  origins["PrintUnit"] = Origins(s.PrintPitch);
  origins["ScreenAmplitude"] = Origins(s.RandomWidth);
  origins["PrintAmplitude"] = Origins(s.PrintRandom);
  // A pattern is built from the line type's bits (and its pitches).
  origins["ScreenPattern"] = Origins(s.LineTypeBits);
  origins["PrintPattern"] = Origins(s.LineTypeBits);
  origins["TextColor"] = Origins(s.TextColor);
  origins["GreyColor"] = OriginName(s.GreyColor.from);
  origins["PrintGreyColor"] = OriginName(s.PrintGreyColor.from);
  origins["BackgroundColor"] = OriginName(s.BackgroundColor.from);
  origins["ZoomFrameColor"] = OriginName(s.ZoomFrameColor.from);
  origins["LayoutColor"] = OriginName(s.LayoutColor.from);
  origins["TransformColor"] = OriginName(s.TransformColor.from);
  origins["MouseWheel"] = OriginName(s.MouseWheel.from);
  j["errors"] = Json::array();
  for (const auto& e : s.errors)
    j["errors"].push_back(e.source + ": " + e.key + "\\" + e.name + ": " + e.message);
  j["warnings"] = s.registryWarnings;
  PrintJson(std::move(j));
  return 0;
}

}  // namespace sw::cli
