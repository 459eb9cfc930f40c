#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <array>

class QImage;

namespace casewright {

// A flat push button that draws itself: a background in one of six state
// colours, an optional raised border under the mouse and sunken border while
// pressed, an icon (or a bitmap whose transparent colour is keyed out) and a
// word-wrapped caption. It also serves as a push-like check box or radio
// button, and as a web link.
//
// Behaviour worth knowing:
// - Hover follows enter/leave; the highlight is not taken while the left
//   mouse button is held down from elsewhere, and focus loss or window
//   deactivation drops it.
// - Focus that came from the keyboard (Tab, a shortcut) shows as a frame in
//   the palette's highlight colour just inside the edge, whatever the
//   state colours are; Space clicks the focused button and, in push mode,
//   so do Enter and Return (check boxes and radio buttons leave them to the
//   dialog's default button).
// - Check-box mode toggles on each click. Radio mode checks the button and
//   unchecks the other radio buttons of its group, and clicking the checked
//   radio button keeps it checked. The group is the button's QButtonGroup
//   when it has one; otherwise every auto-exclusive button among the
//   descendants of its parent (Qt's rule), so a window with two separate
//   sets of radio buttons gives each set a QButtonGroup.
// - In push mode a click opens the link (if one is set) through
//   Prompter::instance().openUrl, then emits clicked() as usual.
// - Inside a QDialog the button takes part in default-button handling as a
//   QPushButton does (setDefault, setAutoDefault); check-box and radio modes
//   never become the default button.
// - Every setter repaints the button.
class CFlatImageButton : public QPushButton {
    Q_OBJECT

public:
    enum class Mode { Push, CheckBox, Radio };

    // Indexes of the six state colours: "in" is hovered or pressed, "out" the
    // normal state, "focus" the state with keyboard focus.
    enum ColorIndex {
        BackgroundIn = 0,
        TextIn = 1,
        BackgroundOut = 2,
        TextOut = 3,
        BackgroundFocus = 4,
        TextFocus = 5,
        ColorCount = 6
    };

    enum ImagePlacement {
        ImageLeft = 0,     // at the left, one spacing in; centred when there is no caption
        ImageAbove = 1,    // centred above the caption, which moves down
        ImageRight = 2,    // at the right, one spacing in
        ImageOverlap = 3,  // top-left corner; the caption keeps the whole button
    };

    enum TextPlacement {
        TextCentered = 0,
        TextLeft = 1,   // one spacing in from the left
        TextRight = 2,  // four pixels in from the right
    };

    enum PressedStyle {
        PressedDiagonal = 0,  // image and caption move by (1, 1) while pressed
        PressedDown = 1,      // they move by (0, 2)
    };

    // Results of the setters that can refuse a value.
    enum Result {
        Ok = 0,
        ImageUnreadable = 1,
        BadColorIndex = 3,
        BadPlacement = 4,
        BadPressedStyle = 6,
    };

    static constexpr int kSpacing = 3;
    static constexpr int kRightTextMargin = 4;
    // The colour every bitmap of the program uses for its transparent parts.
    static QColor defaultTransparentColor() { return QColor(255, 0, 255); }

    explicit CFlatImageButton(QWidget* parent = nullptr);
    explicit CFlatImageButton(const QString& text, QWidget* parent = nullptr);

    // Check-box and radio modes also put the caption at the left.
    void setMode(Mode mode);
    Mode mode() const { return mode_; }

    // `main` is shown under the mouse, while pressed, or (check box and radio)
    // while checked; `second`, when given, otherwise. The image size is the
    // main icon's own size unless `size` is given.
    Result setIcons(const QString& main, const QString& second = QString(),
                    const QSize& size = QSize());
    // A bitmap whose pixels of exactly `transparent` are keyed out.
    Result setBitmap(const QString& path, const QColor& transparent = defaultTransparentColor());
    void setBitmap(const QImage& image, const QColor& transparent = defaultTransparentColor());
    QSize imageSize() const { return imageSize_; }

    // Sets one state colour; the index stops following the system palette.
    Result setColor(int index, const QColor& color);
    QColor color(int index) const;
    // Makes every index follow the system palette again.
    void restoreSystemColors();

    void setDrawBorder(bool on);
    bool drawsBorder() const { return drawBorder_; }
    Result setImagePlacement(int placement);
    int imagePlacement() const { return imagePlacement_; }
    Result setTextPlacement(int placement);
    int textPlacement() const { return textPlacement_; }
    Result setPressedStyle(int style);
    QPoint pressedOffset() const { return pressedOffset_; }

    // Check state in the values a check box uses: 1 and 2 check, others clear.
    // Checking a radio button unchecks the rest of its group; the checked
    // radio button cannot be cleared directly, only by checking another.
    void setCheck(int state);
    int check() const { return isChecked() ? 1 : 0; }

    void setButtonCursor(const QCursor& cursor);
    // Sets the tooltip text; an inactive tooltip keeps its text but is not shown.
    void setTooltipText(const QString& text, bool active = true);
    void setTooltipActive(bool active);
    QString tooltipText() const { return tooltipText_; }
    // A web address or local file opened when the button is clicked.
    void setLink(const QString& link);
    QString link() const { return link_; }

    // Resizes the button to the size of its image.
    void sizeToImage();

    bool isHover() const { return hover_; }
    // Pressed look: held down, or (check box and radio) checked.
    bool looksPressed() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Placement {
        QRect image;
        QRect text;
    };

    void initialise();
    void setHover(bool hover);
    void openLink();
    void reloadSystemColors();
    QColor systemColor(int index) const;
    int stateColorBase() const;
    QIcon::Mode iconMode() const;
    const QIcon& iconToShow() const;
    int textFlags() const;

    Placement placeContent(const QRect& bounds, bool pressed) const;
    QRect imageRect(const QRect& bounds, QRect* textArea) const;
    QRect placeText(const QRect& area) const;
    void drawBorder(QPainter& painter, bool pressed) const;
    bool showsFocusFrame() const;
    void drawFocusFrame(QPainter& painter) const;
    void drawImage(QPainter& painter, const QRect& rect) const;
    void drawText(QPainter& painter, const QRect& rect) const;

    Mode mode_ = Mode::Push;
    bool hover_ = false;
    bool drawBorder_ = true;
    int imagePlacement_ = ImageLeft;
    int textPlacement_ = TextCentered;
    QPoint pressedOffset_{1, 1};

    std::array<QColor, ColorCount> colors_;
    std::array<bool, ColorCount> followsSystem_{};

    QIcon mainIcon_;
    QIcon secondIcon_;
    QSize imageSize_;

    QString tooltipText_;
    bool tooltipActive_ = false;
    QString link_;
};

}  // namespace casewright
