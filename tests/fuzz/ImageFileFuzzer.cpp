// libFuzzer target "image-file": feeds arbitrary bytes to the image reader
// from memory. An input is a file name, a NUL byte and the file's bytes: the
// name goes through the same format choice as a path does, the bytes through
// the header checks, the limits and the decoder. What must hold for every
// input:
// - reading never crashes, and never decodes more than the limits allow;
// - a refusal always says why, and a drawn image is never refused;
// - a reduced read is never larger than the picture, and still as large as
//   asked for when it was reduced for the request.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "images/FreeImageFileReader.h"
#include "images/FreeImageSession.h"

using namespace casewright;

namespace {

#define CHECK(condition)                                                                 \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (false)

// Far below the program's own, so that no input costs more than about a
// millisecond and the sanitizers' memory stays within bounds; the code that
// applies them is the same, and a small budget reaches its refusals and
// reduced reads with small inputs.
ImageLimits FuzzingLimits() {
    ImageLimits limits;
    limits.maxPixels = 250'000;
    limits.maxDecodingBytes = 4LL * 1024 * 1024;
    limits.maxJpegScans = 20;
    limits.maxJpegBlockPasses = 400'000;
    return limits;
}

void CheckRead(QByteArrayView bytes, const QString& name, const ImageReadRequest& request) {
    const ImageReadResult read = FreeImageFileReader::readBytes(bytes, name, request);
    if (read.image.isNull()) {
        CHECK(!read.check.drawable());
        CHECK(!read.check.reason.isEmpty());
        CHECK(!read.reducedForRequest);
        return;
    }
    CHECK(read.check.drawable());
    CHECK(!read.fullSize.isEmpty());
    CHECK(qint64(read.fullSize.width()) * read.fullSize.height() <= request.limits.maxPixels);
    CHECK(read.image.width() <= read.fullSize.width());
    CHECK(read.image.height() <= read.fullSize.height());
    if (read.reducedForRequest) {
        CHECK(read.image.width() >= request.atLeast.width() ||
              read.image.width() == read.fullSize.width());
        CHECK(read.image.height() >= request.atLeast.height() ||
              read.image.height() == read.fullSize.height());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FreeImageSession session;
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype nul = input.indexOf('\0');
    if (nul < 0 || nul > 255) {
        return 0;
    }
    const QString name = QString::fromUtf8(input.first(nul));
    const QByteArrayView bytes = input.sliced(nul + 1);
    ImageReadRequest whole;
    whole.limits = FuzzingLimits();
    CheckRead(bytes, name, whole);
    ImageReadRequest reduced = whole;
    reduced.atLeast = QSize(7, 5);
    CheckRead(bytes, name, reduced);
    return 0;
}
