// Everything one open layout consists of, held together and passed by
// reference: the base drawing and the layout document. View state, style
// tables and the editing state join here as their modules arrive.
#pragma once

#include "jww/Drawing.h"
#include "edit/ToolMode.h"
#include "layout/Document.h"
#include "render/Redraw.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {

struct Workspace {
  JWWDrawing drawing;
  LayoutDocument document;
  ViewState view;
  StyleTables styles = InitialStyleTables();
  ToolState tool;
  RedrawState redraw;
};

}  // namespace sw
