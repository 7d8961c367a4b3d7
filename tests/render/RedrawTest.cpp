// The sheet redraw recorded call by call: what is drawn for which frames,
// in which colours and order, on screen and when printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>
#include <numbers>

#include "core/Cp932.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawScene.h"
#include "render/RubberBand.h"

namespace sw {
namespace {

using test::MakeHead;
using test::RedrawScene;

constexpr BoxSize kBox{400, 300};

struct Recorded {
  RedrawScene scene;
  RecordingCanvas canvas;

  Recorded() { scene.Fit(kBox); }
  void Redraw() {
    canvas.Clear();
    RedrawSheet(canvas, scene.view, scene.source(), scene.state);
  }
  // Lines drawn in colour `c` with a copy pen.
  std::size_t LinesIn(Colour c) const {
    std::size_t n = 0;
    for (const CanvasCall& call : canvas.Of(CanvasOp::Line))
      if (call.pen.color == c && call.pen.mode == PenMode::Copy) ++n;
    return n;
  }
};

TEST(RedrawSheet, ScreenSheetWithoutDrawingShowsPaperAndAuxiliaryLinesOnly) {
  Recorded r;
  r.scene.doc.head.baseFile.clear();
  r.scene.AddRect(-50, -40, 50, 40);
  r.scene.AddLine(-10, 0, 10, 0);
  addLine(r.scene.doc, kAuxLineCode, {0, -20}, {0, 20});
  r.Redraw();
  const auto& calls = r.canvas.Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0].op, CanvasOp::FillRect);
  EXPECT_EQ(calls[0].rect, (CanvasRect{0, 0, 1200, 900}));
  EXPECT_EQ(calls[0].color, r.scene.styles.BackgroundColor);
  EXPECT_EQ(calls[1].op, CanvasOp::Rectangle);
  EXPECT_EQ(calls[1].pen.color, r.scene.styles.ScreenPenColor[9]);
  EXPECT_EQ(calls[1].brush.style, BrushStyle::Clear);
  EXPECT_EQ(r.canvas.Count(CanvasOp::SetClipRect), 0u);
  // The vertical auxiliary line across the whole buffer, in XOR; the zero
  // placeholder at position 0 draws nothing.
  const auto lines = r.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].pen.mode, PenMode::Xor);
  EXPECT_EQ(lines[0].pen.color, r.scene.styles.LayoutColor);
  EXPECT_EQ(lines[0].points[0].x, 600);
  EXPECT_EQ(std::min(lines[0].points[0].y, lines[0].points[1].y), 0);
  EXPECT_EQ(std::max(lines[0].points[0].y, lines[0].points[1].y), 900);
}

