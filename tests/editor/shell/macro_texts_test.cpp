// The texts the editor shows of one macro: its schedule, its quick info and
// the actions its row opens.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/hotkeys.h"
#include "editor/shell/macro_actions.h"
#include "editor/shell/quick_info.h"
#include "editor/shell/schedule_text.h"

namespace orv::editor {
namespace {

MacroRecord Timed(std::int16_t kind) {
    MacroRecord m;
    m.ActivationCode = ActivationCode::Scheduled;
    m.ScheduleKind = kind;
    m.Hour = 9, m.Minute = 5, m.Pm = 0;
    m.Day = 7, m.Month = 3, m.Year = 2027, m.Weekday = 2;
    m.MinutePastHour = 15, m.Minutes = 30;
    return m;
}

TEST(GetSched, EveryKind) {
    MacroRecord daily = Timed(3);
    daily.Hour = 12, daily.Minute = 0, daily.Pm = 1;
    daily.DayFlags = {1, 0, 0, 0, 1, 0, 0};  // Monday and Friday
    MacroRecord everyDay = Timed(3);
    everyDay.DayFlags = {1, 1, 1, 1, 1, 1, 1};
    MacroRecord month13 = Timed(1);
    month13.Month = 13;
    MacroRecord month0 = Timed(1);
    month0.Month = 0;
    MacroRecord weekday8 = Timed(4);
    weekday8.Weekday = 8;
    MacroRecord weekday0 = Timed(4);
    weekday0.Weekday = 0;

    struct Row {
        MacroRecord macro;
        const char* expected;
    };
    const Row rows[] = {
        {Timed(0), "At Startup"},
        {Timed(1), "Once at 9:05AM on 7 March 2027"},
        {Timed(2), "Hourly at 15 minutes past the hour"},
        {daily, "Daily at 12:00PM,Mon,Fri"},
        {everyDay, "Daily at 9:05AM,Sun,Mon,Tue,Wed,Thu,Fri,Sat"},
        {Timed(4), "Weekly at 9:05AM on Monday"},
        {Timed(5), "Monthly at 9:05AM on day 7 of each month"},
        {Timed(6), "every 30 minutes"},
        {Timed(7), "after 30 minutes of idle time"},
        {month13, "Once at 9:05AM on 7 13 2027"},
        {month0, "Once at 9:05AM on 7 0 2027"},
        {weekday8, "Weekly at 9:05AM on 8"},
        {weekday0, "Weekly at 9:05AM on 0"},
        {Timed(8), ""},
    };
    for (const Row& row : rows) EXPECT_EQ(GetSched(row.macro), row.expected);
}

MacroRecord Scoped(std::int16_t kind, std::uint16_t activation = 300) {
    MacroRecord m;
    m.MacroKind = kind;
    m.ActivationCode = activation;
    m.Nickname = "Greeting";
    m.ScopeText = "EDIT.EXE";
    m.CuewordText = "hi";
    m.Enabled = 1;
    m.SetScriptText("<TX>Hello");
    return m;
}

TEST(QuickInfo, ActivationScopeAndScript) {
    struct Row {
        MacroRecord macro;
        const char* caption;
        std::string value;
        const char* scope;
    };
    MacroRecord topMost = Scoped(MacroKind::Window);
    topMost.ScopeMatch = 1;
    const Row rows[] = {
        {Scoped(MacroKind::Global), "Hot Key:", KeyName(300), "GLOBAL"},
        {Scoped(MacroKind::Program, ActivationCode::Cueword), "Cueword:", "hi",
         "EDIT.EXE \"Program\" (If Running)"},
        {topMost, "Hot Key:", KeyName(300), "EDIT.EXE \"Window\" (Top Most Only)"},
        {Scoped(MacroKind::Window, ActivationCode::WindowTitle), "Window Title:", "EDIT.EXE",
         "EDIT.EXE \"Window\" (If Running)"},
        {Scoped(MacroKind::PopupMenu, ActivationCode::None), "None", "", "Popup Menu"},
        {Scoped(MacroKind::System), "Hot Key:", KeyName(300), "SYSTEM"},
        {Scoped(9, 9999), "Hot Key:", "", "EDIT.EXE \"Program\" (If Running)"},
    };
    for (const Row& row : rows) {
        QuickInfoTexts info = QuickInfoOf(row.macro);
        EXPECT_EQ(info.ActivationCaption, row.caption) << row.scope;
        EXPECT_EQ(info.ActivationValue, row.value) << row.scope;
        EXPECT_EQ(info.Scope, row.scope);
        EXPECT_EQ(info.Nickname, "Greeting");
    }

    MacroRecord timed = Timed(0);
    timed.MacroKind = MacroKind::Global;
    EXPECT_EQ(QuickInfoOf(timed).ActivationValue, "At Startup");
    EXPECT_EQ(QuickInfoOf(timed).Active, "No");

    QuickInfoTexts plain = QuickInfoOf(Scoped(MacroKind::Global));
    EXPECT_TRUE(plain.ShowScript);
    EXPECT_EQ(plain.Script, "<TX>Hello");
    EXPECT_EQ(plain.Active, "Yes");
    EXPECT_FALSE(QuickInfoOf(Scoped(MacroKind::PopupMenu)).ShowScript);
    EXPECT_FALSE(QuickInfoOf(Scoped(MacroKind::System)).ShowScript);
}

TEST(QuickInfo, LastModifiedNeverTakesApartAValueThatIsNoDate) {
    auto format = [](const DateTimeParts& p) {
        return std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day);
    };
    EXPECT_EQ(LastModifiedText(EncodeDateTime(2026, 12, 9, 8), format),
              "Last Modified On 2026-12-9");
    for (DateTime bad : {std::nan(""), std::numeric_limits<double>::infinity(), -1e300, 1e300,
                         -693594.0, 2958466.0})
        EXPECT_EQ(LastModifiedText(bad, format), "Last Modified On (unknown)") << bad;
}

ListMacro Row(std::int16_t kind, std::uint16_t activation) {
    return {1, activation, kind, "", "", "", 0, true};
}

TEST(MacroActions, FollowTheListAndTheSelectedMacro) {
    MacroActions a;
    a.SetButtons(true, true);
    EXPECT_FALSE(a.Remove || a.Copy || a.Script || a.QuickInfo) << "an empty list";
    a.QuickInfo = true;
    a.SetButtons(true, false);
    EXPECT_TRUE(a.Remove && a.Copy && a.ChangeActivation && a.OnDesktop && a.AddToCategory);
    EXPECT_TRUE(a.QuickInfo);

    struct Case {
        const char* name;
        ListMacro macro;
        bool copy, recapture, script;
        const char* modify;
    };
    const Case cases[] = {
        {"hot key", Row(MacroKind::Global, 300), true, true, true, "Modify &Directly"},
        {"Cueword", Row(MacroKind::Window, ActivationCode::Cueword), true, true, true,
         "Modify &Directly"},
        {"timed", Row(MacroKind::Program, ActivationCode::Scheduled), true, false, true,
         "Modify &Directly"},
        {"pop-up menu", Row(MacroKind::PopupMenu, ActivationCode::None), true, false, false,
         "Mo&dify Popup Menu"},
        {"pop-up menu on a hot key", Row(MacroKind::PopupMenu, 300), true, false, false,
         "Mo&dify Popup Menu"},
        {"system", Row(MacroKind::System, 300), false, false, false, "Modify &Directly"},
    };
    for (const Case& c : cases) {
        MacroActions actions;
        actions.SetButtons(true, false);
        actions.CheckTimeItem(c.macro);
        EXPECT_EQ(actions.Copy, c.copy) << c.name;
        EXPECT_EQ(actions.ModifyDirectly, c.copy) << c.name;
        EXPECT_EQ(actions.Remove, c.copy) << c.name;
        EXPECT_EQ(actions.Activate, c.copy) << c.name;
        EXPECT_EQ(actions.Recapture, c.recapture) << c.name;
        EXPECT_EQ(actions.Script, c.script) << c.name;
        EXPECT_EQ(actions.ModifyCaption, c.modify) << c.name;
    }

    a.ShowEnabledState(true);
    EXPECT_EQ(a.ActivateCaption, "Deacti&vate Macro");
    EXPECT_EQ(a.ActivateHint, "Deactivate Macro");
    a.ShowEnabledState(false);
    EXPECT_EQ(a.ActivateCaption, "Acti&vate Macro");
}

}  // namespace
}  // namespace orv::editor
