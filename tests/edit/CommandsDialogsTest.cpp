// The layout-name rules and the edits that take a name; the print-scale
// rules and the output-scale list.
#include <gtest/gtest.h>

#include <cctype>

#include <string>
#include <vector>

#include "core/Cp932.h"
#include "edit/CommandsLayoutName.h"
#include "edit/CommandsPrintScale.h"
#include "layout/Operations.h"
#include "settings/JwcadSettings.h"
#include "support/ScriptedPrompts.h"

namespace sw {
namespace {

using test::ScriptedPrompts;

// A sheet "plan" (current) beside "detail", with frames "A" and "B"; frame 2 current.
Workspace NamedWorkspace() {
  Workspace ws;
  ws.document.head.sheetNames = {"plan", "detail"};
  ws.document.head.sheetHigh = 1;
  ws.document.Sheets.push_back(MakeEmptySheet());
  EXPECT_TRUE(addFrame(ws.document, kFrameRect, "A", {0, 0}, {10, 10}));
  EXPECT_TRUE(addFrame(ws.document, kFrameRect, "B", {20, 0}, {30, 10}));
  ResetHistory(ws.history);
  return ws;
}

enum class Asker { NewFrame, RenameFrame, RenameSheet };

struct NameCase {
  const char* name;
  Asker asker;
  const char* text;
  bool accepted;
  const char* message;
  bool clearField;
};

// Test names show the case's name, not its bytes.
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class LayoutNameRules : public ::testing::TestWithParam<NameCase> {};

TEST_P(LayoutNameRules, Check) {
  const NameCase& c = GetParam();
  const Workspace ws = NamedWorkspace();
  const NameRequest request = c.asker == Asker::NewFrame      ? NewFrameRequest(ws)
                              : c.asker == Asker::RenameFrame ? RenameFrameRequest(ws)
                                                              : RenameSheetRequest(ws);
  const LayoutNameVerdict v = CheckLayoutName(request, c.text);
  EXPECT_EQ(v.accepted, c.accepted);
  EXPECT_EQ(v.message, c.message);
  EXPECT_EQ(v.clearField, c.clearField);
  if (v.accepted) {
    EXPECT_EQ(v.name, Utf8ToCp932(c.text));
  }
}

constexpr const char* kDupFrame = "同じレイアウト名があります。名前を変えて下さい。";
constexpr const char* kDupSheet = "同じレイアウトタブがあります。名前を変えて下さい。";

INSTANTIATE_TEST_SUITE_P(
    Askers, LayoutNameRules,
    ::testing::Values(NameCase{"EmptyName", Asker::NewFrame, "", false, "レイアウト名がありません。", true},
                      NameCase{"NewFrame", Asker::NewFrame, "C", true, "", false},
                      NameCase{"NewFrameWithATakenName", Asker::NewFrame, "A", false, kDupFrame, true},
                      NameCase{"NewFrameMayTakeASheetName", Asker::NewFrame, "plan", true, "", false},
                      NameCase{"RenameFrame", Asker::RenameFrame, "East", true, "", false},
                      NameCase{"RenameFrameToItsOwnName", Asker::RenameFrame, "B", false, kDupFrame, true},
                      NameCase{"RenameSheet", Asker::RenameSheet, "floor", true, "", false},
                      NameCase{"RenameSheetToItsOwnName", Asker::RenameSheet, "plan", false, kDupSheet, true},
                      NameCase{"RenameSheetToAnother", Asker::RenameSheet, "detail", false, kDupSheet, true},
                      NameCase{"RenameSheetMayTakeAFrameName", Asker::RenameSheet, "A", true, "", false},
                      NameCase{"JapaneseName", Asker::RenameFrame, "平面図", true, "", false},
                      NameCase{"NameWithoutCp932Form", Asker::RenameFrame, "plan\xf0\x9f\x98\x80", false,
                               "レイアウト名に使えない文字があります。", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutNameRules, RequestsCarryCaptionAndFirstText) {
  const Workspace ws = NamedWorkspace();
  EXPECT_EQ(NewFrameRequest(ws).caption, "レイアウト名");
  EXPECT_EQ(NewFrameRequest(ws).initial, "");
  EXPECT_EQ(RenameFrameRequest(ws).caption, "レイアウト名変更");
  EXPECT_EQ(RenameFrameRequest(ws).initial, "B");
  EXPECT_EQ(RenameSheetRequest(ws).caption, "レイアウト図面名変更");
  EXPECT_EQ(RenameSheetRequest(ws).initial, "plan");
}

// A rectangle dragged from lower right to upper left and a circle, each
// committed through the name dialog's path: normalised corners, the
// drawing's layer state, shown, current, one undo step each.
TEST(CommitNewFrame, AddsShownCurrentFramesAsUndoableSteps) {
  Workspace ws = NamedWorkspace();
  ws.drawing.head.writeGroup = 5;
  ws.drawing.head.groups[5].scale = 200;
  ShellState shell;
  ScriptedPrompts prompts;
  prompts.nameTexts = {"", "A", "R", "O"};
  ws.pointer.FirstPoint = {50, 40};
  ws.pointer.SecondPoint = {10, 70};
  ws.tool.ToolMode = kModeRectCommit;
  ASSERT_TRUE(CommitNewFrame(ws, shell, prompts));
  ws.tool.ToolMode = kModeCircleCommit;
  ASSERT_TRUE(CommitNewFrame(ws, shell, prompts));
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"レイアウト名がありません。", kDupFrame}));

