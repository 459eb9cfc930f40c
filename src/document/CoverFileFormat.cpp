#include "document/CoverFileFormat.h"

#include "app/ProductInfo.h"
#include "document/CoverFileFields.h"
#include "document/ImagePlacementFields.h"
#include "document/TotalTimeField.h"

namespace casewright {

namespace CoverFileFormat {

QString InvalidFileCaption() {
    return QStringLiteral("Invalid File");
}

QString InvalidFileMessage() {
    return QStringLiteral(
               "Unable to load a cover from the file you specified.\n\n"
               "Please make sure that the file you are trying to load was created with ") +
           ProductInfo::Name() + QStringLiteral(".");
}

QString ImageBlockName(int block) {
    switch (block) {
        case FrontBlock:
            return QStringLiteral("front cover");
        case BackBlock:
            return QStringLiteral("back cover");
        case StretchBlock:
            return QStringLiteral("whole cover");
        default:
            return QStringLiteral("disc");
    }
}

const QList<QByteArray>& ImageMarkers() {
    static const QList<QByteArray> markers = [] {
        QList<QByteArray> all;
        for (int block = 0; block < kImageBlockCount; ++block) {
            all << ImageStartMarker(block) << ImageEndMarker(block);
        }
        return all;
    }();
    return markers;
}

const QStringList& AllTags() {
    static const QStringList tags = [] {
        QStringList all{QString::fromLatin1(BeginTag()), QString::fromLatin1(EndTag())};
        QStringList keys{QString(CharsetKey()), QString(TotalTimeField::Key())};
        for (const CoverFileField& field : CoverFileFields()) {
            keys << QLatin1String(field.key);
        }
        // The pictures' placement fields.
        keys << ImagePlacementFields::Keys();
        for (const QString& key : keys) {
            all << QLatin1Char('[') + key + QLatin1Char(']')
                << QStringLiteral("[END") + key + QLatin1Char(']');
        }
        for (const QByteArray& marker : ImageMarkers()) {
            all << QString::fromLatin1(marker);
        }
        return all;
    }();
    return tags;
}

}  // namespace CoverFileFormat

}  // namespace casewright
