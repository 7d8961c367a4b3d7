// A small drawing world for the entity-drawing tests: 2 pixels per paper mm,
// a 400 x 300 buffer with the paper centre at pixel (200, 150), the initial
// style tables, and frame 1 with every group and layer editable.
#pragma once

#include <array>

#include "jww/Records.h"
#include "render/DrawContext.h"
#include "render/RecordingCanvas.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw::test {

struct DrawWorld {
  ViewState view;
  StyleTables styles = InitialStyleTables();
  std::array<JWWLayerGroupState, 16> groups{};
  PenContext pen;
  ClipRect frameClip{-50, -40, 50, 40};
  double dx = 0, dy = 0;
  RecordingCanvas canvas;

  DrawWorld() {
    view.ViewScale = 2;
    view.BufferSize.width = 400;
    view.BufferSize.height = 300;
    view.ViewWindow = {-100, -75, 100, 75};
    PlaceOrigin(view);
    for (auto& g : groups) {
      g.state = 2;
      for (auto& l : g.layers) l.state = 2;
    }
    pen.styles = &styles;
    pen.groups = &groups;
    pen.currentFrame = 1;
  }

  // Moves the drawing origin for a frame offset (paper mm, dy positive down).
  void Offset(double x, double y) {
    dx = x;
    dy = y;
    PlaceFrameOrigin(view, x, y);
  }

  DrawContext Context() const { return DrawContext{view, pen, frameClip, dx, dy}; }
};

inline JWWEntityHead Head(int penStyle, int penColor, int layer = 0, int group = 0) {
  JWWEntityHead h;
  h.penStyle = static_cast<std::uint8_t>(penStyle);
  h.penColor = static_cast<std::uint16_t>(penColor);
  h.layer = static_cast<std::uint16_t>(layer);
  h.layerGroup = static_cast<std::uint16_t>(group);
  return h;
}

}  // namespace sw::test
