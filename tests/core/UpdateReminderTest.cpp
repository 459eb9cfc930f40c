#include <gtest/gtest.h>
#include <QStringList>

#include "app/SettingsStore.h"
#include "app/UpdateReminder.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

class UpdateReminderTest : public IsolatedSettingsTest {
protected:
    // Runs the reminder on `today`, answering every question with `answer`.
    UpdateReminder::Outcome runOn(QDate today, bool answer = false) {
        return UpdateReminder(today,
                              [this, answer](const QString& text) {
                                  questions_ << text;
                                  return answer;
                              })
            .run();
    }

    static void storeLastCheck(const QString& text) {
        SettingsStore store;
        store.LastCheckUpdates = text;
        store.save();
    }

    static QString storedLastCheck() { return SettingsStore().LastCheckUpdates; }

    QStringList questions_;
};

const QDate kToday(2026, 12, 7);

}  // namespace

TEST_F(UpdateReminderTest, FirstStartStoresADateThreeDaysBackWithinTheMonth) {
    struct Case {
        QDate today;
        const char* stored;
    };
    const Case cases[] = {{QDate(2026, 3, 1), "01/03/2026"},
                          {QDate(2026, 3, 2), "01/03/2026"},
                          {QDate(2026, 3, 3), "01/03/2026"},
                          {QDate(2026, 3, 4), "01/03/2026"},
                          {QDate(2026, 3, 20), "17/03/2026"}};
    for (const Case& c : cases) {
        storeLastCheck(QString());
        const UpdateReminder::Outcome outcome = runOn(c.today);
        EXPECT_TRUE(outcome.firstStart);
        EXPECT_FALSE(outcome.asked);
        EXPECT_EQ(storedLastCheck(), QLatin1String(c.stored)) << c.today.toString().toStdString();
    }
    EXPECT_TRUE(questions_.isEmpty());
}

TEST_F(UpdateReminderTest, AsksFromSixtyDaysOn) {
    storeLastCheck(UpdateReminder::FormatDate(kToday.addDays(-59)));
    EXPECT_FALSE(runOn(kToday).asked);
    EXPECT_TRUE(questions_.isEmpty());

    storeLastCheck(UpdateReminder::FormatDate(kToday.addDays(-60)));
    const UpdateReminder::Outcome outcome = runOn(kToday);
    EXPECT_TRUE(outcome.asked);
    EXPECT_FALSE(outcome.firstStart);
    ASSERT_EQ(questions_.size(), 1);
    EXPECT_EQ(questions_[0],
              QStringLiteral(
                  "This software may be out of date.\n\nWould you like to check for updates to "
                  "ensure you have the latest software features?\n\nA web browser window will "
                  "open if you choose 'Yes'."));
}

TEST_F(UpdateReminderTest, OnlyYesAsksForTheUpdatePage) {
    storeLastCheck(QStringLiteral("01/01/2020"));
    EXPECT_TRUE(runOn(kToday, true).openUpdatePage);
    storeLastCheck(QStringLiteral("01/01/2020"));
    EXPECT_FALSE(runOn(kToday, false).openUpdatePage);
}

TEST_F(UpdateReminderTest, AfterTheQuestionTodayIsRecordedSoItIsNotAskedAtEveryStart) {
    storeLastCheck(UpdateReminder::FormatDate(kToday.addDays(-200)));
    runOn(kToday, false);
    EXPECT_EQ(storedLastCheck(), QStringLiteral("07/12/2026"));

    runOn(kToday.addDays(1));
    runOn(kToday.addDays(59));
    EXPECT_EQ(questions_.size(), 1);
    runOn(kToday.addDays(60));
    EXPECT_EQ(questions_.size(), 2);
}

TEST_F(UpdateReminderTest, WithoutQuestionTheStoredDateIsKept) {
    storeLastCheck(QStringLiteral("1/11/2026"));
    runOn(kToday);
    EXPECT_EQ(storedLastCheck(), QStringLiteral("01/11/2026"));
}

TEST_F(UpdateReminderTest, DatesAreReadDayFirstWhateverTheLocale) {
    // 12 October, not 10 December: only 56 days before 7 December.
    storeLastCheck(QStringLiteral("12/10/2026"));
    EXPECT_FALSE(runOn(kToday).asked);
    EXPECT_EQ(UpdateReminder::ParseDate(QStringLiteral("12/10/2026")), QDate(2026, 10, 12));
    EXPECT_EQ(UpdateReminder::FormatDate(QDate(2026, 2, 3)), QStringLiteral("03/02/2026"));
}

TEST_F(UpdateReminderTest, UnreadableOrFutureDatesCountAsAFirstStart) {
    for (const char* text : {"garbage", "31/02/2026", "2026-01-01", "08/12/2026", "01/01/3000"}) {
        storeLastCheck(QLatin1String(text));
        const UpdateReminder::Outcome outcome = runOn(kToday);
        EXPECT_TRUE(outcome.firstStart) << text;
        EXPECT_FALSE(outcome.asked) << text;
        EXPECT_EQ(storedLastCheck(), QStringLiteral("04/12/2026")) << text;
    }
}

TEST_F(UpdateReminderTest, FirstStartWordingAndCaption) {
    EXPECT_EQ(UpdateReminder::FirstStartQuestion(),
              QStringLiteral("This software may be out of date, would you like to check for "
                             "updates (a web browser window will open)?"));
    EXPECT_EQ(UpdateReminder::Caption(), QStringLiteral("60 Day Update"));
}

}  // namespace casewright
