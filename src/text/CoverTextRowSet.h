#pragma once

#include "document/CoverDocument.h"
#include "text/CoverTexts.h"

namespace casewright {

// Which texts the Cover Text dialog offers, decided by the case type and the
// view the designer shows, and how its results go back into the document.
enum class CoverTextRowSet {
    CdFront,   // CD-style cases, front view: front title and text
    CdDisc,    // CD-style cases, disc view: disc title and text
    DvdDisc,   // DVD cases, disc view: disc title and text
    DvdCover,  // DVD cases, cover view: spine, front and back titles and texts
};

// The four row switches of the dialog. The spine row only ever shows together
// with the back rows.
struct CoverTextRowsShown {
    bool spine = false;
    bool back = false;
    bool front = false;
    bool disc = false;
};

// True where the designer's text button opens the track listing editor
// rather than the Cover Text dialog: the back view of the standard CD, other
// and slimline CD cases.
bool UsesTrackListingEditor(int coverType, CoverSide view);

// The row set for a case type and view. DVD cases have no front view of their
// own: both their front and back sides mean the cover view. The back view of
// the CD-style cases belongs to the track listing editor; asked for it anyway,
// this gives the front rows.
CoverTextRowSet RowSetFor(int coverType, CoverSide view);

CoverTextRowsShown RowsShown(CoverTextRowSet rows);

// The texts a row set edits, taken from the document; the others stay empty.
// The CD sets carry front and disc texts together.
CoverTexts LoadCoverTexts(const CoverDocument& doc, CoverTextRowSet rows);

// When any text of the row set differs from `original` (exact comparison),
// writes every text of the set into the document and returns true; otherwise
// leaves the document alone. Does not touch `coverChanged`.
bool StoreCoverTexts(CoverDocument& doc, CoverTextRowSet rows, const CoverTexts& edited,
                     const CoverTexts& original);

// Whether an OK marks the design as changed even when no text differs: so for
// the CD-style cases and the DVD disc, but not for the DVD cover.
bool OkAlwaysMarksCoverChanged(CoverTextRowSet rows);

}  // namespace casewright
