// Time to draw a file manager's thumbnail (256 x 256) of a cover file holding
// a 24-megapixel JPEG photograph, from the file's bytes in memory: the
// standard CD front, the DVD wrap's front half of an image over the whole
// wrap, and the disc of a design with a blank front. For comparison, the
// same photograph decoded whole, as a thumbnailer without reduced decoding
// would have to.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>

#include "app/CoverThumbnail.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileWriter.h"
#include "images/FreeImageFileReader.h"
#include "images/FreeImageSession.h"

using namespace casewright;

namespace {

// A noisy photograph stand-in, so decoding does real work.
const QByteArray& Photo() {
    static const QByteArray bytes = [] {
        QImage photo(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < photo.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                line[x] =
                    qRgb(x * 256 / photo.width(), y * 256 / photo.height(), random.bounded(256));
            }
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "JPEG", 85);
        return jpeg;
    }();
    return bytes;
}

QByteArray Cover(int coverType, int block) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType, 96);
    doc.fCoverTitle = block == CoverFileFormat::DiscBlock ? QString() : QStringLiteral("Summer");
    doc.CoverOption = 0;
    QString* paths[] = {&doc.fImagePath, &doc.bImagePath, &doc.sImagePath, &doc.dImagePath};
    *paths[block] = QStringLiteral("/photos/photo.jpg");
    QByteArray file = CoverFileTextSection(doc);
    for (int b = 0; b < CoverFileFormat::kImageBlockCount; ++b) {
        file += CoverFileFormat::ImageStartMarker(b) + (b == block ? Photo() : QByteArray()) +
                CoverFileFormat::ImageEndMarker(b);
    }
    return file;
}

void Thumbnail(benchmark::State& state, int coverType, int block) {
    const QByteArray file = Cover(coverType, block);
    for (auto _ : state) {
        const CoverThumbnail thumbnail = CoverThumbnail::draw(file, 256);
        benchmark::DoNotOptimize(thumbnail.image.constBits());
        if (thumbnail.image.isNull()) {
            state.SkipWithError("no thumbnail");
        }
    }
}

void WholeDecode(benchmark::State& state) {
    for (auto _ : state) {
        const ImageReadResult read =
            FreeImageFileReader::readBytes(Photo(), QStringLiteral("photo.jpg"));
        benchmark::DoNotOptimize(read.image.constBits());
    }
}

}  // namespace

BENCHMARK_CAPTURE(Thumbnail, StandardFront24MP, CoverTypeStandardCD, CoverFileFormat::FrontBlock)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Thumbnail, DvdWrapFront24MP, CoverTypeStandardDVD, CoverFileFormat::StretchBlock)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Thumbnail, BlankFrontDisc24MP, CoverTypeStandardCD, CoverFileFormat::DiscBlock)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WholeDecode)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const FreeImageSession decoder;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
