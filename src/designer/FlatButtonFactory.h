#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

// Creates the flat command buttons of the designer window and its dialogs.
// Callers only rely on QAbstractButton, so the concrete button class is
// decided here alone.
namespace FlatButtonFactory {

// A push button with an icon from ":/icons/<iconName>" when there is one.
QAbstractButton* Command(QWidget* parent, const QString& caption, const QString& iconName);
// A push button that stays down while checked (view and alignment buttons).
QAbstractButton* Toggle(QWidget* parent, const QString& caption, const QString& iconName);
// A check box whose look follows its check.
QAbstractButton* CheckBox(QWidget* parent, const QString& caption);
// A text-only link; the owner opens its address when it is clicked.
QAbstractButton* Link(QWidget* parent, const QString& caption);

}  // namespace FlatButtonFactory
