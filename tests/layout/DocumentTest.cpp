// The document operations and the invariant checker.
#include <gtest/gtest.h>

#include <functional>

#include "layout/BasePath.h"
#include "layout/LineExtension.h"
#include "layout/LayoutTestSupport.h"

namespace sw {
namespace {

using test::ScratchDir;
namespace fs = std::filesystem;

TEST(ResetDocument, GivesOneSheetWithOneEntryInEveryList) {
  LayoutDocument doc;
  doc.PaperIndex = 3;
  doc.head.baseFile = "/x.jww";
  doc.head.sheetNames.push_back("layout2");
  doc.head.sheetHigh = 1;
  doc.head.currentSheet = 1;
  doc.Sheets.push_back(MakeEmptySheet());
  ASSERT_TRUE(addFrame(doc, kFrameRect, "a", {0, 0}, {1, 1}).ok());
  resetDocument(doc);
  SW_EXPECT_CONSISTENT(doc);
  EXPECT_EQ(doc.head.baseFile, "");
  EXPECT_EQ(doc.head.sheetNames, std::vector<std::string>{"layout1"});
  EXPECT_EQ(doc.head.currentSheet, 0);
  ASSERT_EQ(doc.Sheets.size(), 1u);
  const CLayMain& sh = doc.Sheets[0];
  EXPECT_EQ(sh.frames, std::vector<CLayCount>(1));
  EXPECT_EQ(sh.circles, std::vector<CLayCircle>(1));
  EXPECT_EQ(sh.rects, std::vector<CLayRect>(1));
  EXPECT_EQ(sh.lines, std::vector<CLayLine>(1));
  EXPECT_EQ(sh.shown, std::vector<bool>{false});
  EXPECT_TRUE(sh.plines.empty());
  EXPECT_EQ(doc.PaperIndex, 3);  // the paper stays
  // The start-up document is the reset one on A1.
  LayoutDocument startUp;
  doc.PaperIndex = 1;
  EXPECT_EQ(startUp, doc);
}

TEST(AddFrame, RectangleAndCircleFillOnlyTheirOwnShape) {
  LayoutDocument doc;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "plan", {-10, -5}, {30, 20}).ok());
  SW_EXPECT_CONSISTENT(doc);
  ASSERT_TRUE(addFrame(doc, kFrameCircle, "detail", {1, 2}, {4, 6}).ok());
  SW_EXPECT_CONSISTENT(doc);
  const CLayMain& sh = doc.Sheets[0];
  EXPECT_EQ(sh.frameHigh, 2);
  EXPECT_EQ(sh.selectedFrame, 2);
  EXPECT_EQ(sh.frames[1].kind, kFrameRect);
  EXPECT_EQ(sh.frames[1].name, "plan");
  EXPECT_EQ(sh.rects[1], (CLayRect{1200, -10, -5, 30, 20}));
  EXPECT_EQ(sh.circles[1], CLayCircle{});
  EXPECT_EQ(sh.frames[2].kind, kFrameCircle);
  EXPECT_EQ(sh.circles[2], (CLayCircle{1210, 1, 2, 5}));
  EXPECT_EQ(sh.rects[2], CLayRect{});
  EXPECT_EQ(sh.frames[2].groups, (std::array<JWWLayerGroupState, 16>{}));
  EXPECT_EQ(sh.shown, (std::vector<bool>{false, false, false}));
}

TEST(AddFrame, RefusesWithoutChangingTheDocument) {
  struct Case {
    const char* what;
    std::int32_t kind;
    std::string name;
  };
  const Case cases[] = {
      {"base kind", kFrameBase, "x"},
      {"unknown kind", 3, "x"},
      {"empty name", kFrameRect, ""},
      {"name of frame 1", kFrameCircle, "taken"},
  };
  for (const Case& c : cases) {
    LayoutDocument doc;
    doc.Sheets[0].frames[0].name = "memo";
    ASSERT_TRUE(addFrame(doc, kFrameRect, "taken", {0, 0}, {1, 1}).ok());
    const LayoutDocument before = doc;
    EXPECT_FALSE(addFrame(doc, c.kind, c.name, {0, 0}, {2, 2}).ok()) << c.what;
    EXPECT_EQ(doc, before) << c.what;
  }
  // The base entry's name (the memo) is no frame name.
  LayoutDocument doc;
  doc.Sheets[0].frames[0].name = "memo";
  EXPECT_TRUE(addFrame(doc, kFrameRect, "memo", {0, 0}, {1, 1}).ok());
  SW_EXPECT_CONSISTENT(doc);
}

