// Glyph output on the raster (offscreen platform): face mapping, cell height,
// stretching, rotation, alignment, colour, and the characters drawings use.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRawFont>
#include <string>

#include "core/Cp932.h"
#include "platform/FontMap.h"
#include "platform/QtText.h"
#include "platform/TextRasterSupport.h"

namespace sw {
namespace {

using test::FindInk;
using test::Ink;

const std::string kGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";  // "ＭＳ ゴシック"
const std::string kBar = "\x81\x62";       // "｜", a full-height stroke
const std::string kDashes = "\x88\xEA\x88\xEA\x88\xEA\x88\xEA";  // "一一一一"
const std::string kNihongo = "\x93\xFA\x96\x7B\x8C\xEA";         // "日本語"

LogFont Font(int height, int width = 0, int escapement = 0) {
  LogFont lf;
  lf.height = height;
  lf.width = width;
  lf.escapement = lf.orientation = escapement;
  lf.faceName = kGothic;
  return lf;
}

QImage Blank(int w = 300, int h = 200) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

Ink Draw(QImage& img, const LogFont& lf, TextAlign align, PixelPoint at, const std::string& s,
         Colour colour = 0) {
  QtTextCache cache;
  {
    QPainter p(&img);
    QtTextOut(p, cache, lf, align, colour, at, s);
  }
  return FindInk(img);
}

TEST(FontMap, WindowsFacesMapToIpaFamilies) {
  struct Case {
    const char* face;  // UTF-8
    const char* family;
  } cases[] = {
      {"ＭＳ ゴシック", "IPAGothic"},   {"MS Gothic", "IPAGothic"},    {"@ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ 明朝", "IPAMincho"},       {"MS Mincho", "IPAMincho"},    {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"MS PGothic", "IPAPGothic"},     {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ms pmincho", "IPAPMincho"},
      {"No Such Face", "IPAGothic"},    {"", "IPAGothic"},             {"ＨＧ明朝Ｅ", "IPAMincho"},
      {"DejaVu Sans", "DejaVu Sans"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.face);
    EXPECT_EQ(StandInFamily(Utf8ToCp932(c.face)), QString::fromUtf8(c.family));
  }
  // An installed Latin face is followed by Japanese families.
  const QStringList latin = FontFamilies("DejaVu Sans");
  ASSERT_GE(latin.size(), 2);
  EXPECT_EQ(latin[1], QStringLiteral("IPAGothic"));
}

TEST(FontMap, StandInsHaveTheCharactersDrawingsUse) {
  // Half-width katakana, middle dots, full-width symbols, kanji, kana.
  const char32_t chars[] = {0xFF71, 0xFF65, 0x30FB, 0x25CB, 0x203B, 0xFF5C, 0x65E5, 0x3042, 'A'};
  for (const char* face : {"ＭＳ ゴシック", "ＭＳ 明朝", "ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝"}) {
    SCOPED_TRACE(face);
    QFont f(StandInFamily(Utf8ToCp932(face)));
    f.setPixelSize(20);
    const QRawFont raw = QRawFont::fromFont(f);
    ASSERT_TRUE(raw.isValid());
    for (char32_t c : chars) EXPECT_TRUE(raw.supportsCharacter(static_cast<uint>(c))) << std::hex << static_cast<unsigned>(c);
  }
}

TEST(QtText, CellHeightIsTheRequestedHeight) {
  for (int h : {20, 40, 80}) {
    SCOPED_TRACE(h);
    QImage top = Blank();
    const Ink a = Draw(top, Font(h), TextAlign::TopLeft, {20, 10}, kBar);
    ASSERT_TRUE(a.found);
    // The stroke spans most of the cell and stays inside it.
    // (one pixel of antialiasing either side)
    EXPECT_GE(a.top, 10 - 1);
    EXPECT_LE(a.bottom, 10 + h);
    EXPECT_GE(a.bottom - a.top + 1, h * 0.75);

    QImage bottom = Blank();
    const Ink b = Draw(bottom, Font(h), TextAlign::BottomLeft, {20, 150}, kBar);
    ASSERT_TRUE(b.found);
    EXPECT_GE(b.top, 150 - h - 1);
    EXPECT_LE(b.bottom, 150);
    // Same glyph, moved by exactly the cell height less the offset between the points.
    EXPECT_NEAR(b.top - a.top, 140 - h, 1);
  }
}

TEST(QtText, JapaneseStringHasInkWhereItShould) {
  QImage img = Blank();
  const Ink ink = Draw(img, Font(40, 20), TextAlign::TopLeft, {30, 40}, kNihongo);
  ASSERT_TRUE(ink.found);
  // Three full-width characters of 2 x 20 px each.
  EXPECT_GE(ink.left, 30);
  EXPECT_LE(ink.right, 30 + 120);
  EXPECT_GE(ink.right - ink.left, 90);
  EXPECT_GE(ink.top, 40);
  EXPECT_LE(ink.bottom, 80);
}

TEST(QtText, AverageWidthStretchesTheGlyphs) {
  QImage narrow = Blank(400, 100), wide = Blank(400, 100);
  const Ink n = Draw(narrow, Font(40, 20), TextAlign::TopLeft, {10, 10}, kDashes);
  const Ink w = Draw(wide, Font(40, 40), TextAlign::TopLeft, {10, 10}, kDashes);
  ASSERT_TRUE(n.found && w.found);
  // Four full-width characters: 160 px at width 20, 320 px at width 40.
  EXPECT_NEAR(n.right - n.left, 150, 12);
  EXPECT_NEAR(static_cast<double>(w.right - w.left) / (n.right - n.left), 2.0, 0.1);
  // Height is not affected.
  EXPECT_NEAR(w.bottom - w.top, n.bottom - n.top, 1);
}

TEST(QtText, EscapementTurnsAboutTheReferencePoint) {
  struct Case {
    int escapement;
    bool upward, leftward, downward;
  } cases[] = {{900, true, false, false}, {1800, false, true, false}, {-900, false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.escapement);
    QImage img = Blank(400, 400);
    const Ink ink = Draw(img, Font(30, 15, c.escapement), TextAlign::TopLeft, {200, 200}, kDashes);
    ASSERT_TRUE(ink.found);
    if (c.upward) {
      // The baseline runs up; the cell lies to the right of it.
      EXPECT_LE(ink.bottom, 200);
      EXPECT_GE(ink.left, 200);
      EXPECT_LE(ink.right, 230);
      EXPECT_GE(200 - ink.top, 100);
    } else if (c.leftward) {
      EXPECT_LE(ink.right, 200);
      EXPECT_LE(ink.bottom, 200);
      EXPECT_GE(200 - ink.left, 100);
    } else {
      EXPECT_GE(ink.top, 200);
      EXPECT_LE(ink.right, 200);
      EXPECT_GE(ink.bottom - 200, 100);
    }
  }
}

TEST(QtText, ColourAndTransparentBackground) {
  QImage img = Blank();
  img.fill(QColor(0, 0, 255));
  QtTextCache cache;
  {
    QPainter p(&img);
    QtTextOut(p, cache, Font(40), TextAlign::TopLeft, 0x000000FF, {10, 10}, kBar);
  }
  bool red = false;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb px = img.pixel(x, y);
      if (px == qRgb(255, 0, 0)) red = true;
      // Everything else keeps the background or blends text into it.
      EXPECT_EQ(qGreen(px), 0);
    }
  EXPECT_TRUE(red);
  // Outside the cell the background is untouched.
  EXPECT_EQ(img.pixel(200, 150), qRgb(0, 0, 255));
}

TEST(QtText, UnderlineAddsInkBelowTheGlyphs) {
  QImage plain = Blank(), under = Blank();
  LogFont lf = Font(40, 20);
  const Ink a = Draw(plain, lf, TextAlign::TopLeft, {10, 10}, "\x88\xEA");  // "一"
  lf.underline = true;
  const Ink b = Draw(under, lf, TextAlign::TopLeft, {10, 10}, "\x88\xEA");
  ASSERT_TRUE(a.found && b.found);
  EXPECT_GT(b.bottom, a.bottom + 5);
  EXPECT_LE(b.bottom, 50);
}

TEST(QtText, PictureDevicesGetTheSameText) {
  QPicture picture;
  QtTextCache cache;
  {
    QPainter p(&picture);
    QtTextOut(p, cache, Font(40, 20), TextAlign::TopLeft, 0, {30, 40}, kNihongo);
  }
  QImage img = Blank();
  {
    QPainter p(&img);
    p.drawPicture(0, 0, picture);
  }
  QImage direct = Blank();
  const Ink want = Draw(direct, Font(40, 20), TextAlign::TopLeft, {30, 40}, kNihongo);
  const Ink got = FindInk(img);
  ASSERT_TRUE(got.found);
  EXPECT_NEAR(got.left, want.left, 2);
  EXPECT_NEAR(got.right, want.right, 2);
  EXPECT_NEAR(got.top, want.top, 2);
  EXPECT_NEAR(got.bottom, want.bottom, 2);
}

TEST(QtText, CacheKeepsOneFontPerLogicalFont) {
  QtTextCache cache;
  LogFont a = Font(20, 10), b = Font(20, 30, 450), c = Font(21);
  QtTextCache::Font* fa = &cache.FontFor(a);
  // Width and escapement are applied when drawing: the same font serves both.
  EXPECT_EQ(&cache.FontFor(b), fa);
  EXPECT_NE(&cache.FontFor(c), fa);
  EXPECT_EQ(&cache.FontFor(a), fa);
  EXPECT_EQ(cache.FontCount(), 2u);
  const QtTextCache::Shaped& s = cache.ShapedFor(*fa, kNihongo);
  EXPECT_EQ(s.text, QString::fromUtf8("日本語"));
  EXPECT_FALSE(s.runs.isEmpty());
  EXPECT_EQ(&cache.ShapedFor(*fa, kNihongo), &s);
}

}  // namespace
}  // namespace sw
