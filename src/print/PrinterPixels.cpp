#include "print/PrinterPixels.h"

#include <algorithm>

#include "render/DevicePixels.h"

namespace casewright {

namespace {

// Whole pixels from the paper's edge less the unprintable border, never
// negative.
int DevicePosition(double inches, int dpi, int offset) {
    return TruncatedPixels(std::max(0.0, inches * dpi - offset));
}

}  // namespace

QRect SheetRect(double leftInches, double topInches, double widthInches, double heightInches,
                int dpi, QPoint printableOffset) {
    const int left = DevicePosition(leftInches, dpi, printableOffset.x());
    const int top = DevicePosition(topInches, dpi, printableOffset.y());
    return QRect(left, top, InchesToPixels(widthInches, dpi), InchesToPixels(heightInches, dpi));
}

}  // namespace casewright
