#include "text/TrackLength.h"

#include <gtest/gtest.h>

namespace casewright {

TEST(TrackLength, WritesMinutesAndSecondsAndHoursPastAnHour) {
    const struct {
        qint64 milliseconds;
        const char* text;
    } cases[] = {
        {0, "0:00"},          {499, "0:00"},          {500, "0:01"},
        {225000, "3:45"},     {3599499, "59:59"},     {3599500, "1:00:00"},
        {3723000, "1:02:03"}, {36000000, "10:00:00"}, {-1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.milliseconds);
        EXPECT_EQ(TrackLength::FromMilliseconds(c.milliseconds), QString(c.text));
    }
    EXPECT_EQ(TrackLength::FromCdFrames(75 * 225 + 37), QString("3:45"));
    EXPECT_EQ(TrackLength::FromCdFrames(75 * 225 + 38), QString("3:46"));
}

TEST(TrackLength, ReadsTypedLengths) {
    const struct {
        const char* text;
        std::optional<qint64> seconds;
    } cases[] = {
        {"3:45", 225},     {"03:45", 225}, {" 3:45 ", 225}, {"75:00", 4500},
        {"1:02:03", 3723}, {"3:60", {}},   {"1:60:00", {}}, {"3.45", {}},
        {"3:4", {}},       {"live", {}},   {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TrackLength::SecondsOf(c.text), c.seconds);
    }
    EXPECT_EQ(TrackLength::Normalized("75:00"), QString("1:15:00"));
    EXPECT_EQ(TrackLength::Normalized("3'45\""), QString("3'45\""));
}

}  // namespace casewright
