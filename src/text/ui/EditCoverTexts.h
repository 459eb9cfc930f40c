#pragma once

#include "document/CoverDocument.h"

class QWidget;

namespace casewright {

// The designer's text button: opens the track listing editor in the back view
// of the standard CD, other and slimline CD cases and the Cover Text dialog
// everywhere else, runs it modally, and on OK puts its texts back into `doc`
// and sets `doc.coverChanged` by the rules of that dialog:
//   - track listing editor: coverChanged on every OK;
//   - Cover Text dialog, CD cases and the DVD disc view: on every OK;
//   - Cover Text dialog, DVD cover view: only when a text changed.
// The track listing editor also hands back the front title when the user
// took an imported album's title for it (stored in fCoverTitle).
// Cancel changes nothing.
//
// Returns true when the caller must refresh the preview: a text was written
// back (the front title included), or the slimline CD track listing editor
// ended with OK (its insert is refreshed after every OK).
bool EditCoverTexts(QWidget* parent, CoverDocument& doc, CoverSide view);

}  // namespace casewright
