#include "jww/Reader.h"

#include <gtest/gtest.h>

#include "support/JwwWriter.h"

namespace sw {
namespace {

using test::JwwWriter;
using test::MakeDrawing;
using test::MakeHead;
using test::WriteJww;

// A drawing holding every record kind, with the fields the version stores.
JWWDrawing Everything(std::uint32_t version) {
  JWWDrawing d = MakeDrawing(version);
  auto head = [&](int g, int l, int color = 1, int style = 1) {
    JWWEntityHead h = MakeHead(g, l, color, style);
    h.group = 7;
    h.flags = 0x20;
    if (version >= 351) h.penWidth = 3;
    return h;
  };
  d.JWWLines.push_back({head(0, 1), 1, 2, 3, 4});
  d.JWWLines.push_back({head(2, 15, 105, 5), -1, -2, -3, -4});
  CDataEnko arc{head(1, 3), 10, 20, 5, 0.5, 1.5, 0.25, 0.75, 1};
  d.JWWArcs.push_back(arc);
  CDataTen plain{head(3, 0), 1, 1, 0, 0, 0, 0};
  CDataTen symbol{head(3, 1, 2, 100), 2, 2, 1, 17, 0.5, 2.0};  // 16 more bytes
  d.JWWPoints = {plain, symbol};
  CDataMoji text;
  text.head = head(4, 4);
  text.x1 = 5;
  text.x2 = 50;
  text.textType = 3;
  text.sizeX = text.sizeY = 3.5;
  text.spacing = 0.5;
  text.angle = 90;
  text.fontName = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック
  text.text = "\x93\xFA\x96\x7B abc";
  d.JWWTexts.push_back(text);
  CDataSolid own{head(5, 5, 10), 0, 0, 1, 0, 1, 1, 0, 1, 0x00FF8040};  // own colour
  CDataSolid pen{head(5, 6, 3), 0, 0, 2, 0, 2, 2, 0, 2, 0};
  d.JWWSolids = {own, pen};
  d.JWWInserts.push_back({head(6, 0), 100, 200, 2, 2, 0.1, 1});
  CDataSunpou dim;
  dim.head = head(7, 7);
  dim.line = {head(7, 7), 0, 0, 10, 0};
  dim.text = text;
  if (version >= 420) {
    dim.sxfMode = 2;
    dim.auxLine1 = {head(7, 7), 0, 0, 0, 5};
    dim.auxLine2 = {head(7, 7), 10, 0, 10, 5};
    dim.point1 = plain;
    dim.point2 = symbol;
    dim.auxPoint1 = plain;
    dim.auxPoint2 = plain;
  }
  d.JWWDims.push_back(dim);
  if (version >= 420) {
    d.head.sxfColors[3] = {0x123456, 2};
    d.head.sxfPrintPens[4].name = "pen";
    d.head.sxfLineTypes[1] = {1, 2, 3, 4};
    d.head.sxfUserLineTypes[2].name = "user";
    d.head.sxfUserLineTypes[2].segmentCount = 2;
    d.head.sxfUserLineTypes[2].pitches[1] = 1.5;
  }
  // Blocks: 1 holds a line and a nested insert of 2; 2 holds nothing; 3 an
  // arc; a second block 1 later.
  CDataList b1{head(0, 0), 1, 1, 99, "door@@x", 2};
  CDataList b2{head(0, 0), 2, 0, 0, "empty", 0};
  CDataList b3{head(0, 0), 3, 0, 0, "arcs", 1};
  CDataList b1again{head(0, 0), 1, 0, 0, "door again", 1};
  d.JWWBlocks.addDefinition(b1);
  d.JWWBlocks.addLine({head(8, 2), 0, 0, 1, 1});
  d.JWWBlocks.addInsert({head(8, 2), 0, 0, 1, 1, 0, 2});
  d.JWWBlocks.addDefinition(b2);
  d.JWWBlocks.addDefinition(b3);
  d.JWWBlocks.addArc(arc);
  d.JWWBlocks.addDefinition(b1again);
  d.JWWBlocks.addText(text);
  return d;
}

void ExpectSameModel(const JWWDrawing& a, const JWWDrawing& b) {
  EXPECT_EQ(a.JWWLines, b.JWWLines);
  EXPECT_EQ(a.JWWArcs, b.JWWArcs);
  EXPECT_EQ(a.JWWPoints, b.JWWPoints);
  EXPECT_EQ(a.JWWTexts, b.JWWTexts);
  EXPECT_EQ(a.JWWSolids, b.JWWSolids);
  EXPECT_EQ(a.JWWInserts, b.JWWInserts);
  EXPECT_EQ(a.JWWDims, b.JWWDims);
  EXPECT_TRUE(a.JWWBlocks == b.JWWBlocks);
  EXPECT_EQ(a.head.memo, b.head.memo);
  EXPECT_EQ(a.head.groups, b.head.groups);
  EXPECT_EQ(a.head.layerNames, b.head.layerNames);
  EXPECT_EQ(a.head.groupNames, b.head.groupNames);
  EXPECT_EQ(a.head.sxfColors, b.head.sxfColors);
  EXPECT_EQ(a.head.sxfPrintPens, b.head.sxfPrintPens);
  EXPECT_EQ(a.head.sxfLineTypes, b.head.sxfLineTypes);
  EXPECT_EQ(a.head.sxfUserLineTypes, b.head.sxfUserLineTypes);
  EXPECT_EQ(a.head.jumps, b.head.jumps);
  EXPECT_EQ(a.head.textStyles, b.head.textStyles);
}

class EveryVersion : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(EveryVersion, RoundTripsEveryRecordKind) {
  const std::uint32_t v = GetParam();
  JWWDrawing written = Everything(v);
  JWWDrawing read;
  Status s = ReadJWW(WriteJww(written), read);
  ASSERT_TRUE(s.ok()) << Describe(s.error());
  EXPECT_EQ(read.head.signature, "JwwData.");
  EXPECT_EQ(read.head.version, v);
  ExpectSameModel(read, written);
  EXPECT_EQ(read.head.flags11[10], v < 600 ? 10 : written.head.flags11[10]);
}

TEST_P(EveryVersion, Utf16StringsReadAsCp932) {
  JWWDrawing written = Everything(GetParam());
  JWWDrawing read;
  Status s = ReadJWW(WriteJww(written, /*utf16Strings=*/true), read);
  ASSERT_TRUE(s.ok()) << Describe(s.error());
  ExpectSameModel(read, written);
}

INSTANTIATE_TEST_SUITE_P(Versions, EveryVersion, ::testing::Values(230u, 300u, 351u, 420u, 600u, 700u));

TEST(Reader, VersionBranchesChangeTheFileSize) {
  // Pen width (2 bytes per head) from 351; extended tables from 420; the
  // 24-byte jump blocks before 300.
  auto size = [](std::uint32_t v) { return WriteJww(MakeDrawing(v)).size(); };
  EXPECT_EQ(size(300) - size(230), 4 * 4 + 4 * 28 + 2 * 28 + 2 * 8);
  EXPECT_EQ(size(351), size(300));  // no entities, no heads
  EXPECT_GT(size(420), size(351) + 257 * 8);
}

TEST(Reader, AcceptsOnlyVersion230And300Up) {
  struct Case {
    std::uint32_t version;
    bool accepted;
  } cases[] = {{230, true}, {231, false}, {229, false}, {299, false}, {300, true},
               {0, false},  {1000, true}, {0xFFFFFFFF, true}};
  for (const auto& c : cases) {
    JWWDrawing d = MakeDrawing(c.version);
    JWWDrawing read;
    Status s = ReadJWW(WriteJww(d), read);
    EXPECT_EQ(s.ok(), c.accepted) << c.version;
    EXPECT_EQ(read.head.version, c.version);
    if (!c.accepted) {
      EXPECT_EQ(s.error().offset, 8);
    }
  }
}

TEST(Reader, RejectionKeepsTheOldHeaderAndEmptiesTheRest) {
  JWWDrawing d;
  ASSERT_TRUE(ReadJWW(WriteJww(Everything(600)), d).ok());
  ASSERT_FALSE(d.JWWLines.empty());
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::string signature;
    std::uint32_t version;
  };
  std::vector<std::uint8_t> badSig = WriteJww(MakeDrawing(600));
  badSig[7] = '!';
  std::vector<std::uint8_t> badVersion = WriteJww(MakeDrawing(299));
  Case cases[] = {{badSig, "JwwData!", 600}, {badVersion, "JwwData.", 299}};
  for (const auto& c : cases) {
    JWWDrawing copy = d;
    copy.head.memo = "previous";
    EXPECT_FALSE(ReadJWW(c.bytes, copy).ok());
    EXPECT_EQ(copy.head.signature, c.signature);
    if (c.signature == "JwwData.") {
      EXPECT_EQ(copy.head.version, c.version);
    }
    EXPECT_EQ(copy.head.memo, "previous");
    EXPECT_TRUE(copy.JWWLines.empty());
    EXPECT_TRUE(copy.JWWBlocks.definitions().empty());
    EXPECT_EQ(copy.GroupHasLines, (std::array<std::uint8_t, 16>{}));
  }
}

TEST(Reader, DataPresentTablesByClass) {
  JWWDrawing d;
  ASSERT_TRUE(ReadJWW(WriteJww(Everything(600)), d).ok());
  auto layer = [](int g, int l) { return static_cast<std::size_t>(g * 16 + l); };
  // Lines, arcs, points, solids and dimensions mark the line tables.
  for (auto [g, l] : {std::pair{0, 1}, {2, 15}, {1, 3}, {3, 0}, {3, 1}, {5, 5}, {5, 6}, {7, 7}}) {
    EXPECT_EQ(d.LayerHasLines[layer(g, l)], 1) << g << "-" << l;
    EXPECT_EQ(d.GroupHasLines[static_cast<std::size_t>(g)], 1);
  }
  EXPECT_EQ(d.LayerHasText[layer(4, 4)], 1);
  EXPECT_EQ(d.LayerHasLines[layer(4, 4)], 0);
  // An insert marks nothing; block members mark like all others.
  EXPECT_EQ(d.GroupHasLines[6], 0);
  EXPECT_EQ(d.GroupHasText[6], 0);
  EXPECT_EQ(d.LayerHasLines[layer(8, 2)], 1);
  // The dimension's inner text does not mark the text table.
  EXPECT_EQ(d.GroupHasText[7], 0);
}

TEST(Reader, LongStringsAndCountEscapes) {
  JWWDrawing d = MakeDrawing(600);
  for (std::size_t n : {254u, 255u, 300u, 70000u}) {
    CDataMoji t;
    t.text = std::string(n, 'a');
    d.JWWTexts.push_back(t);
  }
  d.JWWBlocks.addDefinition({{}, 1, 0, 0, "big", 0x10000});  // DWORD member count
  for (int i = 0; i < 0x10000; ++i) d.JWWBlocks.addLine({});
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(WriteJww(d), read).ok());
  ASSERT_EQ(read.JWWTexts.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(read.JWWTexts[i].text, d.JWWTexts[i].text);
  EXPECT_EQ(read.JWWBlocks.definitions()[0].memberCount, 0x10000);
  EXPECT_EQ(read.JWWBlocks.members().size(), 0x10000u);
  EXPECT_TRUE(read.JWWLines.empty());
}

TEST(Reader, Word0xFFFFIsFollowedByADwordLength) {
  JwwWriter w(600);
  JWWDrawing d = MakeDrawing(600);
  w.signature();
  w.versionField();
  d.head.memo = "x";
  w.header(d.head);
  std::vector<std::uint8_t> bytes = w.take();
  // Replace the memo (length byte 1, 'x') by the long form 0xFF FFFF 00000001 'y'.
  const std::size_t memoAt = 12;
  ASSERT_EQ(bytes[memoAt], 1);
  bytes.erase(bytes.begin() + memoAt, bytes.begin() + memoAt + 2);
  const std::uint8_t longForm[] = {0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 'y'};
  bytes.insert(bytes.begin() + memoAt, std::begin(longForm), std::end(longForm));
  bytes.insert(bytes.end(), {0, 0, 0, 0});  // count 0, end tag
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(bytes, read).ok());
  EXPECT_EQ(read.head.memo, "y");
}

