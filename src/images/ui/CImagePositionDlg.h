#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>

class QAbstractButton;
class QRadioButton;

namespace casewright {

class CoverDocument;

// Chooses how a DVD cover carries its pictures: one image stretched over the
// whole wrap (option 0, sImagePath) or separate back and front images
// (option 1, bImagePath and fImagePath). Choices go into the document while
// the dialog is open so that the designer's preview follows them; closing
// settles the paths. Nothing done here marks the design as changed.
class CImagePositionDlg : public QDialog {
    Q_OBJECT
public:
    enum Id : int {
        kContinue = 1,
        kChooseBack = 1001,
        kChooseFront = 1002,
        kChooseWhole = 1003,
        kHeading = 1034,
        kSeparateRadio = 1047,
        kWholeRadio = 1049,
        kClearBack = 1051,
        kClearFront = 1052,
        kClearWhole = 1053,
        kWhiteBackground = 1066,
    };

    CImagePositionDlg(CoverDocument& document, const QString& lastDroppedPath,
                      std::function<void()> refreshPreviews, QWidget* parent = nullptr);

    int option() const { return option_; }
    QString backPath() const { return backPath_; }
    QString frontPath() const { return frontPath_; }
    QString wholePath() const { return wholePath_; }
    QString lastPath() const { return lastPath_; }

    QWidget* control(int id) const;
    // Clicks a control as the user would; false when it is hidden or disabled.
    bool clickControl(int id);

    // Continue, the close box and Escape all close the dialog the same way.
    void done(int result) override;

private:
    void buildControls();
    QAbstractButton* addButton(int id, const QString& caption, const QString& iconPath,
                               const QString& tooltip, void (CImagePositionDlg::*handler)());
    void selectWholeCover();
    void selectSeparateImages();
    void chooseBack();
    void chooseFront();
    void chooseWhole();
    void clearBack();
    void clearFront();
    void clearWhole();
    bool chooseInto(QString& target);
    void updateButtons();
    void updateRadioFonts();
    void refresh();

    CoverDocument& document_;
    std::function<void()> refreshPreviews_;
    QString backPath_;
    QString frontPath_;
    QString wholePath_;
    QString lastPath_;
    int option_ = 0;
    QHash<int, QWidget*> controls_;
    QRadioButton* wholeRadio_ = nullptr;
    QRadioButton* separateRadio_ = nullptr;
};

}  // namespace casewright
