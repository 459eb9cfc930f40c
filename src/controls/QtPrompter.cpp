#include "controls/QtPrompter.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "controls/CFontColorDialog.h"

namespace casewright {

namespace {

Prompter* g_installed = nullptr;

QMessageBox::Icon ToQtIcon(Prompter::Icon icon) {
    switch (icon) {
        case Prompter::Icon::Information:
            return QMessageBox::Information;
        case Prompter::Icon::Question:
            return QMessageBox::Question;
        case Prompter::Icon::Warning:
            return QMessageBox::Warning;
        case Prompter::Icon::Error:
            return QMessageBox::Critical;
        case Prompter::Icon::None:
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ToQtButtons(Prompter::Buttons buttons) {
    switch (buttons) {
        case Prompter::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Prompter::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Prompter::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Prompter::Buttons::Ok:
        default:
            return QMessageBox::Ok;
    }
}

Prompter::Answer FromQtButton(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Prompter::Answer::Yes;
        case QMessageBox::No:
            return Prompter::Answer::No;
        case QMessageBox::Cancel:
            return Prompter::Answer::Cancel;
        default:
            return Prompter::Answer::Ok;
    }
}

}  // namespace

Prompter& Prompter::instance() {
    static QtPrompter real;
    return g_installed ? *g_installed : real;
}

void Prompter::install(Prompter* prompter) {
    g_installed = prompter;
}

Prompter::Answer QtPrompter::message(QWidget* parent, const QString& text, const QString& caption,
                                     Buttons buttons, Icon icon) {
    QMessageBox box(ToQtIcon(icon), caption, text, ToQtButtons(buttons), parent);
    return FromQtButton(box.exec());
}

QString QtPrompter::openFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                 const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, startPath, filter);
}

QString QtPrompter::saveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                 const QString& filter) {
    // The program asks its own overwrite question and adds its own extension.
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::existingFolder(QWidget* parent, const QString& caption,
                                   const QString& startPath) {
    return QFileDialog::getExistingDirectory(parent, caption, startPath);
}

std::optional<ColorRef> QtPrompter::chooseColor(QWidget* parent, ColorRef initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return FromQColor(chosen);
}

std::optional<Prompter::FontChoice> QtPrompter::chooseFont(QWidget* parent, const LogFont& initial,
                                                           ColorRef color) {
    QFont start = initial.toQFont();
    if (initial.height != 0) {
        // Through tenths, so that a height of 10 px opens as 7.5 pt.
        start.setPointSizeF(LogFont::PointTenthsForHeight(initial.height) / 10.0);
    }
    CFontColorDialog dialog(parent);
    dialog.setSelectedFont(start);
    dialog.setTextColor(ToQColor(color));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QFont font = dialog.selectedFont();
    FontChoice choice;
    choice.pointSizeTenths = dialog.pointSizeTenths();
    choice.font = initial;
    choice.font.height = LogFont::HeightForPointTenths(choice.pointSizeTenths);
    choice.font.weight = font.weight();
    choice.font.italic = font.italic() ? 1 : 0;
    choice.font.underline = font.underline() ? 1 : 0;
    choice.font.strikeOut = font.strikeOut() ? 1 : 0;
    choice.font.setFaceName(font.family());
    choice.color = FromQColor(dialog.textColor());
    return choice;
}

bool QtPrompter::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace casewright
