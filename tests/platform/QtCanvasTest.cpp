#include <gtest/gtest.h>

#include <QImage>
#include <QPicture>
#include <random>
#include <vector>

#include "platform/QtCanvas.h"

namespace sw {
namespace {

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

QImage White(int w = 40, int h = 30) {
  QImage im(w, h, QImage::Format_RGB32);
  im.fill(Qt::white);
  return im;
}

// 0x00BBGGRR of an image pixel.
Colour At(const QImage& im, int x, int y) {
  const QRgb p = im.pixel(x, y);
  return static_cast<Colour>(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
}

Pen PenOf(Colour c, int width = 1, PenEnds ends = PenEnds::Round, PenMode mode = PenMode::Copy) {
  Pen p;
  p.color = c;
  p.width = width;
  p.ends = ends;
  p.mode = mode;
  return p;
}

TEST(QtCanvas, LineLeavesOutItsLastPixel) {
  QImage im = White();
  {
    QtCanvas c(im);
    ASSERT_TRUE(c.IsActive());
    c.SetPen(PenOf(kBlack));
    c.Line({1, 1}, {8, 1});
    c.Polyline(std::vector<PixelPoint>{{1, 5}, {8, 5}, {8, 12}});
  }
  for (int x = 1; x <= 7; ++x) EXPECT_EQ(At(im, x, 1), kBlack) << x;
  EXPECT_EQ(At(im, 8, 1), kWhite);
  EXPECT_EQ(At(im, 0, 1), kWhite);
  EXPECT_EQ(At(im, 8, 5), kBlack);   // inner vertex drawn
  EXPECT_EQ(At(im, 8, 11), kBlack);
  EXPECT_EQ(At(im, 8, 12), kWhite);  // last point left out
}

TEST(QtCanvas, ColoursAreBgrWords) {
  QImage im = White();
  {
    QtCanvas c(im);
    c.FillRect({0, 0, 5, 5}, kRed);
    c.FillRect({5, 0, 10, 5}, kBlue);
  }
  EXPECT_EQ(qRed(im.pixel(1, 1)), 255);
  EXPECT_EQ(qBlue(im.pixel(1, 1)), 0);
  EXPECT_EQ(qBlue(im.pixel(6, 1)), 255);
  EXPECT_EQ(qRed(im.pixel(6, 1)), 0);
}

TEST(QtCanvas, RectangleExcludesRightAndBottomEdges) {
  QImage im = White();
  {
    QtCanvas c(im);
    c.SetPen(PenOf(kBlack));
    c.SetBrush(Brush{kRed, BrushStyle::Solid});
    c.Rectangle({2, 2, 10, 8});
  }
  EXPECT_EQ(At(im, 2, 2), kBlack);
  EXPECT_EQ(At(im, 9, 7), kBlack);  // bottom-right outline pixel
  EXPECT_EQ(At(im, 10, 5), kWhite);
  EXPECT_EQ(At(im, 5, 8), kWhite);
  EXPECT_EQ(At(im, 5, 5), kRed);
  EXPECT_EQ(At(im, 1, 1), kWhite);
}

TEST(QtCanvas, RectangleWithoutPenFillsOnePixelLess) {
  QImage im = White();
  {
    QtCanvas c(im);
    Pen clear;
    clear.style = PenStyle::Clear;
    c.SetPen(clear);
    c.SetBrush(Brush{kRed, BrushStyle::Solid});
    c.Rectangle({2, 2, 10, 8});
  }
  EXPECT_EQ(At(im, 2, 2), kRed);
  EXPECT_EQ(At(im, 8, 6), kRed);
  EXPECT_EQ(At(im, 9, 6), kWhite);
  EXPECT_EQ(At(im, 8, 7), kWhite);
}

TEST(QtCanvas, EllipseStaysInsideItsBox) {
  QImage im = White();
  {
    QtCanvas c(im);
    c.SetPen(PenOf(kBlack));
    c.SetBrush(Brush{kBlack, BrushStyle::Solid});
    c.Ellipse({5, 5, 26, 26});  // pixels 5..25
  }
  EXPECT_EQ(At(im, 15, 15), kBlack);
  EXPECT_EQ(At(im, 5, 15), kBlack);
  EXPECT_EQ(At(im, 25, 15), kBlack);
  EXPECT_EQ(At(im, 15, 25), kBlack);
  EXPECT_EQ(At(im, 6, 6), kWhite);  // corners of the box stay clear
  for (int i = 0; i < 30; ++i) {
    EXPECT_EQ(At(im, 26, i), kWhite);
    EXPECT_EQ(At(im, 4, i), kWhite);
    EXPECT_EQ(At(im, i, 26), kWhite);
  }
}

TEST(QtCanvas, PolygonFillsAlternate) {
  QImage im = White();
  {
    QtCanvas c(im);
    Pen clear;
    clear.style = PenStyle::Clear;
    c.SetPen(clear);
    c.SetBrush(Brush{kBlack, BrushStyle::Solid});
    // Two overlapping squares traced as one outline: the overlap is a hole.
    c.Polygon(std::vector<PixelPoint>{{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0},
                                      {10, 10}, {30, 10}, {30, 28}, {10, 28}, {10, 10}});
  }
  EXPECT_EQ(At(im, 5, 5), kBlack);
  EXPECT_EQ(At(im, 15, 15), kWhite);
  EXPECT_EQ(At(im, 25, 20), kBlack);
  EXPECT_EQ(At(im, 20, 5), kWhite);  // right edge excluded
}

TEST(QtCanvas, WidePenEnds) {
  QImage flat = White(), round = White();
  {
    QtCanvas c(flat);
    c.SetPen(PenOf(kBlack, 5, PenEnds::Flat));
    c.Line({10, 10}, {30, 10});
  }
  {
    QtCanvas c(round);
    c.SetPen(PenOf(kBlack, 5, PenEnds::Round));
    c.Line({10, 10}, {30, 10});
  }
  EXPECT_EQ(At(flat, 20, 8), kBlack);   // 5 pixels wide
  EXPECT_EQ(At(flat, 20, 12), kBlack);
  EXPECT_EQ(At(flat, 20, 6), kWhite);
  EXPECT_EQ(At(flat, 9, 10), kWhite);   // cut at the ends
  EXPECT_EQ(At(flat, 31, 10), kWhite);
  EXPECT_EQ(At(round, 9, 10), kBlack);  // rounded past them
  EXPECT_EQ(At(round, 31, 10), kBlack);
}

TEST(QtCanvas, ClipRectangle) {
  QImage im = White();
  {
    QtCanvas c(im);
    c.SetClipRect({5, 5, 10, 10});
    c.FillRect({0, 0, 40, 30}, kBlack);
    c.ClearClip();
    c.SetPen(PenOf(kRed));
    c.Line({0, 20}, {40, 20});
  }
  EXPECT_EQ(At(im, 5, 5), kBlack);
  EXPECT_EQ(At(im, 9, 9), kBlack);
  EXPECT_EQ(At(im, 10, 9), kWhite);
  EXPECT_EQ(At(im, 4, 5), kWhite);
  EXPECT_EQ(At(im, 30, 20), kRed);
}

TEST(QtCanvas, XorTwiceRestoresTheImage) {
  QImage im(64, 48, QImage::Format_RGB32);
  std::mt19937 rng(1234);
  for (int y = 0; y < im.height(); ++y)
    for (int x = 0; x < im.width(); ++x) im.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFFu));
  const QImage before = im.copy();
  auto draw = [](QtCanvas& c) {
    c.SetPen(PenOf(0x00FF8040, 1, PenEnds::Round, PenMode::Xor));
    c.SetBrush(Brush{0, BrushStyle::Clear});
    c.Line({0, 0}, {63, 47});
    c.Rectangle({5, 5, 40, 30});
    c.Ellipse({10, 8, 50, 44});
    c.Polyline(std::vector<PixelPoint>{{3, 40}, {20, 2}, {60, 30}});
  };
  {
    QtCanvas c(im);
    ASSERT_TRUE(c.XorSupported());
    draw(c);
  }
  EXPECT_NE(im, before);
  // XOR really combines with what is there: a pixel on the diagonal, pen
  // 0x00FF8040 being red 0x40, green 0x80, blue 0xFF.
  EXPECT_EQ(im.pixel(20, 15) & 0xFFFFFFu, (before.pixel(20, 15) ^ 0x4080FFu) & 0xFFFFFFu);
  {
    QtCanvas c(im);
    draw(c);
  }
  EXPECT_EQ(im, before);
}

TEST(QtCanvas, PictureReplaysTheSamePixels) {
  QImage direct = White();
  QPicture picture;
  auto draw = [](QtCanvas& c) {
    c.SetPen(PenOf(kBlue, 3, PenEnds::Flat));
    c.SetBrush(Brush{kRed, BrushStyle::Solid});
    c.Line({2, 2}, {35, 20});
    c.Rectangle({20, 5, 30, 15});
  };
  {
    QtCanvas c(direct);
    draw(c);
  }
  {
    QtCanvas c(picture);
    ASSERT_TRUE(c.IsActive());
    draw(c);
  }
  QImage replayed = White();
  {
    QPainter p(&replayed);
    picture.play(&p);
  }
  EXPECT_EQ(replayed, direct);
}

// Grouping strokes by pen may only reorder strokes of one colour: a random
// scene of overlapping strokes in three colours and five pens, broken by
// fills and clips, must come out pixel for pixel as drawn in order.
TEST(QtCanvas, StrokesGroupedByPenPaintTheSamePixels) {
  std::mt19937 rng(7);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const Colour colours[] = {kBlack, kRed, kBlue};
  struct Step {
    int op;
    Pen pen;
    std::vector<PixelPoint> points;
  };
  std::vector<Step> scene;
  for (int i = 0; i < 3000; ++i) {
    const int run = i / 40;  // runs of one colour, as a drawing's layers give
    Step s{pick(60) == 0 ? 3 + pick(3) : pick(3),
           PenOf(colours[(run + (pick(8) == 0)) % 3], 1 + pick(5), pick(2) ? PenEnds::Flat : PenEnds::Round), {}};
    const int n = s.op == 1 ? 2 + pick(4) : 2;
    for (int k = 0; k < n; ++k) s.points.push_back({pick(200), pick(150)});
    scene.push_back(std::move(s));
  }
  auto draw = [&](QImage& im, StrokeOrder order) {
    QtCanvas c(im, order);
    for (const Step& s : scene) {
      c.SetPen(s.pen);
      switch (s.op) {
        case 0: c.Line(s.points[0], s.points[1]); break;
        case 1: c.Polyline(s.points); break;
        case 2: c.PolyPolyline(s.points, std::vector<std::int32_t>{2}); break;
        case 3: c.FillRect({s.points[0].x, s.points[0].y, s.points[1].x, s.points[1].y}, kWhite); break;
        case 4: c.SetClipRect({s.points[0].x, s.points[0].y, s.points[0].x + 120, s.points[0].y + 90}); break;
        default: c.ClearClip(); break;
      }
    }
  };
  QImage inOrder = White(200, 150), grouped = White(200, 150);
  draw(inOrder, StrokeOrder::InOrder);
  draw(grouped, StrokeOrder::GroupedByPen);
  EXPECT_EQ(grouped, inOrder);
}

TEST(QtCanvas, TextHonoursAlignmentAndHeight) {
  auto inkRows = [](const QImage& im, int& top, int& bottom) {
    top = im.height();
    bottom = -1;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x)
        if (qGray(im.pixel(x, y)) < 128) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
  };
  LogFont font;
  font.height = 24;
  font.faceName = "Sans";
  QImage topLeft = White(120, 100), bottomLeft = White(120, 100);
  {
    QtCanvas c(topLeft);
    c.SetFont(font);
    c.SetTextAlign(TextAlign::TopLeft);
    c.SetTextColor(kBlack);
    c.TextOut({10, 40}, "HH");
  }
  {
    QtCanvas c(bottomLeft);
    c.SetFont(font);
    c.SetTextAlign(TextAlign::BottomLeft);
    c.SetTextColor(kBlack);
    c.TextOut({10, 40}, "HH");
  }
  int t1, b1, t2, b2;
  inkRows(topLeft, t1, b1);
  inkRows(bottomLeft, t2, b2);
  ASSERT_GE(b1, 0) << "no glyphs drawn";
  ASSERT_GE(b2, 0) << "no glyphs drawn";
  EXPECT_GE(t1, 40);        // below the point
  EXPECT_LE(b1, 40 + 24);   // within the cell
  EXPECT_GE(b1 - t1, 10);   // capitals of a 24-pixel cell
  EXPECT_LE(b2, 40);        // above the point
  EXPECT_GE(t2, 40 - 24);
}

TEST(QtCanvas, NullImageIsInactive) {
  QImage none;
  QtCanvas c(none);
  EXPECT_FALSE(c.IsActive());
  c.SetPen(PenOf(kBlack));
  c.Line({0, 0}, {5, 5});  // ignored, no crash
  c.TextOut({0, 0}, "x");
}

}  // namespace
}  // namespace sw
