#include "text/CueSheet.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStringList>
#include <memory>

#include "text/ImportedAlbum.h"
#include "text/ImportedTextFile.h"

extern "C" {
#include <libcue.h>
}

namespace casewright {

namespace {

struct CueToken {
    QString text;
    bool quoted = false;
};

// Splits a command's arguments at blanks; "quoted text" is one token.
std::optional<std::vector<CueToken>> Tokens(const QString& args) {
    std::vector<CueToken> tokens;
    qsizetype i = 0;
    while (i < args.size()) {
        if (args.at(i).isSpace()) {
            ++i;
        } else if (args.at(i) == QLatin1Char('"')) {
            const qsizetype close = args.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) {
                return std::nullopt;
            }
            tokens.push_back({args.mid(i + 1, close - i - 1), true});
            i = close + 1;
        } else {
            const qsizetype start = i;
            while (i < args.size() && !args.at(i).isSpace()) {
                ++i;
            }
            tokens.push_back({args.mid(start, i - start), false});
        }
    }
    return tokens;
}

std::optional<qint64> CueTime(const QString& text) {
    static const QRegularExpression kTime(QStringLiteral("^(\\d{1,4}):(\\d{1,2}):(\\d{1,2})$"));
    const QRegularExpressionMatch match = kTime.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const qint64 seconds = match.captured(2).toLongLong();
    const qint64 frames = match.captured(3).toLongLong();
    if (seconds >= 60 || frames >= 75) {
        return std::nullopt;
    }
    return (match.captured(1).toLongLong() * 60 + seconds) * 75 + frames;
}

QString TimeText(qint64 frames) {
    return QStringLiteral("%1:%2:%3")
        .arg(frames / 75 / 60, 2, 10, QLatin1Char('0'))
        .arg(frames / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % 75, 2, 10, QLatin1Char('0'));
}

// A value for libcue's scanner, which ends a quoted string at any quote and
// fails on a line break or a NUL inside one. Control characters become
// blanks: no title means them, and libcue leaks the sheet it fails on.
QString Quoted(QString value) {
    for (QChar& c : value) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        }
    }
    return QLatin1Char('"') + value.replace(QLatin1Char('"'), QLatin1Char('\'')) + QLatin1Char('"');
}

const QStringList& TrackModes() {
    static const QStringList modes = {"AUDIO",      "CDG",        "MODE1/2048", "MODE1/2352",
                                      "MODE2/2048", "MODE2/2324", "MODE2/2332", "MODE2/2336",
                                      "MODE2/2342", "MODE2/2352", "CDI/2336",   "CDI/2352"};
    return modes;
}

// The mode as libcue spells it; karaoke (CD+G) tracks are audio.
QString LibcueMode(const QString& mode) {
    if (mode == QLatin1String("CDG")) {
        return QStringLiteral("AUDIO");
    }
    if (mode.startsWith(QLatin1String("CDI/")) || mode == QLatin1String("MODE2/2324")) {
        return QStringLiteral("MODE2/2352");
    }
    return mode;
}

// What the line-by-line check learns beyond what libcue reports.
struct CheckedSheet {
    QString libcueText;  // every line libcue needs, in the form it reads reliably
    CueSheet sheet;      // files, and per track its number, file, gaps and line
};

// Checks a cue sheet line by line and writes the form libcue is given. libcue
// itself skips lines it cannot parse (without saying where), takes only the
// first word of an unquoted title, accepts impossible times, and files the
// tracks after one whose pregap ends the previous file under that previous
// file; the check keeps all of that from reaching the listing.
class CueSheetChecker {
public:
    CueSheetChecker(QString sourceName, QString* error)
        : sourceName_(std::move(sourceName)), error_(error) {}

