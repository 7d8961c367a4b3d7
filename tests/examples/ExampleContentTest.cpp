// What the committed example shows: a plan with every kind of entity, nested
// blocks and named layers, and a two-sheet layout whose frames lie on the
// paper and show parts of the drawing with their own layer states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "core/Cp932.h"
#include "core/File.h"
#include "examples/Example.h"
#include "jww/Reader.h"
#include "layout/BasePath.h"
#include "layout/Invariants.h"
#include "layout/LineExtension.h"
#include "layout/SwtFile.h"

namespace sw::example {
namespace {

namespace fs = std::filesystem;

const fs::path kCommitted = fs::path(SW_SOURCE_DIR) / "examples";

class ExampleContent : public ::testing::Test {
 protected:
  void SetUp() override {
    Status s = ReadJWWFile(kCommitted / kDrawingFile, drawing);
    ASSERT_TRUE(s.ok()) << Describe(s.error());
    s = LoadLayout(kCommitted / kLayoutFile, doc);
    ASSERT_TRUE(s.ok()) << Describe(s.error());
  }
  JWWDrawing drawing;
  LayoutDocument doc;
};

bool Inside(const LineRect& r, double x, double y) {
  return x >= r.left && x <= r.right && y >= r.bottom && y <= r.top;
}

bool Visible(const std::array<JWWLayerGroupState, 16>& groups, const JWWEntityHead& h) {
  const JWWLayerGroupState& g = groups[h.layerGroup];
  return g.state != 0 && g.layers[h.layer].state != 0;
}

TEST_F(ExampleContent, DrawingHasEveryKindOfEntityInModestNumbers) {
  EXPECT_EQ(drawing.head.version, 700u);
  EXPECT_EQ(drawing.head.paperSize, 3);
  const std::size_t counts[] = {drawing.JWWLines.size(),  drawing.JWWArcs.size(),    drawing.JWWPoints.size(),
                                drawing.JWWTexts.size(),  drawing.JWWSolids.size(),  drawing.JWWInserts.size(),
                                drawing.JWWDims.size()};
  std::size_t total = 0;
  for (std::size_t n : counts) {
    EXPECT_GT(n, 0u);
    total += n;
  }
  EXPECT_LT(total, 1000u);
  std::set<int> lineTypes;
  for (const CDataSen& l : drawing.JWWLines) lineTypes.insert(l.head.penStyle);
  for (int t = 1; t <= 9; ++t) EXPECT_TRUE(lineTypes.count(t)) << "line type " << t;
  EXPECT_EQ(drawing.head.groups[kPlan].scale, 100);
  EXPECT_EQ(drawing.head.groups[kDetail].scale, 20);
}

TEST_F(ExampleContent, BlocksNestAndAreInsertedAtSeveralScalesAndAngles) {
  const TJWWBlockList& blocks = drawing.JWWBlocks;
  ASSERT_GE(blocks.definitions().size(), 2u);
  int nested = 0;
  for (const CDataList& def : blocks.definitions()) {
    for (std::int32_t j = 0; j < def.memberCount; ++j) {
      const JWWMember* m = blocks.member(def.number, j);
      ASSERT_NE(m, nullptr) << def.number << "/" << j;
      if (const auto* insert = std::get_if<CDataBlock>(m)) {
        CDataList inner;
        EXPECT_TRUE(blocks.getDefinition(insert->blockNumber, inner)) << "dangling nested insert";
        EXPECT_NE(insert->blockNumber, def.number);
        ++nested;
      }
    }
  }
  EXPECT_GT(nested, 0);
  std::set<std::pair<double, double>> placements;
  std::set<std::int32_t> insertedBlocks;
  for (const CDataBlock& b : drawing.JWWInserts) {
    placements.insert({b.scaleX, b.angle});
    insertedBlocks.insert(b.blockNumber);
    CDataList def;
    EXPECT_TRUE(blocks.getDefinition(b.blockNumber, def)) << "insert of block " << b.blockNumber;
  }
  EXPECT_GE(placements.size(), 4u);
  EXPECT_EQ(insertedBlocks.size(), blocks.definitions().size()) << "every block is used";
}

TEST_F(ExampleContent, EntitiesLieOnTheirNamedLayersWithinThePaper) {
  const LineRect paper = PaperRect(3);
  const JWWHead& h = drawing.head;
  auto named = [&](const JWWEntityHead& e) {
    return !h.groupNames[e.layerGroup].empty() && !h.layerNames[e.layerGroup * 16u + e.layer].empty();
  };
  for (const CDataSen& l : drawing.JWWLines) {
    EXPECT_TRUE(named(l.head));
    EXPECT_TRUE(Inside(paper, l.x1, l.y1) && Inside(paper, l.x2, l.y2)) << l.x1 << "," << l.y1;
  }
  for (const CDataMoji& t : drawing.JWWTexts) {
    if (t.x1 == 0 && t.y1 == -1000) continue;  // Jw_cad's own settings
    EXPECT_TRUE(named(t.head));
    EXPECT_TRUE(Inside(paper, t.x1, t.y1) && Inside(paper, t.x2, t.y2)) << Cp932ToUtf8(t.text);
  }
  for (const CDataBlock& b : drawing.JWWInserts) EXPECT_TRUE(Inside(paper, b.x, b.y));
  std::set<std::string> texts;
  for (const CDataMoji& t : drawing.JWWTexts) texts.insert(Cp932ToUtf8(t.text));
  for (const char* s : {"事務室", "会議室", "60.0m^u2", "^_白樺台オフィス新築工事", "^!1階平面図・詳細図"})
    EXPECT_TRUE(texts.count(s)) << s;
}

TEST_F(ExampleContent, LayoutHasTwoSheetsOnTheExampleDrawing) {
  EXPECT_TRUE(CheckInvariants(doc).ok());
  ASSERT_EQ(doc.Sheets.size(), 2u);
  EXPECT_EQ(Cp932ToUtf8(doc.head.sheetNames[0]), "平面図");
  EXPECT_EQ(Cp932ToUtf8(doc.head.sheetNames[1]), "詳細");
  EXPECT_EQ(doc.PaperIndex, 3);
  EXPECT_TRUE(doc.Sheets[0].shown[0]);
  EXPECT_FALSE(doc.Sheets[1].shown[0]);
  // Stored relative, so that the checkout may lie anywhere.
  const std::vector<std::uint8_t> file = ReadWholeFile(kCommitted / kLayoutFile, kMaxSwtFileBytes).value();
  ASSERT_GT(file.size(), 9u + kDrawingFile.size());
  EXPECT_EQ(file[8], kDrawingFile.size());
  EXPECT_EQ(std::string(file.begin() + 9, file.begin() + 9 + kDrawingFile.size()), kDrawingFile);
  const fs::path base = NativePathFromCp932(doc.head.baseFile);
  EXPECT_TRUE(base.is_absolute());
  EXPECT_TRUE(fs::equivalent(base, kCommitted / kDrawingFile)) << base;
}

TEST_F(ExampleContent, FramesLieOnThePaperAndShowPartsOfTheDrawing) {
  const LineRect paper = PaperRect(doc.PaperIndex);
  for (std::size_t s = 0; s < doc.Sheets.size(); ++s) {
    const CLayMain& sheet = doc.Sheets[s];
    EXPECT_GE(sheet.frameHigh, 3) << "sheet " << s;
    std::set<std::pair<double, double>> offsets;
    std::set<std::string> states;
    bool displayOnly = false, hiddenGroup = false;
    for (std::size_t j = 1; j < sheet.frames.size(); ++j) {
      const CLayCount& f = sheet.frames[j];
      const CLayRect& r = sheet.rects[j];
      SCOPED_TRACE("sheet " + std::to_string(s) + " frame " + Cp932ToUtf8(f.name));
      EXPECT_EQ(f.kind, kFrameRect);
      EXPECT_EQ(r.code, kRectCode);
      EXPECT_EQ(sheet.circles[j], CLayCircle{});
      EXPECT_TRUE(sheet.shown[j]);
      EXPECT_LT(r.x1, r.x2);
      EXPECT_LT(r.y1, r.y2);
      // The clipped part of the drawing, and where the offset puts it.
      EXPECT_TRUE(Inside(paper, r.x1, r.y1) && Inside(paper, r.x2, r.y2));
      EXPECT_TRUE(Inside(paper, r.x1 + f.dx, r.y1 - f.dy) && Inside(paper, r.x2 + f.dx, r.y2 - f.dy));
      const LineRect region{r.x1, r.y2, r.x2, r.y1};
      std::size_t shown = 0;
      for (const CDataSen& l : drawing.JWWLines)
        shown += Visible(f.groups, l.head) && Inside(region, l.x1, l.y1) && Inside(region, l.x2, l.y2);
      for (const CDataBlock& b : drawing.JWWInserts) shown += Visible(f.groups, b.head) && Inside(region, b.x, b.y);
      EXPECT_GT(shown, 0u) << "the frame shows nothing";
      EXPECT_NE(f.groups[f.writeGroup].state, 0) << "the write group is hidden";
      offsets.insert({f.dx, f.dy});
      std::string key;
      for (const JWWLayerGroupState& g : f.groups) {
        key += std::to_string(g.state);
        hiddenGroup |= g.state == 0;
        displayOnly |= g.state == 1;
        for (const JWWLayerState& l : g.layers) {
          key += std::to_string(l.state);
          displayOnly |= g.state != 0 && l.state == 1;
        }
      }
      states.insert(key);
    }
    EXPECT_GE(offsets.size(), 3u);
    EXPECT_GE(states.size(), 3u);
    EXPECT_TRUE(displayOnly);
    EXPECT_TRUE(hiddenGroup);
  }
}

TEST_F(ExampleContent, AuxiliaryLinesRunToThePaperEdges) {
  const LineRect paper = PaperRect(doc.PaperIndex);
  auto onEdge = [&](double x, double y) {
    return x == paper.left || x == paper.right || y == paper.top || y == paper.bottom;
  };
  for (std::size_t s = 0; s < doc.Sheets.size(); ++s) {
    const CLayMain& sheet = doc.Sheets[s];
    EXPECT_GE(sheet.lineHigh, 1) << "sheet " << s;
    EXPECT_EQ(sheet.lines[0], CLayLine{});
    for (std::size_t k = 1; k < sheet.lines.size(); ++k) {
      const CLayLine& l = sheet.lines[k];
      EXPECT_EQ(l.code, kAuxLineCode);
      EXPECT_TRUE(onEdge(l.x1, l.y1) && onEdge(l.x2, l.y2)) << "sheet " << s << " line " << k;
      const LineEnds e = ExtendLineToRect({l.x1, l.y1}, {l.x2, l.y2}, paper);
      EXPECT_EQ(e.a, (PaperPoint{l.x1, l.y1}));
      EXPECT_EQ(e.b, (PaperPoint{l.x2, l.y2}));
    }
  }
}

}  // namespace
}  // namespace sw::example
