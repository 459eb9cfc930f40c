#include "app/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "document/CoverTypes.h"

namespace casewright {

namespace {

// The registry-style value types: DWORDs and strings.
struct DwordValue {
    const char* name;
    uint32_t SettingsStore::*member;
};
struct StringValue {
    const char* name;
    QString SettingsStore::*member;
};

const DwordValue kDwords[] = {
    {"Option", &SettingsStore::Option},         {"dwCHF", &SettingsStore::dwCHF},
    {"dwCWF", &SettingsStore::dwCWF},           {"dwCHB", &SettingsStore::dwCHB},
    {"dwCWB", &SettingsStore::dwCWB},           {"printDisc", &SettingsStore::printDisc},
    {"printCover", &SettingsStore::printCover},
};

const StringValue kStrings[] = {
    {"cdFormatCover", &SettingsStore::cdFormatCover},
    {"cdFormatDisc", &SettingsStore::cdFormatDisc},
    {"cdSlimFormatCover", &SettingsStore::cdSlimFormatCover},
    {"cdSlimFormatDisc", &SettingsStore::cdSlimFormatDisc},
    {"dvdFormatCover", &SettingsStore::dvdFormatCover},
    {"dvdFormatDisc", &SettingsStore::dvdFormatDisc},
    {"dvdSlimFormatCover", &SettingsStore::dvdSlimFormatCover},
    {"dvdSlimFormatDisc", &SettingsStore::dvdSlimFormatDisc},
    {"LastCheckUpdates", &SettingsStore::LastCheckUpdates},
    {"lastPath", &SettingsStore::lastPath},
    {"expandCoverMM", &SettingsStore::expandCoverMM},
    {"expandDiscMM", &SettingsStore::expandDiscMM},
    {"moveDiscMMX", &SettingsStore::moveDiscMMX},
    {"moveDiscMMY", &SettingsStore::moveDiscMMY},
    {"moveDiscUpDown", &SettingsStore::moveDiscUpDown},
    {"moveDiscLeftRight", &SettingsStore::moveDiscLeftRight},
};

// A DWORD that does not read as an unsigned 32-bit number keeps its value.
void ReadDword(const QSettings& ini, const char* name, uint32_t& member) {
    const QVariant value = ini.value(QLatin1String(name));
    if (!value.isValid()) {
        return;
    }
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (ok && number >= 0 && number <= 0xFFFFFFFFLL) {
        member = static_cast<uint32_t>(number);
    }
}

void ReadString(const QSettings& ini, const char* name, QString& member) {
    const QVariant value = ini.value(QLatin1String(name));
    if (value.isValid() && value.canConvert<QString>()) {
        member = value.toString();
    }
}

}  // namespace

SettingsStore::SettingsStore() {
    load();
}

QString SettingsStore::filePath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/Orvalis/Casewright.conf");
}

void SettingsStore::load() {
    const QString path = filePath();
    if (!QFileInfo(path).isFile()) {
        return;
    }
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        return;  // unreadable or corrupt: keep what we have
    }
    for (const DwordValue& v : kDwords) {
        ReadDword(ini, v.name, this->*v.member);
    }
    for (const StringValue& v : kStrings) {
        ReadString(ini, v.name, this->*v.member);
    }
}

bool SettingsStore::save() const {
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    // QSettings writes through a temporary file and renames it into place,
    // so an interrupted save never leaves a half-written file.
    QSettings ini(path, QSettings::IniFormat);
    ini.setAtomicSyncRequired(true);
    for (const DwordValue& v : kDwords) {
        ini.setValue(QLatin1String(v.name), static_cast<qulonglong>(this->*v.member));
    }
    for (const StringValue& v : kStrings) {
        ini.setValue(QLatin1String(v.name), this->*v.member);
    }
    ini.sync();
    return ini.status() == QSettings::NoError;
}

int SettingsStore::LeadingInteger(const QString& text) {
    int i = 0;
    while (i < text.size() && text.at(i).isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
         ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > 0x7FFFFFFFLL) {
            value = 0x7FFFFFFFLL;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

PrinterAdjustment SettingsStore::printerAdjustment() const {
    PrinterAdjustment a;
    a.expandCoverMM = expandCoverMM;
    a.expandDiscMM = expandDiscMM;
    a.moveDiscMMX = moveDiscMMX;
    a.moveDiscMMY = moveDiscMMY;
    a.moveDiscUpDown = moveDiscUpDown;
    a.moveDiscLeftRight = moveDiscLeftRight;
    return a;
}

void SettingsStore::setPrinterAdjustment(const PrinterAdjustment& a) {
    expandCoverMM = a.expandCoverMM;
    expandDiscMM = a.expandDiscMM;
    moveDiscMMX = a.moveDiscMMX;
    moveDiscMMY = a.moveDiscMMY;
    moveDiscUpDown = a.moveDiscUpDown;
    moveDiscLeftRight = a.moveDiscLeftRight;
}

QString* SettingsStore::coverStockField(int coverType) {
    switch (coverType) {
        case CoverTypeStandardCD:
        case CoverTypeOther:
            return &cdFormatCover;
        case CoverTypeSlimlineCD:
            return &cdSlimFormatCover;
        case CoverTypeStandardDVD:
            return &dvdFormatCover;
        case CoverTypeSlimlineDVD:
            return &dvdSlimFormatCover;
        default:
            return nullptr;
    }
}

QString* SettingsStore::discStockField(int coverType) {
    switch (coverType) {
        case CoverTypeStandardCD:
        case CoverTypeOther:
            return &cdFormatDisc;
        case CoverTypeSlimlineCD:
            return &cdSlimFormatDisc;
        case CoverTypeStandardDVD:
            return &dvdFormatDisc;
        case CoverTypeSlimlineDVD:
            return &dvdSlimFormatDisc;
        default:
            return nullptr;
    }
}

QString SettingsStore::coverStock(int coverType) const {
    const QString* field = const_cast<SettingsStore*>(this)->coverStockField(coverType);
    return field ? *field : QStringLiteral("Plain Paper");
}

QString SettingsStore::discStock(int coverType) const {
    const QString* field = const_cast<SettingsStore*>(this)->discStockField(coverType);
    return field ? *field : QStringLiteral("Plain Paper");
}

void SettingsStore::setCoverStock(int coverType, const QString& stock) {
    if (QString* field = coverStockField(coverType)) {
        *field = stock;
    }
}

void SettingsStore::setDiscStock(int coverType, const QString& stock) {
    if (QString* field = discStockField(coverType)) {
        *field = stock;
    }
}

}  // namespace casewright
