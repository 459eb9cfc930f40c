#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "print/PrinterAdjustment.h"

namespace casewright {

class SettingsIniFile;

// Everything the program remembers between runs. A store loads every value
// when it is created and writes every value when saved; it is meant to live
// for one operation only, so two parts never hold different copies for long.
// Values live in an INI file, $XDG_CONFIG_HOME/Orvalis/Casewright.conf,
// in the form QSettings gives it (see SettingsIniFile).
//
// Every load reads what the file holds at that moment: a missing or
// unreadable file leaves the defaults, a damaged one gives every value that
// can still be read. A save either replaces the whole file with a checked
// copy or changes nothing; before it replaces a damaged file it keeps that
// file beside it (damagedCopyPath()). Saves of two processes take turns
// through a lock file; one that cannot have the lock within a few seconds
// is not made. None of this is reported here: save() says whether it
// worked, CheckFile() what is wrong with the file.
class SettingsStore {
public:
    SettingsStore();  // defaults, then load

    void load();
    // Writes all values; returns false when the file could not be written.
    bool save() const;

    static QString filePath();
    static QString damagedCopyPath();

    // What CheckFile() found in a file that could not be read completely.
    struct Damage {
        int unreadableLines = 0;
        bool copyKept = false;  // the damaged file is now also at damagedCopyPath()
    };
    // Nothing for a clean, missing or unreadable file. For a damaged one,
    // keeps a copy of it at damagedCopyPath() (which later saves keep up).
    static std::optional<Damage> CheckFile();

    // The integer formed by an optional sign and the leading digits of the
    // text after leading white space of the C locale (space, tab, line
    // breaks, vertical tab, form feed); 0 when there are none, as atoi().
    static int LeadingInteger(const QString& text);

    PrinterAdjustment printerAdjustment() const;
    void setPrinterAdjustment(const PrinterAdjustment& adjustment);

    // Stocks chosen in the Print dialog, by case type (1 to 5).
    QString coverStock(int coverType) const;
    QString discStock(int coverType) const;
    void setCoverStock(int coverType, const QString& stock);
    void setDiscStock(int coverType, const QString& stock);

    uint32_t Option = 1;
    uint32_t dwCHF = 119;
    uint32_t dwCWF = 121;
    uint32_t dwCHB = 118;
    uint32_t dwCWB = 151;
    QString cdFormatCover = QStringLiteral("Plain Paper");
    QString cdFormatDisc = QStringLiteral("Plain Paper");
    QString cdSlimFormatCover = QStringLiteral("Plain Paper");
    QString cdSlimFormatDisc = QStringLiteral("Plain Paper");
    QString dvdFormatCover = QStringLiteral("Plain Paper");
    QString dvdFormatDisc = QStringLiteral("Plain Paper");
    QString dvdSlimFormatCover = QStringLiteral("Plain Paper");
    QString dvdSlimFormatDisc = QStringLiteral("Plain Paper");
    QString LastCheckUpdates;
    uint32_t printDisc = 1;
    uint32_t printCover = 1;
    QString lastPath;
    QString expandCoverMM = QStringLiteral("0");
    QString expandDiscMM = QStringLiteral("0");
    QString moveDiscMMX = QStringLiteral("0");
    QString moveDiscMMY = QStringLiteral("0");
    QString moveDiscUpDown = QStringLiteral("0");
    QString moveDiscLeftRight = QStringLiteral("0");

    // Values of the resizable designer, in the file's [Designer] group. A
    // file without them reads as before; each is written only once it has a
    // value (or the file already holds it), so a store that never set them
    // writes the very file earlier versions wrote.
    QSize designerSize;  // invalid: the window opens at its own size
    bool designerMaximized = false;
    std::optional<QPoint> templatesPosition;
    QStringList recentCovers;  // most recent first, at most kMaxRecentCovers

    static constexpr int kMaxRecentCovers = 10;
    // Puts `path` first in the recent covers, without repeating it.
    void addRecentCover(const QString& path);
    // Drops the covers that are no longer files; true when any was dropped.
    bool dropMissingRecentCovers();

private:
    void apply(const SettingsIniFile& file);
    void applyDesignerValues(const SettingsIniFile& file);
    void writeDesignerValues(SettingsIniFile& file) const;
    QString* coverStockField(int coverType);
    QString* discStockField(int coverType);
};

}  // namespace casewright
