#include "layout/Document.h"

namespace sw {

CLayMain MakeEmptySheet() {
  CLayMain sh;
  sh.frames.resize(1);
  sh.circles.resize(1);
  sh.rects.resize(1);
  sh.lines.resize(1);
  sh.shown.assign(1, false);
  return sh;
}

}  // namespace sw
