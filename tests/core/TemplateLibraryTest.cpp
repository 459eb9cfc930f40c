#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstring>

#include "TemplateTestFolder.h"
#include "document/CoverTypes.h"
#include "images/TemplateCaseFilter.h"
#include "images/TemplateFolderScanner.h"
#include "images/TemplateLabel.h"
#include "images/TemplatePaths.h"

namespace casewright {

namespace {

QStringList namesOf(const TemplateScan& scan) {
    QStringList names;
    for (const TemplateEntry& entry : scan.entries) {
        names.append(entry.backFileName);
    }
    return names;
}

}  // namespace

TEST(TemplateLabelTest, CutsExtensionThenPrefixThenSpaces) {
    EXPECT_EQ(TemplateLabel::fromFileName("CD-[BACK]-Blue Sky.jpg"), "Blue Sky");
    EXPECT_EQ(TemplateLabel::fromFileName("CD-[BACK]-  Spaced Out  .png"), "Spaced Out");
    EXPECT_EQ(TemplateLabel::fromFileName("Retro-Wave-[BACK]-Neon Grid.tar.jpg"), "Neon Grid.tar");
    EXPECT_EQ(TemplateLabel::fromFileName("[BACK]Sunset.jpg"), "[BACK]Sunset");
    EXPECT_EQ(TemplateLabel::fromFileName("CD-[BACK]-Night"), "Night");
    // The dash is looked for only in what is left after cutting the extension.
    EXPECT_EQ(TemplateLabel::fromFileName("CD [BACK].jpg-copy"), "CD [BACK]");
    EXPECT_EQ(TemplateLabel::fromFileName("CD-[BACK]-.jpg"), "");
}

TEST(TemplatePathsTest, ConventionalNameGivesSamePathsByClickAndByArrow) {
    const TemplateEntry entry{"/lib/CLIPART", "CD-[BACK]-Blue Sky.jpg"};
    for (const TemplatePaths& paths :
         {TemplatePaths::forClick(entry), TemplatePaths::forArrowKey(entry)}) {
        EXPECT_EQ(paths.back, "/lib/CLIPART/CD-[BACK]-Blue Sky.jpg");
        EXPECT_EQ(paths.front, "/lib/CLIPART/CD-[FRONT]-Blue Sky.jpg");
        EXPECT_EQ(paths.disc, "/lib/CLIPART/CD-[DISC]-Blue Sky.jpg");
    }
}

TEST(TemplatePathsTest, BackTwiceInTheNameDiffersBetweenClickAndArrow) {
    const TemplateEntry entry{"/lib/BACKUP/CLIPART", "BACK-[BACK]-Back Road.jpg"};

    const TemplatePaths click = TemplatePaths::forClick(entry);
    const TemplatePaths arrow = TemplatePaths::forArrowKey(entry);

    EXPECT_EQ(click.front, "/lib/BACKUP/CLIPART/BACK-[FRONT]-Back Road.jpg");
    EXPECT_EQ(click.disc, "/lib/BACKUP/CLIPART/BACK-[DISC]-Back Road.jpg");
    // Only the name changes, never the folder; "Back" in mixed case stays.
    EXPECT_EQ(arrow.front, "/lib/BACKUP/CLIPART/FRONT-[FRONT]-Back Road.jpg");
    EXPECT_EQ(arrow.disc, "/lib/BACKUP/CLIPART/DISC-[DISC]-Back Road.jpg");
    EXPECT_EQ(arrow.back, click.back);
}

TEST(TemplatePathsTest, ClickLeavesNameAloneWhenTargetMarkerIsPresent) {
    const TemplateEntry entry{"/c", "X-[BACK]-[FRONT] Page.png"};
    const TemplatePaths click = TemplatePaths::forClick(entry);
    EXPECT_EQ(click.front, "/c/X-[BACK]-[FRONT] Page.png");
    EXPECT_EQ(click.disc, "/c/X-[DISC]-[FRONT] Page.png");
}

TEST(TemplateCaseFilterTest, EachCaseListsItsOwnTemplatesAndThoseOfNoCase) {
    const QStringList names = {"CD-[BACK]-Sky.jpg",   "DVD-[BACK]-Sky.jpg",  "Mine-[BACK]-Own.png",
                               "[BACK] Bare.png",     "cd-[BACK]-lower.png", "DVD9-[BACK]-Dual.jpg",
                               "CD-[BACK]-Zebra.jpg", "DVD-[BACK]-Zebra.jpg"};
    QVector<TemplateEntry> entries;
    for (const QString& name : names) {
        entries.append({"/lib/CLIPART", name});
    }
    const QStringList ofNoCase = {"Mine-[BACK]-Own.png", "[BACK] Bare.png", "cd-[BACK]-lower.png",
                                  "DVD9-[BACK]-Dual.jpg"};
    const QStringList cd =
        QStringList{"CD-[BACK]-Sky.jpg"} + ofNoCase + QStringList{"CD-[BACK]-Zebra.jpg"};
    const QStringList dvd =
        QStringList{"DVD-[BACK]-Sky.jpg"} + ofNoCase + QStringList{"DVD-[BACK]-Zebra.jpg"};
    const struct {
        int coverType;
        QStringList listed;
    } cases[] = {
        {CoverTypeStandardCD, cd},   {CoverTypeSlimlineCD, cd},   {CoverTypeOther, cd}, {0, cd},
        {CoverTypeStandardDVD, dvd}, {CoverTypeSlimlineDVD, dvd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.coverType);
        QStringList listed;
        for (const TemplateEntry& entry : TemplateCaseFilter::forCoverType(entries, c.coverType)) {
            listed.append(entry.backFileName);
            EXPECT_EQ(entry.folder, "/lib/CLIPART");
        }
        EXPECT_EQ(listed, c.listed);
    }
}

TEST(TemplateFolderScannerTest, ListsBackFilesSortedAndSkipsEverythingElse) {
    TemplateTestFolder folder;
    ASSERT_TRUE(folder.addImage("CD-[BACK]-b.jpg", Qt::red));
    ASSERT_TRUE(folder.addImage("CD-[BACK]-A.png", Qt::red));
    ASSERT_TRUE(folder.addImage("CD-[FRONT]-A.png", Qt::red));
    ASSERT_TRUE(folder.addImage("CD-[DISC]-A.png", Qt::red));
    ASSERT_TRUE(folder.addBytes("CD-[BACK]-notes.txt", "listed, though no picture"));
    ASSERT_TRUE(folder.addBytes(".CD-[BACK]-hidden.jpg", "x"));
    ASSERT_TRUE(folder.addBytes("CD-[BACK]-backup.jpg~", "x"));
    ASSERT_TRUE(folder.addBytes("CD-[BACK]-download.jpg.part", "x"));
    ASSERT_TRUE(folder.addBytes("CD-[BACK]-scratch.tmp", "x"));
    ASSERT_TRUE(folder.addBytes("cd-[back]-lower.jpg", "x"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("Folder-[BACK]-x.jpg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.file("Pipe-[BACK]-x.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(folder.file("gone.jpg"), folder.file("Broken-[BACK]-x.jpg")));
    ASSERT_TRUE(QFile::link(folder.file("CD-[BACK]-b.jpg"), folder.file("Link-[BACK]-b.jpg")));

    const TemplateScan scan = TemplateFolderScanner::scan({folder.path()});

    EXPECT_EQ(namesOf(scan), QStringList({"CD-[BACK]-A.png", "CD-[BACK]-b.jpg",
                                          "CD-[BACK]-notes.txt", "Link-[BACK]-b.jpg"}));
    EXPECT_TRUE(scan.errors.isEmpty());
    ASSERT_FALSE(scan.entries.isEmpty());
    EXPECT_EQ(scan.entries[0].backPath(), folder.file("CD-[BACK]-A.png"));
}

TEST(TemplateFolderScannerTest, EarlierFolderShadowsSameNameAndFoldersAreReadOnce) {
    TemplateTestFolder beside;
    TemplateTestFolder installed;
    ASSERT_TRUE(beside.addImage("CD-[BACK]-Shared.png", Qt::red));
    ASSERT_TRUE(beside.addImage("CD-[BACK]-Zebra.png", Qt::red));
    ASSERT_TRUE(installed.addImage("CD-[BACK]-Shared.png", Qt::blue));
    ASSERT_TRUE(installed.addImage("CD-[BACK]-Apple.png", Qt::blue));

    const TemplateScan scan = TemplateFolderScanner::scan(
        {beside.path(), beside.path() + "/", installed.path(), beside.path() + "/../CLIPART"});

    EXPECT_EQ(namesOf(scan),
              QStringList({"CD-[BACK]-Shared.png", "CD-[BACK]-Zebra.png", "CD-[BACK]-Apple.png"}));
    EXPECT_EQ(scan.entries[0].folder, beside.path());
    EXPECT_EQ(scan.entries[2].folder, installed.path());
}

TEST(TemplateFolderScannerTest, MissingFolderIsEmptyWithoutError) {
    TemplateTestFolder folder;
    ASSERT_TRUE(folder.addBytes("plain-file", "x"));
    const TemplateScan scan =
        TemplateFolderScanner::scan({folder.root() + "/nowhere", folder.file("plain-file")});
    EXPECT_TRUE(scan.entries.isEmpty());
    EXPECT_TRUE(scan.errors.isEmpty());
}

TEST(TemplateFolderScannerTest, UnlistableFolderReportsSystemTextAndKeepsOthers) {
    TemplateTestFolder good;
    ASSERT_TRUE(good.addImage("CD-[BACK]-Kept.png", Qt::red));
    const QString loop = good.root() + "/loop";
    ASSERT_TRUE(QFile::link(loop, loop));  // a link to itself cannot be opened

    const TemplateScan scan = TemplateFolderScanner::scan({good.path(), loop});

    EXPECT_EQ(namesOf(scan), QStringList({"CD-[BACK]-Kept.png"}));
    EXPECT_EQ(scan.errors, QStringList({QString::fromLocal8Bit(std::strerror(ELOOP))}));
}

TEST(TemplateFolderScannerTest, DefaultFoldersLookBesideProgramThenInDataFolder) {
    const QStringList folders = TemplateFolderScanner::defaultFolders();
    const QDir programFolder(QCoreApplication::applicationDirPath());
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders[0], programFolder.filePath("CLIPART"));
    EXPECT_EQ(folders[1],
              QDir::cleanPath(programFolder.filePath(CASEWRIGHT_DATA_DIR_FROM_PROGRAM "/CLIPART")));
    EXPECT_EQ(folders[2], QStringLiteral(CASEWRIGHT_DATA_DIR "/CLIPART"));
}

}  // namespace casewright
