// Saving and loading layout files: the base path's relative form, the
// atomic save, loads that leave the document alone, byte-identical resaves.
#include <gtest/gtest.h>

#include <unistd.h>

#include "core/Cp932.h"
#include "layout/BasePath.h"
#include "layout/SwtFile.h"
#include "layout/SwtFormat.h"
#include "layout/LayoutTestSupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

std::string Cp932Of(const fs::path& p) { return Cp932FromNativePath(p).value(); }

// The base path field as stored in a saved file (short strings only).
std::string StoredBasePath(const fs::path& swt) {
  const auto bytes = ReadBytes(swt);
  return std::string(bytes.begin() + 9, bytes.begin() + 9 + bytes.at(8));
}

TEST(BasePath, StoredRelativeToTheLayoutFolderAndResolvedBack) {
  ScratchDir dir;
  const fs::path root = dir.path();
  const struct {
    const char* what;
    fs::path base, layout;
    std::string stored;
  } cases[] = {
      {"same folder", root / "a.jww", root / "x.swt", "a.jww"},
      {"below", root / "draw" / "a.jww", root / "x.swt", "draw/a.jww"},
      {"beside", root / "draw" / "a.jww", root / "lay" / "x.swt", "../draw/a.jww"},
      {"above", root / "a.jww", root / "l1" / "l2" / "x.swt", "../../a.jww"},
      {"CP932 folder", root / "図面" / "表.jww", root / "x.swt", Utf8ToCp932("図面/表.jww")},
  };
  for (const auto& c : cases) {
    const std::string base = Cp932Of(c.base);
    EXPECT_EQ(RelativeBasePath(base, c.layout), c.stored) << c.what;
    EXPECT_EQ(ResolveBasePath(c.stored, c.layout), base) << c.what;
  }
}

TEST(BasePath, EmptyAndPathsWithoutARelativeFormStayAsTheyAre) {
  const fs::path layout = fs::temp_directory_path() / "x.swt";
  EXPECT_EQ(RelativeBasePath("", layout), "");
  EXPECT_EQ(ResolveBasePath("", layout), "");
  // A relative base path has no form relative to an absolute folder.
  EXPECT_EQ(RelativeBasePath("draw/a.jww", layout), "draw/a.jww");
  // A stored absolute path is only normalised.
  EXPECT_EQ(ResolveBasePath("/srv/./d/../a.jww", layout), "/srv/a.jww");
#ifdef _WIN32
  EXPECT_EQ(RelativeBasePath("D:\\draw\\a.jww", "C:\\lay\\x.swt"), "D:\\draw\\a.jww");
  EXPECT_EQ(ResolveBasePath("D:\\draw\\a.jww", "C:\\lay\\x.swt"), "D:\\draw\\a.jww");
#endif
}

TEST(BasePath, RelativeLayoutPathUsesTheCurrentFolder) {
  ScratchDir dir;
  const fs::path old = fs::current_path();
  fs::current_path(dir.path());
  const std::string base = Cp932Of(dir.path() / "d" / "a.jww");
  EXPECT_EQ(RelativeBasePath(base, "lay/x.swt"), "../d/a.jww");
  EXPECT_EQ(ResolveBasePath("../d/a.jww", "lay/x.swt"), base);
  fs::current_path(old);
}

TEST(SwtFile, SavedLayoutOfAnOpenedDrawingLoadsBack) {
  ScratchDir dir;
  const fs::path jww = dir.path() / "draw" / "base.jww";
  test::WriteTestDrawing(jww);
  LayoutDocument doc;
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, jww).ok());
  const fs::path swt = dir.path() / "lay" / "plan.swt";
  fs::create_directories(swt.parent_path());
  ASSERT_TRUE(SaveLayout(doc, swt).ok());
  EXPECT_EQ(StoredBasePath(swt), "../draw/base.jww");

  LayoutDocument back;
  ASSERT_TRUE(LoadLayout(swt, back).ok());
  SW_EXPECT_CONSISTENT(back);
  EXPECT_EQ(back, doc);
  EXPECT_EQ(NativePathFromCp932(back.head.baseFile), jww);
  const CLayMain& sh = back.Sheets[0];
  EXPECT_EQ(sh.frameHigh, 0);
  EXPECT_EQ(sh.frames.size(), 1u);
  EXPECT_EQ(sh.frames[0].kind, kFrameBase);
  EXPECT_EQ(sh.circles.size(), 1u);
  EXPECT_EQ(sh.rects.size(), 1u);
  EXPECT_EQ(sh.lineHigh, 0);
  EXPECT_EQ(sh.lines.size(), 1u);
  EXPECT_EQ(sh.shown, std::vector<bool>{true});
  // The drawing named by the loaded path opens again.
  JWWDrawing again;
  EXPECT_TRUE(openBaseDrawing(back, again, NativePathFromCp932(back.head.baseFile)).ok());
}

