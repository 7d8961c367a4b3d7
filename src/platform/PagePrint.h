// Printing sheets: each sheet drawn with the print mapping straight onto the
// page of a paint device (a printer or a PDF writer), vector and in order.
#pragma once

#include "core/Result.h"
#include "render/Redraw.h"

class QPaintDevice;

namespace sw {

class QtCanvas;

// Maps the page of `device` (its size in device pixels and its resolution)
// so that the paper centre is the page centre and one sheet mm is the
// source's OutputScale mm on paper, and draws the sheet for the printer onto
// `canvas`, which paints on `device`. What the canvas holds back is drawn
// before this returns, so that the caller may start a new page. The view
// window and scale are restored afterwards. Fails when the device has no
// page size or resolution.
Status DrawSheetPage(QtCanvas& canvas, QPaintDevice& device, ViewState& view, const SheetSource& source,
                     RedrawState& state);

// One page: begins painting on `device`, draws the sheet as above and ends
// the page. Fails also when the device cannot be painted on or reports a
// failure at the end.
Status PrintSheetPage(QPaintDevice& device, ViewState& view, const SheetSource& source,
                      RedrawState& state);

}  // namespace sw
