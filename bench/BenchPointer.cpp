// The pointer handlers on a big sheet: a generated A1 drawing of 1,000,000
// entities (mostly lines) under the grey backdrop and five rectangle frames,
// all shown, loaded into a workspace whose drawing area is 1024 x 800 with
// the paper fitted to it. The overlay paints through QtCanvas onto a
// 1024 x 800 RGB32 image, as the window's overlay paints onto the screen
// image, so every band really costs its pixels.
//
// Rows (time = one handler call as the window makes it):
//   Move/rect, Move/auxline   one PaintBox1MouseMove with the band shown
//                             (rectangle tool at 200, aux line at 230),
//                             alternating between two positions: erase the
//                             old band, draw the new one
//   Snap/miss                 SnapPoint at a point near the sides of as many
//                             shown frames as possible that finds nothing:
//                             every line is tried against every such frame
//   Snap/corner               SnapPoint at the last frame's last corner
//   RightClick/miss           right press and release at the miss point in
//                             the rectangle tool (the snap fails, the tool
//                             keeps waiting)
//   Wheel/in, Wheel/out       PaintBox1Wheel at the middle of the drawing
//                             area from the fitted view, then the redraw it
//                             asks for into the 3072 x 2400 back buffer
//
// Counters (ms per call; x_floor = time / floor time; the snap rows time
// their floor on their first 100 iterations only):
//   floor_ms, x_floor   Move: the same XOR shape drawn twice with a bare
//                       QPainter on the image (rectangle; for the aux line
//                       the line across the drawing area). Snap: one pass
//                       over the lines testing each line's bounding box
//                       against the probe square. Wheel: RedrawWorkspace
//                       alone at the zoomed view.
//   draws_per_move      overlay draws per move (2: erase and draw)
//   frames_tried        Snap: shown frames whose sides the probe is near
//   lines               lines in the drawing
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "RedrawScene.h"
#include "edit/Commands.h"
#include "edit/CommandsView.h"
#include "edit/EditDocument.h"
#include "edit/PointerEngine.h"
#include "edit/Snap.h"
#include "platform/QtCanvas.h"
#include "support/ScriptedPrompts.h"

namespace {

using namespace sw;
using namespace sw::bench;
using Clock = std::chrono::steady_clock;

constexpr BoxSize kBox{1024, 800};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The floor of a row, timed beside each iteration up to `limit` of them: a
// row whose own work is far cheaper than its floor (the corner snap) would
// otherwise spend its whole run there.
class FloorTimer {
 public:
  explicit FloorTimer(long limit = -1) : limit_(limit) {}
  template <class F>
  void run(F&& floor) {
    if (limit_ >= 0 && runs_ >= limit_) return;
    const Clock::time_point t0 = Clock::now();
    floor();
    time_ += Seconds(Clock::now() - t0);
    ++runs_;
  }
  double mean() const { return runs_ ? time_ / static_cast<double>(runs_) : 0; }

 private:
  long limit_;
  double time_ = 0;
  long runs_ = 0;
};

// floor_ms and x_floor of a row whose own calls took `time` seconds in all.
void FloorCounters(benchmark::State& state, double time, const FloorTimer& floor) {
  const double mean = time / static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floor.mean() * 1e3;
  state.counters["x_floor"] = mean / floor.mean();
}

// Paints onto an image of the drawing area through QtCanvas, one canvas per
// draw as the window's overlay does; everything else is only counted.
class ImageOverlay : public Overlay {
 public:
  QImage image{kBox.width, kBox.height, QImage::Format_RGB32};
  long draws = 0, others = 0;

