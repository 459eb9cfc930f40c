#pragma once

#include <QDate>

class QWidget;

namespace casewright {

// Runs the 60-day update reminder for one opening of the designer window:
// asks through the prompt interface ("60 Day Update", Yes/No, question icon)
// and opens the update page in the browser when the user answers Yes.
void RunUpdateReminder(QWidget* parent, QDate today = QDate::currentDate());

}  // namespace casewright
