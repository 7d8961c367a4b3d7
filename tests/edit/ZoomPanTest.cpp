// Wheel zoom about the pointer, its limits, the pan, and the two-button
// gestures: what stays under the pointer and where the view goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "edit/ZoomPan.h"

namespace sw {
namespace {

constexpr BoxSize kBox{600, 400};

// A1 fitted to the 600 x 400 paint box; with `scale`, at that scale around the paper centre.
ViewState View(double scale = 0) {
  ViewState v;
  FitViewToPaper(v, 1, kBox);
  if (scale > 0) v.ViewScale = scale, ResetViewWindow(v);
  return v;
}

// Largest coordinate difference, paper mm.
double Apart(PaperPoint a, PaperPoint b) { return std::max(std::fabs(a.x - b.x), std::fabs(a.y - b.y)); }

// Zooming in keeps the paper point under the pointer exactly, zooming out
// within a few pixels; the window keeps spanning the buffer. Border pixels
// do nothing. The paper (841 x 594 mm) may grow to 800000 pixels and shrink
// to 10, each corner rounded to a pixel (9.95 pixels still span 10).
TEST(ZoomPan, WheelZoomsAboutThePointer) {
  const double in = 800000 / (841 * 1.5), out = 10 / (594 * 0.66);
  struct {
    double scale;
    int x, y;
    bool down;
    int setting;
    double factor;  // 0 = refused
  } const cases[] = {{1, 100, 50, true, 0, 1.5},    {1, 599, 399, false, 1, 1.5},  {1, 1, 1, true, 1, 0.66},
                     {1, 450, 300, false, 0, 0.66}, {1, 0, 200, true, 0, 0},       {1, 600, 200, true, 0, 0},
                     {1, 300, 0, true, 0, 0},       {1, 300, 400, false, 0, 0},    {in * 0.999, 300, 200, true, 0, 1.5},
                     {in * 1.001, 300, 200, true, 0, 0}, {out * 0.995, 300, 200, true, 1, 0.66},
                     {out * 0.85, 300, 200, true, 1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << " at " << c.x << "," << c.y);
    ViewState v = View(c.scale);
    const ViewState before = v;
    const PaperPoint under = PixelToPaper(v, kBox, c.x, c.y);
    EXPECT_EQ(WheelZoom(v, kBox, c.x, c.y, c.down, c.setting), c.factor != 0);
    if (c.factor == 0) {
      EXPECT_EQ(v, before);
      continue;
    }
    EXPECT_DOUBLE_EQ(v.ViewScale, c.scale * c.factor);
    EXPECT_TRUE(CheckViewInvariants(v, kBox));
    EXPECT_LE(Apart(PixelToPaper(v, kBox, c.x, c.y), under), c.factor > 1 ? 1e-9 : 3 / v.ViewScale);
  }
}

TEST(ZoomPan, PanCarriesThePressedPointToTheRelease) {
  ViewState v = View(2.0);
  const PaperPoint pressed = PixelToPaper(v, kBox, 100, 100);
  PanView(v, {100, 100}, {130, 80});
  EXPECT_LE(Apart(PixelToPaper(v, kBox, 130, 80), pressed), 1e-9);
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

// The paper point of pixel `anchor` ends at the paint-box centre at `factor`
// times the scale; all but Centre keep the view before in PreviousView. An
// enlarge fills the box by the rectangle's tighter side, a purely vertical
// one by its height alone.
TEST(ZoomPan, GesturePlacesTheView) {
  struct {
    ZoomGesture g;
    PixelPoint press, release;
    double factor;
    double ax, ay;
  } const cases[] = {{ZoomGesture::Centre, {300, 200}, {305, 195}, 1, 305, 195},
                     {ZoomGesture::Enlarge, {100, 100}, {400, 200}, 2, 250, 150},
                     {ZoomGesture::Enlarge, {200, 100}, {200, 300}, 2, 200, 200},
                     {ZoomGesture::Enlarge, {200, 100}, {250, 150}, 8, 225, 125},
                     {ZoomGesture::Shrink, {200, 150}, {100, 50}, 0.5, 200, 150}};
  for (const auto& c : cases) {
    ViewState v = View(1.0);
    const ViewState before = v;
    const PaperPoint anchor = PixelToPaper(v, kBox, c.ax, c.ay);
    EXPECT_TRUE(ApplyGesture(v, kBox, c.g, c.press, c.release));
    EXPECT_DOUBLE_EQ(v.ViewScale, c.factor);
    EXPECT_LE(Apart(PixelToPaper(v, kBox, 300, 200), anchor), 1e-9);
    const SavedView kept = c.g == ZoomGesture::Centre ? before.PreviousView : SavedView{before.ViewWindow, 1.0};
    EXPECT_EQ(v.PreviousView, kept);
  }
}

TEST(ZoomPan, PreviousTwiceReturnsAndWholeFits) {
  ViewState v = View();
  const ViewState whole = v;
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Shrink, {200, 150}, {100, 50}));
  const ViewState shrunk = v;
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Previous, {200, 150}, {100, 250}));
  EXPECT_EQ(v.ViewWindow, whole.ViewWindow);
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Previous, {200, 150}, {100, 250}));
  EXPECT_EQ(v.ViewWindow, shrunk.ViewWindow);
  ASSERT_TRUE(ApplyGesture(v, kBox, ZoomGesture::Whole, {200, 150}, {300, 50}));
  EXPECT_EQ(v.ViewScale, whole.ViewScale);
}

}  // namespace
}  // namespace sw
