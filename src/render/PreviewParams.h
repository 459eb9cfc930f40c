#pragma once

#include <QString>
#include <cstdint>

#include "document/ColorRef.h"
#include "document/ImagePlacement.h"
#include "document/LogFont.h"

namespace casewright {

// What a surface painter draws from: written by the designer's preview
// refresh (screen sizes, scales to the widget) and by the print job (printer
// sizes, scales 1.0). Sizes are pixels at the reference resolution.
struct PreviewParams {
    int32_t refWidth = 0;
    int32_t refHeight = 0;
    // The surface's physical height; 0 when unknown, and refHeight is then
    // taken at the drawing device's resolution.
    double heightInches = 0;
    double xScale = 1.0;
    double yScale = 1.0;
    int32_t spineWidthPx = 0;
    int32_t spineOffsetPx = 0;  // slimline insert: spine strip from the left edge
    int32_t cutoutWidthPx = 0;  // slimline insert: corner strips
    int32_t cutoutHeightPx = 0;
    int32_t hubDiameterPx = 0;  // disc
    // The resolution the font heights are pixels at: LogFont::kHeightDpi, or
    // what a file made at another resolution asks for.
    int32_t fontRefDpi = LogFont::kHeightDpi;

    ColorRef backgroundColor = kWhite;
    ColorRef textColor = kBlack;
    LogFont font;

    bool showBorder = true;
    bool spinesOn = true;
    bool printOverSpines = true;
    bool printOverInnerCircleDisc = true;

    QString imagePath;         // the surface's image; DVD wrap: unused
    QString frontImagePath;    // DVD wrap, image mode 1
    QString backImagePath;     // DVD wrap, image mode 1
    QString stretchImagePath;  // DVD wrap, image mode 0
    int32_t imageMode = 0;     // DVD wrap: the design's CoverOption
    // How each picture lies in its rectangle, and which of the design's
    // pictures (image block) imagePath is.
    ImagePlacement imagePlacement;
    ImagePlacement frontImagePlacement;
    ImagePlacement backImagePlacement;
    ImagePlacement stretchImagePlacement;
    int32_t imageBlock = 0;

    QString title;
    QString text;
    QString frontTitle;  // DVD wrap: the front half's title and text
    QString frontText;
    QString spineText;
    int32_t textAlign = 0;
    bool isTrackListing = false;
    bool showTotalTime = false;  // a track listing's total time row

    // Text margins in inches, fixed per surface.
    double textMarginLeft = 0;
    double textMarginTop = 0;
    double frontTextLeft = 0;
    double frontTextTop = 0;
    bool narrowSpineText = false;
};

}  // namespace casewright
