#include <gtest/gtest.h>

#include <vector>

#include "geometry/TPath.h"
#include "render/DrawStroke.h"
#include "render/RecordingCanvas.h"

namespace sw {
namespace {

TEST(RecordingCanvas, RecordsEachCallWithTheSelectedObjects) {
  RecordingCanvas c;
  Pen red;
  red.color = 0x0000FF;
  red.width = 3;
  c.SetPen(red);
  c.SetBrush(Brush{0x00FF00, BrushStyle::Solid});
  c.Line({1, 2}, {3, 4});
  Pen xorPen = red;
  xorPen.mode = PenMode::Xor;
  c.SetPen(xorPen);
  c.SetBrush(Brush{0, BrushStyle::Clear});
  c.Rectangle({0, 0, 5, 5});
  c.SetClipRect({1, 1, 9, 9});
  c.FillRect({2, 2, 4, 4}, 0x123456);
  c.ClearClip();

  ASSERT_EQ(c.Calls().size(), 5u);
  EXPECT_EQ(c.Calls()[0].op, CanvasOp::Line);
  EXPECT_EQ(c.Calls()[0].pen, red);
  EXPECT_EQ(c.Calls()[0].brush.color, 0x00FF00u);
  EXPECT_EQ(c.Calls()[0].points, (std::vector<PixelPoint>{{1, 2}, {3, 4}}));
  EXPECT_EQ(c.Calls()[1].pen.mode, PenMode::Xor);
  EXPECT_EQ(c.Calls()[1].brush.style, BrushStyle::Clear);
  EXPECT_EQ(c.Calls()[1].rect, (CanvasRect{0, 0, 5, 5}));
  EXPECT_EQ(c.Calls()[2].op, CanvasOp::SetClipRect);
  EXPECT_EQ(c.Calls()[3].color, 0x123456u);
  EXPECT_EQ(c.Calls()[4].op, CanvasOp::ClearClip);
  EXPECT_EQ(c.Count(CanvasOp::Line), 1u);
  EXPECT_EQ(c.Of(CanvasOp::FillRect).size(), 1u);
}

TEST(RecordingCanvas, TextKeepsFontAlignmentAndColour) {
  RecordingCanvas c;
  LogFont f;
  f.height = 20;
  f.width = 8;
  f.escapement = 450;
  f.orientation = 450;
  f.weight = 700;
  f.italic = true;
  f.faceName = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e";  // CP932 bytes
  c.SetFont(f);
  c.SetTextAlign(TextAlign::BottomLeft);
  c.SetTextColor(0x0000FF);
  c.TextOut({10, 20}, "\x82\xa0");
  const auto texts = c.Of(CanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].font, f);
  EXPECT_EQ(texts[0].align, TextAlign::BottomLeft);
  EXPECT_EQ(texts[0].textColor, 0x0000FFu);
  EXPECT_EQ(texts[0].text, "\x82\xa0");
  EXPECT_EQ(texts[0].points, (std::vector<PixelPoint>{{10, 20}}));
}

TEST(DrawStroke, DashedPenIsSelectedAndRestored) {
  RecordingCanvas c;
  Pen entity;
  entity.color = 0x111111;
  entity.width = 1;
  entity.style = PenStyle::Clear;
  entity.mode = PenMode::Xor;
  c.SetPen(entity);
  const std::vector<IntPoint> line = {{0, 0}, {30, 0}};
  const std::vector<double> pattern = {4, 1};
  StrokePolylineDashed(c, line, pattern, 0x00FF00, 2, false);
  const auto pieces = c.Of(CanvasOp::Polyline);
  ASSERT_EQ(pieces.size(), 3u);  // 8 on, 2 off
  EXPECT_EQ(pieces[1].points, (std::vector<PixelPoint>{{10, 0}, {18, 0}}));
  for (const CanvasCall& p : pieces) {
    EXPECT_EQ(p.pen.color, 0x00FF00u);
    EXPECT_EQ(p.pen.width, 2);
    EXPECT_EQ(p.pen.style, PenStyle::Solid);
    EXPECT_EQ(p.pen.ends, PenEnds::Round);
    EXPECT_EQ(p.pen.mode, PenMode::Xor);  // the mode is the canvas's
  }
  EXPECT_EQ(c.GetPen(), entity);
}

TEST(DrawStroke, PathFiguresStrokedAndFilled) {
  TPath path;
  path.AddPolyline({{0, 0}, {10, 0}, {10, 10}}, true);
  path.AddPolyline({{20, 20}, {30, 20}});
  RecordingCanvas stroked, filled;
  StrokePath(stroked, path);
  FillPath(filled, path);
  ASSERT_EQ(stroked.Count(CanvasOp::Polyline), 2u);
  EXPECT_EQ(stroked.Calls()[0].points.size(), 4u);  // closed: back to the start
  EXPECT_EQ(filled.Count(CanvasOp::Polygon), 2u);
}

}  // namespace
}  // namespace sw
