#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace casewright {

// A cue sheet as read: the disc's CD-TEXT, the files it names and its tracks.
// Positions are CD frames (1/75 s) from the start of the track's own file.
struct CueSheet {
    struct File {
        QString name;         // as the sheet spells it
        bool binary = false;  // raw CD sectors (BINARY, MOTOROLA) rather than an audio file
    };
    struct Track {
        int number = 0;
        bool audio = true;
        QString title;
        QString performer;
        int file = 0;                  // index into files: the file of INDEX 01
        std::optional<qint64> index0;  // where its pregap starts, when it says
        qint64 index1 = 0;             // where the track starts
        qint64 pregap = 0;             // silence (PREGAP) before INDEX 01, in no file
        qint64 postgap = 0;            // silence (POSTGAP) after the track
        int line = 0;                  // of the TRACK command
    };

    QString title;
    QString performer;
    std::vector<File> files;
    std::vector<Track> tracks;
};

// Reads a cue sheet's text with libcue after checking every line, so that a
// mistake is reported with its line rather than skipped: commands are the
// cue sheet's (in any case), times are mm:ss:ff with ss below 60 and ff below
// 75, every track has an INDEX 01, track numbers go up, and tracks in one
// file start in order. Values may be quoted or not. REM lines and commands
// the listing does not use (CATALOG, FLAGS, ISRC, ...) are checked for
// their place only. Nothing is returned when the text is not a usable cue
// sheet; `error` then names `sourceName` and the line. Safe to call from any
// thread (libcue's parser keeps global state, so calls take turns).
std::optional<CueSheet> ParseCueSheet(const QString& text, const QString& sourceName,
                                      QString* error);

// The same from a file, decoded as ReadImportedTextFile does (UTF-8, a
// marked UTF-16, or Windows-1252/Latin-1).
std::optional<CueSheet> ReadCueSheet(const QString& path, QString* error);

}  // namespace casewright
