#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/SettingsStore.h"
#include "support/TestEnvironment.h"

namespace casewright {

class SettingsStoreTest : public IsolatedSettingsTest {
protected:
    void writeConfig(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(configFile()).absolutePath());
        QFile f(configFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
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

TEST_F(SettingsStoreTest, MissingFileGivesEveryDefault) {
    ExpectDefaults(SettingsStore());
    EXPECT_FALSE(QFile::exists(configFile()));
}

TEST_F(SettingsStoreTest, FileLivesUnderXdgConfigHome) {
    EXPECT_TRUE(configFile().endsWith("/config/Orvalis/Casewright.conf"));
}

TEST_F(SettingsStoreTest, SaveWritesEveryValueAndLoadReadsThemBack) {
    SettingsStore s;
    s.Option = 5;
    s.dwCWB = 200;
    s.dvdSlimFormatDisc = "Neato CD/DVD Labels";
    s.lastPath = QString::fromUtf8("/home/anna/Bilder/Café.jpg");
    s.moveDiscMMX = "-3";
    s.printCover = 0;
    ASSERT_TRUE(s.save());

    const QSettings raw(configFile(), QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys().size(), 23);
    EXPECT_EQ(raw.value("cdFormatCover").toString(), "Plain Paper");

    const SettingsStore back;
    EXPECT_EQ(back.Option, 5u);
    EXPECT_EQ(back.dwCWB, 200u);
    EXPECT_EQ(back.dvdSlimFormatDisc, "Neato CD/DVD Labels");
    EXPECT_EQ(back.lastPath, QString::fromUtf8("/home/anna/Bilder/Café.jpg"));
    EXPECT_EQ(back.moveDiscMMX, "-3");
    EXPECT_EQ(back.printCover, 0u);
    EXPECT_EQ(back.dwCHF, 119u);
}

TEST_F(SettingsStoreTest, CorruptOrWrongTypedValuesKeepDefaults) {
    writeConfig("[General]\nOption=banana\ndwCHF=-4\nprintDisc=0\n\x01\x02\xff garbage ==\n");
    const SettingsStore s;
    EXPECT_EQ(s.Option, 1u);
    EXPECT_EQ(s.dwCHF, 119u);
    EXPECT_EQ(s.printDisc, 0u);
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

TEST_F(SettingsStoreTest, LeadingIntegerReadsSignAndLeadingDigits) {
    EXPECT_EQ(SettingsStore::LeadingInteger("12"), 12);
    EXPECT_EQ(SettingsStore::LeadingInteger("  -7mm"), -7);
    EXPECT_EQ(SettingsStore::LeadingInteger("+3"), 3);
    EXPECT_EQ(SettingsStore::LeadingInteger("4.9"), 4);
    EXPECT_EQ(SettingsStore::LeadingInteger("mm4"), 0);
    EXPECT_EQ(SettingsStore::LeadingInteger(""), 0);
    EXPECT_EQ(SettingsStore::LeadingInteger("-"), 0);
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
