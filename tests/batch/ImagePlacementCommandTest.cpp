#include <QImage>

#include "BatchTestSupport.h"

namespace casewright {

namespace {

class ImagePlacementCommandTest : public BatchTest {
protected:
    // A DVD design with a square red picture over the whole cover, laid in by
    // the given --image-mode options, on a green background.
    Run NewDvd(const QStringList& modes) {
        QImage square(40, 40, QImage::Format_RGB32);
        square.fill(QColor(220, 0, 0));
        square.save(tempPath("square.png"));
        QStringList args = {"new",
                            "--type",
                            "2",
                            "--bg-color",
                            "#00C800",
                            "--stretch-image",
                            tempPath("square.png"),
                            "--force",
                            tempPath("dvd.jkt")};
        for (const QString& mode : modes) {
            args << "--image-mode" << mode;
        }
        return RunCommand(args);
    }
};

}  // namespace

TEST_F(ImagePlacementCommandTest, NewStoresTheModesInfoShowsThemAndRenderDrawsThem) {
    ASSERT_EQ(NewDvd({"whole=fit", "disc=fill"}).code, kExitOk);
    const Run info = RunCommand({"info", tempPath("dvd.jkt")});
    ASSERT_EQ(info.code, kExitOk);
    EXPECT_EQ(InfoValue(info.out, "sImagePlacement"), "FIT");
    EXPECT_EQ(InfoValue(info.out, "dImagePlacement"), "FILL");
    EXPECT_EQ(InfoValue(info.out, "dImageCropY"), "0");
    EXPECT_EQ(InfoValue(info.out, "fImagePlacement"), "<missing>");

    // Fitted: a red square in the middle, the background on either side; the
    // picture prints far too coarse, which is said and is no failure.
    const QString png = tempPath("dvd.png");
    const Run render = RunCommand({"render", tempPath("dvd.jkt"), "--dpi", "30", "-o", png});
    ASSERT_EQ(render.code, kExitOk) << render.err.toStdString();
    EXPECT_TRUE(render.err.contains("warning: Cover image: 5 ppi, will look blurred"))
        << render.err.toStdString();
    const QImage image(png);
    const int middle = image.height() / 2;
    EXPECT_EQ(QColor(image.pixel(10, middle)), QColor(0, 200, 0));
    EXPECT_EQ(QColor(image.pixel(image.width() - 10, middle)), QColor(0, 200, 0));
    EXPECT_EQ(QColor(image.pixel(image.width() / 2 - 30, middle)), QColor(220, 0, 0));

    const Run print = RunCommand({"print", tempPath("dvd.jkt"), "-o", tempPath("dvd.pdf")});
    ASSERT_EQ(print.code, kExitOk) << print.err.toStdString();
    EXPECT_TRUE(print.err.contains("warning: Cover image: 5 ppi, will look blurred"));
}

TEST_F(ImagePlacementCommandTest, RefusesUnknownSurfacesAndModes) {
    for (const char* mode : {"whole=tile", "side=fit", "fit", "=fill"}) {
        SCOPED_TRACE(mode);
        const Run run = NewDvd({QString::fromLatin1(mode)});
        EXPECT_EQ(run.code, kExitUsage);
        EXPECT_TRUE(run.err.contains("bad --image-mode")) << run.err.toStdString();
    }
}

}  // namespace casewright
