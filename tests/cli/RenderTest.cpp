// render and print as a user runs them: argument checking, bad input that
// leaves no output behind, the picture sizes, and printed millimetres
// measured back from the PDF.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <optional>
#include <sstream>

#include "support/JwwWriter.h"
#include "support/MeasuredLayout.h"
#include "support/PdfPages.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

using test::RunCommand;
using test::TempDir;

const std::string kRegistry = SW_SOURCE_DIR "/examples/jwcad-settings.reg";

std::vector<std::string> Cli(const TempDir& dir, std::vector<std::string> args) {
  std::vector<std::string> argv = {"env", "-u", "WINEPREFIX", "HOME=" + dir.path().string(),
                                   "SHEETWRIGHT_CONFIG=" + (dir / "own.reg").string(),
                                   "SHEETWRIGHT_JWCAD_REGISTRY=" + kRegistry, SW_CLI};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

std::filesystem::path WriteMeasuredLayout(const TempDir& dir) {
  auto layout = test::WriteMeasuredLayout(dir.path());
  EXPECT_FALSE(layout.empty());
  return layout;
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
};
void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class RenderUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(RenderUsage, IsAUsageError) {
  TempDir dir;
  auto r = RunCommand(Cli(dir, GetParam().args));
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_NE(r.err.find("usage"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Args, RenderUsage,
    ::testing::Values(
        UsageCase{"RenderWithoutOutput", {"render", "a.jww"}},
        UsageCase{"RenderSizeZero", {"render", "a.jww", "o.png", "--size", "0x10"}},
        UsageCase{"RenderSizeHalf", {"render", "a.jww", "o.png", "--size", "10x"}},
        UsageCase{"RenderSizeHuge", {"render", "a.jww", "o.png", "--size", "100000x100"}},
        UsageCase{"RenderSizeWords", {"render", "a.jww", "o.png", "--size", "big"}},
        UsageCase{"RenderSheetNegative", {"render", "a.jww", "o.png", "--sheet", "-1"}},
        UsageCase{"RenderUnknownOption", {"render", "a.jww", "o.png", "--zoom", "2"}},
        UsageCase{"RenderOptionTwice", {"render", "a.jww", "o.png", "--sheet", "0", "--sheet", "0"}},
        UsageCase{"PrintScaleNegative", {"print", "a.jww", "o.pdf", "--scale", "-5"}},
        UsageCase{"PrintScaleZero", {"print", "a.jww", "o.pdf", "--scale", "0"}},
        UsageCase{"PrintScaleNaN", {"print", "a.jww", "o.pdf", "--scale", "nan"}},
        UsageCase{"PrintScaleInfinite", {"print", "a.jww", "o.pdf", "--scale", "inf"}},
        UsageCase{"PrintScaleAbsurd", {"print", "a.jww", "o.pdf", "--scale", "1e9"}},
        UsageCase{"PrintScaleVanishing", {"print", "a.jww", "o.pdf", "--scale", "1e-320"}},
        UsageCase{"PrintPageA5", {"print", "a.jww", "o.pdf", "--page", "A5"}},
        UsageCase{"PrintOptionWithoutValue", {"print", "a.jww", "o.pdf", "--page"}},
        UsageCase{"PrintAllAndOneSheet", {"print", "a.swt", "o.pdf", "--all", "--sheet", "0"}},
        UsageCase{"PrintAllTwice", {"print", "a.swt", "o.pdf", "--all", "--all"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliRender, BadInputIsReportedAndWritesNothing) {
  TempDir dir;
  const auto layout = WriteMeasuredLayout(dir);
  ASSERT_TRUE(test::WriteBytes(dir / "short.jww", {'J', 'w', 'w'}));
  ASSERT_TRUE(test::WriteBytes(dir / "note.txt", {'x'}));
  std::ifstream in(layout);
  std::stringstream text;
  text << in.rdbuf();
  std::string orphan = text.str();
  const std::size_t at = orphan.find("m.jww");
  ASSERT_NE(at, std::string::npos);
  orphan.replace(at, 5, "gone.jww");
  ASSERT_TRUE(test::WriteBytes(dir / "orphan.swt", {orphan.begin(), orphan.end()}));

  const std::vector<std::vector<std::string>> cases = {
      {"render", (dir / "missing.jww").string()},
      {"render", (dir / "short.jww").string()},
      {"render", (dir / "note.txt").string()},
      {"render", layout.string(), "--sheet", "1"},
      {"render", (dir / "m.jww").string(), "--sheet", "1"},
      {"render", (dir / "orphan.swt").string()},
      {"render", layout.string(), "--registry", (dir / "none.reg").string()},
      {"print", (dir / "short.jww").string()},
  };
  // An output that would replace a drawing or layout is refused; they are
  // only ever read.
  const auto before = std::filesystem::file_size(dir / "m.jww");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"render", (dir / "m.jww").string(), (dir / "m.jww").string()},
        std::vector<std::string>{"render", layout.string(), (dir / "m.jww").string()},
        std::vector<std::string>{"print", layout.string(), layout.string()},
        std::vector<std::string>{"render", layout.string(), (dir / "new.swt").string()}}) {
    auto r = RunCommand(Cli(dir, args));
    EXPECT_EQ(r.status, 1) << args[2] << " " << r.err;
  }
  EXPECT_EQ(std::filesystem::file_size(dir / "m.jww"), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "new.swt"));
  for (std::vector<std::string> args : cases) {
    const bool print = args[0] == "print";
    const auto out = dir / (print ? "out.pdf" : "out.png");
    args.insert(args.begin() + 2, out.string());
    auto r = RunCommand(Cli(dir, args));
    EXPECT_EQ(r.status, 1) << args[1] << " " << r.err;
    EXPECT_FALSE(r.err.empty()) << args[1];
    EXPECT_FALSE(std::filesystem::exists(out)) << args[1];
  }
}

// The measured layout with its base path field replaced by `field` (short
// form) and, when given, its paper index replaced by `paper`.
std::vector<std::uint8_t> Restored(const std::filesystem::path& layout, const std::string& field,
                                   std::optional<std::int32_t> paper = std::nullopt) {
  std::ifstream in(layout, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::uint8_t> out(bytes.begin(), bytes.begin() + 8);
  out.push_back(static_cast<std::uint8_t>(field.size()));
  out.insert(out.end(), field.begin(), field.end());
  out.insert(out.end(), bytes.begin() + 9 + bytes[8], bytes.end());
  const std::size_t at = 9 + field.size();
  if (paper)
    for (int k = 0; k < 4; ++k) out[at + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*paper) >> (8 * k));
  return out;
}

// Layouts written by the Windows program: base paths with '\' and on drive
// Z: (the root without a Wine prefix) show the same sheet as the layout
// saved here; a paper index of 7 shows the sheet on A1.
TEST(CliRender, LayoutsFromTheWindowsProgramRender) {
  TempDir dir;
  const auto layout = WriteMeasuredLayout(dir);
  std::filesystem::create_directories(dir / "jw" / "sub");
  std::filesystem::copy_file(dir / "m.jww", dir / "jw" / "sub" / "m.jww");
  std::string zPath = "Z:" + (dir / "m.jww").string();
  for (char& c : zPath)
    if (c == '/') c = '\\';
  ASSERT_TRUE(test::WriteBytes(dir / "jw" / "rel.swt", Restored(layout, "sub\\m.jww")));
  ASSERT_TRUE(test::WriteBytes(dir / "z.swt", Restored(layout, zPath)));
  ASSERT_TRUE(test::WriteBytes(dir / "a1.swt", Restored(layout, "m.jww", 1)));
  ASSERT_TRUE(test::WriteBytes(dir / "seven.swt", Restored(layout, "m.jww", 7)));

  auto render = [&](const std::filesystem::path& input) {
    const auto out = dir / (input.stem().string() + ".png");
    auto r = RunCommand(Cli(dir, {"render", input.string(), out.string(), "--size", "400x300"}));
    EXPECT_EQ(r.status, 0) << input << ": " << r.err;
    return QImage(QString::fromStdString(out.string()));
  };
  const QImage saved = render(layout);
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(render(dir / "jw" / "rel.swt"), saved);
  EXPECT_EQ(render(dir / "z.swt"), saved);
  const QImage a1 = render(dir / "a1.swt");
  EXPECT_NE(a1, saved);
  EXPECT_EQ(render(dir / "seven.swt"), a1);
}

TEST(CliRender, PictureHasThePaintBoxSize) {
  TempDir dir;
  const auto layout = WriteMeasuredLayout(dir);
  for (const auto& [input, size, w, h] :
       {std::tuple{layout.string(), std::string("640x480"), 640, 480},
        std::tuple{(dir / "m.jww").string(), std::string("300x200"), 300, 200}}) {
    const auto out = dir / "out.png";
    auto r = RunCommand(Cli(dir, {"render", input, out.string(), "--size", size}));
    ASSERT_EQ(r.status, 0) << r.err;
    QImage img(QString::fromStdString(out.string()));
    EXPECT_EQ(img.width(), w);
    EXPECT_EQ(img.height(), h);
  }
  auto r = RunCommand(Cli(dir, {"render", layout.string(), (dir / "d.png").string()}));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(QImage(QString::fromStdString((dir / "d.png").string())).size(), QSize(1024, 768));
}

struct PrintCase {
  const char* name;
  std::vector<std::string> options;
  const char* mediaBox;   // page size in points
  int rasterW, rasterH;   // pixels at 254 dpi (10 per mm)
  int first, last;        // columns of the 100 mm line
};
void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

class CliPrint : public ::testing::TestWithParam<PrintCase> {};

TEST_P(CliPrint, SheetMillimetresLandOnPageMillimetres) {
  const PrintCase& c = GetParam();
  TempDir dir;
  const auto layout = WriteMeasuredLayout(dir);
  const auto pdf = dir / "out.pdf";
  std::vector<std::string> args = {"print", layout.string(), pdf.string()};
  args.insert(args.end(), c.options.begin(), c.options.end());
  auto r = RunCommand(Cli(dir, args));
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream in(pdf, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_NE(bytes.str().find(c.mediaBox), std::string::npos) << c.mediaBox;

  if (!test::HavePdftoppm()) GTEST_SKIP() << "pdftoppm is not installed";
  const QImage page = test::FirstPage(pdf, 254);
  ASSERT_FALSE(page.isNull());
  // Whole points round the page by up to a fraction of a millimetre.
  ASSERT_NEAR(page.width(), c.rasterW, 3);
  ASSERT_NEAR(page.height(), c.rasterH, 3);
  const auto [first, last] = test::InkRun(page, page.height() / 2);
  EXPECT_NEAR(first, c.first, 2);
  EXPECT_NEAR(last, c.last, 2);
  // No frame outline or paper outline on paper: nothing 45 mm above the line.
  EXPECT_EQ(test::InkRun(page, page.height() / 2 - 450).first, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CliPrint,
    ::testing::Values(
        PrintCase{"A4AtFullSize", {}, "[0 0 842", 2970, 2100, 985, 1985},
        PrintCase{"A4AtHalfSize", {"--scale", "50"}, "[0 0 842", 2970, 2100, 1235, 1735},
        PrintCase{"A3PageAtFullSize", {"--page", "A3"}, "[0 0 1191", 4200, 2970, 1600, 2600}),
    [](const auto& info) { return std::string(info.param.name); });

// The tool itself loads no Qt (it starts at once for the commands that only
// read); render and print run in the drawing program beside it, and the
// tool says so when that program is missing.
TEST(CliRender, DrawingCommandsNeedTheDrawingProgramBesideTheTool) {
  auto libs = RunCommand({"ldd", SW_CLI});
  ASSERT_EQ(libs.status, 0) << libs.err;
  EXPECT_EQ(libs.out.find("libQt"), std::string::npos) << libs.out;
  TempDir dir;
  std::filesystem::copy_file(SW_CLI, dir / "sheetwright-cli");
  auto r = RunCommand({(dir / "sheetwright-cli").string(), "render", "a.jww", (dir / "a.png").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot start " + (dir / "sheetwright-cli-draw").string()), std::string::npos) << r.err;
  EXPECT_EQ(RunCommand({(dir / "sheetwright-cli").string(), "info", SW_SOURCE_DIR "/examples/sample.jww"}).status, 0);
}

// --all: one page per sheet of the example layout, each the page that
// printing that sheet alone gives.
TEST(CliPrint, AllGivesEachSheetItsOwnPage) {
  if (!test::HavePdftoppm()) GTEST_SKIP() << "pdftoppm is not installed";
  TempDir dir;
  const std::string layout = SW_SOURCE_DIR "/examples/sample.swt";
  auto pages = [&](const std::string& name, std::vector<std::string> options) {
    std::vector<std::string> args = {"print", layout, (dir / (name + ".pdf")).string()};
    args.insert(args.end(), options.begin(), options.end());
    auto r = RunCommand(Cli(dir, args));
    EXPECT_EQ(r.status, 0) << r.err;
    auto raster = RunCommand({"pdftoppm", "-r", "20", "-png", (dir / (name + ".pdf")).string(),
                              (dir / name).string()});
    EXPECT_EQ(raster.status, 0) << raster.err;
    std::vector<QImage> images;
    for (int k = 1; std::filesystem::exists(dir / (name + "-" + std::to_string(k) + ".png")); ++k)
      images.emplace_back(QString::fromStdString((dir / (name + "-" + std::to_string(k) + ".png")).string()));
    return images;
  };
  const auto all = pages("all", {"--all"});
  const auto first = pages("first", {"--sheet", "0"});
  const auto second = pages("second", {"--sheet", "1"});
  ASSERT_EQ(all.size(), 2u);
  ASSERT_EQ(first.size(), 1u);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_GT(all[0].width(), all[0].height());  // landscape
  EXPECT_EQ(all[0], first[0]);
  EXPECT_EQ(all[1], second[0]);
  EXPECT_NE(all[0], all[1]);
}

}  // namespace
}  // namespace sw
