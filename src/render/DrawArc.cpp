#include "render/DrawArc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/ArcBezier.h"
#include "render/DrawStroke.h"

namespace sw {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kFullTurnSlack = 1e-6;  // rad

// The arc in pixels: centre, the device box of the full ellipse (right and
// bottom one past the last pixel, so the curve reaches the pixel of
// cx + radius) and the radii along the first and second axis.
struct ArcPixels {
  PixelPoint centre;
  CanvasRect box;
  double rx = 0, ry = 0;
};

bool Measure(const DrawContext& ctx, const CDataEnko& arc, ArcPixels& out) {
  const double r = std::fabs(arc.radius), f = std::fabs(arc.flatness);
  PixelPoint tl, br;
  if (!ToPixel(ctx, arc.cx, arc.cy, out.centre) ||
      !ToPixel(ctx, arc.cx - r, arc.cy + r * f, tl) ||
      !ToPixel(ctx, arc.cx + r, arc.cy - r * f, br)) {
    return false;
  }
  if (!std::isfinite(arc.startAngle) || !std::isfinite(arc.arcAngle) ||
      !std::isfinite(arc.tiltAngle)) {
    return false;
  }
  out.box = CanvasRect{tl.x, tl.y, br.x + 1, br.y + 1};
  out.rx = (br.x - tl.x) / 2.0;
  out.ry = (br.y - tl.y) / 2.0;
  return true;
}

// Start and sweep of the arc, the sweep made positive and at most a turn.
void Range(const CDataEnko& arc, double& b, double& sweep) {
  b = arc.startAngle;
  sweep = arc.arcAngle;
  if (sweep < 0) {
    b += sweep;
    sweep = -sweep;
  }
  sweep = std::min(sweep, kTwoPi);
}

// The pixel at parametric angle `a` of the ellipse scaled by `k`.
IntPoint OnEllipse(const ArcPixels& px, double tilt, double a, double k) {
  const double ux = std::cos(a) * px.rx * k, uy = std::sin(a) * px.ry * k;
  const double X = ux * std::cos(tilt) - uy * std::sin(tilt);
  const double Y = ux * std::sin(tilt) + uy * std::cos(tilt);
  return IntPoint{RoundAway(px.centre.x + X), RoundAway(px.centre.y - Y)};
}

// The outline of a circle-solid shape (or of the plain arc for kind 0, 1, 7).
TPath ShapeOutline(const CDataEnko& arc, const ArcPixels& px, int kind, double innerRatioX,
                   double innerRatioY) {
  TPath path;
  const IntPoint c = ToIntPoint(px.centre);
  const double tilt = arc.tiltAngle;
  double b = 0, sweep = 0;
  Range(arc, b, sweep);
  const bool full = arc.fullCircle != 0;
  if (full && kind != kCircleRing && kind != kCircleRingEvenWidth) {
    ArcBezier(path, c, kTwoPi, 0, tilt, px.ry, px.rx);
    path.CloseFigure();
    return path;
  }
  if (kind == kCircleRing || kind == kCircleRingEvenWidth) {
    if (full) sweep = kTwoPi;
    ArcPixels inner = px;
    inner.rx = px.rx * innerRatioX;
    inner.ry = px.ry * innerRatioY;
    ArcBezier(path, c, b + sweep, b, tilt, px.ry, px.rx);
    if (path.Count() == 0) return path;
    path.LineTo(OnEllipse(inner, tilt, b + sweep, 1.0));
    ArcBezierBackward(path, c, b + sweep, b, tilt, inner.ry, inner.rx);
    path.CloseFigure();
    return path;
  }
  ArcBezier(path, c, b + sweep, b, tilt, px.ry, px.rx);
  if (path.Count() == 0) return path;
  switch (kind) {
    case kCircleSegment:
      path.CloseFigure();
      break;
    case kCircleSector:
      path.LineTo(c);
      path.CloseFigure();
      break;
    case kCircleOuter: {
      // The end tangents meet on the bisector at 1 / cos(half sweep) radii;
      // from a half turn on they no longer meet and the chord closes it.
      const double half = sweep / 2;
      if (std::cos(half) > 1e-3) path.LineTo(OnEllipse(px, tilt, b + half, 1.0 / std::cos(half)));
      path.CloseFigure();
      break;
    }
    default:
      break;
  }
  return path;
}

// The drawing surface in pixels, widened by a pen width: dashes beyond it
// cannot show. The view window always spans the whole surface.
CanvasRect Surface(const DrawContext& ctx, int penWidth) {
  const double s = ctx.view.ViewScale;
  const ViewRect& w = ctx.view.ViewWindow;
  const int m = std::max(penWidth, 1) + 1;
  return CanvasRect{-m, -m, RoundAway((w.right - w.left) * s) + m,
                    RoundAway((w.top - w.bottom) * s) + m};
}

// True when nothing of the arc, a pen width around it, can show: its
// bounding square misses the frame (drawing mm) or, moved by the frame's
// offset, the view window; in the grey backdrop pass, the view window. Only
// a shortcut: the frame's clip region hides the same.
bool OutOfSight(const DrawContext& ctx, const CDataEnko& arc, int penWidth) {
  const double s = ctx.view.ViewScale;
  const double margin = s > 0 ? (std::max(penWidth, 1) + 1) / s : 0;
  const double r = std::fabs(arc.radius) * std::max(1.0, std::fabs(arc.flatness)) + margin;
  if (!std::isfinite(r) || !std::isfinite(arc.cx) || !std::isfinite(arc.cy)) return false;
  const ClipRect window = WindowClip(ctx.view);
  if (ctx.pen.backdrop)
    return RectOutside(window, arc.cx - r, arc.cy - r, arc.cx + r, arc.cy + r) == kClipOutside;
  if (RectOutside(ctx.frameClip, arc.cx - r, arc.cy - r, arc.cx + r, arc.cy + r) == kClipOutside)
    return true;
  const double x = arc.cx + ctx.dx, y = arc.cy - ctx.dy;
  return RectOutside(window, x - r, y - r, x + r, y + r) == kClipOutside;
}

// The pen and brush an arc selects before it draws anything; false when it
// ends there (hidden layer, or a box that cannot be measured).
bool Prepare(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc, bool fillArea, EntityPen& pen,
             ArcPixels& px) {
  if (!IsEntityVisible(ctx.pen, arc.head)) return false;
  pen = SelectCanvasPen(ctx, canvas, arc.head);
  if (!Measure(ctx, arc, px)) return false;
  Brush brush = canvas.GetBrush();
  brush.style = fillArea ? BrushStyle::Solid : BrushStyle::Clear;
  if (fillArea) brush.color = pen.color;
  canvas.SetBrush(brush);
  return true;
}

// A random line (line types 11..15) along every figure of a flattened
// path, as a straight line of the type is drawn: the figure is walked by its
// length in steps of the unit, each vertex moved the amplitude to one side
// of the curve or the other as the type's bits say; a figure shorter than
// two steps is drawn as it is.
void StrokePathRandom(Canvas& canvas, const TPath& flat, double unit, double amplitude, const std::string& bits) {
  const std::vector<IntPoint>& pts = flat.Points();
  const std::vector<std::uint8_t>& types = flat.Types();
  auto strokeFigure = [&](std::vector<PixelPoint> fig) {
    if (fig.size() < 2) return;
    double length = 0;
    for (std::size_t i = 1; i < fig.size(); ++i)
      length += std::hypot(double(fig[i].x) - fig[i - 1].x, double(fig[i].y) - fig[i - 1].y);
    const double pitch = RoundAway(unit), a = RoundAway(amplitude);
    if (!(unit > 0) || !std::isfinite(unit) || !std::isfinite(amplitude) || !(pitch > 0) ||
        std::trunc(length / pitch) < 2) {
      canvas.Polyline(fig);
      return;
    }
    const int n = static_cast<int>(std::trunc(length / pitch));
    std::vector<PixelPoint> out;
    out.reserve(static_cast<std::size_t>(n) + 1);
    out.push_back(fig.front());
    std::size_t seg = 1;
    double before = 0;  // length of the figure before segment `seg`
    for (int i = 1; i <= n - 1; ++i) {
      const double at = i * pitch;
      double dx = 0, dy = 0, len = 0;
      for (; seg < fig.size(); ++seg) {
        dx = double(fig[seg].x) - fig[seg - 1].x;
        dy = double(fig[seg].y) - fig[seg - 1].y;
        len = std::hypot(dx, dy);
        if (before + len >= at) break;
        before += len;
      }
      if (seg >= fig.size() || len <= 0) break;
      const double c = dx / len, s = dy / len, u = at - before;
      const std::size_t k = static_cast<std::size_t>((i - 1) % 32);
      const double side = (k < bits.size() && bits[k] == '1') ? 1.0 : -1.0;
      out.push_back(PixelPoint{RoundAway(fig[seg - 1].x + u * c - side * s * a),
                               RoundAway(fig[seg - 1].y + u * s + side * c * a)});
    }
    out.push_back(fig.back());
    canvas.Polyline(out);
  };
  std::vector<PixelPoint> figure;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    if (types[i] == kPtMoveTo && !figure.empty()) {
      strokeFigure(std::move(figure));
      figure.clear();
    }
    figure.push_back(PixelPoint{pts[i].x, pts[i].y});
    if ((types[i] & kPtCloseFigure) != 0 && types[i] != kPtMoveTo) {
      figure.push_back(figure.front());
      strokeFigure(std::move(figure));
      figure.clear();
    }
  }
  strokeFigure(std::move(figure));
}

