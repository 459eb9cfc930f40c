#include "controls/ScreenDpi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace casewright {

ScreenDpi ScreenResolution(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return ScreenDpi();
    }
    return {qRound(screen->logicalDotsPerInchX()), qRound(screen->logicalDotsPerInchY())};
}

double PhysicalScreenDpi(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const double dpi = screen ? screen->physicalDotsPerInchX() : 0.0;
    // Screens that report no size, or a nonsense one, give values like these.
    if (dpi < 30.0 || dpi > 1200.0) {
        return ScreenResolution(widget).x;
    }
    return dpi;
}

}  // namespace casewright
