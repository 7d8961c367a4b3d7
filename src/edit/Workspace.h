// Everything one open layout consists of, held together and passed by
// reference: the base drawing, the layout document and its history, the
// view, the style tables, and the editing state grouped by owner.
#pragma once

#include "edit/History.h"
#include "edit/State.h"
#include "jww/Drawing.h"
#include "layout/Document.h"
#include "render/DrawingIndex.h"
#include "render/Redraw.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {

struct Workspace {
  JWWDrawing drawing;
  DrawingIndex index;  // of `drawing`; rebuilt by IndexDrawing when it is replaced
  LayoutDocument document;
  History history;
  ViewState view;
  StyleTables styles = InitialStyleTables();
  ToolState tool;
  PointerState pointer;
  PrintState print;
  LayerPanelState layers;
  FrameTreeState tree;
  TransformState transform;
  RedrawState redraw;
};

}  // namespace sw
