// The enabling of the commands at each moment, and the tool commands with
// their modes, pressed buttons and prompts.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "edit/CommandsPrintScale.h"
#include "edit/CommandsTestSupport.h"
#include "layout/Operations.h"
#include "layout/SwtFile.h"

namespace sw {
namespace {

using test::CommandsScratch;
using test::LoadedWorkspace;

constexpr Cmd kShown[] = {Cmd::FileNew1,   Cmd::FileOpen1,  Cmd::FileSave1,  Cmd::FileSaveAs1,
                          Cmd::FilePrint1, Cmd::LayFileAs,  Cmd::LayShikaku, Cmd::LayCircle,
                          Cmd::LayPline,   Cmd::LayLine,    Cmd::LayDelLine, Cmd::ChangeMove,
                          Cmd::ChangeCopy, Cmd::ChangeTransform};

// One letter per command of kShown: E both enabled, - both disabled, m only
// the menu item, b only the button.
std::string Enabling(const ShellState& s) {
  std::string out;
  for (Cmd c : kShown) {
    const CmdEnabled e = s.enabled[Index(c)];
    out += e.menu && e.button ? 'E' : e.menu ? 'm' : e.button ? 'b' : '-';
  }
  return out;
}

struct EnableCase {
  const char* name;
  std::function<void(LoadedWorkspace&, const CommandsScratch&)> steps;
  const char* expected;  // letters for kShown:   NOSAPLrcptdmCT
};

// Test names show the case's name, not its bytes.
void PrintTo(const EnableCase& c, std::ostream* os) { *os << c.name; }

class EnablingTable : public ::testing::TestWithParam<EnableCase> {};

TEST_P(EnablingTable, MatchesTheMoment) {
  CommandsScratch dir;
  LoadedWorkspace w;
  test::WriteCommandsDrawing(dir.file("plan.jww"));
  GetParam().steps(w, dir);
  EXPECT_EQ(Enabling(w.shell), GetParam().expected);
  EXPECT_TRUE(w.prompts.unexpected.empty()) << ::testing::PrintToString(w.prompts.unexpected);
}

void Load(LoadedWorkspace& w, const CommandsScratch& d) { test::LoadBase(w, d.file("plan.jww")); }
void SaveAsTo(LoadedWorkspace& w, const CommandsScratch& d) {
  w.prompts.saveNames.push_back(d.file("saved.swt"));
  ASSERT_EQ(SaveAsCommand(w.ws, w.shell, w.prompts), SaveAsOutcome::Saved);
}
void Open(LoadedWorkspace& w, const CommandsScratch& d) {
  Load(w, d);
  ASSERT_TRUE(SaveLayout(w.ws.document, d.file("open.swt")));
  ASSERT_TRUE(OpenLayoutFile(w.ws, w.shell, w.prompts, d.file("open.swt")));
}
void New(LoadedWorkspace& w, const CommandsScratch&) { ASSERT_TRUE(NewCommand(w.ws, w.shell, w.prompts)); }

INSTANTIATE_TEST_SUITE_P(
    Moments, EnablingTable,
    ::testing::Values(
        EnableCase{"Start", [](LoadedWorkspace&, const CommandsScratch&) {}, "EEmEEE--------"},
        EnableCase{"AfterNew", New, "EE-EEE--------"},
        EnableCase{"AfterLoadingADrawing", Load, "EEmEE-E--EEE-E"},
        EnableCase{"AfterOpeningALayout", Open, "EEEEE-E--EEE-E"},
        EnableCase{"AfterSaveAsOfALoadedDrawing",
                   [](LoadedWorkspace& w, const CommandsScratch& d) { Load(w, d); SaveAsTo(w, d); },
                   "EEEEE-E--EEE-E"},
        EnableCase{"AfterSaveAsAtStart", SaveAsTo, "EEEEEE--------"},
        EnableCase{"NewAfterOpen",
                   [](LoadedWorkspace& w, const CommandsScratch& d) { Open(w, d); New(w, d); },
                   "EE-EEE--------"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- tool commands ---

struct ToolCase {
  const char* name;
  std::function<void(Workspace&, ShellState&, Prompts&)> command;
  std::int32_t modeBefore;
  std::int32_t currentFrame;  // 0 = base drawing, 1 = a frame
  std::int32_t modeAfter;
  Cmd button;
  bool pressedAfter;
  const char* status;
  const char* message;  // expected message box, or ""
};

// Test names show the case's name, not its bytes.
void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.name; }

class ToolCommands : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolCommands, SetModeButtonAndPrompt) {
  const ToolCase& c = GetParam();
  Workspace ws;
  ShellState shell = StartShell();
  test::ScriptedPrompts prompts;
  if (c.currentFrame == 1) {
    ASSERT_TRUE(addFrame(ws.document, kFrameRect, "A", {0, 0}, {10, 10}));
  }
  ws.tool.ToolMode = c.modeBefore;
  if (c.modeBefore != 0) shell.pressed[Index(c.button)] = true;
  if (c.modeBefore == kModeTransform) ws.tool.TransformHandles = true;
  shell.status1 = "old prompt";
  c.command(ws, shell, prompts);
  EXPECT_EQ(ws.tool.ToolMode, c.modeAfter);
  EXPECT_EQ(shell.isPressed(c.button), c.pressedAfter);
  EXPECT_EQ(shell.status1, c.status);
  if (*c.message) {
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, c.message);
  } else {
    EXPECT_TRUE(prompts.messages.empty());
  }
}

auto Rect = [](Workspace& ws, ShellState& s, Prompts&) { RectangleTool(ws, s); };
auto Aux = [](Workspace& ws, ShellState& s, Prompts&) { AuxLineTool(ws, s); };
auto Circle = [](Workspace& ws, ShellState& s, Prompts&) { CircleTool(ws, s); };
auto DelLine = [](Workspace& ws, ShellState& s, Prompts&) { DeleteLineTool(ws, s); };
auto Move = [](Workspace& ws, ShellState& s, Prompts& p) { MoveTool(ws, s, p); };
auto Transform = [](Workspace& ws, ShellState& s, Prompts& p) { TransformTool(ws, s, p); };

INSTANTIATE_TEST_SUITE_P(
    Tools, ToolCommands,
    ::testing::Values(
        ToolCase{"RectangleOn", Rect, 0, 0, 100, Cmd::LayShikaku, true, "開始点を指示して下さい。", ""},
        ToolCase{"RectangleTwiceIsIdle", Rect, 100, 0, 0, Cmd::LayShikaku, false, "", ""},
        ToolCase{"RectangleFromAuxLine", Rect, 130, 0, 100, Cmd::LayShikaku, true, "開始点を指示して下さい。", ""},
        ToolCase{"AuxLineOn", Aux, 0, 0, 130, Cmd::LayLine, true, "開始点を指示して下さい。", ""},
        ToolCase{"AuxLineTwiceIsIdle", Aux, 130, 0, 0, Cmd::LayLine, false, "", ""},
        ToolCase{"CircleHasNoToggle", Circle, 110, 0, 110, Cmd::LayCircle, true, "円中心点を指示して下さい。", ""},
        ToolCase{"DeleteLineHasNoPrompt", DelLine, 0, 0, 300, Cmd::LayDelLine, true, "old prompt", ""},
        ToolCase{"MoveOnBaseOnlyShowsItsMessage", Move, 0, 0, 0, Cmd::ChangeMove, false, "",
                 "元ファイルは移動出来ません。"},
        ToolCase{"MoveOnAFrame", Move, 0, 1, 150, Cmd::ChangeMove, true, "移動開始点を指示して下さい。", ""},
        ToolCase{"MoveTwiceIsIdle", Move, 150, 1, 0, Cmd::ChangeMove, false, "", ""},
        ToolCase{"TransformOnBaseChangesNothing", Transform, 100, 0, 100, Cmd::ChangeTransform, true,
                 "old prompt", "元ファイルは変形出来ません。"},
        ToolCase{"TransformOnAFrame", Transform, 0, 1, 170, Cmd::ChangeTransform, true,
                 "変形点を選択して下さい。", ""},
        ToolCase{"TransformTwiceIsIdle", Transform, 170, 1, 0, Cmd::ChangeTransform, false, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolCommands, ChoosingAnotherToolReleasesTheFirst) {
  Workspace ws;
  ShellState shell = StartShell();
  ASSERT_TRUE(addFrame(ws.document, kFrameRect, "A", {0, 0}, {10, 10}));
  test::ScriptedPrompts prompts;
  RectangleTool(ws, shell);
  TransformTool(ws, shell, prompts);
  EXPECT_FALSE(shell.isPressed(Cmd::LayShikaku));
  EXPECT_TRUE(shell.isPressed(Cmd::ChangeTransform));
  EXPECT_TRUE(ws.tool.TransformHandles);
  AuxLineTool(ws, shell);
  EXPECT_FALSE(shell.isPressed(Cmd::ChangeTransform));
  EXPECT_FALSE(ws.tool.TransformHandles);
  EXPECT_EQ(ws.tool.ToolMode, 130);
}

TEST(ModeReset, LeavesPreviewAndKeepsToolMode) {
  Workspace ws;
  ShellState shell = StartShell();
  test::ScriptedPrompts prompts;
  prompts.printers.push_back(PrinterPage{287, 200});
  ASSERT_TRUE(PrintPreviewCommand(ws, shell, prompts));
  EXPECT_TRUE(ws.print.PrintPreview);
  EXPECT_EQ(ws.print.PrinterPaperMm.width, 287);
  EXPECT_EQ(ws.print.PrinterPaperMm.height, 200);
  EXPECT_EQ(shell.toolBarVisible, (std::array<bool, 6>{false, false, false, false, false, true}));
  ws.tool.ToolMode = 230;
  ws.print.Printing = true;
  ModeReset(ws, shell);
  EXPECT_FALSE(ws.print.PrintPreview);
  EXPECT_FALSE(ws.print.Printing);
  EXPECT_EQ(ws.tool.ToolMode, 230);
  EXPECT_EQ(shell.toolBarVisible, (std::array<bool, 6>{false, true, true, true, true, false}));
  EXPECT_TRUE(shell.req.invalidate);
}

TEST(ModeReset, CancelledPrinterSetupChangesNothing) {
  Workspace ws;
  ShellState shell = StartShell();
  test::ScriptedPrompts prompts;
  prompts.printers.push_back(std::nullopt);
  EXPECT_FALSE(PrintPreviewCommand(ws, shell, prompts));
  EXPECT_FALSE(ws.print.PrintPreview);
  EXPECT_TRUE(shell.toolBarVisible[1]);
  EXPECT_FALSE(shell.toolBarVisible[5]);
}

TEST(EscapeKey, EndsEveryToolAndClearsThePrompt) {
  Workspace ws;
  ShellState shell = StartShell();
  ASSERT_TRUE(addFrame(ws.document, kFrameRect, "A", {0, 0}, {10, 10}));
  test::ScriptedPrompts prompts;
  TransformTool(ws, shell, prompts);
  ws.pointer.GestureActive = true;
  ws.pointer.RubberShown = true;
  EscapeKey(ws, shell);
  EXPECT_EQ(ws.tool.ToolMode, 0);
  EXPECT_FALSE(ws.tool.TransformHandles);
  EXPECT_FALSE(ws.pointer.GestureActive);
  EXPECT_FALSE(ws.pointer.RubberShown);
  EXPECT_FALSE(shell.isPressed(Cmd::ChangeTransform));
  EXPECT_EQ(shell.status1, "");
}

TEST(Captions, ScaleAndShortestDecimal) {
  EXPECT_EQ(ScaleCaption(50), "S=1/50");
  EXPECT_EQ(ScaleCaption(2.5), "S=1/2.5");
  EXPECT_EQ(ShortestDecimal(1000000), "1000000");
  EXPECT_EQ(ShortestDecimal(0.8), "0.8");
  EXPECT_EQ(TitleFor(""), "Sheetwright");
  EXPECT_EQ(TitleFor("/a/b/plan.swt"), "plan.swt - Sheetwright");
  EXPECT_EQ(TitleFor("/a/図面/平面.SWT"), "平面.SWT - Sheetwright") << "UTF-8 paths stay UTF-8";
}

TEST(DefaultLayerStates, LayersAsAtStartScalesKept) {
  std::array<JWWLayerGroupState, 16> groups{};
  groups[7].state = 3;
  groups[7].scale = 50;
  const auto f = DefaultLayerStates(groups);
  EXPECT_EQ(f[7].scale, 50);
  for (int g = 0; g < 16; ++g) {
    EXPECT_EQ(f[g].state, g == 0 ? 3 : 2);
    for (int l = 0; l < 16; ++l) EXPECT_EQ(f[g].layers[l].state, l == 0 ? 3 : 2);
  }
}

}  // namespace
}  // namespace sw
