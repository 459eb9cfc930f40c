#include "text/TrackTextImport.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>
#include <vector>

#include "text/ImportedTextFile.h"
#include "text/TrackLength.h"
#include "text/TrackNumbering.h"

namespace casewright {

namespace {

// A length as pages print it, optionally in brackets.
const QString kLengthPattern = QStringLiteral("[(\\[]?(\\d{1,3}(?::[0-5]\\d){1,2})[)\\]]?");

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

QString Simplified(QString text) {
    return text.remove(QLatin1Char('.')).remove(QLatin1Char(':')).simplified().toLower();
}

enum class Column { Number, Title, Length, Artist, Other };

std::optional<Column> HeadingColumn(const QString& heading) {
    static const QStringList kNumber = {"no",       "nr",       "#",       "pos",
                                        "position", "track no", "track #", "track number"};
    static const QStringList kTitle = {"title",       "song",       "name",
                                       "track title", "song title", "titel"};
    static const QStringList kLength = {"length", "time", "duration", "running time", "len"};
    static const QStringList kArtist = {"artist", "artists", "artist(s)", "performer"};
    static const QStringList kOther = {
        "writer(s)", "writers", "writer", "composer(s)",        "composer",
        "composers", "lyrics",  "music",  "producer(s)",        "producer",
        "producers", "credits", "notes",  "original artist(s)", "bpm",
        "key",       "album",   "plays",  "popularity"};
    const QString word = Simplified(heading);
    if (word == QLatin1String("track")) {
        return Column::Number;  // a title column, if any, decides below
    }
    if (kNumber.contains(word)) {
        return Column::Number;
    }
    if (kTitle.contains(word)) {
        return Column::Title;
    }
    if (kLength.contains(word)) {
        return Column::Length;
    }
    if (kArtist.contains(word)) {
        return Column::Artist;
    }
    if (kOther.contains(word)) {
        return Column::Other;
    }
    return std::nullopt;
}

// Which field holds what, from a tab-separated heading line.
struct ColumnMap {
    int number = -1;
    int title = -1;
    int length = -1;
    int artist = -1;
};

std::optional<ColumnMap> HeadingColumns(const QStringList& fields) {
    ColumnMap map;
    int track = -1;
    int named = 0;
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).isEmpty()) {
            continue;
        }
        const std::optional<Column> column = HeadingColumn(fields.at(i));
        if (!column) {
            return std::nullopt;
        }
        ++named;
        const bool isTrack = Simplified(fields.at(i)) == QLatin1String("track");
        int* slot = nullptr;
        switch (*column) {
            case Column::Number:
                slot = isTrack ? &track : &map.number;
                break;
            case Column::Title:
                slot = &map.title;
                break;
            case Column::Length:
                slot = &map.length;
                break;
            case Column::Artist:
                slot = &map.artist;
                break;
            case Column::Other:
                break;
        }
        if (slot && *slot < 0) {
            *slot = i;
        }
    }
    // "Track" numbers the rows beside a title column and names them without one.
    if (track >= 0 && map.title < 0) {
        map.title = track;
    } else if (track >= 0 && map.number < 0) {
        map.number = track;
    }
    if (named < 2 || map.title < 0) {
        return std::nullopt;
    }
    return map;
}

// "Tracklist", "Side one", "CD 2:" and the like, anywhere in the text.
bool IsSectionLine(const QString& line) {
    static const QRegularExpression kSection(
        QStringLiteral("^(?:track\\s*list(?:ing)?|tracks|songs|set\\s*list|"
                       "(?:side|disc|disk|cd)\\s*(?:one|two|three|four|[a-h]|\\d{1,2}))\\s*:?$"),
        QRegularExpression::CaseInsensitiveOption);
    return kSection.match(line.trimmed()).hasMatch();
}

// Column headings without tabs, such as "No. Title Length", on the first line.
bool IsHeadingLine(const QString& line) {
    const QStringList words = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2) {
        return false;
    }
    bool title = false;
    for (const QString& word : words) {
        const std::optional<Column> column = HeadingColumn(word);
        if (!column) {
            return false;
        }
        title = title || *column == Column::Title;
    }
    return title;
}

