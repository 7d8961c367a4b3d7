// Documents built through the operations survive save and load unchanged
// (polylines aside), and a decoded image encodes to the same bytes.
#include <gtest/gtest.h>

#include <random>

#include "core/Cp932.h"
#include "layout/SwtFormat.h"
#include "layout/LayoutTestSupport.h"

namespace sw {
namespace {

// Encodes with the held base path as it is, decodes, and checks that the image
// of the decoded document is the same bytes.
LayoutDocument RoundTrip(const LayoutDocument& doc) {
  const auto image = EncodeSwt(doc, doc.head.baseFile);
  EXPECT_TRUE(image.ok()) << (image.ok() ? "" : image.error().message);
  if (!image.ok()) return {};
  const auto back = DecodeSwt(image.value());
  EXPECT_TRUE(back.ok()) << (back.ok() ? "" : Describe(back.error()));
  if (!back.ok()) return {};
  SW_EXPECT_CONSISTENT(back.value());
  const auto again = EncodeSwt(back.value(), back.value().head.baseFile);
  EXPECT_TRUE(again.ok() && again.value() == image.value()) << "second image differs";
  return back.value();
}

void AddSheet(LayoutDocument& doc, const std::string& name) {
  doc.head.sheetHigh += 1;
  doc.head.sheetNames.push_back(name);
  doc.Sheets.push_back(MakeEmptySheet());
  doc.head.currentSheet = doc.head.sheetHigh;
  SW_EXPECT_CONSISTENT(doc);
}

TEST(SwtRoundTrip, DocumentAfterNew) {
  LayoutDocument doc;
  doc.PaperIndex = 0;
  resetDocument(doc);
  const LayoutDocument back = RoundTrip(doc);
  EXPECT_EQ(back, doc);
  ASSERT_EQ(back.Sheets.size(), 1u);
  EXPECT_EQ(back.Sheets[0].frames.size(), 1u);
  EXPECT_EQ(back.Sheets[0].shown.size(), 1u);
  EXPECT_EQ(back.Sheets[0].lines.size(), 1u);
}

TEST(SwtRoundTrip, SheetsWithFramesLinesLayerStatesAndLongNames) {
  test::ScratchDir dir;
  const auto jww = dir.path() / "base.jww";
  const JWWDrawing written = test::WriteTestDrawing(jww, 0, Utf8ToCp932("一階平面図"));
  LayoutDocument doc;
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, jww).ok());
  SW_EXPECT_CONSISTENT(doc);
  ASSERT_TRUE(addFrame(doc, kFrameRect, std::string(254, 'a'), {-100, -50}, {100, 50}).ok());
  SW_EXPECT_CONSISTENT(doc);
  ASSERT_TRUE(initFrameFromBase(doc, drawing, 1).ok());
  doc.Sheets[0].frames[1].dx = 12.25;
  doc.Sheets[0].frames[1].dy = -3.5;
  doc.Sheets[0].frames[1].groups[5].layers[3] = {0, 2};
  doc.Sheets[0].shown[1] = true;
  ASSERT_TRUE(addFrame(doc, kFrameCircle, std::string(255, 'b'), {10, 10}, {13, 14}).ok());
  ASSERT_TRUE(addFrame(doc, kFrameRect, std::string(300, 'c'), {0, 0}, {1, 2}).ok());
  ASSERT_TRUE(addFrame(doc, kFrameRect, Utf8ToCp932("表示・配置図"), {5, 5}, {9, 9}).ok());
  addLine(doc, kAuxLineCode, {0, 0}, {10, 3});
  addLine(doc, kAuxLineCode, {20, 0}, {20, 1});
  SW_EXPECT_CONSISTENT(doc);
  AddSheet(doc, Utf8ToCp932("配置図"));
  ASSERT_TRUE(addFrame(doc, kFrameCircle, "c", {0, 0}, {0, 5}).ok());
  AddSheet(doc, std::string(300, 's'));
  addLine(doc, 1230, {1, 1}, {2, 3});
  doc.Sheets[2].plines.push_back({1, 2, {0, 1}, {2, 3}});
  doc.head.currentSheet = 1;
  doc.Sheets[1].selectedFrame = 0;
  SW_EXPECT_CONSISTENT(doc);

