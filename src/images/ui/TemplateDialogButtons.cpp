#include "images/ui/TemplateDialogButtons.h"

#include <QDialog>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QUrl>

#include "app/ProductInfo.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"

namespace {

const char kIdProperty[] = "controlId";

QFont captionFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.5);
    font.setBold(true);
    return font;
}

QPushButton* commandButton(QDialog* dialog, int id, const QString& text, const QString& icon,
                           const QString& name) {
    // The artwork is compiled in with the rest of the program's icons.
    auto* button = new QPushButton(QFile::exists(icon) ? QIcon(icon) : QIcon(), text, dialog);
    button->setObjectName(name);
    button->setProperty(kIdProperty, id);
    button->setFont(captionFont());
    button->setFlat(true);
    button->setAutoDefault(false);
    return button;
}

QPushButton* downloadLink(QDialog* dialog) {
    auto* link = new QPushButton(QStringLiteral("Click here to download more templates"), dialog);
    link->setObjectName(QStringLiteral("downloadLink"));
    link->setProperty(kIdProperty, 3);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setUnderline(true);
    link->setFont(font);
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(
        QStringLiteral("QPushButton { color: rgb(0, 51, 254); border: none; "
                       "text-align: left; }"
                       "QPushButton:hover { color: rgb(50, 51, 254); }"));
    QObject::connect(link, &QPushButton::clicked, link, [] {
        Prompter::instance().openUrl(QUrl(ProductInfo::TemplateDownloadUrl()));
    });
    return link;
}

}  // namespace

namespace TemplateDialogButtons {

void create(QDialog* dialog) {
    QPushButton* ok = commandButton(dialog, 1, QStringLiteral("&OK"),
                                    QStringLiteral(":/icons/ok.svg"), QStringLiteral("okButton"));
    QPushButton* cancel =
        commandButton(dialog, 2, QStringLiteral("&Cancel"), QStringLiteral(":/icons/cancel.svg"),
                      QStringLiteral("cancelButton"));
    QPushButton* link = downloadLink(dialog);
    DialogUnits::Place(link, 7, 145, 200, 14);
    DialogUnits::Place(ok, 333, 141, 66, 20);
    DialogUnits::Place(cancel, 405, 141, 66, 20);
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
