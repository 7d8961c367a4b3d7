#include "support/MeasuredLayout.h"

#include "layout/Operations.h"
#include "layout/SwtFile.h"
#include "support/JwwWriter.h"
#include "support/RunCommand.h"

namespace sw::test {

std::filesystem::path WriteMeasuredLayout(const std::filesystem::path& folder) {
  JWWDrawing d = MakeDrawing(600);
  d.head.paperSize = 4;
  d.JWWLines.push_back({MakeHead(0, 0, 1, 1), -50, 0, 50, 0});
  CDataList def;
  def.number = 1;
  def.memberCount = 2;
  d.JWWBlocks.addDefinition(def);
  d.JWWBlocks.addLine({MakeHead(0, 0, 1, 1), 0, 20, 10, 20});
  d.JWWBlocks.addInsert({MakeHead(0, 0, 1, 1), 0, 0, 1, 1, 0, 1});
  d.JWWInserts.push_back({MakeHead(0, 0, 1, 1), 0, 0, 1, 1, 0, 1});
  if (!WriteBytes(folder / "m.jww", WriteJww(d))) return {};
  LayoutDocument doc;
  JWWDrawing read;
  if (!openBaseDrawing(doc, read, folder / "m.jww")) return {};
  if (!addFrame(doc, kFrameRect, "f", {-100, -50}, {100, 50})) return {};
  CLayMain& s = doc.Sheets[0];
  s.frames[1].groups = s.frames[0].groups;
  s.shown[1] = true;
  s.shown[0] = false;
  if (!SaveLayout(doc, folder / "m.swt")) return {};
  return folder / "m.swt";
}

}  // namespace sw::test
