#pragma once

#include <QString>

namespace casewright {

// The image file formats the program reads.
enum class ImageFileFormat { None, Jpeg, Png, Bmp, Tiff, Gif, Ico };

// Which format a path is read in. When the file's own name ends in one of
// ".JPG"/".JPEG", ".PNG", ".BMP", ".TIF"/".TIFF", ".GIF" or ".ICO" (in any
// letter case), that extension decides, whatever the folders are called. Only
// a name that ends otherwise falls back to the older rule that stored designs
// rely on: the upper-cased path is searched for those extensions in that
// order, anywhere, and the last one found decides; so "photo.jpgx" is read as
// JPEG and a file without extension in a folder named "scans.bmp" as a bitmap.
class ImageFormatRule {
public:
    static ImageFileFormat formatForPath(const QString& path);
    static bool isRecognised(const QString& path) {
        return formatForPath(path) != ImageFileFormat::None;
    }
};

}  // namespace casewright
