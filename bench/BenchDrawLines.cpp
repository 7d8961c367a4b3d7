// 200,000 lines of mixed line types (solid 1, dashed 2..9, random 11..15)
// drawn through the whole entity path (pen selection, frame and window
// clipping, ToScreen, dashing, QtCanvas) into a 2600 x 1950 RGB32 image,
// beside the floor: the same pixel segments drawn with QPainter::drawLine as
// plain one-pixel solid lines. Compare the two times per iteration.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>
#include <vector>

#include "jww/Records.h"
#include "platform/QtCanvas.h"
#include "render/DrawContext.h"
#include "render/DrawLine.h"
#include "render/Styles.h"
#include "render/View.h"

namespace {

constexpr int kLines = 200000;
constexpr int kWidth = 2600, kHeight = 1950;

struct Scene {
  sw::ViewState view;
  sw::StyleTables styles = sw::InitialStyleTables();
  std::array<sw::JWWLayerGroupState, 16> groups{};
  sw::PenContext pen;
  std::vector<sw::CDataSen> lines;
  std::vector<QLine> floor;  // the same segments in pixels

  explicit Scene(bool solidOnly) {
    view.ViewScale = 2;  // pixels per mm
    view.BufferSize.width = kWidth;
    view.BufferSize.height = kHeight;
    view.ViewWindow = {-kWidth / 4.0, -kHeight / 4.0, kWidth / 4.0, kHeight / 4.0};
    sw::PlaceOrigin(view);
    for (auto& g : groups) {
      g.state = 2;
      for (auto& l : g.layers) l.state = 2;
    }
    pen.styles = &styles;
    pen.groups = &groups;
    pen.currentFrame = 1;

    // Lines of 2..100 mm anywhere over a slightly larger area than the
    // window, so that some are cut and some culled.
    std::mt19937 rng(20240601);
    std::uniform_real_distribution<double> x(-700, 700), y(-530, 530), len(2, 100),
        angle(0, 6.283185307179586);
    const int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15};
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
      sw::CDataSen l;
      l.head.penStyle = static_cast<std::uint8_t>(solidOnly ? 1 : types[i % 14]);
      l.head.penColor = static_cast<std::uint16_t>(1 + i % 8);
      l.x1 = x(rng);
      l.y1 = y(rng);
      const double a = angle(rng), d = len(rng);
      l.x2 = l.x1 + d * std::cos(a);
      l.y2 = l.y1 + d * std::sin(a);
      lines.push_back(l);
      const sw::PixelPoint p = sw::ToScreen(view, sw::MakePoint(l.x1, l.y1));
      const sw::PixelPoint q = sw::ToScreen(view, sw::MakePoint(l.x2, l.y2));
      floor.emplace_back(p.x, p.y, q.x, q.y);
    }
  }

  sw::DrawContext Context() const {
    const sw::ClipRect frame = sw::WindowClip(view);
    return sw::DrawContext{view, pen, frame, 0, 0};
  }
};

void DrawAll(benchmark::State& state, bool solidOnly) {
  Scene scene(solidOnly);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (auto _ : state) {
    sw::QtCanvas canvas(image);
    const sw::DrawContext ctx = scene.Context();
    for (const sw::CDataSen& l : scene.lines) sw::DrawLine(ctx, canvas, l);
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(kLines), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DrawLinesMixed(benchmark::State& state) { DrawAll(state, false); }
void BM_DrawLinesSolid(benchmark::State& state) { DrawAll(state, true); }

void BM_DrawLinesFloor(benchmark::State& state) {
  Scene scene(true);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    for (const QLine& l : scene.floor) painter.drawLine(l);
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(kLines), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_DrawLinesFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLinesMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLinesSolid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return sw::bench::RunQtBenchmarks(argc, argv); }
