#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <utility>

#include "app/SettingsIniFile.h"
#include "app/SettingsStore.h"
#include "support/ReadOnlyPath.h"
#include "support/TestEnvironment.h"
#include "support/TinyFileSystem.h"

namespace casewright {

namespace {

const QString kNeato = QStringLiteral("Neato CD/DVD Labels (A4)");

// What every earlier version wrote for a store left at its defaults.
const QByteArray kDefaultFile =
    "[General]\nLastCheckUpdates=\nOption=1\ncdFormatCover=Plain Paper\ncdFormatDisc=Plain Paper\n"
    "cdSlimFormatCover=Plain Paper\ncdSlimFormatDisc=Plain Paper\ndvdFormatCover=Plain Paper\n"
    "dvdFormatDisc=Plain Paper\ndvdSlimFormatCover=Plain Paper\ndvdSlimFormatDisc=Plain Paper\n"
    "dwCHB=118\ndwCHF=119\ndwCWB=151\ndwCWF=121\nexpandCoverMM=0\nexpandDiscMM=0\nlastPath=\n"
    "moveDiscLeftRight=0\nmoveDiscMMX=0\nmoveDiscMMY=0\nmoveDiscUpDown=0\nprintCover=1\n"
    "printDisc=1\n";

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// How earlier versions saved a store: every value through QSettings.
void SaveThroughQSettings(const SettingsStore& s, const QString& path) {
    QSettings ini(path, QSettings::IniFormat);
    const std::pair<const char*, uint32_t> dwords[] = {
        {"Option", s.Option},        {"dwCHF", s.dwCHF}, {"dwCWF", s.dwCWF},
        {"dwCHB", s.dwCHB},          {"dwCWB", s.dwCWB}, {"printDisc", s.printDisc},
        {"printCover", s.printCover}};
    for (const auto& [name, value] : dwords) {
        ini.setValue(QLatin1String(name), static_cast<qulonglong>(value));
    }
    const std::pair<const char*, QString> strings[] = {{"cdFormatCover", s.cdFormatCover},
                                                       {"cdFormatDisc", s.cdFormatDisc},
                                                       {"cdSlimFormatCover", s.cdSlimFormatCover},
                                                       {"cdSlimFormatDisc", s.cdSlimFormatDisc},
                                                       {"dvdFormatCover", s.dvdFormatCover},
                                                       {"dvdFormatDisc", s.dvdFormatDisc},
                                                       {"dvdSlimFormatCover", s.dvdSlimFormatCover},
                                                       {"dvdSlimFormatDisc", s.dvdSlimFormatDisc},
                                                       {"LastCheckUpdates", s.LastCheckUpdates},
                                                       {"lastPath", s.lastPath},
                                                       {"expandCoverMM", s.expandCoverMM},
                                                       {"expandDiscMM", s.expandDiscMM},
                                                       {"moveDiscMMX", s.moveDiscMMX},
                                                       {"moveDiscMMY", s.moveDiscMMY},
                                                       {"moveDiscUpDown", s.moveDiscUpDown},
                                                       {"moveDiscLeftRight", s.moveDiscLeftRight}};
    for (const auto& [name, value] : strings) {
        ini.setValue(QLatin1String(name), value);
    }
}

class SettingsStoreTest : public IsolatedSettingsTest {
protected:
    void writeConfig(const QByteArray& bytes) {
        QDir().mkpath(configFolder());
        QFile f(configFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString configFolder() const { return QFileInfo(configFile()).absolutePath(); }
    QStringList folderEntries() const {
        return QDir(configFolder())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    // The example: a user who prints covers never, discs on Neato.
    void storeDiscOnlyOnNeato() {
        SettingsStore s;
        s.printCover = 0;
        s.cdFormatDisc = kNeato;
        ASSERT_TRUE(s.save());
    }
    static void ExpectDiscOnlyOnNeato(const SettingsStore& s) {
        EXPECT_EQ(s.printCover, 0u);
        EXPECT_EQ(s.cdFormatDisc, kNeato);
        EXPECT_EQ(s.Option, 1u);
    }

    static void ExpectDefaults(const SettingsStore& s) {
        EXPECT_EQ(s.Option, 1u);
        EXPECT_EQ(s.dwCHF, 119u);
        EXPECT_EQ(s.dwCWF, 121u);
        EXPECT_EQ(s.dwCHB, 118u);
        EXPECT_EQ(s.dwCWB, 151u);
        for (const QString& stock :
             {s.cdFormatCover, s.cdFormatDisc, s.cdSlimFormatCover, s.cdSlimFormatDisc,
              s.dvdFormatCover, s.dvdFormatDisc, s.dvdSlimFormatCover, s.dvdSlimFormatDisc}) {
            EXPECT_EQ(stock, "Plain Paper");
        }
        EXPECT_TRUE(s.LastCheckUpdates.isEmpty());
        EXPECT_EQ(s.printDisc, 1u);
        EXPECT_EQ(s.printCover, 1u);
        EXPECT_TRUE(s.lastPath.isEmpty());
        for (const QString& mm : {s.expandCoverMM, s.expandDiscMM, s.moveDiscMMX, s.moveDiscMMY,
                                  s.moveDiscUpDown, s.moveDiscLeftRight}) {
            EXPECT_EQ(mm, "0");
        }
    }
};

}  // namespace

TEST_F(SettingsStoreTest, MissingFileGivesEveryDefault) {
    ExpectDefaults(SettingsStore());
    EXPECT_FALSE(QFile::exists(configFile()));
}

TEST_F(SettingsStoreTest, FileLivesUnderXdgConfigHome) {
    EXPECT_TRUE(configFile().endsWith("/config/Orvalis/Casewright.conf"));
}

TEST_F(SettingsStoreTest, SaveWritesEveryValueAndLoadReadsThemBack) {
    ASSERT_TRUE(SettingsStore().save());
    EXPECT_EQ(ReadBytes(configFile()), kDefaultFile);

    SettingsStore s;
    s.Option = 5;
    s.dwCWB = 200;
    s.dvdSlimFormatDisc = "Neato CD/DVD Labels";
    s.lastPath = QString::fromUtf8("/home/anna/Bilder/Café, \"Live\"; 2=3.jpg");
    s.moveDiscMMX = "-3";
    s.printCover = 0;
    ASSERT_TRUE(s.save());
    SaveThroughQSettings(s, tempPath("reference.conf"));
    EXPECT_EQ(ReadBytes(configFile()), ReadBytes(tempPath("reference.conf")));

    const QSettings raw(configFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys().size(), 23);
    EXPECT_EQ(raw.value("cdFormatCover").toString(), "Plain Paper");
    EXPECT_EQ(raw.value("lastPath").toString(), s.lastPath);

    const SettingsStore back;
    EXPECT_EQ(back.Option, 5u);
    EXPECT_EQ(back.dwCWB, 200u);
    EXPECT_EQ(back.dvdSlimFormatDisc, "Neato CD/DVD Labels");
    EXPECT_EQ(back.lastPath, s.lastPath);
    EXPECT_EQ(back.moveDiscMMX, "-3");
    EXPECT_EQ(back.printCover, 0u);
    EXPECT_EQ(back.dwCHF, 119u);
}

// Files of earlier versions were written by QSettings, and may hold keys of
// other versions: they read as QSettings reads them, and a save writes them
// back as the QSettings save of earlier versions did.
TEST_F(SettingsStoreTest, QSettingsFilesReadAndAreWrittenBackAsQSettingsWouldWriteThem) {
    QDir().mkpath(configFolder());
    const QString reference = tempPath("reference.conf");
    for (const QString& path : {configFile(), reference}) {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue("Option", 4u);
        ini.setValue("dwCHF", 130u);
        ini.setValue("lastPath", QString::fromUtf8("/home/zoë/@pics, new/a=b.png"));
        ini.setValue("LastCheckUpdates", "03/02/2024");
        ini.setValue("expandDiscMM", " 7");
        ini.setValue("windowGeometry", QByteArray("\x01\x02\xff", 3));
        ini.setValue("Recent/files", QStringList{"a.jkt", "b, c.jkt"});
    }
    SettingsStore s;
    EXPECT_EQ(s.Option, 4u);
    EXPECT_EQ(s.dwCHF, 130u);
    EXPECT_EQ(s.lastPath, QString::fromUtf8("/home/zoë/@pics, new/a=b.png"));
    EXPECT_EQ(s.LastCheckUpdates, "03/02/2024");
    EXPECT_EQ(s.expandDiscMM, " 7");
    s.moveDiscMMY = "-2";
    s.dvdFormatDisc = QString::fromUtf8("\"Ünknown\" stock; \\ \t");
    ASSERT_TRUE(s.save());
    SaveThroughQSettings(s, reference);
    EXPECT_EQ(ReadBytes(configFile()), ReadBytes(reference));
}

TEST_F(SettingsStoreTest, CorruptOrWrongTypedValuesKeepDefaults) {
    writeConfig(
        "[General]\nOption=banana\ndwCHF=-4\nprintDisc=0\n\x01\x02\xff garbage ==\n"
        "dwCWF=\t 130 \ndwCHB=\xc2\xa0"
        "90\ndwCWB=4294967296\n");
    const SettingsStore s;
    EXPECT_EQ(s.Option, 1u);
    EXPECT_EQ(s.dwCHF, 119u);
    EXPECT_EQ(s.printDisc, 0u);
    EXPECT_EQ(s.dwCWF, 130u);
    EXPECT_EQ(s.dwCHB, 118u);  // a no-break space is not white space
    EXPECT_EQ(s.dwCWB, 151u);
}

TEST_F(SettingsStoreTest, BinaryJunkFileNeitherCrashesNorChangesDefaults) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) {
        junk.append(static_cast<char>((i * 131) & 0xFF));
    }
    writeConfig(junk);
    ExpectDefaults(SettingsStore());
}

TEST_F(SettingsStoreTest, UnreadableOrUnwritableLocationIsSilent) {
    // A folder where the file should be: nothing can be read or written.
    QDir().mkpath(configFile());
    SettingsStore s;
    ExpectDefaults(s);
    s.Option = 4;
    EXPECT_FALSE(s.save());
    EXPECT_TRUE(QFileInfo(configFile()).isDir());
}

// A save that fails leaves the file as it was, and every load after it, in
// the same process, still reads the file.
TEST_F(SettingsStoreTest, AFailedSaveChangesNothingAndLaterLoadsStillReadTheFile) {
    for (const bool wholeFolder : {true, false}) {
        SCOPED_TRACE(wholeFolder ? "read-only folder" : "read-only file");
        storeDiscOnlyOnNeato();
        const QByteArray before = ReadBytes(configFile());
        const QStringList entries = folderEntries();
        {
            const ReadOnlyPath readOnly(wholeFolder ? configFolder() : configFile());
            ASSERT_TRUE(readOnly.active());
            for (int attempt = 0; attempt < 2; ++attempt) {
                SettingsStore s;
                ExpectDiscOnlyOnNeato(s);
                s.Option = 4;
                s.printCover = 1;
                s.cdFormatDisc = "Plain Paper";
                EXPECT_FALSE(s.save());
            }
            ExpectDiscOnlyOnNeato(SettingsStore());
        }
        EXPECT_EQ(ReadBytes(configFile()), before);
        EXPECT_EQ(folderEntries(), entries);
        ExpectDiscOnlyOnNeato(SettingsStore());
    }
}

TEST_F(SettingsStoreTest, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    qputenv("XDG_CONFIG_HOME", disk.path(QStringLiteral("config")).toUtf8());
    storeDiscOnlyOnNeato();
    const QByteArray before = ReadBytes(configFile());
    disk.fill();

    SettingsStore s;
    s.lastPath = QString(2000, QLatin1Char('x'));
    s.printCover = 1;
    EXPECT_FALSE(s.save());
    EXPECT_EQ(ReadBytes(configFile()), before);
    ExpectDiscOnlyOnNeato(SettingsStore());
    EXPECT_EQ(folderEntries(), QStringList{"Casewright.conf"});
}

// A line that cannot be read costs only that line; the damaged file is kept
// beside the new one before anything is written over it.
TEST_F(SettingsStoreTest, ADamagedFileKeepsEveryReadableValueAndACopyOfItself) {
    const QByteArray damaged =
        "[General]\nOption=5\nprintCover=0\n[Other\ncdFormatDisc=Neato CD/DVD Labels (A4)\n"
        "moveDiscMMX=3\n";
    writeConfig(damaged);
    const SettingsStore loaded;
    EXPECT_EQ(loaded.Option, 5u);
    EXPECT_EQ(loaded.printCover, 0u);
    EXPECT_EQ(loaded.cdFormatDisc, kNeato);
    EXPECT_EQ(loaded.moveDiscMMX, "3");

    const std::optional<SettingsStore::Damage> damage = SettingsStore::CheckFile();
    ASSERT_TRUE(damage.has_value());
    EXPECT_EQ(damage->unreadableLines, 1);
    EXPECT_TRUE(damage->copyKept);
    EXPECT_EQ(ReadBytes(SettingsStore::damagedCopyPath()), damaged);

    QFile::remove(SettingsStore::damagedCopyPath());
    SettingsStore changed;
    changed.dwCHF = 100;
    ASSERT_TRUE(changed.save());
    EXPECT_EQ(ReadBytes(SettingsStore::damagedCopyPath()), damaged);
    EXPECT_EQ(SettingsIniFile::Parse(ReadBytes(configFile())).damagedLines(), 0);
    EXPECT_FALSE(SettingsStore::CheckFile().has_value());
    const SettingsStore back;
    EXPECT_EQ(back.Option, 5u);
    EXPECT_EQ(back.cdFormatDisc, kNeato);
    EXPECT_EQ(back.dwCHF, 100u);
    // A later save of the repaired file leaves the copy alone.
    ASSERT_TRUE(back.save());
    EXPECT_EQ(ReadBytes(SettingsStore::damagedCopyPath()), damaged);
}

TEST_F(SettingsStoreTest, ADamagedFileThatCannotBeCopiedIsNotWrittenOver) {
    const QByteArray damaged = "Option=5\n[Other\n";
    writeConfig(damaged);
    QDir().mkpath(SettingsStore::damagedCopyPath());  // no file can be made there
    const std::optional<SettingsStore::Damage> damage = SettingsStore::CheckFile();
    ASSERT_TRUE(damage.has_value());
    EXPECT_FALSE(damage->copyKept);
    EXPECT_FALSE(SettingsStore().save());
    EXPECT_EQ(ReadBytes(configFile()), damaged);
}

// Saving waits a few seconds at most for a lock held elsewhere, and not at
// all for a lock path that can never be a lock file.
TEST_F(SettingsStoreTest, ALockThatCannotBeHadSkipsTheSave) {
    storeDiscOnlyOnNeato();
    const QByteArray before = ReadBytes(configFile());
    const QString lockPath = configFile() + QStringLiteral(".lock");
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder at the lock path" : "a lock held by another");
        QLockFile held(lockPath);
        if (folder) {
            ASSERT_TRUE(QDir().mkpath(lockPath));
        } else {
            ASSERT_TRUE(held.tryLock(0));
        }
        SettingsStore s;
        ExpectDiscOnlyOnNeato(s);
        s.printCover = 1;
        EXPECT_FALSE(s.save());
        EXPECT_EQ(ReadBytes(configFile()), before);
        QDir().rmdir(lockPath);
    }
    SettingsStore s;
    s.printCover = 1;
    EXPECT_TRUE(s.save());
    EXPECT_FALSE(QFileInfo::exists(lockPath));
}

TEST_F(SettingsStoreTest, LeadingIntegerReadsSignAndDigitsAfterCWhiteSpace) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"12", 12},
        {"  -7mm", -7},
        {"+3", 3},
        {"4.9", 4},
        {"mm4", 0},
        {"", 0},
        {"-", 0},
        {"\t\n\v\f\r 8", 8},
        {"\xc2\xa0"
         "9",
         0},
        {"\xe3\x80\x80"
         "9",
         0},
        {"99999999999", 2147483647},
        {"- 5", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SettingsStore::LeadingInteger(QString::fromUtf8(c.text)), c.value);
    }
}

