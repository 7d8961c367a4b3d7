// sheetwright-cli layout LAYOUT.swt: JSON of a layout document.
// sheetwright-cli resave IN.swt OUT.swt: load, then save.

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Path.h"
#include "layout/SwtFile.h"

namespace sw::cli {
namespace {

Json Frame(const CLayCount& f) {
  return {{"kind", f.kind}, {"name", Cp932Text(f.name)},    {"dx", f.dx},
          {"dy", f.dy},     {"writeGroup", f.writeGroup}, {"groups", GroupsJson(f.groups)}};
}

void Sheet(JsonStream& out, const CLayMain& sh) {
  out.BeginObject();
  out.Put("frameHigh", sh.frameHigh);
  out.Put("selectedFrame", sh.selectedFrame);
  out.BeginArray("frames");
  for (const auto& f : sh.frames) out.Put(Frame(f));
  out.End();
  out.BeginArray("circles");
  for (const auto& c : sh.circles) out.Put(Json{{"code", c.code}, {"cx", c.cx}, {"cy", c.cy}, {"radius", c.radius}});
  out.End();
  out.BeginArray("rects");
  for (const auto& r : sh.rects)
    out.Put(Json{{"code", r.code}, {"x1", r.x1}, {"y1", r.y1}, {"x2", r.x2}, {"y2", r.y2}});
  out.End();
  out.BeginArray("plines");
  for (const auto& p : sh.plines) out.Put(Json{{"value1", p.value1}, {"value2", p.value2}, {"X", p.X}, {"Y", p.Y}});
  out.End();
  out.Put("lineHigh", sh.lineHigh);
  out.BeginArray("lines");
  for (const auto& l : sh.lines)
    out.Put(Json{{"code", l.code}, {"x1", l.x1}, {"y1", l.y1}, {"x2", l.x2}, {"y2", l.y2}});
  out.End();
  out.BeginArray("shown");
  for (bool v : sh.shown) out.Put(Json(v));
  out.End();
  out.End();
}

}  // namespace

// The document is written as it is walked (sheet by sheet, frame by frame),
// so that the output of a layout of very many frames takes no memory of its
// own.
int RunLayout(const Args& args) {
  if (args.size() != 1) return ReportUsage("layout LAYOUT.swt");
  LayoutDocument doc;
  if (Status s = LoadLayout(PathFromUtf8(args[0]), doc); !s) return ReportBadInput(args[0], s.error());
  const SWTHead& h = doc.head;
  JsonStream out(stdout);
  out.BeginObject();
  out.Put("baseFile", Cp932Text(h.baseFile));
  out.Put("PaperIndex", doc.PaperIndex);
  out.Put("sheetHigh", h.sheetHigh);
  out.BeginArray("sheetNames");
  for (const auto& n : h.sheetNames) out.Put(Cp932Text(n));
  out.End();
  out.Put("currentSheet", h.currentSheet);
  out.BeginArray("Sheets");
  for (const auto& sh : doc.Sheets) Sheet(out, sh);
  out.End();
  out.End();
  return 0;
}

int RunResave(const Args& args) {
  if (args.size() != 2) return ReportUsage("resave IN.swt OUT.swt");
  LayoutDocument doc;
  if (Status s = LoadLayout(PathFromUtf8(args[0]), doc); !s) return ReportBadInput(args[0], s.error());
  if (Status s = SaveLayout(doc, PathFromUtf8(args[1])); !s) return ReportBadInput(args[1], s.error());
  return 0;
}

}  // namespace sw::cli
