// What the main window draws into its back buffer.
#pragma once

#include "render/Canvas.h"
#include "render/Styles.h"
#include "render/View.h"

namespace sw {

// The screen sheet without its content: PlaceOrigin, then (unless Printing) the whole buffer of
// `width` x `height` pixels filled with BackgroundColor, the paper outline
// in the colour of pen 9 (one pixel, solid, no fill) and, in print preview,
// the printer page outline the same way.
void DrawBackgroundAndPaperOutline(ViewState& view, const StyleTables& styles, Canvas& canvas, int width,
                                   int height);

}  // namespace sw
