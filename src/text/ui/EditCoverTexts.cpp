#include "text/ui/EditCoverTexts.h"

#include "text/CoverTextRowSet.h"
#include "text/ui/CCoverTextDlg.h"
#include "text/ui/CTrackListingDlg.h"

namespace casewright {

namespace {

bool EditTrackListing(QWidget* parent, CoverDocument& doc) {
    CTrackListingDlg dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    doc.coverChanged = true;
    const bool stored = dialog.applyTo(doc);
    return stored || doc.covertype == CoverTypeSlimlineCD;
}

bool EditFreeTexts(QWidget* parent, CoverDocument& doc, CoverSide view) {
    CCoverTextDlg dialog(doc, view, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const bool stored = dialog.applyTo(doc);
    if (stored || dialog.okAlwaysMarksCoverChanged()) {
        doc.coverChanged = true;
    }
    return stored;
}

}  // namespace

bool EditCoverTexts(QWidget* parent, CoverDocument& doc, CoverSide view) {
    if (UsesTrackListingEditor(doc.covertype, view)) {
        return EditTrackListing(parent, doc);
    }
    return EditFreeTexts(parent, doc, view);
}

}  // namespace casewright
