// New, Open, loading a drawing, Save and Save As, and the unsaved-changes
// question, with files in a scratch folder.
#include <gtest/gtest.h>

#include <cctype>

#include <filesystem>
#include <string>

#include "edit/CommandsTestSupport.h"
#include "edit/CommandsView.h"
#include "layout/Operations.h"
#include "core/Path.h"
#include "layout/SwtFile.h"
#include "layout/SwtFormat.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::CommandsScratch;
using test::LoadedWorkspace;

bool StartsWith(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }
bool Contains(const std::string& s, const std::string& p) { return s.find(p) != std::string::npos; }

// A loaded drawing with two frames and an auxiliary line.
void BuildLayout(LoadedWorkspace& w, const CommandsScratch& dir) {
  test::WriteCommandsDrawing(dir.file("plan.jww"));
  test::LoadBase(w, dir.file("plan.jww"));
  ASSERT_TRUE(addFrame(w.ws.document, kFrameRect, "north", {-100, -50}, {20, 40}));
  ASSERT_TRUE(addFrame(w.ws.document, kFrameRect, "south", {30, -60}, {90, 10}));
  addLine(w.ws.document, 1230, {-10, 0}, {10, 5});
  w.ws.tool.Modified = true;
}

// --- Save As: the target name ---

struct TargetCase {
  const char* chosen;    // relative to the scratch folder
  const char* expected;  // the file written
};

// Test names show the name chosen, not the case's bytes.
void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.chosen; }

class SaveAsTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SaveAsTarget, AddsTheExtensionOnlyWhenMissing) {
  CommandsScratch dir;
  fs::create_directories(dir.path() / "x.swt");
  LoadedWorkspace w;
  w.prompts.saveNames.push_back(dir.file(GetParam().chosen));
  ASSERT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Saved);
  EXPECT_EQ(w.ws.tool.LayoutFileName, dir.file(GetParam().expected));
  EXPECT_TRUE(fs::is_regular_file(dir.file(GetParam().expected)));
  EXPECT_EQ(w.shell.title, fs::path(GetParam().expected).filename().string() + " - Sheetwright");
  EXPECT_EQ(w.shell.status1, "保存完了。");
  EXPECT_EQ(w.ws.tool.SaveAsResult, kSaveAsSaved);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveAsTarget,
                         ::testing::Values(TargetCase{"plan", "plan.swt"}, TargetCase{"plan.swt", "plan.swt"},
                                           TargetCase{"plan.SWT", "plan.SWT"}, TargetCase{"plan.Swt", "plan.Swt"},
                                           TargetCase{"plan.swt.bak", "plan.swt.bak.swt"},
                                           TargetCase{"x.swt/plan", "x.swt/plan.swt"}),
                         [](const auto& info) {
                           std::string n = std::to_string(info.index) + "_";
                           for (char ch : std::string(info.param.chosen)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

TEST(SaveAs, StartsInTheFolderOfTheLayoutFileWithTheFilter) {
  CommandsScratch dir;
  LoadedWorkspace w;
  w.ws.tool.LayoutFileName = dir.file("old.swt");
  w.prompts.saveNames.push_back(std::nullopt);
  EXPECT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Cancelled);
  ASSERT_EQ(w.prompts.saveDialogs.size(), 1u);
  EXPECT_EQ(w.prompts.saveDialogs[0].filter, "SWT Data Files(*.SWT)|*.SWT");
  EXPECT_EQ(w.prompts.saveDialogs[0].defaultExt, ".SWT");
  EXPECT_EQ(fs::path(w.prompts.saveDialogs[0].folder), dir.path());
  EXPECT_EQ(w.ws.tool.SaveAsResult, kSaveAsClosed);
  EXPECT_EQ(w.ws.tool.LayoutFileName, dir.file("old.swt"));
}

TEST(SaveAs, AnsweringNoToOverwriteLeavesTheFileAndTheName) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteFileBytes(dir.file("taken.swt"), {1, 2, 3});
  w.ws.tool.Modified = true;
  w.prompts.saveNames.push_back(dir.file("taken"));
  w.prompts.answers.push_back(Answer::No);
  EXPECT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Cancelled);
  ASSERT_EQ(w.prompts.messages.size(), 1u);
  EXPECT_EQ(w.prompts.messages[0].text, "同名ファイルがあります。上書き保存しますか？");
  EXPECT_EQ(w.prompts.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(w.prompts.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(test::ReadFileBytes(dir.file("taken.swt")), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_TRUE(w.ws.tool.LayoutFileName.empty());
  EXPECT_TRUE(w.ws.tool.Modified);
  EXPECT_EQ(w.ws.tool.SaveAsResult, kSaveAsClosed);
}

TEST(SaveAs, AnsweringYesOverwrites) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteFileBytes(dir.file("taken.swt"), {1, 2, 3});
  w.prompts.saveNames.push_back(dir.file("taken.swt"));
  w.prompts.answers.push_back(Answer::Yes);
  EXPECT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Saved);
  LayoutDocument back;
  ASSERT_TRUE(LoadLayout(dir.file("taken.swt"), back));
  EXPECT_EQ(back, w.ws.document);
}

