// fuzz_make_seeds FOLDER: seed corpora written by our own writers:
// FOLDER/jww (small drawings of every version branch), FOLDER/swt (layouts
// of one and of several sheets and frames) and FOLDER/reg (registry texts in
// each format the reader takes, and the example's Jw_cad settings).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "layout/Operations.h"
#include "layout/SwtFormat.h"
#include "support/JwwWriter.h"

namespace {

void Write(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
    return 2;
  }
  using namespace sw;
  const std::filesystem::path root = argv[1];
  for (const char* sub : {"jww", "swt", "reg"}) std::filesystem::create_directories(root / sub);
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
      Write(root / "jww" / ("seed" + std::to_string(n++) + ".jww"), bytes);
    }
  }

  LayoutDocument doc;
  if (auto b = EncodeSwt(doc, "plan.jww")) Write(root / "swt" / "empty.swt", b.value());
  addFrame(doc, kFrameRect, "north", {-10, -10}, {10, 10});
  addFrame(doc, kFrameRect, "south", {0, 0}, {30, 20});
  addSheet(doc);
  addFrame(doc, kFrameRect, "a", {-5, -5}, {5, 5});
  if (auto b = EncodeSwt(doc, "sub\\plan.jww")) Write(root / "swt" / "frames.swt", b.value());

  Write(root / "reg" / "wine.reg", Bytes("WINE REGISTRY Version 2\n;; All keys relative to \\User\n\n"
                                         "[Software\\\\Jw_cad\\\\jw_win\\\\Pen] 1466583564\n"
                                         "\"Color01\"=\"000000\"\n\"Width01\"=dword:00000002\n"
                                         "\"Type_02\"=hex:01,02,03,\\\n  04,05\n"));
  Write(root / "reg" / "export.reg", Bytes("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Jw_cad]\r\n"
                                           "\"Name\"=\"jw\"\r\n@=\"default\"\r\n"));
  std::vector<std::uint8_t> utf16 = {0xFF, 0xFE};
  for (char c : std::string("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Jw_cad]\r\n\"A\"=dword:00000001\r\n")) {
    utf16.push_back(static_cast<std::uint8_t>(c));
    utf16.push_back(0);
  }
  Write(root / "reg" / "export16.reg", utf16);
  std::error_code ec;
  std::filesystem::copy_file(SW_SOURCE_DIR "/examples/jwcad-settings.reg", root / "reg" / "jwcad-settings.reg",
                             std::filesystem::copy_options::overwrite_existing, ec);
  return 0;
}
