#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace casewright {

// A scratch template folder for tests, filled with small solid-colour images.
class TemplateTestFolder {
public:
    TemplateTestFolder() { QDir(dir_.path()).mkdir(QStringLiteral("CLIPART")); }

    QString path() const { return dir_.path() + QStringLiteral("/CLIPART"); }
    QString root() const { return dir_.path(); }
    QString file(const QString& name) const { return path() + QLatin1Char('/') + name; }

    // Writes a 16 × 12 picture of one colour; the format follows the extension
    // (JPEG for ".jpg"), so every name must carry a real image extension.
    bool addImage(const QString& name, const QColor& colour, const char* format = nullptr) const {
        QImage picture(16, 12, QImage::Format_RGB32);
        picture.fill(colour);
        return picture.save(file(name), format, 100);
    }

    bool addBytes(const QString& name, const QByteArray& bytes) const {
        QFile out(file(name));
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir dir_;
};

}  // namespace casewright
