#pragma once

class QWidget;

namespace casewright {

// The logical resolution of a screen in whole dots per inch, as the desktop
// reports it (72, 96, 120, 144, 192, ...) and as a widget's logicalDpiX/Y
// rounds it.
struct ScreenDpi {
    int x = 96;
    int y = 96;
};

// The resolution of the screen `widget` is shown on; without a widget, or
// before it is on a screen, the primary screen's; 96 when there is none.
// Nothing else asks Qt for the screen's resolution.
ScreenDpi ScreenResolution(const QWidget* widget = nullptr);

// Logical pixels per real inch on the screen `widget` is shown on (the
// primary screen without one), for showing things at their true size; the
// logical resolution when the screen does not know its physical size.
double PhysicalScreenDpi(const QWidget* widget = nullptr);

}  // namespace casewright
