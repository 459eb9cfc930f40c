#include "text/ImportedTextFile.h"

#include <QFile>
#include <QStringDecoder>

#include "document/Cp1252Codec.h"
#include "text/ImportedAlbum.h"

namespace casewright {

namespace {

// Track lists are small; a file far larger than any listing is not one.
constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

}  // namespace

QString DecodeImportedText(const QByteArray& bytes) {
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp1252Codec::decode(bytes) : text;
}

QStringList ImportedTextLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
            continue;
        }
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            ++i;
        }
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

std::optional<QString> ReadImportedTextFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxTextFileBytes) {
        *error = ImportMessage(path, QStringLiteral("too large for a track list"));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const QString text = DecodeImportedText(bytes);
    if (text.contains(QChar(0))) {
        *error = ImportMessage(path, QStringLiteral("not a text file"));
        return std::nullopt;
    }
    return text;
}

}  // namespace casewright
