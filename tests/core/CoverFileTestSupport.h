#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "support/TestEnvironment.h"

namespace casewright {

// Cover file tests run with their own settings and cache folders and a
// scratch folder for files and extracted images.
class CoverFileTest : public IsolatedSettingsTest {
protected:
    static CoverDocument NewDesign(int coverType = CoverTypeStandardCD, int dpi = 96) {
        CoverDocument doc;
        doc.ResetToNewDesign(coverType, dpi);
        return doc;
    }

    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    static QByteArray ReadBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // "[key]=value[ENDkey]" in bytes.
    static QByteArray Field(const QByteArray& key, const QByteArray& value) {
        return "[" + key + "]=" + value + "[END" + key + "]";
    }

    static QByteArray EmptyImageSection() {
        return "[IMAGE1][ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4][ENDIMAGE4]";
    }

    // A file holding only the given fields and no images.
    static QByteArray CoverBytes(const QByteArray& fields) {
        return "[BEGIN]" + fields + "[END]" + EmptyImageSection();
    }

    QString imageFolder() const { return tempPath(QStringLiteral("images")); }

    // A design with every stored field away from its reset value.
    static CoverDocument EveryFieldChanged() {
        CoverDocument doc;
        doc.ResetToNewDesign(CoverTypeSlimlineCD, 96);
        doc.CoverOption = 1;
        doc.fBGColor = 0x00010203;
        doc.bBGColor = 0x00A0B0C0;
        doc.dBGColor = 0;
        doc.fShowBorder = doc.bShowBorder = doc.dShowBorder = false;
        doc.fCoverAlign = CENTER;
        doc.bCoverAlign = RIGHT;
        doc.dCoverAlign = LEFT;
        doc.fCoverText = QStringLiteral("front\r\ntext");
        doc.bCoverText = QStringLiteral("[DELIM]1[/DELIM][DELIM]A[/DELIM][DELIM]2:00[/DELIM]\n\r");
        doc.dCoverText = QString::fromUtf8("disc ünïcödé");
        doc.fCoverTitle = QStringLiteral("F");
        doc.bCoverTitle = QStringLiteral("B");
        doc.dCoverTitle = QStringLiteral("D");
        doc.fCoverTextFontName = QStringLiteral("n1");
        doc.bCoverTextFontName = QStringLiteral("n2");
        doc.dCoverTextFontName = QStringLiteral("n3");
        doc.fCoverTextColor = 1;
        doc.bCoverTextColor = 2;
        doc.dCoverTextColor = 0x00FFFFFF;
        int i = 0;
        for (LogFont* font : {&doc.fCoverTextFont, &doc.bCoverTextFont, &doc.dCoverTextFont}) {
            ++i;
            font->setFaceName(QStringLiteral("Face %1").arg(i));
            font->height = -10 - i;
            font->weight = 100 * i;
            font->italic = i == 1;
            font->underline = i == 2;
            font->strikeOut = i == 3;
        }
        doc.bFrontPrintOverSpines = false;
        doc.bBackPrintOverSpines = false;
        doc.printOverInnerCircleDisc = false;
        doc.frontCoverSpineText = QStringLiteral("front spine");
        doc.backCoverSpineText = QStringLiteral("back spine");
        return doc;
    }

    // Every field as the file spells it, in file order, for comparing designs.
    static QStringList FileFields(const CoverDocument& doc) {
        QStringList fields;
        for (const CoverFileField& field : CoverFileFields()) {
            fields << QLatin1String(field.key) + QLatin1Char('=') +
                          FormatCoverField(doc, field).value_or(QStringLiteral("<left out>"));
        }
        return fields;
    }
};

}  // namespace casewright
