#pragma once

#include <QString>

#include "document/ColorRef.h"
#include "document/CoverTypes.h"
#include "document/ImagePlacement.h"
#include "document/LogFont.h"
#include "print/CoverGeometry.h"

namespace casewright {

// One surface's fields, seen through references into the document, so that
// operations on "the current surface" need not repeat themselves per side.
template <typename Str, typename Color, typename Bool, typename Align, typename Font, typename Int>
struct SurfaceFieldsT {
    Color& bgColor;
    Bool& showBorder;
    Str& imagePath;
    Str& title;
    Str& text;
    Align& align;
    Color& textColor;
    Font& font;
    Str& fontName;
    Int& pointSize;
};
using SurfaceFields = SurfaceFieldsT<QString, ColorRef, bool, int32_t, LogFont, int32_t>;
using ConstSurfaceFields = SurfaceFieldsT<const QString, const ColorRef, const bool, const int32_t,
                                          const LogFont, const int32_t>;

// The one design being edited. Fields are named after their cover file keys:
// f front cover, b back cover (or the whole wrap), d disc, s the image
// stretched over a whole DVD cover.
class CoverDocument {
public:
    static constexpr int kFrontBackPoints = 18;
    static constexpr int kDvdFrontBackPoints = 14;
    static constexpr int kDiscPoints = 12;

    // A new design of the given case type: every stored field to its initial
    // value, fonts "Arial" at their default heights, as pixels at `fontDpi`
    // (-24, -19 and -16 at LogFont::kHeightDpi, whatever the screen).
    // sImagePath and its placement, the point sizes and the geometry are left
    // as they are.
    void ResetToNewDesign(int newCoverType, int fontDpi = LogFont::kHeightDpi);

    // The default character height in pixels at `fontDpi` (negative) for a
    // point size.
    static int32_t DefaultFontHeight(int points, int fontDpi = LogFont::kHeightDpi);

    // The same design: every field but coverChanged, which says how the
    // design relates to its file, not what it is.
    bool operator==(const CoverDocument& other) const;
    bool operator!=(const CoverDocument& other) const { return !(*this == other); }

    SurfaceFields surface(CoverSide side);
    ConstSurfaceFields surface(CoverSide side) const;

    int32_t covertype = CoverTypeStandardCD;
    int32_t CoverOption = 0;
    QString sImagePath;
    QString fImagePath;
    QString bImagePath;
    QString dImagePath;
    ColorRef fBGColor = kWhite;
    ColorRef bBGColor = kWhite;
    ColorRef dBGColor = kWhite;
    bool fShowBorder = true;
    bool bShowBorder = true;
    bool dShowBorder = true;
    QString fCoverTitle;
    QString bCoverTitle;
    QString dCoverTitle;
    QString fCoverText;
    QString bCoverText;
    QString dCoverText;
    int32_t fCoverAlign = LEFT;
    int32_t bCoverAlign = LEFT;
    int32_t dCoverAlign = CENTER;
    ColorRef fCoverTextColor = kBlack;
    ColorRef bCoverTextColor = kBlack;
    ColorRef dCoverTextColor = kBlack;
    LogFont fCoverTextFont;
    LogFont bCoverTextFont;
    LogFont dCoverTextFont;
    QString fCoverTextFontName;
    QString bCoverTextFontName;
    QString dCoverTextFontName;
    QString frontCoverSpineText;
    QString backCoverSpineText;
    bool frontCoverSpinesOn = false;
    bool backCoverSpinesOn = true;
    bool bFrontPrintOverSpines = true;
    bool bBackPrintOverSpines = true;
    bool printOverInnerCircleDisc = true;
    // A total time row under the back cover's track listing.
    bool showTotalTime = false;

    // How each picture lies in its rectangle, by image block (front, back,
    // whole DVD cover, disc); kept beside the pictures' paths.
    ImagePlacement fImagePlacement;
    ImagePlacement bImagePlacement;
    ImagePlacement sImagePlacement;
    ImagePlacement dImagePlacement;
    ImagePlacement& imagePlacement(int block);
    const ImagePlacement& imagePlacement(int block) const;

    // Tenths of a point last chosen in the font dialog; survive new designs.
    int32_t fCoverTextPointSize = 0;
    int32_t bCoverTextPointSize = 0;
    int32_t dCoverTextPointSize = 0;

    // Unsaved edits since the design was created, loaded or saved.
    bool coverChanged = false;

    // Sizes of the current case type, set when the designer window opens.
    CoverGeometry geometry;
};

}  // namespace casewright
