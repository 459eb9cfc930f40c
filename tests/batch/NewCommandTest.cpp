#include <QImage>
#include <QRegularExpression>

#include "BatchTestSupport.h"
#include "app/SettingsStore.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"
#include "images/ImageLoader.h"
#include "support/HostileImageFiles.h"

namespace casewright {

namespace {

QByteArray NewDesignBytes(int coverType) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType, 96);
    return CoverFileTextSection(doc) +
           "[IMAGE1][ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4][ENDIMAGE4]";
}

}  // namespace

TEST_F(BatchTest, NewWritesTheDesignersNewDesign) {
    const QString path = tempPath("a.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "1", "-o", path}).code, kExitOk);
    EXPECT_EQ(ReadBytes(path), NewDesignBytes(CoverTypeStandardCD));
    EXPECT_TRUE(ReadBytes(path).startsWith("[BEGIN][covertype]=1[ENDcovertype]"));

    SettingsStore settings;
    settings.Option = CoverTypeStandardDVD;
    ASSERT_TRUE(settings.save());
    const QString dvd = tempPath("dvd.jkt");
    ASSERT_EQ(RunCommand({"new", dvd}).code, kExitOk);  // type from the settings
    EXPECT_EQ(ReadBytes(dvd), NewDesignBytes(CoverTypeStandardDVD));
}

TEST_F(BatchTest, NewReplacesAFileOnlyWhenForced) {
    const QString path = tempPath("exists.jkt");
    WriteBytes(path, "keep me");
    const Run refused = RunCommand({"new", "--type", "4", path});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_EQ(ReadBytes(path), "keep me");

    ASSERT_EQ(RunCommand({"new", "--type", "4", "--force", path}).code, kExitOk);
    EXPECT_EQ(ReadBytes(path), NewDesignBytes(CoverTypeSlimlineCD));
}

TEST_F(BatchTest, NewOptionsSetTextsColoursAndImages) {
    const QString image = tempPath("pic.png");
    const QByteArray picture = HostileImageFiles::png(3, 2);
    WriteBytes(image, picture);
    const QString path = tempPath("opts.jkt");
    const Run run = RunCommand({"new",
                                "--type",
                                "2",
                                "--front-title",
                                "One\\nTwo",
                                "--back-text",
                                "real\nbreak",
                                "--disc-title",
                                "a\\\\n",
                                "--spine",
                                "S",
                                "--bg-color",
                                "#102030",
                                "--text-color",
                                "#FFFFFF",
                                "--stretch-image",
                                image,
                                "--image",
                                "disc=" + image,
                                path});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();

    const Run info = RunCommand({"info", path});
    ASSERT_EQ(info.code, kExitOk);
    EXPECT_EQ(InfoValue(info.out, "fCoverTitle"), "One\\r\\nTwo");
    EXPECT_EQ(InfoValue(info.out, "bCoverText"), "real\\r\\nbreak");
    EXPECT_EQ(InfoValue(info.out, "dCoverTitle"), "a\\\\n");
    EXPECT_EQ(InfoValue(info.out, "backCoverSpineText"), "S");
    for (const char* key : {"fBGColor", "bBGColor", "dBGColor"}) {
        EXPECT_EQ(InfoValue(info.out, key), QString::number(0x302010)) << key;
    }
    EXPECT_EQ(InfoValue(info.out, "dCoverTextColor"), "16777215");
    EXPECT_EQ(InfoValue(info.out, "image3"), QString::number(picture.size()));
    EXPECT_EQ(InfoValue(info.out, "image4"), QString::number(picture.size()));
}

TEST_F(BatchTest, EveryFieldRoundTripsThroughNewSetAndInfo) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeSlimlineDVD, 96);
    doc.fCoverText = QStringLiteral("a\\b\r\nc\rd\ne");
    doc.dCoverTitle = QString::fromUtf8("Été €");
    doc.bCoverAlign = RIGHT;
    doc.dCoverTextFont.weight = 700;
    doc.fBGColor = 0x00ABCDEF;
    doc.printOverInnerCircleDisc = false;
    doc.bCoverTextFont.underline = 1;
    doc.bImagePath = tempPath("back.bmp");
    QImage back(4, 4, QImage::Format_RGB32);
    back.fill(Qt::red);
    ASSERT_TRUE(back.save(doc.bImagePath, "BMP"));
    const QString original = tempPath("original.jkt");
    ASSERT_TRUE(WriteCoverFile(doc, original));
    const Run first = RunCommand({"info", original});
    ASSERT_EQ(first.code, kExitOk);

    // Extracted images live only while a command runs: the copy takes the
    // back image from its source, and the folders' names are left out.
    QStringList args = {
        "new", "--type", "5", "-o", tempPath("copy.jkt"), "--image", "back=" + doc.bImagePath};
    for (const QString& line : first.out.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith("image") && !line.startsWith("bImagePath=")) {
            args << "--set" << line;
        }
    }
    const Run made = RunCommand(args);
    ASSERT_EQ(made.code, kExitOk) << made.err.toStdString();
    const Run second = RunCommand({"info", tempPath("copy.jkt")});
    const QRegularExpression folder(QStringLiteral("/images/[0-9]+-[0-9]+/"));
    EXPECT_EQ(QString(second.out).replace(folder, "/images/N/"),
              QString(first.out).replace(folder, "/images/N/"));
    EXPECT_EQ(InfoValue(second.out, "fCoverText"), "a\\\\b\\r\\nc\\rd\\ne");
}