TEST(AddFrame, ActsOnTheCurrentSheet) {
  LayoutDocument doc;
  doc.head.sheetHigh = 1;
  doc.head.sheetNames.push_back("layout2");
  doc.Sheets.push_back(MakeEmptySheet());
  doc.head.currentSheet = 1;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "a", {0, 0}, {1, 1}).ok());
  addLine(doc, kAuxLineCode, {0, 0}, {1, 0});
  SW_EXPECT_CONSISTENT(doc);
  EXPECT_EQ(doc.Sheets[0], MakeEmptySheet());
  EXPECT_EQ(doc.Sheets[1].frameHigh, 1);
  EXPECT_EQ(doc.Sheets[1].lineHigh, 1);
}

TEST(AddLine, FirstLineGoesToIndexOneExtendedToThePaper) {
  LayoutDocument doc;
  doc.PaperIndex = 4;  // A4: 297 x 210
  addLine(doc, kAuxLineCode, {10, 3}, {10, 8});
  SW_EXPECT_CONSISTENT(doc);
  addLine(doc, 77, {-5, 1}, {5, 1});
  SW_EXPECT_CONSISTENT(doc);
  const CLayMain& sh = doc.Sheets[0];
  EXPECT_EQ(sh.lineHigh, 2);
  ASSERT_EQ(sh.lines.size(), 3u);
  EXPECT_EQ(sh.lines[0], CLayLine{});
  EXPECT_EQ(sh.lines[1], (CLayLine{1230, 10, 105, 10, -105}));
  EXPECT_EQ(sh.lines[2], (CLayLine{77, -148.5, 1, 148.5, 1}));
}

TEST(InitFrameFromBase, CopiesLayerStateAndTheMemoOnlyForTheBaseEntry) {
  JWWDrawing d = test::MakeDrawing(600);
  d.head.memo = "memo";
  d.head.writeGroup = 4;
  d.head.groups[4].layers[2] = {3, 1};
  LayoutDocument doc;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "plan", {0, 0}, {1, 1}).ok());
  ASSERT_TRUE(initFrameFromBase(doc, d, 0).ok());
  ASSERT_TRUE(initFrameFromBase(doc, d, 1).ok());
  EXPECT_FALSE(initFrameFromBase(doc, d, 2).ok());
  EXPECT_FALSE(initFrameFromBase(doc, d, -1).ok());
  SW_EXPECT_CONSISTENT(doc);
  for (int j : {0, 1}) {
    const CLayCount& f = doc.Sheets[0].frames[static_cast<std::size_t>(j)];
    EXPECT_EQ(f.writeGroup, 4);
    EXPECT_EQ(f.groups, d.head.groups);
  }
  EXPECT_EQ(doc.Sheets[0].frames[0].name, "memo");
  EXPECT_EQ(doc.Sheets[0].frames[1].name, "plan");
}

