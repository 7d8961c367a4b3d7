// The layer panel's rules: what each click on a layer, group or "All"
// button does to the current frame's layer state, and its undo step.
#include <gtest/gtest.h>

#include <tuple>

#include "edit/Commands.h"
#include "edit/CommandsLayers.h"
#include "edit/EditDocument.h"
#include "layout/Operations.h"

namespace sw {
namespace {

// A frame "north" selected on the only sheet, in the default layer state
// (group 0 and layer 0 of every group are the write ones); group g of the
// drawing has scale 10 * (g + 1); no undo steps yet.
struct FrameWorkspace {
  Workspace ws;
  ShellState shell = StartShell();
  FrameWorkspace() {
    EXPECT_TRUE(addFrame(ws.document, kFrameRect, "north", {-50, -50}, {50, 50}));
    EXPECT_TRUE(setFrameLayers(ws.document, 1, 0, DefaultLayerStates(CurrentFrameEntry(ws.document).groups)));
    for (int g = 0; g < 16; ++g) ws.drawing.head.groups[static_cast<std::size_t>(g)].scale = 10.0 * (g + 1);
    SyncLayerPanel(ws);
    ResetHistory(ws.history);
  }
  CLayCount& frame() { return CurrentSheet(ws.document).frames[1]; }
  JWWLayerGroupState& group(int g) { return frame().groups[static_cast<std::size_t>(g)]; }
  JWWLayerState& layer(int l) { return group(ws.layers.CurrentGroup).layers[static_cast<std::size_t>(l)]; }
};

enum class Kind { Layer, Group };

// Layer 5 of the current group or group 5: its state and protect.
std::pair<std::int32_t*, std::int32_t*> Slot(FrameWorkspace& w, Kind kind) {
  if (kind == Kind::Layer) return {&w.layer(5).state, &w.layer(5).protect};
  return {&w.group(5).state, &w.group(5).protect};
}

bool Click(FrameWorkspace& w, Kind kind, int n, LayerClick click) {
  return kind == Kind::Layer ? LayerButtonClick(w.ws, w.shell, n, click) : GroupButtonClick(w.ws, w.shell, n, click);
}

struct ButtonCase {
  const char* name;
  std::int32_t state, protect;  // before
  LayerClick click;
  std::int32_t wantState, wantProtect;
  bool changes;  // an undo step is recorded
};
void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.name; }

constexpr ButtonCase kButtonCases[] = {
    {"HiddenToShown", 0, 0, LayerClick::Left, 1, 0, true},
    {"ShownToEditable", 1, 0, LayerClick::Left, 2, 0, true},
    {"EditableToHidden", 2, 0, LayerClick::Left, 0, 0, true},
    {"WriteOneStays", 3, 0, LayerClick::Left, 3, 0, false},
    {"Protect1StillSteps", 1, 1, LayerClick::Left, 2, 1, true},
    {"Protect2IgnoresPlainClick", 1, 2, LayerClick::Left, 1, 2, false},
    {"CtrlSetsProtect1", 2, 0, LayerClick::CtrlLeft, 2, 1, true},
    {"CtrlClearsProtect1", 2, 1, LayerClick::CtrlLeft, 2, 0, true},
    {"CtrlTurnsProtect2Into1", 2, 2, LayerClick::CtrlLeft, 2, 1, true},
    {"ShiftCtrlSetsProtect2", 0, 0, LayerClick::ShiftCtrlLeft, 0, 2, true},
    {"ShiftCtrlClearsProtect2", 0, 2, LayerClick::ShiftCtrlLeft, 0, 0, true},
    {"ShiftCtrlTurnsProtect1Into2", 0, 1, LayerClick::ShiftCtrlLeft, 0, 2, true},
    {"RightOnProtect1ChangesNothing", 1, 1, LayerClick::Right, 1, 1, false},
    {"RightOnProtect2ChangesNothing", 0, 2, LayerClick::Right, 0, 2, false},
    {"RightMakesTheWriteOne", 0, 0, LayerClick::Right, 3, 0, true},
};

class ButtonRules : public ::testing::TestWithParam<std::tuple<Kind, ButtonCase>> {};

TEST_P(ButtonRules, StateProtectAndUndoStep) {
  const auto& [kind, c] = GetParam();
  FrameWorkspace w;
  *Slot(w, kind).first = c.state;
  *Slot(w, kind).second = c.protect;
  const LayoutDocument before = w.ws.document;

  ASSERT_TRUE(Click(w, kind, 5, c.click));
  EXPECT_EQ(*Slot(w, kind).first, c.wantState);
  EXPECT_EQ(*Slot(w, kind).second, c.wantProtect);
  EXPECT_EQ(w.ws.history.undo.size(), c.changes ? 1u : 0u);
  EXPECT_EQ(w.shell.req, (ShellRequests{true, true, true})) << "refreshed and redrawn even when nothing changed";
  if (kind == Kind::Group) {
    EXPECT_EQ(w.shell.scaleCaption, "S=1/60") << "the clicked group's scale, any click";
  }
  if (!c.changes) return;
  ASSERT_TRUE(UndoCommand(w.ws, w.shell));
  EXPECT_EQ(w.ws.document, before);
}

INSTANTIATE_TEST_SUITE_P(All, ButtonRules,
                         ::testing::Combine(::testing::Values(Kind::Layer, Kind::Group),
                                            ::testing::ValuesIn(kButtonCases)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param) == Kind::Layer ? "Layer" : "Group") +
                                  std::get<1>(info.param).name;
                         });

