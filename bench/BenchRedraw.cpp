// The sheet redraw (RedrawSheet through QtCanvas into the 3072 x 2304 RGB32
// back buffer of a 1024 x 768 paint box) of a generated A1 sheet: 50,000
// lines of mixed types, 5,000 arcs and circles, 5,000 texts, 1,000
// dimensions and 200 inserts of 50-entity blocks under the grey backdrop and
// four rectangle frames with offsets and their own layer states.
//
// Rows (time = one whole redraw, a new canvas each time as the main window
// makes it):
//   Redraw/all/<view>      the whole sheet
//   Redraw/<kind>/<view>   the same sheet with a drawing of one kind only
//                          (lines, arcs, texts, dims, inserts; "empty" is
//                          background, paper, frame outlines and auxiliary
//                          lines alone)
//   RedrawLines/<n>/fit    n lines only, for the growth with the count
// Views: "fit" is the start-up view (A1 fitted to the paint box, the paper
// in the middle third of the buffer); "zoom3" is three times that scale
// (the paper fills the buffer; every text is drawn as glyphs).
//
// Counters (ms per redraw; ratios are redraw time / floor time):
//   floor_ms, x_floor   the plain floor (RedrawFloor.h): one drawLine per
//                       line drawn, one drawText per text drawn as glyphs,
//                       one drawPolygon per text drawn as a box; rows with
//                       lines or texts only
//   replay_ms, x_replay the redraw's own canvas calls painted straight
//   lines, glyph_texts, box_texts  what the plain floor draws per redraw
//   draw_calls          QPainter draw calls of the redraw (from the replay)
// With SW_BENCH_REDRAW_ONLY=1 in the environment the floors are not painted
// (for profiling the redraw alone); with SW_BENCH_REDRAW_PNG=<folder> each
// row saves its first redraw there as a PNG, to see what is measured.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "RedrawFloor.h"
#include "RedrawScene.h"
#include "platform/QtCanvas.h"
#include "render/Redraw.h"

namespace {

using namespace sw;
using namespace sw::bench;
using Clock = std::chrono::steady_clock;

struct Fixture {
  Scene scene;
  ViewState view;
  PlainFloor plain;
  bool plainLines = false, plainTexts = false;
  bool hasReplay = false;
  ReplayList replay;
};

struct FixtureOptions {
  SceneCounts counts;
  double zoom = 1;
  bool plainLines = false, plainTexts = false, replay = true;
};

// Fixtures are built on first use, so that a filtered run builds only its own.
class Fixtures {
 public:
  const Fixture& Get(const std::string& name, const FixtureOptions& options) {
    std::unique_ptr<Fixture>& f = built_[name];
    if (!f) f = Build(options);
    return *f;
  }

 private:
  static std::unique_ptr<Fixture> Build(const FixtureOptions& options) {
    auto f = std::make_unique<Fixture>();
    f->scene = MakeScene(options.counts);
    f->view = MakeSheetView(options.zoom);
    f->plainLines = options.plainLines;
    f->plainTexts = options.plainTexts;
    if (options.plainLines || options.plainTexts) f->plain = BuildPlainFloor(f->scene, f->view);
    if (options.replay) {
      f->replay = RecordRedraw(f->scene, f->view);
      f->hasReplay = true;
    }
    if (options.plainLines) CheckLineCount(*f);
    return f;
  }

  // The plain floor must draw as many lines as the redraw: with every line
  // made solid, the redraw's one-segment calls, less those of the same sheet
  // without entities, are the lines it drew.
  static void CheckLineCount(const Fixture& f) {
    Scene solid = f.scene;
    for (CDataSen& l : solid.drawing.JWWLines) l.head.penStyle = 1;
    Scene empty = f.scene;
    empty.drawing.JWWLines.clear();
    auto lineCalls = [&](const Scene& s) {
      const ReplayList r = RecordRedraw(s, f.view);
      std::size_t n = 0;
      for (const ReplayList::Item& it : r.items)
        if (it.op == ReplayList::Op::Line) ++n;
      return n;
    };
    const std::size_t drawn = lineCalls(solid) - lineCalls(empty);
    if (drawn != f.plain.lines)
      std::fprintf(stderr, "warning: the redraw draws %zu lines, the floor %zu\n", drawn,
                   f.plain.lines);
  }

