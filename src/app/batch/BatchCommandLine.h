#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "app/batch/BatchCommands.h"

namespace casewright {

// The options of one batch command: declared once, parsed with
// QCommandLineParser, and listed in the command's --help from the same
// declarations. Every command gets --help (and -h) without declaring it.
class BatchCommandLine {
public:
    enum class Parsed { Run, HelpShown, UsageError };

    // usage: the synopsis line, e.g. "new [options] FILE.jkt".
    BatchCommandLine(QString command, QString usage, QString description);

    void addFlag(const QStringList& names, const QString& description);
    void addOption(const QStringList& names, const QString& valueName, const QString& description);

    // On --help the help goes to io.out; on an unknown option or a missing
    // value a message goes to io.err.
    Parsed parse(const QStringList& args, BatchIo io);

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    QString value(const QString& name) const { return parser_.value(name); }
    QStringList values(const QString& name) const { return parser_.values(name); }
    QStringList positionals() const { return parser_.positionalArguments(); }

    // A whole-number option: `fallback` when it is not given, nothing when
    // its value is not a whole number from `min` to `max`.
    std::optional<int> wholeNumber(const QString& name, int min, int max, int fallback) const;

    // --font-dpi N, shared by the commands that draw: the resolution the
    // file's font heights are pixels at, for a file whose heights were made
    // for another one than LogFont::kHeightDpi (the default). Nothing when N
    // is not from 1 to kMaxFontDpi.
    static constexpr int kMaxFontDpi = 1200;
    void addFontDpiOption();
    std::optional<int> fontDpi() const;

    QString helpText() const;

    // Reports a usage error the command found itself; returns kExitUsage.
    int usageError(const QString& message, BatchIo io) const;

    // Reports a failure of input or output; returns kExitFailure.
    int failure(const QString& message, BatchIo io) const;

    // Reports a problem the command could work around.
    void warning(const QString& message, BatchIo io) const;

    // The exit code that ends the command after parse() when it is not Run.
    static int exitCodeOf(Parsed parsed) {
        return parsed == Parsed::HelpShown ? kExitOk : kExitUsage;
    }

private:
    struct Entry {
        QStringList names;
        QString valueName;
        QString description;
    };

    QString command_;
    QString usage_;
    QString description_;
    QVector<Entry> entries_;
    QCommandLineParser parser_;
};

}  // namespace casewright
