#include "app/UpdateReminder.h"

#include <QStringList>
#include <algorithm>
#include <utility>

#include "app/SettingsStore.h"

namespace casewright {

namespace {

const QStringList& AcceptedDateFormats() {
    // Written zero-padded; the single-digit form is read too, for files
    // edited by hand.
    static const QStringList formats = {QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy")};
    return formats;
}

}  // namespace

UpdateReminder::UpdateReminder(QDate today, AskQuestion ask)
    : today_(today), ask_(std::move(ask)) {}

QString UpdateReminder::Caption() {
    return QStringLiteral("60 Day Update");
}

QString UpdateReminder::FirstStartQuestion() {
    return QStringLiteral(
        "This software may be out of date, would you like to check for updates (a web browser "
        "window will open)?");
}

QString UpdateReminder::RepeatQuestion() {
    return QStringLiteral(
        "This software may be out of date.\n\nWould you like to check for updates to ensure you "
        "have the latest software features?\n\nA web browser window will open if you choose "
        "'Yes'.");
}

QString UpdateReminder::FormatDate(QDate date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate UpdateReminder::ParseDate(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const QString& format : AcceptedDateFormats()) {
        const QDate date = QDate::fromString(trimmed, format);
        if (date.isValid()) {
            return date;
        }
    }
    return QDate();
}

QDate UpdateReminder::FirstStartDate(QDate today) {
    return QDate(today.year(), today.month(), std::max(1, today.day() - 3));
}

UpdateReminder::Outcome UpdateReminder::run() const {
    Outcome outcome;
    SettingsStore store;
    QDate lastCheck = ParseDate(store.LastCheckUpdates);
    if (!lastCheck.isValid() || lastCheck > today_) {
        outcome.firstStart = true;
        lastCheck = FirstStartDate(today_);
    }

    if (lastCheck.daysTo(today_) >= kReminderDays) {
        outcome.asked = true;
        outcome.openUpdatePage = ask_(outcome.firstStart ? FirstStartQuestion() : RepeatQuestion());
        lastCheck = today_;
    }

    store.LastCheckUpdates = FormatDate(lastCheck);
    store.save();
    return outcome;
}

}  // namespace casewright
