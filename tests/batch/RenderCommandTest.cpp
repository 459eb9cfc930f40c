#include <QImage>
#include <QPainter>

#include "BatchTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"

namespace casewright {

namespace {

const QColor kBackground(0, 200, 0);
const QColor kImage(220, 0, 0);

class RenderCommandTest : public BatchTest {
protected:
    // A design of the given type saved to a cover file, with a solid image
    // on every surface and a green background.
    QString SaveDesign(int coverType, const std::function<void(CoverDocument&)>& edit = {}) {
        QImage solid(40, 30, QImage::Format_RGB32);
        solid.fill(kImage);
        const QString imagePath = tempPath("solid.png");
        solid.save(imagePath);
        CoverDocument doc;
        doc.ResetToNewDesign(coverType, 96);
        doc.fBGColor = doc.bBGColor = doc.dBGColor = FromQColor(kBackground);
        doc.fImagePath = doc.bImagePath = doc.dImagePath = doc.sImagePath = imagePath;
        if (edit) {
            edit(doc);
        }
        const QString path = tempPath(QStringLiteral("design%1.jkt").arg(coverType));
        EXPECT_TRUE(WriteCoverFile(doc, path));
        return path;
    }
    static QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }
};

}  // namespace

TEST_F(RenderCommandTest, StandardCdBackCoverAtTrueSize) {
    const QString file = SaveDesign(CoverTypeStandardCD, [](CoverDocument& doc) {
        doc.bBackPrintOverSpines = false;
        doc.bShowBorder = false;
    });
    const QString out = tempPath("back.png");
    const Run run = RunCommand({"render", file, "back", "--dpi", "96", "-o", out});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(568, 444));
    EXPECT_EQ(qRound(image.dotsPerMeterX() * 0.0254), 96);
    // Spines of 24 pixels left free of the image.
    EXPECT_EQ(At(image, 23, 300), kBackground);
    EXPECT_EQ(At(image, 24, 300), kImage);
    EXPECT_EQ(At(image, 543, 300), kImage);
    EXPECT_EQ(At(image, 544, 300), kBackground);
}

TEST_F(RenderCommandTest, DefaultsToTheBackAt300DpiBesideTheInput) {
    const QString file = SaveDesign(CoverTypeStandardCD);
    const Run run = RunCommand({"render", file});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    const QImage image(tempPath("design1-back.png"));
    EXPECT_EQ(image.size(), QSize(1777, 1387));  // 5.925 x 4.625 in, truncated
    EXPECT_EQ(qRound(image.dotsPerMeterY() * 0.0254), 300);
}

TEST_F(RenderCommandTest, DiscIsWhiteOutsideItsShapeWithABlankHub) {
    const QString file = SaveDesign(CoverTypeSlimlineDVD, [](CoverDocument& doc) {
        doc.printOverInnerCircleDisc = false;
        doc.dShowBorder = false;
    });
    const QString out = tempPath("disc.png");
    ASSERT_EQ(RunCommand({"render", file, "--surface", "disc", "--dpi", "96", "-o", out}).code,
              kExitOk);
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(449, 449));
    EXPECT_EQ(At(image, 0, 0), QColor(Qt::white));
    EXPECT_EQ(At(image, 448, 448), QColor(Qt::white));
    EXPECT_EQ(At(image, 224, 20), kImage);
    EXPECT_EQ(At(image, 224, 224), QColor(Qt::white));
}

TEST_F(RenderCommandTest, EachCaseTypeDrawsItsOwnCover) {
    const QString dvd = SaveDesign(CoverTypeStandardDVD);
    ASSERT_EQ(RunCommand({"render", dvd, "cover", "--dpi", "96", "-o", tempPath("d.png")}).code,
              kExitOk);
    EXPECT_EQ(QImage(tempPath("d.png")).size(), QSize(1030, 691));

    const QString slim = SaveDesign(CoverTypeSlimlineCD);
    ASSERT_EQ(RunCommand({"render", slim, "--dpi", "96", "-o", tempPath("s.png")}).code, kExitOk);
    const QImage insert(tempPath("s.png"));
    EXPECT_EQ(insert.size(), QSize(589, 457));
    EXPECT_EQ(At(insert, 5, 2), QColor(Qt::white));  // cut-outs stay blank on paper

    // "Other" is drawn as a standard CD case.
    const QString other = SaveDesign(CoverTypeOther);
    ASSERT_EQ(RunCommand({"render", other, "front", "--dpi", "96", "-o", tempPath("o.png")}).code,
              kExitOk);
    EXPECT_EQ(QImage(tempPath("o.png")).size(), QSize(454, 454));
}

TEST_F(RenderCommandTest, SurfacesACaseDoesNotHaveAreUsageErrors) {
    const QString dvd = SaveDesign(CoverTypeStandardDVD);
    const Run run = RunCommand({"render", dvd, "front", "-o", tempPath("x.png")});
    EXPECT_EQ(run.code, kExitUsage);
    EXPECT_TRUE(run.err.contains("no front surface"));
    EXPECT_FALSE(QFileInfo::exists(tempPath("x.png")));
}

TEST_F(RenderCommandTest, UsageAndFailures) {
    const QString file = SaveDesign(CoverTypeStandardCD);
    EXPECT_EQ(RunCommand({"render"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"render", file, "spine"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"render", file, "disc", "--surface", "back"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"render", file, "--dpi", "0"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"render", file, "--dpi", "5000"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"render", file, "--font-dpi", "x"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"render", file, "--bogus"}).code, kExitUsage);

    EXPECT_EQ(RunCommand({"render", tempPath("missing.jkt")}).code, kExitFailure);
    WriteBytes(tempPath("junk.jkt"), "not a cover");
    EXPECT_EQ(RunCommand({"render", tempPath("junk.jkt")}).code, kExitFailure);
    const Run unwritable =
        RunCommand({"render", file, "--dpi", "10", "-o", tempPath("no/such/dir/out.png")});
    EXPECT_EQ(unwritable.code, kExitFailure);
    EXPECT_TRUE(unwritable.err.contains("cannot write"));

    const Run help = RunCommand({"render", "--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_TRUE(help.out.startsWith("Usage: casewright-batch render"));
}

// The DVD spine switch travels in the file as the print-over flag; the
// rendered wrap follows it instead of always drawing the spine lines.
TEST_F(RenderCommandTest, DvdSpineLinesFollowTheSavedSpineSwitch) {
    auto interiorLines = [this](bool spineOn) {
        const QString file = SaveDesign(CoverTypeStandardDVD, [spineOn](CoverDocument& doc) {
            doc.fImagePath.clear();
            doc.bImagePath.clear();
            doc.sImagePath.clear();
            doc.bBackPrintOverSpines = spineOn;
            doc.backCoverSpinesOn = spineOn;
        });
        const QString out = tempPath("wrap.png");
        const Run run = RunCommand({"render", file, "cover", "--dpi", "96", "-o", out});
        EXPECT_EQ(run.code, kExitOk) << run.err.toStdString();
        const QImage image(out);
        int dark = 0;
        const int y = image.height() / 2;
        for (int x = 2; x < image.width() - 2; ++x) {
            dark += At(image, x, y) != kBackground ? 1 : 0;
        }
        return dark;
    };
    EXPECT_EQ(interiorLines(false), 0);
    EXPECT_EQ(interiorLines(true), 2);
}

}  // namespace casewright
