#include "images/ui/TemplateDialogButtons.h"

#include <QDialog>
#include <QFont>

#include "app/ProductInfo.h"
#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"
#include "controls/DialogUnits.h"

namespace casewright {

namespace {

const char kIdProperty[] = "controlId";

void setWhiteBackgrounds(CFlatImageButton* button) {
    for (int index : {CFlatImageButton::BackgroundIn, CFlatImageButton::BackgroundOut,
                      CFlatImageButton::BackgroundFocus}) {
        button->setColor(index, Qt::white);
    }
}

CFlatImageButton* commandButton(QDialog* dialog, int id, const QString& text, const char* icon,
                                const QString& name) {
    auto* button = new CFlatImageButton(text, dialog);
    button->setObjectName(name);
    button->setProperty(kIdProperty, id);
    button->setIcons(QString::fromLatin1(icon));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.5);
    font.setBold(true);
    button->setFont(font);
    button->setAutoDefault(false);
    setWhiteBackgrounds(button);
    return button;
}

// Drawn as a web link: underlined blue text, a slightly lighter blue under
// the mouse, no border.
CFlatImageButton* downloadLink(QDialog* dialog) {
    auto* link =
        new CFlatImageButton(QStringLiteral("Click here to download more templates"), dialog);
    link->setObjectName(QStringLiteral("downloadLink"));
    link->setProperty(kIdProperty, 3);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setUnderline(true);
    link->setFont(font);
    link->setAutoDefault(false);
    link->setDrawBorder(false);
    link->setTextPlacement(CFlatImageButton::TextLeft);
    link->setColor(CFlatImageButton::TextIn, QColor(0, 51, 254));
    link->setColor(CFlatImageButton::TextOut, QColor(50, 51, 254));
    setWhiteBackgrounds(link);
    link->setButtonCursor(QCursor(Artwork::kLinkCursor));
    link->setLink(ProductInfo::TemplateDownloadUrl());
    return link;
}

}  // namespace

namespace TemplateDialogButtons {

void create(QDialog* dialog) {
    CFlatImageButton* ok =
        commandButton(dialog, 1, QStringLiteral("&OK"), Artwork::kOk, QStringLiteral("okButton"));
    CFlatImageButton* cancel = commandButton(dialog, 2, QStringLiteral("&Cancel"), Artwork::kCancel,
                                             QStringLiteral("cancelButton"));
    CFlatImageButton* link = downloadLink(dialog);
    DialogUnits::Place(link, 7, 146, 200, 14);
    DialogUnits::Place(ok, 333, 141, 66, 22);
    DialogUnits::Place(cancel, 405, 141, 66, 22);
}

QAbstractButton* find(const QWidget* dialog, int id) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->property(kIdProperty).toInt() == id) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace TemplateDialogButtons

}  // namespace casewright
