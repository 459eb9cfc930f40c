#include "controls/DialogUnits.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace casewright {

namespace {

double ScreenFactor() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() / 96.0 : 1.0;
}

}  // namespace

namespace DialogUnits {

int ToPixelsX(int units) {
    return static_cast<int>(std::lround(units * 1.5 * ScreenFactor()));
}

int ToPixelsY(int units) {
    return static_cast<int>(std::lround(units * 1.625 * ScreenFactor()));
}

QRect ToPixels(int x, int y, int width, int height) {
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height));
}

void Place(QWidget* widget, int x, int y, int width, int height) {
    widget->setGeometry(ToPixels(x, y, width, height));
}

}  // namespace DialogUnits

}  // namespace casewright
