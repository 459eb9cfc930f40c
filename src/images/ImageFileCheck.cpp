#include "images/ImageFileCheck.h"

#include <QDir>
#include <QObject>

namespace casewright {

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

QString formatName(ImageFileFormat format) {
    switch (format) {
        case ImageFileFormat::Jpeg:
            return QStringLiteral("JPEG");
        case ImageFileFormat::Png:
            return QStringLiteral("PNG");
        case ImageFileFormat::Bmp:
            return QStringLiteral("bitmap");
        case ImageFileFormat::Tiff:
            return QStringLiteral("TIFF");
        case ImageFileFormat::Gif:
            return QStringLiteral("GIF");
        case ImageFileFormat::Ico:
            return QStringLiteral("icon");
        case ImageFileFormat::None:
            break;
    }
    return QStringLiteral("known");
}

QString sizeText(QSize size) {
    return QStringLiteral("%1 × %2 pixels").arg(size.width()).arg(size.height());
}

ImageFileCheck refused(ImageFileProblem problem, const QString& reason) {
    return ImageFileCheck{problem, reason};
}

}  // namespace

ImageFileCheck ImageFileCheck::missing() {
    return refused(ImageFileProblem::Missing, QObject::tr("There is no such file."));
}

ImageFileCheck ImageFileCheck::notRegularFile() {
    return refused(ImageFileProblem::NotRegularFile,
                   QObject::tr("It is not a regular file but a folder, a device or a pipe."));
}

ImageFileCheck ImageFileCheck::unreadable(const QString& systemError) {
    return refused(ImageFileProblem::Unreadable,
                   QObject::tr("It cannot be opened: %1.").arg(systemError));
}

ImageFileCheck ImageFileCheck::unknownFormat() {
    return refused(ImageFileProblem::UnknownFormat,
                   QObject::tr("Its name does not end in .jpg, .jpeg, .png, .bmp, .tif, .tiff, "
                               ".gif or .ico, the kinds of image Casewright reads."));
}

ImageFileCheck ImageFileCheck::tooManyPixels(QSize size, qint64 maxPixels) {
    return refused(ImageFileProblem::TooManyPixels,
                   QObject::tr("It is %1; Casewright draws images of up to %2 million pixels.")
                       .arg(sizeText(size))
                       .arg(maxPixels / 1'000'000));
}

ImageFileCheck ImageFileCheck::tooMuchMemory(QSize size, qint64 bytes, qint64 maxBytes) {
    return refused(ImageFileProblem::TooMuchMemory,
                   QObject::tr("It is %1 and would need %2 MB of memory to draw; Casewright "
                               "uses at most %3 MB for one image. Save it at a smaller size or "
                               "with 8 bits per channel.")
                       .arg(sizeText(size))
                       .arg((bytes + kMegabyte - 1) / kMegabyte)
                       .arg(maxBytes / kMegabyte));
}

ImageFileCheck ImageFileCheck::tooManyScans() {
    return refused(ImageFileProblem::TooManyScans,
                   QObject::tr("It is a JPEG file made of so many scans that it would take very "
                               "long to decode. Save it as a baseline JPEG."));
}

ImageFileCheck ImageFileCheck::floatingPoint() {
    return refused(ImageFileProblem::FloatingPoint,
                   QObject::tr("Its colours are stored as floating-point numbers, which Casewright "
                               "cannot draw. Save it with 8 or 16 bits per channel."));
}

ImageFileCheck ImageFileCheck::undecodable(ImageFileFormat format) {
    return refused(ImageFileProblem::Undecodable,
                   QObject::tr("It cannot be read as a %1 image: the file is damaged or holds "
                               "another kind of picture.")
                       .arg(formatName(format)));
}

QString ImageRefusalText(const QString& path, const ImageFileCheck& check) {
    return QObject::tr("The image \"%1\" cannot be used.\n\n%2")
        .arg(QDir::toNativeSeparators(path), check.reason);
}

}  // namespace casewright
