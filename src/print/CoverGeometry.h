#pragma once

namespace casewright {

// Sizes and sheet positions of one page layout, in inches. Positions are
// measured from the top-left corner of the physical sheet.
struct CoverGeometry {
    double frontWidth = 0;
    double frontHeight = 0;
    double backWidth = 0;
    double backHeight = 0;
    double discWidth = 0;
    double discHeight = 0;
    double frontTop = 0;
    double frontLeft = 0;
    double backTop = 0;
    double backLeft = 0;
    double topLabelTop = 0;
    double topLabelLeft = 0;
    double bottomLabelTop = 0;
    double bottomLabelLeft = 0;
    double frontSpineWidth = 0;
    double backSpineWidth = 0;
    double hubDiameter = 0;
    double slimSpineOffset = 0;
};

}  // namespace casewright
