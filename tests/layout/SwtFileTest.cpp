// Saving and loading layout files: the base path's relative form, the
// atomic save, loads that leave the document alone, byte-identical resaves.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "core/Cp932.h"
#include "core/Path.h"
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
std::string BasePathField(const fs::path& swt) {
  const auto bytes = ReadBytes(swt);
  return std::string(bytes.begin() + 9, bytes.begin() + 9 + bytes.at(8));
}

// Stored relative to the layout's folder with '\' between the names, as the
// Windows program writes them, and resolved back.
TEST(BasePath, StoredRelativeWithBackslashesAndResolvedBack) {
  ScratchDir dir;
  const fs::path root = dir.path();
  const struct {
    const char* what;
    fs::path base, layout;
    std::string stored;
  } cases[] = {
      {"same folder", root / "a.jww", root / "x.swt", "a.jww"},
      {"below", root / "draw" / "a.jww", root / "x.swt", "draw\\a.jww"},
      {"beside", root / "draw" / "a.jww", root / "lay" / "x.swt", "..\\draw\\a.jww"},
      {"above", root / "a.jww", root / "l1" / "l2" / "x.swt", "..\\..\\a.jww"},
      // 表 is 0x95 0x5C in CP932: its second byte is no separator.
      {"CP932 names", root / PathFromUtf8("図面") / PathFromUtf8("表.jww"), root / "x.swt", Utf8ToCp932("図面\\表.jww")},
  };
  for (const auto& c : cases) {
    const std::string base = Cp932Of(c.base);
    const Result<std::string> stored = StoredBasePath(base, c.layout);
    ASSERT_TRUE(stored.ok()) << c.what << ": " << stored.error().message;
    EXPECT_EQ(stored.value(), c.stored) << c.what;
    EXPECT_EQ(ResolveBasePath(c.stored, c.layout), base) << c.what;
  }
}

// A stored path takes '\' and '/' alike, on every platform.
TEST(BasePath, BothSeparatorsResolve) {
  ScratchDir dir;
  const fs::path layout = dir.path() / "lay" / "x.swt";
  const struct {
    std::string stored;
    fs::path base;
  } cases[] = {
      {"sub\\drawing.jww", dir.path() / "lay" / "sub" / "drawing.jww"},
      {"sub/drawing.jww", dir.path() / "lay" / "sub" / "drawing.jww"},
      {"..\\jw\\drawing.jww", dir.path() / "jw" / "drawing.jww"},
      {"..\\jw/.\\drawing.jww", dir.path() / "jw" / "drawing.jww"},
      {Utf8ToCp932("表\\ソ.jww"), dir.path() / "lay" / PathFromUtf8("表") / PathFromUtf8("ソ.jww")},  // both end in 0x5C
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveBasePath(c.stored, layout), Cp932Of(c.base)) << c.stored;
}

TEST(BasePath, EmptyAndPathsWithoutARelativeFormStayAsTheyAre) {
  const fs::path layout = fs::temp_directory_path() / "x.swt";
  EXPECT_EQ(StoredBasePath("", layout).value(), "");
  EXPECT_EQ(ResolveBasePath("", layout), "");
  // A relative base path has no form relative to an absolute folder; it is
  // written as it is, with the program's separator.
  EXPECT_EQ(StoredBasePath("draw/a.jww", layout).value(), "draw\\a.jww");
  // A stored absolute path is only normalised (on Windows one without a
  // drive is on the layout's drive).
#ifdef _WIN32
  EXPECT_EQ(ResolveBasePath("\\srv\\.\\d\\..\\a.jww", "C:\\lay\\x.swt"), "C:\\srv\\a.jww");
#else
  EXPECT_EQ(ResolveBasePath("/srv/./d/../a.jww", layout), "/srv/a.jww");
#endif
#ifdef _WIN32
  EXPECT_EQ(StoredBasePath("D:\\draw\\a.jww", "C:\\lay\\x.swt").value(), "D:\\draw\\a.jww");
  EXPECT_EQ(ResolveBasePath("D:\\draw\\a.jww", "C:\\lay\\x.swt"), "D:\\draw\\a.jww");
#endif
}

TEST(BasePath, RelativeLayoutPathUsesTheCurrentFolder) {
  ScratchDir dir;
  const fs::path old = fs::current_path();
  fs::current_path(dir.path());
  const std::string base = Cp932Of(dir.path() / "d" / "a.jww");
  EXPECT_EQ(StoredBasePath(base, "lay/x.swt").value(), "..\\d\\a.jww");
  EXPECT_EQ(ResolveBasePath("../d/a.jww", "lay/x.swt"), base);
  fs::current_path(old);
}

