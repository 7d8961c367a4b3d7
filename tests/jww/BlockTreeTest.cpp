#include "jww/BlockTree.h"

#include <gtest/gtest.h>

#include "jww/Reader.h"
#include "support/Fixtures.h"

namespace sw {
namespace {

CDataBlock Insert(std::int32_t number, double x = 0) {
  CDataBlock b;
  b.blockNumber = number;
  b.x = x;
  b.y = 2 * x;
  b.scaleX = 1;
  b.scaleY = -1;
  b.angle = 0.5;
  return b;
}

// Definition `number` named `name` whose members are a line and inserts of
// `inserted`, in that order.
// `count` overrides the member count when not negative.
void Define(TJWWBlockList& b, std::int32_t number, const std::string& name, std::vector<CDataBlock> inserted,
            int count = -1) {
  b.addDefinition({{}, number, 0, 0, name, count >= 0 ? count : static_cast<std::int32_t>(inserted.size() + 1)});
  b.addLine({});
  for (const CDataBlock& i : inserted) b.addInsert(i);
}

// The tree as text: a node as its text, children in brackets.
std::string Shape(const std::vector<BlockTreeNode>& nodes) {
  std::string s;
  for (const BlockTreeNode& n : nodes) {
    if (!s.empty()) s += ' ';
    s += n.text.empty() ? "-" : n.text;
    if (!n.children.empty()) s += "[" + Shape(n.children) + "]";
  }
  return s;
}

TEST(BlockTree, NamesAreCutAtTheFirstMarkerCharacter) {
  struct Case {
    std::string name, text;
  } cases[] = {
      {"door@@SfigorgFlag@@4", "door"},
      {"@@hidden", ""},
      {"plain", "plain"},  // no marker: the whole name
      {"a@b@", "a@b@"},
      {"", ""},
      // 0x40 is also a trail byte: "ァ" (83 40) followed by "@@".
      {"\x83\x40@@x", "\x83\x40"},
      {"\x81\x40@", "\x81\x40@"},  // ideographic space and one "@": no marker
      {"ab\x83", "ab\x83"},                // a lead byte at the end
  };
  for (const auto& c : cases) EXPECT_EQ(BlockNodeText(c.name), c.text) << c.name;
}

TEST(BlockTree, NestsInsertsToAnyDepthAndSortsEveryLevel) {
  TJWWBlockList b;
  Define(b, 3, "inner@@x", {});
  Define(b, 2, "Mid", {Insert(3, 7)});
  Define(b, 1, "outer", {Insert(2, 5), Insert(3, 6)});
  Define(b, 4, "b", {});
  Define(b, 5, "B", {});
  // Top level: 4 and 5 differ only in case; 1 is inserted twice.
  const BlockTree t = BuildBlockTree({Insert(1, 1), Insert(4), Insert(5), Insert(1, 2)}, b);
  EXPECT_EQ(Shape(t.nodes), "B b outer[inner Mid[inner]] outer[inner Mid[inner]]");
  EXPECT_EQ(t.nodeCount, 10u);
  EXPECT_FALSE(t.cut);
  // Each insert keeps its own placement; equal texts keep the inserts' order.
  EXPECT_EQ(t.nodes[2].data, TBlockNodeData(1, Insert(1, 1)));
  EXPECT_EQ(t.nodes[3].data.x, 2);
  EXPECT_EQ(t.nodes[2].children[1].children[0].data, TBlockNodeData(3, Insert(3, 7)));
}

TEST(BlockTree, SelfInsertionAndMissingDefinitionsEndTheirBranch) {
  TJWWBlockList b;
  Define(b, 1, "self", {Insert(1)});
  Define(b, 2, "ping", {Insert(3)});
  Define(b, 3, "pong", {Insert(2), Insert(99)});
  struct Case {
    std::int32_t top;
    std::string shape;
  } cases[] = {
      {1, "self[self]"},
      {2, "ping[pong[- ping]]"},
      {3, "pong[- ping[pong]]"},
      {99, "-"},
  };
  for (const auto& c : cases) {
    const BlockTree t = BuildBlockTree({Insert(c.top)}, b);
    EXPECT_EQ(Shape(t.nodes), c.shape) << c.top;
    EXPECT_FALSE(t.cut) << c.top;
  }
  EXPECT_EQ(BuildBlockTree({Insert(99)}, b).nodes[0].data.blockNumber, 99);
}

TEST(BlockTree, ANumberDefinedTwiceTakesTheLastNameAndCountWithTheFirstMembers) {
  TJWWBlockList b;
  Define(b, 6, "old", {Insert(1), Insert(2)});  // line, 1, 2
  Define(b, 1, "one", {});
  Define(b, 2, "two", {});
  Define(b, 6, "new", {Insert(2)}, 2);
  Define(b, 7, "short", {Insert(2)}, 9);  // the store ends before its count
  EXPECT_EQ(Shape(BuildBlockTree({Insert(6), Insert(7)}, b).nodes), "new[one] short[two]");
}

TEST(BlockTree, DepthAndBudgetBoundTheWalk) {
  // A chain 1 -> 2 -> ... -> 40, and blocks 100..119 each inserting the next twice.
  TJWWBlockList b;
  for (int k = 1; k < 40; ++k) Define(b, k, "c", {Insert(k + 1)});
  Define(b, 40, "c", {});
  for (int k = 100; k < 119; ++k) Define(b, k, "d", {Insert(k + 1), Insert(k + 1)});
  const BlockTree chain = BuildBlockTree({Insert(1)}, b);
  int depth = 0;
  for (const auto* level = &chain.nodes; !level->empty(); level = &(*level)[0].children) ++depth;
  EXPECT_EQ(depth, kBlockTreeMaxDepth);
  EXPECT_TRUE(chain.cut);
  const BlockTree doubling = BuildBlockTree({Insert(100)}, b, 1000);
  EXPECT_EQ(doubling.nodeCount, 1000u);
  EXPECT_TRUE(doubling.cut);
  const BlockTree fits = BuildBlockTree({Insert(111)}, b, 1000);  // 111..118, then 119 is missing
  EXPECT_EQ(fits.nodeCount, 511u);
  EXPECT_FALSE(fits.cut);
}

TEST(BlockTree, KeyFollowsWhatTheTreeShows) {
  JWWDrawing d;
  Define(d.JWWBlocks, 1, "outer", {Insert(2)});
  Define(d.JWWBlocks, 2, "inner", {});
  d.JWWInserts.push_back(Insert(1));
  const std::uint64_t key = BlockTreeKey(d);
  JWWDrawing renamed = d, moved = d;
  renamed.JWWBlocks.clear();
  Define(renamed.JWWBlocks, 1, "outer", {Insert(2)});
  Define(renamed.JWWBlocks, 2, "inner2", {});
  moved.JWWBlocks.clear();
  Define(moved.JWWBlocks, 1, "outer", {Insert(2, 1)});
  Define(moved.JWWBlocks, 2, "inner", {});
  EXPECT_EQ(BlockTreeKey(JWWDrawing(d)), key);
  EXPECT_NE(BlockTreeKey(renamed), key);
  EXPECT_NE(BlockTreeKey(moved), key);
}

TEST(BlockTree, JwcadDrawingsWithBlocks) {
  SW_REQUIRE_FIXTURES(dir);
  const std::pair<const char*, const char*> cases[] = {
      {"blk_2blocks.jww", "2circles 2lines"},
      {"blk_copy-block.jww", "copy-block"},
  };
  for (const auto& [file, shape] : cases) {
    JWWDrawing d;
    ASSERT_TRUE(ReadJWWFile(dir / file, d)) << file;
    EXPECT_EQ(Shape(BuildBlockTree(d).nodes), shape) << file;
  }
}

}  // namespace
}  // namespace sw
