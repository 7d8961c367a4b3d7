// Opening a layout with its base drawing: both are replaced, or neither.
#include <gtest/gtest.h>

#include "core/Path.h"
#include "layout/BasePath.h"
#include "layout/LayoutLoad.h"
#include "layout/LayoutTestSupport.h"
#include "layout/SwtFile.h"

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
  const fs::path good = root / PathFromUtf8("レイアウト.swt"), goodBase = root / PathFromUtf8("図面/平面図.jww").make_preferred();
  WriteLayoutWithBase(good, goodBase);
  WriteLayoutWithBase(root / "gone.swt", root / PathFromUtf8("無い.jww"));
  fs::remove(root / PathFromUtf8("無い.jww"));
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
      {root / "gone.swt", LayoutLoadStep::BaseMissing, root / PathFromUtf8("無い.jww"), nullptr},
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

}  // namespace
}  // namespace sw