  ImageOverlay() { image.fill(Qt::white); }
  void draw(const std::function<void(Canvas&)>& paint) override {
    ++draws;
    QtCanvas canvas(image);
    paint(canvas);
  }
  void invalidate() override { ++others; }
  void pause(int) override { ++others; }
  void showLabel(const std::string&, int, int) override { ++others; }
  void showBufferShifted(int, int) override { ++others; }
  void setPanCursor(bool) override { ++others; }
};

// Entity counts adding up to one million; lines make up 95 %.
SceneCounts MillionCounts() {
  SceneCounts c;
  c.arcs = 30000;
  c.texts = 15000;
  c.dims = 4800;
  c.inserts = 200;
  c.lines = 1000000 - c.arcs - c.texts - c.dims - c.inserts;
  return c;
}

// The scene has four frames; a fifth shows a second detail (the middle of
// the plan, 50 x 80 mm) at the right edge of the sheet, every layer shown.
// Its right side is on the line of the north-east frame's, and both lie far
// above the south-west frame's bottom: a probe where those lines meet is
// near the sides of three frames yet no line can cross them there.
void AddSecondDetail(LayoutDocument& doc, const JWWDrawing& d) {
  CLayMain& sheet = doc.Sheets[0];
  CLayCount f;
  f.kind = kFrameRect;
  f.name = "detail 2";
  f.dx = 365;
  f.dy = 140;
  f.groups = d.head.groups;
  sheet.frames.push_back(f);
  sheet.circles.push_back(CLayCircle{});
  sheet.rects.push_back(CLayRect{kRectCode, -25, -40, 25, 40});
  sheet.shown.push_back(true);
  sheet.frameHigh = static_cast<std::int32_t>(sheet.frames.size()) - 1;
}

// A shown rectangle frame's rectangle on the paper.
struct PaperRect {
  double left, bottom, right, top;
};

std::vector<PaperRect> ShownFrameRects(const CLayMain& sheet) {
  std::vector<PaperRect> out;
  for (std::size_t i = 1; i < sheet.frames.size(); ++i) {
    const CLayCount& f = sheet.frames[i];
    if (f.kind != kFrameRect || !sheet.shown[i]) continue;
    const CLayRect& r = sheet.rects[i];
    out.push_back({std::min(r.x1, r.x2) + f.dx, std::min(r.y1, r.y2) - f.dy,
                   std::max(r.x1, r.x2) + f.dx, std::max(r.y1, r.y2) - f.dy});
  }
  return out;
}

// Shown frames with a side within `t` of the point in x or y: those whose
// crossings a snap there has to look for.
int FramesNear(const std::vector<PaperRect>& rects, double x, double y, double t) {
  int n = 0;
  for (const PaperRect& r : rects)
    if (std::fabs(r.left - x) <= t || std::fabs(r.right - x) <= t || std::fabs(r.bottom - y) <= t ||
        std::fabs(r.top - y) <= t)
      ++n;
  return n;
}

struct Bench {
  Workspace ws;
  ShellState shell = StartShell();
  test::ScriptedPrompts prompts;
  ImageOverlay overlay;
  PointerInput in{ws, shell, prompts, overlay};
  ViewState fitted;
  PaperPoint miss;       // a probe that finds nothing, near the most frames
  int missFrames = 0;
  PaperPoint corner;     // the last frame's last corner
  QImage backBuffer;

  Bench() {
    SetUpStartWorkspace(ws, kBox);
    Scene scene = MakeScene(MillionCounts());
    AddSecondDetail(scene.document, scene.drawing);
    ws.drawing = std::move(scene.drawing);
    ws.document = std::move(scene.document);
    ws.styles = scene.styles;
    ws.tool.BaseLoaded = true;
    ApplyBackdropRule(ws);
    SyncLayerPanel(ws);
    FitViewToPaper(ws.view, ws.document.PaperIndex, kBox);
    fitted = ws.view;
    backBuffer = QImage(ws.view.BufferSize.width, ws.view.BufferSize.height, QImage::Format_RGB32);
    {  // the font database and glyph caches are filled once per process
      QtCanvas canvas(backBuffer);
      RedrawWorkspace(canvas, ws);
    }
    FindProbes();
  }

