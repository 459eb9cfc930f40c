#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

namespace casewright {

// The font dialog of the program: face, style, size in points (tenths
// allowed), and an effects section with strike-out, underline and the text
// colour, over a sample that shows the result. The colour button opens the
// colour dialog.
//
// A face name that is not installed stays as it was unless the user picks
// another face: the dialog shows the face the system substitutes, but hands
// back the original name.
class CFontColorDialog : public QDialog {
    Q_OBJECT

public:
    explicit CFontColorDialog(QWidget* parent = nullptr);

    // The font's point size is used; a pixel-sized font is shown at the size
    // its pixels stand for in a design (at LogFont::kHeightDpi), whatever the
    // screen.
    void setSelectedFont(const QFont& font);
    QFont selectedFont() const;
    // The size as entered, in tenths of a point (7.5 gives 75); 0 when the
    // size box does not hold a valid size.
    int pointSizeTenths() const;

    void setTextColor(const QColor& color);
    QColor textColor() const { return color_; }

    // The controls, for tests and for callers that preset them.
    QFontComboBox* familyBox() const { return family_; }
    QComboBox* styleBox() const { return style_; }
    QComboBox* sizeBox() const { return size_; }
    QCheckBox* strikeOutBox() const { return strikeOut_; }
    QCheckBox* underlineBox() const { return underline_; }
    QPushButton* colorButton() const { return colorButton_; }

    void accept() override;

private:
    enum StyleIndex { Regular = 0, Italic = 1, Bold = 2, BoldItalic = 3 };

    void buildControls();
    QWidget* buildEffects();
    void chooseColor();
    void updateColorButton();
    void updateSample();
    QString chosenFamily() const;
    int chosenWeight() const;

    QFontComboBox* family_ = nullptr;
    QComboBox* style_ = nullptr;
    QComboBox* size_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    QLabel* sample_ = nullptr;

    QColor color_ = Qt::black;
    QString requestedFamily_;
    QString shownFamily_;
    int requestedWeight_ = QFont::Normal;
};

}  // namespace casewright
