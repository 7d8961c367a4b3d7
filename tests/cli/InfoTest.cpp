#include <gtest/gtest.h>

#include <algorithm>

#include "core/Cp932.h"
#include "support/Fixtures.h"
#include "support/JwwWriter.h"
#include "support/MiniJson.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

using test::RunCommand;

TEST(CliInfo, SummarisesADrawing) {
  test::TempDir dir;
  JWWDrawing d = test::MakeDrawing(700);
  d.head.memo = Utf8ToCp932("平面図");
  d.head.layerNames[17] = Utf8ToCp932("壁");
  d.JWWLines.push_back({test::MakeHead(1, 1), 0, 0, 1, 1});
  CDataMoji t;
  t.head = test::MakeHead(2, 3);
  d.JWWTexts.push_back(t);
  d.JWWBlocks.addDefinition({{}, 1, 0, 0, "b", 1});
  d.JWWBlocks.addLine({});
  ASSERT_TRUE(test::WriteBytes(dir / "a.jww", test::WriteJww(d, true)));
  auto r = RunCommand({SW_CLI, "info", (dir / "a.jww").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  auto j = test::ParseJson(r.out);
  ASSERT_TRUE(j.has_value()) << r.out;
  EXPECT_EQ((*j)["version"].number, 700);
  EXPECT_EQ((*j)["memo"].text, "平面図");
  EXPECT_EQ((*j)["paperSize"].number, 3);
  EXPECT_EQ((*j)["groups"].items.size(), 16u);
  EXPECT_EQ((*j)["groups"][0]["layers"].items.size(), 16u);
  EXPECT_EQ((*j)["groups"][0]["scale"].number, 100);
  EXPECT_EQ((*j)["layerNames"][17].text, "壁");
  EXPECT_EQ((*j)["counts"]["JWWLines"].number, 1);
  EXPECT_EQ((*j)["counts"]["JWWTexts"].number, 1);
  EXPECT_EQ((*j)["blockDefinitions"].number, 1);
  EXPECT_EQ((*j)["blockMembers"].number, 1);
  EXPECT_EQ((*j)["LayerHasLines"][17].number, 1);
  EXPECT_EQ((*j)["LayerHasText"][35].number, 1);
  EXPECT_EQ((*j)["GroupHasLines"][1].number, 1);
  EXPECT_EQ((*j)["GroupHasText"][2].number, 1);
  EXPECT_EQ((*j)["GroupHasLines"].items.size(), 16u);
}

TEST(CliInfo, BadInputIsOneLineNamingFileOffsetAndProblem) {
  test::TempDir dir;
  auto good = test::WriteJww(test::MakeDrawing(600));
  auto badSig = good;
  badSig[0] = 'X';
  auto badVersion = test::WriteJww(test::MakeDrawing(250));
  auto truncated = std::vector<std::uint8_t>(good.begin(), good.begin() + 500);
  struct Case {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::string expect;
  } cases[] = {
      {"sig.jww", badSig, "byte 0: not a JWW drawing"},
      {"ver.jww", badVersion, "byte 8: version 250 is not accepted"},
      {"cut.jww", truncated, "unexpected end of data"},
      {"empty.jww", {}, "byte 0:"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteBytes(dir / c.name, c.bytes));
    auto r = RunCommand({SW_CLI, "info", (dir / c.name).string()});
    EXPECT_EQ(r.status, 1) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind((dir / c.name).string() + ": ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.expect), std::string::npos) << r.err;
  }
  auto missing = RunCommand({SW_CLI, "info", (dir / "none.jww").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("file not found"), std::string::npos);
}

TEST(CliInfo, UsageErrorsExitWithTwo) {
  EXPECT_EQ(RunCommand({SW_CLI}).status, 2);
  EXPECT_EQ(RunCommand({SW_CLI, "info"}).status, 2);
  EXPECT_EQ(RunCommand({SW_CLI, "info", "a", "b"}).status, 2);
  EXPECT_EQ(RunCommand({SW_CLI, "frobnicate"}).status, 2);
}

TEST(CliInfo, AgreesWithTheJwcadFixtures) {
  SW_REQUIRE_FIXTURES(dir);
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".jww") continue;
    auto r = RunCommand({SW_CLI, "info", entry.path().string()});
    EXPECT_EQ(r.status, 0) << entry.path() << r.err;
    EXPECT_TRUE(test::ParseJson(r.out).has_value()) << entry.path();
  }
}

}  // namespace
}  // namespace sw