  std::map<std::string, std::unique_ptr<Fixture>> built_;
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void RunRedraw(benchmark::State& state, const std::string& name, const Fixture& f, bool floors) {
  const ViewState& v0 = f.view;
  QImage image(v0.BufferSize.width, v0.BufferSize.height, QImage::Format_RGB32);
  ViewState view = v0;
  RedrawState redraw;
  redraw.BackdropMode = 1;
  const SheetSource source{f.scene.drawing, f.scene.document, f.scene.styles};
  auto once = [&] {
    QtCanvas canvas(image);
    RedrawSheet(canvas, view, source, redraw);
  };
  once();  // the font database and Qt's glyph caches are filled once per process
  if (const QString dir = qEnvironmentVariable("SW_BENCH_REDRAW_PNG"); !dir.isEmpty()) {
    QString file = QString::fromStdString(name);
    file.replace('/', '_');
    image.save(dir + '/' + file + ".png");
  }
  const bool plain = floors && (f.plainLines || f.plainTexts);
  const bool replay = floors && f.hasReplay;
  double redrawTime = 0, plainTime = 0, replayTime = 0;
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    once();
    const Clock::time_point t1 = Clock::now();
    state.SetIterationTime(Seconds(t1 - t0));
    redrawTime += Seconds(t1 - t0);
    if (plain) {
      const Clock::time_point a = Clock::now();
      PaintPlainFloor(image, f.plain, f.plainLines, f.plainTexts);
      plainTime += Seconds(Clock::now() - a);
    }
    if (replay) {
      const Clock::time_point a = Clock::now();
      PaintReplay(image, f.replay);
      replayTime += Seconds(Clock::now() - a);
    }
  }
  const double n = static_cast<double>(state.iterations());
  if (plain) {
    state.counters["floor_ms"] = plainTime / n * 1e3;
    state.counters["x_floor"] = redrawTime / plainTime;
  }
  if (f.plainLines) state.counters["lines"] = static_cast<double>(f.plain.lines);
  if (f.plainTexts) {
    state.counters["glyph_texts"] = static_cast<double>(f.plain.texts);
    state.counters["box_texts"] = static_cast<double>(f.plain.boxes);
  }
  if (replay) {
    state.counters["replay_ms"] = replayTime / n * 1e3;
    state.counters["x_replay"] = redrawTime / replayTime;
    state.counters["draw_calls"] = static_cast<double>(f.replay.drawCalls);
  }
}

void Register(Fixtures& fixtures, const std::string& name, const FixtureOptions& options, bool floors) {
  benchmark::RegisterBenchmark(name.c_str(),
                               [&fixtures, name, options, floors](benchmark::State& state) {
                                 RunRedraw(state, name, fixtures.Get(name, options), floors);
                               })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

void RegisterAll(Fixtures& fixtures, bool floors) {
  const SceneCounts sheet;
  const std::pair<const char*, double> views[] = {{"fit", 1.0}, {"zoom3", 3.0}};
  const SceneKind kinds[] = {SceneKind::All,  SceneKind::Lines,   SceneKind::Arcs,
                             SceneKind::Texts, SceneKind::Dims,   SceneKind::Inserts,
                             SceneKind::Empty};
  for (const auto& [viewName, zoom] : views) {
    for (SceneKind kind : kinds) {
      FixtureOptions options;
      options.counts = OnlyKind(sheet, kind);
      options.zoom = zoom;
      options.plainLines = kind == SceneKind::Lines;
      options.plainTexts = kind == SceneKind::Texts;
      Register(fixtures, std::string("Redraw/") + KindName(kind) + "/" + viewName, options, floors);
    }
  }
  for (int n : {10000, 100000, 1000000}) {
    FixtureOptions options;
    options.counts = OnlyKind(sheet, SceneKind::Lines);
    options.counts.lines = n;
    options.plainLines = true;
    options.replay = n <= 100000;  // a million lines' dash pieces would not fit well in memory
    Register(fixtures, "RedrawLines/" + std::to_string(n) + "/fit", options, floors);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Fixtures fixtures;
  return sw::bench::RunQtBenchmarks(argc, argv, [&fixtures] {
    RegisterAll(fixtures, qEnvironmentVariableIntValue("SW_BENCH_REDRAW_ONLY") == 0);
  });
}
