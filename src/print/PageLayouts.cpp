#include "print/PageLayouts.h"

#include <algorithm>

#include "app/SettingsStore.h"
#include "document/CaseTypeTable.h"

namespace casewright {

namespace {

struct LayoutRow {
    int index;
    CoverGeometry geometry;
};

// frontW, frontH, backW, backH, discW, discH, frontTop, frontLeft, backTop, backLeft,
// topLabelTop, topLabelLeft, bottomLabelTop, bottomLabelLeft, frontSpine, backSpine,
// hub, slimSpineOffset
const LayoutRow kLayouts[] = {
    {LayoutStandardCD,
     {4.735, 4.735, 5.925, 4.625, 4.685, 4.685, 0.5, 0.5, 5.48, 0.5, 1.0, 0.237, 0.6875, 1.9375, 0,
      0.25, 0.81, 0}},
    {LayoutSlimlineCD,
     {0, 0, 6.1417322772, 4.7637795227, 4.685, 4.685, 0, 0, 0.25, 0.25, 0.832, 0.237, 0.6875,
      1.9375, 0, 0.1181102361, 0.81, 0.5905511805}},
    {LayoutStandardDVD,
     {0, 0, 10.73, 7.2, 4.685, 4.685, 0, 0, 0.1, 0.1, 0.237, 0.832, 0.6875, 1.9375, 0, 0.54, 0.81,
      0}},
    {LayoutSlimlineDVD,
     {0, 0, 10.561, 7.2, 4.685, 4.685, 0, 0, 0.2, 0.2, 0.237, 0.832, 0.6875, 1.9375, 0, 0.275, 0.81,
      0}},
    {LayoutAvery,
     {0, 0, 0, 0, 4.625, 4.653, 0, 0, 0, 0, 0.6875, 1.9375, 5.6875, 1.9375, 0, 0, 1.6154, 0}},
    {LayoutPCLine,
     {0, 0, 0, 0, 4.673, 4.673, 0, 0, 0, 0, 0.983, 0.38, 6.1021, 3.1779, 0, 0, 0.78, 0}},
    {LayoutPressIT,
     {0, 0, 0, 0, 4.673, 4.673, 0, 0, 0, 0, 0.983, 0.38, 6.1021, 3.1779, 0, 0, 0.78, 0}},
    {LayoutNeato, {0, 0, 0, 0, 4.69, 4.689, 0, 0, 0, 0, 1.021, 1.793, 6.06, 1.796, 0, 0, 1.603, 0}},
};

double Inches(const QString& millimetreText) {
    return MillimetresFromText(millimetreText) * kInchesPerMillimetre;
}

// "0" means subtract; any other text means add.
double Signed(double distance, const QString& directionSwitch) {
    return directionSwitch == QLatin1String("0") ? -distance : distance;
}

}  // namespace

int MillimetresFromText(const QString& text) {
    return std::clamp(SettingsStore::LeadingInteger(text), kMinimumAdjustmentMM,
                      kMaximumAdjustmentMM);
}

CoverGeometry MakeCoverLayout(int layoutIndex, const PrinterAdjustment& adjustment) {
    CoverGeometry g;
    for (const LayoutRow& row : kLayouts) {
        if (row.index == layoutIndex) {
            g = row.geometry;
        }
    }
    const double cover = Inches(adjustment.expandCoverMM);
    g.frontWidth += cover;
    g.frontHeight += cover;
    g.backWidth += cover;
    g.backHeight += cover;
    g.backTop += cover;

    const double disc = Inches(adjustment.expandDiscMM);
    g.discWidth += disc;
    g.discHeight += disc;

    const double dx = Signed(Inches(adjustment.moveDiscMMX), adjustment.moveDiscLeftRight);
    g.topLabelLeft += dx;
    g.bottomLabelLeft += dx;
    const double dy = Signed(Inches(adjustment.moveDiscMMY), adjustment.moveDiscUpDown);
    g.topLabelTop += dy;
    g.bottomLabelTop += dy;
    return g;
}

std::optional<LayoutIndex> LayoutForCoverType(int coverType) {
    const CaseTypeInfo* info = FindCaseType(coverType);
    return info ? std::optional(info->layout) : std::nullopt;
}

}  // namespace casewright
