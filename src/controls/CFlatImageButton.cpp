#include "controls/CFlatImageButton.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QUrl>
#include <algorithm>

#include "controls/Prompter.h"

namespace casewright {

namespace {

// Room to measure a caption in when the button's own size does not matter.
constexpr int kMeasureExtent = 4096;

QSize ReadImageSize(const QString& path) {
    QImageReader reader(path);
    QSize size = reader.size();
    if (!size.isValid()) {
        size = reader.read().size();
    }
    return size;
}

bool CanRead(const QString& path) {
    QImageReader reader(path);
    return reader.canRead();
}

// Keys out every opaque pixel of exactly `transparent`.
QImage KeyOut(const QImage& image, const QColor& transparent) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb();
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return keyed;
}

// One-pixel 3D frame: top and left edges in `topLeft`, bottom and right in `bottomRight`.
void Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft,
                const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
}

}  // namespace

CFlatImageButton::CFlatImageButton(QWidget* parent) : QPushButton(parent) {
    initialise();
}

CFlatImageButton::CFlatImageButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    initialise();
}

void CFlatImageButton::initialise() {
    followsSystem_.fill(true);
    reloadSystemColors();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, &CFlatImageButton::openLink);
}

void CFlatImageButton::setMode(Mode mode) {
    mode_ = mode;
    setCheckable(mode != Mode::Push);
    setAutoExclusive(mode == Mode::Radio);
    if (mode != Mode::Push) {
        textPlacement_ = TextLeft;
        setAutoDefault(false);
        setDefault(false);
    }
    update();
}

CFlatImageButton::Result CFlatImageButton::setIcons(const QString& main, const QString& second,
                                                    const QSize& size) {
    if (!CanRead(main) || (!second.isEmpty() && !CanRead(second))) {
        return ImageUnreadable;
    }
    mainIcon_ = QIcon(main);
    secondIcon_ = second.isEmpty() ? QIcon() : QIcon(second);
    imageSize_ = size.isValid() ? size : ReadImageSize(main);
    updateGeometry();
    update();
    return Ok;
}

CFlatImageButton::Result CFlatImageButton::setBitmap(const QString& path,
                                                     const QColor& transparent) {
    const QImage image(path);
    if (image.isNull()) {
        return ImageUnreadable;
    }
    setBitmap(image, transparent);
    return Ok;
}

void CFlatImageButton::setBitmap(const QImage& image, const QColor& transparent) {
    const QImage keyed = KeyOut(image, transparent);
    mainIcon_ = QIcon(QPixmap::fromImage(keyed));
    secondIcon_ = QIcon();
    imageSize_ = keyed.size();
    updateGeometry();
    update();
}

CFlatImageButton::Result CFlatImageButton::setColor(int index, const QColor& color) {
    if (index < 0 || index >= ColorCount) {
        return BadColorIndex;
    }
    colors_[index] = color;
    followsSystem_[index] = false;
    update();
    return Ok;
}

QColor CFlatImageButton::color(int index) const {
    return index >= 0 && index < ColorCount ? colors_[index] : QColor();
}

void CFlatImageButton::restoreSystemColors() {
    followsSystem_.fill(true);
    reloadSystemColors();
    update();
}

void CFlatImageButton::reloadSystemColors() {
    for (int i = 0; i < ColorCount; ++i) {
        if (followsSystem_[i]) {
            colors_[i] = systemColor(i);
        }
    }
}

QColor CFlatImageButton::systemColor(int index) const {
    // Even indexes are backgrounds (button face), odd ones texts (button text).
    const QPalette::ColorRole role = index % 2 == 0 ? QPalette::Button : QPalette::ButtonText;
    return palette().color(QPalette::Active, role);
}

void CFlatImageButton::setDrawBorder(bool on) {
    drawBorder_ = on;
    update();
}

CFlatImageButton::Result CFlatImageButton::setImagePlacement(int placement) {
    if (placement < ImageLeft || placement > ImageOverlap) {
        return BadPlacement;
    }
    imagePlacement_ = placement;
    updateGeometry();
    update();
    return Ok;
}

CFlatImageButton::Result CFlatImageButton::setTextPlacement(int placement) {
    if (placement < TextCentered || placement > TextRight) {
        return BadPlacement;
    }
    textPlacement_ = placement;
    update();
    return Ok;
}

