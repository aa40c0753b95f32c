#include "editor/commands/date_time_commands.h"

#include <gtest/gtest.h>

#include "common/script/catalogue.h"

namespace orv::editor {
namespace {

TEST(DateTimeCommandsTest, DatesCarryTheirDaysAndTimesNone) {
    const std::string_view date = DateFormatTable[0].Name;
    DateTimeOutcome out = ComposeDateOrTime({false, 0, false, true, "5"});
    EXPECT_EQ(out.CommandText, "<" + std::string(date) + "{YF005}>");
    EXPECT_EQ(out.Raw.IsDate, 1);
    EXPECT_EQ(out.Raw.Days, 5);
    EXPECT_EQ(out.Raw.Future, 1);
    EXPECT_EQ(ComposeDateOrTime({false, 0, true, false, " 0 "}).CommandText,
              "<" + std::string(date) + "{NP000}>");

    const std::string_view time = TimeFormatTable[25].Name;
    DateTimeOutcome t = ComposeDateOrTime({true, 25, true, false, "junk"});
    EXPECT_EQ(t.CommandText, "<" + std::string(time) + "{N}>");
    EXPECT_EQ(t.Raw.IsDate, 0);
    EXPECT_EQ(t.Raw.FormatIndex, 26);
    EXPECT_EQ(t.Raw.Future, 1);
    EXPECT_EQ(t.Raw.Days, 0);
}

TEST(DateTimeCommandsTest, RefusesDaysThatAreNotANumberAndAMissingRow) {
    for (const char* days : {"-5", "x", "", "+5", "$10"}) {
        DateTimeOutcome out = ComposeDateOrTime({false, 0, false, true, days});
        ASSERT_TRUE(out.Refused) << days;
        EXPECT_EQ(out.Refused->Message, "Invalid number of days specified.  Please correct.");
        EXPECT_EQ(out.Refused->Focus, DateTimeField::Days);
        EXPECT_EQ(out.CommandText, "");
    }
    // Days typed beyond the box's three digits do not fit the token.
    EXPECT_TRUE(ComposeDateOrTime({false, 0, false, true, "1000"}).Refused);
    for (int row : {-1, 51}) {
        DateTimeOutcome out = ComposeDateOrTime({false, row, false, true, "0"});
        ASSERT_TRUE(out.Refused);
        EXPECT_EQ(out.Refused->Focus, DateTimeField::TheFormat);
    }
}

TEST(DateTimeCommandsTest, AStoredFormatOutsideTheTableSelectsTheFirstRow) {
    EXPECT_EQ(FormatRowFor(false, 50), 50);
    EXPECT_EQ(FormatRowFor(false, 51), 0);
    EXPECT_EQ(FormatRowFor(true, 25), 25);
    EXPECT_EQ(FormatRowFor(true, 99), 0);
    EXPECT_EQ(FormatRowFor(true, -1), 0);
    EXPECT_EQ(DateTimeLayoutFor(true).Caption, "Times");
    EXPECT_EQ(DateTimeLayoutFor(false).Title, "Select Date Format");
}

}  // namespace
}  // namespace orv::editor
