#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace casewright {

// The reminder, shown at most once per start, that offers the maker's update
// page once 60 days have passed since the last check. It keeps no state but
// the settings value "LastCheckUpdates", a day-first date ("dd/MM/yyyy").
//
// The date is always written and read with that fixed format, never with the
// user's locale, so a month-first locale cannot swap day and month. A stored
// text that does not read as a date, or reads as a day after today (a clock
// that was wrong at some start), counts as a first start.
//
// After the question has been shown, today's date is recorded, so that the
// question comes back 60 days later instead of at every start.
class UpdateReminder {
public:
    // Shows `text` as a Yes/No question; returns true for Yes.
    using AskQuestion = std::function<bool(const QString& text)>;

    struct Outcome {
        bool firstStart = false;      // no usable date was stored
        bool asked = false;           // the question was shown
        bool openUpdatePage = false;  // the user answered Yes
    };

    static constexpr int kReminderDays = 60;

    UpdateReminder(QDate today, AskQuestion ask);

    // Reads and updates "LastCheckUpdates" in the settings store.
    Outcome run() const;

    static QString FirstStartQuestion();
    static QString RepeatQuestion();
    static QString Caption();

    static QString FormatDate(QDate date);
    // Null when `text` is not a day-first date.
    static QDate ParseDate(const QString& text);
    // Three days before `today`, but never before the 1st of its month.
    static QDate FirstStartDate(QDate today);

private:
    QDate today_;
    AskQuestion ask_;
};

}  // namespace casewright