CFlatImageButton::Result CFlatImageButton::setPressedStyle(int style) {
    switch (style) {
        case PressedDiagonal:
            pressedOffset_ = QPoint(1, 1);
            break;
        case PressedDown:
            pressedOffset_ = QPoint(0, 2);
            break;
        default:
            return BadPressedStyle;
    }
    update();
    return Ok;
}

void CFlatImageButton::setCheck(int state) {
    setChecked(state == 1 || state == 2);
    update();
}

void CFlatImageButton::setButtonCursor(const QCursor& cursor) {
    setCursor(cursor);
}

void CFlatImageButton::setTooltipText(const QString& text, bool active) {
    tooltipText_ = text;
    setTooltipActive(active);
}

void CFlatImageButton::setTooltipActive(bool active) {
    tooltipActive_ = active;
    setToolTip(active ? tooltipText_ : QString());
}

void CFlatImageButton::setLink(const QString& link) {
    link_ = link;
}

void CFlatImageButton::sizeToImage() {
    if (imageSize_.isValid()) {
        resize(imageSize_);
    }
}

bool CFlatImageButton::looksPressed() const {
    return mode_ == Mode::Push ? isDown() : (isDown() || isChecked());
}

void CFlatImageButton::setHover(bool hover) {
    if (hover_ != hover) {
        hover_ = hover;
        update();
    }
}

void CFlatImageButton::openLink() {
    if (mode_ == Mode::Push && !link_.isEmpty()) {
        Prompter::instance().openUrl(QUrl::fromUserInput(link_));
    }
}

// ---- events ----

void CFlatImageButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    // A drag that started elsewhere does not light the button up.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        setHover(true);
    }
}

void CFlatImageButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    setHover(false);
}

void CFlatImageButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    if (!rect().contains(event->position().toPoint())) {
        setHover(false);
    } else if (!hover_ && !(event->buttons() & Qt::LeftButton)) {
        setHover(true);
    }
}

void CFlatImageButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    setHover(false);
}

void CFlatImageButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && mode_ == Mode::Push && event->modifiers() == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CFlatImageButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
            reloadSystemColors();
            update();
            break;
        case QEvent::ActivationChange:
            if (!isActiveWindow()) {
                setHover(false);
            }
            break;
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                setHover(false);
            }
            break;
        default:
            break;
    }
}

// ---- drawing ----

int CFlatImageButton::stateColorBase() const {
    if (hover_ || looksPressed()) {
        return BackgroundIn;
    }
    return hasFocus() ? BackgroundFocus : BackgroundOut;
}

QIcon::Mode CFlatImageButton::iconMode() const {
    return isEnabled() ? QIcon::Normal : QIcon::Disabled;
}

const QIcon& CFlatImageButton::iconToShow() const {
    const bool showMain = mode_ == Mode::Push ? (hover_ || isDown()) : isChecked();
    return showMain || secondIcon_.isNull() ? mainIcon_ : secondIcon_;
}

