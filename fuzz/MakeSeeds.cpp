// fuzz_make_seeds FOLDER: writes small drawings of every version branch.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/JwwWriter.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
    return 2;
  }
  using namespace sw;
  std::filesystem::create_directories(argv[1]);
  int n = 0;
  for (std::uint32_t v : {230u, 300u, 351u, 420u, 600u, 700u}) {
    for (bool utf16 : {false, true}) {
      JWWDrawing d = test::MakeDrawing(v);
      d.JWWLines.push_back({test::MakeHead(0, 1), 0, 0, 10, 10});
      d.JWWArcs.push_back({test::MakeHead(1, 2), 0, 0, 5, 0, 1, 0, 1, 0});
      d.JWWPoints.push_back({test::MakeHead(0, 0, 1, 100), 1, 1, 0, 3, 0.5, 1});
      CDataMoji t;
      t.text = "abc";
      t.fontName = "f";
      d.JWWTexts.push_back(t);
      d.JWWSolids.push_back({test::MakeHead(0, 0, 10), 0, 0, 1, 0, 1, 1, 0, 1, 0xFF});
      CDataSunpou dim;
      dim.text = t;
      d.JWWDims.push_back(dim);
      d.JWWInserts.push_back({test::MakeHead(0, 0), 0, 0, 1, 1, 0, 1});
      d.JWWBlocks.addDefinition({{}, 1, 0, 0, "b@@1", 2});
      d.JWWBlocks.addLine({});
      d.JWWBlocks.addInsert({{}, 0, 0, 1, 1, 0, 1});
      auto bytes = test::WriteJww(d, utf16);
      std::ofstream(std::filesystem::path(argv[1]) / ("seed" + std::to_string(n++) + ".jww"), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
  }
  return 0;
}
