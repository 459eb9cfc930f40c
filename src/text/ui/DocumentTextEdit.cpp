#include "text/ui/DocumentTextEdit.h"

#include <QTextDocument>

namespace casewright {

DocumentTextEdit::DocumentTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void DocumentTextEdit::setDocumentText(const QString& text) {
    // CR LF, lone CR and lone LF all start a new line in the box.
    setPlainText(text);
    loadedText_ = text;
    loadedShownText_ = shownText();
}

QString DocumentTextEdit::documentText() const {
    const QString shown = shownText();
    if (shown == loadedShownText_) {
        return loadedText_;
    }
    QString text = shown;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString DocumentTextEdit::shownText() const {
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into ordinary ones.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace casewright