TEST(SwtFile, ResaveInTheSameFolderIsByteIdentical) {
  ScratchDir dir;
  const fs::path jww = dir.path() / "sub" / "base.jww";
  test::WriteTestDrawing(jww);
  LayoutDocument doc;
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, jww).ok());
  ASSERT_TRUE(addFrame(doc, kFrameRect, std::string(300, 'r'), {-10, -10}, {10, 10}).ok());
  addLine(doc, kAuxLineCode, {1, 2}, {3, 5});
  const std::vector<std::string> targets = {"a.swt", "b.swt"};
  ASSERT_TRUE(SaveLayout(doc, dir.path() / targets[0]).ok());
  LayoutDocument loaded;
  ASSERT_TRUE(LoadLayout(dir.path() / targets[0], loaded).ok());
  ASSERT_TRUE(SaveLayout(loaded, dir.path() / targets[1]).ok());
  EXPECT_EQ(ReadBytes(dir.path() / targets[0]), ReadBytes(dir.path() / targets[1]));
  // With an empty base path, too.
  LayoutDocument fresh;
  ASSERT_TRUE(SaveLayout(fresh, dir.path() / "c.swt").ok());
  ASSERT_TRUE(LoadLayout(dir.path() / "c.swt", loaded).ok());
  ASSERT_TRUE(SaveLayout(loaded, dir.path() / "d.swt").ok());
  EXPECT_EQ(ReadBytes(dir.path() / "c.swt"), ReadBytes(dir.path() / "d.swt"));
}

TEST(SwtFile, FailedSaveKeepsWhatWasThere) {
  ScratchDir dir;
  LayoutDocument doc;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "first", {0, 0}, {1, 1}).ok());
  const fs::path swt = dir.path() / "keep.swt";
  ASSERT_TRUE(SaveLayout(doc, swt).ok());
  const auto before = ReadBytes(swt);

  // A document the format cannot hold.
  LayoutDocument tooLong = doc;
  tooLong.Sheets[0].frames[1].name.assign(70000, 'x');
  Status s = SaveLayout(tooLong, swt);
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.error().message.find("65535"), std::string::npos) << s.error().message;
  EXPECT_EQ(ReadBytes(swt), before);

  // A folder that does not exist.
  s = SaveLayout(doc, dir.path() / "missing" / "x.swt");
  EXPECT_FALSE(s.ok());
  EXPECT_FALSE(fs::exists(dir.path() / "missing"));

  // A folder as the target: the rename fails and the folder stays.
  const fs::path folder = dir.path() / "folder.swt";
  fs::create_directories(folder / "inner");
  s = SaveLayout(doc, folder);
  EXPECT_FALSE(s.ok());
  EXPECT_TRUE(fs::is_directory(folder / "inner"));

  // An unwritable folder, where permissions apply (not as root).
  const fs::path locked = dir.path() / "locked";
  fs::create_directories(locked);
  WriteBytes(locked / "x.swt", before);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() != 0) {
    EXPECT_FALSE(SaveLayout(LayoutDocument{}, locked / "x.swt").ok());
  }
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(locked / "x.swt"), before);

  // Nothing but what was put there is left behind.
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"folder.swt", "keep.swt", "locked"}));
  EXPECT_EQ(ReadBytes(swt), before);
}

TEST(SwtFile, FailedLoadLeavesTheDocumentUntouched) {
  ScratchDir dir;
  LayoutDocument saved;
  ASSERT_TRUE(addFrame(saved, kFrameCircle, "c", {0, 0}, {3, 4}).ok());
  addLine(saved, kAuxLineCode, {0, 0}, {1, 1});
  const fs::path swt = dir.path() / "full.swt";
  ASSERT_TRUE(SaveLayout(saved, swt).ok());
  const auto full = ReadBytes(swt);

  LayoutDocument doc;
  ASSERT_TRUE(addFrame(doc, kFrameRect, "mine", {0, 0}, {1, 1}).ok());
  doc.head.baseFile = "/somewhere/base.jww";
  const LayoutDocument before = doc;

  const Status missing = LoadLayout(dir.path() / "none.swt", doc);
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(doc, before);
  EXPECT_FALSE(LoadLayout(dir.path(), doc).ok());  // a folder
  EXPECT_EQ(doc, before);

  const fs::path cut = dir.path() / "cut.swt";
  for (std::size_t n = 0; n < full.size(); n += 7) {
    WriteBytes(cut, std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n)));
    const Status s = LoadLayout(cut, doc);
    ASSERT_FALSE(s.ok()) << "cut at " << n;
    ASSERT_EQ(doc, before) << "cut at " << n;
  }
  ASSERT_TRUE(LoadLayout(swt, doc).ok());
  EXPECT_EQ(doc, saved);
}

TEST(SwtFile, FixtureDrawingLayoutRoundTrips) {
  SW_REQUIRE_FIXTURES(fixtures);
  ScratchDir dir;
  LayoutDocument doc;
  JWWDrawing drawing;
  ASSERT_TRUE(openBaseDrawing(doc, drawing, fixtures / "sample.jww").ok());
  ASSERT_TRUE(addFrame(doc, kFrameRect, "plan", {-50, -50}, {50, 50}).ok());
  ASSERT_TRUE(initFrameFromBase(doc, drawing, 1).ok());
  const fs::path swt = dir.path() / "sample.swt";
  ASSERT_TRUE(SaveLayout(doc, swt).ok());
  LayoutDocument back;
  ASSERT_TRUE(LoadLayout(swt, back).ok());
  EXPECT_EQ(back, doc);
}

}  // namespace
}  // namespace sw