TEST(RedrawSheet, PrintPreviewAddsThePrinterPage) {
  Recorded r;
  r.scene.print.PrintPreview = true;
  r.scene.print.PrinterPaperMm = {200, 280};
  r.Redraw();
  const auto rects = r.canvas.Of(CanvasOp::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  const PixelRect page = PrinterOutline(r.scene.view, r.scene.print);
  EXPECT_EQ(rects[1].rect, (CanvasRect{page.left, page.top, page.right, page.bottom}));
}

// Which frames are drawn: a frame is drawn when it is shown, a rectangle and
// at least partly in the view window.
struct FrameCase {
  const char* name;
  int kind;       // kFrameRect or kFrameCircle
  bool shown;
  double dx;      // paper mm; 1000 moves the frame out of the view
  bool drawn;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }

class FrameSelection : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameSelection, DrawsOnlyShownRectanglesInView) {
  const FrameCase& c = GetParam();
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0);
  if (c.kind == kFrameRect) {
    r.scene.AddRect(-20, -20, 20, 20, c.dx, 0);
  } else {
    ASSERT_TRUE(addFrame(r.scene.doc, kFrameCircle, "c", {0, 0}, {10, 0}));
    r.scene.sheet().shown[1] = true;
    test::AllLayersState(r.scene.sheet().frames[1].groups, 2);
  }
  r.scene.sheet().shown[1] = c.shown;
  r.Redraw();
  EXPECT_EQ(r.canvas.Count(CanvasOp::SetClipRect), c.drawn ? 1u : 0u);
  // Paper outline, plus the frame outline when drawn.
  EXPECT_EQ(r.canvas.Count(CanvasOp::Rectangle), c.drawn ? 2u : 1u);
  EXPECT_EQ(r.LinesIn(r.scene.styles.ScreenPenColor[1]), c.drawn ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameSelection,
    ::testing::Values(FrameCase{"ShownRectangle", kFrameRect, true, 0, true},
                      FrameCase{"HiddenRectangle", kFrameRect, false, 0, false},
                      FrameCase{"CircleFrame", kFrameCircle, true, 0, false},
                      FrameCase{"RectangleOutsideTheView", kFrameRect, true, 1000, false},
                      FrameCase{"RectanglePartlyInTheView", kFrameRect, true, 450, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RedrawSheet, FrameIsClippedOutlinedAndMovedByItsOffset) {
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0);
  const int f = r.scene.AddRect(-20, -20, 20, 20, 30, 5);  // 30 mm right, 5 mm down
  r.scene.sheet().selectedFrame = f;
  r.Redraw();
  const double s = r.scene.view.ViewScale;
  const PixelPoint o = r.scene.view.PaperOrigin;
  const auto px = [&](double x) { return RoundAway((x + 30) * s + o.x); };
  const auto py = [&](double y) { return RoundAway(-y * s + RoundAway(5 * s + o.y)); };
  const auto clips = r.canvas.Of(CanvasOp::SetClipRect);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].rect, (CanvasRect{px(-20), py(20), px(20), py(-20)}));
  const auto rects = r.canvas.Of(CanvasOp::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[1].pen.color, r.scene.styles.LayoutColor);
  EXPECT_EQ(rects[1].pen.mode, PenMode::Copy);  // the stored style 1200 draws opaque
  const auto lines = r.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points[0], (PixelPoint{px(-10), py(0)}));
  // The clip is removed after the frame's drawing.
  const auto& calls = r.canvas.Calls();
  EXPECT_EQ(calls.back().op, CanvasOp::ClearClip);
  EXPECT_EQ(r.scene.view.DrawOrigin, r.scene.view.PaperOrigin);
  EXPECT_EQ(r.scene.state.CurrentFrame, f);
}

TEST(RedrawSheet, FramesUseTheirOwnLayerStateAndACopyPen) {
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0, 0);
  r.scene.AddLine(-10, 5, 10, 5, 1);
  const int shown = r.scene.AddRect(-20, -20, 20, 20);
  const int hiding = r.scene.AddRect(-20, -20, 20, 20, 100, 0);
  r.scene.sheet().frames[static_cast<std::size_t>(hiding)].groups[0].layers[1].state = 0;
  // Outline codes below 1001 draw the outline in XOR, never the drawing.
  r.scene.sheet().rects[static_cast<std::size_t>(shown)].code = 200;
  r.Redraw();
  const auto lines = r.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 3u);  // both lines in the first frame, one in the second
  for (const CanvasCall& c : lines) EXPECT_EQ(c.pen.mode, PenMode::Copy);
  EXPECT_EQ(r.canvas.Count(CanvasOp::SetClipRect), 2u);
  EXPECT_EQ(r.scene.state.CurrentFrame, hiding);
}

TEST(RedrawSheet, FramesWithBrokenCornersShowNothingOrAreTakenInOrder) {
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0);
  const int f = r.scene.AddRect(-20, -20, 20, 20);
  CLayRect& rect = r.scene.sheet().rects[static_cast<std::size_t>(f)];
  for (double bad : {std::nan(""), HUGE_VAL}) {
    rect.x2 = bad;
    r.Redraw();
    EXPECT_EQ(r.canvas.Count(CanvasOp::SetClipRect), 0u);
    EXPECT_EQ(r.canvas.Count(CanvasOp::Line), 0u);
  }
  rect = CLayRect{kRectCode, 20, 20, -20, -20};  // stored the wrong way round
  r.Redraw();
  ASSERT_EQ(r.canvas.Count(CanvasOp::SetClipRect), 1u);
  EXPECT_EQ(r.canvas.Count(CanvasOp::Line), 1u);
  // Far beyond the buffer: the clip is clamped, the line inside is drawn.
  rect = CLayRect{kRectCode, -1e12, -1e12, 1e12, 1e12};
  r.Redraw();
  ASSERT_EQ(r.canvas.Count(CanvasOp::SetClipRect), 1u);
  const CanvasRect clip = r.canvas.Of(CanvasOp::SetClipRect)[0].rect;
  EXPECT_LT(clip.left, 0);
  EXPECT_GT(clip.right - clip.left, 0);
  EXPECT_EQ(r.canvas.Count(CanvasOp::Line), 1u);
}

