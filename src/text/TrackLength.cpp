#include "text/TrackLength.h"

#include <QRegularExpression>

namespace casewright {

namespace TrackLength {

QString FromSeconds(qint64 seconds) {
    if (seconds < 0) {
        return QString();
    }
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours == 0) {
        return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
    }
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(secondsText);
}

QString FromMilliseconds(qint64 milliseconds) {
    return milliseconds < 0 ? QString() : FromSeconds((milliseconds + 500) / 1000);
}

QString FromCdFrames(qint64 frames) {
    return frames < 0 ? QString()
                      : FromSeconds((frames + kCdFramesPerSecond / 2) / kCdFramesPerSecond);
}

std::optional<qint64> SecondsOf(const QString& text) {
    static const QRegularExpression kLength(
        QStringLiteral("^\\s*(?:(\\d{1,3}):([0-5]\\d)|(\\d{1,4})):([0-5]\\d)\\s*$"));
    if (!text.contains(QLatin1Char(':'))) {
        return std::nullopt;  // most cells, without running the expression
    }
    const QRegularExpressionMatch match = kLength.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const qint64 seconds = match.captured(4).toLongLong();
    if (match.hasCaptured(3)) {
        return match.captured(3).toLongLong() * 60 + seconds;
    }
    return match.captured(1).toLongLong() * 3600 + match.captured(2).toLongLong() * 60 + seconds;
}

std::optional<qint64> TotalSeconds(const QStringList& lengths, QString* unreadable) {
    std::optional<qint64> total;
    for (const QString& length : lengths) {
        if (length.trimmed().isEmpty()) {
            continue;
        }
        const std::optional<qint64> seconds = SecondsOf(length);
        if (!seconds) {
            if (unreadable) {
                *unreadable = length.trimmed();
            }
            return std::nullopt;
        }
        total = total.value_or(0) + *seconds;
    }
    return total;
}

QString Normalized(const QString& text) {
    const std::optional<qint64> seconds = SecondsOf(text);
    return seconds ? FromSeconds(*seconds) : text;
}

}  // namespace TrackLength

}  // namespace casewright
