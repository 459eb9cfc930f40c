#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

#include "app/SettingsIniFile.h"
#include "document/AtomicFileWriter.h"
#include "document/CaseTypeTable.h"

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

// The value stored under `key`, or nullptr for a key that is no text value.
QString* StringField(SettingsStore& store, const char* key) {
    for (const StringValue& value : kStrings) {
        if (qstrcmp(value.name, key) == 0) {
            return &(store.*value.member);
        }
    }
    return nullptr;
}

const QString kDesignerSizeKey = QStringLiteral("Designer/windowSize");
const QString kDesignerMaximizedKey = QStringLiteral("Designer/maximized");
const QString kTemplatesPositionKey = QStringLiteral("Designer/templatesPosition");
const QString kRecentCoversKey = QStringLiteral("Designer/recentCovers");

bool IsCSpace(QChar c) {
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

QString TrimmedCSpace(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsCSpace(text.at(begin))) {
        ++begin;
    }
    while (end > begin && IsCSpace(text.at(end - 1))) {
        --end;
    }
    return text.mid(begin, end - begin);
}

// A DWORD that does not read as an unsigned 32-bit number keeps its value.
void ReadDword(const SettingsIniFile& ini, const char* name, uint32_t& member) {
    const std::optional<QVariant> value = ini.value(QLatin1String(name));
    if (!value || !value->isValid()) {
        return;
    }
    bool ok = false;
    const qlonglong number = TrimmedCSpace(value->toString()).toLongLong(&ok);
    if (ok && number >= 0 && number <= 0xFFFFFFFFLL) {
        member = static_cast<uint32_t>(number);
    }
}

void ReadString(const SettingsIniFile& ini, const char* name, QString& member) {
    const std::optional<QVariant> value = ini.value(QLatin1String(name));
    if (value && value->isValid() && value->canConvert<QString>()) {
        member = value->toString();
    }
}

// Only a regular file is read: a folder, a FIFO or a device at the path is
// treated like a file that cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    AtomicFileWriter writer(path);
    return writer.open() && writer.write(bytes) && writer.commit();
}

bool KeepDamagedCopy(const QByteArray& bytes) {
    const QString copy = SettingsStore::damagedCopyPath();
    if (ReadWholeFile(copy) == bytes) {
        return true;
    }
    return WriteWholeFile(copy, bytes);
}

// Saves of two processes take turns; the lock file is the one QSettings
// uses, so that an older version running at the same time takes part. A
// lock path that can never become a lock file (a folder of that name, say)
// or a lock held for longer than a few seconds means no save: waiting on
// would hang the program.
constexpr int kLockWaitMilliseconds = 3000;

