#include "designer/FlatButtonFactory.h"

#include <QFont>

#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"

namespace casewright {

namespace {

QFont CaptionFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    return font;
}

CFlatImageButton* MakeButton(QWidget* parent, const QString& caption) {
    auto* button = new CFlatImageButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFont(CaptionFont());
    for (int index : {CFlatImageButton::BackgroundIn, CFlatImageButton::BackgroundOut,
                      CFlatImageButton::BackgroundFocus}) {
        button->setColor(index, Qt::white);
    }
    return button;
}

}  // namespace

namespace FlatButtonFactory {

QAbstractButton* Command(QWidget* parent, const QString& caption, const QString& iconPath) {
    CFlatImageButton* button = MakeButton(parent, caption);
    if (!iconPath.isEmpty()) {
        button->setIcons(iconPath);
    }
    return button;
}

QAbstractButton* BitmapCommand(QWidget* parent, const QString& caption, const QString& bitmapPath) {
    CFlatImageButton* button = MakeButton(parent, caption);
    button->setBitmap(bitmapPath);
    return button;
}

QAbstractButton* Radio(QWidget* parent, const QString& caption, const QString& iconPath) {
    CFlatImageButton* button = MakeButton(parent, caption);
    button->setMode(CFlatImageButton::Mode::Radio);
    button->setTextPlacement(CFlatImageButton::TextCentered);
    if (!iconPath.isEmpty()) {
        button->setIcons(iconPath);
    }
    return button;
}

QAbstractButton* BitmapRadio(QWidget* parent, const QString& caption, const QString& bitmapPath) {
    CFlatImageButton* button = MakeButton(parent, caption);
    button->setMode(CFlatImageButton::Mode::Radio);
    button->setTextPlacement(CFlatImageButton::TextCentered);
    button->setImagePlacement(CFlatImageButton::ImageAbove);
    button->setBitmap(bitmapPath);
    return button;
}

QAbstractButton* CheckBox(QWidget* parent, const QString& caption) {
    CFlatImageButton* button = MakeButton(parent, caption);
    button->setMode(CFlatImageButton::Mode::CheckBox);
    button->setDrawBorder(false);
    button->setIcons(QString::fromLatin1(Artwork::kCheckBoxChecked),
                     QString::fromLatin1(Artwork::kCheckBoxUnchecked));
    return button;
}

QAbstractButton* Link(QWidget* parent, const QString& caption) {
    CFlatImageButton* button = MakeButton(parent, caption);
    QFont font(QStringLiteral("Verdana"));
    font.setUnderline(true);
    button->setFont(font);
    button->setDrawBorder(false);
    button->setColor(CFlatImageButton::TextOut, QColor(0, 51, 102));
    button->setColor(CFlatImageButton::TextIn, Qt::blue);
    button->setButtonCursor(Artwork::kLinkCursor);
    return button;
}

QAbstractButton* Picture(QWidget* parent, const QString& bitmapPath) {
    CFlatImageButton* button = MakeButton(parent, QString());
    button->setDrawBorder(false);
    button->setBitmap(bitmapPath);
    button->setButtonCursor(Artwork::kLinkCursor);
    return button;
}

void SetTooltip(QAbstractButton* button, const QString& text) {
    if (auto* flat = qobject_cast<CFlatImageButton*>(button)) {
        flat->setTooltipText(text);
    } else {
        button->setToolTip(text);
    }
}

}  // namespace FlatButtonFactory

}  // namespace casewright
