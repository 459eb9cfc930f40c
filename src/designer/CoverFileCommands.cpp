#include "designer/CoverFileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>

#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "controls/Prompter.h"
#include "designer/CoverFileGateway.h"
#include "document/CoverDesign.h"

namespace casewright {

namespace {

QString StandardFolder(QStandardPaths::StandardLocation location) {
    // Many Linux homes have no Desktop or Documents folder; a file dialog
    // started on a missing folder offers its name as the file name instead.
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

}  // namespace

CoverFileCommands::CoverFileCommands(QWidget* parent, CoverDesign& design,
                                     QString& pendingCoverPath, CoverFileGateway& files)
    : parent_(parent), design_(design), pendingCoverPath_(pendingCoverPath), files_(files) {}

QString CoverFileCommands::WithCoverExtension(const QString& path) {
    const QString extension = ProductInfo::CoverFileExtension();
    return path.contains(extension, Qt::CaseSensitive) ? path : path + extension;
}

QString CoverFileCommands::FileFilter() {
    const QString extension = ProductInfo::CoverFileExtension();
    return ProductInfo::Name() + QStringLiteral(" Files (*") + extension + QStringLiteral(")");
}

QString CoverFileCommands::DesktopFolder() {
    return StandardFolder(QStandardPaths::DesktopLocation);
}

QString CoverFileCommands::DocumentsFolder() {
    return StandardFolder(QStandardPaths::DocumentsLocation);
}

bool CoverFileCommands::saveQuestionPasses() {
    if (!design_.isChanged()) {
        return true;
    }
    const Prompter::Answer answer = Prompter::instance().message(
        parent_,
        QStringLiteral("You have made changes to your cover, would you like to save the cover?"),
        QStringLiteral("Save"), Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
    // Cancel (or closing the question) goes back to the design untouched.
    if (answer == Prompter::Answer::Cancel) {
        return false;
    }
    if (answer != Prompter::Answer::Yes) {
        return true;
    }
    save();
    return !design_.isChanged();
}

void CoverFileCommands::save() {
    const QString start = !pendingCoverPath_.isEmpty() ? pendingCoverPath_
                          : !RecentFolder().isEmpty()  ? RecentFolder()
                                                       : DesktopFolder();
    const QString chosen =
        Prompter::instance().saveFileName(parent_, QObject::tr("Save Cover"), start, FileFilter());
    if (chosen.isEmpty()) {
        pendingCoverPath_.clear();
        return;
    }
    const QString path = WithCoverExtension(chosen);
    if (QFileInfo::exists(path) && !confirmOverwrite(path)) {
        return;
    }
    // The design only counts as saved once the file is really written.
    const CoverFileOutcome outcome = files_.write(design_.document(), path);
    if (!outcome.ok) {
        reportSaveFailure(path, outcome.message, outcome.caption);
        return;
    }
    pendingCoverPath_ = path;
    savedPath_ = path;
    design_.markSaved();
    RememberCover(path);
}

bool CoverFileCommands::confirmOverwrite(const QString&) {
    const Prompter::Answer answer = Prompter::instance().message(
        parent_,
        QStringLiteral(
            "A cover with this name already exists. Would you like to overwrite this cover?"),
        QStringLiteral("Overwrite?"), Prompter::Buttons::YesNo, Prompter::Icon::Question);
    return answer == Prompter::Answer::Yes;
}

void CoverFileCommands::reportSaveFailure(const QString& path, const QString& message,
                                          const QString& caption) {
    QString text = QObject::tr("The cover could not be saved to \"%1\".").arg(path);
    if (!message.isEmpty()) {
        text += QStringLiteral("\n\n") + message;
    }
    text += QObject::tr("\n\nYour changes have not been saved.");
    Prompter::instance().message(parent_, text,
                                 caption.isEmpty() ? QStringLiteral("Error") : caption,
                                 Prompter::Buttons::Ok, Prompter::Icon::Error);
}

CoverFileCommands::LoadEnd CoverFileCommands::load() {
    if (!saveQuestionPasses()) {
        return LoadEnd::Stay;
    }
    const QString start = !pendingCoverPath_.isEmpty() ? pendingCoverPath_
                          : !RecentFolder().isEmpty()  ? RecentFolder()
                                                       : DocumentsFolder();
    const QString chosen =
        Prompter::instance().openFileName(parent_, QObject::tr("Load Cover"), start, FileFilter());
    if (chosen.isEmpty()) {
        pendingCoverPath_.clear();
        return LoadEnd::Stay;
    }
    // The user gave up the changes when answering the save question.
    design_.markSaved();
    const QString path = WithCoverExtension(chosen);
    if (!QFileInfo(path).isFile()) {
        return LoadEnd::Stay;
    }
    pendingCoverPath_ = path;
    return LoadEnd::Restart;
}

CoverFileCommands::LoadEnd CoverFileCommands::loadRecent(const QString& path) {
    if (!saveQuestionPasses()) {
        return LoadEnd::Stay;
    }
    if (!QFileInfo(path).isFile()) {
        return LoadEnd::Stay;
    }
    pendingCoverPath_ = path;
    return LoadEnd::Restart;
}

void CoverFileCommands::RememberCover(const QString& path) {
    SettingsStore settings;
    settings.addRecentCover(QFileInfo(path).absoluteFilePath());
    settings.save();
}

QString CoverFileCommands::RecentFolder() {
    for (const QString& cover : SettingsStore().recentCovers) {
        const QString folder = QFileInfo(cover).absolutePath();
        if (QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return QString();
}

}  // namespace casewright
