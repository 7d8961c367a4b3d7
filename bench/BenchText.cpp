// 20,000 texts of 8 characters (full- and half-width mixed) drawn through
// DrawText into a raster canvas (one glyph output per character), beside
// the floor: one QPainter::drawText per string with one font, strings
// converted beforehand.
#include <benchmark/benchmark.h>

#include "QtBenchMain.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <random>
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "platform/QtCanvas.h"
#include "render/TextDraw.h"

namespace {

using namespace sw;

constexpr int kTexts = 20000;
constexpr int kWidth = 2400, kHeight = 1800;  // buffer pixels
constexpr double kScale = 2;                  // px per mm

struct Scene {
  ViewState view;
  StyleTables styles = InitialStyleTables();
  std::array<JWWLayerGroupState, 16> groups{};
  PenContext pen;
  std::vector<CDataMoji> texts;

  Scene() {
    view.ViewScale = kScale;
    view.ViewWindow = ViewRect{-kWidth / 2 / kScale, -kHeight / 2 / kScale, kWidth / 2 / kScale,
                               kHeight / 2 / kScale};
    view.BufferSize = PixelExtent{kHeight, kWidth};
    view.DrawOrigin = view.PaperOrigin = PixelPoint{kWidth / 2, kHeight / 2};
    for (JWWLayerGroupState& g : groups) {
      g.state = 2;
      for (JWWLayerState& l : g.layers) l.state = 2;
    }
    pen.styles = &styles;
    pen.groups = &groups;

    const std::vector<std::string> full = {"日", "本", "語", "図", "面", "寸", "法", "あ",
                                           "い", "う", "ア", "イ", "・", "○", "※", "Ｗ"};
    const std::vector<std::string> half = {"A", "B", "1", "2", "-", "x", "ｱ", "ｲ", "･", "(", ")"};
    std::mt19937 rng(20240601);
    std::uniform_real_distribution<double> x(view.ViewWindow.left, view.ViewWindow.right - 40);
    std::uniform_real_distribution<double> y(view.ViewWindow.bottom, view.ViewWindow.top - 6);
    texts.reserve(kTexts);
    for (int i = 0; i < kTexts; ++i) {
      CDataMoji t;
      t.head.penColor = static_cast<std::uint16_t>(1 + rng() % 8);
      t.x1 = x(rng);
      t.y1 = y(rng);
      t.sizeX = t.sizeY = 5;
      t.spacing = 0.5;
      std::string s;
      double length = 0;
      for (int k = 0; k < 8; ++k) {
        const bool isFull = rng() % 2 == 0;
        const std::string& c = isFull ? full[rng() % full.size()] : half[rng() % half.size()];
        s += Utf8ToCp932(c);
        length += isFull ? 5.5 : 2.75;
      }
      t.text = s;
      t.x2 = t.x1 + length;
      t.y2 = t.y1;
      t.fontName = Utf8ToCp932("ＭＳ ゴシック");
      texts.push_back(std::move(t));
    }
  }
};

const Scene& TheScene() {
  static const Scene scene;
  return scene;
}

// Every text through DrawText, a new canvas (and so cold caches) per redraw.
void BM_DrawText(benchmark::State& state) {
  const Scene& s = TheScene();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const DrawContext ctx{s.view, s.pen, WindowClip(s.view), 0, 0};
  for (auto _ : state) {
    image.fill(Qt::white);
    QtCanvas canvas(image);
    for (const CDataMoji& t : s.texts) DrawText(ctx, canvas, t);
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_DrawText)->Unit(benchmark::kMillisecond);

// The same with one canvas kept across redraws (warm caches).
void BM_DrawTextWarm(benchmark::State& state) {
  const Scene& s = TheScene();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const DrawContext ctx{s.view, s.pen, WindowClip(s.view), 0, 0};
  QtCanvas canvas(image);
  for (auto _ : state) {
    image.fill(Qt::white);
    for (const CDataMoji& t : s.texts) DrawText(ctx, canvas, t);
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_DrawTextWarm)->Unit(benchmark::kMillisecond);

// Floor: one drawText per string, one font, strings and pixels prepared.
void BM_FloorDrawTextPerString(benchmark::State& state) {
  const Scene& s = TheScene();
  std::vector<QString> strings;
  std::vector<QPoint> at;
  for (const CDataMoji& t : s.texts) {
    strings.push_back(QString::fromUtf8(Cp932ToUtf8(t.text)));
    at.push_back(QPoint(RoundAway((t.x1 - s.view.ViewWindow.left) * kScale),
                        RoundAway((s.view.ViewWindow.top - t.y1) * kScale)));
  }
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(static_cast<int>(5 * kScale));
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    for (std::size_t i = 0; i < strings.size(); ++i) p.drawText(at[i], strings[i]);
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_FloorDrawTextPerString)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return sw::bench::RunQtBenchmarks(argc, argv); }
