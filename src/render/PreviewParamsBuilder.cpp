#include "render/PreviewParamsBuilder.h"

#include "document/CaseTypeTable.h"
#include "document/CoverFileFormat.h"
#include "render/DevicePixels.h"

namespace casewright {

namespace {

constexpr double kCutoutWidthInches = 1.417;
constexpr double kCutoutHeightInches = 0.0787;

constexpr double kFlatMargin = 0.1;
constexpr double kDvdMargin = 0.25;
constexpr double kStandardDvdFrontTextLeft = 5.85;
constexpr double kSlimlineDvdFrontTextLeft = 5.64;
constexpr double kSlimlineTextLeft = 0.84;
constexpr double kSlimlineTextTop = 0.25;

void SetSize(PreviewParams& p, double width, double height, double spine, int dpi) {
    p.refWidth = InchesToPixels(width, dpi);
    p.refHeight = InchesToPixels(height, dpi);
    p.heightInches = height;
    p.spineWidthPx = InchesToPixels(spine, dpi);
}

void SetBackCommon(PreviewParams& p, const CoverDocument& doc) {
    p.backgroundColor = doc.bBGColor;
    p.showBorder = doc.bShowBorder;
    p.spinesOn = doc.backCoverSpinesOn;
    p.printOverSpines = doc.bBackPrintOverSpines;
    p.spineText = doc.backCoverSpineText;
    p.textColor = doc.bCoverTextColor;
    p.font = doc.bCoverTextFont;
}

PreviewParams StandardFront(const CoverDocument& doc, int dpi) {
    PreviewParams p;
    const CoverGeometry& g = doc.geometry;
    SetSize(p, g.frontWidth, g.frontHeight, g.frontSpineWidth, dpi);
    p.backgroundColor = doc.fBGColor;
    p.showBorder = doc.fShowBorder;
    p.spinesOn = doc.frontCoverSpinesOn;
    p.printOverSpines = doc.bFrontPrintOverSpines;
    p.imagePath = doc.fImagePath;
    p.imagePlacement = doc.fImagePlacement;
    p.imageBlock = CoverFileFormat::FrontBlock;
    p.title = doc.fCoverTitle;
    p.text = doc.fCoverText;
    p.textAlign = doc.fCoverAlign;
    p.spineText = doc.frontCoverSpineText;
    p.textColor = doc.fCoverTextColor;
    p.font = doc.fCoverTextFont;
    p.isTrackListing = false;
    p.textMarginLeft = p.textMarginTop = kFlatMargin;
    return p;
}

PreviewParams StandardBack(const CoverDocument& doc, int dpi) {
    PreviewParams p;
    const CoverGeometry& g = doc.geometry;
    SetSize(p, g.backWidth, g.backHeight, g.backSpineWidth, dpi);
    SetBackCommon(p, doc);
    p.imagePath = doc.bImagePath;
    p.imagePlacement = doc.bImagePlacement;
    p.imageBlock = CoverFileFormat::BackBlock;
    p.text = doc.bCoverText;
    // The tray card's text is always a track listing, laid out from the left.
    p.textAlign = LEFT;
    p.isTrackListing = true;
    p.showTotalTime = doc.showTotalTime;
    p.textMarginLeft = p.textMarginTop = kFlatMargin;
    return p;
}

PreviewParams DvdWrap(const CoverDocument& doc, int dpi) {
    PreviewParams p;
    const CoverGeometry& g = doc.geometry;
    SetSize(p, g.backWidth, g.backHeight, g.backSpineWidth, dpi);
    SetBackCommon(p, doc);
    p.frontImagePath = doc.fImagePath;
    p.backImagePath = doc.bImagePath;
    p.stretchImagePath = doc.sImagePath;
    p.frontImagePlacement = doc.fImagePlacement;
    p.backImagePlacement = doc.bImagePlacement;
    p.stretchImagePlacement = doc.sImagePlacement;
    p.imageMode = doc.CoverOption;
    p.title = doc.bCoverTitle;
    p.text = doc.bCoverText;
    p.frontTitle = doc.fCoverTitle;
    p.frontText = doc.fCoverText;
    p.textAlign = doc.bCoverAlign;
    p.isTrackListing = false;
    p.textMarginLeft = p.textMarginTop = kDvdMargin;
    p.frontTextTop = kDvdMargin;
    const bool slimline = CaseTypeInfoFor(doc.covertype).narrowSpine;
    p.frontTextLeft = slimline ? kSlimlineDvdFrontTextLeft : kStandardDvdFrontTextLeft;
    p.narrowSpineText = slimline;
    return p;
}

PreviewParams SlimlineInsert(const CoverDocument& doc, int dpi) {
    PreviewParams p;
    const CoverGeometry& g = doc.geometry;
    SetSize(p, g.backWidth, g.backHeight, g.backSpineWidth, dpi);
    p.spineOffsetPx = InchesToPixels(g.slimSpineOffset, dpi);
    p.cutoutWidthPx = InchesToPixels(kCutoutWidthInches, dpi);
    p.cutoutHeightPx = InchesToPixels(kCutoutHeightInches, dpi);
    SetBackCommon(p, doc);
    p.imagePath = doc.bImagePath;
    p.imagePlacement = doc.bImagePlacement;
    p.imageBlock = CoverFileFormat::BackBlock;
    p.text = doc.bCoverText;
    p.textAlign = LEFT;
    p.isTrackListing = false;  // the insert reads its text as a track listing anyway
    p.showTotalTime = doc.showTotalTime;
    p.textMarginLeft = kSlimlineTextLeft;
    p.textMarginTop = kSlimlineTextTop;
    return p;
}

PreviewParams Disc(const CoverDocument& doc, int dpi) {
    PreviewParams p;
    const CoverGeometry& g = doc.geometry;
    p.refWidth = InchesToPixels(g.discWidth, dpi);
    p.refHeight = InchesToPixels(g.discHeight, dpi);
    p.hubDiameterPx = InchesToPixels(g.hubDiameter, dpi);
    p.backgroundColor = doc.dBGColor;
    p.showBorder = doc.dShowBorder;
    p.printOverInnerCircleDisc = doc.printOverInnerCircleDisc;
    p.imagePath = doc.dImagePath;
    p.imagePlacement = doc.dImagePlacement;
    p.imageBlock = CoverFileFormat::DiscBlock;
    p.title = doc.dCoverTitle;
    p.text = doc.dCoverText;
    p.textAlign = CENTER;
    p.textColor = doc.dCoverTextColor;
    p.font = doc.dCoverTextFont;
    p.isTrackListing = false;
    return p;
}

}  // namespace

PreviewParams BuildPreviewParams(const CoverDocument& doc, SurfaceKind kind, int refDpi) {
    switch (kind) {
        case SurfaceKind::StandardFront:
            return StandardFront(doc, refDpi);
        case SurfaceKind::StandardBack:
            return StandardBack(doc, refDpi);
        case SurfaceKind::DvdWrap:
            return DvdWrap(doc, refDpi);
        case SurfaceKind::SlimlineInsert:
            return SlimlineInsert(doc, refDpi);
        case SurfaceKind::Disc:
            return Disc(doc, refDpi);
    }
    return PreviewParams();
}

}  // namespace casewright
