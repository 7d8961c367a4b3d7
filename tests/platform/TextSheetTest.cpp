// A sheet of texts (angles, vertical writing, special codes, Japanese,
// stretched and tiny texts) drawn through DrawText onto the raster canvas.
// The test checks that ink lands in each text's box; with SW_UPDATE_DOCS=1
// it also writes the picture to docs/texts.png.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "platform/QtCanvas.h"
#include "platform/TextRasterSupport.h"
#include "render/DimensionDraw.h"
#include "render/TextDraw.h"

namespace sw {
namespace {

constexpr int kW = 1200, kH = 800;
constexpr double kScale = 2;  // px per mm: the sheet shows paper 0..600 x 0..400

struct Sheet {
  ViewState view;
  StyleTables styles = InitialStyleTables();
  std::array<JWWLayerGroupState, 16> groups{};
  PenContext pen;
  std::vector<CDataMoji> texts;
  std::vector<CDataSunpou> dims;

  Sheet() {
    view.ViewScale = kScale;
    view.ViewWindow = ViewRect{0, 0, kW / kScale, kH / kScale};
    view.BufferSize = PixelExtent{kH, kW};
    view.DrawOrigin = view.PaperOrigin = PixelPoint{0, kH};
    for (JWWLayerGroupState& g : groups) {
      g.state = 2;
      for (JWWLayerState& l : g.layers) l.state = 2;
    }
    groups[1].state = 1;  // group 1 is display-only: its texts are grey
    pen.styles = &styles;
    pen.groups = &groups;
    pen.currentFrame = 1;
  }

  // A text from (x, y) along `angle`; the end point follows the characters
  // (half-width cells of (w + spacing) / 2) as Jw_cad stores it.
  CDataMoji& Add(double x, double y, const char* utf8, double h = 8, double w = 8,
                 double angle = 0, std::uint16_t pen = 1, const char* face = "ＭＳ ゴシック") {
    CDataMoji t;
    t.text = Utf8ToCp932(utf8);
    t.fontName = Utf8ToCp932(face);
    t.x1 = x;
    t.y1 = y;
    t.sizeX = w;
    t.sizeY = h;
    t.spacing = 0.5;
    t.angle = angle;
    t.head.penColor = pen;
    const double length = static_cast<double>(t.text.size()) * (w + t.spacing) / 2;
    const double a = angle * 3.14159265358979 / 180;
    t.x2 = x + std::cos(a) * length;
    t.y2 = y + std::sin(a) * length;
    texts.push_back(t);
    return texts.back();
  }

  void Build() {
    Add(20, 370, "文字の描画  Text drawing", 14, 14, 0, 1);
    // Angles about one point.
    for (int a = 0; a < 360; a += 45) {
      const std::string s = std::to_string(a) + "° 角度";
      const double r = a * 3.14159265358979 / 180;
      Add(150 + 15 * std::cos(r), 230 + 15 * std::sin(r), s.c_str(), 7, 7, a,
          static_cast<std::uint16_t>(1 + a / 45 % 8));
    }
    // Vertical writing (flag word 0x20, angle -90: the column runs down).
    CDataMoji& v = Add(290, 340, "縦書き・ﾀﾃｶﾞｷ", 9, 9, -90, 5);
    v.head.flags = 0x20;
    CDataMoji& v2 = Add(310, 340, "縦の文字列ABC", 7, 7, -90, 2);
    v2.head.flags = 0x20;
    // Special codes.
    Add(340, 330, "H^d2O と x^u2 + y^u2", 9, 9, 0, 1);
    Add(340, 310, "^/斜体^#、^!太字^#、^_下線^#、^-取消線", 8, 8, 0, 1);
    Add(340, 290, "^$1色1 ^$2色2 ^$3色3 ^$4色4 ^$5色5 ^$6色6 ^$7色7 ^$8色8", 8, 8, 0, 1);
    Add(340, 270, "○^o1 ○^w23 A^nB 1^c2 ^*^/codes^^ ^/on", 8, 8, 0, 1);
    // Even spacing: "ABC" and two dots keep the length of seven half cells.
    Add(340, 250, "ABC・・", 8, 8, 0, 3);
    Add(340, 238, "ABCDEFG", 8, 8, 0, 6);
    // Condensing: the same eight letters lose two half cells.
    Add(340, 222, "ABCDEFGH^2", 8, 8, 0, 3);
    Add(340, 210, "ABCDEFGH", 8, 8, 0, 6);
    // Japanese of every width and the middle dots.
    Add(20, 120, "ﾊﾝｶｸｶﾀｶﾅ ･ 全角記号※○●△▲□■・〒", 8, 8, 0, 1);
    Add(20, 100, "明朝体の文字 ＭＳ 明朝", 10, 10, 0, 1, "ＭＳ 明朝");
    Add(20, 80, "Ｐゴシック proportional", 10, 10, 0, 1, "ＭＳ Ｐゴシック");
    // Stretched and condensed.
    Add(20, 55, "横長の文字", 8, 16, 0, 4);
    Add(220, 55, "縦長の文字", 12, 5, 0, 4);
    // Grey layer, tiny text drawn as its box.
    CDataMoji& g = Add(340, 120, "表示のみのレイヤ", 8, 8, 0, 5);
    g.head.layerGroup = 1;
    Add(340, 100, "tiny", 0.8, 0.8, 0, 8);
    // A dimension.
    CDataSunpou d;
    d.line.head.penColor = 2;
    d.line.x1 = 340;
    d.line.y1 = 60;
    d.line.x2 = 480;
    d.line.y2 = 60;
    d.text.head.penColor = 2;
    d.text.text = Utf8ToCp932("1400^2");
    d.text.fontName = Utf8ToCp932("ＭＳ ゴシック");
    d.text.x1 = 390;
    d.text.y1 = 62;
    d.text.x2 = 420;
    d.text.y2 = 62;
    d.text.sizeX = d.text.sizeY = 7;
    dims.push_back(d);
  }

