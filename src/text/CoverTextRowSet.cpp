#include "text/CoverTextRowSet.h"

#include "document/CaseTypeTable.h"

namespace casewright {

namespace {

bool FrontAndDiscDiffer(const CoverTexts& a, const CoverTexts& b) {
    return a.frontTitle != b.frontTitle || a.frontText != b.frontText ||
           a.discTitle != b.discTitle || a.discText != b.discText;
}

bool DiscDiffers(const CoverTexts& a, const CoverTexts& b) {
    return a.discTitle != b.discTitle || a.discText != b.discText;
}

bool CoverDiffers(const CoverTexts& a, const CoverTexts& b) {
    return a.spineText != b.spineText || a.frontTitle != b.frontTitle ||
           a.frontText != b.frontText || a.backTitle != b.backTitle || a.backText != b.backText;
}

bool Differs(CoverTextRowSet rows, const CoverTexts& a, const CoverTexts& b) {
    switch (rows) {
        case CoverTextRowSet::CdFront:
        case CoverTextRowSet::CdDisc:
            return FrontAndDiscDiffer(a, b);
        case CoverTextRowSet::DvdDisc:
            return DiscDiffers(a, b);
        case CoverTextRowSet::DvdCover:
        default:
            return CoverDiffers(a, b);
    }
}

}  // namespace

bool UsesTrackListingEditor(int coverType, CoverSide view) {
    return TextEditorFor(CaseTypeInfoFor(coverType), view) == CaseTextEditor::TrackListing;
}

CoverTextRowSet RowSetFor(int coverType, CoverSide view) {
    if (IsDvdType(coverType)) {
        return view == CoverSide::Disc ? CoverTextRowSet::DvdDisc : CoverTextRowSet::DvdCover;
    }
    return view == CoverSide::Disc ? CoverTextRowSet::CdDisc : CoverTextRowSet::CdFront;
}

CoverTextRowsShown RowsShown(CoverTextRowSet rows) {
    CoverTextRowsShown shown;
    switch (rows) {
        case CoverTextRowSet::CdFront:
            shown.front = true;
            break;
        case CoverTextRowSet::CdDisc:
        case CoverTextRowSet::DvdDisc:
            shown.disc = true;
            break;
        case CoverTextRowSet::DvdCover:
            shown.spine = shown.back = shown.front = true;
            break;
    }
    return shown;
}

CoverTexts LoadCoverTexts(const CoverDocument& doc, CoverTextRowSet rows) {
    CoverTexts texts;
    if (rows != CoverTextRowSet::DvdCover) {
        texts.discTitle = doc.dCoverTitle;
        texts.discText = doc.dCoverText;
    }
    if (rows != CoverTextRowSet::DvdDisc) {
        texts.frontTitle = doc.fCoverTitle;
        texts.frontText = doc.fCoverText;
    }
    if (rows == CoverTextRowSet::DvdCover) {
        texts.spineText = doc.backCoverSpineText;
        texts.backTitle = doc.bCoverTitle;
        texts.backText = doc.bCoverText;
    }
    return texts;
}

bool StoreCoverTexts(CoverDocument& doc, CoverTextRowSet rows, const CoverTexts& edited,
                     const CoverTexts& original) {
    if (!Differs(rows, edited, original)) {
        return false;
    }
    if (rows != CoverTextRowSet::DvdCover) {
        doc.dCoverTitle = edited.discTitle;
        doc.dCoverText = edited.discText;
    }
    if (rows != CoverTextRowSet::DvdDisc) {
        doc.fCoverTitle = edited.frontTitle;
        doc.fCoverText = edited.frontText;
    }
    if (rows == CoverTextRowSet::DvdCover) {
        doc.backCoverSpineText = edited.spineText;
        doc.bCoverTitle = edited.backTitle;
        doc.bCoverText = edited.backText;
    }
    return true;
}

bool OkAlwaysMarksCoverChanged(CoverTextRowSet rows) {
    return rows != CoverTextRowSet::DvdCover;
}

}  // namespace casewright
