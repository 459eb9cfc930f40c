#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "document/CoverTypes.h"
#include "document/ImagePlacement.h"
#include "render/SurfaceKind.h"

class QAbstractButton;
class QMenu;
class QToolButton;

namespace casewright {

class CoverDesign;
class CoverDocument;
class CoverFileGateway;
class CTemplatesDlg;
class CoverPreviewWidget;
class PreviewArea;

// The main window: shows one surface of the design at a time and carries the
// commands that change it. Each run (exec) starts a fresh design, or opens
// the pending cover file, and ends with one of the result codes below.
class CCoverDesignerDlg : public QDialog {
    Q_OBJECT
public:
    enum Result : int {
        kResultDroppedCover = 0,  // a cover file was dropped: run again on pendingCoverPath
        kResultStartOver = 1,     // Start Over, or Load (then pendingCoverPath is set)
        kResultExit = 6,          // Exit or the close box: end the program
    };

    // The document outlives the window: point sizes chosen in the font
    // dialog stay in effect for the next design.
    explicit CCoverDesignerDlg(CoverDocument& document, QWidget* parent = nullptr);
    // A window with a document of its own.
    explicit CCoverDesignerDlg(QWidget* parent = nullptr);
    ~CCoverDesignerDlg() override;

    // Prepares the run (new design or pending cover) and runs the window.
    int exec() override;
    // The preparation alone, for driving the window without a modal loop.
    void startRun();

    // Every change goes through the design object; the document is read only.
    const CoverDocument& document() const { return *document_; }
    CoverDesign& design() { return *design_; }
    QString pendingCoverPath() const { return pendingCoverPath_; }
    void setPendingCoverPath(const QString& path) { pendingCoverPath_ = path; }
    QString lastDroppedPath() const { return lastDroppedPath_; }
    bool templateWindowShown() const { return templateWindowShown_; }
    CTemplatesDlg* templateWindow() const { return templates_.get(); }
    // The result of the run's end; empty while the window is still running.
    std::optional<int> endResult() const { return endResult_; }

    CoverSide currentView() const { return currentView_; }
    QWidget* control(int id) const;
    QAbstractButton* button(int id) const;
    // Clicks a control as the user would; false when it is hidden or disabled.
    bool clickControl(int id);
    CoverPreviewWidget* visiblePreview() const;
    PreviewArea* previewArea() const { return previewArea_; }

    // Sizes the window for a screen's available area: dialog units shrink
    // where the smallest layout would not fit, the window opens at the size
    // it had last (or one that shows the surface at true size) within the
    // area. Each run does this for the window's screen.
    void fitToScreen(const QRect& available);
    // The smallest size at which every control is inside the window.
    QSize minimumLayoutSize() const;

    // The Load button's menu of recent covers, filled anew from the settings
    // (covers that are no longer files drop out).
    QMenu* recentCoversMenu();

    // Handles files dropped on the window (only the first one counts).
    void dropFiles(const QStringList& paths);

    // Draws the current surface of the design in its preview.
    void refreshPreview();
    // Shows Choose Image or Clear Image for the surface in view.
    void updateImageButtons();

    void setCoverFileGateway(std::unique_ptr<CoverFileGateway> files);
    // Runs the window's modal dialogs; tests replace it to drive them.
    void setModalRunner(std::function<int(QDialog&)> runner);

    void done(int result) override;
    void reject() override;

    // Commands that open other windows.
    void openTextEditor();
    void toggleTemplateWindow();
    void printCover();
    QString suggestedPdfPath() const;
    void openHelp();
    void showAboutBox();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomToTrueSize();
    void runUpdateReminder();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildViewButtons();
    void buildCommandColumn();
    void buildAlignmentGroup();
    void buildCheckBoxes();
    void buildFileCommands();
    void buildLinksAndLabels();
    void buildUndoCommands();
    void updateUndoButtons();
    void onDesignChanged();
    void buildPreviews();
    QAbstractButton* addCommand(int id, const QString& name, const QString& caption,
                                const QString& iconPath, const QString& tooltip);
    void registerControl(int id, const QString& name, QWidget* widget);

    int displayType() const;
    void openPendingCover(CoverDocument& start);
    void createTemplateWindow();
    void arrangeForCoverType();
    void placeControls();
    void placeViewButtons(const QRect& frame);
    void placeZoomControls(int right);
    int ux(double units) const;
    int uy(double units) const;
    QSize openingSize(const QRect& available) const;
    void rememberWindowSize();
    void buildZoomControls();
    void buildRecentCovers();
    void setKeyboardOrder();
    void fillRecentCoversMenu();
    void openRecentCover(const QString& path);
    void updateZoomLabel();
    void rememberTemplatesPosition();
    void enterView(CoverSide side);
    void onViewClicked(CoverSide side);
    void showViewControls();
    void showAlignment(bool shown, int align);
    void showPreviewFor(std::optional<SurfaceKind> kind);
    void showSpineCheck();
    CoverPreviewWidget* previewFor(SurfaceKind kind) const;
    QString imagePathInView() const;

    void chooseImage();
    void openImagePosition();
    void clearImage();
    // The placement of the pictures of the surface in view.
    void chooseImageFit(ImageFit fit);
    void moveImageCrop(int block, ImagePlacement placement);
    QVector<int> imageBlocksInView() const;
    void chooseColor();
    void chooseFont();
    void setAlignment(int align);
    void spineCheckClicked();
    void bordersClicked();
    void startOver();
    void exitCommand();
    void saveCommand();
    void loadCommand();
    template <typename Command>
    auto runFileCommand(Command command);
    void updateWindowTitle();

    CoverDocument* document_;
    std::unique_ptr<CoverDocument> ownedDocument_;
    std::unique_ptr<CoverDesign> design_;
    std::unique_ptr<CoverFileGateway> files_;
    std::function<int(QDialog&)> modalRunner_;
    std::unique_ptr<CTemplatesDlg> templates_;
    QHash<int, QWidget*> controls_;
    QAbstractButton* logo_ = nullptr;
    PreviewArea* previewArea_ = nullptr;
    QToolButton* recentCovers_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // Dialog units are this much smaller on screens too small for the layout.
    double unitScale_ = 1.0;
    QString pendingCoverPath_;
    // The cover file this design was opened from or last saved to: the
    // window's title and Save as PDF's name.
    QString coverFilePath_;
    QString lastDroppedPath_;
    CoverSide currentView_ = CoverSide::Back;
    bool templateWindowShown_ = false;
    std::optional<int> endResult_;
};

}  // namespace casewright
