// Block inserts: the members of a definition drawn through the insert's
// transform (scale about the definition origin, move to the reference point,
// rotate about it).
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "render/DimensionDraw.h"
#include "render/DrawArc.h"
#include "render/DrawLine.h"
#include "render/DrawPoint.h"
#include "render/DrawSolid.h"
#include "render/Redraw.h"
#include "render/TextDraw.h"

namespace sw {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

struct Placement {
  double x = 0, y = 0;    // reference point, drawing mm
  double sx = 1, sy = 1;  // scales
  double r = 0;           // rotation, radians
  double cosR = 1, sinR = 0;
};

Placement PlacementOf(const CDataBlock& insert) {
  Placement p{insert.x, insert.y, insert.scaleX, insert.scaleY, insert.angle, 1, 0};
  if (p.r != 0) {
    p.cosR = std::cos(p.r);
    p.sinR = std::sin(p.r);
  }
  return p;
}

void Move(const Placement& p, double& X, double& Y) {
  X = X * p.sx + p.x;
  Y = Y * p.sy + p.y;
  if (p.r != 0) {
    const double u = X - p.x, v = Y - p.y;
    X = p.x + p.cosR * u - p.sinR * v;
    Y = p.y + p.sinR * u + p.cosR * v;
  }
}

// The image of an ellipse under a linear map M (2 x 2, row major), as the
// parameters of an ellipse record: M = Rot(phi) * diag(big, small) * Rot(theta)
// (the singular values, `small` negative when M mirrors), so a point at
// parametric angle t lands at angle t + theta of the image turned by phi,
// or at -(t + theta) when M mirrors.
struct EllipseImage {
  double phi = 0, theta = 0, big = 0, small = 0;
};

EllipseImage Decompose(double a, double b, double c, double d) {
  const double e = (a + d) / 2, f = (a - d) / 2, g = (c + b) / 2, h = (c - b) / 2;
  const double q = std::hypot(e, h), w = std::hypot(f, g);
  const double a1 = std::atan2(g, f), a2 = std::atan2(h, e);
  return EllipseImage{(a2 + a1) / 2, (a2 - a1) / 2, q + w, q - w};
}

// An arc (or the arc of a circle solid) under the placement: the exact image
// of its ellipse, a choice beyond the plain rule (which only moves the
// centre, turns the start angle and scales the radius by sx, and so draws
// every block member as the circle or ellipse it was). Under a similarity
// (|sx| == |sy|: turns, uniform scales, mirrors) the record changes as the
// plain rule says, with a mirror reflecting start and tilt, so a circle
// stays a circle drawn the same way; under unequal scales a circle becomes
// an ellipse and any ellipse, tilted or not, takes its exact image (new
// axes, tilt and parametric angles). The tilt turns with the block, so an
// ellipse in a turned block turns too.
void MoveArc(const Placement& p, double& cx, double& cy, double& radius, double& flatness,
             double& start, double sweep, double& tilt) {
  Move(p, cx, cy);
  const double ax = std::fabs(p.sx), ay = std::fabs(p.sy);
  if (ax != ay) {
    // M = Rot(r) * diag(sx, sy) * Rot(tilt) * diag(radius, radius * flatness).
    const double ct = std::cos(tilt), st = std::sin(tilt);
    const double r1 = radius, r2 = radius * flatness;
    const double m00 = p.sx * ct * r1, m01 = -p.sx * st * r2;
    const double m10 = p.sy * st * r1, m11 = p.sy * ct * r2;
    const double a = p.cosR * m00 - p.sinR * m10, b = p.cosR * m01 - p.sinR * m11;
    const double c = p.sinR * m00 + p.cosR * m10, d = p.sinR * m01 + p.cosR * m11;
    const EllipseImage im = Decompose(a, b, c, d);
    if (!(im.big > 0)) {
      radius = 0;
      return;
    }
    radius = im.big;
    flatness = std::fabs(im.small) / im.big;
    tilt = im.phi;
    // The arc keeps its points: [start, start + sweep] maps onto
    // [start + theta, ...], or, mirrored, onto the same range read backwards.
    start = im.small >= 0 ? start + im.theta : -start - im.theta - sweep;
    return;
  }
  const bool plainCircle = flatness == 1 && p.sx == p.sy && p.sx > 0;
  if (plainCircle) {
    if (p.r != 0) start += p.r;
    if (p.sx != 1) radius *= p.sx;
    return;
  }
  radius *= ax;
  const bool mirrorX = p.sx < 0, mirrorY = p.sy < 0;
  if (mirrorX != mirrorY) {
    // A reflection in the y axis; one in the x axis is that turned half round.
    tilt = -tilt;
    start = std::numbers::pi - start - sweep;
    if (mirrorY) tilt += std::numbers::pi;
  } else if (mirrorX) {
    tilt += std::numbers::pi;  // both mirrored: a half turn
  }
  tilt += p.r;
}

bool IsCircleSolid(const CDataSolid& s) {
  return s.head.penStyle == 101 || s.head.penStyle == 105 || s.head.penStyle == 106 ||
         s.head.penStyle == 111;
}

// A circle solid keeps an arc in its corners; it moves as that arc does
// (MoveArc), exact under unequal scales as arcs are, rather than as four
// corner points, which would scatter its radius, flatness and angles.
void MoveSolid(const Placement& p, CDataSolid& s) {
  if (!IsCircleSolid(s)) {
    Move(p, s.x1, s.y1);
    Move(p, s.x2, s.y2);
    Move(p, s.x3, s.y3);
    Move(p, s.x4, s.y4);
    return;
  }
  // The corners hold an arc: centre, (radius, flatness), (tilt, start),
  // (arc angle, k); k of the rings is the inner radius.
  const double scaleBefore = s.x2;
  MoveArc(p, s.x1, s.y1, s.x2, s.y2, s.y3, s.x4, s.x3);
  if ((s.head.penStyle == 105 || s.head.penStyle == 106) && scaleBefore != 0)
    s.y4 *= s.x2 / scaleBefore;
}

void MoveText(const Placement& p, CDataMoji& t) {
  Move(p, t.x1, t.y1);
  Move(p, t.x2, t.y2);
  if (p.r != 0) t.angle += p.r * kDegreesPerRadian;
  if (p.sx != 1) {
    t.sizeX *= p.sx;
    t.spacing *= p.sx;
  }
  if (p.sy != 1) t.sizeY *= p.sy;
}

void MoveLine(const Placement& p, CDataSen& l) {
  Move(p, l.x1, l.y1);
  Move(p, l.x2, l.y2);
}

void SetClearBrush(Canvas& canvas) {
  Brush b = canvas.GetBrush();
  b.style = BrushStyle::Clear;
  canvas.SetBrush(b);
}

// Draws the insert; `path` holds the definitions being drawn above it.
void DrawInsert(const DrawContext& ctx, Canvas& canvas, const TJWWBlockList& blocks,
                const CDataBlock& insert, std::vector<std::int32_t>& path, long long& budget) {
  const CDataList* def = blocks.definition(insert.blockNumber);
  if (!def) return;
  // The count is the definition's own; only members that are stored are drawn.
  const std::span<const JWWMember> members = blocks.membersOf(insert.blockNumber);
  const std::size_t n =
      std::min(members.size(), static_cast<std::size_t>(std::max(def->memberCount, 0)));
  if (static_cast<int>(path.size()) >= kMaxBlockDepth) return;
  for (std::int32_t n : path)
    if (n == insert.blockNumber) return;
  path.push_back(insert.blockNumber);
  const Placement p = PlacementOf(insert);
  for (std::size_t j = n; j-- > 0 && budget > 0;) {
    --budget;
    const JWWMember* m = &members[j];
    switch (m->index()) {
      case 0: {
        CDataSen l = std::get<CDataSen>(*m);
        MoveLine(p, l);
        DrawLine(ctx, canvas, l);
        break;
      }
      case 1: {
        CDataEnko a = std::get<CDataEnko>(*m);
        MoveArc(p, a.cx, a.cy, a.radius, a.flatness, a.startAngle, a.arcAngle, a.tiltAngle);
        DrawArc(ctx, canvas, a, false);
        break;
      }
      case 2: {
        CDataTen t = std::get<CDataTen>(*m);
        Move(p, t.x, t.y);
        DrawPoint(ctx, canvas, t);
        break;
      }
      case 3: {
        CDataMoji t = *MemberAs<CDataMoji>(*m);
        MoveText(p, t);
        SetClearBrush(canvas);
        DrawText(ctx, canvas, t);
        break;
      }
      case 4: {
        CDataSunpou d = *MemberAs<CDataSunpou>(*m);
        MoveLine(p, d.line);
        MoveText(p, d.text);
        DrawLine(ctx, canvas, d.line);
        SetClearBrush(canvas);
        DrawText(ctx, canvas, d.text);
        break;
      }
      case 5: {
        CDataSolid s = std::get<CDataSolid>(*m);
        MoveSolid(p, s);
        DrawSolid(ctx, canvas, s);
        SetClearBrush(canvas);
        break;
      }
      case 6: {
        CDataBlock nested = std::get<CDataBlock>(*m);
        Move(p, nested.x, nested.y);
        // A mirror reverses the sense of the nested insert's own rotation: a
        // choice beyond the plain rule (which adds the angles), so that a
        // turned block inside a mirrored one is its mirror image. Exact for
        // every outer block of equal scales; under unequal outer scales a
        // turned nested insert would need a shear no insert record holds,
        // and takes these composed values.
        const bool mirrored = (p.sx < 0) != (p.sy < 0);
        nested.angle = mirrored ? p.r - nested.angle : nested.angle + p.r;
        nested.scaleX *= p.sx;
        nested.scaleY *= p.sy;
        DrawInsert(ctx, canvas, blocks, nested, path, budget);
        break;
      }
      default: break;
    }
  }
  path.pop_back();
}

}  // namespace

void DrawBlock(const DrawContext& ctx, Canvas& canvas, const TJWWBlockList& blocks,
               const CDataBlock& insert, long long& budget) {
  std::vector<std::int32_t> path;
  path.reserve(8);
  DrawInsert(ctx, canvas, blocks, insert, path, budget);
}

}  // namespace sw
