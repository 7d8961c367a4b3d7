// sw-make-example FOLDER: writes sample.jww, a small floor plan drawn with
// lines, arcs, points, texts, solids, a block and a dimension, for the demo.
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "core/Cp932.h"
#include "core/File.h"
#include "support/JwwWriter.h"

namespace {

using namespace sw;
using test::MakeHead;

JWWDrawing Plan() {
  JWWDrawing d = test::MakeDrawing(600);
  d.head.memo = Utf8ToCp932("サンプル平面図　１／１００");
  d.head.paperSize = 3;  // A3
  d.head.groups[0].scale = 100;
  d.head.groupNames[0] = Utf8ToCp932("平面");
  d.head.layerNames[0] = Utf8ToCp932("壁");
  d.head.layerNames[1] = Utf8ToCp932("建具");
  d.head.layerNames[2] = Utf8ToCp932("文字");
  // Walls: a 12 m x 8 m outline and one partition (drawing mm at 1:100).
  auto wall = [&](double x1, double y1, double x2, double y2) {
    d.JWWLines.push_back({MakeHead(0, 0, 2, 1), x1, y1, x2, y2});
  };
  wall(-6000, -4000, 6000, -4000);
  wall(6000, -4000, 6000, 4000);
  wall(6000, 4000, -6000, 4000);
  wall(-6000, 4000, -6000, -4000);
  wall(0, -4000, 0, 2000);
  // Centre lines in a dash-dot line type.
  d.JWWLines.push_back({MakeHead(0, 0, 6, 6), -7000, 0, 7000, 0});
  d.JWWLines.push_back({MakeHead(0, 0, 6, 6), 0, -5000, 0, 5000});
  // A door swing: quarter arc and leaf.
  CDataEnko swing{MakeHead(0, 1, 3, 1), 0, 2000, 900, 0, M_PI / 2, 0, 1, 0};
  d.JWWArcs.push_back(swing);
  d.JWWLines.push_back({MakeHead(0, 1, 3, 1), 0, 2000, 0, 2900});
  // A round column and an elliptical table.
  d.JWWArcs.push_back({MakeHead(0, 0, 2, 1), -3000, -2000, 300, 0, 2 * M_PI, 0, 1, 1});
  d.JWWArcs.push_back({MakeHead(0, 1, 4, 1), 3000, -1500, 1200, 0, 2 * M_PI, 0.3, 0.5, 1});
  // Survey points.
  d.JWWPoints.push_back({MakeHead(0, 0, 1, 1), -6000, -4000, 0, 0, 0, 0});
  d.JWWPoints.push_back({MakeHead(0, 0, 1, 1), 6000, 4000, 0, 0, 0, 0});
  // Room names.
  auto text = [&](double x, double y, const char* utf8) {
    CDataMoji t;
    t.head = MakeHead(0, 2, 1, 1);
    t.x1 = x;
    t.y1 = y;
    t.textType = 3;
    t.sizeX = t.sizeY = 4;
    t.spacing = 0.5;
    t.fontName = Utf8ToCp932("ＭＳ ゴシック");
    t.text = Utf8ToCp932(utf8);
    t.x2 = x + 4.5 * 100 * CharCount(t.text);
    t.y2 = y;
    d.JWWTexts.push_back(t);
  };
  text(-4500, 1000, "事務室");
  text(1500, 2500, "会議室");
  text(-5800, -4600, "ｻﾝﾌﾟﾙ・図面");
  // A filled hatch area in its own colour.
  d.JWWSolids.push_back({MakeHead(0, 0, 10, 1), 4500, 3000, 6000, 3000, 6000, 4000, 4500, 4000, 0x00C0C0C0});
  // A block "chair" (a square) inserted twice.
  CDataList chair{MakeHead(0, 0), 1, 1, 0, "chair@@1", 4};
  d.JWWBlocks.addDefinition(chair);
  d.JWWBlocks.addLine({MakeHead(0, 1, 5, 1), -200, -200, 200, -200});
  d.JWWBlocks.addLine({MakeHead(0, 1, 5, 1), 200, -200, 200, 200});
  d.JWWBlocks.addLine({MakeHead(0, 1, 5, 1), 200, 200, -200, 200});
  d.JWWBlocks.addLine({MakeHead(0, 1, 5, 1), -200, 200, -200, -200});
  d.JWWInserts.push_back({MakeHead(0, 1), 2000, -1500, 1, 1, 0, 1});
  d.JWWInserts.push_back({MakeHead(0, 1), 4000, -2500, 1, 1, M_PI / 4, 1});
  // An overall dimension.
  CDataSunpou dim;
  dim.head = MakeHead(0, 2, 1, 1);
  dim.line = {MakeHead(0, 2, 1, 1), -6000, -5000, 6000, -5000};
  dim.text.head = MakeHead(0, 2, 1, 1);
  dim.text.x1 = -300;
  dim.text.y1 = -4900;
  dim.text.sizeX = dim.text.sizeY = 2.5;
  dim.text.textType = 1;
  dim.text.fontName = Utf8ToCp932("ＭＳ ゴシック");
  dim.text.text = "12000";
  d.JWWDims.push_back(dim);
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sw-make-example FOLDER\n");
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  auto bytes = sw::test::WriteJww(Plan());
  if (sw::Status s = sw::WriteFileAtomic(dir / "sample.jww", bytes); !s) {
    std::fprintf(stderr, "%s: %s\n", (dir / "sample.jww").string().c_str(), s.error().message.c_str());
    return 1;
  }
  return 0;
}