  // Candidates for the miss: every pairing of a frame's vertical side with
  // a frame's horizontal side, most frames near first; the first that snaps
  // to nothing wins.
  void FindProbes() {
    const CLayMain& sheet = CurrentSheet(ws.document);
    const std::vector<PaperRect> rects = ShownFrameRects(sheet);
    const double t = kSnapPixels / ws.view.ViewScale;
    std::vector<double> xs, ys;
    for (const PaperRect& r : rects) {
      xs.insert(xs.end(), {r.left, r.right});
      ys.insert(ys.end(), {r.bottom, r.top});
    }
    struct Candidate {
      PaperPoint p;
      int frames;
    };
    std::vector<Candidate> candidates;
    // Up to nine tenths of the tolerance off each side, so that the probe
    // is near the side but need not lie on it.
    const double offsets[] = {0.5, -0.5, 0.9, -0.9, 0.25, -0.25};
    for (double x : xs)
      for (double y : ys)
        for (double ox : offsets)
          for (double oy : offsets) {
            const PaperPoint p{x + ox * t, y + oy * t};
            candidates.push_back({p, FramesNear(rects, p.x, p.y, t)});
          }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.frames > b.frames; });
    for (const Candidate& c : candidates) {
      PaperPoint p = c.p;
      const PixelPoint px = BoxPixel(ws.view, p);
      if (px.x <= 0 || px.y <= 0 || px.x >= kBox.width || px.y >= kBox.height) continue;
      if (SnapPoint(ws, p)) continue;
      miss = c.p;
      missFrames = c.frames;
      break;
    }
    const CLayCount& last = sheet.frames.back();
    const CLayRect& r = sheet.rects.back();
    corner = PaperPoint{r.x2 + last.dx, r.y2 - last.dy};
  }

  // Idle, nothing drawn over the sheet, the fitted view.
  void Reset() {
    EscapeKey(ws, shell);
    ws.view = fitted;
    shell.req = {};
  }

  PointerEvent Event(int x, int y) const {
    PointerEvent e;
    e.x = x;
    e.y = y;
    return e;
  }
  void Click(PointerButton b, int x, int y) {
    PointerEvent down = Event(x, y);
    down.button = b;
    down.leftHeld = b == PointerButton::Left;
    down.rightHeld = b == PointerButton::Right;
    PaintBox1MouseDown(in, down);
    PointerEvent up = Event(x, y);
    up.button = b;
    PaintBox1MouseUp(in, up);
  }
  void Move(int x, int y) { PaintBox1MouseMove(in, Event(x, y)); }
};

Bench& TheBench() {
  static std::unique_ptr<Bench> b = std::make_unique<Bench>();
  return *b;
}

// --- moves -----------------------------------------------------------------

constexpr PixelPoint kFirst{512, 400};
// The two positions the pointer alternates between: both bands have the
// same size, so the floor's one shape drawn twice matches either.
constexpr PixelPoint kMoveA{812, 650}, kMoveB{212, 650};

// The line through a and b, extended to the drawing area.
QLine AcrossBox(PixelPoint a, PixelPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double lo = -1e300, hi = 1e300;
  auto limit = [&](double p, double d, double max) {
    if (d == 0) return;
    double t0 = (0 - p) / d, t1 = (max - p) / d;
    if (t0 > t1) std::swap(t0, t1);
    lo = std::max(lo, t0);
    hi = std::min(hi, t1);
  };
  limit(a.x, dx, kBox.width);
  limit(a.y, dy, kBox.height);
  return QLine(static_cast<int>(std::lround(a.x + lo * dx)), static_cast<int>(std::lround(a.y + lo * dy)),
               static_cast<int>(std::lround(a.x + hi * dx)), static_cast<int>(std::lround(a.y + hi * dy)));
}