TEST(RedrawSheet, BackdropIsGreyUnderFramesInTheirColours) {
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0, 0, 2);
  r.scene.AddRect(-20, -20, 20, 20);
  r.scene.state.BackdropMode = 1;
  r.Redraw();
  const auto lines = r.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].pen.color, r.scene.styles.GreyColor);
  EXPECT_EQ(lines[1].pen.color, r.scene.styles.ScreenPenColor[2]);
  EXPECT_EQ(r.scene.state.BackdropMode, 1);  // back to 1 after the grey pass
  EXPECT_FALSE(r.scene.state.Painted);

  r.scene.state.BackdropMode = 0;
  r.Redraw();
  EXPECT_EQ(r.canvas.Of(CanvasOp::Line).size(), 1u);
}

TEST(RedrawSheet, PrintingDrawsOnlyFrameContents) {
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0);
  r.scene.AddRect(-20, -20, 20, 20);
  addLine(r.scene.doc, kAuxLineCode, {0, -20}, {0, 20});
  r.scene.print.Printing = true;
  r.scene.print.PrintPreview = true;
  r.scene.print.OutputScale = 1;
  const SavedView saved = BeginPrintMapping(r.scene.view, r.scene.print.OutputScale, 2970, 2100, 254, 254);
  r.Redraw();
  EndPrintMapping(r.scene.view, saved);
  EXPECT_EQ(r.canvas.Count(CanvasOp::FillRect), 0u);
  EXPECT_EQ(r.canvas.Count(CanvasOp::Rectangle), 0u);
  const auto lines = r.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);  // the drawing's line; no auxiliary line
  // 10 pixels per mm, the paper centre on the page centre.
  EXPECT_EQ(lines[0].points[0], (PixelPoint{1485 - 100, 1050}));
  EXPECT_EQ(lines[0].pen.color, r.scene.styles.PrintPenColor[1]);
}

TEST(RedrawSheet, CurrentSheetOutOfRangeDrawsOnlyThePaper) {
  Recorded r;
  r.scene.AddLine(-10, 0, 10, 0);
  r.scene.AddRect(-20, -20, 20, 20);
  r.scene.doc.head.currentSheet = 5;
  r.Redraw();
  EXPECT_EQ(r.canvas.Count(CanvasOp::Line), 0u);
  EXPECT_EQ(r.canvas.Count(CanvasOp::Rectangle), 1u);
}

TEST(DrawDrawing, DrawsTheListsInTheirOrder) {
  Recorded r;
  JWWDrawing& d = r.scene.drawing;
  d.JWWPoints.push_back({MakeHead(0, 0, 1, 1), 0, 0});
  d.JWWTexts.push_back({MakeHead(0, 0, 1, 1), 0, 0, 20, 0, 0, 5, 5, 0, 0, "MS Gothic", "ABC"});
  d.JWWArcs.push_back({MakeHead(0, 0, 1, 1), 0, 0, 10, 0, 2 * std::numbers::pi, 0, 1, 1});
  r.scene.AddLine(-10, 0, 10, 0);
  d.JWWSolids.push_back({MakeHead(0, 0, 1, 1), 0, 0, 5, 0, 5, 5, 0, 5, 0});
  r.scene.state.BackdropMode = 1;
  r.Redraw();
  std::vector<CanvasOp> ops;
  for (const CanvasCall& c : r.canvas.Calls())
    if (c.op != CanvasOp::FillRect && c.op != CanvasOp::Rectangle) ops.push_back(c.op);
  const std::vector<CanvasOp> want{CanvasOp::Polygon, CanvasOp::Line, CanvasOp::Ellipse,
                                   CanvasOp::TextOut, CanvasOp::TextOut, CanvasOp::TextOut,
                                   CanvasOp::Ellipse};
  EXPECT_EQ(ops, want);
  // Block inserts and everything after the solids: transparent brush.
  const auto lines = r.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].brush.style, BrushStyle::Clear);
}

// The settings texts Jw_cad stores in the drawing are not drawn; texts that
// only look like them are.
struct SettingsTextCase {
  const char* name;
  const char* text;
  double x, y;
  int layer;
  bool skipped;
};

void PrintTo(const SettingsTextCase& c, std::ostream* os) { *os << c.name; }

class SettingsTexts : public ::testing::TestWithParam<SettingsTextCase> {};

