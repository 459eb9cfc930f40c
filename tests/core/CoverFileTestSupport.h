#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "document/CoverDocument.h"
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
};

}  // namespace casewright
