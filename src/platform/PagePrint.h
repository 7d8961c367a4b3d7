// Printing one sheet: the sheet drawn at the print mapping into a picture
// (vector, device independent) and the picture replayed onto a page.
#pragma once

#include "core/Result.h"
#include "render/Redraw.h"

class QPaintDevice;

namespace sw {

// Maps the page of `device` (its size in device pixels and its resolution)
// so that the paper centre is the page centre and one sheet mm is the
// source's OutputScale mm on paper, draws the sheet for the printer into a
// picture and plays the picture onto `device` at (0, 0). The view window
// and scale are restored afterwards. Fails when the device has no page or
// cannot be painted on.
Status PrintSheetPage(QPaintDevice& device, ViewState& view, const SheetSource& source,
                      RedrawState& state);

}  // namespace sw
