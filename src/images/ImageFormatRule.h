#pragma once

#include <QString>

namespace casewright {

// The image file formats the program reads.
enum class ImageFileFormat { None, Jpeg, Png, Bmp, Tiff, Gif, Ico };

// Which format a path is read in. The upper-cased path is searched for
// ".JPG"/".JPEG", ".PNG", ".BMP", ".TIF"/".TIFF", ".GIF" and ".ICO" in that
// order, anywhere in the path; the last extension found decides. Stored
// designs rely on this rule, so a file named "photo.jpg.png" is read as PNG
// and a file in a folder named "scans.bmp" is read as a bitmap.
class ImageFormatRule {
public:
    static ImageFileFormat formatForPath(const QString& path);
    static bool isRecognised(const QString& path) {
        return formatForPath(path) != ImageFileFormat::None;
    }
};

}  // namespace casewright
