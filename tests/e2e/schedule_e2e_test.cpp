// Timed macros and the tray end to end: the real player types by itself at
// start-up and at a macro's time, and its tray menu ends it.
#include <gtest/gtest.h>

#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/schedule.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

MacroRecord TimedMacro(const std::string& nickname, ScheduleKind kind, const std::string& script) {
    MacroRecord r = Macro(nickname, ActivationCode::Scheduled, MacroKind::Global, script);
    r.ScheduleKind = static_cast<std::int16_t>(kind);
    return r;
}

// The local time a number of seconds from now.
SYSTEMTIME LocalTimeIn(int seconds) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER at{{now.dwLowDateTime, now.dwHighDateTime}};
    at.QuadPart += static_cast<ULONGLONG>(seconds) * 10'000'000;
    const FILETIME later{at.LowPart, at.HighPart};
    FILETIME local;
    FileTimeToLocalFileTime(&later, &local);
    SYSTEMTIME parts;
    FileTimeToSystemTime(&local, &parts);
    return parts;
}

// The pop-up menu a right click on the main tray icon opens. Its items are
// read in tests/player/win32/tray_test.cpp: Wine keeps a menu's items in its
// own process.
HWND TrayMenuOf() {
    HWND icon = nullptr;
    if (!WaitFor([&] { return (icon = FindWindowA("OrvaneTaskIcon", "Orvane 99")) != nullptr; }) ||
        !PostMessageA(icon, WM_USER, 0, WM_RBUTTONUP))
        return nullptr;
    HWND menu = nullptr;
    WaitFor([&] {
        menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu);
    });
    return menu;
}

class ScheduleEndToEnd : public ::testing::Test {
  protected:
    void StartWith(const std::vector<MacroRecord>& records, const std::string& extra = "") {
        library = WriteLibrary("e2e_schedule.ORN", records);
        ASSERT_FALSE(library.empty());
        ASSERT_TRUE(target.Start("Schedule Target"));
        ASSERT_TRUE(target.Focus());
        ASSERT_TRUE(player.Start(library, extra)) << "the player did not come up";
    }
    void TearDown() override {
        EXPECT_TRUE(player.Stop()) << "the player did not end";
        WritePrivateProfileStringA("Scheduler", "Timer Seconds", "10", "ORVAN.INI");
    }

    std::string library;
    Target target;
    Player player;
};

TEST_F(ScheduleEndToEnd, TheStartUpMacroRunsFirstThenTheStartUpScheduledOnes) {
    StartWith({Macro("Mine", ActivationCode::None, MacroKind::Global, "mine"),
               TimedMacro("later", ScheduleKind::Startup, "s")},
              "/AMine");
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "mines"; })) << target.Text();
}

// A start-up run that holds Shift and waits for a window that never comes:
// Escape ends it, and so does "Terminate Orvane" (the player with it); no
// key the run held stays down.
TEST_F(ScheduleEndToEnd, AStartUpRunWaitingForEverEndsOnEscapeAndOnTheTerminateKey) {
    constexpr int TerminateKey = 261;
    const auto shiftDown = [] { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; };
    StartWith({TimedMacro("stuck", ScheduleKind::Startup,
                          "<SHFD><WAITWIN:000:No Window Is Called So>x")});
    for (bool terminate : {false, true}) {
        SCOPED_TRACE(terminate ? "Terminate Orvane" : "Escape");
        if (terminate) {
            ASSERT_TRUE(target.Focus());
            ASSERT_TRUE(player.Start(library));
        }
        ASSERT_TRUE(WaitFor(shiftDown)) << "the run holds Shift";
        // The run ends first, as a close during a run does, and says so.
        ASSERT_TRUE(target.Keys(terminate ? "key " + XdoKey(TerminateKey) : "key Escape"));
        EXPECT_NE(AnswerBox("Macro Abort").find("aborted"), std::string::npos);
        if (terminate) {
            EXPECT_TRUE(player.Proc().WaitExit(10'000)) << "the player did not end";
        }
        EXPECT_TRUE(WaitFor([&] { return !shiftDown(); })) << "Shift left down";
        EXPECT_EQ(target.Text(), "");
        EXPECT_TRUE(player.Stop());
    }
}

TEST_F(ScheduleEndToEnd, AOnceOnlyMacroTypesAtItsMinute) {
    WritePrivateProfileStringA("Scheduler", "Timer Seconds", "1", "ORVAN.INI");
    // The next whole minute, or the one after when it is too close.
    SYSTEMTIME at = LocalTimeIn(60);
    if (at.wSecond > 55)
        at = LocalTimeIn(120);
    MacroRecord timed = TimedMacro("timed", ScheduleKind::Once, "timed");
    timed.Year = at.wYear;
    timed.Month = static_cast<std::uint8_t>(at.wMonth);
    timed.Day = static_cast<std::uint8_t>(at.wDay);
    timed.Hour = static_cast<std::uint8_t>(at.wHour % 12 == 0 ? 12 : at.wHour % 12);
    timed.Pm = at.wHour >= 12 ? 1 : 0;
    timed.Minute = static_cast<std::uint8_t>(at.wMinute);
    StartWith({timed});
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "timed"; }, 75'000)) << target.Text();
}

TEST_F(ScheduleEndToEnd, TheTrayMenuRestoresTheHooksAndEndsThePlayer) {
    std::uint16_t ctrlQ = 0;
    for (int code = 0; code < HotKeyCount; ++code)
        if (KeyName(code) == "Ctrl+Q")
            ctrlQ = static_cast<std::uint16_t>(code);
    StartWith({Macro("key", ctrlQ, MacroKind::Global, "k")});
    const std::uint32_t keyboard = MasterU32(HookAt::KeyboardHook);
    const std::uint32_t mouse = MasterU32(HookAt::MouseHook);

    HWND menu = TrayMenuOf();
    ASSERT_NE(menu, nullptr) << "no tray menu";
    // Down to "&Tools", into it: "&Restore Keyboard and Mouse Hooks".
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN})
        PostMessageA(menu, WM_KEYDOWN, key, 0);
    EXPECT_TRUE(WaitFor([&] {
        return MasterU32(HookAt::KeyboardHook) != keyboard && MasterU32(HookAt::MouseHook) != mouse;
    }));
    // Pressed at a person's pace: just after the menu the desktop's key
    // state can lag behind a Ctrl sent in the same instant as the Q, and
    // Wine may still set Ctrl up from a keymap read late after the menu's
    // focus change; a macro that did not run would type "q" on both tries.
    EXPECT_TRUE(target.SendKeysUntilText("keydown ctrl sleep 0.1 key q keyup ctrl", "k"))
        << target.Text();
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));

    menu = TrayMenuOf();
    ASSERT_NE(menu, nullptr) << "no tray menu";
    // "&Tools" shares its letter with "&Terminate Orvane", the last item.
    for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageA(menu, WM_KEYDOWN, key, 0);
    ASSERT_TRUE(player.Proc().WaitExit(10000));
    EXPECT_EQ(player.Proc().ExitCode(), 0u);
}

}  // namespace
}  // namespace orv::e2e
