#include "platform/PagePrint.h"

#include <QPainter>
#include <QPicture>

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
  QPicture picture;
  {
    QtCanvas canvas(picture);
    RedrawSheet(canvas, view, SheetSource{source.drawing, source.document, source.styles, print}, state);
  }
  EndPrintMapping(view, saved);
  QPainter page(&device);
  if (!page.isActive()) return Error{"the page cannot be drawn on", -1};
  // Playing a picture scales it by the device's resolution over the
  // picture's; the picture already holds device pixels, so that is undone.
  page.scale(double(picture.logicalDpiX()) / device.logicalDpiX(),
             double(picture.logicalDpiY()) / device.logicalDpiY());
  page.drawPicture(0, 0, picture);
  if (!page.end()) return Error{"the page could not be finished", -1};
  return {};
}

}  // namespace sw
