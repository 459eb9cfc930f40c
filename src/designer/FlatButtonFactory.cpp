#include "designer/FlatButtonFactory.h"

#include <QCheckBox>
#include <QFile>
#include <QFont>
#include <QPushButton>

namespace {

QFont CaptionFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    return font;
}

// Enter must never press a button of these windows, so no button may become
// the default one.
QPushButton* MakePushButton(QWidget* parent, const QString& caption, const QString& iconName) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFont(CaptionFont());
    const QString iconPath = QStringLiteral(":/icons/") + iconName;
    if (!iconName.isEmpty() && QFile::exists(iconPath)) {
        button->setIcon(QIcon(iconPath));
    }
    return button;
}

}  // namespace

namespace FlatButtonFactory {

QAbstractButton* Command(QWidget* parent, const QString& caption, const QString& iconName) {
    return MakePushButton(parent, caption, iconName);
}

QAbstractButton* Toggle(QWidget* parent, const QString& caption, const QString& iconName) {
    QPushButton* button = MakePushButton(parent, caption, iconName);
    button->setCheckable(true);
    return button;
}

QAbstractButton* CheckBox(QWidget* parent, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setFont(CaptionFont());
    return box;
}

QAbstractButton* Link(QWidget* parent, const QString& caption) {
    QPushButton* button = MakePushButton(parent, caption, QString());
    QFont font(QStringLiteral("Verdana"));
    font.setUnderline(true);
    button->setFont(font);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace FlatButtonFactory