TEST(ButtonRules, RightClickMovesTheWriteGroupAndTheLayerColumnFollows) {
  FrameWorkspace w;
  w.group(7).layers[0].state = 2;
  w.group(7).layers[9].state = 3;
  w.group(7).writeLayer = 9;
  ASSERT_TRUE(GroupButtonClick(w.ws, w.shell, 7, LayerClick::Right));
  EXPECT_EQ(w.frame().writeGroup, 7);
  EXPECT_EQ(w.group(7).state, 3);
  EXPECT_EQ(w.group(0).state, 2) << "the old write group stays editable";
  EXPECT_EQ(w.ws.history.undo.back().label, kStepWriteGroup);
  EXPECT_EQ(w.ws.layers.CurrentGroup, 7);
  EXPECT_EQ(w.ws.layers.CurrentLayer, 9);
  EXPECT_EQ(w.shell.scaleCaption, "S=1/80");

  // Layer clicks now act on group 7.
  ASSERT_TRUE(LayerButtonClick(w.ws, w.shell, 4, LayerClick::Right));
  EXPECT_EQ(w.group(7).layers[4].state, 3);
  EXPECT_EQ(w.group(7).layers[9].state, 2);
  EXPECT_EQ(w.group(7).writeLayer, 4);
  EXPECT_EQ(w.group(0).layers[0].state, 3) << "group 0 untouched";
  EXPECT_EQ(w.ws.layers.CurrentLayer, 4);
  EXPECT_EQ(w.ws.history.undo.back().label, kStepWriteLayer);
}

// "All": each click's state, applied to everything but the write one and
// protect 2; protect 1 does not spare.
TEST(AllRules, StepsSkipTheWriteOneAndProtect2) {
  for (Kind kind : {Kind::Layer, Kind::Group}) {
    SCOPED_TRACE(kind == Kind::Layer ? "layers" : "groups");
    FrameWorkspace w;
    ASSERT_TRUE(Click(w, kind, 3, LayerClick::Right));  // the write one is 3, 0 is editable
    auto st = [&](int n) { return kind == Kind::Layer ? w.layer(n).state : w.group(n).state; };
    auto pr = [&](int n) -> std::int32_t& { return kind == Kind::Layer ? w.layer(n).protect : w.group(n).protect; };
    pr(4) = 1;
    pr(6) = 2;
    const std::int32_t& allState = kind == Kind::Layer ? w.ws.layers.LayerAllState : w.ws.layers.GroupAllState;
    struct Step { LayerClick click; std::int32_t want; };
    for (Step s : {Step{LayerClick::Left, 0}, Step{LayerClick::CtrlLeft, 1}, Step{LayerClick::Left, 2},
                   Step{LayerClick::Left, 0}, Step{LayerClick::Right, 2}, Step{LayerClick::Left, 0}}) {
      const std::size_t steps = w.ws.history.undo.size();
      ASSERT_TRUE(kind == Kind::Layer ? LayerAllClick(w.ws, w.shell, s.click) : GroupAllClick(w.ws, w.shell, s.click));
      EXPECT_EQ(allState, s.want);
      for (int n : {0, 4, 15}) EXPECT_EQ(st(n), s.want) << n;
      EXPECT_EQ(st(3), 3);
      EXPECT_EQ(st(6), 2) << "protect 2 is spared";
      EXPECT_EQ(w.ws.history.undo.size(), steps + 1);
      EXPECT_EQ(w.ws.history.undo.back().label, kind == Kind::Layer ? kStepAllLayers : kStepAllGroups);
    }
    EXPECT_EQ(w.frame().writeGroup, kind == Kind::Group ? 3 : 0);
  }
}

TEST(LayerRules, BaseEntryAndUnknownButtonsChangeNothing) {
  FrameWorkspace w;
  EXPECT_FALSE(LayerButtonClick(w.ws, w.shell, 16, LayerClick::Left));
  EXPECT_FALSE(GroupButtonClick(w.ws, w.shell, -1, LayerClick::Right));
  ASSERT_TRUE(selectFrame(w.ws.document, 0));
  const Workspace before = w.ws;
  EXPECT_FALSE(LayerButtonClick(w.ws, w.shell, 2, LayerClick::Left));
  EXPECT_FALSE(GroupButtonClick(w.ws, w.shell, 2, LayerClick::Right));
  EXPECT_FALSE(LayerAllClick(w.ws, w.shell, LayerClick::Left));
  EXPECT_FALSE(GroupAllClick(w.ws, w.shell, LayerClick::Right));
  EXPECT_EQ(w.ws.document, before.document);
  EXPECT_EQ(w.ws.layers, before.layers);
  EXPECT_EQ(w.shell.req, ShellRequests{});
}

}  // namespace
}  // namespace sw