TEST_P(SettingsTexts, SkipsOnlyJwcadSettings) {
  const SettingsTextCase& c = GetParam();
  CDataMoji t{MakeHead(0, c.layer, 1, 1), c.x, c.y, c.x + 40, c.y, 0, 3, 3, 0, 0, "", c.text};
  EXPECT_EQ(IsJwcadSettingsText(t), c.skipped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsTexts,
    ::testing::Values(
        SettingsTextCase{"PrinterSetting", "Printer_Orientation = 0", 0, -1000, 0, true},
        SettingsTextCase{"ViewSetting", "View_Direct2d = 1", 0, -1000, 0, true},
        SettingsTextCase{"DrawSetting", "Draw_BmpTOUKA = 1", 0, -1000, 0, true},
        SettingsTextCase{"NegativeValue", "Printer_PaperSize = -1", 0, -1000, 0, true},
        SettingsTextCase{"ElsewhereOnTheSheet", "Printer_Orientation = 0", 10, -1000, 0, false},
        SettingsTextCase{"OnAnotherLayer", "Printer_Orientation = 0", 0, -1000, 1, false},
        SettingsTextCase{"OtherName", "Room_Area = 12", 0, -1000, 0, false},
        SettingsTextCase{"NotAnInteger", "Printer_Orientation = up", 0, -1000, 0, false},
        SettingsTextCase{"NoValue", "Printer_Orientation = ", 0, -1000, 0, false},
        SettingsTextCase{"PlainText", "Printer", 0, -1000, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawDrawing, SettingsTextIsNotDrawnButOtherTextsAre) {
  Recorded r;
  r.scene.drawing.JWWTexts.push_back(
      {MakeHead(0, 0, 1, 1), 0, -1000, 40, -1000, 0, 3, 3, 0, 0, "", "View_Direct2d = 1"});
  r.scene.drawing.JWWTexts.push_back(
      {MakeHead(0, 0, 1, 1), 0, 0, 40, 0, 0, 5, 5, 0, 0, "", "A"});
  r.scene.state.BackdropMode = 1;
  r.scene.view.ViewWindow = {-2000, -2000, 2000, 2000};
  r.Redraw();
  ASSERT_EQ(r.canvas.Count(CanvasOp::TextOut), 1u);
  EXPECT_EQ(r.canvas.Of(CanvasOp::TextOut)[0].text, "A");
}

// A block world: definitions drawn through DrawBlock on a 1 px/mm view.
struct Blocks {
  RedrawScene scene;
  RecordingCanvas canvas;
  PenContext pen;

  Blocks() {
    scene.view.ViewScale = 1;
    scene.view.BufferSize = {1000, 1000};
    scene.view.ViewWindow = {-500, -500, 500, 500};
    PlaceOrigin(scene.view);
    pen.styles = &scene.styles;
    pen.groups = &scene.sheet().frames[0].groups;
    pen.currentFrame = 0;
  }
  void Define(std::int32_t number, std::vector<JWWMember> members) {
    CDataList d;
    d.number = number;
    d.memberCount = static_cast<std::int32_t>(members.size());
    scene.drawing.JWWBlocks.addDefinition(d);
    for (auto& m : members) scene.drawing.JWWBlocks.addMember(std::move(m));
  }
  void Draw(const CDataBlock& insert) {
    const DrawContext ctx{scene.view, pen, WindowClip(scene.view), 0, 0};
    long long budget = kBlockBudget;
    DrawBlock(ctx, canvas, scene.drawing.JWWBlocks, insert, budget);
  }
};

CDataBlock Insert(std::int32_t number, double x, double y, double sx, double sy, double angle) {
  return CDataBlock{MakeHead(0, 0, 1, 1), x, y, sx, sy, angle, number};
}

TEST(DrawBlock, ScalesRotatesAndMovesMembersLastFirst) {
  Blocks b;
  b.Define(1, {CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 10, 0},
               CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 0, 5}});
  b.Draw(Insert(1, 100, 50, 2, 3, std::numbers::pi / 2));
  const auto lines = b.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 2u);
  const PixelPoint o = b.scene.view.PaperOrigin;
  // Member 1 first: (0, 5) scaled to (0, 15), turned a quarter to (-15, 0).
  EXPECT_EQ(lines[0].points[0], (PixelPoint{o.x + 100, o.y - 50}));
  EXPECT_EQ(lines[0].points[1], (PixelPoint{o.x + 85, o.y - 50}));
  // Member 0: (10, 0) scaled to (20, 0), turned to (0, 20).
  EXPECT_EQ(lines[1].points[1], (PixelPoint{o.x + 100, o.y - 70}));
}