// "Total length: 47:23", "Total 47:23", "Running time:".
bool IsTotalLine(const QString& line) {
    static const QRegularExpression kTotal(
        QStringLiteral("^\\s*(?:total(?:\\s+(?:length|time|running\\s+time|playing\\s+time|"
                       "duration))?|running\\s+time)\\s*(:)?\\s*(?:") +
            kLengthPattern + QStringLiteral(")?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kTotal.match(line);
    return match.hasMatch() && (match.hasCaptured(1) || match.hasCaptured(2));
}

// Quotes around a whole title, as encyclopedias print song titles.
QString WithoutEnclosingQuotes(const QString& title) {
    static const QRegularExpression kQuoted(
        QStringLiteral("^[\"\\x{201C}\\x{201E}]([^\"\\x{201C}\\x{201D}\\x{201E}]+)[\"\\x{201D}]"
                       "(.*)$"));
    static const QString kOpeningQuotes = QStringLiteral("\"\u201C\u201E");
    if (title.isEmpty() || !kOpeningQuotes.contains(title.front())) {
        return title;  // the common case, without running the expression
    }
    const QRegularExpressionMatch match = kQuoted.match(title);
    if (!match.hasMatch()) {
        return title;
    }
    return (match.captured(1) + match.captured(2)).trimmed();
}

QString CleanTitle(const QString& text) {
    static const QRegularExpression kTrailingSeparators(
        QStringLiteral("[\\s\\-\\x{2013}\\x{2014}|:\\x{00B7}\\x{2022}]+$"));
    // Trimmed, a title can only end in a separator that is no space.
    static const QString kSeparators = QStringLiteral("-\u2013\u2014|:\u00B7\u2022");
    QString title = text.trimmed();
    if (!title.isEmpty() && kSeparators.contains(title.back())) {
        title.remove(kTrailingSeparators);
    }
    return WithoutEnclosingQuotes(title);
}

// One line split into the parts a web-style line may have.
struct LooseLine {
    std::optional<int> number;
    QString title;
    QString length;
};

// `bareNumber`: whether "1 Title" is track 1 rather than the title "1 Title".
LooseLine SplitLooseLine(const QString& line, bool bareNumber) {
    static const QRegularExpression kDotted(QStringLiteral("^#?\\s*(\\d{1,3})\\s*[.)]\\s*(.*)$"));
    static const QRegularExpression kDashed(
        QStringLiteral("^#?\\s*(\\d{1,3})\\s*[-\\x{2013}\\x{2014}]\\s*(\\D.*)$"));
    static const QRegularExpression kHashed(QStringLiteral("^#(\\d{1,3})\\s+(.*)$"));
    static const QRegularExpression kBare(QStringLiteral("^(\\d{1,3})\\s+(\\S.*)$"));
    static const QRegularExpression kTrailingLength(
        QStringLiteral("^(.*?)(?:\\s+|\\s*[-\\x{2013}\\x{2014}|\\x{00B7}\\x{2022}]\\s*|"
                       "\\s*(?=[(\\[]))") +
        kLengthPattern + QStringLiteral("\\s*$"));
    static const QRegularExpression kLengthOnly(QStringLiteral("^") + kLengthPattern +
                                                QStringLiteral("$"));
    LooseLine parts;
    QString rest = line.trimmed();
    // Each number pattern starts with "#" or a digit and each length holds a
    // colon; a line without them is not run through the expressions.
    const bool numberFirst =
        !rest.isEmpty() && (rest.front() == QLatin1Char('#') ||
                            (rest.front() >= QLatin1Char('0') && rest.front() <= QLatin1Char('9')));
    for (const QRegularExpression* numbered : {&kDotted, &kDashed, &kHashed, &kBare}) {
        if (!numberFirst || (numbered == &kBare && !bareNumber)) {
            break;
        }
        if (const QRegularExpressionMatch m = numbered->match(rest); m.hasMatch()) {
            parts.number = m.captured(1).toInt();
            rest = m.captured(2).trimmed();
            break;
        }
    }
    if (!rest.contains(QLatin1Char(':'))) {
        // No length.
    } else if (const QRegularExpressionMatch m = kLengthOnly.match(rest); m.hasMatch()) {
        parts.length = m.captured(1);
        rest.clear();
    } else if (const QRegularExpressionMatch t = kTrailingLength.match(rest); t.hasMatch()) {
        parts.length = t.captured(2);
        rest = t.captured(1);
    }
    parts.title = CleanTitle(rest);
    return parts;
}

// A bare leading number is a track number only when every loose line has one
// and they count up one by one.
bool BareNumbersAreTrackNumbers(const std::vector<std::optional<LooseLine>>& lines) {
    std::optional<int> previous;
    int numbered = 0;
    for (const std::optional<LooseLine>& loose : lines) {
        if (!loose || loose->title.isEmpty()) {
            continue;
        }
        const LooseLine& line = *loose;
        if (!line.number || (previous && *line.number != *previous + 1)) {
            return false;
        }
        previous = line.number;
        ++numbered;
    }
    return numbered >= 2;
}

QStringList TabFields(const QString& line) {
    QStringList fields = line.split(QLatin1Char('\t'));
    for (QString& field : fields) {
        field = field.trimmed();
    }
    return fields;
}

class TrackTextReader {
public:
    explicit TrackTextReader(QString sourceName) : sourceName_(std::move(sourceName)) {}

    TrackImportResult read(const QString& text) {
        const QStringList lines = ImportedTextLines(text);
        const int first = firstTextLine(lines);
        const int headings = headingRow(lines);
        const std::vector<bool> listed = listedLines(lines);
        const std::vector<std::optional<LooseLine>> loose = looseLines(lines, listed);
        bareNumbers_ = BareNumbersAreTrackNumbers(loose);
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines.at(i);
            const bool tabbed = line.contains(QLatin1Char('\t'));
            // Beside a table, lines without tabs are its caption and notes.
            if (!listed[static_cast<size_t>(i)] || i == headings ||
                (i == first && IsHeadingLine(line)) || (columns_ && !tabbed)) {
                continue;
            }
            const std::optional<LooseLine>& split = loose[static_cast<size_t>(i)];
            if (!tabbed) {
                // The split made to count bare numbers holds when they count.
                addLooseLine(bareNumbers_ && split ? *split : SplitLooseLine(line, bareNumbers_));
            } else if (!addTabbedLine(TabFields(line))) {
                return TrackImportResult::Failed(ImportMessageAtLine(
                    sourceName_, i + 1, QStringLiteral("more than three tab-separated fields")));
            }
        }
        ImportedAlbum album;
        album.rows = std::move(rows_);
        return TrackImportResult::Found(std::move(album));
    }

private:
    static int firstTextLine(const QStringList& lines) {
        for (int i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).trimmed().isEmpty()) {
                return i;
            }
        }
        return -1;
    }

    // The first line with tabs, when it holds column headings; -1 when it does not.
    int headingRow(const QStringList& lines) {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).contains(QLatin1Char('\t'))) {
                columns_ = HeadingColumns(TabFields(lines.at(i)));
                return columns_ ? i : -1;
            }
        }
        return -1;
    }

    // Lines that may hold a track: not empty, and no total or section line.
    static std::vector<bool> listedLines(const QStringList& lines) {
        std::vector<bool> listed;
        listed.reserve(static_cast<size_t>(lines.size()));
        for (const QString& line : lines) {
            listed.push_back(!line.trimmed().isEmpty() && !IsTotalLine(line) &&
                             !IsSectionLine(line));
        }
        return listed;
    }

    // Each listed line without tabs and headings, split as if bare numbers
    // were track numbers.
    static std::vector<std::optional<LooseLine>> looseLines(const QStringList& lines,
                                                            const std::vector<bool>& listed) {
        std::vector<std::optional<LooseLine>> loose(listed.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QString& line = lines.at(i);
            if (listed[static_cast<size_t>(i)] && !line.contains(QLatin1Char('\t')) &&
                !IsHeadingLine(line)) {
                loose[static_cast<size_t>(i)] = SplitLooseLine(line, true);
            }
        }
        return loose;
    }

    void addRow(const QString& typedNumber, const QString& title, const QString& length) {
        rows_.push_back(
            TrackRow{numbers_.take(typedNumber), title, TrackLength::Normalized(length)});
    }

    void addLooseLine(const LooseLine& line) {
        if (line.title.isEmpty() && line.length.isEmpty()) {
            pendingNumber_ = line.number;  // "1." on a line of its own
            return;
        }
        if (line.title.isEmpty() && !line.number && !rows_.empty() &&
            rows_.back().length.isEmpty()) {
            rows_.back().length = TrackLength::Normalized(line.length);
            return;
        }
        const std::optional<int> number = line.number ? line.number : pendingNumber_;
        pendingNumber_.reset();
        addRow(number ? TrackNumbering::NumberText(*number) : QString(), line.title, line.length);
    }

    // False when the line has more fields than it can be read by.
    bool addTabbedLine(QStringList fields) {
        if (columns_) {
            const ColumnMap& c = *columns_;
            addRow(fields.value(c.number),
                   TitleWithArtist(WithoutEnclosingQuotes(fields.value(c.title)),
                                   fields.value(c.artist), QString()),
                   fields.value(c.length));
            return true;
        }
        while (fields.size() > TrackRow::kCellCount && fields.last().isEmpty()) {
            fields.removeLast();
        }
        if (fields.size() > TrackRow::kCellCount) {
            fields.removeAll(QString());
        }
        if (fields.size() > TrackRow::kCellCount) {
            return false;
        }
        if (fields.size() == 1) {
            addRow(QString(), fields.at(0), QString());
        } else if (fields.size() == 2 && TrackLength::SecondsOf(fields.at(1))) {
            addRow(QString(), fields.at(0), fields.at(1));
        } else {
            addRow(fields.at(0), fields.at(1), fields.value(2));
        }
        return true;
    }

    QString sourceName_;
    std::optional<ColumnMap> columns_;
    bool bareNumbers_ = false;
    std::optional<int> pendingNumber_;
    NumberSequence numbers_;
    std::vector<TrackRow> rows_;
};

}  // namespace

TrackImportResult ImportTrackText(const QString& text, const QString& sourceName) {
    return TrackTextReader(sourceName).read(text);
}

TrackImportResult ImportTrackTextFile(const QString& path) {
    QString error;
    const std::optional<QString> text = ReadImportedTextFile(path, &error);
    if (!text) {
        return TrackImportResult::Failed(error);
    }
    return ImportTrackText(*text, path);
}

}  // namespace casewright
