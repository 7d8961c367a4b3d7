// sheetwright-cli settings [--registry FILE]: the style tables as imported
// from Jw_cad's settings and the program's own, as JSON.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
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

// Entries first..last; line type 10 does not exist and is left out.
template <class T, std::size_t N>
void Numbered(Json& j, const char* name, const std::array<T, N>& table, int first, int last) {
  j.key(name).beginObject();
  for (int i = first; i <= last; ++i) {
    if (first <= 9 && last >= 11 && i == 10) continue;
    if constexpr (std::is_same_v<T, std::uint32_t>)
      j.field(std::to_string(i), static_cast<std::int64_t>(table[static_cast<std::size_t>(i)]));
    else
      j.field(std::to_string(i), table[static_cast<std::size_t>(i)]);
  }
  j.endObject();
}

void Patterns(Json& j, const char* name, const std::array<DashPattern, 65>& table) {
  j.key(name).beginObject();
  for (int t = 1; t <= 64; ++t) {
    const DashPattern& p = table[static_cast<std::size_t>(t)];
    if (p.empty()) continue;
    j.key(std::to_string(t)).beginArray();
    for (double d : p) j.value(d);
    j.endArray();
  }
  j.endObject();
}

template <class T, std::size_t N>
void Origins(Json& j, const char* name, const std::array<Imported<T>, N>& table) {
  j.key(name).beginObject();
  for (std::size_t i = 0; i < N; ++i)
    if (table[i].imported()) j.field(std::to_string(i), OriginName(table[i].from));
  j.endObject();
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
  if (!own) return ReportBadInput(OwnRegistryPath(env).string(), own.error());
  StyleTables st;
  const JwcadSettings s = ImportStyleTables(st, jwcad.value().get(), own.value().get());

  Json j;
  j.beginObject();
  Numbered(j, "ScreenPenColor", st.ScreenPenColor, 1, 9);
  Numbered(j, "ScreenPenWidth", st.ScreenPenWidth, 1, 9);
  Numbered(j, "PrintPenColor", st.PrintPenColor, 1, 9);
  Numbered(j, "PrintPenWidth", st.PrintPenWidth, 1, 9);
  Numbered(j, "PointRadius", st.PointRadius, 1, 8);
  j.field("GreyColor", static_cast<std::int64_t>(st.GreyColor));
  j.field("PrintGreyColor", static_cast<std::int64_t>(st.PrintGreyColor));
  j.field("BackgroundColor", static_cast<std::int64_t>(st.BackgroundColor));
  j.field("ZoomFrameColor", static_cast<std::int64_t>(st.ZoomFrameColor));
  j.field("LayoutColor", static_cast<std::int64_t>(st.LayoutColor));
  j.field("TransformColor", static_cast<std::int64_t>(st.TransformColor));
  j.field("MouseWheel", st.MouseWheel);
  j.key("LineTypeBits").beginObject();
  for (int t = 1; t <= 19; ++t)
    if (t != 10) j.field(std::to_string(t), st.LineTypeBits[static_cast<std::size_t>(t)]);
  j.endObject();
  Numbered(j, "ScreenUnit", st.ScreenUnit, 1, 19);
  Numbered(j, "PrintUnit", st.PrintUnit, 1, 19);
  Numbered(j, "ScreenAmplitude", st.ScreenAmplitude, 11, 15);
  Numbered(j, "PrintAmplitude", st.PrintAmplitude, 11, 15);
  Patterns(j, "ScreenPattern", st.ScreenPattern);
  Patterns(j, "PrintPattern", st.PrintPattern);
  Numbered(j, "TextColor", st.TextKindColor, 1, 10);
  j.key("sources").beginObject();
  j.field("jwcad", s.jwcadSource).field("own", s.ownSource);
  j.endObject();
  j.key("origins").beginObject();
  Origins(j, "ScreenPenColor", s.ScreenPenColor);
  Origins(j, "ScreenPenWidth", s.ScreenPenWidth);
  Origins(j, "PrintPenColor", s.PrintPenColor);
  Origins(j, "PrintPenWidth", s.PrintPenWidth);
  Origins(j, "PointRadius", s.PointRadius);
  Origins(j, "LineTypeBits", s.LineTypeBits);
  Origins(j, "ScreenUnit", s.ScreenPitch);
  Origins(j, "PrintUnit", s.PrintPitch);
  Origins(j, "ScreenAmplitude", s.RandomWidth);
  Origins(j, "PrintAmplitude", s.PrintRandom);
  // A pattern is built from the line type's bits (and its pitches).
  Origins(j, "ScreenPattern", s.LineTypeBits);
  Origins(j, "PrintPattern", s.LineTypeBits);
  Origins(j, "TextColor", s.TextColor);
  j.field("GreyColor", OriginName(s.GreyColor.from));
  j.field("PrintGreyColor", OriginName(s.PrintGreyColor.from));
  j.field("BackgroundColor", OriginName(s.BackgroundColor.from));
  j.field("ZoomFrameColor", OriginName(s.ZoomFrameColor.from));
  j.field("LayoutColor", OriginName(s.LayoutColor.from));
  j.field("TransformColor", OriginName(s.TransformColor.from));
  j.field("MouseWheel", OriginName(s.MouseWheel.from));
  j.endObject();
  j.key("errors").beginArray();
  for (const auto& e : s.errors) j.value(e.source + ": " + e.key + "\\" + e.name + ": " + e.message);
  j.endArray();
  j.key("warnings").beginArray();
  for (const auto& w : s.registryWarnings) j.value(w);
  j.endArray();
  j.endObject();
  std::fputs(j.str().c_str(), stdout);
  return 0;
}

}  // namespace sw::cli