TEST(DrawBlock, NestedInsertsComposeTheirTransforms) {
  Blocks b;
  b.Define(2, {CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 10, 0}});
  b.Define(1, {Insert(2, 10, 0, 1, 1, 0)});
  b.Draw(Insert(1, 0, 0, 2, 2, 0));
  const auto lines = b.canvas.Of(CanvasOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  const PixelPoint o = b.scene.view.PaperOrigin;
  EXPECT_EQ(lines[0].points[0], (PixelPoint{o.x + 20, o.y}));
  EXPECT_EQ(lines[0].points[1], (PixelPoint{o.x + 40, o.y}));
}

TEST(DrawBlock, CyclesAndDeepNestingStopAndTheRestIsDrawn) {
  Blocks b;
  // 1 -> 2 -> 1 and 3 -> 3, each with one line of its own.
  b.Define(1, {CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 1, 0}, Insert(2, 0, 10, 1, 1, 0)});
  b.Define(2, {CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 2, 0}, Insert(1, 0, 10, 1, 1, 0)});
  b.Define(3, {Insert(3, 1, 0, 1, 1, 0), CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 3, 0}});
  b.Draw(Insert(1, 0, 0, 1, 1, 0));
  EXPECT_EQ(b.canvas.Count(CanvasOp::Line), 2u);  // block 1's line and block 2's, once each
  b.canvas.Clear();
  b.Draw(Insert(3, 0, 0, 1, 1, 0));
  EXPECT_EQ(b.canvas.Count(CanvasOp::Line), 1u);

  // A chain deeper than the bound: the first kMaxBlockDepth levels are drawn.
  Blocks deep;
  const int levels = kMaxBlockDepth + 10;
  for (int n = 1; n <= levels; ++n) {
    std::vector<JWWMember> m{CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 1, 0}};
    if (n < levels) m.push_back(Insert(n + 1, 0, 1, 1, 1, 0));
    deep.Define(n, std::move(m));
  }
  deep.Draw(Insert(1, 0, 0, 1, 1, 0));
  EXPECT_EQ(deep.canvas.Count(CanvasOp::Line), static_cast<std::size_t>(kMaxBlockDepth));
}

TEST(DrawBlock, MirroredArcKeepsItsShape) {
  Blocks b;
  // A quarter circle from 0 to 90 degrees about (0, 0), radius 100; mirrored
  // in the y axis it spans 90..180 degrees.
  CDataEnko arc{MakeHead(0, 0, 1, 1), 0, 0, 100, 0, std::numbers::pi / 2, 0, 1, 0};
  b.Define(1, {arc});
  b.Draw(Insert(1, 0, 0, -1, 1, 0));
  const auto polys = b.canvas.Of(CanvasOp::Polyline);
  ASSERT_FALSE(polys.empty());
  const PixelPoint o = b.scene.view.PaperOrigin;
  for (const CanvasCall& c : polys)
    for (const PixelPoint& p : c.points) {
      EXPECT_LE(p.x, o.x + 1);  // left of the centre
      EXPECT_LE(p.y, o.y + 1);  // above it
    }
}

// The exact image of an arc (centre (0, 0), radius 20, flatness f, tilt,
// parametric start and sweep) under the insert at the origin, as pixels
// sampled along it.
std::vector<std::pair<double, double>> ImageOfArc(const PixelPoint& o, double f, double tilt, double start,
                                                  double sweep, double sx, double sy, double r) {
  std::vector<std::pair<double, double>> out;
  const int n = 4000;
  for (int i = 0; i <= n; ++i) {
    const double t = start + sweep * i / n;
    const double u = 20 * std::cos(t), v = 20 * f * std::sin(t);
    const double X = (std::cos(tilt) * u - std::sin(tilt) * v) * sx;
    const double Y = (std::sin(tilt) * u + std::cos(tilt) * v) * sy;
    out.emplace_back(o.x + std::cos(r) * X - std::sin(r) * Y, o.y - (std::sin(r) * X + std::cos(r) * Y));
  }
  return out;
}

double DistanceTo(const std::vector<std::pair<double, double>>& curve, PixelPoint p) {
  double best = 1e300;
  for (const auto& [x, y] : curve) best = std::min(best, std::hypot(x - p.x, y - p.y));
  return best;
}

