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

}  // namespace casewright
