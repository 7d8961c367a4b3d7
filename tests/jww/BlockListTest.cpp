#include "jww/BlockList.h"
#include "jww/Drawing.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

CDataList Def(std::int32_t number, std::int32_t members, const char* name = "") {
  CDataList d;
  d.number = number;
  d.memberCount = members;
  d.name = name;
  return d;
}

CDataSen Line(double x) {
  CDataSen s;
  s.x1 = x;
  return s;
}

// Definitions 5 (two lines), 6 (none), 7 (a line and an insert), 5 again (one arc).
TJWWBlockList Sample() {
  TJWWBlockList b;
  b.addDefinition(Def(5, 2, "first"));
  b.addLine(Line(1));
  b.addLine(Line(2));
  b.addDefinition(Def(6, 0));
  b.addDefinition(Def(7, 2));
  b.addLine(Line(3));
  CDataBlock ins;
  ins.blockNumber = 5;
  b.addInsert(ins);
  b.addDefinition(Def(5, 1, "second"));
  CDataEnko arc;
  arc.radius = 9;
  b.addArc(arc);
  return b;
}

TEST(BlockList, MembersFollowTheirDefinitionInOrder) {
  TJWWBlockList b = Sample();
  struct Case {
    std::int32_t number, j;
    int kind;
  } cases[] = {
      {5, 0, 0}, {5, 1, 0}, {5, 2, -1},  // past memberCount
      {6, 0, -1},                         // no members: nothing at its index
      {7, 0, 0}, {7, 1, 6},
      {8, 0, -1},                         // no such block
      {-1, 0, -1}, {7, -1, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(b.memberKind(c.number, c.j), c.kind) << c.number << "/" << c.j;
  CDataSen s;
  ASSERT_TRUE(b.getLine(7, 0, s));
  EXPECT_EQ(s.x1, 3);  // definition 6 with 0 members does not shift the index
  EXPECT_EQ(b.kinds(), (std::vector<std::uint8_t>{0, 0, 0, 6, 1}));
}

TEST(BlockList, DuplicateNumbersDefinitionFindsLastMembersFindFirst) {
  TJWWBlockList b = Sample();
  CDataList d;
  ASSERT_TRUE(b.getDefinition(5, d));
  EXPECT_EQ(d.name, "second");
  CDataSen s;
  ASSERT_TRUE(b.getLine(5, 0, s));  // members of the first definition 5
  EXPECT_EQ(s.x1, 1);
  CDataEnko arc;
  EXPECT_FALSE(b.getArc(5, 0, arc));
}

// 40,000 definitions, every number twice: each lookup is by an index made
// as the definitions are added, first and last alike, and clear() empties it.
TEST(BlockList, ManyDefinitionsAreFoundByNumber) {
  constexpr std::int32_t kNumbers = 20000;
  TJWWBlockList b;
  for (int pass = 0; pass < 2; ++pass)
    for (std::int32_t n = kNumbers; n > 0; --n) {
      b.addDefinition(Def(n, 1, pass == 0 ? "first" : "last"));
      b.addLine(Line(n + pass * 0.5));
    }
  CDataSen s;
  for (std::int32_t n = 1; n <= kNumbers; ++n) {
    const CDataList* d = b.definition(n);
    ASSERT_TRUE(d && d->number == n && d->name == "last") << n;
    ASSERT_TRUE(b.getLine(n, 0, s));
    ASSERT_EQ(s.x1, n) << n;  // members of the first definition
    ASSERT_EQ(b.membersOf(n).size(), 1u);
  }
  EXPECT_EQ(b.definition(kNumbers + 1), nullptr);
  EXPECT_EQ(b.definition(-1), nullptr);
  b.clear();
  EXPECT_EQ(b.definition(1), nullptr);
  EXPECT_FALSE(b.getLine(1, 0, s));
}

TEST(BlockList, WrongKindOrMissingLeavesTheOutputUntouched) {
  TJWWBlockList b = Sample();
  CDataEnko arc;
  arc.radius = 42;
  EXPECT_FALSE(b.getArc(7, 0, arc));
  EXPECT_EQ(arc.radius, 42);
  CDataList d = Def(99, 3, "kept");
  EXPECT_FALSE(b.getDefinition(-5, d));
  EXPECT_FALSE(b.getDefinition(1234, d));
  EXPECT_EQ(d.name, "kept");
  EXPECT_EQ(b.member(12, 0), nullptr);
}

// Texts and dimensions are held boxed: members of every kind still copy,
// compare and read back as values.
TEST(BlockList, EveryKindCopiesAndReadsBack) {
  CDataMoji text;
  text.text = "abc";
  CDataSunpou dim;
  dim.text.text = "12.5";
  dim.line.x2 = 7;
  TJWWBlockList b;
  b.addDefinition(Def(1, 7));
  b.addLine(Line(1));
  b.addArc(CDataEnko{{}, 0, 0, 2, 0, 1, 0, 1, 0});
  b.addPoint(CDataTen{{}, 3, 4, 0, 0, 0, 0});
  b.addText(text);
  b.addDimension(dim);
  b.addSolid(CDataSolid{{}, 0, 0, 1, 0, 1, 1, 0, 1, 0});
  b.addInsert(CDataBlock{{}, 5, 6, 1, 1, 0, 1});
  EXPECT_EQ(b.kinds(), (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5, 6}));
  TJWWBlockList copy = b;
  b.clear();
  CDataMoji t;
  ASSERT_TRUE(copy.getText(1, 3, t));
  EXPECT_EQ(t, text);
  CDataSunpou d;
  ASSERT_TRUE(copy.getDimension(1, 4, d));
  EXPECT_EQ(d, dim);
  EXPECT_FALSE(copy.getText(1, 4, t));
  EXPECT_EQ(MemberAs<CDataSunpou>(copy.members()[3]), nullptr);
  TJWWBlockList again = copy;
  EXPECT_EQ(again, copy);
  dim.text.text = "13";
  again.addDefinition(Def(2, 1));
  again.addDimension(dim);
  copy.addDefinition(Def(2, 1));
  copy.addDimension(CDataSunpou{});
  EXPECT_FALSE(again == copy);
}

TEST(BlockList, ClearEmptiesEverything) {
  TJWWBlockList b = Sample();
  b.clear();
  EXPECT_TRUE(b.definitions().empty());
  EXPECT_TRUE(b.members().empty());
  EXPECT_TRUE(b.kinds().empty());
  b.addDefinition(Def(1, 1));
  b.addLine(Line(4));
  EXPECT_EQ(b.memberKind(1, 0), 0);
}

TEST(ClassRegistry, LastEntryWinsAndNamesAreCut) {
  TJWWList l;
  l.add(1, "CDataSen");
  l.add(3, std::string(300, 'x'));
  l.add(1, "CDataMoji");
  EXPECT_EQ(l.nameOf(1), "CDataMoji");
  EXPECT_EQ(l.nameOf(3).size(), 255u);
  EXPECT_EQ(l.nameOf(2), "");
}

}  // namespace
}  // namespace sw
