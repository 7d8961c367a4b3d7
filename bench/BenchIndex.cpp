// The drawing's index and the redraw through it, on generated A1 sheets of
// 10,000, 100,000 and 1,000,000 entities (80 % lines, 10 % arcs and circles,
// 10 % texts) under the grey backdrop and four offset frames (RedrawScene.h),
// into the 3072 x 2304 back buffer of a 1024 x 768 paint box.
//
// Rows:
//   IndexBuild/<n>               building the index of the drawing
//   Redraw/<n>/<view>/scan       the redraw visiting every entity (the floor)
//   Redraw/<n>/<view>/index      the same redraw through the index
//   Redraw/<n>/<view>/kept       the redraw after a frame's layer was switched:
//                                the pixels under the frames copied from the
//                                kept image, the frames drawn over them
//   Redraw/<n>/<view>/paint      the painting alone: the redraw's canvas calls,
//                                recorded once, painted straight onto
//                                QPainter (RedrawFloor.h); no redraw through
//                                the same painter can cost less
// Views: "fit" (the start-up view) and "zoom10" (ten times its scale about
// the paper centre). Counter x_scan = the row's time / the scan time of its
// view; the redraws paint the same pixels (tests/render checks the canvas
// calls).
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"
#include "RedrawFloor.h"
#include "RedrawScene.h"

#include <QImage>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "platform/QtCanvas.h"
#include "render/DrawingIndex.h"
#include "render/Redraw.h"

using namespace sw;
using namespace sw::bench;

namespace {

struct Fixture {
  Scene scene;
  DrawingIndex index;
};

SceneCounts Counts(int n) {
  SceneCounts c;
  c.lines = n * 8 / 10;
  c.arcs = n / 10;
  c.texts = n / 10;
  c.dims = 0;
  c.inserts = 0;
  return c;
}

const Fixture& Get(int n) {
  static std::map<int, std::unique_ptr<Fixture>> built;
  std::unique_ptr<Fixture>& f = built[n];
  if (!f) {
    f = std::make_unique<Fixture>();
    f->scene = MakeScene(Counts(n));
    f->index = DrawingIndex(f->scene.drawing);
  }
  return *f;
}

std::map<std::string, double>& ScanSeconds() {
  static std::map<std::string, double> seconds;
  return seconds;
}

enum class Mode { Scan, Index, Kept, Paint };

void RunRedraw(benchmark::State& state, int n, const std::string& viewName, double zoom, Mode mode) {
  const bool indexed = mode != Mode::Scan;
  const Fixture& f = Get(n);
  const ViewState v0 = MakeSheetView(zoom);
  QImage image(v0.BufferSize.width, v0.BufferSize.height, QImage::Format_RGB32);
  ViewState view = v0;
  RedrawState redraw;
  redraw.BackdropMode = 1;
  const SheetSource source{f.scene.drawing, f.scene.document, f.scene.styles, kScreenPrint,
                           indexed ? &f.index : nullptr};
  QImage under;
  ReplayList replay;
  if (mode == Mode::Paint) replay = RecordRedraw(f.scene, v0);
  if (mode == Mode::Kept) {
    QtCanvas canvas(image);
    RedrawUnderFrames(&canvas, view, source, redraw);
    canvas.Finish();
    under = image.copy();
    RedrawFrames(canvas, view, source, redraw);
  }
  auto once = [&] {
    if (mode == Mode::Paint) {
      PaintReplay(image, replay);
      return;
    }
    if (mode == Mode::Kept) {
      std::memcpy(image.bits(), under.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
      RedrawUnderFrames(nullptr, view, source, redraw);
      QtCanvas canvas(image);
      RedrawFrames(canvas, view, source, redraw);
      return;
    }
    QtCanvas canvas(image);
    RedrawSheet(canvas, view, source, redraw);
  };
  once();  // fonts and glyph caches
  double total = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    once();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    state.SetIterationTime(s);
    total += s;
  }
  const double each = total / static_cast<double>(state.iterations());
  const std::string key = std::to_string(n) + viewName;
  if (!indexed) ScanSeconds()[key] = each;
  else if (ScanSeconds().count(key)) state.counters["x_scan"] = each / ScanSeconds()[key];
}

void RegisterAll() {
  for (int n : {10000, 100000, 1000000}) {
    benchmark::RegisterBenchmark(("IndexBuild/" + std::to_string(n)).c_str(), [n](benchmark::State& state) {
      const Fixture& f = Get(n);
      for (auto _ : state) {
        DrawingIndex index(f.scene.drawing);
        benchmark::DoNotOptimize(index);
      }
    })->Unit(benchmark::kMillisecond);
    for (const auto& [viewName, zoom] : {std::pair<std::string, double>{"fit", 1.0}, {"zoom10", 10.0}}) {
      for (const auto& [modeName, mode] :
           {std::pair<const char*, Mode>{"scan", Mode::Scan},
            {"index", Mode::Index},
            {"kept", Mode::Kept},
            {"paint", Mode::Paint}}) {
        const std::string name = "Redraw/" + std::to_string(n) + "/" + viewName + "/" + modeName;
        benchmark::RegisterBenchmark(name.c_str(), [n, viewName, zoom, mode](benchmark::State& state) {
          RunRedraw(state, n, viewName, zoom, mode);
        })->UseManualTime()->Unit(benchmark::kMillisecond);
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv, RegisterAll); }
