#include <gtest/gtest.h>

#include <algorithm>

#include "core/Cp932.h"
#include "support/JwwWriter.h"
#include "support/MiniJson.h"
#include "support/RunCommand.h"

namespace sw {
namespace {

using test::RunCommand;

TEST(CliBlocks, PrintsTheNestedTreeWithPlacements) {
  test::TempDir dir;
  JWWDrawing d = test::MakeDrawing(700);
  d.JWWBlocks.addDefinition({{}, 7, 0, 0, Utf8ToCp932("椅子@@SfigorgFlag@@4"), 1});
  d.JWWBlocks.addLine({});
  d.JWWBlocks.addDefinition({{}, 8, 0, 0, "table", 1});
  CDataBlock chair{test::MakeHead(0, 0), 10.5, -2, 1, 1, 1.25, 7};
  d.JWWBlocks.addInsert(chair);
  d.JWWInserts.push_back({test::MakeHead(0, 0), 3, 4, 2, -0.5, 0.75, 8});
  ASSERT_TRUE(test::WriteBytes(dir / "b.jww", test::WriteJww(d, true)));
  auto r = RunCommand({SW_CLI, "blocks", (dir / "b.jww").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  auto j = test::ParseJson(r.out);
  ASSERT_TRUE(j.has_value()) << r.out;
  EXPECT_EQ((*j)["text"].text, "BlockTree");
  EXPECT_EQ((*j)["cut"].kind, test::JsonValue::Kind::Bool);
  EXPECT_FALSE((*j)["cut"].boolean);
  ASSERT_EQ((*j)["children"].items.size(), 1u);
  const test::JsonValue& table = (*j)["children"][0];
  EXPECT_EQ(table["text"].text, "table");
  struct Field {
    const char* key;
    double table, chair;
  } fields[] = {{"number", 8, 7}, {"x", 3, 10.5},       {"y", 4, -2},        {"angle", 0.75, 1.25},
                {"scaleX", 2, 1}, {"scaleY", -0.5, 1}};
  ASSERT_EQ(table["children"].items.size(), 1u);
  const test::JsonValue& nested = table["children"][0];
  for (const auto& f : fields) {
    EXPECT_EQ(table[f.key].number, f.table) << f.key;
    EXPECT_EQ(nested[f.key].number, f.chair) << f.key;
  }
  EXPECT_EQ(nested["text"].text, "椅子");
  EXPECT_EQ(nested["children"].kind, test::JsonValue::Kind::Array);
  EXPECT_TRUE(nested["children"].items.empty());
}

TEST(CliBlocks, BadInputIsOneLineAndUsageIsTwo) {
  test::TempDir dir;
  ASSERT_TRUE(test::WriteBytes(dir / "bad.jww", {'n', 'o', 't', ' ', 'j', 'w', 'w', '.'}));
  auto r = RunCommand({SW_CLI, "blocks", (dir / "bad.jww").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(r.err.rfind((dir / "bad.jww").string() + ": byte 0:", 0), 0u) << r.err;
  EXPECT_EQ(RunCommand({SW_CLI, "blocks"}).status, 2);
}

}  // namespace
}  // namespace sw
