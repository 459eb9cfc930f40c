#include "print/ui/PrintDialogStyle.h"

#include <QWidget>

#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"

namespace casewright {

namespace PrintDialogStyle {

namespace {

void WhiteBackgrounds(CFlatImageButton* button) {
    for (int index : {CFlatImageButton::BackgroundIn, CFlatImageButton::BackgroundOut,
                      CFlatImageButton::BackgroundFocus}) {
        button->setColor(index, Qt::white);
    }
}

}  // namespace

QFont BoldFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    return font;
}

void UseBoldFont(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) {
        w->setFont(BoldFont());
    }
}

CFlatImageButton* IconButton(QWidget* parent, const QString& text, const char* icon,
                             const QString& objectName) {
    auto* button = new CFlatImageButton(text, parent);
    button->setObjectName(objectName);
    button->setIcons(QString::fromLatin1(icon));
    WhiteBackgrounds(button);
    button->setFont(BoldFont());
    return button;
}

CFlatImageButton* LinkButton(QWidget* parent, const QString& text, const QString& objectName) {
    auto* button = new CFlatImageButton(text, parent);
    button->setObjectName(objectName);
    WhiteBackgrounds(button);
    button->setColor(CFlatImageButton::TextIn, QColor(0, 51, 254));
    button->setColor(CFlatImageButton::TextOut, QColor(50, 51, 254));
    button->setDrawBorder(false);
    button->setButtonCursor(QCursor(Artwork::kLinkCursor));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    font.setUnderline(true);
    button->setFont(font);
    return button;
}

}  // namespace PrintDialogStyle

}  // namespace casewright
