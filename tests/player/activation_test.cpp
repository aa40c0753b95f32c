#include "player/activation.h"

#include <functional>

#include "common/hotkeys.h"
#include "tests/common/library_fixture.h"
#include "tests/player/fake_desk.h"
#include "tests/player/recording_host.h"

namespace orv::player {
namespace {

class ActivationTest : public orv::testing::LibraryTest {
  protected:
    ActivationTest() : LibraryTest(LibraryOwner::Player) {
        activation.ReinstallHooks = [this] { ++reinstalls; };
        activation.StartHookTimer = [this] { ++hookTimers; };
    }

    static MacroRecord OnWindow(const std::string& scope, const std::string& script,
                                bool enabled = true) {
        MacroRecord r = Ordinary(script, ActivationCode::WindowTitle);
        r.MacroKind = MacroKind::Window;
        r.ScopeText = scope;
        r.Enabled = enabled ? 1 : 0;
        r.SetScriptText(script);
        return r;
    }
    void Load(const std::vector<MacroRecord>& records) {
        WriteLibrary(records);
        ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
    }
    std::string Master(int slot) const {
        return GetShortString(hooks->Master.Bytes, HookAt::Programs + 26 * slot, 25);
    }

    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    RunShared shared{*settings, *table, *hooks, notices, library};
    testing::FakeDesk desk;
    RunDispatch dispatch{*settings, *table, library, shared, interpreter, desk};
    Activation activation{*settings, *table, *hooks, library, interpreter, dispatch, desk};
    int reinstalls = 0, hookTimers = 0;
};

TEST_F(ActivationTest, AWindowInFrontRunsItsMacrosInFileOrderWithoutTheInUseProtocol) {
    Load({OnWindow("pad", "one"), OnWindow("notepad", "off", false), OnWindow("Calc", "calc"),
          OnWindow("NOTEPAD", "two")});
    desk.Program = "notepad.exe";
    desk.Foreground = 42;
    activation.WindowActivated(42);
    EXPECT_EQ(host.Typed(), "onetwo");
    EXPECT_EQ(dispatch.Running().Nickname, "two");
    EXPECT_EQ(dispatch.Running().Activation, ActivationCode::WindowTitle);
    EXPECT_EQ(std::count(host.Trace.begin(), host.Trace.end(), "in use"), 0);
    EXPECT_EQ(dispatch.CurrentMacro, 4);
    EXPECT_EQ(GetShortString(hooks->Master.Bytes, HookAt::ForegroundProgram, 250), "NOTEPAD.EXE");
    EXPECT_EQ(activation.LastTitledWindow, 42u);
    EXPECT_EQ(activation.LastForeignWindow, 42u);

    // The player's own window, and a window without a title.
    desk.Program = "Tavrol.exe";
    activation.WindowActivated(43);
    EXPECT_EQ(activation.LastTitledWindow, 43u);
    EXPECT_EQ(activation.LastForeignWindow, 42u);
    desk.Title.clear();
    activation.WindowActivated(44);
    EXPECT_EQ(activation.LastTitledWindow, 43u);

    // None during a run.
    host.Trace.clear();
    desk.Title = "Notepad";
    state.Running = true;
    desk.Foreground = 45;
    activation.CheckForWindowMacros(45, "Notepad");
    EXPECT_EQ(host.Typed(), "");
}

TEST_F(ActivationTest, AWindowRunsItsMacrosOnlyWhenThePlayerIsFreeAndTheWindowStillInFront) {
    Load({OnWindow("Notepad", "header")});
    desk.Program = "notepad.exe";
    std::uint32_t window = 50;
    struct Case {
        const char* what;
        std::function<void(bool)> set;
        std::string typed;
    } cases[] = {
        {"free", [](bool) {}, "header"},
        {"a run in use (a hot key's, a Cueword's Backspaces)",
         [&](bool on) { table->SetMacroPlaying(on); }, ""},
        {"a menu", [&](bool on) { dispatch.MenuShown = on; }, ""},
        {"a capture", [&](bool on) { table->SetCaptureRunning(on); }, ""},
        {"a pause", [&](bool on) { on ? dispatch.PauseShown() : dispatch.PauseClosed(); }, ""},
        {"another window in front by now", [&](bool on) { desk.Foreground = on ? 1 : window; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.Trace.clear();
        // A window of its own each time: a new activation.
        desk.Foreground = ++window;
        c.set(true);
        activation.WindowActivated(window);
        c.set(false);
        EXPECT_EQ(host.Typed(), c.typed);
    }
    EXPECT_TRUE(desk.Notices.empty());
    // The hot key's wait for its modifiers.
    desk.Foreground = ++window;
    host.Trace.clear();
    dispatch.WhileStarting([&] {
        activation.WindowActivated(window);
        return true;
    });
    EXPECT_EQ(host.Typed(), "");
}

TEST_F(ActivationTest, ThePlayersOwnWindowHandingTheFrontBackIsNoNewActivation) {
    Load({OnWindow("Notepad", "header")});
    auto front = [&](std::uint32_t window, const std::string& program, const std::string& title) {
        desk.Foreground = window;
        desk.Program = program;
        desk.Title = title;
        activation.WindowActivated(window);
    };
    front(60, "notepad.exe", "Untitled - Notepad");
    // A notice, then the pause window; the front comes back to the same window.
    front(61, "TAVROL.EXE", "Warning");
    front(62, "tavrol.exe", "Pause (Ctrl+Q)");
    front(60, "notepad.exe", "Untitled - Notepad");
    EXPECT_EQ(host.Typed(), "header");
    // Another program's window between: a new activation.
    front(63, "calc.exe", "Calculator");
    front(60, "notepad.exe", "Untitled - Notepad");
    EXPECT_EQ(host.Typed(), "headerheader");
    // The macro menu (a tool window) and the hidden main window have no
    // window a user switches to: each stands for itself, the player's own.
    front(64, "tavrol.exe", "Choose A Macro");
    EXPECT_EQ(GetShortString(hooks->Master.Bytes, HookAt::ForegroundProgram, 250), "TAVROL.EXE");
    front(65, "tavrol.exe", "");
    // No window at all in between is no other program's either.
    front(0, "", "");
    front(60, "notepad.exe", "Untitled - Notepad");
    EXPECT_EQ(host.Typed(), "headerheader");
}

TEST_F(ActivationTest, TheRunningProgramsAreListedAndAChangeOfTheirNumberRestoresTheHooks) {
    desk.Running = {"explorer.exe", "System", "a-name-far-longer-than-the-slot.exe"};
    for (int n = 0; n < 250; ++n) desk.Running.push_back("p" + std::to_string(n) + ".exe");
    activation.SetRunningProgs();
    EXPECT_EQ(GetI32(hooks->Master.Bytes, HookAt::ProgramCount), HookProgramSlots);
    EXPECT_EQ(Master(0), "EXPLORER.EXE");
    EXPECT_EQ(Master(1), "A-NAME-FAR-LONGER-THAN-TH");
    EXPECT_EQ(Master(199), "P197.EXE");
    EXPECT_EQ(reinstalls, 0) << "Auto Hooks is off";

    settings->AutoHooks = true;
    desk.Running = {"explorer.exe", "notepad.exe"};
    activation.SetRunningProgs();
    EXPECT_EQ(GetI32(hooks->Master.Bytes, HookAt::ProgramCount), 2);
    EXPECT_EQ(Master(2), "") << "nothing stays behind the count";
    EXPECT_EQ(reinstalls, 1);
    EXPECT_EQ(hookTimers, 1);
    activation.SetRunningProgs();
    EXPECT_EQ(reinstalls, 1) << "the same number";

    // During a run the hooks stay; the timer tries again later.
    state.Running = true;
    desk.Running.push_back("calc.exe");
    activation.SetRunningProgs();
    EXPECT_EQ(reinstalls, 1);
    EXPECT_EQ(hookTimers, 2);
}

}  // namespace
}  // namespace orv::player
