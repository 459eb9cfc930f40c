#include "controls/DialogUnits.h"

#include <QWidget>
#include <cmath>

#include "controls/ScreenDpi.h"

namespace casewright {

namespace {

double ScreenFactor() {
    return ScreenResolution().x / 96.0;
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
