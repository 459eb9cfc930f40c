#pragma once

class QAbstractButton;
class QDialog;
class QWidget;

namespace casewright {

// The buttons of the Templates window: OK and Cancel with their icons, and
// the link that opens the page offering more templates in the browser.
// Each carries its control id in the "controlId" property.
namespace TemplateDialogButtons {

void create(QDialog* dialog);
QAbstractButton* find(const QWidget* dialog, int id);

}  // namespace TemplateDialogButtons

}  // namespace casewright
