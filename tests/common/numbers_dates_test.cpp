#include <gtest/gtest.h>

#include "common/date_time.h"
#include "common/shared_routines.h"
#include "common/whole_numbers.h"

namespace orv {
namespace {

TEST(WholeNumbers, StrictConversion) {
    EXPECT_EQ(ParseWholeNumber("620"), 620);
    EXPECT_EQ(ParseWholeNumber("  -4"), -4);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("$1F"), 31);
    EXPECT_EQ(ParseWholeNumber("x1f"), 31);
    EXPECT_EQ(ParseWholeNumber("0x10"), 16);
    EXPECT_EQ(ParseWholeNumber("-$10"), -16);
    EXPECT_EQ(ParseWholeNumber("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "-", "$", "12 ", "12abc", "abc", "2147483648", "$100000000",
                            "1.5", "0X10"})
        EXPECT_EQ(ParseWholeNumber(bad), std::nullopt) << bad;
    EXPECT_EQ(WholeNumberOr("12a"), 0);
    EXPECT_EQ(WholeNumberOr("12a", -1), -1);
}

TEST(WholeNumbers, LeadingDigitsOfSettingsValues) {
    EXPECT_EQ(LeadingWholeNumber("12abc"), 12);
    EXPECT_EQ(LeadingWholeNumber("abc"), 0);
    EXPECT_EQ(LeadingWholeNumber(""), 0);
    EXPECT_EQ(LeadingWholeNumber(" -4 "), -4);
    EXPECT_EQ(LeadingWholeNumber("$ffz"), 255);
    EXPECT_EQ(LeadingWholeNumber("0X10"), 0);
    EXPECT_EQ(LeadingWholeNumber("99999999999"), 999999999);
    EXPECT_EQ(LeadingWholeNumber("-99999999999"), -999999999);
}

TEST(DateTimes, DayNumbersAndParts) {
    EXPECT_EQ(EncodeDateTime(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDateTime(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDateTime(2000, 1, 1), 36526.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2000, 1, 1, 18), 36526.75);
    DateTimeParts p = DecodeDateTime(EncodeDateTime(2026, 12, 9, 23, 59, 59, 999));
    EXPECT_EQ(p.year, 2026);
    EXPECT_EQ(p.month, 12);
    EXPECT_EQ(p.day, 9);
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 59);
    EXPECT_EQ(p.millisecond, 999);
    EXPECT_EQ(p.dayOfWeek, 4);  // a Wednesday
    EXPECT_EQ(DecodeDateTime(EncodeDateTime(1896, 2, 29)).day, 29);
}

TEST(SharedRoutines, ScreenSaverRefusedOnlyForEnabledTimedMacros) {
    const MacroActivationState timedOn[] = {{0, true}, {10000, true}};
    const MacroActivationState timedOff[] = {{10000, false}, {20000, true}};
    EXPECT_TRUE(RefusesScreenSaver(true, timedOn));
    EXPECT_FALSE(RefusesScreenSaver(false, timedOn));
    EXPECT_FALSE(RefusesScreenSaver(true, timedOff));
    EXPECT_FALSE(RefusesScreenSaver(true, {}));
}

TEST(SharedRoutines, BrowserVersion) {
    EXPECT_TRUE(IsBrowserVersion4OrLater("5.00.2614.3500"));
    EXPECT_TRUE(IsBrowserVersion4OrLater("11"));
    EXPECT_FALSE(IsBrowserVersion4OrLater("3.02"));
    EXPECT_FALSE(IsBrowserVersion4OrLater("4a.1"));
    EXPECT_FALSE(IsBrowserVersion4OrLater(""));
}

}  // namespace
}  // namespace orv