  LayoutDocument expected = doc;
  expected.Sheets[2].plines.clear();
  EXPECT_EQ(RoundTrip(doc), expected);
  EXPECT_EQ(expected.Sheets[0].frames[0].name, written.head.memo);
}

// Random documents that keep the invariants: every field survives except
// the polylines, which are never stored.
TEST(SwtRoundTrip, SeededRandomDocuments) {
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto real = [&]() {
    switch (pick(0, 4)) {
      case 0: return 0.0;
      case 1: return -0.0;
      case 2: return static_cast<double>(pick(-100000, 100000)) / 8;
      default: return std::uniform_real_distribution<double>(-1e6, 1e6)(rng);
    }
  };
  auto text = [&](std::size_t maxLen) {
    static const char* pieces[] = {"a", "Z", "0", " ", "\x95\x5c", "\x82\xa0", "\x88\x9f", "\xfa\x40", "\\"};
    std::string s;
    const std::size_t len = static_cast<std::size_t>(pick(0, static_cast<int>(maxLen)));
    while (s.size() < len) s += pieces[pick(0, 8)];
    return s;
  };
  auto group = [&]() {
    JWWLayerGroupState g;
    g.state = pick(-1, 4);
    g.writeLayer = pick(0, 15);
    g.scale = real();
    g.protect = pick(0, 2);
    for (auto& l : g.layers) l = {pick(0, 3), pick(0, 2)};
    return g;
  };
  for (int round = 0; round < 60; ++round) {
    LayoutDocument doc;
    doc.PaperIndex = pick(0, 4);
    doc.head.baseFile = pick(0, 3) == 0 ? "" : "/" + text(pick(0, 1) ? 40 : 400);
    const int sheets = pick(1, 4);
    doc.head.sheetHigh = sheets - 1;
    doc.head.sheetNames.clear();
    doc.Sheets.assign(static_cast<std::size_t>(sheets), CLayMain{});
    for (int s = 0; s < sheets; ++s) {
      doc.head.sheetNames.push_back("sheet" + std::to_string(s) + text(pick(0, 1) ? 5 : 300));
      CLayMain& sh = doc.Sheets[static_cast<std::size_t>(s)];
      const int frames = pick(1, 6);
      sh.frameHigh = frames - 1;
      sh.selectedFrame = pick(0, frames - 1);
      for (int j = 0; j < frames; ++j) {
        CLayCount f;
        f.kind = j == 0 ? 0 : pick(1, 2);
        f.name = j == 0 ? text(20) : "f" + std::to_string(j) + text(pick(0, 1) ? 10 : 600);
        f.dx = real();
        f.dy = real();
        f.writeGroup = pick(0, 15);
        for (auto& g : f.groups) g = group();
        sh.frames.push_back(f);
        sh.circles.push_back({pick(0, 1) ? 1210 : 0, real(), real(), real()});
        sh.rects.push_back({pick(0, 1) ? 1200 : 0, real(), real(), real(), real()});
        sh.shown.push_back(pick(0, 1) == 1);
      }
      const int lines = pick(1, 5);
      sh.lineHigh = lines - 1;
      for (int k = 0; k < lines; ++k) sh.lines.push_back({pick(0, 2000), real(), real(), real(), real()});
      if (pick(0, 1)) sh.plines.push_back({pick(0, 9), pick(0, 9), {real()}, {real()}});
    }
    doc.head.currentSheet = pick(0, sheets - 1);
    ASSERT_TRUE(CheckInvariants(doc).ok()) << CheckInvariants(doc).error().message;

    LayoutDocument expected = doc;
    for (auto& sh : expected.Sheets) sh.plines.clear();
    const LayoutDocument back = RoundTrip(doc);
    ASSERT_EQ(back, expected) << "round " << round;
  }
}

}  // namespace
}  // namespace sw
