#include "text/TabbedTrackImport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include "document/Cp1252Codec.h"
#include "text/TrackListing.h"
#include "text/TrackListingCodec.h"
#include "text/TrackNumbering.h"

namespace casewright {

namespace {

// Numbers lines that have none: one more than the line before, which is the
// typed number when that one was numeric.
class NumberSequence {
public:
    QString take(const QString& typed) {
        if (typed.isEmpty()) {
            return TrackNumbering::NumberText(next_++);
        }
        const std::optional<int> value = TrackNumbering::NumericValue(typed);
        next_ = value && *value > 0 ? *value + 1 : next_ + 1;
        return typed;
    }

private:
    int next_ = 1;
};

TrackRow RowFromFields(const QStringList& fields, NumberSequence& numbers) {
    TrackRow row;
    if (fields.size() == 1) {
        row.title = fields.at(0);
    } else {
        row.title = fields.at(1);
        row.length = fields.value(2);
    }
    row.number = numbers.take(fields.size() == 1 ? QString() : fields.at(0));
    return row;
}

QString DecodeTextFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp1252Codec::decode(bytes) : text;
}

}  // namespace

std::optional<QString> TrackListingFromTabbedText(const QString& text, QString* error) {
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(kLineBreak);
    std::vector<TrackRow> rows;
    NumberSequence numbers;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty()) {
            continue;
        }
        QStringList fields = lines.at(i).split(QLatin1Char('\t'));
        for (QString& field : fields) {
            field = field.trimmed();
        }
        while (fields.size() > TrackRow::kCellCount && fields.last().isEmpty()) {
            fields.removeLast();
        }
        if (fields.size() > TrackRow::kCellCount) {
            if (error) {
                *error =
                    QStringLiteral("line %1 has more than three tab-separated fields").arg(i + 1);
            }
            return std::nullopt;
        }
        rows.push_back(RowFromFields(fields, numbers));
    }
    if (rows.empty()) {
        return QString();
    }
    return TrackListingCodec::Encode(TrackListing(std::move(rows)));
}

std::optional<QString> TrackListingFromTabbedFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        }
        return std::nullopt;
    }
    QString lineError;
    const std::optional<QString> listing =
        TrackListingFromTabbedText(DecodeTextFile(file.readAll()), &lineError);
    if (!listing && error) {
        *error = QStringLiteral("\"%1\": %2").arg(path, lineError);
    }
    return listing;
}

}  // namespace casewright
