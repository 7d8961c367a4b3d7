// Wheel zoom about the pointer, its limits, the pan, and the two-button
// gestures: what stays under the pointer and where the view goes.
#include <gtest/gtest.h>

#include <string>

#include "edit/ZoomPan.h"

namespace sw {
namespace {

constexpr BoxSize kBox{600, 400};

// A1 fitted to the 600 x 400 paint box, then set to `scale` around the paper centre.
ViewState Fitted(double scale = 0) {
  ViewState v;
  FitViewToPaper(v, 1, kBox);
  if (scale > 0) {
    v.ViewScale = scale;
    ResetViewWindow(v);
  }
  return v;
}

void ExpectSamePoint(PaperPoint a, PaperPoint b, double tol) {
  EXPECT_NEAR(a.x, b.x, tol);
  EXPECT_NEAR(a.y, b.y, tol);
}

struct WheelCase {
  int x, y;
  bool down;
  int setting;
  double factor;  // expected scale change, 0 = refused
};
class Wheel : public ::testing::TestWithParam<WheelCase> {};

// Zooming in keeps the paper point under the pointer exactly; zooming out
// moves it by a few pixels at most; either way the window spans the buffer.
TEST_P(Wheel, ZoomsAboutThePointer) {
  const WheelCase& c = GetParam();
  ViewState v = Fitted(1.0);
  const ViewState before = v;
  const PaperPoint under = PixelToPaper(v, kBox, c.x, c.y);
  EXPECT_EQ(WheelZoom(v, kBox, c.x, c.y, c.down, c.setting), c.factor != 0);
  if (c.factor == 0) {
    EXPECT_EQ(v, before);
    return;
  }
  EXPECT_DOUBLE_EQ(v.ViewScale, c.factor);
  EXPECT_TRUE(CheckViewInvariants(v, kBox));
  ExpectSamePoint(PixelToPaper(v, kBox, c.x, c.y), under, c.factor > 1 ? 1e-9 : 3 / v.ViewScale);
}

INSTANTIATE_TEST_SUITE_P(ZoomPan, Wheel,
                         ::testing::Values(WheelCase{100, 50, true, 0, 1.5}, WheelCase{599, 399, false, 1, 1.5},
                                           WheelCase{1, 1, true, 1, 0.66}, WheelCase{450, 300, false, 0, 0.66},
                                           WheelCase{0, 200, true, 0, 0}, WheelCase{600, 200, true, 0, 0},
                                           WheelCase{300, 0, true, 0, 0}, WheelCase{300, 400, false, 0, 0}));

// The paper (841 x 594 mm) may grow to 800000 pixels and shrink to 10,
// each corner rounded to a pixel (9.9 pixels still span 10).
TEST(ZoomPan, WheelLimits) {
  struct {
    double scale;
    int setting;  // wheel down: 0 zooms in, 1 out
    bool changes;
  } const cases[] = {{800000 / (841 * 1.5) * 0.999, 0, true}, {800000 / (841 * 1.5) * 1.001, 0, false},
                     {10 / (594 * 0.66) * 1.001, 1, true},    {10 / (594 * 0.66) * 0.85, 1, false}};
  for (const auto& c : cases) {
    ViewState v = Fitted(c.scale);
    EXPECT_EQ(WheelZoom(v, kBox, 300, 200, true, c.setting), c.changes) << c.scale;
    EXPECT_EQ(v.ViewScale != c.scale, c.changes);
  }
}

TEST(ZoomPan, PanCarriesThePressedPointToTheRelease) {
  ViewState v = Fitted(2.0);
  const PaperPoint pressed = PixelToPaper(v, kBox, 100, 100);
  PanView(v, {100, 100}, {130, 80});
  ExpectSamePoint(PixelToPaper(v, kBox, 130, 80), pressed, 1e-9);
  EXPECT_EQ(v.ViewScale, 2.0);
}

TEST(ZoomPan, GestureByDirection) {
  struct {
    PixelPoint release;
    ZoomGesture gesture;
    std::string label;
    bool box;
  } const cases[] = {
      {{110, 90}, ZoomGesture::Centre, " 全　体 ", false},  {{111, 100}, ZoomGesture::Enlarge, " 拡　大 ", true},
      {{100, 150}, ZoomGesture::Enlarge, " 拡　大 ", true}, {{90, 89}, ZoomGesture::Shrink, " 縮　小 ", false},
      {{120, 89}, ZoomGesture::Whole, " 全　体 ", false},   {{89, 100}, ZoomGesture::Previous, " 前倍率 ", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyGesture({100, 100}, c.release), c.gesture) << c.release.x << "," << c.release.y;
    EXPECT_EQ(GestureLabel({100, 100}, c.release), c.label);
    EXPECT_EQ(GestureShowsBox({100, 100}, c.release), c.box);
  }
}

TEST(ZoomPan, CentreKeepsTheScale) {
  ViewState v = Fitted(2.0);
  const PaperPoint r = PixelToPaper(v, kBox, 305, 195);
  EXPECT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Centre, {300, 200}, {305, 195}));
  EXPECT_EQ(v.ViewScale, 2.0);
  ExpectSamePoint(PixelToPaper(v, kBox, 300, 200), r, 1e-9);
}

