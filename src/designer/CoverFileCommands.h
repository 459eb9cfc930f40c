#pragma once

#include <QString>

class QWidget;

namespace casewright {

class CoverDesign;
class CoverFileGateway;

// Save, Load and the question that offers to save unsaved changes before a
// design is thrown away. `pendingCoverPath` is the designer window's: the
// cover to open when the window next runs, and the starting point of the
// Save and Load dialogs. It only ever names a cover file, never a folder, so
// that a window ending with it set always has a cover to open.
class CoverFileCommands {
public:
    enum class LoadEnd { Stay, Restart };

    CoverFileCommands(QWidget* parent, CoverDesign& design, QString& pendingCoverPath,
                      CoverFileGateway& files);

    // True when the caller may discard the design: nothing was changed, the
    // user declined to save, or the save went through. False on Cancel.
    bool saveQuestionPasses();
    // The design is saved when it is unchanged afterwards. The dialog always
    // asks for the name, so it is also the "save under a new name" command.
    void save();
    // The file the last save of this object wrote; empty when none went through.
    QString savedPath() const { return savedPath_; }
    // Restart: pendingCoverPath names the cover to open in a new run.
    LoadEnd load();
    // Load of a cover from the recent covers: the save question, then
    // Restart when `path` is still a file.
    LoadEnd loadRecent(const QString& path);

    // Puts a cover opened or saved first in the settings' recent covers.
    static void RememberCover(const QString& path);
    // The folder of the cover last opened or saved; empty when there is none.
    static QString RecentFolder();

    // The path with ".jkt" appended unless it already holds ".jkt" somewhere
    // (in exactly that case).
    static QString WithCoverExtension(const QString& path);
    static QString FileFilter();
    static QString DesktopFolder();
    static QString DocumentsFolder();

private:
    bool confirmOverwrite(const QString& path);
    void reportSaveFailure(const QString& path, const QString& message, const QString& caption);

    QWidget* parent_;
    CoverDesign& design_;
    QString& pendingCoverPath_;
    CoverFileGateway& files_;
    QString savedPath_;
};

}  // namespace casewright
