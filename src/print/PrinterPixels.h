#pragma once

#include <QPoint>
#include <QRect>

namespace casewright {

// A rectangle given in inches from the top-left corner of the sheet, in the
// pixels of a device whose printable area starts at `printableOffset`.
// Positions that fall into the unprintable border are raised to 0, so the
// surface is shifted rather than cut; the size always stays whole.
QRect SheetRect(double leftInches, double topInches, double widthInches, double heightInches,
                int dpi, QPoint printableOffset);

}  // namespace casewright