    std::optional<CheckedSheet> check(const QStringList& lines) {
        for (int i = 0; i < lines.size(); ++i) {
            line_ = i + 1;
            if (!checkLine(lines.at(i).trimmed())) {
                return std::nullopt;
            }
        }
        if (result_.sheet.tracks.empty()) {
            *error_ = ImportMessage(sourceName_, QStringLiteral("no TRACK in the cue sheet"));
            return std::nullopt;
        }
        if (!closeTrack()) {
            return std::nullopt;
        }
        return std::move(result_);
    }

private:
    bool fail(const QString& what) {
        *error_ = ImportMessageAtLine(sourceName_, line_, what);
        return false;
    }

    void write(const QString& line) { result_.libcueText += line + QLatin1Char('\n'); }

    CueSheet::Track* openTrack() {
        return result_.sheet.tracks.empty() ? nullptr : &result_.sheet.tracks.back();
    }

    bool checkLine(const QString& line) {
        if (line.isEmpty()) {
            return true;
        }
        static const QRegularExpression kBlank(QStringLiteral("\\s"));
        const qsizetype blank = line.indexOf(kBlank);
        const QString keyword = line.left(blank < 0 ? line.size() : blank).toUpper();
        const QString args = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
        if (keyword == QLatin1String("REM")) {
            return true;
        }
        const std::optional<std::vector<CueToken>> tokens = Tokens(args);
        if (!tokens) {
            return fail(QStringLiteral("a quote is not closed"));
        }
        if (keyword == QLatin1String("FILE")) {
            return checkFile(args, *tokens);
        }
        if (keyword == QLatin1String("TRACK")) {
            return checkTrack(*tokens);
        }
        if (keyword == QLatin1String("INDEX")) {
            return checkIndex(*tokens);
        }
        if (keyword == QLatin1String("PREGAP") || keyword == QLatin1String("POSTGAP")) {
            return checkGap(keyword, *tokens);
        }
        if (keyword == QLatin1String("TITLE") || keyword == QLatin1String("PERFORMER") ||
            keyword == QLatin1String("SONGWRITER")) {
            return checkText(keyword, args, *tokens);
        }
        static const QStringList kDiscOnly = {"CATALOG", "CDTEXTFILE"};
        static const QStringList kTrackOnly = {"FLAGS", "ISRC"};
        static const QStringList kTextOnly = {"COMPOSER",  "ARRANGER",  "MESSAGE",
                                              "GENRE",     "DISC_ID",   "UPC_EAN",
                                              "TOC_INFO1", "TOC_INFO2", "SIZE_INFO"};
        if (kDiscOnly.contains(keyword) && openTrack()) {
            return fail(QStringLiteral("%1 belongs before the first TRACK").arg(keyword));
        }
        if (kTrackOnly.contains(keyword) && !openTrack()) {
            return fail(QStringLiteral("%1 outside a TRACK").arg(keyword));
        }
        if (kDiscOnly.contains(keyword) || kTrackOnly.contains(keyword) ||
            kTextOnly.contains(keyword)) {
            return true;
        }
        return fail(QStringLiteral("unknown command \"%1\"").arg(line.left(40)));
    }

    bool checkFile(const QString& args, const std::vector<CueToken>& tokens) {
        static const QStringList kTypes = {"BINARY", "MOTOROLA", "AIFF", "WAVE", "MP3", "FLAC"};
        if (tokens.empty()) {
            return fail(QStringLiteral("FILE needs a file name"));
        }
        QString name = tokens.front().text;
        QString type = tokens.size() > 1 ? tokens.back().text.toUpper() : QString();
        if (!tokens.front().quoted && tokens.size() > 1) {
            // An unquoted name with blanks: all but a last word naming the type.
            const bool typed = kTypes.contains(type) || type == QLatin1String("WAV") ||
                               type == QLatin1String("OGG") || type == QLatin1String("OPUS");
            name = typed ? args.left(args.size() - tokens.back().text.size()).trimmed() : args;
            type = typed ? type : QString();
        } else if (tokens.size() > 2) {
            return fail(QStringLiteral("unexpected text after the FILE's type"));
        }
        const bool binary = type == QLatin1String("BINARY") || type == QLatin1String("MOTOROLA");
        result_.sheet.files.push_back({name, binary});
        write(
            QStringLiteral("FILE %1 %2").arg(Quoted(name), binary ? type : QStringLiteral("WAVE")));
        return true;
    }