  DrawContext Context() const {
    return DrawContext{view, pen, ClipRect{0, 0, kW / kScale, kH / kScale}, 0, 0};
  }
};

// Pixel box of a text's box (start, end, both raised), clamped to the image.
QRect PixelBox(const CDataMoji& t) {
  const TextBox b = MakeTextBox(t.x1, t.y1, t.x2, t.y2, t.sizeY, t.angle);
  double l = 1e9, r = -1e9, top = 1e9, bottom = -1e9;
  for (const PaperPoint& p : b.corners) {
    l = std::min(l, p.x * kScale);
    r = std::max(r, p.x * kScale);
    top = std::min(top, kH - p.y * kScale);
    bottom = std::max(bottom, kH - p.y * kScale);
  }
  return QRect(QPoint(static_cast<int>(l), static_cast<int>(top)),
               QPoint(static_cast<int>(r), static_cast<int>(bottom)))
      .intersected(QRect(0, 0, kW, kH));
}

// The sheet on a white image; with `outlines`, every text's box in light
// grey underneath.
QImage Render(const Sheet& sheet, bool outlines) {
  QImage img(kW, kH, QImage::Format_RGB32);
  img.fill(Qt::white);
  QtCanvas canvas(img);
  const DrawContext ctx = sheet.Context();
  if (outlines) {
    canvas.SetPen(Pen{0x00E0E0E0, 1, PenStyle::Solid});
    canvas.SetBrush(Brush{0, BrushStyle::Clear});
    for (const CDataMoji& t : sheet.texts) {
      const TextBox b = MakeTextBox(t.x1, t.y1, t.x2, t.y2, t.sizeY, t.angle);
      PixelPoint pts[4];
      for (int i = 0; i < 4; ++i) pts[i] = ToScreen(sheet.view, b.corners[i]);
      canvas.Polygon(pts);
    }
  }
  canvas.SetBrush(Brush{0, BrushStyle::Clear});
  for (const CDataSunpou& d : sheet.dims) DrawDimension(ctx, canvas, d);
  for (const CDataMoji& t : sheet.texts) DrawText(ctx, canvas, t);
  return img;
}

TEST(TextSheet, EveryTextLeavesInkInItsBox) {
  Sheet sheet;
  sheet.Build();
  const QImage img = Render(sheet, false);
  for (const CDataMoji& t : sheet.texts) {
    SCOPED_TRACE(Cp932ToUtf8(t.text));
    const QRect box = PixelBox(t);
    const test::Ink ink = test::FindInk(img.copy(box.adjusted(-1, -1, 1, 1)), qRgb(255, 255, 255));
    EXPECT_TRUE(ink.found);
  }
  if (qEnvironmentVariableIntValue("SW_UPDATE_DOCS") == 1) {
    ASSERT_TRUE(Render(sheet, true).save(QStringLiteral(SW_SOURCE_DIR "/docs/texts.png")));
  }
}

}  // namespace
}  // namespace sw
