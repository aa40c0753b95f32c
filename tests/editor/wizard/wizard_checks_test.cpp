#include "editor/wizard/wizard_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/editor/wizard/wizard_fixture.h"

namespace orv::editor {
namespace {

using testing::BaseAnswers;
using testing::TestEnv;

struct CheckRow {
    int Panel;
    int Kind;
    std::function<void(WizardAnswers&)> Answers;
    std::string Message;  // empty: the panel passes
    std::string Focus;
};

void Set(WizardAnswers& a, std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (auto [name, text] : texts) a.SetText(name, text);
}

// The timed schedule of panel 3 with the given boxes.
std::function<void(WizardAnswers&)> Schedule(
    const char* kind, std::initializer_list<std::pair<const char*, const char*>> texts,
    int month = 0) {
    std::vector<std::pair<const char*, const char*>> boxes(texts);
    return [=](WizardAnswers& a) {
        a.Check("P2Timed");
        a.Check(kind);
        for (auto [name, text] : boxes) a.SetText(name, text);
        a.Choose("OnceMonth", month);
    };
}

const std::string InvalidHour = "Invalid hour specified.";
const std::string InvalidMinute = "Invalid minute specified.";
const std::string InvalidDay = "Invalid day of month specified.";
const std::string Elapsed = "Specified date has already elapsed.";
const std::string BadPort = "Invalid port specified.  Normal port number for e-mail is 25.";
const std::string LongCommand = "The command is longer than 255 characters.  Please correct.";

// Panel 6 with a drive chosen and the network path typed.
std::function<void(WizardAnswers&)> NetworkPath(std::string path) {
    return [=](WizardAnswers& a) {
        a.SetLines("P6DriveBox", {{"G:"}}), a.Choose("P6DriveBox", 0);
        a.SetText("P6ProgPath", path);
    };
}

// Panel 28 with the entry chosen and a logon typed.
std::function<void(WizardAnswers&)> PhoneEntry(std::string entry) {
    return [=](WizardAnswers& a) {
        a.SetLines("P28PhoneList", {{entry}}), a.Choose("P28PhoneList", 0);
        Set(a, {{"P28UserName", "ann"}, {"P28Password", "pw"}});
    };
}

TEST(ValidDataTest, EachPanelRefusesWithItsMessageAndFocus) {
    const CheckRow rows[] = {
        {1, 1, {}, "", ""},
        {3, 1, [](WizardAnswers& a) { a.Choose("P3KeyList", -1); },
         "A hot key has not been selected. Please select one.", "P3KeyList"},
        {3, 25, [](WizardAnswers& a) { a.Choose("P3KeyList", 65); },
         "A Global Macro already exists for this Hot Key combination. Popup Menus can only be "
         "assigned on a global basis.",
         "P3KeyList"},
        {3, 1, [](WizardAnswers& a) { a.Check("P2Cueword"); },
         "A Cueword name has not been entered. Please enter one.", "P3CuewordName"},
        {3, 1, [](WizardAnswers& a) { a.Check("P2Cueword"), a.SetText("P3CuewordName", "a b"); },
         "The Cueword name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
         "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +",
         "P3CuewordName"},
        {3, 1, [](WizardAnswers& a) { a.Check("P2Cueword"), a.SetText("P3CuewordName", "sig!"); },
         "", ""},
        {3, 1, Schedule("Daily", {{"DailyHour", "13"}}), InvalidHour, "DailyHour"},
        {3, 1, Schedule("Daily", {{"DailyHour", "12"}, {"DailyMin", "60"}}), InvalidMinute,
         "DailyMin"},
        {3, 1, Schedule("Daily", {{"DailyMin", "xx"}}), InvalidMinute, "DailyMin"},
        {3, 10, Schedule("Weekly", {{"WeeklyHour", "0"}}), InvalidHour, "WeeklyHour"},
        {3, 1, Schedule("Hourly", {{"HourlyMinutes", "300"}}), "Invalid minutes specified.",
         "HourlyMinutes"},
        {3, 1, Schedule("Hourly", {{"HourlyMinutes", "0"}}), "", ""},
        {3, 1, Schedule("Monthly", {{"MonthlyDay", "32"}}), InvalidDay, "MonthlyDay"},
        {3, 1, Schedule("Other", {{"OtherMinutes", "721"}}),
         "Invalid minutes specified.  Must be between 1 and 720.", "OtherMinutes"},
        {3, 1, Schedule("Idle", {{"IdleMinutes", "91"}}),
         "Invalid minutes specified.  Must be between 1 and 90.", "IdleMinutes"},
        {3, 1, Schedule("Startup", {{"DailyHour", "99"}}), "", ""},
        {3, 1, Schedule("Once", {{"OnceYear", "2028"}, {"OnceDay", "29"}}, 1), "", ""},
        {3, 1, Schedule("Once", {{"OnceYear", "2027"}, {"OnceDay", "29"}}, 1), InvalidDay,
         "OnceDay"},
        {3, 1, Schedule("Once", {{"OnceYear", "2026"}, {"OnceDay", "5"}, {"OnceTimeHour", "9"}}),
         "", ""},
        {3, 1, Schedule("Once", {{"OnceYear", "2026"}, {"OnceDay", "5"}, {"OnceTimeHour", "8"}}),
         "Specified time has already elapsed.", "OnceTimeHour"},
        {3, 1, Schedule("Once", {{"OnceYear", "2026"}, {"OnceDay", "4"}}), Elapsed, "OnceDay"},
        {3, 1, Schedule("Once", {{"OnceYear", "2025"}, {"OnceDay", "30"}}, 11), Elapsed,
         "OnceYear"},
        {3, 1, Schedule("Once", {{"OnceYear", "20260"}, {"OnceDay", "1"}}),
         "Invalid year specified.", "OnceYear"},
        {6, 8,
         [](WizardAnswers& a) { a.SetLines("P6DriveBox", {{"G:"}}), a.Choose("P6DriveBox", 0); },
         "A network drive has not been entered.", "P6ProgPath"},
        {6, 8, [](WizardAnswers& a) { a.Check("P5Disconnect"); },
         "No drive letter has been selected. Please select one.", "P6DriveBox"},
        {8, 1, [](WizardAnswers& a) { a.Check("P7SpecProg"); },
         "A program has not been selected. Please select one.", "P8InstallBox"},
        {8, 1, [](WizardAnswers& a) { a.Check("P7SpecWin"); },
         "No window title name has been entered. Please enter one.", "P8Title"},
        {10, 1, [](WizardAnswers& a) { a.SetText("P10Nick", "  "); }, "", ""},
        {10, 1, [](WizardAnswers& a) { a.SetText("P10Nick", ""); }, "No nickname has been entered.",
         "P10Nick"},
        {10, 10, [](WizardAnswers& a) { a.Check("P26Delete"), a.SetText("P10Nick", "hello "); },
         "The nickname \"hello\" is used by another macro.  A reminder that deletes itself needs a "
         "nickname of its own.",
         "P10Nick"},
        {12, 2, [](WizardAnswers& a) { a.Check("P13File"), a.SetText("P12Path", "C:\\NONE.TXT"); },
         "Specified file does not exist.  Please correct.", "P12Path"},
        {20, 6, [](WizardAnswers& a) { a.Check("P20Past"), a.SetText("P20Days", "-1"); },
         "Invalid days specified. Please correct.", "P20Days"},
        {22, 5, [](WizardAnswers& a) { a.Check("P21FTP"); },
         "No FTP URL has been entered. Please enter one.", "P22URL"},
        {22, 5, [](WizardAnswers& a) { a.SetText("P22URL", "a>b"); },
         "The text \"a>b\" holds the character \">\", which would end the command early.  Please "
         "remove it.",
         "P22URL"},
        {23, 19,
         [](WizardAnswers& a) {
             Set(a, {{"P23Bit", "C:\\W\\SEA.BMP"}, {"P23Top", "0"}}), a.Check("P23Positioned");
         },
         "Invalid top position specified. Please correct.", "P23Top"},
        {25, 22, [](WizardAnswers& a) { a.SetText("P25Path", "C:\\WORK\\"); }, "", ""},
        {29, 8, [](WizardAnswers& a) { a.Check("P5Connect"), a.Check("P29UseDefault", false); },
         "No logon name has been entered. Please correct.", "P29LogName"},
        {29, 8, [](WizardAnswers& a) { a.Check("P5Disconnect"), a.Check("P29UseDefault", false); },
         "", ""},
        {33, 4, [](WizardAnswers& a) { a.Check("P30LaunchAct"), a.SetText("P33Title", "a<b"); },
         "The window title \"a<b\" holds the character \"<\", which would end the command early.  "
         "Please remove it.",
         "P33Title"},
        {36, 20, [](WizardAnswers& a) { a.SetText("P36Width", ""); },
         "Invalid top position specified. Please correct.", "P36Width"},
        {36, 20,
         [](WizardAnswers& a) {
             a.Check("P35SizeTop"), Set(a, {{"P36Width", "1"}, {"P36Height", "-5"}});
         },
         "Invalid height specified. Please correct.", "P36Height"},
        {41, 24, [](WizardAnswers& a) { a.Check("P41Idle"), a.SetText("P41Minutes", "61"); },
         "Invalid minutes specified. Value must be between 1 and 60. Please correct.",
         "P41Minutes"},
        {42, 15, [](WizardAnswers& a) { a.Check("P42GoTo"), a.SetText("P42Track", "00"); },
         "Invalid track specified. Please correct.", "P42Track"},
        {45, 17, {}, "No MIDI control has been selected. Please select one.", "P45MIDIOff"},
        {49, 11,
         [](WizardAnswers& a) { a.Check("P48CreateFolder"), a.SetText("P49Path", "C:\\NEW"); }, "",
         ""},
        {49, 11,
         [](WizardAnswers& a) { a.Check("P48RenameFile"), a.SetText("P49Path", "C:\\A.TXT"); },
         "No new file name specified.  Please correct.", "P49NewName"},
        {50, 25,
         [](WizardAnswers& a) {
             a.SetLines("P50Macros", std::vector<ListLine>(37, ListLine{"m", 2, true}));
         },
         "A popup menu can hold at most 36 macros.  Please correct.", "P50Macros"},
        {58, 27, {}, "A macro command has not been chosen yet.", "P58Choose"},
        {60, 7, [](WizardAnswers& a) { a.Check("P59No"), a.Check("P60No"); },
         "You must capture either keystrokes, mouse or both.", "P60Yes"},
        {64,
         26,
         {},
         "No macro commands have been moved over to form the new macro.",
         "P64AvailBox"},
        {66, 28, [](WizardAnswers& a) { a.SetText("P66PrefixKeys", "~"); },
         "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
         "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +",
         "P66PrefixKeys"},
        {66, 28, [](WizardAnswers& a) { a.SetText("P66PrefixKeys", "!"); }, "", ""},
        {74, 28, [](WizardAnswers& a) { a.SetText("P74SMTPPort", "x"); }, BadPort, "P74SMTPPort"},
        {74, 28, [](WizardAnswers& a) { a.SetText("P74SMTPPort", "0"); }, BadPort, "P74SMTPPort"},
        {74, 28, [](WizardAnswers& a) { a.SetText("P74SMTPPort", "65536"); }, BadPort,
         "P74SMTPPort"},
        {74, 28, [](WizardAnswers& a) { a.SetText("P74SMTPPort", "587"); }, "", ""},
        {6, 8, NetworkPath(std::string(254, 'p')), LongCommand, "P6ProgPath"},
        {6, 8, NetworkPath(std::string(200, 'p')), "", ""},
        {29, 8,
         [](WizardAnswers& a) {
             NetworkPath("\\\\srv\\share")(a);
             a.Check("P5Connect"), a.Check("P29UseDefault", false);
             Set(a, {{"P29LogName", "ann>"}, {"P29LogPass", "pw"}});
         },
         "The user name \"ann>\" holds the character \">\", which would end the command early.  "
         "Please remove it.",
         "P29LogName"},
        {28, 12, PhoneEntry(std::string(256, 'e')), LongCommand, "P28PhoneList"},
        {28, 29, [](WizardAnswers& a) { a.Check("P78RAS"), PhoneEntry(std::string(256, 'e'))(a); },
         LongCommand, "P28PhoneList"},
        {28, 12, PhoneEntry("Office"), "", ""},
        {83, 29, [](WizardAnswers& a) { a.SetText("P83Memo", "a\x01" "b"); },
         "The text holds a control character (code 1), which would break the command apart.  "
         "Please remove it.",
         "P83Memo"},
        {83, 29, [](WizardAnswers& a) { a.SetText("P83Subject", "s\x01"); },
         "The subject holds a control character (code 1), which would break the command apart.  "
         "Please remove it.",
         "P83Subject"},
        {14, 1, [](WizardAnswers& a) { a.SetText("P14MyMemo", "Hi <HTTP:x"); },
         "The text ends in \"<HTTP:x\", the beginning of a command, which would take in the line "
         "after it.  Please complete or remove it.",
         "P14MyMemo"},
        {12, 2, [](WizardAnswers& a) { a.SetText("P12MyMemo", "a<ENDCLIP>b"); },
         "The text holds \"<ENDCLIP>\", which would end the pasted text early.  Please remove it.",
         "P12MyMemo"},
        {9, 1,
         [](WizardAnswers& a) {
             a.Check("P9AddYes");
             a.SetLines("P9PopupList", {{"Tools", 3}}), a.Choose("P9PopupList", 0);
         },
         "The popup menu \"Tools\" already holds 36 macros, the most a menu can hold.  The "
         "macro cannot be added to it.",
         "P9PopupList"},
        {76, 29, {}, "No E-Mail address has been entered or selected.", "P76Address"},
    };
    WizardEnv env = TestEnv();
    env.ReadMacro = [](int number) -> std::optional<MacroRecord> {
        MacroRecord menu;
        if (number == 3)
            menu.SetPopupMembers(std::vector<int>(MaxMenuMembers, 2));
        return menu;
    };
    for (const CheckRow& row : rows) {
        SCOPED_TRACE("panel " + std::to_string(row.Panel) + ": " + row.Message);
        WizardAnswers a = BaseAnswers();
        if (row.Answers)
            row.Answers(a);
        CheckOutcome outcome = ValidData(row.Panel, row.Kind, a, env);
        if (row.Message.empty()) {
            EXPECT_TRUE(std::holds_alternative<Pass>(outcome));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<WizardRefusal>(outcome));
        EXPECT_EQ(std::get<WizardRefusal>(outcome).Message, row.Message);
        EXPECT_EQ(std::get<WizardRefusal>(outcome).Focus, row.Focus);
    }
}

TEST(ValidDataTest, AHotKeyOfAGlobalMacroAsksAndYesGivesUpGlobalScope) {
    WizardAnswers a = BaseAnswers();
    a.Choose("P3KeyList", 65);
    CheckOutcome outcome = ValidData(3, 1, a, TestEnv());
    ASSERT_TRUE(std::holds_alternative<Question>(outcome));
    EXPECT_EQ(std::get<Question>(outcome).Caption, "Warning");
    EXPECT_EQ(std::get<Question>(outcome).Text,
              "A Global Macro already exists for this Hot Key combination. You will not be able to "
              "make this macro \"Global\".  Do you wish to continue?");
    SettleGlobalScope(a, true);
    EXPECT_FALSE(a.Enabled("P7Global"));
    EXPECT_TRUE(a.Checked("P7SpecWin"));
    a.Choose("P3KeyList", 67);  // a window macro's key is free for a global one
    EXPECT_TRUE(std::holds_alternative<Pass>(ValidData(3, 1, a, TestEnv())));
    // Back on panel 3 with that free key: global scope is offered again.
    SettleGlobalScope(a, false);
    EXPECT_TRUE(a.Enabled("P7Global"));
    EXPECT_TRUE(a.Checked("P7SpecWin")) << "the user's choice stays";
}

}  // namespace
}  // namespace orv::editor
