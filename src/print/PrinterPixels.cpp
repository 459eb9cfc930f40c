#include "print/PrinterPixels.h"

#include <algorithm>

namespace casewright {

namespace {

int DevicePosition(double inches, int dpi, int offset) {
    return static_cast<int>(std::max(0.0, inches * dpi - offset));
}

int DeviceLength(double inches, int dpi) {
    return static_cast<int>(inches * dpi);
}

}  // namespace

QRect SheetRect(double leftInches, double topInches, double widthInches, double heightInches,
                int dpi, QPoint printableOffset) {
    const int left = DevicePosition(leftInches, dpi, printableOffset.x());
    const int top = DevicePosition(topInches, dpi, printableOffset.y());
    return QRect(left, top, DeviceLength(widthInches, dpi), DeviceLength(heightInches, dpi));
}

}  // namespace casewright
