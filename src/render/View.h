// The view transform: paper millimetres (origin at the paper centre, y up)
// to pixels of the current drawing surface (origin top left, y down), the
// paper shown and the back-buffer geometry.
//
// The screen draws into a back buffer three times the paint box in each
// direction; the paint box shows its middle third. ViewWindow is the paper
// rectangle the whole buffer covers. Printing swaps in a page mapping for
// the duration of one page (BeginPrintMapping / EndPrintMapping).
#pragma once

#include <cstdint>

#include "core/Result.h"
#include "render/Points.h"

namespace sw {

// Paper rectangle, paper mm.
struct ViewRect {
  double left = 0, bottom = 0, right = 0, top = 0;
  bool operator==(const ViewRect&) const = default;
};

// Sizes kept as (height, width).
struct PixelExtent {
  std::int32_t height = 0, width = 0;
  bool operator==(const PixelExtent&) const = default;
};
struct MmExtent {
  double height = 0, width = 0;
  bool operator==(const MmExtent&) const = default;
};

// A scale and view window saved for later: the previous view of the zoom
// gestures, the home view, and what the print mapping replaces.
struct SavedView {
  ViewRect window;
  double scale = 0;
  bool operator==(const SavedView&) const = default;
};

// The view of the drawing area. DrawOrigin and PaperOrigin are set by every
// redraw for the frame it draws; the rest changes only with the view.
struct ViewState {
  double ViewScale = 0;          // pixels per paper mm; 0 = not yet fitted
  ViewRect ViewWindow;           // paper mm covered by the whole back buffer (or page)
  PixelPoint DrawOrigin;         // pixel of the current drawing origin (moved per frame)
  PixelPoint PaperOrigin;        // pixel of paper point (0, 0) for the current redraw
  PixelExtent BufferSize;        // back buffer, pixels: 3 x the paint box
  MmExtent PaperSize{594, 841};  // paper mm, width the long side (A1)
  bool ViewReady = false;        // set once the main window exists
  SavedView PreviousView;        // the view "前倍率" returns to
  SavedView HomeView;            // the view remembered when a base drawing is loaded
  bool operator==(const ViewState&) const = default;
};

// The print state: the printer page of the preview, the output scale and
// the custom percentage it was built from, and the print and preview modes.
struct PrintState {
  MmExtent PrinterPaperMm;          // printer page, mm (preview outline)
  double OutputScale = 1.0;         // print output factor, 1.0 = 100 %
  double CustomPrintPercent = 100;  // the print-scale dialog's last percentage
  bool PrintScaleDone = false;      // the print-scale dialog has closed
  bool PrintPreview = false;        // the preview is shown
  bool Printing = false;            // a page is being drawn for the printer
  bool operator==(const PrintState&) const = default;
};

// The print state of a screen that neither previews nor prints.
inline const PrintState kScreenPrint{};

// Rounds half away from zero: 2.5 -> 3, -2.5 -> -3, -0.4 -> 0. Values past
// the 32-bit range saturate; NaN gives 0.
std::int32_t RoundAway(double x);

inline PaperPoint MakePoint(double x, double y) { return PaperPoint{x, y}; }

// Paper point (or a drawing point of the frame whose DrawOrigin is set) to
// a pixel of the current surface.
PixelPoint ToScreen(const ViewState& v, PaperPoint p);

// Paper size of table index `index` (0..4 = A0..A4, 8..14 larger sheets,
// anything else A0). Indexes 0..4 also become `paperIndex` (the layout
// document's); others leave it alone. Does not redraw.
void SetPaperSize(ViewState& v, std::int32_t index, std::int32_t& paperIndex);

// BufferSize := 3 x the paint box; when ViewScale is 0, the scale that fits
// the paper into the paint box. A non-zero scale is kept.
void FitView(ViewState& v, BoxSize box);
// Centres the paper in the buffer at the current scale.
void ResetViewWindow(ViewState& v);
// When ViewReady: FitView, then ResetViewWindow (the caller invalidates).
void RefreshView(ViewState& v, BoxSize box);
// The paper of `paperIndex` (as SetPaperSize; the index is not stored
// anywhere), the view made ready and fitted afresh to the paint box `box`.
void FitViewToPaper(ViewState& v, std::int32_t paperIndex, BoxSize box);
// First step of every redraw: DrawOrigin = PaperOrigin = pixel of paper (0, 0).
void PlaceOrigin(ViewState& v);
// DrawOrigin for a frame shown at offset (dx, dy) paper mm (dy positive
// moves down): drawing point (x, y) then lands on paper point (x + dx, y - dy).
void PlaceFrameOrigin(ViewState& v, double dx, double dy);
// Window resize: BufferSize := 3 x the new paint box; scale and the centre
// of ViewWindow are kept.
void ResizeView(ViewState& v, BoxSize box);

// Paint-box pixel (px, py) to paper mm.
PaperPoint PixelToPaper(const ViewState& v, BoxSize box, double px, double py);
// Paper mm to a back-buffer (or page) pixel through ViewWindow; equals
// ToScreen once PlaceOrigin has run.
PixelPoint PaperToPixel(const ViewState& v, PaperPoint p);

// Pixel rectangle on the current surface.
struct PixelRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};
// The paper outline drawn on screen.
PixelRect PaperOutline(const ViewState& v);
// The printer page outline of the preview: PrinterPaperMm / OutputScale,
// centred on the paper.
PixelRect PrinterOutline(const ViewState& v, const PrintState& print);

// Page of pageW x pageH device pixels at dpiX x dpiY: the paper centre on
// the page centre at `outputScale` (the horizontal resolution serves both
// axes; a scale that is not positive counts as 1). A page size or resolution
// that is not positive leaves the view unchanged.
SavedView BeginPrintMapping(ViewState& v, double outputScale, std::int32_t pageW, std::int32_t pageH,
                            double dpiX, double dpiY);
void EndPrintMapping(ViewState& v, const SavedView& saved);

// The screen rules every operation here keeps: the scale is finite and not
// negative; BufferSize is three times a paint box;
// PaperSize is a size of the paper table; a fitted view's window spans the
// whole buffer (right - left = buffer width / scale, top - bottom = buffer
// height / scale). The error names the first rule broken.
Status CheckViewInvariants(const ViewState& v);
// As above, and BufferSize is exactly three times `box`.
Status CheckViewInvariants(const ViewState& v, BoxSize box);

}  // namespace sw