// A Linux name may hold a '\' of its own; written between '\' separators it
// would name another file, so the save is refused.
TEST(BasePath, NameWithABackslashIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "a backslash always separates names in a Windows path";
#else
  ScratchDir dir;
  const fs::path layout = dir.path() / "x.swt";
  for (const fs::path& base : {dir.path() / "a\\b.jww", dir.path() / "odd\\dir" / "a.jww"}) {
    const Result<std::string> stored = StoredBasePath(Cp932Of(base), layout);
    ASSERT_FALSE(stored.ok()) << base;
    EXPECT_NE(stored.error().message.find("backslash"), std::string::npos) << stored.error().message;
  }
  // Only the relative part counts: the layout's own folder may have one.
  const fs::path odd = dir.path() / "odd\\folder";
  EXPECT_EQ(StoredBasePath(Cp932Of(odd / "sub" / "a.jww"), odd / "x.swt").value(), "sub\\a.jww");

  // SaveLayout refuses it and leaves the file that was there.
  LayoutDocument doc;
  const fs::path swt = dir.path() / "keep.swt";
  ASSERT_TRUE(SaveLayout(doc, swt).ok());
  const auto before = ReadBytes(swt);
  doc.head.baseFile = Cp932Of(dir.path() / "a\\b.jww");
  EXPECT_FALSE(SaveLayout(doc, swt).ok());
  EXPECT_EQ(ReadBytes(swt), before);
#endif
}

// Windows drive paths lead through a Wine prefix's drive links; without a
// prefix only Z: is known, as the root. A drive that leads nowhere, and a
// network share, stay as stored, and are written back as they are.
TEST(BasePath, DrivePathsLeadThroughWineDrives) {
#ifdef _WIN32
  GTEST_SKIP() << "drive paths are the system's own on Windows, not Wine drive links";
#else
  ScratchDir dir;
  const fs::path prefix = dir.path() / "wine";
  fs::create_directories(prefix / "drive_c" / "jw");
  fs::create_directories(prefix / "dosdevices");
  fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
  fs::create_directory_symlink("../nowhere", prefix / "dosdevices" / "d:");  // dangling
  const fs::path driveC = fs::canonical(prefix / "drive_c");
  const DriveMap wine{prefix}, none{}, unmade{dir.path() / "never-made"};
  const fs::path layout = dir.path() / "x.swt";
  const struct {
    const char* what;
    std::string stored;
    const DriveMap& drives;
    std::string resolved;
  } cases[] = {
      {"C: through its link", "C:\\jw\\drawing.jww", wine, Cp932Of(driveC / "jw" / "drawing.jww")},
      {"lower case, either separator", "c:/jw\\drawing.jww", wine, Cp932Of(driveC / "jw" / "drawing.jww")},
      {".. stops at the drive", "C:\\jw\\..\\..\\..\\a.jww", wine, Cp932Of(driveC / "a.jww")},
      {"dangling link", "D:\\a.jww", wine, "D:\\a.jww"},
      {"no link", "E:\\a.jww", wine, "E:\\a.jww"},
      {"Z: without its link in a prefix", "Z:\\srv\\a.jww", wine, "Z:\\srv\\a.jww"},
      {"Z: without a prefix is the root", "Z:\\srv\\plan.jww", none, "/srv/plan.jww"},
      {"a prefix never made is none", "Z:\\srv\\plan.jww", unmade, "/srv/plan.jww"},
      {"C: without a prefix", "C:\\jw\\drawing.jww", none, "C:\\jw\\drawing.jww"},
      {"drive-relative", "C:jw\\drawing.jww", wine, "C:jw\\drawing.jww"},
      {"network share", "\\\\server\\share\\a.jww", wine, "\\\\server\\share\\a.jww"},
  };
  for (const auto& c : cases) {
    const std::string got = ResolveBasePath(c.stored, layout, c.drives);
    EXPECT_EQ(got, c.resolved) << c.what;
    EXPECT_EQ(IsForeignDrivePath(got), got == c.stored) << c.what;
    if (got == c.stored) {
      EXPECT_EQ(StoredBasePath(got, layout).value(), c.stored) << c.what;
    }
  }
#endif
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
  EXPECT_EQ(BasePathField(swt), "..\\draw\\base.jww");

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

  // An unwritable folder, where POSIX permissions apply (not as root;
  // Windows folders have no such mode).
  const fs::path locked = dir.path() / "locked";
  fs::create_directories(locked);
  WriteBytes(locked / "x.swt", before);
#ifndef _WIN32
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() != 0) {
    EXPECT_FALSE(SaveLayout(LayoutDocument{}, locked / "x.swt").ok());
  }
  fs::permissions(locked, fs::perms::owner_all);
#endif
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
