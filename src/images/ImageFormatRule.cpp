#include "images/ImageFormatRule.h"

#include <array>

namespace casewright {

namespace {

struct ExtensionRule {
    const char* extension;
    ImageFileFormat format;
};

// ".TIF" also finds ".TIFF" and ".JPG" does not find ".JPEG", hence both
// spellings of the latter; the order is the one stored designs rely on.
constexpr std::array<ExtensionRule, 7> kRulesInOrder = {{
    {".JPG", ImageFileFormat::Jpeg},
    {".JPEG", ImageFileFormat::Jpeg},
    {".PNG", ImageFileFormat::Png},
    {".BMP", ImageFileFormat::Bmp},
    {".TIF", ImageFileFormat::Tiff},
    {".GIF", ImageFileFormat::Gif},
    {".ICO", ImageFileFormat::Ico},
}};

}  // namespace

ImageFileFormat ImageFormatRule::formatForPath(const QString& path) {
    const QString upper = path.toUpper();
    ImageFileFormat decided = ImageFileFormat::None;
    for (const ExtensionRule& rule : kRulesInOrder) {
        if (upper.contains(QLatin1String(rule.extension))) {
            decided = rule.format;
        }
    }
    return decided;
}

}  // namespace casewright
