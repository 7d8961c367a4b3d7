#include "app/SheetRedraw.h"

namespace sw {

namespace {
CanvasRect ToCanvas(const PixelRect& r) { return CanvasRect{r.left, r.top, r.right, r.bottom}; }
}  // namespace

void DrawBackgroundAndPaperOutline(ViewState& view, const StyleTables& styles, Canvas& canvas, int width,
                                   int height) {
  PlaceOrigin(view);
  if (view.Printing) return;
  canvas.FillRect(CanvasRect{0, 0, width, height}, styles.BackgroundColor);
  Pen pen;
  pen.color = styles.ScreenPenColor[9];
  pen.width = 1;
  pen.style = PenStyle::Solid;
  canvas.SetPen(pen);
  canvas.SetBrush(Brush{0, BrushStyle::Clear});
  canvas.Rectangle(ToCanvas(PaperOutline(view)));
  if (view.PrintPreview) canvas.Rectangle(ToCanvas(PrinterOutline(view)));
}

}  // namespace sw