// Block members take the exact image of the insert's transform, beyond the
// plain rule (which moves points, scales radii by sx and adds angles): a
// circle under unequal scales becomes an ellipse, an ellipse turns with a
// turned block, a tilted arc under unequal scales and a mirror keeps its
// points, and a circle solid moves as its arc. Every pixel drawn lies on the
// exact image, and the image's ends are drawn.
TEST(DrawBlock, ArcsAndCircleSolidsTakeTheExactImage) {
  constexpr double kPi = std::numbers::pi, kDeg = kPi / 180;
  const struct {
    const char* what;
    double f, tilt, start, sweep;
    bool solid;  // a sector circle solid (line type 101, k 0) instead of an arc
    double sx, sy, r;
  } cases[] = {
      {"circle arc, unequal scales", 1, 0, 0, 90 * kDeg, false, 2, 1, 0},
      {"tilted circle arc, unequal scales", 1, 30 * kDeg, 0, 90 * kDeg, false, 1, 3, 0},
      {"ellipse arc in a turned block", 0.5, 0, 10 * kDeg, 120 * kDeg, false, 1, 1, 90 * kDeg},
      {"tilted ellipse, unequal scales, mirrored, turned", 0.6, 20 * kDeg, 10 * kDeg, 200 * kDeg, false, -1.5, 0.7,
       35 * kDeg},
      {"backwards sweep, mirrored in y", 0.8, 50 * kDeg, 0, -100 * kDeg, false, 1.2, -2, 0},
      {"circle solid, unequal scales", 1, 0, 0, 90 * kDeg, true, 2, 1, 0},
      {"tilted ellipse solid, mirrored, turned", 0.5, 40 * kDeg, 0, 120 * kDeg, true, -1, 2.5, 60 * kDeg},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Blocks b;
    if (c.solid) {
      CDataSolid s{MakeHead(0, 0, 10, 101), 0, 0, 20, c.f, c.tilt, c.start, c.sweep, 0, 0x00FF00};
      b.Define(1, {s});
    } else {
      b.Define(1, {CDataEnko{MakeHead(0, 0, 1, 1), 0, 0, 20, c.start, c.sweep, c.tilt, c.f, 0}});
    }
    b.Draw(Insert(1, 0, 0, c.sx, c.sy, c.r));
    const auto calls = b.canvas.Of(c.solid ? CanvasOp::Polygon : CanvasOp::Polyline);
    ASSERT_EQ(calls.size(), 1u);
    const PixelPoint o = b.scene.view.PaperOrigin;
    const auto image = ImageOfArc(o, c.f, c.tilt, c.start, c.sweep, c.sx, c.sy, c.r);
    std::vector<PixelPoint> onArc = calls[0].points;
    if (c.solid) {
      // The sector runs round the arc and back through the centre.
      EXPECT_NE(std::find(onArc.begin(), onArc.end(), o), onArc.end());
      std::erase(onArc, o);
    }
    for (const PixelPoint& p : onArc) EXPECT_LE(DistanceTo(image, p), 1.5) << p.x << ", " << p.y;
    const std::pair<double, double> ends[] = {image.front(), image.back()};
    for (const auto& [x, y] : ends) {
      double nearest = 1e300;
      for (const PixelPoint& p : onArc) nearest = std::min(nearest, std::hypot(x - p.x, y - p.y));
      EXPECT_LE(nearest, 1.5) << x << ", " << y;
    }
  }

  // A whole circle under unequal scales is the axis-parallel ellipse.
  Blocks whole;
  whole.Define(1, {CDataEnko{MakeHead(0, 0, 1, 1), 0, 0, 20, 0, 2 * kPi, 0, 1, 1}});
  whole.Draw(Insert(1, 0, 0, 2, 1, 0));
  const auto ellipses = whole.canvas.Of(CanvasOp::Ellipse);
  ASSERT_EQ(ellipses.size(), 1u);
  const PixelPoint o = whole.scene.view.PaperOrigin;
  EXPECT_EQ(ellipses[0].rect, (CanvasRect{o.x - 40, o.y - 20, o.x + 41, o.y + 21}));
}

