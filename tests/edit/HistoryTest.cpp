// Undo and redo of every kind of edit, the saved state, and what undo
// leaves alone (view, tool mode, files).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "edit/CommandsLayers.h"
#include "edit/CommandsLayoutName.h"
#include "edit/CommandsTestSupport.h"
#include "edit/CommandsView.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"

namespace sw {
namespace {

using test::CommandsScratch;
using test::LoadedWorkspace;

// A loaded drawing with a frame "north" on the first of two sheets, saved
// to plan.swt and opened from there: the clean state, an empty history.
void OpenTwoSheetLayout(LoadedWorkspace& w, const CommandsScratch& dir) {
  test::WriteCommandsDrawing(dir.file("plan.jww"));
  LoadedWorkspace maker;
  test::LoadBase(maker, dir.file("plan.jww"));
  ASSERT_TRUE(addFrame(maker.ws.document, kFrameRect, "north", {-100, -50}, {20, 40}));
  addSheet(maker.ws.document);
  ASSERT_TRUE(setFrameShown(maker.ws.document, 0, false));
  ASSERT_TRUE(selectSheet(maker.ws.document, 0));
  ASSERT_TRUE(SaveLayout(maker.ws.document, dir.file("plan.swt")));
  ASSERT_TRUE(OpenLayoutFile(w.ws, w.shell, w.prompts, dir.file("plan.swt")));
}

struct EditCase {
  const char* name;
  const char* label;
  std::function<bool(LoadedWorkspace&)> edit;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class UndoRedo : public ::testing::TestWithParam<EditCase> {};

// Every edit: Modified, undo back to the opened (clean) state clears it and
// names the step, redo gives the edited document back and sets it again.
TEST_P(UndoRedo, BackToTheOpenedStateAndForward) {
  CommandsScratch dir;
  LoadedWorkspace w;
  OpenTwoSheetLayout(w, dir);
  const LayoutDocument opened = w.ws.document;
  EXPECT_FALSE(UndoCommand(w.ws, w.shell)) << "an opened layout has nothing to undo";

  ASSERT_TRUE(GetParam().edit(w));
  const LayoutDocument edited = w.ws.document;
  ASSERT_NE(edited, opened);
  EXPECT_TRUE(w.ws.tool.Modified);
  ShowHistoryItems(w.ws, w.shell);
  EXPECT_TRUE(w.shell.isEnabled(Cmd::EditUndo1));
  EXPECT_FALSE(w.shell.isEnabled(Cmd::EditRedo1));

  const ViewState view = w.ws.view;
  w.ws.tool.ToolMode = kModeAuxLine;
  ASSERT_TRUE(UndoCommand(w.ws, w.shell));
  EXPECT_EQ(w.ws.document, opened);
  EXPECT_FALSE(w.ws.tool.Modified);
  EXPECT_EQ(w.shell.status1, std::string("戻る: ") + GetParam().label);
  EXPECT_EQ(w.ws.tool.ToolMode, kModeAuxLine) << "undo leaves the tool alone";
  EXPECT_EQ(w.ws.view.ViewWindow, view.ViewWindow) << "and the view";
  EXPECT_TRUE(w.shell.req.changed && w.shell.req.redraw);
  ShowHistoryItems(w.ws, w.shell);
  EXPECT_FALSE(w.shell.isEnabled(Cmd::EditUndo1));
  EXPECT_TRUE(w.shell.isEnabled(Cmd::EditRedo1));

  ASSERT_TRUE(RedoCommand(w.ws, w.shell));
  EXPECT_EQ(w.ws.document, edited);
  EXPECT_TRUE(w.ws.tool.Modified);
  EXPECT_EQ(w.shell.status1, std::string("進む: ") + GetParam().label);
  EXPECT_FALSE(RedoCommand(w.ws, w.shell));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, UndoRedo,
    ::testing::Values(
        EditCase{"Paper", "用紙サイズ変更", [](LoadedWorkspace& w) { return ChoosePaper(w.ws, w.shell, 0); }},
        EditCase{"RenameSheet", "レイアウト図面名変更",
                 [](LoadedWorkspace& w) {
                   w.prompts.nameTexts = {"ground"};
                   return RenameSheetCommand(w.ws, w.shell, w.prompts);
                 }},
        EditCase{"RenameFrame", "レイアウト名変更",
                 [](LoadedWorkspace& w) {
                   w.prompts.nameTexts = {"east"};
                   return RenameFrameCommand(w.ws, w.shell, w.prompts);
                 }},
        EditCase{"NewFrame", "レイアウト名",
                 [](LoadedWorkspace& w) {
                   w.ws.pointer.FirstPoint = {0, 0};
                   w.ws.pointer.SecondPoint = {30, 30};
                   w.ws.tool.ToolMode = kModeRectCommit;
                   w.prompts.nameTexts = {"south"};
                   return CommitNewFrame(w.ws, w.shell, w.prompts);
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UndoRedo, SwitchingSheetsIsNoStepAndUndoShowsTheEditedSheet) {
  CommandsScratch dir;
  LoadedWorkspace w;
  OpenTwoSheetLayout(w, dir);
  EXPECT_EQ(w.ws.redraw.BackdropMode, 1);
  w.prompts.nameTexts = {"ground"};
  ASSERT_TRUE(RenameSheetCommand(w.ws, w.shell, w.prompts));
  w.ws.tool.Modified = false;  // as if saved
  MarkClean(w.ws.history);

  ASSERT_TRUE(SwitchSheet(w.ws, w.shell, 1));
  EXPECT_EQ(w.ws.document.head.currentSheet, 1);
  EXPECT_EQ(w.ws.redraw.BackdropMode, 0) << "the grey backdrop follows the sheet's base tick";
  EXPECT_FALSE(w.ws.tool.Modified) << "switching is no edit";
  EXPECT_EQ(w.ws.history.undo.size(), 1u);
  EXPECT_FALSE(SwitchSheet(w.ws, w.shell, 2));

  ASSERT_TRUE(UndoCommand(w.ws, w.shell));
  EXPECT_EQ(w.ws.document.head.sheetNames[0], "layout1");
  EXPECT_EQ(w.ws.document.head.currentSheet, 0) << "the undone step's sheet is shown";
  EXPECT_EQ(w.ws.redraw.BackdropMode, 1);
  EXPECT_TRUE(w.ws.tool.Modified) << "the saved state was the renamed one";
}

TEST(UndoRedo, ANewEditDropsTheRedoStepsAndTheUnreachableSavedState) {
  Workspace ws;
  ShellState shell;
  ResetHistory(ws.history);
  ASSERT_TRUE(ChoosePaper(ws, shell, 2));
  MarkClean(ws.history);
  ASSERT_TRUE(UndoCommand(ws, shell));
  EXPECT_TRUE(ws.tool.Modified);
  ASSERT_TRUE(ChoosePaper(ws, shell, 2));  // the same paper again, by another road
  EXPECT_TRUE(ws.tool.Modified) << "a state reached again by a new edit is not the saved one";
  EXPECT_FALSE(RedoCommand(ws, shell));
}

TEST(UndoRedo, KeepsTheLast200Steps) {
  Workspace ws;
  ShellState shell;
  ResetHistory(ws.history);
  for (int i = 0; i < 250; ++i) ASSERT_TRUE(ChoosePaper(ws, shell, i % 5));
  int undone = 0;
  while (UndoCommand(ws, shell)) ++undone;
  EXPECT_EQ(undone, static_cast<int>(kHistoryDepth));
  EXPECT_EQ(ws.document.PaperIndex, 49 % 5) << "the document after the 50th edit";
  EXPECT_TRUE(ws.tool.Modified) << "the opened state was forgotten";
}

TEST(UndoRedo, FailedAndEmptyEditsRecordNothing) {
  Workspace ws;
  ShellState shell;
  ResetHistory(ws.history);
  EXPECT_FALSE(ChoosePaper(ws, shell, 5));
  EXPECT_TRUE(ChoosePaper(ws, shell, ws.document.PaperIndex)) << "the paper in use, chosen again";
  EXPECT_FALSE(Commit(ws, "x", [](LayoutDocument& d) { return renameSheet(d, 0, ""); }).ok());
  EXPECT_TRUE(ws.history.undo.empty());
  EXPECT_FALSE(ws.tool.Modified);
}

TEST(StartWorkspace, A1FittedEmptyHistoryAndAPlainLayerLabel) {
  Workspace ws;
  SetUpStartWorkspace(ws, BoxSize{400, 300});
  EXPECT_EQ(ws.document.PaperIndex, 1);
  EXPECT_EQ(ws.view.PaperSize.width, 841);
  EXPECT_TRUE(ws.view.ViewReady);
  EXPECT_GT(ws.view.ViewScale, 0);
  EXPECT_EQ(ViewBox(ws.view), (BoxSize{400, 300}));
  EXPECT_EQ(ws.document.Sheets[0].frames[0].groups[0].layers[0].state, 3);
  EXPECT_TRUE(ws.history.undo.empty());
  EXPECT_FALSE(ws.tool.Modified);
  EXPECT_EQ(LayerNameText(ws), "[0-0]") << "no names until a drawing gives them";
  ws.drawing.head.groupNames[0] = "G";
  EXPECT_EQ(LayerNameText(ws), "G- [0-0]");
}

}  // namespace
}  // namespace sw