    bool checkTrack(const std::vector<CueToken>& tokens) {
        static const QRegularExpression kNumber(QStringLiteral("^\\d{1,2}$"));
        if (tokens.size() != 2 || !kNumber.match(tokens[0].text).hasMatch() ||
            !TrackModes().contains(tokens[1].text.toUpper())) {
            return fail(QStringLiteral("TRACK needs a number 1-99 and a mode such as AUDIO"));
        }
        const int number = tokens[0].text.toInt();
        if (result_.sheet.files.empty()) {
            return fail(QStringLiteral("TRACK before any FILE"));
        }
        if (number < 1) {
            return fail(QStringLiteral("TRACK needs a number 1-99 and a mode such as AUDIO"));
        }
        if (const CueSheet::Track* previous = openTrack()) {
            if (!closeTrack()) {
                return false;
            }
            if (number <= previous->number) {
                return fail(
                    QStringLiteral("track %1 follows track %2").arg(number).arg(previous->number));
            }
        }
        const QString mode = tokens[1].text.toUpper();
        CueSheet::Track track;
        track.number = number;
        track.audio = LibcueMode(mode) == QLatin1String("AUDIO");
        track.file = -1;
        track.line = line_;
        result_.sheet.tracks.push_back(track);
        indexOneSeen_ = false;
        write(QStringLiteral("TRACK %1 %2")
                  .arg(number, 2, 10, QLatin1Char('0'))
                  .arg(LibcueMode(mode)));
        return true;
    }

    bool closeTrack() {
        const CueSheet::Track* track = openTrack();
        if (track && !indexOneSeen_) {
            *error_ =
                ImportMessageAtLine(sourceName_, track->line,
                                    QStringLiteral("track %1 has no INDEX 01").arg(track->number));
            return false;
        }
        return true;
    }

    bool checkIndex(const std::vector<CueToken>& tokens) {
        static const QRegularExpression kNumber(QStringLiteral("^\\d{1,2}$"));
        CueSheet::Track* track = openTrack();
        if (!track) {
            return fail(QStringLiteral("INDEX outside a TRACK"));
        }
        const std::optional<qint64> time =
            tokens.size() == 2 ? CueTime(tokens[1].text) : std::nullopt;
        if (tokens.size() != 2 || !kNumber.match(tokens[0].text).hasMatch() || !time) {
            return fail(
                QStringLiteral("INDEX needs a number and a time mm:ss:ff (seconds below "
                               "60, frames below 75)"));
        }
        const int number = tokens[0].text.toInt();
        const int file = static_cast<int>(result_.sheet.files.size()) - 1;
        if (number == 0) {
            if (indexOneSeen_) {
                return fail(QStringLiteral("INDEX 00 after INDEX 01"));
            }
            track->index0 = *time;
            index0File_ = file;
        } else if (number == 1) {
            if (indexOneSeen_) {
                return fail(QStringLiteral("a second INDEX 01 in track %1").arg(track->number));
            }
            if (track->index0 && index0File_ == file && *track->index0 > *time) {
                return fail(QStringLiteral("INDEX 01 lies before the track's INDEX 00"));
            }
            const size_t count = result_.sheet.tracks.size();
            if (count > 1) {
                const CueSheet::Track& previous = result_.sheet.tracks[count - 2];
                if (previous.file == file && previous.index1 >= *time) {
                    return fail(QStringLiteral("track %1 starts before track %2 ends")
                                    .arg(track->number)
                                    .arg(previous.number));
                }
            }
            track->index1 = *time;
            track->file = file;
            indexOneSeen_ = true;
        } else if (!indexOneSeen_) {
            return fail(
                QStringLiteral("INDEX %1 before INDEX 01").arg(number, 2, 10, QLatin1Char('0')));
        }
        write(QStringLiteral("INDEX %1 %2")
                  .arg(number, 2, 10, QLatin1Char('0'))
                  .arg(TimeText(*time)));
        return true;
    }