TEST(Reader, EmptyDrawingAndTrailingZeros) {
  JwwWriter w(700);
  w.signature();
  w.versionField();
  w.header(MakeDrawing(700).head);
  w.count(0);
  w.endTag();
  w.out().zeros(6);  // recent files end with a few zero bytes
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(w.take(), read).ok());
  EXPECT_TRUE(read.JWWLines.empty());
  EXPECT_TRUE(read.JWWBlocks.definitions().empty());
}

TEST(Reader, HugeEntityCountInASmallFileIsOnlyAHint) {
  JwwWriter w(600);
  w.signature();
  w.versionField();
  w.header(MakeDrawing(600).head);
  w.count(0xFFFFFFF0u);
  w.object(CDataSen{MakeHead(0, 0), 1, 2, 3, 4});
  w.endTag();
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(w.take(), read).ok());
  EXPECT_EQ(read.JWWLines.size(), 1u);
  EXPECT_LT(read.JWWLines.capacity(), 16u);
}

TEST(Reader, UnknownClassesAndOrphanIndexesReadNothing) {
  JwwWriter w(600);
  w.signature();
  w.versionField();
  w.header(MakeDrawing(600).head);
  w.count(3);
  w.tag("CDataUnknown");  // no fields follow: the next WORD is a tag again
  w.object(CDataSen{MakeHead(0, 0), 1, 2, 3, 4});
  w.out().u16(0x8000 | 500);  // a class index never registered
  w.out().u16(5);             // a small number: an object without class
  w.object(CDataSen{MakeHead(0, 1), 5, 6, 7, 8});
  w.out().u16(0x7FFF);        // long reference to the line class (index 3:
                              // the unknown class took 1, its object 2)
  w.out().u32(0x80000003u);
  w.head(MakeHead(0, 2));
  w.fields(CDataSen{{}, 9, 9, 9, 9});
  w.endTag();
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(w.take(), read).ok());
  ASSERT_EQ(read.JWWLines.size(), 3u);
  EXPECT_EQ(read.JWWLines[1].x1, 5);
  EXPECT_EQ(read.JWWLines[2].head.layer, 2);
}