// A turned insert inside a mirrored block turns the other way, beyond the
// plain rule (which adds the angles): the nested member is the mirror image
// of what the unmirrored block shows.
TEST(DrawBlock, NestedInsertInAMirroredBlockTurnsTheOtherWay) {
  Blocks b;
  b.Define(2, {CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 100, 0}});
  b.Define(1, {Insert(2, 0, 0, 1, 1, std::numbers::pi / 6)});
  const PixelPoint o = b.scene.view.PaperOrigin;
  const struct {
    double sx, sy;
    PixelPoint end;
  } cases[] = {
      {1, 1, {o.x + 87, o.y - 50}},    // 30 degrees up to the right
      {-1, 1, {o.x - 87, o.y - 50}},   // mirrored in the y axis: up to the left
      {1, -1, {o.x + 87, o.y + 50}},   // mirrored in the x axis: down to the right
      {-1, -1, {o.x - 87, o.y + 50}},  // both: a half turn
  };
  for (const auto& c : cases) {
    b.canvas.Clear();
    b.Draw(Insert(1, 0, 0, c.sx, c.sy, 0));
    const auto lines = b.canvas.Of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points[0], o);
    EXPECT_EQ(lines[0].points[1], c.end) << c.sx << " " << c.sy;
  }
}

// Counts lines and draws nothing: for drawings far too big to record.
class CountingCanvas : public Canvas {
 public:
  long long lines = 0;
  void Line(PixelPoint, PixelPoint) override { ++lines; }
  void Polyline(std::span<const PixelPoint>) override {}
  void Polygon(std::span<const PixelPoint>) override {}
  void Rectangle(const CanvasRect&) override {}
  void Ellipse(const CanvasRect&) override {}
  void FillRect(const CanvasRect&, Colour) override {}
  void SetClipRect(const CanvasRect&) override {}
  void ClearClip() override {}
  void TextOut(PixelPoint, const std::string&) override {}
};

TEST(DrawBlock, FanOutAndFalseMemberCountsAreBounded) {
  // 30 levels, each inserting the next twice: 2^30 lines without a bound.
  Blocks b;
  for (int n = 1; n <= 30; ++n) {
    std::vector<JWWMember> m{CDataSen{MakeHead(0, 0, 1, 1), 0, 0, 1, 0}};
    if (n < 30) {
      m.push_back(Insert(n + 1, 0, 1, 1, 1, 0));
      m.push_back(Insert(n + 1, 1, 0, 1, 1, 0));
    }
    b.Define(n, std::move(m));
  }
  // A definition that claims far more members than it holds.
  CDataList liar;
  liar.number = 99;
  liar.memberCount = 2147483647;
  b.scene.drawing.JWWBlocks.addDefinition(liar);
  b.scene.drawing.JWWBlocks.addLine({MakeHead(0, 0, 1, 1), 0, 0, 5, 0});

  CountingCanvas canvas;
  const DrawContext ctx{b.scene.view, b.pen, WindowClip(b.scene.view), 0, 0};
  long long budget = kBlockBudget;
  DrawBlock(ctx, canvas, b.scene.drawing.JWWBlocks, Insert(1, 0, 0, 1, 1, 0), budget);
  EXPECT_EQ(budget, 0);
  EXPECT_GT(canvas.lines, 0);
  EXPECT_LE(canvas.lines, kBlockBudget);

  canvas.lines = 0;
  budget = kBlockBudget;
  DrawBlock(ctx, canvas, b.scene.drawing.JWWBlocks, Insert(99, 0, 0, 1, 1, 0), budget);
  EXPECT_EQ(canvas.lines, 1);
  EXPECT_EQ(budget, kBlockBudget - 1);
}

TEST(DrawBlock, MissingDefinitionDrawsNothing) {
  Blocks b;
  b.Draw(Insert(7, 0, 0, 1, 1, 0));
  EXPECT_TRUE(b.canvas.Calls().empty());
}

TEST(RubberBand, ShapesAndModes) {
  RedrawScene scene;
  scene.Fit(kBox);
  RecordingCanvas canvas;
  const RubberBandContext ctx{scene.view, scene.styles, kBox};
  RubberBand(canvas, ctx, {10, 10}, {50, 30}, 0, 200);
  RubberBand(canvas, ctx, {10, 10}, {13, 14}, 0, 1210);
  RubberBand(canvas, ctx, {10, 10}, {20, 10}, 0, 230);
  RubberBand(canvas, ctx, {100, 100}, {0, 0}, 0, 1172);
  const auto& calls = canvas.Calls();
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0].op, CanvasOp::Rectangle);
  EXPECT_EQ(calls[0].pen.mode, PenMode::Xor);
  EXPECT_EQ(calls[1].rect, (CanvasRect{5, 5, 15, 15}));  // radius 5
  EXPECT_EQ(calls[1].pen.mode, PenMode::Copy);
  EXPECT_EQ(calls[2].points, (std::vector<PixelPoint>{{0, 10}, {400, 10}}));
  EXPECT_EQ(calls[3].rect, (CanvasRect{96, 96, 104, 104}));
  EXPECT_EQ(calls[4].rect, (CanvasRect{92, 92, 108, 108}));
  EXPECT_EQ(calls[4].pen.color, scene.styles.TransformColor);
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