    bool checkGap(const QString& keyword, const std::vector<CueToken>& tokens) {
        CueSheet::Track* track = openTrack();
        if (!track) {
            return fail(QStringLiteral("%1 outside a TRACK").arg(keyword));
        }
        const std::optional<qint64> time =
            tokens.size() == 1 ? CueTime(tokens[0].text) : std::nullopt;
        if (!time) {
            return fail(QStringLiteral("%1 needs a time mm:ss:ff").arg(keyword));
        }
        (keyword == QLatin1String("PREGAP") ? track->pregap : track->postgap) = *time;
        return true;
    }

    bool checkText(const QString& keyword, const QString& args,
                   const std::vector<CueToken>& tokens) {
        if (tokens.empty()) {
            return fail(QStringLiteral("%1 needs a text").arg(keyword));
        }
        if (tokens.front().quoted && tokens.size() > 1) {
            return fail(QStringLiteral("unexpected text after the quoted %1").arg(keyword));
        }
        const QString value = tokens.front().quoted ? tokens.front().text : args;
        write(keyword + QLatin1Char(' ') + Quoted(value));
        return true;
    }

    QString sourceName_;
    QString* error_;
    int line_ = 0;
    bool indexOneSeen_ = false;
    int index0File_ = -1;
    CheckedSheet result_;
};

QString LibcueText(const char* text) {
    return text ? QString::fromUtf8(text).trimmed() : QString();
}

struct CdDeleter {
    void operator()(Cd* cd) const { cd_delete(cd); }
};

// libcue parses with global state; one sheet at a time.
QMutex& LibcueMutex() {
    static QMutex mutex;
    return mutex;
}

// Fills in what libcue reads: the CD-TEXT of the disc and of every track.
bool ReadWithLibcue(const QString& libcueText, CueSheet& sheet) {
    const QByteArray utf8 = libcueText.toUtf8();
    QMutexLocker lock(&LibcueMutex());
    const std::unique_ptr<Cd, CdDeleter> cd(cue_parse_string(utf8.constData()));
    if (!cd || cd_get_ntrack(cd.get()) != static_cast<int>(sheet.tracks.size())) {
        return false;
    }
    const Cdtext* disc = cd_get_cdtext(cd.get());
    sheet.title = LibcueText(cdtext_get(PTI_TITLE, disc));
    sheet.performer = LibcueText(cdtext_get(PTI_PERFORMER, disc));
    for (int i = 0; i < cd_get_ntrack(cd.get()); ++i) {
        const Track* track = cd_get_track(cd.get(), i + 1);
        CueSheet::Track& target = sheet.tracks[static_cast<size_t>(i)];
        const Cdtext* text = track_get_cdtext(track);
        target.title = LibcueText(cdtext_get(PTI_TITLE, text));
        target.performer = LibcueText(cdtext_get(PTI_PERFORMER, text));
        if (track_get_index(track, 1) != target.index1) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<CueSheet> ParseCueSheet(const QString& text, const QString& sourceName,
                                      QString* error) {
    // A text handed over with its byte order mark: the mark is no part of a command.
    const QString commands = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    std::optional<CheckedSheet> checked =
        CueSheetChecker(sourceName, error).check(ImportedTextLines(commands));
    if (!checked) {
        return std::nullopt;
    }
    if (!ReadWithLibcue(checked->libcueText, checked->sheet)) {
        *error = ImportMessage(sourceName, QStringLiteral("cannot be read as a cue sheet"));
        return std::nullopt;
    }
    return std::move(checked->sheet);
}

std::optional<CueSheet> ReadCueSheet(const QString& path, QString* error) {
    const std::optional<QString> text = ReadImportedTextFile(path, error);
    return text ? ParseCueSheet(*text, path, error) : std::nullopt;
}

}  // namespace casewright
