// A process that holds a temporary image folder until it is killed, for the
// tests of folders left behind by processes that ended without cleaning up.
//   hold_image_folder PARENT     prints the folder's path, then waits
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "document/TemporaryImageFolder.h"

using namespace casewright;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        return 2;
    }
    TemporaryImageFolder folder(QString::fromLocal8Bit(argv[1]));
    const QString path = folder.path();
    QFile image(path + QStringLiteral("/tmpfront.png"));
    if (path.isEmpty() || !image.open(QIODevice::WriteOnly) || image.write("image") != 5) {
        return 1;
    }
    image.close();
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    for (;;) {
        ::pause();
    }
}