TEST(OpenBaseDrawing, AdoptsTheDrawingAndCutsTheCurrentSheetToItsBaseEntry) {
  ScratchDir dir;
  const fs::path jww = dir.path() / "base.jww";
  const JWWDrawing written = test::WriteTestDrawing(jww, 2, "the memo");
  LayoutDocument doc;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "a", {0, 0}, {1, 1}).ok());
  ASSERT_TRUE(addFrame(doc, kFrameCircle, "b", {0, 0}, {1, 1}).ok());
  addLine(doc, kAuxLineCode, {0, 0}, {1, 1});
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, jww).ok());
  SW_EXPECT_CONSISTENT(doc);
  EXPECT_EQ(NativePathFromCp932(doc.head.baseFile), jww);
  EXPECT_EQ(doc.PaperIndex, 2);
  const CLayMain& sh = doc.Sheets[0];
  EXPECT_EQ(sh.frameHigh, 0);
  EXPECT_EQ(sh.selectedFrame, 0);
  EXPECT_EQ(sh.shown, std::vector<bool>{true});
  EXPECT_EQ(sh.frames[0].name, "the memo");
  EXPECT_EQ(sh.frames[0].writeGroup, 5);
  EXPECT_EQ(sh.frames[0].groups, written.head.groups);
  EXPECT_EQ(sh.lineHigh, 1);  // auxiliary lines stay
  EXPECT_EQ(drawing.JWWLines.size(), 1u);
}

TEST(OpenBaseDrawing, PaperIndexFollowsTheDrawingOnlyForA0ToA4) {
  const struct {
    std::int32_t paperSize, paperIndex;
  } cases[] = {{0, 0}, {1, 1}, {3, 3}, {4, 4}, {5, 1}, {7, 1}, {8, 1}, {14, 1}, {-1, 1}};
  ScratchDir dir;
  for (const auto& c : cases) {
    const fs::path jww = dir.path() / ("p" + std::to_string(c.paperSize) + ".jww");
    test::WriteTestDrawing(jww, c.paperSize);
    LayoutDocument doc;
    doc.PaperIndex = 4;
    JWWDrawing drawing;
    ASSERT_TRUE(openBaseDrawing(doc, drawing, jww).ok());
    EXPECT_EQ(doc.PaperIndex, c.paperIndex) << "paper code " << c.paperSize;
  }
}

TEST(OpenBaseDrawing, FailedReadReportsAndChangesNothing) {
  ScratchDir dir;
  const fs::path good = dir.path() / "good.jww";
  test::WriteTestDrawing(good);
  std::vector<std::uint8_t> bad = test::WriteJww(test::MakeDrawing(600));
  bad.resize(bad.size() / 2);
  test::WriteBytes(dir.path() / "half.jww", bad);
  test::WriteBytes(dir.path() / "wrong.jww", {'N', 'o', 't', 'J', 'w', 'w', '.', '.', 0, 0, 0, 0});

  for (const char* name : {"missing.jww", "half.jww", "wrong.jww"}) {
    LayoutDocument doc;
    JWWDrawing drawing;
    ASSERT_TRUE(openBaseDrawing(doc, drawing, good).ok());
    ASSERT_TRUE(addFrame(doc, kFrameRect, "kept", {0, 0}, {1, 1}).ok());
    const LayoutDocument docBefore = doc;
    const JWWHead headBefore = drawing.head;
    const auto linesBefore = drawing.JWWLines;
    const Status s = openBaseDrawing(doc, drawing, dir.path() / name);
    EXPECT_FALSE(s.ok()) << name;
    EXPECT_FALSE(s.error().message.empty()) << name;
    EXPECT_EQ(doc, docBefore) << name;
    EXPECT_EQ(drawing.head.memo, headBefore.memo) << name;
    EXPECT_EQ(drawing.head.version, headBefore.version) << name;
    EXPECT_EQ(drawing.JWWLines, linesBefore) << name;
  }
}

TEST(OpenBaseDrawing, FixtureDrawingIsAdopted) {
  SW_REQUIRE_FIXTURES(fixtures);
  LayoutDocument doc;
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, fixtures / "sample.jww").ok());
  SW_EXPECT_CONSISTENT(doc);
  EXPECT_EQ(doc.Sheets[0].frames[0].groups, drawing.head.groups);
  EXPECT_EQ(doc.Sheets[0].frames[0].name, drawing.head.memo);
}

