// libFuzzer target: feeds arbitrary bytes to the cover file reader as a file
// and checks that it neither crashes nor writes a temporary image anywhere
// but its own folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "document/CoverDocument.h"
#include "document/CoverFileReader.h"

using namespace casewright;

namespace {

struct FuzzSetup {
    QTemporaryDir root;
    QString coverPath;
    QString imageFolder;

    FuzzSetup() {
        qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toUtf8());
        qputenv("XDG_CACHE_HOME", (root.path() + "/cache").toUtf8());
        coverPath = root.path() + "/input.jkt";
        imageFolder = root.path() + "/images";
        QDir().mkpath(imageFolder);
    }
};

FuzzSetup& Setup() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static FuzzSetup setup;
    return setup;
}

bool InsideImageFolder(const QString& path, const QString& folder) {
    return path.isEmpty() || QDir::cleanPath(path).startsWith(folder + "/");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSetup& setup = Setup();
    {
        QFile file(setup.coverPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    ReadCoverFile(doc, setup.coverPath, 96, setup.imageFolder);
    for (const QString& p : {doc.fImagePath, doc.bImagePath, doc.sImagePath, doc.dImagePath}) {
        if (!InsideImageFolder(p, setup.imageFolder)) {
            std::abort();
        }
    }
    // Nothing may appear beside the folder either (a "../x" extension).
    if (QDir(setup.root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() > 4) {
        std::abort();
    }
    return 0;
}
