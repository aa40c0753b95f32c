#include "player/date_time_text.h"

#include <gtest/gtest.h>

namespace orv::player {
namespace {

// The formats' own samples: Monday 30 March 1998, 15:04:23.
TEST(DateTimeText, EveryFormatSpellsItsSample) {
    const DateTimeParts day = DecodeDateTime(EncodeDateTime(1998, 3, 30, 15, 4, 23));
    for (int f = 1; f <= DateFormatCount; ++f) {
        EXPECT_EQ(DateText(f, true, day), DateFormatTable[f - 1].Sample)
            << DateFormatTable[f - 1].Name;
    }
    for (int f = 1; f <= TimeFormatCount; ++f) {
        EXPECT_EQ(TimeText(f, false, day), TimeFormatTable[f - 1].Sample)
            << TimeFormatTable[f - 1].Name;
    }
}

TEST(DateTimeText, LeadingZerosOnlyWhenAsked) {
    const DateTimeParts march5 = DecodeDateTime(EncodeDateTime(2024, 3, 5, 0, 7, 9));
    EXPECT_EQ(DateText(23, false, march5), "5 MAR 2024");
    EXPECT_EQ(DateText(1, true, march5), "03/05/24");
    EXPECT_EQ(DateText(1, false, march5), "3/5/24");
    // Two-digit years keep their zero whatever the flag says.
    const DateTimeParts y2005 = DecodeDateTime(EncodeDateTime(2005, 11, 21));
    EXPECT_EQ(DateText(46, false, y2005), "05");
    EXPECT_EQ(DateText(39, false, y2005), "051121");

    EXPECT_EQ(TimeText(12, false, march5), "12:07 am");
    EXPECT_EQ(TimeText(1, false, march5), "0:07");
    EXPECT_EQ(TimeText(1, true, march5), "00:07");
    EXPECT_EQ(TimeText(18, true, march5), "12:07 AM");
}

TEST(DateTimeText, TwelveHourClockAroundNoonAndMidnight) {
    auto at = [](int hour, int minute) {
        return DecodeDateTime(EncodeDateTime(2024, 1, 1, hour, minute));
    };
    EXPECT_EQ(TimeText(24, false, at(13, 45)), "1:45p");
    EXPECT_EQ(TimeText(24, true, at(13, 45)), "01:45p");
    EXPECT_EQ(TimeText(12, false, at(12, 0)), "12:00 pm");
    EXPECT_EQ(TimeText(12, false, at(11, 59)), "11:59 am");
    EXPECT_EQ(TimeText(26, false, at(0, 0)), "12,00a");
    EXPECT_EQ(TimeText(21, false, at(23, 5)), "11:05:00 PM");
}

TEST(DateTimeText, DayNamesFollowTheWeek) {
    // 7 January 2024 was a Sunday.
    const char* names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                           "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i) {
        const DateTimeParts day = DecodeDateTime(EncodeDateTime(2024, 1, 7 + i));
        EXPECT_EQ(DateText(50, false, day), names[i]);
        EXPECT_EQ(DateText(48, false, day), std::string(names[i]).substr(0, 3));
    }
}

TEST(DateTimeText, OutOfRangeFormatsTypeNothing) {
    const DateTimeParts day = DecodeDateTime(EncodeDateTime(2024, 1, 7));
    EXPECT_EQ(DateText(0, false, day), "");
    EXPECT_EQ(DateText(52, false, day), "");
    EXPECT_EQ(TimeText(27, false, day), "");
}

}  // namespace
}  // namespace orv::player