  const CLayMain& sheet = ws.document.Sheets[0];
  EXPECT_EQ(sheet.frames[3].kind, kFrameRect);
  EXPECT_EQ(sheet.frames[3].name, "R");
  EXPECT_EQ(sheet.rects[3], (CLayRect{1200, 10, 40, 50, 70}));
  EXPECT_EQ(sheet.frames[3].writeGroup, 5);
  EXPECT_EQ(sheet.frames[3].groups[5].scale, 200);
  EXPECT_EQ(sheet.frames[4].kind, kFrameCircle);
  EXPECT_EQ(sheet.circles[4], (CLayCircle{1210, 50, 40, 50}));  // 3-4-5 triangle times 10
  EXPECT_EQ(sheet.shown, (std::vector<bool>{false, false, false, true, true}));
  EXPECT_EQ(sheet.selectedFrame, 4);
  EXPECT_TRUE(ws.tool.Modified);
  EXPECT_EQ(ws.tool.ToolMode, kModeCircleCommit) << "the pointer engine moves ToolMode on";
  EXPECT_TRUE(shell.layerPanelsEnabled);

  std::string ignored;
  ASSERT_TRUE(UndoStep(ws.history, ws.document, ignored));
  EXPECT_EQ(ws.document.Sheets[0].frameHigh, 3);
  ASSERT_TRUE(UndoStep(ws.history, ws.document, ignored));
  EXPECT_EQ(ws.document, NamedWorkspace().document);
}

TEST(CommitNewFrame, CancelAdds10000AndAddsNothing) {
  Workspace ws = NamedWorkspace();
  ShellState shell;
  ScriptedPrompts prompts;
  prompts.nameTexts = {""};  // refused, then the dialog is cancelled
  ws.tool.ToolMode = kModeRectCommit;
  EXPECT_FALSE(CommitNewFrame(ws, shell, prompts));
  EXPECT_EQ(ws.tool.ToolMode, 11200);
  EXPECT_EQ(ws.document, NamedWorkspace().document);
  EXPECT_FALSE(ws.tool.Modified);
  EXPECT_TRUE(ws.history.undo.empty());
}

struct RenameCase {
  const char* name;
  bool sheet;  // rename the sheet, else the current frame
  std::vector<std::string> texts;
  bool renamed;
  const char* frame2;
  const char* sheet0;
};
void PrintTo(const RenameCase& c, std::ostream* os) { *os << c.name; }

class Rename : public ::testing::TestWithParam<RenameCase> {};

// Either rename ends idle and is one undo step.
TEST_P(Rename, ThroughTheDialogPath) {
  const RenameCase& c = GetParam();
  Workspace ws = NamedWorkspace();
  ShellState shell;
  ScriptedPrompts prompts;
  prompts.nameTexts = {c.texts.begin(), c.texts.end()};
  const bool renamed = c.sheet ? RenameSheetCommand(ws, shell, prompts) : RenameFrameCommand(ws, shell, prompts);
  EXPECT_EQ(renamed, c.renamed);
  EXPECT_EQ(ws.document.Sheets[0].frames[2].name, c.frame2);
  EXPECT_EQ(ws.document.head.sheetNames[0], c.sheet0);
  EXPECT_EQ(ws.tool.ToolMode, kModeIdle);
  EXPECT_EQ(ws.tool.Modified, c.renamed);
  EXPECT_EQ(ws.history.undo.size(), c.renamed ? 1u : 0u);
  if (c.renamed) {
    EXPECT_EQ(ws.history.undo.back().label, c.sheet ? "レイアウト図面名変更" : "レイアウト名変更");
    std::string label;
    ASSERT_TRUE(UndoStep(ws.history, ws.document, label));
    EXPECT_EQ(ws.document, NamedWorkspace().document);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Rename,
                         ::testing::Values(RenameCase{"Frame", false, {"East"}, true, "East", "plan"},
                                           RenameCase{"FrameAfterARefusal", false, {"A", "East"}, true, "East", "plan"},
                                           RenameCase{"FrameCancelled", false, {}, false, "B", "plan"},
                                           RenameCase{"Sheet", true, {"floor"}, true, "B", "floor"},
                                           RenameCase{"SheetCancelled", true, {"detail"}, false, "B", "plan"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rename, TheBaseEntryIsNeverRenamed) {
  Workspace ws = NamedWorkspace();
  ASSERT_TRUE(selectFrame(ws.document, 0));
  ShellState shell;
  ScriptedPrompts prompts;
  EXPECT_FALSE(RenameFrameCommand(ws, shell, prompts));
  EXPECT_TRUE(prompts.nameRequests.empty());
}

struct PercentCase {
  const char* text;
  bool ok;
  double percent;
};

// Test names show the text typed (ASCII only, so that the names stay plain).
void PrintTo(const PercentCase& c, std::ostream* os) {
  const std::string text = c.text;
  *os << "text " << (text.empty() ? std::string("(empty)") : text);
}

class PrintScaleRules : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PrintScaleRules, ConvertOrRefuse) {
  const Result<double> v = ParsePrintPercent(GetParam().text);
  EXPECT_EQ(v.ok(), GetParam().ok);
  if (v.ok()) {
    EXPECT_EQ(v.value(), GetParam().percent);
  } else {
    EXPECT_EQ(v.error().message, kConversionError);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintScaleRules,
                         ::testing::Values(PercentCase{"80", true, 80}, PercentCase{"0", true, 1},
                                           PercentCase{"", true, 1}, PercentCase{"12.5", true, 12.5},
                                           PercentCase{" 70 ", true, 70}, PercentCase{"10000", true, 10000},
                                           PercentCase{"abc", false, 0}, PercentCase{"8O", false, 0},
                                           PercentCase{"-5", false, 0}, PercentCase{"0.0", false, 0},
                                           PercentCase{"1e-400", false, 0}, PercentCase{"1e400", false, 0},
                                           PercentCase{"nan", false, 0}, PercentCase{"inf", false, 0},
                                           PercentCase{"10000.5", false, 0}, PercentCase{"1e-320", false, 0},
                                           PercentCase{"0.01", true, 0.01}),
                         [](const auto& info) {
                           std::string n = std::to_string(info.index) + "_";
                           for (char ch : std::string(info.param.text)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

// The output-scale list: the table's factors, a custom percentage, and a
// cancelled dialog that keeps the last one.
TEST(ChooseOutputScale, TableCustomAndCancel) {
  Workspace ws;
  ShellState shell;
  ScriptedPrompts prompts;
  const double factors[] = {2.0, 1.41, 1.0, 0.71, 0.5, 0.35, 0.25};
  for (int i = 0; i < 7; ++i) {
    ChooseOutputScale(ws, shell, prompts, i);
    EXPECT_EQ(ws.print.OutputScale, factors[i]) << i;
  }
  prompts.percents = {80.0, std::nullopt};
  ChooseOutputScale(ws, shell, prompts, kCustomScaleItem);
  EXPECT_DOUBLE_EQ(ws.print.OutputScale, 0.8);
  EXPECT_TRUE(ws.print.PrintScaleDone);
  ChooseOutputScale(ws, shell, prompts, kCustomScaleItem);
  EXPECT_EQ(ws.print.CustomPrintPercent, 80);
  EXPECT_DOUBLE_EQ(ws.print.OutputScale, 0.8);
  EXPECT_EQ(prompts.percentsAsked, (std::vector<double>{100, 80}));
  EXPECT_EQ(CustomScaleItemText(12.5), "任意倍率(12.5%)");
  EXPECT_FALSE(ws.tool.Modified) << "the output scale is no edit of the layout";
}

// The preview's page outline for each item of the list, with a landscape A3
// printer page over an A3 sheet: the page drawn at 1/scale of its size
// around the paper centre (item 7 after a custom 80 %).
TEST(ChooseOutputScale, PreviewOutlineForEachItem) {
  Workspace ws;
  ShellState shell;
  ScriptedPrompts prompts;
  FitViewToPaper(ws.view, 3, BoxSize{1024, 800});
  ws.print.PrinterPaperMm.width = 420;
  ws.print.PrinterPaperMm.height = 297;
  const PixelRect paper = PaperOutline(ws.view);
  const double pagePerPaper[kOutputScaleItems] = {0.5, 1 / 1.41, 1, 1 / 0.71, 2, 1 / 0.35, 4, 1.25};
  prompts.percents = {80.0};
  for (int item = 0; item < kOutputScaleItems; ++item) {
    ChooseOutputScale(ws, shell, prompts, item);
    const PixelRect page = PrinterOutline(ws.view, ws.print);
    EXPECT_NEAR(page.right - page.left, (paper.right - paper.left) * pagePerPaper[item], 1.5) << item;
    EXPECT_NEAR(page.bottom - page.top, (paper.bottom - paper.top) * pagePerPaper[item], 1.5) << item;
    EXPECT_NEAR(page.left + page.right, paper.left + paper.right, 1) << item;
    EXPECT_NEAR(page.top + page.bottom, paper.top + paper.bottom, 1) << item;
  }
}

}  // namespace
}  // namespace sw
