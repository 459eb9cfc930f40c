#pragma once

#include <QRect>

class QWidget;

namespace casewright {

// Converts dialog-template units into pixels: 1.5 px across and 1.625 px down
// per unit at 96 dpi (the 8-point dialog font), scaled by the screen's dpi.
namespace DialogUnits {

int ToPixelsX(int units);
int ToPixelsY(int units);
QRect ToPixels(int x, int y, int width, int height);
// Places `widget` at a dialog-unit rectangle of its parent.
void Place(QWidget* widget, int x, int y, int width, int height);

}  // namespace DialogUnits

}  // namespace casewright