// Every object registers classes of its own, refers to the first class and
// stands beside tags of no class: each lookup is by index, not by a search.
TEST(Reader, ManyClassRegistrationsAreLookedUpByIndex) {
  constexpr std::uint32_t kLines = 30000;
  JwwWriter w(600);
  w.signature();
  w.versionField();
  w.header(MakeDrawing(600).head);
  w.count(kLines);
  w.object(CDataSen{MakeHead(0, 0), 0, 0, 0, 0});  // CDataSen takes index 1
  for (std::uint32_t i = 1; i < kLines; ++i) {
    for (std::string_view name : {"CZz", "CDataMoji", ""}) {
      w.out().u16(0xFFFF);
      w.out().u16(1);
      w.out().u16(static_cast<std::uint16_t>(name.size()));
      w.out().bytes(name);
      if (name == "CDataMoji") {  // only a text has fields
        w.head(MakeHead(0, 2));
        w.fields(CDataMoji{});
      }
    }
    w.out().u16(0x0003);  // no class
    w.out().u16(0x7FFF);  // far past the registered indexes
    w.out().u32(0x80000000u | 0x7FFFFFF0u);
    w.out().u16(0x8001);
    w.head(MakeHead(0, 1));
    w.fields(CDataSen{{}, static_cast<double>(i), 0, 0, 0});
  }
  w.endTag();
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(w.take(), read).ok());
  ASSERT_EQ(read.JWWLines.size(), kLines);
  EXPECT_EQ(read.JWWTexts.size(), kLines - 1);
  EXPECT_EQ(read.JWWLines.back().x1, kLines - 1);
}

