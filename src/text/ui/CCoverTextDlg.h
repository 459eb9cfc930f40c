#pragma once

#include <QDialog>

#include "document/CoverDocument.h"
#include "text/CoverTextRowSet.h"
#include "text/CoverTexts.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace casewright {

class DocumentTextEdit;

// The "Cover Text" dialog: titles and body texts of the front cover, the back
// cover and the disc, and the spine of a DVD cover. Which rows show depends on
// the case type and the designer's view (CoverTextRowSet).
//
// What the caller does (see also EditCoverTexts, which does all of it):
//   CCoverTextDlg dialog(doc, view, parent);
//   if (dialog.exec() == QDialog::Accepted) {
//       const bool stored = dialog.applyTo(doc);   // the whole row set, if any text changed
//       if (stored || dialog.okAlwaysMarksCoverChanged())
//           doc.coverChanged = true;              // CD cases and DVD disc: on every OK
//       if (stored)
//           refresh the preview;
//   }
// Cancel (or Escape, or the close box) changes nothing. Enter never closes the
// dialog: it starts a new line in the text boxes and does nothing in the
// single-line boxes. Multi-line texts come back with CR LF line breaks.
class CCoverTextDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids of the dialog template, kept for reference in tests and help.
    enum ControlId {
        IdCancel = 2,
        IdSpineEdit = 1018,
        IdFrontTitleEdit = 1019,
        IdBackTitleEdit = 1020,
        IdFrontTextEdit = 1021,
        IdDiscTitleEdit = 1022,
        IdBackTextEdit = 1023,
        IdDiscTextEdit = 1024,
        IdSpineLabel = 1037,
        IdFrontTitleLabel = 1038,
        IdBackTitleLabel = 1039,
        IdFrontTextLabel = 1040,
        IdBackTextLabel = 1041,
        IdOk = 1042,
        IdDiscTitleLabel = 1043,
        IdDiscTextLabel = 1044,
    };

    // Edits the texts of `view` for the document's case type; the document
    // itself is not touched until applyTo().
    CCoverTextDlg(const CoverDocument& doc, CoverSide view, QWidget* parent = nullptr);
    // Edits `texts` with the rows of `rows`; the copies to compare against on
    // OK are `texts` as given.
    CCoverTextDlg(CoverTextRowSet rows, const CoverTexts& texts, QWidget* parent = nullptr);

    CoverTextRowSet rowSet() const { return rows_; }
    // The seven boxes as OK left them (hidden boxes included); before OK, the
    // texts the dialog opened with.
    const CoverTexts& texts() const { return texts_; }
    const CoverTexts& originalTexts() const { return original_; }

    // After OK: when any text of the row set changed, writes every text of the
    // set into the document and returns true; otherwise, and after Cancel,
    // does nothing. Does not touch coverChanged.
    bool applyTo(CoverDocument& doc) const;
    // Whether the caller sets coverChanged after OK even when nothing changed.
    bool okAlwaysMarksCoverChanged() const { return OkAlwaysMarksCoverChanged(rows_); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* addLabel(const QString& text, const char* name, int x, int y);
    QLineEdit* addLineEdit(const char* name, int x, int y);
    DocumentTextEdit* addTextEdit(const char* name, int x, int y);
    void buildControls();
    void showRows();
    void moveRowsUp();
    void fillBoxes();
    void takeTextsAndAccept();

    const CoverTextRowSet rows_;
    const CoverTexts original_;
    CoverTexts texts_;

    QLabel* spineLabel_ = nullptr;
    QLabel* frontTitleLabel_ = nullptr;
    QLabel* frontTextLabel_ = nullptr;
    QLabel* backTitleLabel_ = nullptr;
    QLabel* backTextLabel_ = nullptr;
    QLabel* discTitleLabel_ = nullptr;
    QLabel* discTextLabel_ = nullptr;
    QLineEdit* spineEdit_ = nullptr;
    QLineEdit* frontTitleEdit_ = nullptr;
    QLineEdit* backTitleEdit_ = nullptr;
    QLineEdit* discTitleEdit_ = nullptr;
    DocumentTextEdit* frontTextEdit_ = nullptr;
    DocumentTextEdit* backTextEdit_ = nullptr;
    DocumentTextEdit* discTextEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace casewright