// --- save failures keep the previous file ---

struct FailureCase {
  const char* name;
  bool viaSaveAs;
  bool targetIsFolder;  // else the document is inconsistent
};

// Test names show the case's name, not its bytes.
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class SaveFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SaveFailure, ReportsAndKeepsThePreviousFile) {
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  const std::string target = GetParam().targetIsFolder ? dir.file("folder.swt") : dir.file("kept.swt");
  if (GetParam().targetIsFolder) {
    fs::create_directories(target);
    test::WriteFileBytes(target + "/inside", {9});
  } else {
    test::WriteFileBytes(target, {7, 7, 7});
    w.ws.document.head.sheetNames.push_back("broken");  // names no longer match the sheets
  }
  bool ok;
  if (GetParam().viaSaveAs) {
    w.prompts.saveNames.push_back(target);
    w.prompts.answers.push_back(Answer::Yes);  // overwrite
    ok = SaveAsCommand(w.ws, w.shell, w.prompts) == SaveAsOutcome::Saved;
    EXPECT_EQ(w.ws.tool.SaveAsResult, kSaveAsClosed);
    EXPECT_TRUE(w.ws.tool.LayoutFileName.empty());
  } else {
    w.ws.tool.LayoutFileName = target;
    ok = SaveCommand(w.ws, w.shell, w.prompts);
  }
  EXPECT_FALSE(ok);
  EXPECT_EQ(w.shell.status1, "保存失敗。");
  ASSERT_FALSE(w.prompts.messages.empty());
  const auto& box = w.prompts.messages.back();
  EXPECT_EQ(box.kind, MessageKind::Error);
  EXPECT_TRUE(StartsWith(box.text, "保存失敗。\n" + target + "\n")) << box.text;
  EXPECT_TRUE(w.ws.tool.Modified);
  if (GetParam().targetIsFolder)
    EXPECT_EQ(test::ReadFileBytes(target + "/inside"), (std::vector<std::uint8_t>{9}));
  else
    EXPECT_EQ(test::ReadFileBytes(target), (std::vector<std::uint8_t>{7, 7, 7}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
      << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(Kinds, SaveFailure,
                         ::testing::Values(FailureCase{"SaveOverAFolder", false, true},
                                           FailureCase{"SaveAsOverAFolder", true, true},
                                           FailureCase{"SaveOfAnInconsistentLayout", false, false},
                                           FailureCase{"SaveAsOfAnInconsistentLayout", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Save and Open give back the same document ---

TEST(SaveAndOpen, GiveBackTheSameDocument) {
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  w.prompts.saveNames.push_back(dir.file("round"));
  ASSERT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Saved);
  EXPECT_FALSE(w.ws.tool.Modified);
  const LayoutDocument saved = w.ws.document;

  LoadedWorkspace other;
  other.prompts.openNames.push_back(dir.file("round.swt"));
  ASSERT_TRUE(OpenCommand(other.ws, other.shell, other.prompts));
  EXPECT_EQ(other.ws.document, saved);
  EXPECT_EQ(other.ws.tool.LayoutFileName, dir.file("round.swt"));
  EXPECT_EQ(other.shell.title, "round.swt - Sheetwright");
  EXPECT_EQ(other.shell.status0, "BaseFile-" + dir.file("plan.jww"));
  EXPECT_EQ(other.shell.paperCaption, "A-3");
  EXPECT_EQ(other.shell.paperChecked, 3);
  EXPECT_EQ(other.shell.scaleCaption, "S=1/50");
  EXPECT_TRUE(other.ws.tool.BaseLoaded);
  EXPECT_EQ(other.ws.redraw.BackdropMode, 1);
  EXPECT_EQ(other.ws.drawing.JWWLines.size(), 1u);
  EXPECT_TRUE(other.shell.req.changed && other.shell.req.redraw && other.shell.req.invalidate);
  EXPECT_TRUE(other.ws.history.undo.empty()) << "an opened layout starts an empty history";
  EXPECT_FALSE(IsModified(other.ws.history));
  ASSERT_EQ(other.prompts.openDialogs.size(), 1u);
  EXPECT_EQ(other.prompts.openDialogs[0].filter, "Sheetwright Data Files(*.SWT)|*.SWT");
  EXPECT_EQ(other.prompts.openDialogs[0].defaultExt, ".SWT");
  EXPECT_TRUE(other.prompts.messages.empty());
}

// A layout file as the Windows program (or another) writes it: base path
// field `field` exactly, paper `paper`, otherwise the document after New.
[[maybe_unused]] void WriteForeignLayout(const std::string& swt, const std::string& field, std::int32_t paper) {
  std::vector<std::uint8_t> bytes = EncodeSwt(LayoutDocument{}, field).value();
  const std::size_t at = 8 + 1 + field.size();  // short string form
  for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(paper) >> (8 * k));
  test::WriteFileBytes(swt, bytes);
}

TEST(Open, LayoutsFromTheWindowsProgramOpenAndSaveBack) {
#ifdef _WIN32
  GTEST_SKIP() << "Wine drive links (symbolic links in a prefix) exist only outside Windows";
#else
  CommandsScratch dir;
  // The drawing lies in a Wine prefix's drive C: as jw/sub/plan.jww.
  const fs::path prefix = dir.path() / "wine";
  fs::create_directories(prefix / "dosdevices");
  fs::create_directories(prefix / "drive_c" / "jw" / "sub");
  fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
  const std::string drawing = dir.file("wine/drive_c/jw/sub/plan.jww");
  test::WriteCommandsDrawing(drawing);
  std::string zPath = "Z:" + drawing;
  for (char& c : zPath)
    if (c == '/') c = '\\';
  const struct {
    const char* what;
    std::string layout, field;
    std::int32_t paper;
    bool wine;
    const char* status1;
    const char* paperCaption;
  } cases[] = {
      {"relative, '\\'", "wine/drive_c/jw/a.swt", "sub\\plan.jww", 3, false, "", "A-3"},
      {"relative with '..'", "wine/drive_c/lay/b.swt", "..\\jw\\sub\\plan.jww", 2, false, "", "A-2"},
      {"Z: without a prefix", "c.swt", zPath, 4, false, "", "A-4"},
      {"C: through the prefix", "d.swt", "C:\\jw\\sub\\plan.jww", 0, true, "", "A-0"},
      {"paper index 7", "wine/drive_c/jw/e.swt", "sub\\plan.jww", 7, false, kMsgPaperReplaced, "A-1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::create_directories(fs::path(dir.file(c.layout)).parent_path());
    WriteForeignLayout(dir.file(c.layout), c.field, c.paper);
    LoadedWorkspace w;
    if (c.wine) w.ws.tool.Drives = DriveMap{prefix};
    ASSERT_TRUE(OpenLayoutFile(w.ws, w.shell, w.prompts, dir.file(c.layout)));
    EXPECT_TRUE(w.prompts.messages.empty());
    EXPECT_EQ(w.shell.status0, "BaseFile-" + Utf8FromPath(fs::canonical(drawing)));
    EXPECT_EQ(w.shell.status1, c.status1);
    EXPECT_EQ(w.shell.paperCaption, c.paperCaption);
    EXPECT_FALSE(w.ws.tool.Modified);
    ASSERT_TRUE(SaveCommand(w.ws, w.shell, w.prompts));
    LayoutDocument back;
    ASSERT_TRUE(LoadLayout(dir.file(c.layout), back));
    EXPECT_EQ(back, w.ws.document);
  }

  // A drive that leads nowhere here: the drawing is missing, named as stored.
  WriteForeignLayout(dir.file("f.swt"), "C:\\jw\\sub\\plan.jww", 1);
  LoadedWorkspace w;
  ASSERT_FALSE(OpenLayoutFile(w.ws, w.shell, w.prompts, dir.file("f.swt")));
  ASSERT_EQ(w.prompts.messages.size(), 1u);
  EXPECT_EQ(w.prompts.messages[0].text, "元JWWファイルが見つかりません。\nC:\\jw\\sub\\plan.jww");
#endif
}

TEST(Save, WritesOverTheLayoutFileAndReportsIt) {
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  w.ws.tool.LayoutFileName = dir.file("mine.swt");
  ASSERT_TRUE(SaveCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(w.shell.status1, "保存完了。");
  EXPECT_FALSE(w.ws.tool.Modified);
  LayoutDocument back;
  ASSERT_TRUE(LoadLayout(dir.file("mine.swt"), back));
  EXPECT_EQ(back, w.ws.document);
  EXPECT_TRUE(w.prompts.saveDialogs.empty());
}

// --- unreadable files ---

struct BadOpenCase {
  const char* name;
  std::vector<std::uint8_t> layoutBytes;  // empty: a valid layout whose base is bad
  int base;                               // 0 missing, 1 unreadable
  const char* message;
};

// Test names show the case's name, not its bytes.
void PrintTo(const BadOpenCase& c, std::ostream* os) { *os << c.name; }

class OpenFailure : public ::testing::TestWithParam<BadOpenCase> {};

TEST_P(OpenFailure, ExplainsAndKeepsTheOpenLayout) {
  CommandsScratch dir;
  const BadOpenCase& c = GetParam();
  std::string layout = dir.file("bad.swt");
  if (!c.layoutBytes.empty()) {
    test::WriteFileBytes(layout, c.layoutBytes);
  } else {
    LoadedWorkspace maker;
    BuildLayout(maker, dir);
    ASSERT_TRUE(SaveLayout(maker.ws.document, layout));
    if (c.base == 0)
      fs::remove(dir.file("plan.jww"));
    else
      test::WriteFileBytes(dir.file("plan.jww"), {'J', 'w', 'w', 'D', 'a', 't', 'a', '.', 0x58, 2, 0, 0});
  }
  // The open layout: another drawing with a frame, unsaved, and one undo step.
  LoadedWorkspace w;
  fs::create_directories(dir.path() / "open");
  test::WriteCommandsDrawing(dir.file("open/other.jww"), 2);
  test::LoadBase(w, dir.file("open/other.jww"));
  w.ws.tool.LayoutFileName = dir.file("open/previous.swt");
  w.shell.title = TitleFor(w.ws.tool.LayoutFileName);
  ASSERT_TRUE(ChoosePaper(w.ws, w.shell, 4));
  const Workspace before = w.ws;
  const ShellState shellBefore = w.shell;
  ASSERT_FALSE(OpenLayoutFile(w.ws, w.shell, w.prompts, layout));
  ASSERT_EQ(w.prompts.messages.size(), 1u);
  const std::string& text = w.prompts.messages[0].text;
  EXPECT_TRUE(StartsWith(text, c.message)) << text;
  EXPECT_EQ(w.prompts.messages[0].kind, MessageKind::Error) << "every failure to open is an error box";
  if (c.base == 0) {
    EXPECT_TRUE(Contains(text, dir.file("plan.jww"))) << text;
  } else {
    const std::string file = c.layoutBytes.empty() ? dir.file("plan.jww") : layout;
    EXPECT_TRUE(StartsWith(text, std::string(c.message) + "\n" + file + "\n")) << text;
    EXPECT_GT(text.size(), std::string(c.message).size() + file.size() + 2) << "a reason follows";
  }
  EXPECT_TRUE(w.ws.document == before.document) << "the open layout stays";
  EXPECT_TRUE(w.ws.drawing.JWWLines == before.drawing.JWWLines);
  EXPECT_EQ(w.ws.drawing.head.paperSize, 2) << "the open drawing stays";
  EXPECT_TRUE(w.ws.history == before.history);
  EXPECT_TRUE(w.ws.tool == before.tool) << "file name, Modified and mode stay";
  EXPECT_EQ(w.shell.title, shellBefore.title);
  EXPECT_EQ(w.shell.status0, shellBefore.status0);
  EXPECT_EQ(w.shell.paperCaption, "A-4");
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenFailure,
    ::testing::Values(BadOpenCase{"NotALayout", {'n', 'o', 't', ' ', 'a', ' ', 'l', 'a', 'y'}, 1, "読み込みに失敗しました。"},
                      BadOpenCase{"TruncatedLayout", {'S', 'w', 't', 'D', 'a', 't', 'a', '.', 1}, 1, "読み込みに失敗しました。"},
                      BadOpenCase{"BaseMissing", {}, 0, "元JWWファイルが見つかりません。"},
                      BadOpenCase{"BaseUnreadable", {}, 1, "読み込みに失敗しました。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenFailure, MissingLayoutFileNamesIt) {
  CommandsScratch dir;
  LoadedWorkspace w;
  EXPECT_FALSE(OpenLayoutFile(w.ws, w.shell, w.prompts, dir.file("none.swt")));
  ASSERT_EQ(w.prompts.messages.size(), 1u);
  EXPECT_TRUE(StartsWith(w.prompts.messages[0].text, "読み込みに失敗しました。\n" + dir.file("none.swt") + "\n"));
  EXPECT_EQ(w.prompts.messages[0].kind, MessageKind::Error);
}

TEST(LoadBase, UnreadableDrawingChangesNothing) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteFileBytes(dir.file("junk.jww"), {'J', 'w', 'w', 'D', 'a', 't', 'a', '.'});
  const LayoutDocument before = w.ws.document;
  const ShellState shellBefore = w.shell;
  w.prompts.openNames.push_back(dir.file("junk.jww"));
  EXPECT_FALSE(LoadBaseCommand(w.ws, w.shell, w.prompts));
  ASSERT_EQ(w.prompts.messages.size(), 1u);
  EXPECT_TRUE(StartsWith(w.prompts.messages[0].text, "読み込みに失敗しました。\n" + dir.file("junk.jww") + "\n"));
  EXPECT_EQ(w.ws.document, before);
  EXPECT_FALSE(w.ws.tool.BaseLoaded);
  EXPECT_EQ(w.shell.enabled, shellBefore.enabled);
  EXPECT_EQ(w.shell.status0, shellBefore.status0);
  EXPECT_EQ(w.prompts.openDialogs[0].filter, "JWW CAD Data Files(*.JWW)|*.JWW");
  EXPECT_EQ(w.prompts.openDialogs[0].defaultExt, ".JWW");
}

TEST(LoadBase, FollowsTheDrawingsPaperAndScale) {
  for (int paper : {0, 2, 4, 5, 9}) {
    CommandsScratch dir;
    LoadedWorkspace w;
    test::WriteCommandsDrawing(dir.file("p.jww"), paper);
    test::LoadBase(w, dir.file("p.jww"));
    const int expected = paper > 4 ? 1 : paper;
    EXPECT_EQ(w.ws.document.PaperIndex, expected) << paper;
    EXPECT_EQ(w.shell.paperCaption, "A-" + std::to_string(expected));
    EXPECT_EQ(w.shell.scaleCaption, "S=1/50");
    EXPECT_EQ(w.shell.status0, "BaseFile-" + dir.file("p.jww"));
    EXPECT_EQ(w.ws.redraw.BackdropMode, 1);
    EXPECT_EQ(w.ws.document.Sheets[0].shown, std::vector<bool>{true});
  }
}

// --- the unsaved-changes question ---

enum class Caller { New, Close, Open };

struct QuestionCase {
  const char* name;
  Caller caller;
  bool named;  // a layout file name is set (Save instead of Save As)
  std::vector<Answer> answers;
  int saveDialog;  // -1 not shown, 0 cancelled, 1 a name
  bool goesOn;
  bool fileWritten;
};

// Test names show the case's name, not its bytes.
void PrintTo(const QuestionCase& c, std::ostream* os) { *os << c.name; }

class UnsavedQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(UnsavedQuestion, DecidesWhetherTheCallerGoesOn) {
  const QuestionCase& c = GetParam();
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  const LayoutDocument before = w.ws.document;
  const std::string file = dir.file("q.swt");
  if (c.named) w.ws.tool.LayoutFileName = file;
  for (Answer a : c.answers) w.prompts.answers.push_back(a);
  if (c.saveDialog == 0) w.prompts.saveNames.push_back(std::nullopt);
  if (c.saveDialog == 1) w.prompts.saveNames.push_back(file);
  bool wentOn = false;
  switch (c.caller) {
    case Caller::New:
      wentOn = NewCommand(w.ws, w.shell, w.prompts);
      break;
    case Caller::Close:
      wentOn = MayClose(w.ws, w.shell, w.prompts);
      break;
    case Caller::Open:
      w.prompts.openNames.push_back(std::nullopt);
      OpenCommand(w.ws, w.shell, w.prompts);
      wentOn = w.prompts.openDialogs.size() == 1;
      break;
  }
  EXPECT_EQ(wentOn, c.goesOn);
  ASSERT_FALSE(w.prompts.messages.empty());
  EXPECT_EQ(w.prompts.messages[0].text, "内容が変更されています。変更を保存しますか？");
  EXPECT_EQ(w.prompts.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(w.prompts.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(static_cast<int>(w.prompts.saveDialogs.size()), c.saveDialog >= 0 ? 1 : 0);
  EXPECT_EQ(fs::exists(file), c.fileWritten);
  EXPECT_EQ(w.ws.tool.SaveAsResult, kSaveAsNone);
  if (c.caller == Caller::New && !c.goesOn) {
    EXPECT_EQ(w.ws.document, before);
    EXPECT_TRUE(w.ws.tool.Modified);
  }
  EXPECT_TRUE(w.prompts.unexpected.empty()) << ::testing::PrintToString(w.prompts.unexpected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnsavedQuestion,
    ::testing::Values(
        QuestionCase{"NewCancel", Caller::New, false, {Answer::Cancel}, -1, false, false},
        QuestionCase{"NewNo", Caller::New, false, {Answer::No}, -1, true, false},
        QuestionCase{"NewYesSaveAsCancelledKeepsTheLayout", Caller::New, false, {Answer::Yes}, 0, false, false},
        QuestionCase{"NewYesSaveAs", Caller::New, false, {Answer::Yes}, 1, true, true},
        QuestionCase{"NewYesSave", Caller::New, true, {Answer::Yes}, -1, true, true},
        QuestionCase{"CloseCancel", Caller::Close, false, {Answer::Cancel}, -1, false, false},
        QuestionCase{"CloseNo", Caller::Close, false, {Answer::No}, -1, true, false},
        QuestionCase{"CloseYesSaveAsCancelledStillCloses", Caller::Close, false, {Answer::Yes}, 0, true, false},
        QuestionCase{"CloseYesSave", Caller::Close, true, {Answer::Yes}, -1, true, true},
        QuestionCase{"OpenCancelStillShowsTheDialog", Caller::Open, false, {Answer::Cancel}, -1, true, false},
        QuestionCase{"OpenYesSaveAsCancelled", Caller::Open, false, {Answer::Yes}, 0, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnsavedQuestion, AFailedSaveStopsClosingAndNew) {
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  fs::create_directories(dir.file("dir.swt"));
  w.ws.tool.LayoutFileName = dir.file("dir.swt");
  w.prompts.answers = {Answer::Yes, Answer::Yes};
  EXPECT_FALSE(MayClose(w.ws, w.shell, w.prompts));
  EXPECT_FALSE(NewCommand(w.ws, w.shell, w.prompts));
  EXPECT_TRUE(w.ws.tool.Modified);
  EXPECT_EQ(w.ws.document.Sheets[0].frameHigh, 2);
}

TEST(UnsavedQuestion, AnEarlierSaveAsResultDoesNotPassForANewOne) {
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  w.prompts.saveNames.push_back(dir.file("first.swt"));
  ASSERT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Saved);
  ASSERT_EQ(w.ws.tool.SaveAsResult, kSaveAsSaved);
  w.ws.tool.LayoutFileName.clear();
  w.ws.tool.Modified = true;
  w.prompts.answers.push_back(Answer::Yes);
  w.prompts.saveNames.push_back(std::nullopt);
  EXPECT_FALSE(NewCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(w.ws.document.Sheets[0].frameHigh, 2);
}

TEST(New, ResetsTheLayoutAndTheShell) {
  CommandsScratch dir;
  LoadedWorkspace w;
  BuildLayout(w, dir);
  w.ws.tool.LayoutFileName = dir.file("x.swt");
  w.ws.tool.ToolMode = 100;
  w.shell.pressed[Index(Cmd::LayShikaku)] = true;
  w.prompts.answers.push_back(Answer::No);
  ASSERT_TRUE(NewCommand(w.ws, w.shell, w.prompts));
  LayoutDocument expected;
  expected.PaperIndex = w.ws.document.PaperIndex;
  expected.Sheets[0].frames[0].groups = DefaultLayerStates(expected.Sheets[0].frames[0].groups);
  EXPECT_EQ(w.ws.document, expected);
  EXPECT_TRUE(w.ws.drawing.JWWLines.empty());
  EXPECT_FALSE(w.ws.tool.Modified);
  EXPECT_FALSE(w.ws.tool.BaseLoaded);
  EXPECT_EQ(w.ws.redraw.BackdropMode, 0);
  EXPECT_EQ(w.ws.tool.ToolMode, 0);
  EXPECT_TRUE(w.ws.tool.LayoutFileName.empty());
  EXPECT_FALSE(w.shell.isPressed(Cmd::LayShikaku));
  EXPECT_EQ(w.shell.title, "Sheetwright");
  EXPECT_EQ(w.shell.scaleCaption, "S=");
  EXPECT_EQ(w.shell.status0, "");
  EXPECT_TRUE(w.shell.req.changed);
  EXPECT_FALSE(w.shell.layerPanelsEnabled);
}

}  // namespace
}  // namespace sw