// Two sheets, the second current with frames "f1" and "f2" and a line.
LayoutDocument TwoSheetsWithFrames() {
  LayoutDocument d;
  d.head.sheetHigh = 1;
  d.head.sheetNames.push_back("layout2");
  d.Sheets.push_back(MakeEmptySheet());
  d.head.currentSheet = 1;
  EXPECT_TRUE(addFrame(d, kFrameRect, "f1", {0, 0}, {1, 1}).ok());
  EXPECT_TRUE(addFrame(d, kFrameRect, "f2", {0, 0}, {1, 1}).ok());
  addLine(d, kAuxLineCode, {0, 0}, {1, 1});
  return d;
}

// Every rule of the checker, broken one at a time on a valid document.
TEST(CheckInvariants, NamesEachBrokenRule) {
  const struct {
    const char* rule;
    std::function<void(LayoutDocument&)> breakIt;
    const char* mentions;
  } cases[] = {
      {"paper below 0", [](LayoutDocument& d) { d.PaperIndex = -1; }, "PaperIndex"},
      {"paper above 4", [](LayoutDocument& d) { d.PaperIndex = 5; }, "PaperIndex"},
      {"negative sheetHigh", [](LayoutDocument& d) { d.head.sheetHigh = -1; }, "sheetHigh"},
      {"names too short", [](LayoutDocument& d) { d.head.sheetNames.pop_back(); }, "sheetNames"},
      {"sheets too short", [](LayoutDocument& d) { d.Sheets.pop_back(); }, "Sheets"},
      {"current sheet high", [](LayoutDocument& d) { d.head.currentSheet = 2; }, "currentSheet"},
      {"current sheet negative", [](LayoutDocument& d) { d.head.currentSheet = -1; }, "currentSheet"},
      {"negative frameHigh", [](LayoutDocument& d) { d.Sheets[1].frameHigh = -1; }, "frameHigh"},
      {"frames short", [](LayoutDocument& d) { d.Sheets[1].frames.pop_back(); }, "frames"},
      {"circles short", [](LayoutDocument& d) { d.Sheets[1].circles.pop_back(); }, "circles"},
      {"rects long", [](LayoutDocument& d) { d.Sheets[1].rects.emplace_back(); }, "rects"},
      {"shown short", [](LayoutDocument& d) { d.Sheets[1].shown.pop_back(); }, "shown"},
      {"selected frame high", [](LayoutDocument& d) { d.Sheets[1].selectedFrame = 3; }, "selectedFrame"},
      {"selected frame negative", [](LayoutDocument& d) { d.Sheets[1].selectedFrame = -1; }, "selectedFrame"},
      {"negative lineHigh", [](LayoutDocument& d) { d.Sheets[1].lineHigh = -1; }, "lineHigh"},
      {"lines short", [](LayoutDocument& d) { d.Sheets[1].lines.pop_back(); }, "lines"},
  };
  const LayoutDocument valid = TwoSheetsWithFrames();
  ASSERT_TRUE(CheckInvariants(valid).ok());
  for (const auto& c : cases) {
    LayoutDocument d = valid;
    c.breakIt(d);
    const Status s = CheckInvariants(d);
    ASSERT_FALSE(s.ok()) << c.rule;
    EXPECT_NE(s.error().message.find(c.mentions), std::string::npos) << c.rule << ": " << s.error().message;
  }
}

// Names are the user's and the file's: any of them keeps the document sound
// (only the dialogs refuse an empty or taken name).
TEST(CheckInvariants, NamesOfAnyKindAreKept) {
  const struct {
    const char* what;
    std::function<void(LayoutDocument&)> name;
  } cases[] = {
      {"empty sheet name", [](LayoutDocument& d) { d.head.sheetNames[1] = ""; }},
      {"repeated sheet name", [](LayoutDocument& d) { d.head.sheetNames[1] = "layout1"; }},
      {"empty frame name", [](LayoutDocument& d) { d.Sheets[1].frames[2].name = ""; }},
      {"repeated frame name", [](LayoutDocument& d) { d.Sheets[1].frames[2].name = "f1"; }},
  };
  for (const auto& c : cases) {
    LayoutDocument d = TwoSheetsWithFrames();
    c.name(d);
    EXPECT_TRUE(CheckInvariants(d).ok()) << c.what;
  }
}

}  // namespace
}  // namespace sw
