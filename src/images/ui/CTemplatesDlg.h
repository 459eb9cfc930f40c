#pragma once

#include <QDialog>
#include <QPoint>
#include <QStringList>
#include <optional>

#include "images/TemplateFolderScanner.h"

class QAbstractButton;
class QListWidget;

namespace casewright {

class CoverDesign;
class TemplatePicker;
class TemplateThumbnailLoader;

// The Templates window: a list of the template library's thumbnails; a click
// or the left and right arrow keys put a template's images into the design at
// once, while the window stays open beside the designer.
//
// How the designer window uses it:
// - each time the designer opens, it makes the window (hidden) with its
//   document, the case type in force and whether the disc view is showing,
//   and connects designChanged() to its preview refresh;
// - Choose Template calls toggle(); shownChanged() reports every showing and
//   hiding, also by OK, Cancel and the close box, so the designer can keep
//   its "template window shown" state.
// Each template applied is one step of the design's undo stack.
class CTemplatesDlg : public QDialog {
    Q_OBJECT

public:
    enum Id : int {
        kOk = 1,
        kCancel = 2,
        kDownloadLink = 3,
        kTemplateList = 1062,
        kWhiteBackground = 1066,
    };

    // `designer` is the owning window, used for the first placement. The
    // folders default to "CLIPART" beside the program and in the data folder.
    // A folder that cannot be listed is reported in an "Error" message box.
    CTemplatesDlg(CoverDesign& design, int coverType, bool discView, QWidget* designer,
                  const QStringList& folders = TemplateFolderScanner::defaultFolders());
    ~CTemplatesDlg() override;

    // Choose Template: shows the window, or hides it keeping what was applied.
    // The design's front, back and disc images are kept each time, for Cancel.
    // The first showing puts the window where it was last (kept on the
    // screen), or else beside the designer where it hides none of it.
    void toggle();
    // Where the window was when last hidden, from an earlier run.
    void setRememberedPosition(std::optional<QPoint> position) { remembered_ = position; }

    // The templates found, in list order (their back files).
    QStringList templateFiles() const;
    QListWidget* list() const { return list_; }
    QAbstractButton* button(int id) const;
    int lastApplied() const;
    // True once every thumbnail has been drawn (or found unreadable).
    bool thumbnailsComplete() const;

    // OK: hides the window; the applied template stays.
    void accept() override;
    // Cancel (and Escape): puts the images back that the design had when the
    // window was last shown, and hides the window.
    void reject() override;

signals:
    // The design's images changed; the previews must be redrawn.
    void designChanged();
    void shownChanged(bool shown);
    // Every thumbnail has been drawn.
    void thumbnailsReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void fillList(const TemplateScan& scan);
    void reportScanErrors(const QStringList& errors);
    void startThumbnails(bool discView);
    void showThumbnail(int index, const QImage& thumbnail);
    void highlightCurrentTemplate();
    void selectRow(int row);
    void applyClicked(int row);
    bool handleArrowKey(int key);
    void placeBesideDesigner();

    QWidget* designer_;
    TemplatePicker* picker_ = nullptr;
    TemplateThumbnailLoader* thumbnails_ = nullptr;
    QListWidget* list_ = nullptr;
    bool placed_ = false;
    std::optional<QPoint> remembered_;
};

}  // namespace casewright
