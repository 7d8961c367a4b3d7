// A sheet to redraw in tests: an in-memory drawing and a layout document
// on A4 with rectangle frames added the way the editing commands add them,
// every layer editable unless a test says otherwise.
#pragma once

#include "layout/Operations.h"
#include "render/Redraw.h"
#include "support/JwwWriter.h"

namespace sw::test {

inline void AllLayersState(std::array<JWWLayerGroupState, 16>& groups, int state) {
  for (auto& g : groups) {
    g.state = state;
    for (auto& l : g.layers) l.state = state;
  }
}

struct RedrawScene {
  JWWDrawing drawing = MakeDrawing(600);
  LayoutDocument doc;
  StyleTables styles = InitialStyleTables();
  RedrawState state;
  ViewState view;
  PrintState print;

  RedrawScene() {
    doc.head.baseFile = "/plans/plan.jww";
    doc.PaperIndex = 4;
    CLayMain& s = doc.Sheets[0];
    AllLayersState(s.frames[0].groups, 2);
    s.shown[0] = true;
  }

  CLayMain& sheet() { return CurrentSheet(doc); }

  // A shown rectangle frame (x1 <= x2, y1 <= y2, drawing mm) at offset (dx, dy).
  int AddRect(double x1, double y1, double x2, double y2, double dx = 0, double dy = 0) {
    const std::string name = "f" + std::to_string(sheet().frameHigh + 1);
    if (!addFrame(doc, kFrameRect, name, {x1, y1}, {x2, y2})) return -1;
    const int i = sheet().frameHigh;
    CLayCount& f = sheet().frames[static_cast<std::size_t>(i)];
    AllLayersState(f.groups, 2);
    f.dx = dx;
    f.dy = dy;
    sheet().shown[static_cast<std::size_t>(i)] = true;
    return i;
  }

  void AddLine(double x1, double y1, double x2, double y2, int layer = 0, int color = 1) {
    drawing.JWWLines.push_back({MakeHead(0, layer, color, 1), x1, y1, x2, y2});
  }

  // The view as the main window has it for a paint box of `box`.
  void Fit(BoxSize box) { FitViewToPaper(view, doc.PaperIndex, box); }

  SheetSource source() const { return SheetSource{drawing, doc, styles, print}; }
};

}  // namespace sw::test
