// A generated sheet for the redraw benchmark: a base drawing spread over an
// A1 paper (drawing mm = paper mm, origin at the paper centre), a layout
// document whose current sheet shows it through four rectangle frames with
// offsets and their own layer states, and the style tables. Every part is
// drawn from its own seeded generator, so a drawing of one kind only holds
// exactly the entities of that kind in the full drawing.
#pragma once

#include <cstdint>
#include <string>

#include "jww/Drawing.h"
#include "layout/Document.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw::bench {

// Entity counts of the generated drawing.
struct SceneCounts {
  int lines = 50000;
  int arcs = 5000;
  int texts = 5000;
  int dims = 1000;
  int inserts = 200;
  int blocks = 10;        // block definitions the inserts choose from
  int blockMembers = 50;  // entities per definition
};

// The counts of `all` with every kind but `kind` set to zero.
enum class SceneKind { All, Lines, Arcs, Texts, Dims, Inserts, Empty };
SceneCounts OnlyKind(const SceneCounts& all, SceneKind kind);
const char* KindName(SceneKind kind);

struct Scene {
  JWWDrawing drawing;
  LayoutDocument document;
  StyleTables styles;
};

// The drawing of `counts` (seed fixed), the four-frame document and the
// initial style tables with the drawing's own tables applied.
Scene MakeScene(const SceneCounts& counts, std::uint32_t seed = 20240611);

// The view of A1 on a 1024 x 768 paint box (3072 x 2304 buffer): the fitted
// scale times `zoom`, the paper centred in the buffer.
ViewState MakeSheetView(double zoom);

}  // namespace sw::bench
