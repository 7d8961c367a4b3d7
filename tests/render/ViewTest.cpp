#include "render/View.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(View, RoundAwayFromZero) {
  struct Case {
    double x;
    std::int32_t r;
  } cases[] = {{2.5, 3}, {-2.5, -3}, {-0.4, 0}, {0.4, 0}, {1.49999, 1}, {-1.5, -2}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(RoundAway(c.x), c.r) << c.x;
}

TEST(View, PaperSizesAndWhichStoreTheIndex) {
  struct Case {
    int index;
    double w, h;
    int paperIndexAfter;
  } cases[] = {{0, 1189, 841, 0}, {1, 841, 594, 1}, {4, 297, 210, 4}, {5, 1189, 841, 9},
               {7, 1189, 841, 9}, {8, 1682, 1189, 9}, {14, 100000, 70732, 9}, {-1, 1189, 841, 9},
               {99, 1189, 841, 9}};
  for (const auto& c : cases) {
    ViewState v;
    std::int32_t paperIndex = 9;
    SetPaperSize(v, c.index, paperIndex);
    EXPECT_EQ(v.PaperSize.width, c.w) << c.index;
    EXPECT_EQ(v.PaperSize.height, c.h) << c.index;
    EXPECT_EQ(paperIndex, c.paperIndexAfter) << c.index;
  }
}

ViewState FittedA4(BoxSize box) {
  ViewState v;
  std::int32_t idx = 1;
  SetPaperSize(v, 4, idx);
  v.ViewReady = true;
  RefreshView(v, box);
  return v;
}

TEST(View, FitCentresThePaperAndKeepsTheInvariant) {
  ViewState v = FittedA4({400, 300});
  EXPECT_NEAR(v.ViewScale, 400.0 / 297, 1e-12);  // min(400/297, 300/210)
  EXPECT_NEAR(v.ViewWindow.right, 445.5, 1e-9);
  EXPECT_NEAR(v.ViewWindow.top, 334.125, 1e-9);
  EXPECT_EQ(v.ViewWindow.left, -v.ViewWindow.right);
  EXPECT_EQ(v.BufferSize.width, 1200);
  EXPECT_EQ(v.BufferSize.height, 900);
  EXPECT_TRUE(CheckViewInvariants(v).ok());
  PlaceOrigin(v);
  EXPECT_EQ(v.DrawOrigin, (PixelPoint{600, 450}));
  EXPECT_EQ(ToScreen(v, MakePoint(0, 0)), (PixelPoint{600, 450}));
  // The paper corners land on the middle third shown by the paint box.
  PixelRect r = PaperOutline(v);
  EXPECT_EQ(r.left, 400);
  EXPECT_EQ(r.right, 800);
  EXPECT_NEAR(r.bottom - r.top, 210 * v.ViewScale, 1);
}

TEST(View, FitKeepsANonZeroScaleAndNothingRunsBeforeReady) {
  ViewState v;
  v.ViewScale = 2;
  FitView(v, {100, 50});
  EXPECT_EQ(v.ViewScale, 2);
  EXPECT_EQ(v.BufferSize.width, 300);
  ViewState notReady;
  RefreshView(notReady, {100, 50});
  EXPECT_EQ(notReady.ViewScale, 0);
  EXPECT_EQ(notReady.BufferSize.width, 0);
}

TEST(View, ResizeKeepsCentreAndZoom) {
  ViewState v = FittedA4({400, 300});
  v.ViewWindow.left += 10;
  v.ViewWindow.right += 10;  // panned 10 mm
  const double scale = v.ViewScale;
  ResizeView(v, {800, 200});
  EXPECT_EQ(v.ViewScale, scale);
  EXPECT_NEAR((v.ViewWindow.left + v.ViewWindow.right) / 2, 10, 1e-9);
  EXPECT_NEAR((v.ViewWindow.top + v.ViewWindow.bottom) / 2, 0, 1e-9);
  EXPECT_TRUE(CheckViewInvariants(v).ok());
}

TEST(View, PixelAndPaperConvertBackAndForth) {
  BoxSize box{400, 300};
  ViewState v = FittedA4(box);
  PlaceOrigin(v);
  for (PaperPoint p : {PaperPoint{0, 0}, PaperPoint{100, -50}, PaperPoint{-148.5, 105}}) {
    PixelPoint px = PaperToPixel(v, p);
    EXPECT_EQ(px, ToScreen(v, p));
    PaperPoint back = PixelToPaper(v, box, px.x - box.width, px.y - box.height);
    EXPECT_NEAR(back.x, p.x, 1 / v.ViewScale);
    EXPECT_NEAR(back.y, p.y, 1 / v.ViewScale);
  }
  // A frame offset moves the drawing right and down on screen.
  PlaceFrameOrigin(v, 10, 5);
  PixelPoint moved = ToScreen(v, MakePoint(0, 0));
  EXPECT_EQ(moved.x, v.PaperOrigin.x + RoundAway(10 * v.ViewScale));
  EXPECT_EQ(moved.y, v.PaperOrigin.y + RoundAway(5 * v.ViewScale));
}

TEST(View, PrintMappingCentresThePageAndRestoresTheScreen) {
  ViewState v = FittedA4({400, 300});
  v.ViewWindow.left += 30;
  v.ViewWindow.right += 30;
  const ViewRect screenWindow = v.ViewWindow;
  const double screenScale = v.ViewScale;
  struct Case {
    double outputScale;
  } cases[] = {{1.0}, {0.5}, {2.0}};
  for (const auto& c : cases) {
    // A3 landscape at 600 dpi: 9921 x 7016 pixels.
    SavedView saved = BeginPrintMapping(v, c.outputScale, 9921, 7016, 600, 600);
    EXPECT_NEAR(v.ViewScale, 600 / 25.4 * c.outputScale, 1e-12);
    PlaceOrigin(v);
    PixelPoint centre = ToScreen(v, MakePoint(0, 0));
    EXPECT_NEAR(centre.x, 9921 / 2.0, 1);
    EXPECT_NEAR(centre.y, 7016 / 2.0, 1);
    // 100 mm of paper is 100 mm x output scale on the page.
    PixelPoint right = ToScreen(v, MakePoint(100, 0));
    EXPECT_NEAR((right.x - centre.x) / 600.0 * 25.4, 100 * c.outputScale, 0.1);
    EndPrintMapping(v, saved);
    EXPECT_EQ(v.ViewWindow, screenWindow);
    EXPECT_EQ(v.ViewScale, screenScale);
  }
}

TEST(View, PrinterOutlineShrinksWithOutputScale) {
  ViewState v = FittedA4({400, 300});
  PrintState print;
  print.PrinterPaperMm.width = 297;
  print.PrinterPaperMm.height = 210;
  print.OutputScale = 1;
  PixelRect same = PrinterOutline(v, print);
  EXPECT_EQ(same, PaperOutline(v));
  print.OutputScale = 2;
  PixelRect half = PrinterOutline(v, print);
  EXPECT_NEAR(half.right - half.left, (same.right - same.left) / 2.0, 1);
}

}  // namespace
}  // namespace sw
