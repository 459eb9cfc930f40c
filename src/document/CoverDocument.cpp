#include "document/CoverDocument.h"

#include <tuple>

#include "document/CaseTypeTable.h"
#include "document/MulDiv.h"

namespace casewright {

namespace {

LogFont DefaultFont(int points, int fontDpi) {
    LogFont font;
    font.height = CoverDocument::DefaultFontHeight(points, fontDpi);
    font.setFaceName(QStringLiteral("Arial"));
    return font;
}

}  // namespace

int32_t CoverDocument::DefaultFontHeight(int points, int fontDpi) {
    return -MulDiv(points, fontDpi, 72);
}

void CoverDocument::ResetToNewDesign(int newCoverType, int fontDpi) {
    const int coverPoints = CaseTypeInfoFor(newCoverType).frontBackPoints;

    covertype = newCoverType;
    CoverOption = 0;
    fImagePath.clear();
    bImagePath.clear();
    dImagePath.clear();
    fImagePlacement = bImagePlacement = dImagePlacement = ImagePlacement();
    fBGColor = bBGColor = dBGColor = kWhite;
    fShowBorder = bShowBorder = dShowBorder = true;
    fCoverTitle.clear();
    bCoverTitle.clear();
    dCoverTitle.clear();
    fCoverText.clear();
    bCoverText.clear();
    dCoverText.clear();
    fCoverAlign = LEFT;
    bCoverAlign = LEFT;
    dCoverAlign = CENTER;
    fCoverTextColor = bCoverTextColor = dCoverTextColor = kBlack;
    fCoverTextFont = DefaultFont(coverPoints, fontDpi);
    bCoverTextFont = DefaultFont(coverPoints, fontDpi);
    dCoverTextFont = DefaultFont(kDiscPoints, fontDpi);
    fCoverTextFontName.clear();
    bCoverTextFontName.clear();
    dCoverTextFontName.clear();
    frontCoverSpineText.clear();
    backCoverSpineText.clear();
    frontCoverSpinesOn = false;
    backCoverSpinesOn = true;
    bFrontPrintOverSpines = true;
    bBackPrintOverSpines = true;
    printOverInnerCircleDisc = true;
    showTotalTime = false;
    coverChanged = false;
}

namespace {

auto Fields(const CoverDocument& d) {
    return std::tie(
        d.covertype, d.CoverOption, d.sImagePath, d.fImagePath, d.bImagePath, d.dImagePath,
        d.fBGColor, d.bBGColor, d.dBGColor, d.fShowBorder, d.bShowBorder, d.dShowBorder,
        d.fCoverTitle, d.bCoverTitle, d.dCoverTitle, d.fCoverText, d.bCoverText, d.dCoverText,
        d.fCoverAlign, d.bCoverAlign, d.dCoverAlign, d.fCoverTextColor, d.bCoverTextColor,
        d.dCoverTextColor, d.fCoverTextFont, d.bCoverTextFont, d.dCoverTextFont,
        d.fCoverTextFontName, d.bCoverTextFontName, d.dCoverTextFontName, d.frontCoverSpineText,
        d.backCoverSpineText, d.frontCoverSpinesOn, d.backCoverSpinesOn, d.bFrontPrintOverSpines,
        d.bBackPrintOverSpines, d.printOverInnerCircleDisc, d.showTotalTime, d.fImagePlacement,
        d.bImagePlacement, d.sImagePlacement, d.dImagePlacement, d.fCoverTextPointSize,
        d.bCoverTextPointSize, d.dCoverTextPointSize, d.geometry);
}

}  // namespace

bool CoverDocument::operator==(const CoverDocument& other) const {
    return Fields(*this) == Fields(other);
}

ImagePlacement& CoverDocument::imagePlacement(int block) {
    switch (block) {
        case 0:
            return fImagePlacement;
        case 1:
            return bImagePlacement;
        case 2:
            return sImagePlacement;
        default:
            return dImagePlacement;
    }
}

const ImagePlacement& CoverDocument::imagePlacement(int block) const {
    return const_cast<CoverDocument*>(this)->imagePlacement(block);
}

SurfaceFields CoverDocument::surface(CoverSide side) {
    switch (side) {
        case CoverSide::Front:
            return {fBGColor,           fShowBorder,        fImagePath,      fCoverTitle,
                    fCoverText,         fCoverAlign,        fCoverTextColor, fCoverTextFont,
                    fCoverTextFontName, fCoverTextPointSize};
        case CoverSide::Back:
            return {bBGColor,           bShowBorder,        bImagePath,      bCoverTitle,
                    bCoverText,         bCoverAlign,        bCoverTextColor, bCoverTextFont,
                    bCoverTextFontName, bCoverTextPointSize};
        case CoverSide::Disc:
        default:
            return {dBGColor,           dShowBorder,        dImagePath,      dCoverTitle,
                    dCoverText,         dCoverAlign,        dCoverTextColor, dCoverTextFont,
                    dCoverTextFontName, dCoverTextPointSize};
    }
}

ConstSurfaceFields CoverDocument::surface(CoverSide side) const {
    SurfaceFields f = const_cast<CoverDocument*>(this)->surface(side);
    return {f.bgColor, f.showBorder, f.imagePath, f.title,    f.text,
            f.align,   f.textColor,  f.font,      f.fontName, f.pointSize};
}

}  // namespace casewright
