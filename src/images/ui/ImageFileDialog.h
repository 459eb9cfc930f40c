#pragma once

#include <QString>

class QWidget;

namespace casewright {

// The open-file dialog for background images. It starts where the last
// chosen image was, and remembers a newly chosen one in the settings. An
// existing file that the image loader would never draw is refused on the
// spot, with the reason, rather than kept in the design to show nothing.
class ImageFileDialog {
public:
    // Where to start when no image has been chosen before.
    enum class FirstFolder { Documents, Desktop };

    struct Choice {
        bool confirmed = false;  // false: the user cancelled, or the file was refused
        QString path;            // the chosen file; empty when it does not exist
    };

    // `lastPathCopy` is the calling window's copy of the settings' lastPath:
    // refreshed from the settings before the dialog and set to the chosen file.
    static Choice Choose(QWidget* parent, QString& lastPathCopy, FirstFolder firstFolder);

    // Whether the image file at `path` can be drawn; when not, the user is
    // told why (caption "Invalid File").
    static bool AcceptImage(QWidget* parent, const QString& path);
    static void ReportRefusal(QWidget* parent, const QString& message);

    static QString Filter();
    // The folder a dialog starting from `lastPath` opens in.
    static QString StartFolder(const QString& lastPath, FirstFolder firstFolder);
};

}  // namespace casewright
