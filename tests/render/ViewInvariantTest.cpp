// The view keeps its screen rules through every operation, and the rule
// checker itself notices each way of breaking them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "render/View.h"

namespace sw {
namespace {

TEST(ViewInvariants, HoldAfterEveryOperationOfASession) {
  ViewState v;
  std::int32_t paperIndex = 0;
  BoxSize box{640, 480};
  struct Step {
    const char* what;
    std::function<void()> run;
  } steps[] = {
      {"start-up: A1, ready, refresh", [&] { SetPaperSize(v, 1, paperIndex); v.ViewReady = true; RefreshView(v, box); }},
      {"place origin", [&] { PlaceOrigin(v); }},
      {"frame origin", [&] { PlaceFrameOrigin(v, 12.5, -3); }},
      {"grow the window", [&] { box = {1001, 333}; ResizeView(v, box); }},
      {"zoom in about the centre", [&] { v.ViewScale *= 1.5; ResetViewWindow(v); }},
      {"pan, then resize again", [&] {
         v.ViewWindow.left += 40; v.ViewWindow.right += 40;
         box = {17, 9}; ResizeView(v, box); }},
      {"open a drawing on A3", [&] { SetPaperSize(v, 3, paperIndex); RefreshView(v, box); }},
      {"a 100 m sheet", [&] { SetPaperSize(v, 14, paperIndex); RefreshView(v, box); }},
      {"fit again, same box", [&] { FitView(v, box); }},
      {"print at 71 % and back", [&] {
         const SavedView saved = BeginPrintMapping(v, 0.71, 4961, 3508, 600, 600);
         PlaceOrigin(v);
         EndPrintMapping(v, saved); }},
  };
  for (const Step& s : steps) {
    s.run();
    const Status st = CheckViewInvariants(v, box);
    EXPECT_TRUE(st.ok()) << s.what << ": " << st.error().message;
  }
  EXPECT_EQ(paperIndex, 3);  // index 14 is not a document paper
}

TEST(ViewInvariants, TheCheckerNamesEachBrokenRule) {
  ViewState good;
  std::int32_t paperIndex = 0;
  SetPaperSize(good, 4, paperIndex);
  good.ViewReady = true;
  const BoxSize box{400, 300};
  RefreshView(good, box);
  ASSERT_TRUE(CheckViewInvariants(good, box).ok());
  struct Case {
    const char* what;
    std::function<void(ViewState&)> breakIt;
  } cases[] = {
      {"negative scale", [](ViewState& v) { v.ViewScale = -1; }},
      {"infinite scale", [](ViewState& v) { v.ViewScale = std::numeric_limits<double>::infinity(); }},
      {"window a pixel short", [](ViewState& v) { v.ViewWindow.right -= 1 / v.ViewScale; }},
      {"window too tall", [](ViewState& v) { v.ViewWindow.top += 0.5; }},
      {"buffer not three paint boxes", [](ViewState& v) { v.BufferSize.width = 1201; }},
      {"paper not from the table", [](ViewState& v) { v.PaperSize.width = 300; }},
  };
  for (const auto& c : cases) {
    ViewState v = good;
    c.breakIt(v);
    EXPECT_FALSE(CheckViewInvariants(v, box).ok()) << c.what;
  }
  // The buffer of another paint box.
  EXPECT_FALSE(CheckViewInvariants(good, BoxSize{401, 300}).ok());
}

TEST(ViewInvariants, RoundingSaturatesInsteadOfOverflowing) {
  struct Case {
    double x;
    std::int32_t r;
  } cases[] = {{1e12, 2147483647},
               {-1e12, -2147483647 - 1},
               {2147483646.6, 2147483647},
               {std::numeric_limits<double>::infinity(), 2147483647},
               {-std::numeric_limits<double>::infinity(), -2147483647 - 1},
               {std::nan(""), 0}};
  for (const auto& c : cases) EXPECT_EQ(RoundAway(c.x), c.r) << c.x;
}

TEST(ViewInvariants, APrinterWithoutResolutionLeavesTheViewAlone) {
  ViewState v;
  std::int32_t paperIndex = 0;
  SetPaperSize(v, 2, paperIndex);
  v.ViewReady = true;
  RefreshView(v, {500, 400});
  const ViewState before = v;
  struct Case {
    std::int32_t w, h;
    double dpiX, dpiY;
  } cases[] = {{4961, 3508, 0, 600}, {4961, 3508, 600, 0}, {0, 3508, 600, 600},
               {4961, -1, 600, 600}, {4961, 3508, std::nan(""), 600}};
  for (const auto& c : cases) {
    const SavedView saved = BeginPrintMapping(v, 1.0, c.w, c.h, c.dpiX, c.dpiY);
    EXPECT_EQ(v, before) << c.w << "x" << c.h << " at " << c.dpiX << "/" << c.dpiY;
    EndPrintMapping(v, saved);
    EXPECT_EQ(v, before);
  }
}

}  // namespace
}  // namespace sw