// The dragged rectangle fills the paint box by its tighter side; a purely
// vertical drag goes by its height alone.
TEST(ZoomPan, EnlargeFillsThePaintBox) {
  struct {
    PixelPoint press, release;
    double factor;
  } const cases[] = {{{100, 100}, {400, 200}, 2.0}, {{200, 100}, {200, 300}, 2.0}, {{200, 100}, {250, 150}, 8.0}};
  for (const auto& c : cases) {
    ViewState v = Fitted(1.0);
    const PaperPoint mid = PixelToPaper(v, kBox, (c.press.x + c.release.x) / 2.0, (c.press.y + c.release.y) / 2.0);
    EXPECT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Enlarge, c.press, c.release));
    EXPECT_DOUBLE_EQ(v.ViewScale, c.factor);
    ExpectSamePoint(PixelToPaper(v, kBox, 300, 200), mid, 1e-9);
    EXPECT_EQ(v.PreviousView, (SavedView{Fitted(1.0).ViewWindow, 1.0}));
  }
}

TEST(ZoomPan, PreviousTwiceReturns) {
  ViewState v = Fitted();
  const ViewState whole = v;
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Shrink, {200, 150}, {100, 50}));
  const ViewState shrunk = v;
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Previous, {200, 150}, {100, 250}));
  EXPECT_EQ(v.ViewWindow, whole.ViewWindow);
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Previous, {200, 150}, {100, 250}));
  EXPECT_EQ(v.ViewWindow, shrunk.ViewWindow);
  EXPECT_EQ(v.ViewScale, whole.ViewScale * 0.5);
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Whole, {200, 150}, {300, 50}));
  EXPECT_EQ(v.ViewScale, whole.ViewScale);
}

TEST(ZoomPan, RefusedWithoutAView) {
  ViewState v = Fitted(1.0);
  v.ViewScale = 500;  // the window is 3.6 x 2.4 mm: too small to enlarge
  ResetViewWindow(v);
  const ViewState tiny = v;
  EXPECT_FALSE(ApplyGesture(v, kBox, ZoomGesture::Enlarge, {0, 0}, {100, 100}));
  v.ViewScale = 0;
  EXPECT_FALSE(ApplyGesture(v, kBox, ZoomGesture::Whole, {0, 0}, {100, 0}));
  EXPECT_FALSE(WheelZoom(v, kBox, 300, 200, true, 0));
  EXPECT_FALSE(ApplyGesture(v, kBox, ZoomGesture::Previous, {0, 0}, {0, 100}));
  v.ViewScale = tiny.ViewScale;
  EXPECT_EQ(v, tiny);
}

}  // namespace
}  // namespace sw