TEST(Reader, ObjectsAfterTheLastDefinitionBelongToTheMainDrawing) {
  JwwWriter w(600);
  w.signature();
  w.versionField();
  w.header(MakeDrawing(600).head);
  w.count(0);
  w.out().u16(1);  // definition count
  w.object(CDataList{{}, 4, 0, 0, "b", 1});
  w.object(CDataSen{MakeHead(0, 0), 1, 0, 0, 0});  // member
  w.object(CDataSen{MakeHead(0, 0), 2, 0, 0, 0});  // past memberCount
  w.endTag();
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(w.take(), read).ok());
  EXPECT_EQ(read.JWWBlocks.members().size(), 1u);
  ASSERT_EQ(read.JWWLines.size(), 1u);
  EXPECT_EQ(read.JWWLines[0].x1, 2);
}

// One line, then `definitions` as the definition count (none when negative)
// and a definition claiming `claimed` members of which `stored` lines follow.
// Data that runs out must have held all it announced; a claim the bytes left
// cannot hold fails at the definition.
TEST(Reader, DataThatEndsEarlyOrDefinitionsThatClaimTooMuch) {
  struct Case {
    const char* what;
    int definitions;
    std::uint32_t claimed, stored;
    bool endTag;
    const char* error;  // nullptr: reads
    bool atDefinition;  // the error's offset: the definition's tag, else the end
  } cases[] = {
      {"complete", 1, 2, 2, true, nullptr, false},
      {"complete without end tag", 1, 2, 2, false, nullptr, false},
      {"members missing", 1, 6, 5, false, "ends inside the block definition", false},
      {"a definition missing", 2, 2, 2, false, "1 of its 2 block definitions", false},
      {"no definition count", -1, 0, 0, false, "before the count of its block definitions", false},
      {"claim past the data", 1, 1000, 2, true, "claims 1000 members", true},
      {"claim of a negative count", 1, 0xFFFFFFF0u, 2, true, "claims 4294967280 members", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    JwwWriter w(600);
    w.signature();
    w.versionField();
    w.header(MakeDrawing(600).head);
    w.count(1);
    w.object(CDataSen{MakeHead(0, 0), 1, 0, 0, 0});
    std::size_t definitionAt = 0;
    if (c.definitions >= 0) {
      w.out().u16(static_cast<std::uint16_t>(c.definitions));
      definitionAt = w.out().size();
      w.object(CDataList{{}, 4, 0, 0, "b", static_cast<std::int32_t>(c.claimed)});
      for (std::uint32_t j = 0; j < c.stored; ++j) w.object(CDataSen{MakeHead(0, 0), 2, 0, 0, 0});
    }
    if (c.endTag) w.endTag();
    const std::vector<std::uint8_t> bytes = w.take();
    JWWDrawing read;
    const Status s = ReadJWW(bytes, read);
    if (!c.error) {
      ASSERT_TRUE(s.ok()) << s.error().message;
      EXPECT_EQ(read.JWWLines.size(), 1u);
      EXPECT_EQ(read.JWWBlocks.members().size(), c.stored);
      continue;
    }
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find(c.error), std::string::npos) << s.error().message;
    EXPECT_EQ(s.error().offset, static_cast<std::int64_t>(c.atDefinition ? definitionAt : bytes.size()));
    EXPECT_TRUE(read.JWWLines.empty() && read.JWWBlocks.definitions().empty());
  }
}

