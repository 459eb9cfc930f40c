#include "images/ui/ImageFileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>

#include "app/SettingsStore.h"
#include "controls/Prompter.h"
#include "images/ImageLoader.h"

namespace casewright {

namespace {

QString FirstFolderPath(ImageFileDialog::FirstFolder firstFolder) {
    const QString folder = QStandardPaths::writableLocation(
        firstFolder == ImageFileDialog::FirstFolder::Desktop ? QStandardPaths::DesktopLocation
                                                             : QStandardPaths::DocumentsLocation);
    // A dialog started on a missing folder would offer the folder's name as
    // the file name; many Linux homes have no Desktop or Documents folder.
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

}  // namespace

bool ImageFileDialog::AcceptImage(QWidget* parent, const QString& path) {
    const ImageFileCheck check = CheckImageFile(path);
    if (!check.drawable()) {
        ReportRefusal(parent, ImageRefusalText(path, check));
    }
    return check.drawable();
}

void ImageFileDialog::ReportRefusal(QWidget* parent, const QString& message) {
    Prompter::instance().message(parent, message, QStringLiteral("Invalid File"),
                                 Prompter::Buttons::Ok, Prompter::Icon::Warning);
}

QString ImageFileDialog::Filter() {
    return QStringLiteral(
        "All (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff *.ico);;"
        "JPEG Images (*.jpg *.jpeg);;"
        "Gif Images (*.gif);;"
        "Bitmap Images (*.bmp);;"
        "PNG Images (*.png);;"
        "Tif Images (*.tif *.tiff);;"
        "Icon Images (*.ico)");
}

QString ImageFileDialog::StartFolder(const QString& lastPath, FirstFolder firstFolder) {
    if (lastPath.isEmpty()) {
        return FirstFolderPath(firstFolder);
    }
    const QFileInfo info(lastPath);
    if (info.isDir()) {
        return lastPath;
    }
    return info.absolutePath();
}

ImageFileDialog::Choice ImageFileDialog::Choose(QWidget* parent, QString& lastPathCopy,
                                                FirstFolder firstFolder) {
    lastPathCopy = SettingsStore().lastPath;
    const QString chosen = Prompter::instance().openFileName(
        parent, QObject::tr("Choose Image"), StartFolder(lastPathCopy, firstFolder), Filter());
    Choice choice;
    if (chosen.isEmpty()) {
        return choice;
    }
    if (!QFileInfo::exists(chosen)) {
        choice.confirmed = true;
        return choice;
    }
    if (!AcceptImage(parent, chosen)) {
        return choice;
    }
    choice.confirmed = true;
    choice.path = chosen;
    lastPathCopy = chosen;
    SettingsStore settings;
    settings.lastPath = chosen;
    settings.save();
    return choice;
}

}  // namespace casewright
