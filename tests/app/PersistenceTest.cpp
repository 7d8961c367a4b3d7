// The window placement record and the toolbar positions under the own keys.
#include <gtest/gtest.h>

#include <QToolBar>

#include "app/AppTestSupport.h"
#include "app/ControlBar.h"
#include "app/WindowPlacement.h"

namespace sw {
namespace {

using test::AppScratch;
using test::TestApp;

constexpr const char* kWindowKey = "Software\\Brackenfold\\Sheetwright\\Window";
constexpr const char* kToolBarKey = "Software\\Brackenfold\\Sheetwright\\ToolBar";
constexpr const char* kBandValues[] = {"Main_Left", "Main_Top", "Lay_Left", "Lay_Top",
                                       "XY_Left",   "XY_Top",   "Mod_Left", "Mod_Top"};

TEST(PlacementRecord, EncodesFortyFourLittleEndianBytes) {
  WindowPlacement p;
  p.showCmd = kShowMaximized;
  p.left = -8;
  p.top = 20;
  p.right = 1000;
  p.bottom = 0x12345;
  const std::vector<std::uint8_t> bytes = EncodePlacement(p);
  ASSERT_EQ(bytes.size(), 44u);
  EXPECT_EQ(bytes[0], 44);
  EXPECT_EQ(bytes[8], 3);
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 28, bytes.begin() + 32)),
            (std::vector<std::uint8_t>{0xF8, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 40, bytes.end())),
            (std::vector<std::uint8_t>{0x45, 0x23, 0x01, 0x00}));
  EXPECT_EQ(DecodePlacement(bytes), p);
}

TEST(PlacementRecord, RejectsWhatIsNotARecord) {
  WindowPlacement p;
  p.left = 10;
  p.top = 10;
  p.right = 500;
  p.bottom = 400;
  std::vector<std::uint8_t> ok = EncodePlacement(p);
  ASSERT_TRUE(DecodePlacement(ok));
  std::vector<std::uint8_t> shortRecord(ok.begin(), ok.end() - 1);
  std::vector<std::uint8_t> wrongLength = ok;
  wrongLength[0] = 40;
  WindowPlacement empty = p;
  empty.right = empty.left;
  for (const auto& bytes : {shortRecord, wrongLength, EncodePlacement(empty)}) EXPECT_FALSE(DecodePlacement(bytes));
}

TEST(Persistence, ClosingStoresThePlacementAndTheEightToolbarValues) {
  AppScratch scratch;
  QRect outer;
  {
    TestApp app(scratch);
    ASSERT_NE(app.windows, nullptr);
    app.form().setGeometry(150, 120, 900, 700);
    app.form().controlBar()->setBandPos(app.form().toolBar(4), QPoint(300, 2));
    outer = app.form().frameGeometry();
    ASSERT_TRUE(app.form().close());
  }
  std::optional<RegistryFile> own = scratch.own();
  ASSERT_TRUE(own);
  std::optional<RegValue> record = own->value(kWindowKey, "Form1");
  ASSERT_TRUE(record);
  ASSERT_EQ(record->type, RegValue::Type::Binary);
  ASSERT_EQ(record->bytes.size(), 44u);
  std::optional<WindowPlacement> p = DecodePlacement(record->bytes);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->showCmd, kShowNormal);
  EXPECT_EQ(QRect(p->left, p->top, p->right - p->left, p->bottom - p->top), outer) << "the outer rectangle";
  for (const char* name : kBandValues) {
    std::optional<RegValue> v = own->value(kToolBarKey, name);
    ASSERT_TRUE(v) << name;
    EXPECT_EQ(v->type, RegValue::Type::Dword) << name;
  }
  EXPECT_EQ(own->value(kToolBarKey, "Mod_Left"), RegValue::Dword(300));
  EXPECT_EQ(own->value(kToolBarKey, "Mod_Top"), RegValue::Dword(2));

  // The next start comes back where the last one ended.
  TestApp again(scratch);
  ASSERT_NE(again.windows, nullptr);
  EXPECT_EQ(again.form().frameGeometry(), outer);
  EXPECT_EQ(again.form().toolBar(4)->pos(), QPoint(300, 2));
}

// --- the record filled from the window's state, and restored ---

enum class WindowShown { Normal, Maximized, Minimized, MinimizedFromMaximized };

