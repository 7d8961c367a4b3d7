// Everything one open layout consists of, held together and passed by
// reference: the base drawing and the layout document. View state, style
// tables and the editing state join here as their modules arrive.
#pragma once

#include "jww/Drawing.h"
#include "layout/Document.h"

namespace sw {

struct Workspace {
  JWWDrawing drawing;
  LayoutDocument document;
};

}  // namespace sw