int CFlatImageButton::textFlags() const {
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    return Qt::AlignCenter | Qt::TextWordWrap |
           (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

void CFlatImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = looksPressed();
    painter.fillRect(rect(), colors_[stateColorBase()]);
    drawBorder(painter, pressed);
    if (showsFocusFrame()) {
        drawFocusFrame(painter);
    }
    const Placement placement = placeContent(rect(), pressed);
    if (!placement.image.isEmpty()) {
        drawImage(painter, placement.image);
    }
    if (!placement.text.isEmpty()) {
        drawText(painter, placement.text);
    }
}

void CFlatImageButton::drawBorder(QPainter& painter, bool pressed) const {
    if (!drawBorder_) {
        return;
    }
    const QColor highlight = palette().color(QPalette::Active, QPalette::Light);
    const QColor shadow = palette().color(QPalette::Active, QPalette::Dark);
    if (pressed) {
        Draw3dRect(painter, rect(), shadow, highlight);
    } else if (hover_) {
        Draw3dRect(painter, rect(), highlight, shadow);
    }
}

// As Qt's styles do: the frame shows once the keyboard has moved the focus
// in this window, so a mouse click alone does not frame the button.
bool CFlatImageButton::showsFocusFrame() const {
    return hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void CFlatImageButton::drawFocusFrame(QPainter& painter) const {
    const QColor color = palette().color(QPalette::Active, QPalette::Highlight);
    // Two pixels wide, inside the one-pixel hover and pressed border.
    for (int inset : {1, 2}) {
        Draw3dRect(painter, rect().adjusted(inset, inset, -inset, -inset), color, color);
    }
}

CFlatImageButton::Placement CFlatImageButton::placeContent(const QRect& bounds,
                                                           bool pressed) const {
    QRect textArea = bounds;
    Placement placement;
    placement.image = imageRect(bounds, &textArea);
    if (!text().isEmpty()) {
        placement.text = placeText(textArea);
    }
    // Check boxes and radio buttons show their state by colour, not by moving.
    if (pressed && mode_ == Mode::Push) {
        placement.image.translate(pressedOffset_);
        placement.text.translate(pressedOffset_);
    }
    return placement;
}

QRect CFlatImageButton::imageRect(const QRect& bounds, QRect* textArea) const {
    if (imageSize_.isEmpty() || mainIcon_.isNull()) {
        return QRect();
    }
    const QSize size = imageSize_;
    const bool hasText = !text().isEmpty();
    const int centredX = bounds.left() + (bounds.width() - size.width()) / 2;
    const int centredY = bounds.top() + (bounds.height() - size.height()) / 2;
    switch (imagePlacement_) {
        case ImageOverlap:
            return QRect(bounds.topLeft(), size);
        case ImageAbove: {
            if (!hasText) {
                return QRect(QPoint(centredX, centredY), size);
            }
            const QRect image(QPoint(centredX, bounds.top() + kSpacing), size);
            textArea->setTop(image.bottom() + 1);
            return image;
        }
        case ImageRight: {
            if (!hasText) {
                return QRect(QPoint(centredX, centredY), size);
            }
            const int x = bounds.right() + 1 - kSpacing - size.width();
            textArea->setRight(x - 1);
            return QRect(QPoint(x, centredY), size);
        }
        case ImageLeft:
        default: {
            if (!hasText) {
                return QRect(QPoint(centredX, centredY), size);
            }
            const int x = bounds.left() + kSpacing;
            textArea->setLeft(x + size.width());
            return QRect(QPoint(x, centredY), size);
        }
    }
}

QRect CFlatImageButton::placeText(const QRect& area) const {
    const QSize size = fontMetrics().boundingRect(area, textFlags(), text()).size();
    int x = area.left() + (area.width() - size.width()) / 2;
    if (textPlacement_ == TextLeft) {
        x = area.left() + kSpacing;
    } else if (textPlacement_ == TextRight) {
        x = area.right() + 1 - kRightTextMargin - size.width();
    }
    const int y = area.top() + (area.height() - size.height()) / 2;
    return QRect(QPoint(x, y), size);
}

void CFlatImageButton::drawImage(QPainter& painter, const QRect& rect) const {
    iconToShow().paint(&painter, rect, Qt::AlignCenter, iconMode(), QIcon::Off);
}

void CFlatImageButton::drawText(QPainter& painter, const QRect& rect) const {
    if (!isEnabled()) {
        // Embossed: a highlight copy one pixel down and right, then the shadow.
        painter.setPen(palette().color(QPalette::Active, QPalette::Light));
        painter.drawText(rect.translated(1, 1), textFlags(), text());
        painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
        painter.drawText(rect, textFlags(), text());
        return;
    }
    painter.setPen(colors_[stateColorBase() + 1]);
    painter.drawText(rect, textFlags(), text());
}

QSize CFlatImageButton::sizeHint() const {
    QSize textSize;
    if (!text().isEmpty()) {
        textSize =
            fontMetrics()
                .boundingRect(QRect(0, 0, kMeasureExtent, kMeasureExtent), textFlags(), text())
                .size();
    }
    const QSize image = imageSize_.isValid() ? imageSize_ : QSize(0, 0);
    const QSize text = textSize.isValid() ? textSize : QSize(0, 0);
    const int border = 2 * kSpacing;
    switch (imagePlacement_) {
        case ImageAbove:
            return QSize(std::max(image.width(), text.width()) + border,
                         image.height() + text.height() + border);
        case ImageOverlap:
            return QSize(std::max(image.width(), text.width()) + border,
                         std::max(image.height(), text.height()) + border);
        default:
            return QSize(image.width() + text.width() + 3 * kSpacing,
                         std::max(image.height(), text.height()) + border);
    }
}

QSize CFlatImageButton::minimumSizeHint() const {
    return imageSize_.isValid() ? imageSize_ : QSize(kSpacing * 2, kSpacing * 2);
}

}  // namespace casewright
