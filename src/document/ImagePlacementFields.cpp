#include "document/ImagePlacementFields.h"

#include "app/SettingsStore.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileSections.h"

namespace casewright {

namespace ImagePlacementFields {

namespace {

// The key prefixes of the image blocks, as the image path fields spell them.
const char kPrefixes[CoverFileFormat::kImageBlockCount] = {'f', 'b', 's', 'd'};

QString KeyOf(int block, const char* name) {
    return QLatin1Char(kPrefixes[block]) + QLatin1String(name);
}

QString FitKey(int block) {
    return KeyOf(block, "ImagePlacement");
}
QString CropXKey(int block) {
    return KeyOf(block, "ImageCropX");
}
QString CropYKey(int block) {
    return KeyOf(block, "ImageCropY");
}

}  // namespace

const QStringList& Keys() {
    static const QStringList keys = [] {
        QStringList all;
        for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
            all << FitKey(block) << CropXKey(block) << CropYKey(block);
        }
        return all;
    }();
    return keys;
}

QVector<QPair<QString, QString>> Written(const CoverDocument& doc) {
    QVector<QPair<QString, QString>> fields;
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const ImagePlacement& placement = doc.imagePlacement(block);
        if (placement.fit == ImageFit::Stretch) {
            continue;
        }
        fields.append({FitKey(block), ImageFitName(placement.fit).toUpper()});
        if (placement.fit == ImageFit::Fill) {
            fields.append({CropXKey(block), QString::number(placement.cropX)});
            fields.append({CropYKey(block), QString::number(placement.cropY)});
        }
    }
    return fields;
}

void Apply(CoverDocument& doc, const CoverFileSections& sections) {
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        ImagePlacement placement;
        placement.fit = ImageFitNamed(sections.value(FitKey(block))).value_or(ImageFit::Stretch);
        if (placement.fit == ImageFit::Fill) {
            placement.cropX =
                ClampedCrop(SettingsStore::LeadingInteger(sections.value(CropXKey(block))));
            placement.cropY =
                ClampedCrop(SettingsStore::LeadingInteger(sections.value(CropYKey(block))));
        }
        doc.imagePlacement(block) = placement;
    }
}

}  // namespace ImagePlacementFields

}  // namespace casewright