TEST_F(SettingsStoreTest, StocksAreKeptPerCaseType) {
    SettingsStore s;
    s.setCoverStock(2, "Avery");
    s.setDiscStock(4, "Neato");
    EXPECT_EQ(s.dvdFormatCover, "Avery");
    EXPECT_EQ(s.cdSlimFormatDisc, "Neato");
    EXPECT_EQ(s.coverStock(1), "Plain Paper");
    EXPECT_EQ(s.discStock(4), "Neato");
}

}  // namespace casewright

namespace casewright {

TEST_F(SettingsStoreTest, RecentCoversComeMostRecentFirstTenAtMostWithoutMissingFiles) {
    SettingsStore s;
    for (int i = 0; i < 12; ++i) {
        s.addRecentCover(tempPath(QStringLiteral("c%1.jkt").arg(i)));
    }
    s.addRecentCover(tempPath("c5.jkt"));  // again: moves to the front
    ASSERT_EQ(s.recentCovers.size(), SettingsStore::kMaxRecentCovers);
    EXPECT_EQ(s.recentCovers.first(), tempPath("c5.jkt"));
    EXPECT_EQ(s.recentCovers.at(1), tempPath("c11.jkt"));
    EXPECT_EQ(s.recentCovers.count(tempPath("c5.jkt")), 1);
    EXPECT_FALSE(s.recentCovers.contains(tempPath("c1.jkt")));

    QFile(tempPath("c11.jkt")).open(QIODevice::WriteOnly);
    QFile(tempPath("c5.jkt")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(s.dropMissingRecentCovers());
    EXPECT_EQ(s.recentCovers, (QStringList{tempPath("c5.jkt"), tempPath("c11.jkt")}));
    EXPECT_FALSE(s.dropMissingRecentCovers());
}

// The window's values go to a group of their own; a file of an earlier
// version reads as before, and the old keys keep their bytes.
TEST_F(SettingsStoreTest, DesignerValuesRoundTripBesideTheOldKeys) {
    writeConfig(kDefaultFile);
    SettingsStore s;
    EXPECT_FALSE(s.designerSize.isValid());
    EXPECT_FALSE(s.designerMaximized);
    EXPECT_FALSE(s.templatesPosition.has_value());
    EXPECT_TRUE(s.recentCovers.isEmpty());
    ASSERT_TRUE(s.save());
    EXPECT_EQ(ReadBytes(configFile()), kDefaultFile);

    const QStringList covers{"/home/anna/a, b.jkt", QString::fromUtf8("/home/zoë/c.jkt")};
    s.designerSize = QSize(1200, 800);
    s.designerMaximized = true;
    s.templatesPosition = QPoint(-20, 40);
    s.recentCovers = covers;
    ASSERT_TRUE(s.save());
    EXPECT_TRUE(ReadBytes(configFile()).startsWith(kDefaultFile));
    const SettingsStore back;
    EXPECT_EQ(back.designerSize, QSize(1200, 800));
    EXPECT_TRUE(back.designerMaximized);
    EXPECT_EQ(back.templatesPosition, QPoint(-20, 40));
    EXPECT_EQ(back.recentCovers, covers);

    // One cover, then none, read back as such.
    for (const QStringList& list : {QStringList{"/x.jkt"}, QStringList{}}) {
        SettingsStore t;
        t.recentCovers = list;
        ASSERT_TRUE(t.save());
        EXPECT_EQ(SettingsStore().recentCovers, list);
    }

    writeConfig(kDefaultFile + "[Designer]\nwindowSize=banana\ntemplatesPosition=7\n");
    const SettingsStore odd;
    EXPECT_FALSE(odd.designerSize.isValid());
    EXPECT_FALSE(odd.templatesPosition.has_value());
}

}  // namespace casewright
