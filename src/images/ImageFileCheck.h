#pragma once

#include <QSize>
#include <QString>

#include "images/ImageFormatRule.h"

namespace casewright {

// Why an image file will never be drawn.
enum class ImageFileProblem {
    None,
    Missing,
    NotRegularFile,  // a folder, a device or a pipe
    Unreadable,      // exists but cannot be opened
    UnknownFormat,   // its name names no format the program reads
    TooManyPixels,
    TooMuchMemory,
    TooManyScans,   // a JPEG whose scans would take too long to decode
    FloatingPoint,  // colour samples the drawing code has no conversion for
    Undecodable,
};

// The outcome of reading an image file: whether it can be drawn and, when
// not, a sentence that tells the user why.
struct ImageFileCheck {
    ImageFileProblem problem = ImageFileProblem::None;
    QString reason;

    bool drawable() const { return problem == ImageFileProblem::None; }

    static ImageFileCheck missing();
    static ImageFileCheck notRegularFile();
    static ImageFileCheck unreadable(const QString& systemError);
    static ImageFileCheck unknownFormat();
    static ImageFileCheck tooManyPixels(QSize size, qint64 maxPixels);
    static ImageFileCheck tooMuchMemory(QSize size, qint64 bytes, qint64 maxBytes);
    static ImageFileCheck tooManyScans();
    static ImageFileCheck floatingPoint();
    static ImageFileCheck undecodable(ImageFileFormat format);
};

// The message shown when an image is refused: the file, then the reason.
QString ImageRefusalText(const QString& path, const ImageFileCheck& check);

}  // namespace casewright
