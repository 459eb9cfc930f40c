#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace casewright {

// Creates the flat owner-drawn buttons of the designer window and its
// dialogs: white in every state, captions in Verdana Bold 7.5 points, and
// never the default button, since Enter must not press anything.
namespace FlatButtonFactory {

// A command button with an icon (an Artwork path; none when empty).
QAbstractButton* Command(QWidget* parent, const QString& caption, const QString& iconPath);
// A command button showing a bitmap whose magenta pixels are clear.
QAbstractButton* BitmapCommand(QWidget* parent, const QString& caption, const QString& bitmapPath);
// A push-like radio button: clicking the checked one keeps it checked.
// Callers put each set in a QButtonGroup of its own.
QAbstractButton* Radio(QWidget* parent, const QString& caption, const QString& iconPath);
// A push-like radio button showing a bitmap whose magenta pixels are clear.
QAbstractButton* BitmapRadio(QWidget* parent, const QString& caption, const QString& bitmapPath);
// A check box whose icon shows its state.
QAbstractButton* CheckBox(QWidget* parent, const QString& caption);
// A borderless text link; the owner opens its address when it is clicked.
QAbstractButton* Link(QWidget* parent, const QString& caption);
// A borderless picture, such as the logo.
QAbstractButton* Picture(QWidget* parent, const QString& bitmapPath);

void SetTooltip(QAbstractButton* button, const QString& text);

}  // namespace FlatButtonFactory

}  // namespace casewright
