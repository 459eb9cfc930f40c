// How much the Templates window adds to opening the designer, and how long
// until every thumbnail shows, with an empty template folder and with 200
// templates of 4-megapixel JPEG photographs.
//
//   build/bench/template_library_bench --benchmark_counters_tabular=true
//
// Three situations: "first" is the very first opening, with no thumbnail ever
// drawn; "restart" a later run of the program (thumbnails kept in the user's
// cache folder); "reopen" another designer window in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "images/FreeImageSession.h"
#include "images/TemplateThumbnailCache.h"
#include "images/TemplateThumbnailDiskCache.h"
#include "images/ui/CTemplatesDlg.h"

using namespace casewright;

namespace {

constexpr int kPhotoWidth = 2309;  // 2309 × 1732 ≈ 4 megapixels
constexpr int kPhotoHeight = 1732;
constexpr int kDistinctPhotos = 4;

struct Library {
    QTemporaryDir root;
    QString empty;
    QString full;
};

Library* library = nullptr;

// Smooth shapes with sensor-like noise, so that the files are as large and as
// slow to decode as real photographs (about 1.5 MB each).
QImage photoLikePicture(int seed) {
    QImage picture(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, kPhotoWidth, kPhotoHeight);
    sky.setColorAt(0, QColor::fromHsv((seed * 70) % 360, 160, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 70 + 150) % 360, 200, 90));
    painter.fillRect(picture.rect(), sky);
    QRandomGenerator random(seed);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 150, 200, 120));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(random.bounded(kPhotoWidth), random.bounded(kPhotoHeight)),
                            random.bounded(40, 300), random.bounded(40, 300));
    }
    painter.end();
    for (int y = 0; y < kPhotoHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kPhotoWidth; ++x) {
            const int noise = random.bounded(-10, 11);
            row[x] =
                qRgb(qBound(0, qRed(row[x]) + noise, 255), qBound(0, qGreen(row[x]) + noise, 255),
                     qBound(0, qBlue(row[x]) + noise, 255));
        }
    }
    return picture;
}

void prepareLibrary() {
    library = new Library;
    library->empty = library->root.path() + "/empty/CLIPART";
    library->full = library->root.path() + "/full/CLIPART";
    QDir().mkpath(library->empty);
    QDir().mkpath(library->full);
    QStringList photos;
    for (int i = 0; i < kDistinctPhotos; ++i) {
        const QString file = library->root.path() + QStringLiteral("/photo%1.jpg").arg(i);
        photoLikePicture(i + 1).save(file, "JPG", 90);
        photos.append(file);
    }
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("/CD-[BACK]-Photo %1.jpg").arg(i, 3, 10, QChar('0'));
        QFile::copy(photos[i % kDistinctPhotos], library->full + name);
    }
}

QString folderFor(int templates) {
    return templates == 0 ? library->empty : library->full;
}

enum class Situation { First, Restart, Reopen };

void forget(Situation situation) {
    if (situation != Situation::Reopen) {
        TemplateThumbnailCache::clear();
    }
    if (situation == Situation::First) {
        QDir(TemplateThumbnailDiskCache::folder()).removeRecursively();
    }
}

std::unique_ptr<CTemplatesDlg> openWindow(CoverDesign& design, QWidget& designer, int templates) {
    return std::make_unique<CTemplatesDlg>(design, CoverTypeStandardCD, false, &designer,
                                           QStringList{folderFor(templates)});
}

void waitForThumbnails(CTemplatesDlg& window) {
    if (window.thumbnailsComplete()) {
        return;
    }
    QEventLoop loop;
    QObject::connect(&window, &CTemplatesDlg::thumbnailsReady, &loop, &QEventLoop::quit);
    loop.exec();
}

// Time spent inside the window's creation, which the designer's opening waits for.
void BM_CreateTemplateWindow(benchmark::State& state, Situation situation) {
    const int templates = static_cast<int>(state.range(0));
    CoverDocument document;
    CoverDesign design(document);
    QWidget designer;
    waitForThumbnails(*openWindow(design, designer, templates));
    for (auto _ : state) {
        state.PauseTiming();
        forget(situation);
        state.ResumeTiming();
        auto window = openWindow(design, designer, templates);
        state.PauseTiming();
        window.reset();  // waits for the thumbnails being drawn at this moment
        state.ResumeTiming();
    }
}

// Time from the start of the window's creation until every thumbnail shows.
void BM_AllThumbnailsShown(benchmark::State& state, Situation situation) {
    const int templates = static_cast<int>(state.range(0));
    CoverDocument document;
    CoverDesign design(document);
    QWidget designer;
    waitForThumbnails(*openWindow(design, designer, templates));
    for (auto _ : state) {
        state.PauseTiming();
        forget(situation);
        state.ResumeTiming();
        auto window = openWindow(design, designer, templates);
        waitForThumbnails(*window);
        benchmark::DoNotOptimize(window->list()->count());
    }
}

BENCHMARK_CAPTURE(BM_CreateTemplateWindow, first, Situation::First)
    ->Arg(0)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CreateTemplateWindow, restart, Situation::Restart)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CreateTemplateWindow, reopen, Situation::Reopen)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_AllThumbnailsShown, first, Situation::First)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_AllThumbnailsShown, restart, Situation::Restart)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_AllThumbnailsShown, reopen, Situation::Reopen)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", cacheHome.path().toUtf8());
    QApplication app(argc, argv);
    FreeImageSession session;
    prepareLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete library;
    return 0;
}
