#include "layout/Operations.h"

#include <cmath>
#include <system_error>
#include <utility>

#include "jww/Reader.h"
#include "layout/BasePath.h"
#include "layout/LineExtension.h"

namespace sw {
namespace fs = std::filesystem;

void resetDocument(LayoutDocument& doc) {
  doc.head.baseFile.clear();
  doc.head.sheetHigh = 0;
  doc.head.sheetNames.assign(1, "layout1");
  doc.head.currentSheet = 0;
  doc.Sheets.assign(1, MakeEmptySheet());
}

Status initFrameFromBase(LayoutDocument& doc, const JWWDrawing& drawing, std::int32_t j) {
  CLayMain& sh = CurrentSheet(doc);
  if (j < 0 || j > sh.frameHigh)
    return MakeError("frame " + std::to_string(j) + " is not 0.." + std::to_string(sh.frameHigh));
  CLayCount& f = sh.frames[static_cast<std::size_t>(j)];
  if (j == 0) f.name = drawing.head.memo;
  f.writeGroup = drawing.head.writeGroup;
  f.groups = drawing.head.groups;
  return Status::Ok();
}

Status openBaseDrawing(LayoutDocument& doc, JWWDrawing& drawing, const fs::path& path) {
  std::error_code ec;
  fs::path abs = fs::absolute(path, ec);
  if (ec) return MakeError("cannot make " + path.string() + " absolute: " + ec.message());
  Result<std::string> cp932 = Cp932FromNativePath(abs.lexically_normal());
  if (!cp932) return cp932.error();

  JWWDrawing fresh;
  if (Status s = ReadJWWFile(path, fresh); !s) return s;
  drawing = std::move(fresh);

  doc.head.baseFile = std::move(cp932.value());
  CLayMain& sh = CurrentSheet(doc);
  sh.selectedFrame = 0;
  sh.frameHigh = 0;
  sh.frames.resize(1);
  sh.circles.resize(1);
  sh.rects.resize(1);
  sh.shown.assign(1, true);
  (void)initFrameFromBase(doc, drawing, 0);  // frame 0 always exists
  const std::int32_t paper = drawing.head.paperSize;
  doc.PaperIndex = paper >= 0 && paper <= 4 ? paper : 1;
  return Status::Ok();
}

Status addFrame(LayoutDocument& doc, std::int32_t kind, const std::string& name, PaperPoint first,
                PaperPoint second) {
  if (kind != kFrameRect && kind != kFrameCircle)
    return MakeError("frame kind " + std::to_string(kind) + " is neither rectangle (1) nor circle (2)");
  if (name.empty()) return MakeError("a frame needs a name");
  CLayMain& sh = CurrentSheet(doc);
  for (std::size_t j = 1; j < sh.frames.size(); ++j)
    if (sh.frames[j].name == name) return MakeError("frame " + std::to_string(j) + " already has this name");

  sh.frameHigh += 1;
  const std::size_t n = static_cast<std::size_t>(sh.frameHigh) + 1;
  sh.frames.resize(n);
  sh.circles.resize(n);
  sh.rects.resize(n);
  sh.shown.resize(n, false);
  sh.selectedFrame = sh.frameHigh;
  CLayCount& f = sh.frames.back();
  f.kind = kind;
  f.name = name;
  f.dx = 0;
  f.dy = 0;
  if (kind == kFrameRect) {
    sh.rects.back() = CLayRect{kRectCode, first.x, first.y, second.x, second.y};
  } else {
    const double radius = std::hypot(second.x - first.x, second.y - first.y);
    sh.circles.back() = CLayCircle{kCircleCode, first.x, first.y, radius};
  }
  return Status::Ok();
}

void addLine(LayoutDocument& doc, std::int32_t code, PaperPoint first, PaperPoint second) {
  CLayMain& sh = CurrentSheet(doc);
  const LineEnds e = ExtendLineToRect(first, second, PaperRect(doc.PaperIndex));
  sh.lineHigh += 1;
  sh.lines.resize(static_cast<std::size_t>(sh.lineHigh) + 1);
  sh.lines.back() = CLayLine{code, e.a.x, e.a.y, e.b.x, e.b.y};
}

}  // namespace sw
