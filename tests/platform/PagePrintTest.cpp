// Printing a sheet through the picture onto a page: sheet millimetres at the
// output scale on the page, the paper centre on the page centre, the screen
// view untouched, and a PDF page from the command line measured back.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/PagePrint.h"
#include "render/RedrawScene.h"

namespace sw {
namespace {

constexpr double kDpi = 254;  // 10 device pixels per mm

// A white page of `wMm` x `hMm` at kDpi.
QImage Page(int wMm, int hMm) {
  QImage page(wMm * 10, hMm * 10, QImage::Format_RGB32);
  page.setDotsPerMeterX(10000);
  page.setDotsPerMeterY(10000);
  page.fill(Qt::white);
  return page;
}

// Columns of row `y` darker than white, as [first, last]; {-1, -1} when none.
std::pair<int, int> InkRun(const QImage& img, int y) {
  int first = -1, last = -1;
  for (int x = 0; x < img.width(); ++x) {
    if (qGray(img.pixel(x, y)) < 200) {
      if (first < 0) first = x;
      last = x;
    }
  }
  return {first, last};
}

struct PrintCase {
  const char* name;
  double outputScale;
  int firstColumn, lastColumn;  // of the 100 mm line, device pixels
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

class PrintMapping : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintMapping, SheetMillimetresAtTheOutputScaleCentred) {
  const PrintCase& c = GetParam();
  test::RedrawScene scene;
  scene.Fit(BoxSize{400, 300});
  // A black 100 mm line through the paper centre inside one frame.
  scene.AddLine(-50, 0, 50, 0, 0, 1);
  scene.styles.PrintPenColor[1] = 0;
  scene.AddRect(-100, -50, 100, 50);
  scene.print.OutputScale = c.outputScale;
  const ViewState before = scene.view;
  QImage page = Page(297, 210);
  ASSERT_TRUE(PrintSheetPage(page, scene.view, scene.source(), scene.state));
  const auto [first, last] = InkRun(page, 1050);
  EXPECT_NEAR(first, c.firstColumn, 1);
  EXPECT_NEAR(last, c.lastColumn, 1);
  EXPECT_EQ(InkRun(page, 1060).first, -1);  // one pixel high: nothing 1 mm below
  EXPECT_EQ(scene.view.ViewWindow, before.ViewWindow);
  EXPECT_EQ(scene.view.ViewScale, before.ViewScale);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, PrintMapping,
    ::testing::Values(PrintCase{"FullSize", 1.0, 985, 1984},
                      PrintCase{"Half", 0.5, 1235, 1734},
                      PrintCase{"Double", 2.0, 485, 2484}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintSheetPage, NoPageIsAnError) {
  test::RedrawScene scene;
  QImage none;
  EXPECT_FALSE(PrintSheetPage(none, scene.view, scene.source(), scene.state));
}

}  // namespace
}  // namespace sw