TEST_F(BatchTest, NewRejectsWhatItCannotUse) {
    const QString path = tempPath("bad.jkt");
    const QList<QStringList> usageErrors = {
        {"new"},
        {"new", "a.jkt", "b.jkt"},
        {"new", "--type", "6", path},
        {"new", "--type", "two", path},
        {"new", "--unknown", path},
        {"new", "--set", "nosuchkey=1", path},
        {"new", "--set", "fShowBorder=yes", path},
        {"new", "--set", "fCoverAlign=center", path},
        {"new", "--set", "covertype=07", path},
        {"new", "--set", "fCoverTitle=bad\\escape", path},
        {"new", "--set", "fCoverTitle", path},
        {"new", "--bg-color", "red", path},
        {"new", "--image", "spine=x.png", path},
        {"new", "--front-title"},
    };
    for (const QStringList& args : usageErrors) {
        const Run run = RunCommand(args);
        EXPECT_EQ(run.code, kExitUsage) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(path));

    const Run missingImage = RunCommand({"new", "--front-image", tempPath("none.png"), path});
    EXPECT_EQ(missingImage.code, kExitFailure);
    EXPECT_TRUE(missingImage.err.contains("none.png"));
    EXPECT_FALSE(QFileInfo::exists(path));

    // An image the designer would refuse is refused before anything is written.
    namespace Files = HostileImageFiles;
    const QString damaged = tempPath("damaged.png");
    const QString pipe = tempPath("pipe.png");
    const QString deep = tempPath("deep.png");
    const QString scans = tempPath("scans.jpg");
    WriteBytes(damaged, "not a picture at all");
    ASSERT_TRUE(Files::makeFifo(pipe));
    WriteBytes(deep, Files::png(14000, 14000, 16, 2));
    WriteBytes(scans, Files::progressiveJpeg(2000, 2000, 2000));
    for (const QString& image : {damaged, pipe, deep, scans}) {
        for (const QStringList& option :
             {QStringList{"--front-image", image}, QStringList{"--image", "disc=" + image}}) {
            SCOPED_TRACE(option.join(' ').toStdString());
            const Run refused = RunCommand(QStringList{"new"} + option + QStringList{path});
            EXPECT_EQ(refused.code, kExitFailure);
            EXPECT_TRUE(refused.err.contains(image));
            EXPECT_TRUE(refused.err.contains(CheckImageFile(image).reason));
            EXPECT_FALSE(QFileInfo::exists(path));
        }
    }

    const Run help = RunCommand({"new", "--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_TRUE(help.out.contains("--force"));
}

}  // namespace casewright
