#include "render/DrawSolid.h"

#include <array>
#include <cmath>
#include <numbers>

#include "render/DrawArc.h"

namespace sw {

namespace {

// The circle-solid shape of a solid, kCircleNone when it is not drawn.
int CircleKind(const CDataSolid& s) {
  switch (s.head.penStyle) {
    case 101:
      if (s.y4 == 100) return kCircleFull;
      if (s.y4 == 5) return kCircleSegment;
      if (s.y4 == 0) return kCircleSector;
      if (s.y4 == -1) return kCircleOuter;
      return kCircleNone;
    case 105: return kCircleRing;
    case 106: return kCircleRingEvenWidth;
    // Line type 111 is Jw_cad's circumference solid: the curve itself, in
    // the solid's colour (how an arc gets a colour of its own), and k only
    // tells the arc (0) from the whole circle (100). Unlike the shapes of
    // 101, 105 and 106 it carries no closing edge and no inner radius, so
    // there is no area to fill: it is stroked, where the plain rule would
    // fill every circle solid.
    case 111: return kCircleCircumference;
    default: return kCircleNone;
  }
}

}  // namespace

void DrawSolid(const DrawContext& ctx, Canvas& canvas, const CDataSolid& solid) {
  Pen own = canvas.GetPen();
  own.color = static_cast<Colour>(solid.rgb) & 0x00FFFFFFu;
  canvas.SetPen(own);
  const EntityPen pen = SelectCanvasPen(ctx, canvas, solid.head);
  if (!IsEntityVisible(ctx.pen, solid.head)) return;
  canvas.SetBrush(Brush{pen.color, BrushStyle::Solid});

  if (solid.head.penStyle <= 100) {
    std::array<PixelPoint, 4> corners;
    if (!ToPixel(ctx, solid.x1, solid.y1, corners[0]) ||
        !ToPixel(ctx, solid.x2, solid.y2, corners[1]) ||
        !ToPixel(ctx, solid.x3, solid.y3, corners[2]) ||
        !ToPixel(ctx, solid.x4, solid.y4, corners[3])) {
      return;
    }
    canvas.Polygon(corners);
    return;
  }

  const int kind = CircleKind(solid);
  if (kind == kCircleNone) return;
  CDataEnko arc;
  arc.head = solid.head;
  arc.head.penStyle = 1;  // the outline is drawn solid
  arc.cx = solid.x1;
  arc.cy = solid.y1;
  arc.radius = solid.x2;
  arc.flatness = solid.y2;
  arc.tiltAngle = solid.x3;
  arc.startAngle = solid.y3;
  arc.arcAngle = solid.x4;
  const bool wholeTurn = std::fabs(solid.x4) >= 2 * std::numbers::pi - 1e-6;
  switch (kind) {
    case kCircleFull: arc.fullCircle = 1; break;
    case kCircleCircumference: arc.fullCircle = solid.y4 == 100 ? 1 : 0; break;
    case kCircleRing:
    case kCircleRingEvenWidth: arc.fullCircle = wholeTurn ? 1 : 0; break;
    default: arc.fullCircle = 0; break;
  }
  const double inner = (kind == kCircleRing || kind == kCircleRingEvenWidth) ? solid.y4 : 0;
  DrawArcShape(ctx, canvas, arc, kind, inner);
}

}  // namespace sw
