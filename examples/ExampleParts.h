// The parts the example drawing is made of, one function each.
#pragma once

#include "examples/Drafting.h"
#include "examples/Example.h"

namespace sw::example {

// Building coordinates (real mm, origin at grid X1/Y1) to paper mm at 1:100.
struct PlanScale {
  double originX = -160, originY = -45;  // paper mm of the building origin
  double denominator = 100;
  double x(double realX) const { return originX + realX / denominator; }
  double y(double realY) const { return originY + realY / denominator; }
  double size(double real) const { return real / denominator; }
};
inline constexpr PlanScale kPlanScale{};

// Pen on layer `layer` of group `group`.
inline Pen PenOn(int group, int layer, int colour, int style = 1, int width = 0) {
  return Pen{group, layer, colour, style, width};
}

// Block definitions (column, chair, desk set, meeting table set, WC), with
// members at 1:100 around their insertion points; the desk and table sets
// insert the chair.
void AddBlocks(JWWDrawing& d);

// Grid, walls with doors and windows, columns, furniture and fixtures, room
// names, dimensions and floor finishes.
void AddWalls(JWWDrawing& d);
void AddPlanContents(JWWDrawing& d);

// Border, title block and north arrow.
void AddSheetFrame(JWWDrawing& d);

// The 1:20 details of the desk set and of a column, and the legend.
void AddDetails(JWWDrawing& d);
void AddLegend(JWWDrawing& d);

}  // namespace sw::example
