#pragma once

#include <tuple>

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

    bool operator==(const CoverGeometry& other) const;
    bool operator!=(const CoverGeometry& other) const { return !(*this == other); }
};

inline auto GeometryFields(const CoverGeometry& g) {
    return std::tie(g.frontWidth, g.frontHeight, g.backWidth, g.backHeight, g.discWidth,
                    g.discHeight, g.frontTop, g.frontLeft, g.backTop, g.backLeft, g.topLabelTop,
                    g.topLabelLeft, g.bottomLabelTop, g.bottomLabelLeft, g.frontSpineWidth,
                    g.backSpineWidth, g.hubDiameter, g.slimSpineOffset);
}

inline bool CoverGeometry::operator==(const CoverGeometry& other) const {
    return GeometryFields(*this) == GeometryFields(other);
}

}  // namespace casewright
