#include <gtest/gtest.h>

#include "support/MiniJson.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

using test::RunCommand;

std::vector<std::string> WithEnv(const test::TempDir& dir, std::vector<std::string> args) {
  std::vector<std::string> argv = {"env", "-u", "WINEPREFIX", "HOME=" + dir.path().string(),
                                   "SHEETWRIGHT_CONFIG=" + (dir / "own.reg").string(), SW_CLI};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

TEST(CliSettings, PrintsEveryTableOfTheExampleSettings) {
  test::TempDir dir;
  auto r = RunCommand(WithEnv(dir, {"settings", "--registry", SW_SOURCE_DIR "/examples/jwcad-settings.reg"}));
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = test::ParseJson(r.out);
  ASSERT_TRUE(j.has_value());
  for (const char* key : {"ScreenPenColor", "ScreenPenWidth", "PrintPenColor", "PrintPenWidth", "PointRadius",
                          "GreyColor", "PrintGreyColor", "BackgroundColor", "ZoomFrameColor", "LayoutColor",
                          "TransformColor", "MouseWheel", "LineTypeBits", "ScreenUnit", "PrintUnit",
                          "ScreenAmplitude", "PrintAmplitude", "ScreenPattern", "PrintPattern", "TextColor"})
    EXPECT_NE((*j)[key].kind, test::JsonValue::Kind::Null) << key;
  EXPECT_EQ((*j)["ScreenPenColor"].members.size(), 9u);
  EXPECT_EQ((*j)["LayoutColor"].number, 0x0000FF);  // no own settings yet: the default red
  EXPECT_EQ((*j)["origins"]["ScreenPenColor"]["1"].text, "jwcad");
  EXPECT_EQ((*j)["sources"]["jwcad"].text, SW_SOURCE_DIR "/examples/jwcad-settings.reg");
  // Every dashed screen pattern alternates ink and gap: an even count.
  for (const auto& [type, p] : (*j)["ScreenPattern"].members) EXPECT_EQ(p.items.size() % 2, 0u) << type;
}

TEST(CliSettings, NoJwcadSettingsAnywhereIsBadInput) {
  test::TempDir dir;
  auto r = RunCommand(WithEnv(dir, {"settings"}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Software\\Jw_cad"), std::string::npos) << r.err;
  auto missing = RunCommand(WithEnv(dir, {"settings", "--registry", (dir / "none.reg").string()}));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(RunCommand(WithEnv(dir, {"settings", "--registry"})).status, 2);
}

}  // namespace
}  // namespace sw
