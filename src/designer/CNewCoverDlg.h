#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>

class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace casewright {

class CTransparentStatic;

// The New Cover dialog: asks which kind of case the next design is for.
// Its only effect is the settings value "Option" (and, for the custom case,
// the four custom sizes), which the designer window reads when it opens.
// Continue stores the choice; Escape closes without storing anything.
//
// The custom size choice ("Other:" and its group) stays hidden: a custom case
// has no preview or print layout of its own and is designed as a standard
// CD case, so offering it would promise something the designer cannot do.
// It is still honoured when the stored type is 3.
class CNewCoverDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids of the dialog template, kept for reference and tests.
    enum ControlId {
        IDC_HEADING = 1034,
        IDC_STANDARD_CD = 1023,
        IDC_SLIMLINE_CD = 1035,
        IDC_STANDARD_DVD = 1024,
        IDC_SLIMLINE_DVD = 1037,
        IDC_OTHER = 1025,
        IDC_CUSTOM_GROUP = 1036,
        IDC_WIDTH_CAPTION = 1031,
        IDC_HEIGHT_CAPTION = 1030,
        IDC_FRONT_CAPTION = 1033,
        IDC_BACK_CAPTION = 1032,
        IDC_FRONT_HEIGHT = 1026,
        IDC_FRONT_WIDTH = 1027,
        IDC_BACK_HEIGHT = 1028,
        IDC_BACK_WIDTH = 1029,
        IDC_CONTINUE = 1,
    };

    explicit CNewCoverDlg(QWidget* parent = nullptr);

    // The radio button of a case type (1 to 5); nullptr for other numbers.
    QRadioButton* radioForType(int coverType) const;
    QLineEdit* customSizeEdit(ControlId id) const;
    QAbstractButton* continueButton() const { return continueButton_; }

    // The case type the checked radio button stands for.
    int chosenType() const;

    // A custom size typed in centimetres, as tenths of a centimetre: the
    // digits are read with the point removed after ".0" is appended to text
    // without one ("12" gives 120, "12.5" gives 125, "" gives 0). Empty when
    // the text holds anything but digits and at most one ".", or when the
    // number does not fit in 32 bits.
    static std::optional<uint32_t> ParseTenthsOfCm(const QString& text);
    // The text a stored size shows as: 119 gives "11.9".
    static QString FormatTenthsOfCm(uint32_t tenths);

    static QFont CheckedFont();
    static QFont UncheckedFont();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildRadioButtons();
    void buildCustomSizeGroup();
    void buildContinueButton();
    void loadStoredChoice();
    void onRadioClicked(QRadioButton* clicked);
    void applyRadioFonts();
    void setCustomSizeEnabled(bool enabled);
    void onContinue();
    // Converts the four boxes in order; on the first invalid one shows its
    // message, puts the focus there and returns nothing.
    std::optional<std::array<uint32_t, 4>> readCustomSizes();

    std::array<QRadioButton*, 5> radios_{};  // by case type - 1
    std::array<QLineEdit*, 4> sizeEdits_{};  // front height, front width, back height, back width
    std::array<CTransparentStatic*, 4> sizeCaptions_{};  // width, height, front, back
    QGroupBox* customGroup_ = nullptr;
    QAbstractButton* continueButton_ = nullptr;
};

}  // namespace casewright
