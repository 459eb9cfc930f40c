#include "app/batch/FieldValueEscapes.h"

namespace casewright {

QString EscapeFieldValue(const QString& value) {
    QString text;
    text.reserve(value.size());
    for (const QChar ch : value) {
        if (ch == QLatin1Char('\\')) {
            text += QStringLiteral("\\\\");
        } else if (ch == QLatin1Char('\r')) {
            text += QStringLiteral("\\r");
        } else if (ch == QLatin1Char('\n')) {
            text += QStringLiteral("\\n");
        } else {
            text += ch;
        }
    }
    return text;
}

std::optional<QString> UnescapeFieldValue(const QString& text) {
    QString value;
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\')) {
            value += text.at(i);
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text.at(i).unicode()) {
            case '\\':
                value += QLatin1Char('\\');
                break;
            case 'r':
                value += QLatin1Char('\r');
                break;
            case 'n':
                value += QLatin1Char('\n');
                break;
            default:
                return std::nullopt;
        }
    }
    return value;
}

}  // namespace casewright
