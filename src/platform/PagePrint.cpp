#include "platform/PagePrint.h"

#include <QPainter>

#include "platform/QtCanvas.h"

namespace sw {

Status PrintSheetPage(QPaintDevice& device, ViewState& view, const SheetSource& source,
                      RedrawState& state) {
  const int pageW = device.width(), pageH = device.height();
  const double dpiX = device.logicalDpiX(), dpiY = device.logicalDpiY();
  if (pageW <= 0 || pageH <= 0 || dpiX <= 0 || dpiY <= 0)
    return Error{"the printer reports no page size or resolution", -1};
  PrintState print = source.print;
  print.Printing = true;
  const SavedView saved = BeginPrintMapping(view, print.OutputScale, pageW, pageH, dpiX, dpiY);
  // The page is drawn straight onto the device as the sheet is walked, so
  // that a large drawing costs the device's own memory and nothing more.
  bool painted = false;
  {
    QtCanvas canvas(device);
    painted = canvas.IsActive();
    if (painted)
      RedrawSheet(canvas, view, SheetSource{source.drawing, source.document, source.styles, print}, state);
    painted = canvas.Finish() && painted;
  }
  EndPrintMapping(view, saved);
  if (!painted) return Error{"the page could not be drawn on", -1};
  return {};
}

}  // namespace sw
