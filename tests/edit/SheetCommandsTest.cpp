// The sheet popup's commands against a workspace: names, questions, the
// selection after a delete, the copy's independence and the drop.
#include <gtest/gtest.h>

#include "edit/CommandsLayoutName.h"
#include "edit/CommandsSheets.h"
#include "edit/CommandsTestSupport.h"
#include "edit/CommandsView.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"

namespace sw {
namespace {

using test::CommandsScratch;
using test::LoadedWorkspace;

std::vector<std::string> Names(const Workspace& ws) { return ws.document.head.sheetNames; }

TEST(SheetCommands, NothingBeforeADrawingIsLoaded) {
  LoadedWorkspace w;
  w.shell.status1 = "x";
  EXPECT_FALSE(TabStripPressed(w.ws, w.shell, w.prompts));
  EXPECT_EQ(w.prompts.texts(), std::vector<std::string>{"元ファイルを先に読み込んで下さい。"});
  EXPECT_EQ(w.shell.status1, "");
  EXPECT_FALSE(CopySheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(w.prompts.texts().back(), "コピーする元レイアウトがありません。");
}

TEST(SheetCommands, AddCopyRenameDeleteAndUndoEach) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteCommandsDrawing(dir.file("plan.jww"));
  test::LoadBase(w, dir.file("plan.jww"));
  ASSERT_TRUE(TabStripPressed(w.ws, w.shell, w.prompts));
  ASSERT_TRUE(AddSheetCommand(w.ws, w.shell));
  w.prompts.nameTexts = {"layout3"};
  ASSERT_TRUE(RenameSheetCommand(w.ws, w.shell, w.prompts));
  ASSERT_TRUE(AddSheetCommand(w.ws, w.shell));
  EXPECT_EQ(Names(w.ws), (std::vector<std::string>{"layout1", "layout3", "layout2"}));
  ASSERT_TRUE(AddSheetCommand(w.ws, w.shell));
  EXPECT_EQ(Names(w.ws).back(), "layout4");

  // A copy of a sheet with a frame is its own: changing it leaves the source.
  ASSERT_TRUE(SwitchSheet(w.ws, w.shell, 0));
  ASSERT_TRUE(Commit(w.ws, "x", [](LayoutDocument& d) { return addFrame(d, kFrameRect, "f", {0, 0}, {5, 5}); }));
  ASSERT_TRUE(CopySheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(Names(w.ws).back(), "layout1(1)");
  EXPECT_EQ(w.ws.document.head.currentSheet, 4);
  ASSERT_TRUE(Commit(w.ws, "x", [](LayoutDocument& d) { return renameFrame(d, 1, "g"); }));
  EXPECT_EQ(w.ws.document.Sheets[0].frames[1].name, "f");
  ASSERT_TRUE(CopySheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(Names(w.ws).back(), "layout1(1)(1)");

  // Deleting a middle sheet selects the one that moved into its place.
  ASSERT_TRUE(SwitchSheet(w.ws, w.shell, 1));
  w.prompts.answers = {Answer::Yes};
  ASSERT_TRUE(DeleteSheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(w.prompts.texts().back(), "layout3 を削除していいですか？");
  EXPECT_EQ(w.ws.document.head.currentSheet, 1);
  EXPECT_EQ(Names(w.ws)[1], "layout2");
  w.prompts.answers = {Answer::No};
  EXPECT_FALSE(DeleteSheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(Names(w.ws).size(), 5u);

  const std::size_t steps = w.ws.history.undo.size();
  ASSERT_TRUE(UndoCommand(w.ws, w.shell));
  EXPECT_EQ(Names(w.ws)[1], "layout3") << "the deleted sheet is back";
  EXPECT_EQ(w.ws.history.undo.size(), steps - 1);
}

TEST(SheetCommands, DeletingTheOnlySheetAsksForANewLayout) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteCommandsDrawing(dir.file("plan.jww"));
  test::LoadBase(w, dir.file("plan.jww"));
  w.prompts.answers = {Answer::No};
  EXPECT_FALSE(DeleteSheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_TRUE(w.ws.tool.BaseLoaded);
  w.prompts.answers = {Answer::Yes};
  EXPECT_TRUE(DeleteSheetCommand(w.ws, w.shell, w.prompts));
  EXPECT_EQ(w.prompts.texts().back(), "新規作成になります。よろしいですか？");
  EXPECT_FALSE(w.ws.tool.BaseLoaded) << "New ran";
}

// The drop moves the sheet with its name; the order survives save and open.
TEST(SheetCommands, TheDropMovesSheetAndNameTogether) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteCommandsDrawing(dir.file("plan.jww"));
  test::LoadBase(w, dir.file("plan.jww"));
  ASSERT_TRUE(AddSheetCommand(w.ws, w.shell));
  ASSERT_TRUE(Commit(w.ws, "x", [](LayoutDocument& d) { return addFrame(d, kFrameRect, "second", {0, 0}, {5, 5}); }));
  ASSERT_TRUE(AddSheetCommand(w.ws, w.shell));
  ASSERT_TRUE(SwitchSheet(w.ws, w.shell, 1));
  ASSERT_TRUE(MoveSheetCommand(w.ws, w.shell, 1, 2));
  EXPECT_EQ(Names(w.ws), (std::vector<std::string>{"layout1", "layout3", "layout2"}));
  EXPECT_EQ(w.ws.document.head.currentSheet, 2) << "the shown sheet follows its tab";
  EXPECT_EQ(w.ws.document.Sheets[2].frames[1].name, "second");
  EXPECT_TRUE(w.ws.tool.Modified);

  w.prompts.saveNames.push_back(dir.file("moved"));
  ASSERT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Saved);
  LoadedWorkspace other;
  ASSERT_TRUE(OpenLayoutFile(other.ws, other.shell, other.prompts, dir.file("moved.swt")));
  EXPECT_EQ(Names(other.ws), Names(w.ws));
  EXPECT_EQ(other.ws.document.Sheets[2].frames[1].name, "second");
}

}  // namespace
}  // namespace sw