struct StateCase {
  const char* name;
  WindowShown shown;
  std::uint32_t showCmd;
  std::uint32_t flags;
  bool maxPosition;       // the maximised position is stored
  bool comesBackMaximized;
};

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

class PlacementStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(PlacementStates, AreStoredAndRestored) {
  const StateCase& c = GetParam();
  AppScratch scratch;
  const QRect normal(150, 120, 900, 700);  // client area
  QRect outer;                             // with the window frame
  QPoint maximizedAt;
  {
    TestApp app(scratch);
    ASSERT_NE(app.windows, nullptr);
    app.form().setGeometry(normal);
    test::Settle();
    outer = app.form().frameGeometry();
    if (c.shown == WindowShown::Maximized || c.shown == WindowShown::MinimizedFromMaximized) {
      app.form().setWindowState(Qt::WindowMaximized);
      test::Settle();
      ASSERT_TRUE(app.form().isMaximized());
      maximizedAt = app.form().frameGeometry().topLeft();
    }
    if (c.shown == WindowShown::Minimized || c.shown == WindowShown::MinimizedFromMaximized) {
      app.form().setWindowState(app.form().windowState() | Qt::WindowMinimized);
      test::Settle();
      ASSERT_TRUE(app.form().isMinimized());
    }
    ASSERT_TRUE(app.form().close());
  }
  std::optional<RegistryFile> own = scratch.own();
  ASSERT_TRUE(own);
  std::optional<RegValue> record = own->value(kWindowKey, "Form1");
  ASSERT_TRUE(record);
  std::optional<WindowPlacement> p = DecodePlacement(record->bytes);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->length, 44u);
  EXPECT_EQ(p->showCmd, c.showCmd);
  EXPECT_EQ(p->flags, c.flags);
  EXPECT_EQ(QRect(p->left, p->top, p->right - p->left, p->bottom - p->top), outer) << "the normal outer rectangle";
  EXPECT_EQ(QPoint(p->minX, p->minY), QPoint(-1, -1));
  EXPECT_EQ(QPoint(p->maxX, p->maxY), c.maxPosition ? maximizedAt : QPoint(-1, -1));

  TestApp again(scratch);
  ASSERT_NE(again.windows, nullptr);
  test::Settle();
  EXPECT_EQ(again.form().isMaximized(), c.comesBackMaximized);
  EXPECT_FALSE(again.form().isMinimized()) << "a window never starts minimised";
  if (c.comesBackMaximized)
    EXPECT_EQ(again.form().normalGeometry(), normal);
  else
    EXPECT_EQ(again.form().frameGeometry(), outer);
}

INSTANTIATE_TEST_SUITE_P(
    States, PlacementStates,
    ::testing::Values(StateCase{"Normal", WindowShown::Normal, kShowNormal, 0, false, false},
                      StateCase{"Maximized", WindowShown::Maximized, kShowMaximized, 0, true, true},
                      StateCase{"Minimized", WindowShown::Minimized, kShowMinimized, 0, false, false},
                      StateCase{"MinimizedFromMaximized", WindowShown::MinimizedFromMaximized, kShowMinimized,
                                kRestoreToMaximized, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Persistence, APartialOrBrokenKeyKeepsTheDesignedPositions) {
  AppScratch scratch;
  QPoint designed1, designed2;
  {
    TestApp app(scratch, false);
    ASSERT_NE(app.windows, nullptr);
    designed1 = app.form().toolBar(1)->pos();
    designed2 = app.form().toolBar(2)->pos();
  }
  scratch.write("own.reg",
                "WINE REGISTRY Version 2\n\n"
                "[Software\\\\Brackenfold\\\\Sheetwright\\\\Window] 1\n\"Form1\"=hex:01,02,03\n\n"
                "[Software\\\\Brackenfold\\\\Sheetwright\\\\ToolBar] 1\n\"Main_Left\"=dword:00000190\n"
                "\"Lay_Left\"=dword:00000050\n\"Lay_Top\"=dword:00000020\n");
  TestApp app(scratch);
  ASSERT_NE(app.windows, nullptr);
  EXPECT_EQ(app.form().frameGeometry(), QRect(100, 100, 1024, 800));
  EXPECT_EQ(app.form().toolBar(1)->pos(), designed1) << "Main_Top is missing";
  EXPECT_EQ(app.form().toolBar(2)->pos().x(), 0x50);
  EXPECT_NE(app.form().toolBar(2)->pos(), designed2);
}

}  // namespace
}  // namespace sw