std::unique_ptr<QLockFile> LockForSaving(const QString& path) {
    const QString lockPath = path + QStringLiteral(".lock");
    const QFileInfo lockInfo(lockPath);
    if (lockInfo.exists() && !lockInfo.isFile()) {
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(lockPath);
    if (!lock->tryLock(kLockWaitMilliseconds)) {
        return nullptr;
    }
    return lock;
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

QString SettingsStore::damagedCopyPath() {
    return filePath() + QStringLiteral(".bad");
}

void SettingsStore::load() {
    if (const std::optional<QByteArray> bytes = ReadWholeFile(filePath())) {
        apply(SettingsIniFile::Parse(*bytes));
    }
}

void SettingsStore::apply(const SettingsIniFile& ini) {
    for (const DwordValue& v : kDwords) {
        ReadDword(ini, v.name, this->*v.member);
    }
    for (const StringValue& v : kStrings) {
        ReadString(ini, v.name, this->*v.member);
    }
    applyDesignerValues(ini);
}

// Values of the wrong type, or out of reason, keep their defaults.
void SettingsStore::applyDesignerValues(const SettingsIniFile& ini) {
    if (const auto size = ini.value(kDesignerSizeKey);
        size && size->metaType().id() == QMetaType::QSize && size->toSize().isValid()) {
        designerSize = size->toSize();
    }
    if (const auto maximized = ini.value(kDesignerMaximizedKey); maximized) {
        designerMaximized = maximized->toString() == QLatin1String("true");
    }
    if (const auto position = ini.value(kTemplatesPositionKey);
        position && position->metaType().id() == QMetaType::QPoint) {
        templatesPosition = position->toPoint();
    }
    if (const auto recent = ini.value(kRecentCoversKey); recent && recent->isValid()) {
        QStringList paths;
        for (const QString& path : recent->toStringList()) {
            if (!path.isEmpty() && !paths.contains(path) && paths.size() < kMaxRecentCovers) {
                paths << path;
            }
        }
        recentCovers = paths;
    }
}

void SettingsStore::writeDesignerValues(SettingsIniFile& ini) const {
    const QStringList held = ini.keys();
    if (designerSize.isValid()) {
        ini.setValue(kDesignerSizeKey, designerSize);
    }
    if (designerMaximized || held.contains(kDesignerMaximizedKey)) {
        ini.setValue(kDesignerMaximizedKey, designerMaximized);
    }
    if (templatesPosition) {
        ini.setValue(kTemplatesPositionKey, *templatesPosition);
    }
    if (!recentCovers.isEmpty() || held.contains(kRecentCoversKey)) {
        ini.setValue(kRecentCoversKey, recentCovers);
    }
}

void SettingsStore::addRecentCover(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    recentCovers.removeAll(path);
    recentCovers.prepend(path);
    while (recentCovers.size() > kMaxRecentCovers) {
        recentCovers.removeLast();
    }
}

bool SettingsStore::dropMissingRecentCovers() {
    const qsizetype before = recentCovers.size();
    recentCovers.erase(
        std::remove_if(recentCovers.begin(), recentCovers.end(),
                       [](const QString& path) { return !QFileInfo(path).isFile(); }),
        recentCovers.end());
    return recentCovers.size() != before;
}

bool SettingsStore::save() const {
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    const std::unique_ptr<QLockFile> lock = LockForSaving(path);
    if (!lock) {
        return false;
    }
    // Whatever else the file holds (keys of other versions, other groups)
    // is written back with the values of this store.
    SettingsIniFile ini;
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        const std::optional<QByteArray> bytes = ReadWholeFile(path);
        if (!bytes) {
            return false;  // what it holds is unknown: leave it as it is
        }
        ini = SettingsIniFile::Parse(*bytes);
        if (ini.damagedLines() > 0 && !KeepDamagedCopy(*bytes)) {
            return false;
        }
    }
    for (const DwordValue& v : kDwords) {
        ini.setValue(QLatin1String(v.name), static_cast<qulonglong>(this->*v.member));
    }
    for (const StringValue& v : kStrings) {
        ini.setValue(QLatin1String(v.name), this->*v.member);
    }
    writeDesignerValues(ini);
    return WriteWholeFile(path, ini.toBytes());
}

std::optional<SettingsStore::Damage> SettingsStore::CheckFile() {
    const std::optional<QByteArray> bytes = ReadWholeFile(filePath());
    if (!bytes) {
        return std::nullopt;
    }
    const int unreadable = SettingsIniFile::Parse(*bytes).damagedLines();
    if (unreadable == 0) {
        return std::nullopt;
    }
    Damage damage;
    damage.unreadableLines = unreadable;
    damage.copyKept = KeepDamagedCopy(*bytes);
    return damage;
}

int SettingsStore::LeadingInteger(const QString& text) {
    int i = 0;
    while (i < text.size() && IsCSpace(text.at(i))) {
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
    const CaseTypeInfo* info = FindCaseType(coverType);
    return info ? StringField(*this, info->coverStockKey) : nullptr;
}

QString* SettingsStore::discStockField(int coverType) {
    const CaseTypeInfo* info = FindCaseType(coverType);
    return info ? StringField(*this, info->discStockKey) : nullptr;
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
