// The rules of the layout-name dialog and of the print-scale dialog.
#include <gtest/gtest.h>

#include <cctype>

#include <string>
#include <vector>

#include "edit/CommandsLayoutName.h"
#include "edit/CommandsPrintScale.h"
#include "layout/Operations.h"
#include "settings/JwcadSettings.h"

namespace sw {
namespace {

// A sheet "plan" (current) beside "detail", with frames "A" and "B"; frame 2 current.
Workspace NamedWorkspace() {
  Workspace ws;
  ws.document.head.sheetNames = {"plan", "detail"};
  ws.document.head.sheetHigh = 1;
  ws.document.Sheets.push_back(MakeEmptySheet());
  EXPECT_TRUE(addFrame(ws.document, kFrameRect, "A", {0, 0}, {10, 10}));
  EXPECT_TRUE(addFrame(ws.document, kFrameRect, "B", {20, 0}, {30, 10}));
  return ws;
}

struct NameCase {
  const char* name;
  std::int32_t mode;
  const char* text;
  bool accepted;
  const char* message;
  bool clearField;
  // What the document then holds.
  const char* sheetName;   // name of the current sheet
  const char* frame2Name;  // name of frame 2
  int frameHigh;
};

// Test names show the case's name, not its bytes.
void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class LayoutNameRules : public ::testing::TestWithParam<NameCase> {};

TEST_P(LayoutNameRules, CheckAndStore) {
  const NameCase& c = GetParam();
  Workspace ws = NamedWorkspace();
  ws.tool.ToolMode = c.mode;
  ws.tool.FirstPoint = {50, 40};
  ws.tool.SecondPoint = {10, 70};
  LayoutNameDialogState dlg;
  ActivateLayoutName(ws, dlg);
  EXPECT_EQ(dlg.workingMode, c.mode);
  const LayoutNameVerdict v = LayoutNameOk(ws, dlg, c.text);
  EXPECT_EQ(v.accepted, c.accepted);
  EXPECT_EQ(v.message, c.message);
  EXPECT_EQ(v.clearField, c.clearField);
  EXPECT_EQ(dlg.workingMode, c.accepted ? 1 : 0);
  EXPECT_EQ(LayoutNameMayClose(dlg), c.accepted);
  EXPECT_EQ(ws.document.head.sheetNames[0], c.sheetName);
  EXPECT_EQ(ws.document.Sheets[0].frames[2].name, c.frame2Name);
  EXPECT_EQ(ws.document.Sheets[0].frameHigh, c.frameHigh);
  EXPECT_EQ(ws.tool.ToolMode, c.mode) << "OK leaves ToolMode to the caller";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LayoutNameRules,
    ::testing::Values(
        NameCase{"EmptyName", 1200, "", false, "レイアウト名がありません。", true, "plan", "B", 2},
        NameCase{"NewRectangle", 1200, "C", true, "", false, "plan", "B", 3},
        NameCase{"NewCircle", 1210, "C", true, "", false, "plan", "B", 3},
        NameCase{"NewFrameWithATakenName", 1200, "A", false, "同じレイアウト名があります。名前を変えて下さい。",
                 true, "plan", "B", 2},
        NameCase{"NewFrameMayTakeASheetName", 1200, "plan", true, "", false, "plan", "B", 3},
        NameCase{"RenameFrame", 2000, "East", true, "", false, "plan", "East", 2},
        NameCase{"RenameFrameToItsOwnName", 2000, "B", false, "同じレイアウト名があります。名前を変えて下さい。",
                 true, "plan", "B", 2},
        NameCase{"RenameSheet", 3000, "floor", true, "", true, "floor", "B", 2},
        NameCase{"RenameSheetToItsOwnName", 3000, "plan", false,
                 "同じレイアウトタブがあります。名前を変えて下さい。", true, "plan", "B", 2},
        NameCase{"RenameSheetToAnother", 3000, "detail", false,
                 "同じレイアウトタブがあります。名前を変えて下さい。", true, "plan", "B", 2},
        NameCase{"RenameSheetMayTakeAFrameName", 3000, "A", true, "", true, "A", "B", 2},
        NameCase{"JapaneseName", 2000, "平面図", true, "", false, "plan", "\x95\xbd\x96\xca\x90\x7d", 2},
        NameCase{"NameWithoutCp932Form", 2000, "plan\xf0\x9f\x98\x80", false, "レイアウト名に使えない文字があります。",
                 false, "plan", "B", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutNameRules, NewFramesTakeThePointsNormalised) {
  Workspace ws = NamedWorkspace();
  ws.tool.FirstPoint = {50, 40};
  ws.tool.SecondPoint = {10, 70};
  LayoutNameDialogState dlg;
  ws.tool.ToolMode = 1200;
  ASSERT_TRUE(LayoutNameOk(ws, dlg, "R").accepted);
  const CLayMain& sheet = ws.document.Sheets[0];
  EXPECT_EQ(sheet.frames[3].kind, kFrameRect);
  EXPECT_EQ(sheet.frames[3].name, "R");
  EXPECT_EQ(sheet.rects[3], (CLayRect{1200, 10, 40, 50, 70}));
  EXPECT_EQ(sheet.selectedFrame, 3);
  EXPECT_EQ(sheet.shown.size(), 4u);
  ws.tool.ToolMode = 1210;
  ASSERT_TRUE(LayoutNameOk(ws, dlg, "O").accepted);
  EXPECT_EQ(sheet.frames[4].kind, kFrameCircle);
  EXPECT_EQ(sheet.circles[4].code, 1210);
  EXPECT_DOUBLE_EQ(sheet.circles[4].radius, 50.0);  // 3-4-5 triangle times 10
  EXPECT_EQ(sheet.circles[4].cx, 50);
}

TEST(LayoutNameRules, ActivationFillsTheNameToRename) {
  Workspace ws = NamedWorkspace();
  LayoutNameDialogState dlg;
  ws.tool.ToolMode = 2000;
  EXPECT_EQ(ActivateLayoutName(ws, dlg), "B");
  ws.tool.ToolMode = 3000;
  EXPECT_EQ(ActivateLayoutName(ws, dlg), "plan");
  ws.tool.ToolMode = 1200;
  EXPECT_EQ(ActivateLayoutName(ws, dlg), "");
}

TEST(LayoutNameRules, CancelAdds10000AndFinishes) {
  Workspace ws = NamedWorkspace();
  LayoutNameDialogState dlg;
  ws.tool.ToolMode = 1200;
  ActivateLayoutName(ws, dlg);
  LayoutNameOk(ws, dlg, "");  // refused: may not close now
  EXPECT_FALSE(LayoutNameMayClose(dlg));
  LayoutNameCancel(ws, dlg);
  EXPECT_EQ(ws.tool.ToolMode, 11200);
  EXPECT_TRUE(LayoutNameMayClose(dlg));
  EXPECT_EQ(ws.document.Sheets[0].frameHigh, 2);
}

struct PercentCase {
  const char* text;
  bool ok;
  double percent;  // CustomPrintPercent afterwards (starts at 100)
};

// Test names show the text typed (ASCII only, so that the names stay plain).
void PrintTo(const PercentCase& c, std::ostream* os) {
  const std::string text = c.text;
  *os << "text " << (text.empty() ? std::string("(empty)") : text);
}

class PrintScaleRules : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PrintScaleRules, ConvertOrRefuse) {
  ToolState tool;
  tool.CustomPrintPercent = 100;
  tool.PrintScaleDone = false;
  const Status s = PrintScaleOk(tool, GetParam().text);
  EXPECT_EQ(s.ok(), GetParam().ok);
  EXPECT_EQ(tool.CustomPrintPercent, GetParam().percent);
  EXPECT_EQ(tool.PrintScaleDone, GetParam().ok) << "a refused text keeps the waiting list waiting";
  if (!s.ok()) {
    EXPECT_EQ(s.error().message, kConversionError);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintScaleRules,
                         ::testing::Values(PercentCase{"80", true, 80}, PercentCase{"0", true, 1},
                                           PercentCase{"", true, 1}, PercentCase{"12.5", true, 12.5},
                                           PercentCase{" 70 ", true, 70}, PercentCase{"10000", true, 10000},
                                           PercentCase{"abc", false, 100}, PercentCase{"8O", false, 100},
                                           PercentCase{"-5", false, 100}, PercentCase{"0.0", false, 100},
                                           PercentCase{"1e-400", false, 100}, PercentCase{"1e400", false, 100},
                                           PercentCase{"nan", false, 100}, PercentCase{"inf", false, 100},
                                           PercentCase{"10000.5", false, 100}, PercentCase{"1e-320", false, 100},
                                           PercentCase{"0.01", true, 0.01}),
                         [](const auto& info) {
                           std::string n = std::to_string(info.index) + "_";
                           for (char ch : std::string(info.param.text)) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return n;
                         });

TEST(PrintScaleRules, CancelFinishesAndKeepsThePercentage) {
  ToolState tool;
  tool.CustomPrintPercent = 80;
  PrintScaleCancel(tool);
  EXPECT_TRUE(tool.PrintScaleDone);
  EXPECT_EQ(tool.CustomPrintPercent, 80);
  EXPECT_EQ(PrintPercentText(tool), "80");
  tool.CustomPrintPercent = 12.5;
  EXPECT_EQ(PrintPercentText(tool), "12.5");
}

}  // namespace
}  // namespace sw
