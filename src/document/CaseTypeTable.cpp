#include "document/CaseTypeTable.h"

#include "document/CoverDocument.h"

namespace casewright {

namespace {

constexpr int kCd = CoverDocument::kFrontBackPoints;
constexpr int kDvd = CoverDocument::kDvdFrontBackPoints;

// A slimline DVD keeps the CD title size: only the standard DVD wrap starts
// smaller.
constexpr CaseTypeInfo kCaseTypes[] = {
    {CoverTypeStandardCD, "Standard CD", SurfaceKind::StandardFront, SurfaceKind::StandardBack,
     LayoutStandardCD, false, false, CaseTextEditor::TrackListing, "cdFormatCover", "cdFormatDisc",
     "Back && Front CD Covers", "Covers:", kCd},
    {CoverTypeStandardDVD, "Standard DVD", std::nullopt, SurfaceKind::DvdWrap, LayoutStandardDVD,
     true, false, CaseTextEditor::CoverText, "dvdFormatCover", "dvdFormatDisc",
     "DVD Cover:", "Cover:", kDvd},
    {CoverTypeOther, "Other", SurfaceKind::StandardFront, SurfaceKind::StandardBack,
     LayoutStandardCD, false, false, CaseTextEditor::TrackListing, "cdFormatCover", "cdFormatDisc",
     "Back && Front CD Covers", "Covers:", kCd},
    {CoverTypeSlimlineCD, "Slimline CD", std::nullopt, SurfaceKind::SlimlineInsert,
     LayoutSlimlineCD, false, false, CaseTextEditor::TrackListing, "cdSlimFormatCover",
     "cdSlimFormatDisc", "CD Cover:", "Cover:", kCd},
    {CoverTypeSlimlineDVD, "Slimline DVD", std::nullopt, SurfaceKind::DvdWrap, LayoutSlimlineDVD,
     true, true, CaseTextEditor::CoverText, "dvdSlimFormatCover", "dvdSlimFormatDisc",
     "DVD Cover:", "Cover:", kCd},
};

}  // namespace

const CaseTypeInfo* FindCaseType(int coverType) {
    for (const CaseTypeInfo& info : kCaseTypes) {
        if (info.type == coverType) {
            return &info;
        }
    }
    return nullptr;
}

const CaseTypeInfo& CaseTypeInfoFor(int coverType) {
    return *FindCaseType(DisplayCoverType(coverType));
}

std::optional<SurfaceKind> SurfaceOf(const CaseTypeInfo& info, CoverSide view) {
    switch (view) {
        case CoverSide::Front:
            return info.frontSurface;
        case CoverSide::Back:
            return info.backSurface;
        case CoverSide::Disc:
        default:
            return SurfaceKind::Disc;
    }
}

CaseTextEditor TextEditorFor(const CaseTypeInfo& info, CoverSide view) {
    return view == CoverSide::Back ? info.backEditor : CaseTextEditor::CoverText;
}

const CaseTypeInfo* CaseTypesBegin() {
    return std::begin(kCaseTypes);
}

const CaseTypeInfo* CaseTypesEnd() {
    return std::end(kCaseTypes);
}

}  // namespace casewright
