#include "document/CoverFileTagEscape.h"

#include <QSet>

#include "document/CoverFileFormat.h"

namespace casewright {

namespace CoverFileTagEscape {

namespace {

// Every tag without its "[", for the look-up after each "[" of a value.
const QSet<QString>& TagRests() {
    static const QSet<QString> rests = [] {
        QSet<QString> all;
        for (const QString& tag : CoverFileFormat::AllTags()) {
            all.insert(tag.mid(1));
        }
        return all;
    }();
    return rests;
}

qsizetype LongestTagRest() {
    static const qsizetype longest = [] {
        qsizetype most = 0;
        for (const QString& rest : TagRests()) {
            most = std::max(most, rest.size());
        }
        return most;
    }();
    return longest;
}

// True when the "[" at `at` starts a tag or is followed by a word joiner.
bool NeedsBreakAfter(const QString& value, qsizetype at) {
    const qsizetype next = at + 1;
    if (next >= value.size()) {
        return false;
    }
    if (value.at(next) == QChar(kBreak)) {
        return true;
    }
    const qsizetype close = value.indexOf(QLatin1Char(']'), next);
    if (close < 0 || close - next + 1 > LongestTagRest()) {
        return false;
    }
    return TagRests().contains(value.mid(next, close - next + 1));
}

}  // namespace

QString protect(const QString& value) {
    if (!value.contains(QLatin1Char('['))) {
        return value;
    }
    QString stored;
    stored.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        stored += value.at(i);
        if (value.at(i) == QLatin1Char('[') && NeedsBreakAfter(value, i)) {
            stored += QChar(kBreak);
        }
    }
    return stored;
}

QString restore(const QString& stored) {
    static const QString broken = QStringLiteral("[") + QChar(kBreak);
    if (!stored.contains(broken)) {
        return stored;
    }
    QString value;
    value.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        value += stored.at(i);
        if (stored.at(i) == QLatin1Char('[') && i + 1 < stored.size() &&
            stored.at(i + 1) == QChar(kBreak)) {
            ++i;
        }
    }
    return value;
}

}  // namespace CoverFileTagEscape

}  // namespace casewright
