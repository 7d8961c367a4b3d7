// Every drawing written by Jw_cad beside the checkout, against expected.json.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/File.h"
#include "jww/Reader.h"
#include "support/Fixtures.h"
#include "support/MiniJson.h"

namespace sw {
namespace {

TEST(JwcadFixtures, EveryFileMatchesItsExpectation) {
  SW_REQUIRE_FIXTURES(dir);
  std::ifstream in(dir / "expected.json");
  std::stringstream text;
  text << in.rdbuf();
  auto expected = test::ParseJson(text.str());
  ASSERT_TRUE(expected.has_value());
  ASSERT_FALSE(expected->members.empty());
  for (const auto& [name, e] : expected->members) {
    SCOPED_TRACE(name);
    auto bytes = ReadWholeFile(dir / name, kMaxJWWFileBytes);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes.value().size(), static_cast<std::size_t>(e["bytes"].number));
    JWWDrawing d;
    Status s = ReadJWW(bytes.value(), d);
    ASSERT_TRUE(s.ok()) << Describe(s.error());
    EXPECT_EQ(d.head.version, static_cast<std::uint32_t>(e["version"].number));
    EXPECT_EQ(d.head.paperSize, static_cast<int>(e["paperSize"].number));
    EXPECT_EQ(d.head.writeGroup, static_cast<int>(e["writeGroup"].number));
    ASSERT_EQ(e["scales"].items.size(), 16u);
    for (std::size_t g = 0; g < 16; ++g) EXPECT_EQ(d.head.groups[g].scale, e["scales"][g].number) << g;
    const auto& c = e["counts"];
    EXPECT_EQ(d.JWWLines.size(), c["JWWLines"].number);
    EXPECT_EQ(d.JWWArcs.size(), c["JWWArcs"].number);
    EXPECT_EQ(d.JWWPoints.size(), c["JWWPoints"].number);
    EXPECT_EQ(d.JWWTexts.size(), c["JWWTexts"].number);
    EXPECT_EQ(d.JWWSolids.size(), c["JWWSolids"].number);
    EXPECT_EQ(d.JWWInserts.size(), c["JWWInserts"].number);
    EXPECT_EQ(d.JWWDims.size(), c["JWWDims"].number);
    EXPECT_EQ(d.JWWBlocks.definitions().size(), e["blockDefinitions"].number);
    EXPECT_EQ(d.JWWBlocks.members().size(), e["blockMembers"].number);
    // UTF-16 strings announce themselves with 0xFF 0xFE 0xFF (length escape,
    // marker WORD); the memo is the first string of every file.
    const auto& b = bytes.value();
    bool utf16 = b.size() > 15 && b[12] == 0xFF && b[13] == 0xFE && b[14] == 0xFF;
    EXPECT_EQ(utf16, e["utf16Strings"].boolean);
    // Block members follow their definitions exactly.
    std::size_t members = 0;
    for (const auto& def : d.JWWBlocks.definitions()) members += static_cast<std::size_t>(def.memberCount);
    EXPECT_EQ(members, d.JWWBlocks.members().size());
  }
}

}  // namespace
}  // namespace sw
