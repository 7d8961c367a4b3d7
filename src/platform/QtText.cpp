#include "platform/QtText.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "core/Cp932.h"
#include "platform/FontMap.h"

namespace sw {
namespace {

// Beyond these counts a cache starts afresh: drawings repeat few fonts and
// few characters, so this is only a bound for unusual ones.
constexpr std::size_t kMaxFonts = 256;
constexpr std::size_t kMaxStrings = 8192;
// Glyphs are rasterised at most this many pixels tall; larger cells are
// scaled up from it.
constexpr int kMaxBasePixels = 1024;
constexpr int kDefaultCell = 12;

QColor ToColor(Colour c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

bool SameFont(const LogFont& a, const LogFont& b) {
  return a.height == b.height && a.weight == b.weight && a.italic == b.italic &&
         a.underline == b.underline && a.strikeOut == b.strikeOut && a.faceName == b.faceName;
}

QtTextCache::Font BuildFont(const LogFont& lf) {
  QtTextCache::Font f;
  const int requested = lf.height == 0 ? kDefaultCell : std::abs(lf.height);
  const int base = std::clamp(requested, 1, kMaxBasePixels);
  QFont font;
  font.setFamilies(FontFamilies(lf.faceName));
  font.setPixelSize(base);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(lf.weight == 0 ? 400 : lf.weight, 1, 1000)));
  font.setItalic(lf.italic);
  // Underline and strike-out are drawn here, not by the font: glyph runs
  // under a scaled, rotated transformation misplace the font's own lines.
  f.underline = lf.underline;
  f.strikeOut = lf.strikeOut;
  font.setKerning(false);
  // Outlines are scaled by the transformation; hinting at the base size
  // would distort the requested width.
  font.setHintingPreference(QFont::PreferNoHinting);
  const QFontMetricsF fm(font);
  f.font = font;
  f.ascent = fm.ascent();
  f.descent = fm.descent();
  f.em = base;
  f.avgWidth = fm.averageCharWidth() > 0 ? fm.averageCharWidth() : base / 2.0;
  f.underlineY = fm.underlinePos();
  f.strikeOutY = -fm.strikeOutPos();
  f.lineWidth = std::max(1.0, fm.lineWidth());
  // A positive height is the cell (ascent + descent), a negative one the
  // character height (the em).
  const double cell = f.ascent + f.descent;
  if (lf.height > 0 && cell > 0)
    f.scaleY = requested / cell;
  else
    f.scaleY = static_cast<double>(requested) / base;
  return f;
}

QtTextCache::Shaped Shape(const QFont& font, const std::string& cp932) {
  QtTextCache::Shaped s;
  s.text = QString::fromUtf8(Cp932ToUtf8(cp932));
  QTextLayout layout(s.text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) {
    layout.endLayout();
    return s;
  }
  line.setPosition(QPointF(0, 0));
  layout.endLayout();
  const double baseline = line.y() + line.ascent();
  s.advance = line.naturalTextWidth();
  s.runs = layout.glyphRuns();
  for (QGlyphRun& run : s.runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p.ry() -= baseline;
    run.setPositions(positions);
  }
  return s;
}

}  // namespace

QtTextCache::Font& QtTextCache::FontFor(const LogFont& lf) {
  if (last_ && SameFont(lf, lastFont_)) return *last_;
  const Key key{lf.faceName, lf.height, lf.weight, lf.italic, lf.underline, lf.strikeOut};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    if (fonts_.size() >= kMaxFonts) fonts_.clear();
    it = fonts_.emplace(key, BuildFont(lf)).first;
  }
  last_ = &it->second;
  lastFont_ = lf;
  return *last_;
}

const QtTextCache::Shaped& QtTextCache::ShapedFor(Font& font, const std::string& cp932) {
  auto it = font.strings.find(cp932);
  if (it != font.strings.end()) return it->second;
  if (font.strings.size() >= kMaxStrings) font.strings.clear();
  return font.strings.emplace(cp932, Shape(font.font, cp932)).first->second;
}

void QtTextOut(QPainter& painter, QtTextCache& cache, const LogFont& lf, TextAlign align,
               Colour colour, PixelPoint at, const std::string& cp932) {
  if (!painter.isActive() || cp932.empty()) return;
  QtTextCache::Font& font = cache.FontFor(lf);
  const QtTextCache::Shaped& shaped = cache.ShapedFor(font, cp932);
  // The requested average width over the face's own; 0 keeps the face's
  // proportions.
  const double sy = font.scaleY;
  const double sx = lf.width == 0 ? sy : std::abs(lf.width) / font.avgWidth;
  const double baseline = align == TextAlign::TopLeft ? font.ascent : -font.descent;

  const QTransform saved = painter.worldTransform();
  QTransform t = saved;
  t.translate(at.x, at.y);
  // The escapement turns the baseline counter-clockwise; the glyphs follow
  // it (the device's compatible mode, where orientation is not separate).
  if (lf.escapement != 0) t.rotate(-lf.escapement / 10.0);
  t.scale(sx, sy);
  t.translate(0, baseline);
  painter.setWorldTransform(t);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setPen(ToColor(colour));
  painter.setBrush(Qt::NoBrush);
  const QPaintEngine* engine = painter.paintEngine();
  if (engine && engine->type() == QPaintEngine::Raster) {
    for (const QGlyphRun& run : shaped.runs) painter.drawGlyphRun(QPointF(0, 0), run);
  } else {
    painter.setFont(font.font);
    painter.drawText(QPointF(0, 0), shaped.text);
  }
  if (font.underline || font.strikeOut) {
    // Lines of whole device pixels (at least one), whatever the scale.
    QPen line(ToColor(colour));
    line.setCosmetic(true);
    line.setWidthF(std::max(1.0, std::round(font.lineWidth * sy)));
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    if (font.underline) {
      const double y = font.underlineY + font.lineWidth / 2;
      painter.drawLine(QPointF(0, y), QPointF(shaped.advance, y));
    }
    if (font.strikeOut) painter.drawLine(QPointF(0, font.strikeOutY), QPointF(shaped.advance, font.strikeOutY));
  }
  painter.setWorldTransform(saved);
}

}  // namespace sw
