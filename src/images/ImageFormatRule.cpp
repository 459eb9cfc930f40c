#include "images/ImageFormatRule.h"

#include <array>

namespace casewright {

namespace {

struct ExtensionRule {
    const char* extension;
    ImageFileFormat format;
};

// The order is the one stored designs rely on when the whole path is
// searched. ".TIF" already finds ".TIFF" there, but the file's own name must
// end in one of the spellings, hence both of each.
constexpr std::array<ExtensionRule, 8> kRulesInOrder = {{
    {".JPG", ImageFileFormat::Jpeg},
    {".JPEG", ImageFileFormat::Jpeg},
    {".PNG", ImageFileFormat::Png},
    {".BMP", ImageFileFormat::Bmp},
    {".TIF", ImageFileFormat::Tiff},
    {".TIFF", ImageFileFormat::Tiff},
    {".GIF", ImageFileFormat::Gif},
    {".ICO", ImageFileFormat::Ico},
}};

ImageFileFormat formatOfOwnExtension(const QString& upperPath) {
    for (const ExtensionRule& rule : kRulesInOrder) {
        if (upperPath.endsWith(QLatin1String(rule.extension))) {
            return rule.format;
        }
    }
    return ImageFileFormat::None;
}

ImageFileFormat lastFormatAnywhere(const QString& upperPath) {
    ImageFileFormat decided = ImageFileFormat::None;
    for (const ExtensionRule& rule : kRulesInOrder) {
        if (upperPath.contains(QLatin1String(rule.extension))) {
            decided = rule.format;
        }
    }
    return decided;
}

}  // namespace

ImageFileFormat ImageFormatRule::formatForPath(const QString& path) {
    const QString upper = path.toUpper();
    const ImageFileFormat own = formatOfOwnExtension(upper);
    return own != ImageFileFormat::None ? own : lastFormatAnywhere(upper);
}

}  // namespace casewright
