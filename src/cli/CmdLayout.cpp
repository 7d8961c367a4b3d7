// sheetwright-cli layout LAYOUT.swt: JSON of a layout document.
// sheetwright-cli resave IN.swt OUT.swt: load, then save.

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "layout/SwtFile.h"

namespace sw::cli {
namespace {

Json Frame(const CLayCount& f) {
  return {{"kind", f.kind}, {"name", Cp932Text(f.name)},    {"dx", f.dx},
          {"dy", f.dy},     {"writeGroup", f.writeGroup}, {"groups", GroupsJson(f.groups)}};
}

Json Sheet(const CLayMain& sh) {
  Json j;
  j["frameHigh"] = sh.frameHigh;
  j["selectedFrame"] = sh.selectedFrame;
  j["frames"] = Json::array();
  for (const auto& f : sh.frames) j["frames"].push_back(Frame(f));
  j["circles"] = Json::array();
  for (const auto& c : sh.circles)
    j["circles"].push_back({{"code", c.code}, {"cx", c.cx}, {"cy", c.cy}, {"radius", c.radius}});
  j["rects"] = Json::array();
  for (const auto& r : sh.rects)
    j["rects"].push_back({{"code", r.code}, {"x1", r.x1}, {"y1", r.y1}, {"x2", r.x2}, {"y2", r.y2}});
  j["plines"] = Json::array();
  for (const auto& p : sh.plines)
    j["plines"].push_back({{"value1", p.value1}, {"value2", p.value2}, {"X", p.X}, {"Y", p.Y}});
  j["lineHigh"] = sh.lineHigh;
  j["lines"] = Json::array();
  for (const auto& l : sh.lines)
    j["lines"].push_back({{"code", l.code}, {"x1", l.x1}, {"y1", l.y1}, {"x2", l.x2}, {"y2", l.y2}});
  j["shown"] = Json::array();
  for (bool s : sh.shown) j["shown"].push_back(s);
  return j;
}

}  // namespace

int RunLayout(const Args& args) {
  if (args.size() != 1) return ReportUsage("layout LAYOUT.swt");
  LayoutDocument doc;
  if (Status s = LoadLayout(args[0], doc); !s) return ReportBadInput(args[0], s.error());
  const SWTHead& h = doc.head;
  Json j;
  j["baseFile"] = Cp932Text(h.baseFile);
  j["PaperIndex"] = doc.PaperIndex;
  j["sheetHigh"] = h.sheetHigh;
  j["sheetNames"] = Json::array();
  for (const auto& n : h.sheetNames) j["sheetNames"].push_back(Cp932Text(n));
  j["currentSheet"] = h.currentSheet;
  j["Sheets"] = Json::array();
  for (const auto& sh : doc.Sheets) j["Sheets"].push_back(Sheet(sh));
  PrintJson(j);
  return 0;
}

int RunResave(const Args& args) {
  if (args.size() != 2) return ReportUsage("resave IN.swt OUT.swt");
  LayoutDocument doc;
  if (Status s = LoadLayout(args[0], doc); !s) return ReportBadInput(args[0], s.error());
  if (Status s = SaveLayout(doc, args[1]); !s) return ReportBadInput(args[1], s.error());
  return 0;
}

}  // namespace sw::cli
