// Rendered sheets against the golden images in tests/data/golden: the
// bundled example's sheets and drawing, drawings written by Jw_cad, and a
// printed page rasterised back from its PDF.
#include <gtest/gtest.h>

#include <QImage>

#include "cli/Golden.h"
#include "support/Fixtures.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

using test::RunCommand;
using test::TempDir;

std::vector<std::string> Cli(const TempDir& dir, std::vector<std::string> args) {
  std::vector<std::string> argv = {
      "env", "-u", "WINEPREFIX", "HOME=" + dir.path().string(),
      "SHEETWRIGHT_CONFIG=" + (dir / "own.reg").string(),
      "SHEETWRIGHT_JWCAD_REGISTRY=" SW_SOURCE_DIR "/examples/jwcad-settings.reg", SW_CLI};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

// Renders `input` at 800 x 600 (with `extra` options) and compares it.
void ExpectGoldenRender(const std::string& input, std::vector<std::string> extra,
                        const std::string& golden) {
  TempDir dir;
  const auto out = dir / "out.png";
  std::vector<std::string> args = {"render", input, out.string(), "--size", "800x600"};
  args.insert(args.end(), extra.begin(), extra.end());
  auto r = RunCommand(Cli(dir, args));
  ASSERT_EQ(r.status, 0) << r.err;
  QImage img(QString::fromStdString(out.string()));
  ASSERT_FALSE(img.isNull());
  const std::string problem = test::CompareWithGolden(img, golden);
  EXPECT_TRUE(problem.empty()) << problem;
}

struct GoldenCase {
  const char* golden;
  const char* example;  // file under examples/
  std::vector<std::string> options;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.golden; }

class ExampleGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ExampleGolden, RenderMatches) {
  const GoldenCase& c = GetParam();
  ExpectGoldenRender(std::string(SW_SOURCE_DIR "/examples/") + c.example, c.options, c.golden);
}

INSTANTIATE_TEST_SUITE_P(
    Example, ExampleGolden,
    ::testing::Values(GoldenCase{"example-sheet0.png", "sample.swt", {}},
                      GoldenCase{"example-sheet1.png", "sample.swt", {"--sheet", "1"}},
                      GoldenCase{"example-drawing.png", "sample.jww", {}}),
    [](const auto& info) {
      std::string n = info.param.golden;
      n = n.substr(0, n.find('.'));
      std::erase(n, '-');
      return n;
    });

TEST(FixtureGolden, DrawingsWrittenByJwcad) {
  SW_REQUIRE_FIXTURES(dir);
  for (const char* name : {"Amansion_heimen", "mokuzou_heimen", "blk_2blocks", "shikichizu"}) {
    SCOPED_TRACE(name);
    ExpectGoldenRender((dir / (std::string(name) + ".jww")).string(), {},
                       std::string("fixture-") + name + ".png");
  }
}

TEST(PrintGolden, ExampleSheetOnPaper) {
  if (RunCommand({"sh", "-c", "command -v pdftoppm"}).status != 0)
    GTEST_SKIP() << "pdftoppm is not installed";
  TempDir dir;
  const auto pdf = dir / "out.pdf";
  auto r = RunCommand(Cli(dir, {"print", SW_SOURCE_DIR "/examples/sample.swt", pdf.string()}));
  ASSERT_EQ(r.status, 0) << r.err;
  auto raster = RunCommand({"pdftoppm", "-r", "60", "-png", "-singlefile", pdf.string(),
                            (dir / "page").string()});
  ASSERT_EQ(raster.status, 0) << raster.err;
  QImage page(QString::fromStdString((dir / "page.png").string()));
  ASSERT_FALSE(page.isNull());
  const std::string problem = test::CompareWithGolden(page, "example-print.png");
  EXPECT_TRUE(problem.empty()) << problem;
}

}  // namespace
}  // namespace sw
