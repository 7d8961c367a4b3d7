// sheetwright-cli layout LAYOUT.swt: JSON of a layout document.
// sheetwright-cli resave IN.swt OUT.swt: load, then save.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "layout/SwtFile.h"

namespace sw::cli {
namespace {

void Frame(Json& j, const CLayCount& f) {
  j.beginObject();
  j.field("kind", f.kind);
  j.key("name").cp932(f.name);
  j.field("dx", f.dx).field("dy", f.dy).field("writeGroup", f.writeGroup);
  WriteGroups(j, f.groups);
  j.endObject();
}

void Doubles(Json& j, const char* name, const std::vector<double>& v) {
  j.key(name).beginArray();
  for (double x : v) j.value(x);
  j.endArray();
}

void Sheet(Json& j, const CLayMain& sh) {
  j.beginObject();
  j.field("frameHigh", sh.frameHigh).field("selectedFrame", sh.selectedFrame);
  j.key("frames").beginArray();
  for (const auto& f : sh.frames) Frame(j, f);
  j.endArray();
  j.key("circles").beginArray();
  for (const auto& c : sh.circles)
    j.beginObject().field("code", c.code).field("cx", c.cx).field("cy", c.cy).field("radius", c.radius).endObject();
  j.endArray();
  j.key("rects").beginArray();
  for (const auto& r : sh.rects)
    j.beginObject().field("code", r.code).field("x1", r.x1).field("y1", r.y1).field("x2", r.x2).field("y2", r.y2).endObject();
  j.endArray();
  j.key("plines").beginArray();
  for (const auto& p : sh.plines) {
    j.beginObject().field("value1", p.value1).field("value2", p.value2);
    Doubles(j, "X", p.X);
    Doubles(j, "Y", p.Y);
    j.endObject();
  }
  j.endArray();
  j.field("lineHigh", sh.lineHigh);
  j.key("lines").beginArray();
  for (const auto& l : sh.lines)
    j.beginObject().field("code", l.code).field("x1", l.x1).field("y1", l.y1).field("x2", l.x2).field("y2", l.y2).endObject();
  j.endArray();
  j.key("shown").beginArray();
  for (bool s : sh.shown) j.value(s);
  j.endArray();
  j.endObject();
}

}  // namespace

int RunLayout(const Args& args) {
  if (args.size() != 1) return ReportUsage("layout LAYOUT.swt");
  LayoutDocument doc;
  if (Status s = LoadLayout(args[0], doc); !s) return ReportBadInput(args[0], s.error());
  const SWTHead& h = doc.head;
  Json j;
  j.beginObject();
  j.key("baseFile").cp932(h.baseFile);
  j.field("PaperIndex", doc.PaperIndex);
  j.field("sheetHigh", h.sheetHigh);
  j.key("sheetNames").beginArray();
  for (const auto& n : h.sheetNames) j.cp932(n);
  j.endArray();
  j.field("currentSheet", h.currentSheet);
  j.key("Sheets").beginArray();
  for (const auto& sh : doc.Sheets) Sheet(j, sh);
  j.endArray();
  j.endObject();
  std::fputs(j.str().c_str(), stdout);
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
