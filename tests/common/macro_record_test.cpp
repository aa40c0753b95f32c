#include "common/macro_record.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace orv {
namespace {

using Image = std::array<std::uint8_t, MacroRecord::Size>;

Image Filled(std::uint8_t value) {
    Image image;
    image.fill(value);
    return image;
}

MacroRecord Sample() {
    MacroRecord r;
    r.Nickname = "Open Mail";
    r.ScopeText = "Notepad";
    r.CuewordText = "om";
    r.ActivationCode = 0x0102;
    r.MacroKind = MacroKind::Window;
    r.Enabled = 1;
    r.TextLength = 5;
    r.SetScriptText("Hello");
    r.IconName = "mail.ico";
    r.ScheduleKind = 4;
    r.DayFlags = {1, 0, 1, 0, 1, 0, 0};
    r.Hour = 11, r.Minute = 30, r.Month = 12, r.Day = 24, r.MinutePastHour = 15;
    r.Minutes = 0x02D0;
    r.Weekday = 6;
    r.Year = 1998;
    r.Pm = 1;
    r.ScopeMatch = 1;
    r.Changed = 1.5;  // 1899-12-31 noon
    r.CategoryId = 0x01020304;
    r.CuewordCase = 3;
    r.CuewordRemove = 2;
    return r;
}

TEST(MacroRecordLayout, FieldsSitAtTheirOffsets) {
    Image image = Filled(0xEE);
    Sample().Encode(image);
    auto at = [&](std::size_t offset, std::initializer_list<int> bytes) {
        std::size_t k = offset;
        for (int b : bytes) EXPECT_EQ(image[k++], b) << "offset " << k - 1;
    };
    at(0, {9, 'O', 'p', 'e', 'n', ' ', 'M', 'a', 'i', 'l', 0});
    at(50, {0});
    at(51, {7, 'N', 'o', 't', 'e', 'p', 'a', 'd', 0});
    at(82, {2, 'o', 'm', 0});
    at(93, {0x02, 0x01, 2, 0, 1, 5, 0});
    at(100, {'H', 'e', 'l', 'l', 'o', 0});
    at(5100, {0, 8, 'm', 'a', 'i', 'l', '.', 'i', 'c', 'o'});
    at(5114, {4, 0, 1, 0, 1, 0, 1, 0, 0, 11, 30, 12, 24, 15, 0xD0, 0x02, 6, 0xCE, 0x07, 1, 1});
    at(5135, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
    at(5143, {0x04, 0x03, 0x02, 0x01, 3, 0, 2, 0});
    for (std::size_t k = 5151; k < MacroRecord::Size; ++k) EXPECT_EQ(image[k], 0) << k;

    MacroRecord back = MacroRecord::Decode(image);
    Image again{};
    back.Encode(again);
    EXPECT_EQ(again, image);
    EXPECT_EQ(back.ScriptText(), "Hello");
    EXPECT_EQ(back.Changed, 1.5);
    EXPECT_EQ(back.Year, 1998);
}

TEST(MacroRecordLayout, DamagedRecordsReadWithinTheirFields) {
    Image image = Filled('x');
    image[0] = 255;   // length above the nickname's 50
    image[82] = 200;  // and above the Cueword's 10
    MacroRecord r = MacroRecord::Decode(image);
    EXPECT_EQ(r.Nickname.size(), 50u);
    EXPECT_EQ(r.CuewordText.size(), 10u);
    EXPECT_EQ(r.ScriptText().size(), MaxScriptLength) << "a script without its NUL";

    r.SetScriptText(std::string(6000, 'a'));
    EXPECT_EQ(r.ScriptText().size(), MaxScriptLength);
    EXPECT_EQ(r.Script[MaxScriptLength], 0);
}

TEST(MacroRecordLayout, PopupMembersAreCheckedOnReading) {
    MacroRecord r;
    r.SetPopupMembers({3, 1, 500});
    EXPECT_EQ(r.Script[0], 3);
    EXPECT_EQ(r.Script[2], 3);
    EXPECT_EQ(r.Script[4], 1);
    EXPECT_EQ(r.PopupMembers(), (std::vector<int>{3, 1, 500}));

    PutU16(r.Script, 2, 0);    // not a macro number
    PutU16(r.Script, 6, 501);  // beyond the library
    EXPECT_EQ(r.PopupMembers(), (std::vector<int>{1}));

    r.Script.fill(0x03);  // members numbered 771
    PutU16(r.Script, 0, 0xFFFF);
    EXPECT_TRUE(r.PopupMembers().empty());
    PutU16(r.Script, 0, 0xFFFF);
    PutU16(r.Script, MacroRecord::ScriptAreaSize - 3, 7);
    EXPECT_EQ(r.PopupMembers(), (std::vector<int>{7})) << "count clamped to the area";
}

}  // namespace
}  // namespace orv