void BM_Move(benchmark::State& state, bool rect) {
  Bench& b = TheBench();
  b.Reset();
  if (rect)
    RectangleTool(b.ws, b.shell);
  else
    AuxLineTool(b.ws, b.shell);
  b.Click(PointerButton::Left, kFirst.x, kFirst.y);
  const std::int32_t waiting = rect ? 200 : 230;
  if (b.ws.tool.ToolMode != waiting) {
    state.SkipWithError("the tool does not wait for its second point");
    return;
  }
  b.Move(kMoveB.x, kMoveB.y);  // the band is shown from here on
  b.shell.req = {};
  const ViewState view = b.ws.view;
  const long draws0 = b.overlay.draws, others0 = b.overlay.others;

  const QColor colour = ToQColor(b.ws.styles.LayoutColor);
  const QRect floorRect(kFirst.x, kFirst.y, kMoveA.x - kFirst.x - 1, kMoveA.y - kFirst.y - 1);
  const QLine floorLine = AcrossBox(kFirst, kMoveA);
  double moveTime = 0;
  FloorTimer floor;
  bool toA = true;
  for (auto _ : state) {
    const PixelPoint to = toA ? kMoveA : kMoveB;
    toA = !toA;
    const Clock::time_point t0 = Clock::now();
    b.Move(to.x, to.y);
    const Clock::time_point t1 = Clock::now();
    state.SetIterationTime(Seconds(t1 - t0));
    moveTime += Seconds(t1 - t0);

    floor.run([&] {
      QPainter p(&b.overlay.image);
      p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      // One pixel wide with flat ends: the pixels the canvas draws its bands with.
      p.setPen(QPen(colour, 0, Qt::SolidLine, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      for (int k = 0; k < 2; ++k) {
        if (rect)
          p.drawRect(floorRect);
        else
          p.drawLine(floorLine);
      }
    });
  }
  const double n = static_cast<double>(state.iterations());
  if (b.overlay.others != others0 || !(b.shell.req == ShellRequests{}) || !b.ws.pointer.RubberShown ||
      b.ws.view.ViewScale != view.ViewScale)
    state.SkipWithError("a move did more than erase and draw its band");
  state.counters["draws_per_move"] = static_cast<double>(b.overlay.draws - draws0) / n;
  FloorCounters(state, moveTime, floor);
  b.Reset();
}

// --- snaps -----------------------------------------------------------------

// The snap rows time their floor on this many iterations.
constexpr long kSnapFloorRuns = 100;

// Lines whose bounding box meets the probe square, by the plainest loop.
std::size_t BoxesMeeting(const std::vector<CDataSen>& lines, PaperPoint p, double t) {
  std::size_t n = 0;
  for (const CDataSen& l : lines) {
    const double xlo = std::min(l.x1, l.x2), xhi = std::max(l.x1, l.x2);
    const double ylo = std::min(l.y1, l.y2), yhi = std::max(l.y1, l.y2);
    n += xlo <= p.x + t && xhi >= p.x - t && ylo <= p.y + t && yhi >= p.y - t;
  }
  return n;
}

void SnapCounters(benchmark::State& state, const Bench& b, double time, const FloorTimer& floor, int frames) {
  FloorCounters(state, time, floor);
  state.counters["frames_tried"] = frames;
  state.counters["lines"] = static_cast<double>(b.ws.drawing.JWWLines.size());
}

void BM_Snap(benchmark::State& state, bool atCorner) {
  Bench& b = TheBench();
  b.Reset();
  const PaperPoint at = atCorner ? b.corner : b.miss;
  const double t = kSnapPixels / b.ws.view.ViewScale;
  {
    PaperPoint p = at;
    if (SnapPoint(b.ws, p) != atCorner) {
      state.SkipWithError(atCorner ? "no snap at the corner" : "the miss point snaps");
      return;
    }
  }
  double time = 0;
  FloorTimer floor(kSnapFloorRuns);
  for (auto _ : state) {
    PaperPoint p = at;
    const Clock::time_point t0 = Clock::now();
    benchmark::DoNotOptimize(SnapPoint(b.ws, p));
    const Clock::time_point t1 = Clock::now();
    state.SetIterationTime(Seconds(t1 - t0));
    time += Seconds(t1 - t0);

    floor.run([&] { benchmark::DoNotOptimize(BoxesMeeting(b.ws.drawing.JWWLines, at, t)); });
  }
  SnapCounters(state, b, time, floor, atCorner ? 0 : b.missFrames);
}

void BM_RightClickMiss(benchmark::State& state) {
  Bench& b = TheBench();
  b.Reset();
  RectangleTool(b.ws, b.shell);
  const PixelPoint px = BoxPixel(b.ws.view, b.miss);
  const double t = kSnapPixels / b.ws.view.ViewScale;
  // The click lands on a pixel: its paper point must miss as well.
  const PaperPoint at = BoxPaper(b.ws.view, px.x, px.y);
  double time = 0;
  FloorTimer floor(kSnapFloorRuns);
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    b.Click(PointerButton::Right, px.x, px.y);
    const Clock::time_point t1 = Clock::now();
    state.SetIterationTime(Seconds(t1 - t0));
    time += Seconds(t1 - t0);

    floor.run([&] { benchmark::DoNotOptimize(BoxesMeeting(b.ws.drawing.JWWLines, at, t)); });
  }
  if (b.ws.tool.ToolMode != kModeRect) state.SkipWithError("the right click snapped");
  SnapCounters(state, b, time, floor,
               FramesNear(ShownFrameRects(CurrentSheet(b.ws.document)), at.x, at.y, t));
  b.Reset();
}

// --- wheel -----------------------------------------------------------------

void BM_Wheel(benchmark::State& state, bool zoomIn) {
  Bench& b = TheBench();
  b.Reset();
  PointerEvent e = b.Event(kBox.width / 2, kBox.height / 2);
  // A turn towards the user zooms in unless the wheel setting reverses it.
  const bool down = zoomIn == (b.ws.styles.MouseWheel == 0);
  e.wheelDelta = down ? -120 : 120;
  PaintBox1Wheel(b.in, e);
  if (!b.shell.req.redraw || (b.ws.view.ViewScale > b.fitted.ViewScale) != zoomIn) {
    state.SkipWithError("the wheel did not zoom as expected");
    return;
  }
  const ViewState zoomed = b.ws.view;
  double time = 0;
  FloorTimer floor;
  for (auto _ : state) {
    b.ws.view = b.fitted;
    b.shell.req = {};
    const Clock::time_point t0 = Clock::now();
    PaintBox1Wheel(b.in, e);
    if (b.shell.req.redraw) {
      QtCanvas canvas(b.backBuffer);
      RedrawWorkspace(canvas, b.ws);
    }
    const Clock::time_point t1 = Clock::now();
    state.SetIterationTime(Seconds(t1 - t0));
    time += Seconds(t1 - t0);

    b.ws.view = zoomed;
    floor.run([&] {
      QtCanvas canvas(b.backBuffer);
      RedrawWorkspace(canvas, b.ws);
    });
  }
  FloorCounters(state, time, floor);
  state.counters["scale"] = zoomed.ViewScale / b.fitted.ViewScale;
  b.Reset();
}

void RegisterAll() {
  auto reg = [](const char* name, auto fn) {
    benchmark::RegisterBenchmark(name, fn)->UseManualTime()->Unit(benchmark::kMillisecond);
  };
  reg("Move/rect", [](benchmark::State& s) { BM_Move(s, true); });
  reg("Move/auxline", [](benchmark::State& s) { BM_Move(s, false); });
  reg("Snap/miss", [](benchmark::State& s) { BM_Snap(s, false); });
  reg("Snap/corner", [](benchmark::State& s) { BM_Snap(s, true); });
  reg("RightClick/miss", BM_RightClickMiss);
  reg("Wheel/in", [](benchmark::State& s) { BM_Wheel(s, true); });
  reg("Wheel/out", [](benchmark::State& s) { BM_Wheel(s, false); });
}

}  // namespace

int main(int argc, char** argv) { return sw::bench::RunQtBenchmarks(argc, argv, RegisterAll); }
