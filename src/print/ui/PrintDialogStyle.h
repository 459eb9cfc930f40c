#pragma once

#include <QFont>
#include <initializer_list>

class QString;
class QWidget;

namespace casewright {

class CFlatImageButton;

// The look shared by the Print, Printer Adjustment and Insert Paper dialogs.
namespace PrintDialogStyle {

// "Verdana Bold" 7.5 pt, for headings and buttons.
QFont BoldFont();
void UseBoldFont(std::initializer_list<QWidget*> widgets);

// A flat button with an icon on white.
CFlatImageButton* IconButton(QWidget* parent, const QString& text, const char* icon,
                             const QString& objectName);

// A flat button drawn as an underlined blue link.
CFlatImageButton* LinkButton(QWidget* parent, const QString& text, const QString& objectName);

}  // namespace PrintDialogStyle

}  // namespace casewright
