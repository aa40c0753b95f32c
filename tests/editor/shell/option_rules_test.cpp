// The rules behind the activation, options and remapper dialogs.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "common/hotkeys.h"
#include "common/schedule.h"
#include "editor/shell/copy_move.h"
#include "editor/shell/installed_programs.h"
#include "editor/shell/option_checks.h"
#include "editor/shell/remap_layout.h"
#include "editor/shell/system_keys.h"
#include "tests/editor/shell/memory_library.h"

namespace orv::editor {
namespace {

std::array<std::uint8_t, MacroRecord::Size> BytesOf(const MacroRecord& record) {
    std::array<std::uint8_t, MacroRecord::Size> bytes{};
    record.Encode(bytes);
    return bytes;
}

DateTimeParts Day(int year, int month, int day) {
    DateTimeParts parts;
    parts.year = year, parts.month = month, parts.day = day;
    return parts;
}

ScheduleEntry Once(std::string year, int monthIndex, std::string day) {
    ScheduleEntry e;
    e.Kind = ScheduleKind::Once;
    e.Hour = "9", e.Minute = "05", e.Pm = true;
    e.Year = std::move(year), e.MonthIndex = monthIndex, e.Day = std::move(day);
    return e;
}

ScheduleEntry EveryMinutes(ScheduleKind kind, std::string minutes) {
    ScheduleEntry e;
    e.Kind = kind;
    e.Minutes = std::move(minutes);
    return e;
}

TEST(ScheduleUpdate, RefusalsNameTheFieldAndLeaveTheRecordAsItWas) {
    const std::string badDay = "Invalid day of month specified.";
    const std::string elapsed = "Specified date has already elapsed.";
    const DateTimeParts y2000 = Day(2000, 1, 1), today = Day(2026, 6, 15);
    DateTimeParts at2105 = today, at2106 = today;
    at2105.hour = at2106.hour = 21, at2105.minute = 5, at2106.minute = 6;
    DateTimeParts at210530 = at2105;
    at210530.second = 30;
    struct Case {
        ScheduleEntry entry;
        DateTimeParts today;
        std::string message;  // empty: stored
        ScheduleField focus = ScheduleField::Hour;
    } cases[] = {
        {Once("2004", 1, "29"), y2000, ""},
        {Once("2000", 1, "29"), y2000, ""},
        {Once("2001", 1, "29"), y2000, badDay, ScheduleField::Day},
        {Once("2100", 1, "29"), y2000, badDay, ScheduleField::Day},
        {Once("2026", 5, "15"), today, ""},
        {Once("2026", 5, "30"), today, ""},
        {Once("2026", 5, "31"), today, badDay, ScheduleField::Day},  // June has 30 days
        {Once("2026", 6, "31"), today, ""},                          // July 31
        {Once("2026", 7, "31"), today, ""},
        {Once("2026", 8, "31"), today, badDay, ScheduleField::Day},
        {Once("2026", 5, "14"), today, elapsed, ScheduleField::Day},
        {Once("2026", 5, "15"), at2105, ""},  // 9:05 PM on the dot: it still runs
        {Once("2026", 5, "15"), at210530, "Specified time has already elapsed."},
        {Once("2026", 5, "15"), at2106, "Specified time has already elapsed."},
        {Once("2026", 4, "30"), today, elapsed, ScheduleField::Month},
        {Once("2025", 11, "31"), today, elapsed, ScheduleField::Year},
        {Once("abc", 5, "20"), today, "Invalid year specified.", ScheduleField::Year},
        {Once("70000", 5, "20"), today, "Invalid year specified.", ScheduleField::Year},
        {EveryMinutes(ScheduleKind::Hourly, "0"), today, ""},
        {EveryMinutes(ScheduleKind::Hourly, "60"), today, "Invalid minutes specified.",
         ScheduleField::Minutes},
        {EveryMinutes(ScheduleKind::Other, "720"), today, ""},
        {EveryMinutes(ScheduleKind::Other, "721"), today,
         "Invalid minutes specified.  Must be between 1 and 720.", ScheduleField::Minutes},
        {EveryMinutes(ScheduleKind::Idle, "90"), today, ""},
        {EveryMinutes(ScheduleKind::Idle, "91"), today,
         "Invalid minutes specified.  Must be between 1 and 90.", ScheduleField::Minutes},
        {EveryMinutes(ScheduleKind::Idle, "0"), today,
         "Invalid minutes specified.  Must be between 1 and 90.", ScheduleField::Minutes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.Year + "-" + std::to_string(c.entry.MonthIndex + 1) + "-" +
                     c.entry.Day + " / " + c.entry.Minutes);
        MacroRecord record = testing::Macro("TIMED", ActivationCode::Scheduled);
        record.ScheduleKind = 3;
        record.DayFlags = {1, 0, 1, 0, 1, 0, 0};
        const auto before = BytesOf(record);
        ScheduleEntry entry = c.entry;
        entry.Days = {true, true, true, true, true, true, true};
        std::optional<ScheduleRefusal> refusal = UpdateSchedule(entry, c.today, record);
        if (c.message.empty()) {
            EXPECT_FALSE(refusal) << refusal->Message;
            EXPECT_EQ(record.ScheduleKind, static_cast<int>(entry.Kind));
            EXPECT_EQ(record.DayFlags[6], 1);
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->Message, c.message);
        EXPECT_EQ(refusal->Focus, c.focus);
        EXPECT_EQ(BytesOf(record), before) << "a refused update wrote into the record";
    }
}

TEST(ScheduleShown, OnlyATimeOfTheRecordsOwnIsShownAsItStands) {
    struct Row {
        int Kind, Hour, Minute;
        bool HoldsOnce, HoldsTime;
    } rows[] = {{1, 7, 5, true, true},    {1, 12, 59, true, true},  {1, 0, 0, false, false},
                {1, 13, 0, false, false}, {1, 7, 60, false, false}, {3, 7, 5, false, true},
                {3, 0, 0, false, false},  {4, 0, 30, false, false}, {5, 12, 0, false, true}};
    for (const Row& row : rows) {
        MacroRecord macro;
        macro.ScheduleKind = static_cast<std::int16_t>(row.Kind);
        macro.Hour = static_cast<std::uint8_t>(row.Hour);
        macro.Minute = static_cast<std::uint8_t>(row.Minute);
        EXPECT_EQ(HoldsOnceTime(macro), row.HoldsOnce)
            << row.Kind << " " << row.Hour << ":" << row.Minute;
        EXPECT_EQ(HoldsTimeOfDay(macro), row.HoldsTime)
            << row.Kind << " " << row.Hour << ":" << row.Minute;
    }
}

// The single run a new timed macro is offered: the next whole hour, taken
// by its own Update, on the date (and weekday) that hour falls on.
TEST(ScheduleOffered, TheNextWholeHourAcrossDayMonthAndYearEnds) {
    const struct Row {
        const char* what;
        DateTime now;
        const char* hour;
        bool pm;
        int year, monthIndex;
        const char* day;
        int weekdayIndex;  // 0 Sunday
    } rows[] = {
        {"23:30 on the last of December", EncodeDateTime(2026, 12, 31, 23, 30), "12", false, 2027,
         0, "1", 5},
        {"23:00 sharp on 28 February", EncodeDateTime(2027, 2, 28, 23, 0), "12", false, 2027, 2,
         "1", 1},
        {"23:59:59.999 on 28 February of a leap year", EncodeDateTime(2028, 2, 28, 23, 59, 59, 999),
         "12", false, 2028, 1, "29", 2},
        {"11:59 AM", EncodeDateTime(2026, 6, 30, 11, 59), "12", true, 2026, 5, "30", 2},
        {"midnight sharp", EncodeDateTime(2026, 7, 1, 0, 0), "1", false, 2026, 6, "1", 3},
        {"22:59:59.999 on 31 July", EncodeDateTime(2026, 7, 31, 22, 59, 59, 999), "11", true, 2026,
         6, "31", 5},
        {"23:30 on 31 July", EncodeDateTime(2026, 7, 31, 23, 30), "12", false, 2026, 7, "1", 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ScheduleEntry e = NextWholeHourOnce(row.now);
        EXPECT_EQ(e.Hour, row.hour);
        EXPECT_EQ(e.Minute, "00");
        EXPECT_EQ(e.Pm, row.pm);
        EXPECT_EQ(e.Year, std::to_string(row.year));
        EXPECT_EQ(e.MonthIndex, row.monthIndex);
        EXPECT_EQ(e.Day, row.day);
        EXPECT_EQ(e.WeekdayIndex, row.weekdayIndex);
        const std::optional<ScheduleRefusal> refusal = CheckSchedule(e, DecodeDateTime(row.now));
        EXPECT_FALSE(refusal) << refusal->Message;
    }
}

TEST(OptionChecks, PrefixKeysAndAppearance) {
    const std::string typing =
        "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
        "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / + \\";
    const std::string leaving = typing.substr(0, typing.size() - 2);
    struct PrefixCase {
        const char* text;
        bool leaving;
        std::string refusal;
    } prefixes[] = {
        {" ;/ ", true, ""},    {"a\\", false, ""},     {"a\\", true, leaving},
        {"x'", false, typing}, {"x\"", true, leaving}, {"", true, ""},
    };
    for (const PrefixCase& c : prefixes) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PrefixKeysRefusal(c.text, c.leaving).value_or(""), c.refusal);
    }

