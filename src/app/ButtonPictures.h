// The 16 x 16 button pictures, drawn by the program itself: the toolbar
// pictures, the layer-button pictures combined by the layer panel, and the
// application icon.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace sw {

// Layer-button pictures by name: "NUM0".."NUM15", "Nill", "BarLine",
// "BarText", "CircleBK", "CircleRD", "RectBK", "RectRD", "CROSS1", "CROSS2".
// White where nothing is drawn, so that pictures combine with a bitwise AND.
// An unknown name gives a white picture.
QImage LayerPicture(const QString& name);

// Copies `overlay` onto `picture` with a bitwise AND of the pixels.
void CombinePicture(QImage& picture, const QImage& overlay);

// A layer button (`editable` "CircleBK", `write` "CircleRD") or group
// button ("RectBK", "RectRD") of number n: the number ("Nill" when hidden),
// the bars for lines and texts present, the state mark (2 editable, 3 the
// write one) and the protect cross, combined by AND.
QImage LayerButtonPicture(int n, int state, int protect, bool lines, bool text, const char* editable,
                          const char* write);

// Toolbar pictures: "New", "Open", "Save", "SaveAs", "Print", "Load",
// "Rect", "Circle", "Pline", "AuxLine", "DelLine", "Move", "Copy",
// "Transform", "PDF", "Back".
QIcon ToolPicture(const QString& name);

// The application icon (a sheet with a frame on it), 16 and 32 pixels.
QIcon ApplicationIcon();

}  // namespace sw