void Draw(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc, bool fill, int kind,
          double innerRadius) {
  const bool fillArea = fill && kind != kCircleCircumference;
  EntityPen pen;
  ArcPixels px;
  if (!Prepare(ctx, canvas, arc, fillArea, pen, px)) return;

  // Line types as lines have them: 31 solid, 11..15 random, the others up
  // to 64 dashed with their pattern (an empty one strokes solid), beyond
  // 64 nothing.
  const int t = arc.head.penStyle;
  if (t < 0 || t > 64 || OutOfSight(ctx, arc, pen.width)) return;
  const bool random = t >= 11 && t <= 15;
  const bool dashed = t >= 2 && t != 31 && !random;
  const StyleTables& st = *ctx.pen.styles;
  const DashPattern& pattern = ctx.pen.printing ? st.PrintPattern[static_cast<std::size_t>(t)]
                                                : st.ScreenPattern[static_cast<std::size_t>(t)];
  auto strokeRandom = [&](const TPath& flat) {
    const std::size_t i = static_cast<std::size_t>(t);
    StrokePathRandom(canvas, flat, ctx.pen.printing ? st.PrintUnit[i] : st.ScreenUnit[i],
                     ctx.pen.printing ? st.PrintAmplitude[i] : st.ScreenAmplitude[i], st.LineTypeBits[i]);
  };

  const bool shape = fillArea && kind >= kCircleSegment && kind <= kCircleRingEvenWidth;
  if (!shape && arc.fullCircle != 0 && arc.tiltAngle == 0) {
    if (!dashed && !random) {
      canvas.Ellipse(px.box);
    } else {
      TPath path;
      EllipsePath(path, px.box.left, px.box.top, px.box.right, px.box.bottom);
      if (random) strokeRandom(path.Flattened());
      else StrokePathDashed(canvas, path.Flattened(), pattern, pen.color, pen.width, true, Surface(ctx, pen.width));
    }
    return;
  }

  double ratioX = 0, ratioY = 0;
  if (kind == kCircleRing || kind == kCircleRingEvenWidth) {
    const double r = std::fabs(arc.radius);
    const double in = std::clamp(std::fabs(innerRadius), 0.0, r);
    ratioX = r > 0 ? in / r : 0;
    if (kind == kCircleRing) {
      ratioY = ratioX;
    } else {
      // The band r - in is as wide across the second axis as the first.
      const double band = (r - in) * ctx.view.ViewScale;
      ratioY = px.ry > 0 ? std::max(0.0, (px.ry - band) / px.ry) : 0;
    }
  }
  const TPath flat = ShapeOutline(arc, px, kind, ratioX, ratioY).Flattened();
  if (random) {
    strokeRandom(flat);
  } else if (dashed) {
    StrokePathDashed(canvas, flat, pattern, pen.color, pen.width, true, Surface(ctx, pen.width));
  } else if (fillArea) {
    FillPath(canvas, flat);
  } else {
    StrokePath(canvas, flat);
  }
}

}  // namespace

void DrawArc(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc, bool fill) {
  Draw(ctx, canvas, arc, fill, kCircleNone, 0);
}

void SelectArcState(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc) {
  EntityPen pen;
  ArcPixels px;
  Prepare(ctx, canvas, arc, false, pen, px);
}

void DrawArcShape(const DrawContext& ctx, Canvas& canvas, const CDataEnko& arc, int kind,
                  double innerRadius) {
  Draw(ctx, canvas, arc, true, kind, innerRadius);
}

}  // namespace sw
