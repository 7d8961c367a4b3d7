#include "platform/PagePrint.h"

#include <QPaintDevice>

#include "platform/QtCanvas.h"

namespace sw {

namespace {

Status CheckPage(const QPaintDevice& device) {
  if (device.width() <= 0 || device.height() <= 0 || device.logicalDpiX() <= 0 || device.logicalDpiY() <= 0)
    return Error{"the printer reports no page size or resolution", -1};
  return {};
}

}  // namespace

Status DrawSheetPage(QtCanvas& canvas, QPaintDevice& device, ViewState& view, const SheetSource& source,
                     RedrawState& state) {
  if (Status s = CheckPage(device); !s) return s;
  const int pageW = device.width(), pageH = device.height();
  const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
  PrintState print = source.print;
  print.Printing = true;
  const SavedView saved = BeginPrintMapping(view, print.OutputScale, pageW, pageH, dpiX, dpiY);
  RedrawSheet(canvas, view, SheetSource{source.drawing, source.document, source.styles, print, source.index}, state);
  canvas.FlushStrokes();
  EndPrintMapping(view, saved);
  return {};
}

Status PrintSheetPage(QPaintDevice& device, ViewState& view, const SheetSource& source,
                      RedrawState& state) {
  if (Status s = CheckPage(device); !s) return s;
  // The page goes to the device as the sheet is walked, so that a large
  // drawing costs the device's own memory and nothing more.
  QtCanvas canvas(device, StrokeOrder::GroupedByPen);
  if (!canvas.IsActive()) return Error{"the page could not be drawn on", -1};
  const Status drawn = DrawSheetPage(canvas, device, view, source, state);
  const bool finished = canvas.Finish();
  if (!drawn) return drawn;
  if (!finished) return Error{"the page could not be drawn on", -1};
  return {};
}

}  // namespace sw