TEST(Reader, OutOfRangeLayersMarkNothing) {
  JWWDrawing d = MakeDrawing(600);
  d.JWWLines.push_back({MakeHead(16, 0), 0, 0, 0, 0});
  d.JWWLines.push_back({MakeHead(0, 200), 0, 0, 0, 0});
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(WriteJww(d), read).ok());
  EXPECT_EQ(read.JWWLines.size(), 2u);
  EXPECT_EQ(read.LayerHasLines, (std::array<std::uint8_t, 256>{}));
}

TEST(Reader, InternalSettingsTextsAreKeptAsRead) {
  JWWDrawing d = MakeDrawing(700);
  CDataMoji t;
  t.x1 = 0;
  t.y1 = -1000;
  t.text = "Printer_Orientation = 0";
  d.JWWTexts.push_back(t);
  JWWDrawing read;
  ASSERT_TRUE(ReadJWW(WriteJww(d, true), read).ok());
  ASSERT_EQ(read.JWWTexts.size(), 1u);
  EXPECT_EQ(read.JWWTexts[0].text, "Printer_Orientation = 0");
}

TEST(Reader, TruncationAtEveryOffsetIsACleanError) {
  JWWDrawing d = Everything(600);
  d.head.memo = std::string(300, 'm');
  std::vector<std::uint8_t> full = WriteJww(d);
  // Without the end tag the last object ends the data; cut anywhere before.
  full.resize(full.size() - 2);
  for (std::size_t n = 0; n < full.size(); ++n) {
    std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    JWWDrawing read;
    read.head.memo = "old";
    Status s = ReadJWW(cut, read);
    // A cut exactly between two objects reads as a shorter drawing.
    if (s.ok()) {
      EXPECT_GT(n, 12u);
      continue;
    }
    EXPECT_GE(s.error().offset, 0) << n;
    EXPECT_LE(static_cast<std::size_t>(s.error().offset), n);
    EXPECT_EQ(read.head.memo, "old") << n;
    EXPECT_TRUE(read.JWWLines.empty() && read.JWWTexts.empty() && read.JWWDims.empty()) << n;
    EXPECT_TRUE(read.JWWBlocks.definitions().empty() && read.JWWBlocks.members().empty()) << n;
    EXPECT_EQ(read.LayerHasLines, (std::array<std::uint8_t, 256>{})) << n;
  }
}

TEST(Reader, MissingFileIsAnErrorWithoutOffset) {
  JWWDrawing d;
  Status s = ReadJWWFile("/nonexistent/folder/x.jww", d);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.error().offset, -1);
}

}  // namespace
}  // namespace sw