// The two stages of a redraw: the frames drawn on a fresh canvas over the
// first stage record what the whole redraw records after it, and the key of
// the first stage changes exactly with what that stage shows.
TEST(RedrawStages, FramesOnAFreshCanvasDrawAsTheWholeRedrawDoes) {
  RedrawScene scene;
  for (int i = 0; i < 40; ++i) scene.AddLine(-100 + 5 * i, -80, 60 - 3 * i, 90, i % 3, i % 2 ? 0 : 1 + i % 9);
  scene.drawing.JWWTexts.push_back({MakeHead(0, 0, 0, 1), 10, 10, 50, 10, 0, 3, 3, 0, 0, "", "T"});
  scene.AddRect(-80, -60, 20, 40, 15, -10);
  scene.AddRect(0, -50, 90, 70, -20, 5);
  scene.sheet().lines.push_back({0, -50, 0, 50, 0});
  scene.Fit(kBox);
  const DrawingIndex index(scene.drawing);
  const SheetSource source{scene.drawing, scene.doc, scene.styles, scene.print, &index};
  for (int backdrop : {0, 1}) {
    RedrawState whole = scene.state, staged = scene.state, keptState = scene.state;
    whole.BackdropMode = staged.BackdropMode = keptState.BackdropMode = backdrop;
    ViewState v1 = scene.view, v2 = scene.view, v3 = scene.view;
    RecordingCanvas all, under, frames, kept;
    RedrawSheet(all, v1, source, whole);
    RedrawUnderFrames(&under, v2, source, staged);
    RedrawFrames(frames, v2, source, staged);
    RedrawUnderFrames(nullptr, v3, source, keptState);
    RedrawFrames(kept, v3, source, keptState);
    std::vector<CanvasCall> joined = under.Calls();
    joined.insert(joined.end(), frames.Calls().begin(), frames.Calls().end());
    EXPECT_TRUE(joined == all.Calls()) << backdrop;
    EXPECT_TRUE(kept.Calls() == frames.Calls()) << backdrop;
    EXPECT_TRUE(v2 == v1 && v3 == v1 && staged == whole && keptState == whole) << backdrop;
  }

  struct Change {
    const char* what;
    std::function<void(RedrawScene&)> change;
    bool keyChanges;
  };
  const Change changes[] = {
      {"a frame moves", [](RedrawScene& s) { s.sheet().frames[1].dx += 5; }, false},
      {"a frame's layer is hidden", [](RedrawScene& s) { s.sheet().frames[2].groups[0].layers[1].state = 0; }, false},
      {"an auxiliary line is added", [](RedrawScene& s) { s.sheet().lines.push_back({0, 0, 0, 9, 9}); }, false},
      {"the base's layer is hidden", [](RedrawScene& s) { s.sheet().frames[0].groups[0].layers[1].state = 0; }, true},
      {"the view zooms", [](RedrawScene& s) { s.view.ViewScale *= 2; }, true},
      {"a pen colour changes", [](RedrawScene& s) { s.styles.ScreenPenColor[2] ^= 0xFF; }, true},
      {"the preview starts", [](RedrawScene& s) { s.print.PrintPreview = true; }, true},
      {"the backdrop is switched off", [](RedrawScene& s) { s.state.BackdropMode = 0; }, true},
  };
  scene.state.BackdropMode = 1;
  for (const Change& c : changes) {
    RedrawScene changed = scene;
    const auto before = UnderFramesKeyOf(scene.view, SheetSource{scene.drawing, scene.doc, scene.styles, scene.print, &index}, scene.state);
    c.change(changed);
    const auto after =
        UnderFramesKeyOf(changed.view, SheetSource{scene.drawing, changed.doc, changed.styles, changed.print, &index},
                         changed.state);
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(!(before == after), c.keyChanges) << c.what;
  }
  const DrawingIndex other(scene.drawing);
  EXPECT_FALSE(UnderFramesKeyOf(scene.view, SheetSource{scene.drawing, scene.doc, scene.styles, scene.print, &other},
                                scene.state) ==
               UnderFramesKeyOf(scene.view, source, scene.state))
      << "another index is another drawing";
  EXPECT_FALSE(UnderFramesKeyOf(scene.view, scene.source(), scene.state).has_value()) << "no index, no key";
}

}  // namespace
}  // namespace sw
