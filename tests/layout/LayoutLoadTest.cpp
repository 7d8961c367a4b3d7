// Opening a layout with its base drawing: both are replaced, or neither.
#include <gtest/gtest.h>

#include "core/Path.h"
#include "layout/BasePath.h"
#include "layout/LayoutLoad.h"
#include "layout/LayoutTestSupport.h"
#include "layout/SwtFile.h"
#include "layout/SwtFormat.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;
using test::WriteBytes;

// A layout at `swt` naming the drawing at `jww` (written first).
void WriteLayoutWithBase(const fs::path& swt, const fs::path& jww) {
  test::WriteTestDrawing(jww, 2, "base drawing");
  LayoutDocument doc;
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, jww).ok());
  ASSERT_TRUE(SaveLayout(doc, swt).ok());
}

TEST(LayoutLoad, BothReadOrNeitherTouched) {
  ScratchDir dir;
  const fs::path root = dir.path();
  const fs::path good = root / "レイアウト.swt", goodBase = root / "図面" / "平面図.jww";
  WriteLayoutWithBase(good, goodBase);
  WriteLayoutWithBase(root / "gone.swt", root / "無い.jww");
  fs::remove(root / "無い.jww");
  WriteLayoutWithBase(root / "bad.swt", root / "bad.jww");
  WriteBytes(root / "bad.jww", {'J', 'w', 'w', 'D', 'a', 't', 'a', '.', 1, 2});
  ASSERT_TRUE(SaveLayout(LayoutDocument{}, root / "nobase.swt").ok());
  WriteBytes(root / "junk.swt", {1, 2, 3, 4, 5});

  const struct {
    fs::path layout;
    std::optional<LayoutLoadStep> step;
    fs::path file;  // empty: no file named
    const char* message;  // part of the error, or nullptr
  } cases[] = {
      {good, std::nullopt, {}, nullptr},
      {root / "junk.swt", LayoutLoadStep::Layout, root / "junk.swt", nullptr},
      {root / "none.swt", LayoutLoadStep::Layout, root / "none.swt", nullptr},
      {root / "nobase.swt", LayoutLoadStep::BaseMissing, {}, "names no base drawing"},
      {root / "gone.swt", LayoutLoadStep::BaseMissing, root / "無い.jww", nullptr},
      {root / "bad.swt", LayoutLoadStep::Base, root / "bad.jww", nullptr},
  };
  test::WriteTestDrawing(root / "open.jww", 4, "open before");
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromPath(c.layout));
    // What was open before: another drawing and a layout of it with a frame.
    JWWDrawing drawing;
    LayoutDocument doc;
    ASSERT_TRUE(openBaseDrawing(doc, drawing, root / "open.jww").ok());
    ASSERT_TRUE(addFrame(doc, kFrameRect, "kept", {0, 0}, {5, 5}).ok());
    const LayoutDocument docBefore = doc;
    const JWWDrawing drawingBefore = drawing;

    const auto failure = LoadLayoutWithBase(c.layout, doc, drawing);
    if (!c.step) {
      ASSERT_FALSE(failure) << Describe(failure->error);
      LayoutDocument expected;
      ASSERT_TRUE(LoadLayout(c.layout, expected).ok());
      EXPECT_EQ(doc, expected);
      EXPECT_EQ(NativePathFromCp932(doc.head.baseFile), goodBase);
      EXPECT_EQ(drawing.head.memo, "base drawing");
      EXPECT_EQ(drawing.JWWLines.size(), 1u);
      continue;
    }
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, *c.step);
    EXPECT_EQ(failure->file, Utf8FromPath(c.file));
    EXPECT_FALSE(failure->error.message.empty());
    if (c.message) {
      EXPECT_NE(failure->error.message.find(c.message), std::string::npos) << failure->error.message;
    }
    EXPECT_EQ(doc, docBefore);
    EXPECT_EQ(drawing.head.memo, drawingBefore.head.memo);
    EXPECT_EQ(drawing.JWWLines, drawingBefore.JWWLines);
  }
}

// A layout file whose base path field is `field` as given and whose paper is
// `paper`, as another program may have written it.
void WriteLayoutStoring(const fs::path& swt, const std::string& field, std::int32_t paper) {
  const Result<std::vector<std::uint8_t>> image = EncodeSwt(LayoutDocument{}, field);
  ASSERT_TRUE(image.ok());
  std::vector<std::uint8_t> bytes = image.value();
  ASSERT_LT(field.size(), 255u);
  const std::size_t at = 8 + 1 + field.size();
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(paper) >> (8 * k));
  WriteBytes(swt, bytes);
}

// Layouts from the Windows program and from elsewhere: '\' paths, a Z: path
// and a paper index the program has no sheet for all open; a drive with no
// folder here is a missing drawing, named as stored.
TEST(LayoutLoad, LayoutsWrittenElsewhereOpen) {
  ScratchDir dir;
  const fs::path root = dir.path();
  const fs::path jww = root / "jw" / "sub" / "drawing.jww";
  test::WriteTestDrawing(jww, 2, "base drawing");
  struct Case {
    const char* what;
    fs::path layout;
    std::string field;
    std::int32_t paper;
    std::int32_t paperAfter;
    std::optional<std::int32_t> replaced;
  };
  std::vector<Case> cases = {
      {"relative below, '\\'", root / "jw" / "a.swt", "sub\\drawing.jww", 3, 3, std::nullopt},
      {"relative beside, '\\'", root / "lay" / "b.swt", "..\\jw\\sub\\drawing.jww", 0, 0, std::nullopt},
      {"paper index 7", root / "jw" / "d.swt", "sub\\drawing.jww", 7, 1, 7},
  };
#ifndef _WIN32
  std::string zPath = "Z:" + Cp932FromNativePath(jww).value();
  for (char& c : zPath)
    if (c == '/') c = '\\';
  cases.push_back({"Z: drive", root / "c.swt", zPath, 4, 4, std::nullopt});
#endif
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteLayoutStoring(c.layout, c.field, c.paper);
    LayoutDocument doc;
    JWWDrawing drawing;
    SwtLoadNotes notes;
    const auto failure = LoadLayoutWithBase(c.layout, doc, drawing, DriveMap{}, &notes);
    ASSERT_FALSE(failure) << Describe(failure->error);
    EXPECT_EQ(NativePathFromCp932(doc.head.baseFile), jww);
    EXPECT_EQ(drawing.head.memo, "base drawing");
    EXPECT_EQ(doc.PaperIndex, c.paperAfter);
    EXPECT_EQ(notes.replacedPaper, c.replaced);
    // It saves again, relative and with '\'.
    ASSERT_TRUE(SaveLayout(doc, c.layout).ok());
    LayoutDocument back;
    ASSERT_TRUE(LoadLayout(c.layout, back).ok());
    EXPECT_EQ(back, doc);
  }

#ifndef _WIN32
  WriteLayoutStoring(root / "c-drive.swt", "C:\\jw\\drawing.jww", 1);
  LayoutDocument doc;
  JWWDrawing drawing;
  const auto failure = LoadLayoutWithBase(root / "c-drive.swt", doc, drawing, DriveMap{});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->step, LayoutLoadStep::BaseMissing);
  EXPECT_EQ(failure->file, "C:\\jw\\drawing.jww");
#endif
}

}  // namespace
}  // namespace sw