    struct AppearanceCase {
        AppearanceEntry entry;
        std::string refusal;
        int field;  // or, stored, the category width
    } appearances[] = {
        {{{"150", "200", "1"}, "119", false}, "", 120},
        {{{"150", "200", "100"}, "130", true}, "", 130},
        {{{"150", "200", "100"}, "119", true}, "Category width must be at least 120.", 3},
        {{{"150", "0", "100"}, "120", true}, "Invalid width specified.", 1},
        {{{"150", "20", "x"}, "120", false}, "Invalid width specified.", 2},
    };
    for (const AppearanceCase& c : appearances) {
        auto result = CheckAppearance(c.entry);
        if (c.refusal.empty()) {
            ASSERT_TRUE(std::holds_alternative<AppearanceValues>(result)) << c.entry.CategoryWidth;
            const auto& values = std::get<AppearanceValues>(result);
            EXPECT_EQ(values.CategoryWidth, c.field);
            EXPECT_EQ(values.ColumnWidths[0], 150);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<AppearanceRefusal>(result));
        EXPECT_EQ(std::get<AppearanceRefusal>(result).Message, c.refusal);
        EXPECT_EQ(std::get<AppearanceRefusal>(result).Field, c.field);
    }
}

TEST(SystemKeys, PressedKeysAndTheChoiceAreChecked) {
    const int ctrlQ = 81, free = 90;
    using A = SystemMacroAction;
    const std::vector<KeyHolder> library = {
        {1, MacroKind::System, 300, A::ActivateEditor},
        {2, MacroKind::System, 301, A::StartStopCapture},
        {3, MacroKind::System, 302, A::ResumePause},
        {4, MacroKind::System, 303, A::MenuOfTopWindow},
        {5, MacroKind::System, 304, A::TerminatePlayer},
        {6, MacroKind::Global, ctrlQ, {}},
        {7, MacroKind::PopupMenu, 100, {}},
        {8, MacroKind::Window, 110, {}},
        {9, MacroKind::Program, 120, {}},
    };
    struct Case {
        int code;
        bool taken;
    } presses[] = {{ctrlQ, true}, {100, true},  {301, true},  {300, true},
                   {110, false},  {120, false}, {free, false}};
    for (const Case& c : presses) {
        std::optional<std::string> refusal = HotKeyTakenRefusal(library, c.code);
        EXPECT_EQ(refusal.has_value(), c.taken) << c.code;
        if (refusal) {
            EXPECT_NE(refusal->find("The hot key \"" + KeyName(c.code) + "\" is already in use"),
                      std::string::npos);
        }
    }

    SystemCommandKeys keys = SystemKeysOf(library);
    EXPECT_EQ(keys[0].Macro, 1);
    EXPECT_EQ(keys[4].ShownCode, 304);
    EXPECT_FALSE(SharesAKey(keys));
    EXPECT_TRUE(ChangedSystemKeys(keys).empty());
    keys[2].Code = free;
    ASSERT_EQ(ChangedSystemKeys(keys).size(), 1u);
    EXPECT_EQ(ChangedSystemKeys(keys)[0].Macro, 3);
    keys[4].Code = free;
    EXPECT_TRUE(SharesAKey(keys));
}

TEST(CopyMove, ChoicesAreCheckedAgainstTheKeysOfGlobalsAndMenus) {
    const std::string badCueword =
        "The Cueword name has invalid characters in it.  Valid characters are A - Z, a - z, "
        "0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
    const int globalKey = 81, menuKey = 82, systemKey = 261;
    const std::vector<KeyHolder> library = {
        {1, MacroKind::Global, globalKey, {}},
        {2, MacroKind::PopupMenu, menuKey, {}},
        {3, MacroKind::System, systemKey, SystemMacroAction::TerminatePlayer}};
    const auto hotKey = [](int code) { return ActivationChoice{NewActivation::HotKey, code, ""}; };
    const auto cueword = [](std::string text) {
        return ActivationChoice{NewActivation::Cueword, -1, std::move(text)};
    };
    struct Case {
        ActivationChoice choice;
        std::int16_t kind;
        bool move;
        std::string refusal;
    } cases[] = {
        {cueword("sig;"), MacroKind::Global, false, ""},
        {cueword("my sig"), MacroKind::Global, false, badCueword},
        {cueword("it's"), MacroKind::Global, false, badCueword},
        {cueword("say\"hi"), MacroKind::Global, false, badCueword},
        {cueword("  "), MacroKind::Global, false, "No Cueword name was entered."},
        {cueword("sig"), MacroKind::PopupMenu, true, MenuCuewordRefusal},
        {cueword("sig"), MacroKind::PopupMenu, false, MenuCuewordRefusal},
        {hotKey(globalKey), MacroKind::PopupMenu, true,
         "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The "
         "\"MOVE\" did not take place."},
        {hotKey(menuKey), MacroKind::Global, false,
         "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The "
         "\"COPY\" did not take place."},
        {hotKey(menuKey), MacroKind::Window, false, ""},
        {hotKey(systemKey), MacroKind::Global, false, ""},
        {hotKey(-1), MacroKind::Global, false, "No hot key selected.  Please select one."},
        {{NewActivation::WindowTitle, -1, " "},
         MacroKind::Global,
         true,
         "No Window Title was entered."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice.Text + " " + std::to_string(c.choice.Code));
        std::optional<ActivationRefusal> refusal =
            CheckActivationChoice(c.choice, c.kind, library, c.move);
        EXPECT_EQ(refusal ? refusal->Message : "", c.refusal);
    }

    MacroRecord record = testing::Macro("MOVED", globalKey);
    StoreActivationChoice(cueword(" sig; "), record);
    EXPECT_EQ(record.ActivationCode, ActivationCode::Cueword);
    EXPECT_EQ(record.CuewordText.str(), "sig;");
}

TEST(RemapLayout, GridsCoverTheTableAndPickerCellsRoundTrip) {
    std::set<int> covered;
    for (RemapGrid grid :
         {RemapGrid::Upper, RemapGrid::Lower, RemapGrid::Punctuation, RemapGrid::Numeric}) {
        RemapRange range = RemapGridRange(grid);
        for (int i = 0; i < range.Count; ++i) EXPECT_TRUE(covered.insert(range.First + i).second);
    }
    EXPECT_EQ(covered.size(), 93u);
    EXPECT_EQ(RemapGridRange(RemapGrid::Punctuation).Count, 31);
    EXPECT_EQ(RemapReplacementText(0), "None");
    EXPECT_EQ(RemapReplacementText('b'), "b");

    struct Case {
        int character;
        PickerCell cell;
    } cells[] = {{97, {2, 9}}, {255, {7, 27}}, {32, {0, 0}}, {0, {0, 0}}, {59, {0, 27}}};
    for (const Case& c : cells) {
        EXPECT_EQ(PickerCellOf(c.character), c.cell) << c.character;
        if (c.character >= 32) {
            EXPECT_EQ(PickerCharAt(c.cell), c.character);
        }
    }
}

TEST(InstalledPrograms, ExistingProgramsOnceWithoutTheHelpViewer) {
    const std::vector<FoundLink> links = {
        {"Notepad.lnk", "C:\\windows\\notepad.exe"}, {"Help.lnk", "C:\\windows\\winhelp.exe"},
        {"Gone.lnk", "C:\\nowhere\\gone.exe"},       {"Readme.lnk", "C:\\docs\\readme.txt"},
        {"Editor.LNK", "C:\\WINDOWS\\NOTEPAD.EXE"},
    };
    auto exists = [](const std::string& path) { return path.find("gone") == std::string::npos; };
    const std::vector<std::string> lines = InstalledProgramLines(links, exists);
    ASSERT_EQ(lines, std::vector<std::string>{"Notepad.lnkC:\\windows\\notepad.exe"});
    const InstalledProgram split = SplitInstalledProgram(lines[0]);
    EXPECT_EQ(split.Name, "Notepad");
    EXPECT_EQ(split.Program, "C:\\windows\\notepad.exe");
}

}  // namespace
}  // namespace orv::editor
