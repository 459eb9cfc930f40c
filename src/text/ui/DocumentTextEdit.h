#pragma once

#include <QPlainTextEdit>

namespace casewright {

// A multi-line text box for a document text whose line breaks are stored as
// carriage return and line feed pairs. Enter starts a new line; Tab moves on
// to the next control, as in the other boxes of a dialog.
class DocumentTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DocumentTextEdit(QWidget* parent = nullptr);

    void setDocumentText(const QString& text);
    // The text with CR LF line breaks. A box the user left as it was gives
    // back exactly the text it was given, whatever its line breaks were.
    QString documentText() const;

private:
    QString shownText() const;

    QString loadedText_;
    QString loadedShownText_;
};

}  // namespace casewright
