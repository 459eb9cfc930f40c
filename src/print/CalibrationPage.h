#pragma once

#include <QPoint>
#include <QString>

#include "print/CoverGeometry.h"
#include "print/DiscSheet.h"

class QPainter;

namespace casewright {

class SheetPrinter;

// A page for plain paper that shows where the printer puts the labels of a
// sheet: each label's outline and hole, a cross with millimetre marks at its
// centre, its number, and millimetre rulers along the top and the left edge
// measured from the paper's edge. Laid on the label sheet against the light,
// it shows how far the printer is off.
namespace CalibrationPage {

constexpr double kCrossArmMillimetres = 12;

// What the page says about itself: the sheet's name and which printer
// adjustments moved its labels.
struct Captions {
    QString sheet;
    QString adjustment;
};

// Draws the page on a device whose printable area starts at
// `printableOffset` (device pixels from the paper's corner).
void Draw(QPainter& painter, const DiscSheet& sheet, const Captions& captions, int dpi,
          QPoint printableOffset);

struct Result {
    bool ok = true;
    QString error;
};

// Prints the page as a document of its own on the sheet's paper, portrait.
Result Print(SheetPrinter& device, const DiscSheet& sheet, const Captions& captions);

// How the printer adjustments of a disc layout move and grow its labels, in
// words: the layout of kTemplateSheetLayout, which holds nothing else.
QString DescribeAdjustment(const CoverGeometry& adjustmentOnly);

}  // namespace CalibrationPage

}  // namespace casewright
