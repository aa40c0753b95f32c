#include "player/window_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/string_routines.h"
#include "player/interpreter.h"
#include "player/wait_commands.h"
#include "player/launch_path.h"
#include "tests/player/fake_wait_desk.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

using testing::RecordingHost;
using Trace = std::vector<std::string>;

// A desktop of titled windows, in the system's order, that notes every
// change made to them. A window is visible and unowned unless its look says
// otherwise; one brought to the front is the foreground window unless the
// foreground is locked.
class FakeWindows final : public WindowHost {
  public:
    struct Window {
        std::string Title;
        std::uint32_t Process = 0;
        WindowLook Seen{.Visible = true};
        // The window's own owner; its root owner where only that is given.
        WindowId Owner = 0;
    };

    WindowId FindExactTitle(std::string_view title) override {
        for (const auto& [id, w] : Windows)
            if (w.Title == title)
                return id;
        return 0;
    }
    std::vector<WindowId> TopLevelWindows() override {
        std::vector<WindowId> ids;
        for (const auto& entry : Windows) ids.push_back(entry.first);
        return ids;
    }
    std::string Title(WindowId window) override { return Windows[window].Title; }
    WindowLook Look(WindowId window) override {
        const auto found = Windows.find(window);
        WindowLook look = found == Windows.end() ? WindowLook{} : found->second.Seen;
        if (!look.RootOwner)
            look.RootOwner = window;
        if (!look.LastActivePopup)
            look.LastActivePopup = window;
        return look;
    }
    WindowId Foreground() override { return ForegroundWindow; }
    std::uint32_t ProcessOf(WindowId window) override { return Windows[window].Process; }
    std::uint32_t FindProcess(std::string_view namePart) override {
        for (const auto& [id, name] : Processes)
            if (name.find(namePart) != std::string::npos)
                return id;
        return 0;
    }
    bool BringToFront(WindowId window) override {
        Log("front", window);
        if (OnFront)
            OnFront(window);
        if (!ForegroundLocked)
            ForegroundWindow = window;
        return ForegroundWindow == window;
    }
    // The system's rule: the window or one down its owner chain is in front.
    bool InFront(WindowId window) override {
        WindowId front = ForegroundWindow;
        for (int depth = 0; front && depth < 16; ++depth) {
            if (front == window)
                return true;
            const Window& seen = Windows[front];
            front = seen.Owner                     ? seen.Owner
                    : seen.Seen.RootOwner != front ? seen.Seen.RootOwner
                                                   : 0;
        }
        return false;
    }
    void PostQuit(WindowId window) override { Log("quit", window); }
    void Show(WindowId window, bool visible) override { Log(visible ? "show" : "hide", window); }
    void Resize(WindowId window, std::int32_t w, std::int32_t h) override {
        Log("size " + std::to_string(w) + "x" + std::to_string(h), window);
    }
    void Move(WindowId window, std::int32_t x, std::int32_t y) override {
        Log("move " + std::to_string(x) + "," + std::to_string(y), window);
    }
    void SendSysCommand(WindowId window, std::uint16_t code) override {
        Log("sys " + std::to_string(code), window);
    }
    std::int64_t ShellOpen(std::string_view file, std::string_view parameters) override {
        Calls.push_back("open " + std::string(file) + "|" + std::string(parameters));
        if (OnOpen)
            OnOpen();
        return ShellResult;
    }
    void SetSecondWindow(WindowId window, bool on) override {
        Log(on ? "second on" : "second off", window);
    }

    void Log(const std::string& what, WindowId window) {
        Calls.push_back(what + " " + Windows[window].Title);
    }

    std::map<WindowId, Window> Windows;
    std::map<std::uint32_t, std::string> Processes;
    WindowId ForegroundWindow = 0;
    // The system refuses to hand the foreground on (the foreground lock).
    bool ForegroundLocked = false;
    std::int64_t ShellResult = 42;
    std::function<void()> OnOpen;
    std::function<void(WindowId)> OnFront;
    Trace Calls;
};

class WindowCommandsTest : public ::testing::Test {
  protected:
    WindowCommandsTest() {
        desk.Windows = {{1, {"Alpha Beta", 7}},
                        {2, {"Alpha", 8}},
                        {3, {"", 9}},
                        {4, {"Editor - notes.txt", 9}}};
        host.FamiliesSet[FamilyId::Windows] = &commands;
    }
    void Run(std::string_view script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }
    // Run with what earlier runs did to the desk and the host forgotten.
    void RunAfresh(std::string_view script) {
        desk.Calls.clear();
        host.Trace.clear();
        Run(script);
    }

    RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeWindows desk;
    WindowCommands commands{desk, interpreter.Play()};
};

TEST_F(WindowCommandsTest, EveryWindowCommandWaitsForTheKeysPlayedBeforeIt) {
    std::string typedBeforeSettle;
    commands.SettleInput = [&] {
        typedBeforeSettle = host.Typed();
        desk.Calls.push_back("settle");
    };
    const std::string scripts[] = {"<ACTIVATE:Alpha>",     "<WCLS:notes>",
                                   "<WMIN:Alpha>",         "<WSIZE:0300,0200Alpha>",
                                   "<WPOS:0030,0040Beta>", "<LAUNCH:notepad.exe>"};
    for (const std::string& script : scripts) {
        SCOPED_TRACE(script);
        RunAfresh("bye" + script + "x");
        ASSERT_GE(desk.Calls.size(), 2u);
        EXPECT_EQ(desk.Calls[0], "settle");
        EXPECT_EQ(typedBeforeSettle, "bye");
    }
    // Escape pressed while the keys were on their way: the close never comes.
    commands.SettleInput = [&] { state.AbortFlag = true; };
    RunAfresh("bye<WCLS:notes>x");
    EXPECT_EQ(desk.Calls, Trace{});
    EXPECT_EQ(host.Typed(), "bye");
    EXPECT_EQ(host.Notices(), Trace{"Macro Abort: Orvane 99 macro has been aborted."});
}

TEST_F(WindowCommandsTest, TitleCommands) {
    struct Case {
        std::string script;
        Trace calls;
        std::string typed;
    };
    const Case cases[] = {
        // The exact title wins over an earlier window that holds the text.
        {"<ACTIVATE:Alpha>x", {"front Alpha"}, "x"},
        {"<ACTIVATE:alpha b>x", {"front Alpha Beta"}, "x"},
        {"<WCLS:NoSuch>x", {}, "x"},
        {"<WCLS:notes>", {"sys 61536 Editor - notes.txt"}, ""},
        {"<WMAX:\"CURRENT\">", {"sys 61488 Alpha"}, ""},
        {"<WMIN:>x", {}, "x"},
        {"<WPOS2:-0010,00020\"CURRENT\">", {"move -10,20 Alpha"}, ""},
        {"<WPOS:0030,0040Beta>", {"move 30,40 Alpha Beta"}, ""},
        {"<WSIZE:0300,0200Alpha>", {"size 300x200 Alpha"}, ""},
        {"<WHIDE:Alpha><WSHOW:Alpha><WSHUT:Alpha>", {"hide Alpha", "show Alpha", "quit Alpha"}, ""},
        {"<HTTP:www.example.com/a?b>", {"open www.example.com/a?b|"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        desk.ForegroundWindow = 2;
        RunAfresh(c.script);
        EXPECT_EQ(desk.Calls, c.calls);
        EXPECT_EQ(host.Typed(), c.typed);
        EXPECT_TRUE(host.Notices().empty());
    }
    EXPECT_EQ(commands.LastActivatedWindow, 1u);
}

TEST_F(WindowCommandsTest, ActivateWithoutAWindowEndsTheRun) {
    Run("<ACTIVATE:None>x");
    EXPECT_EQ(host.Typed(), "");
    EXPECT_EQ(host.Notices(),
              (Trace{"Activate Command Failed: Specified window title of \"None\" could not be "
                     "found on your computer. Macro will abort."}));
}

TEST_F(WindowCommandsTest, LaunchPassesEverythingAfterTheFirstParamMarker) {
    EXPECT_TRUE(commands.LaunchProgram("a.exe<PARAM>-x<PARAM>y", 0, 12, false));
    Run("<LAUNCH:b.exe<PARAM>-q>");
    EXPECT_EQ(desk.Calls, (Trace{"open a.exe|-x<PARAM>y", "open b.exe|-q"}));
}

TEST_F(WindowCommandsTest, FailedLaunchEndsEveryLevelWithItsReason) {
    desk.ShellResult = 2;
    host.Macros["inner"] = "<REPEAT:0002>a<LAUNCH:missing.exe>b<ENDREP>";
    host.CapsLock = true;
    Run("<MACRUN:inner>c");
    EXPECT_EQ(host.Typed(), "[20]a[20]");  // Caps Lock off, then back once
    EXPECT_EQ(host.Notices(),
              (Trace{"Launch Error: \"missing.exe\" failed to launch because the specified file "
                     "was not found. Macro will abort."}));
    desk.ShellResult = 99;
    EXPECT_EQ(WindowText::LaunchError("p", 99).find("of an unknown Error #99."), 29u);
}

TEST_F(WindowCommandsTest, LaunchAndActivateWaitsForItsTitle) {
    // The window appears a while after the start.
    desk.OnOpen = [&] {
        host.OnPump = [&] {
            if (host.NowMs > 8000)
                desk.Windows[5] = {"Later Window", 3};
        };
    };
    Run("<LAUNCHNO2:0105Later<LAUNCH:later.exe>x");
    EXPECT_EQ(desk.Calls, (Trace{"open later.exe|", "front Later Window"}));
    EXPECT_EQ(host.Typed(), "x");
    // The pause of one second after the window came.
    EXPECT_GE(host.NowMs, 9000u);

    RunAfresh("<LAUNCHYES:01Alpha<LAUNCH:alpha.exe>y");  // there already: nothing starts
    EXPECT_EQ(desk.Calls, (Trace{"front Alpha"}));

    host.OnPump = {};
    desk.OnOpen = {};
    RunAfresh("<LAUNCHNO2:0001Never<LAUNCH:never.exe>z");
    EXPECT_EQ(host.Typed(), "");
    EXPECT_EQ(host.Notices(),
              (Trace{"Launch Failed: Specified window title of \"Never\" could not be found on "
                     "your computer. Macro will abort."}));
}

TEST_F(WindowCommandsTest, ActivateProgFindsTheProgramsTitledWindow) {
    desk.Processes = {{9, "NOTEPAD.EXE"}};
    EXPECT_TRUE(commands.ActivateProg("notepad"));
    EXPECT_EQ(desk.Calls, (Trace{"front Editor - notes.txt"}));
    EXPECT_FALSE(commands.ActivateProg("calc"));
}

TEST_F(WindowCommandsTest, EveryCommandOfTheFamilyReachesAWindow) {
    // Sample tokens name the window "x".
    desk.Windows[5] = {"x", 10};
    desk.Processes = {{10, "x"}};
    desk.ForegroundWindow = 5;
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Windows, [&](const std::string& token) { RunAfresh(token); },
        [&] { return !desk.Calls.empty() || !host.Notices().empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

// A program's windows as Windows lists them: its hidden, cloaked, tool and
// owned windows above the one a user sees.
class SwitchableWindowsTest : public WindowCommandsTest {
  protected:
    SwitchableWindowsTest() {
        constexpr WindowId main = 16;
        desk.Windows = {
            {10, {"Default IME", 9, {}}},
            {11, {"Notes", 9, {}}},  // hidden, and the system's exact match
            {12, {"Notes - Palette", 9, {.Visible = true, .ToolWindow = true, .RootOwner = main}}},
            {13, {"Notes", 9, {.Visible = true, .Cloaked = true}}},
            {14, {"Notes options", 9, {.Visible = true, .RootOwner = main}}},
            {15, {"", 9, {.Visible = true}}},
            {main, {"Notes", 9}},
            {20, {"Other", 4}},
        };
        desk.Processes = {{9, "NOTES.EXE"}, {4, "OTHER.EXE"}};
        desk.ForegroundWindow = 20;
    }
};

TEST_F(SwitchableWindowsTest, ActivationTitleSearchAndProgramsPickTheWindowAUserSees) {
    for (const char* script : {"<ACTIVATE:Notes>x", "<ACTIVATE:NOTES>x", "<ACTIVATE:ote>x"}) {
        SCOPED_TRACE(script);
        desk.ForegroundWindow = 20;
        host.Trace.clear();
        Run(script);
        EXPECT_EQ(desk.ForegroundWindow, 16u);
        EXPECT_EQ(commands.TargetWindow, 16u);
        EXPECT_EQ(host.Typed(), "x");
    }
    // What only hidden, tool or owned helper windows hold is no window.
    for (const char* title : {"Default IME", "Palette", "options"}) {
        SCOPED_TRACE(title);
        EXPECT_EQ(commands.GetWinHandle(title), 0u);
    }
    // A title a cloaked window has exactly names that window, never another
    // whose title holds it.
    desk.Windows[40] = {"Settings", 3, {.Visible = true, .Cloaked = true}};
    desk.Windows[41] = {"settings.ini - Notes", 9};
    EXPECT_EQ(commands.GetWinHandle("Settings"), 0u);
    EXPECT_EQ(commands.GetWinHandle("settings.ini"), 41u);
    // The trigger's road: the program's first window a user can switch to.
    desk.ForegroundWindow = 20;
    EXPECT_TRUE(commands.ActivateProg("notes"));
    EXPECT_EQ(desk.ForegroundWindow, 16u);
    // A modal dialog the main window shows is what Alt+Tab offers for both.
    desk.Windows[17] = {"Save As", 9, {.Visible = true, .RootOwner = 16}};
    desk.Windows[16].Seen.LastActivePopup = 17;
    EXPECT_EQ(commands.GetWinHandle("Save As"), 17u);
    EXPECT_EQ(commands.GetWinHandle("Notes"), 16u);
    // A main window that hangs from a hidden one is in front when the dialog
    // it shows comes forward in its place: its owner, not its root owner.
    desk.Windows[31] = {"", 6, {}};
    desk.Windows[32] = {"Main of hidden", 6, {.Visible = true, .RootOwner = 31}};
    desk.Windows[33] = {"Save", 6, {.Visible = true, .RootOwner = 31}, 32};
    desk.ForegroundLocked = true;
    desk.OnFront = [&](WindowId) { desk.ForegroundWindow = 33; };
    host.Trace.clear();
    Run("<ACTIVATE:Main of hidden>x");
    EXPECT_EQ(host.Typed(), "x");
    EXPECT_TRUE(host.Notices().empty());
}

TEST_F(SwitchableWindowsTest, ScopesSeeTheWindowAUserSeesForTheForeground) {
    desk.Windows[30] = {"Tray", 5, {.Visible = true, .ToolWindow = true}};
    desk.Windows[31] = {"Hidden owner", 6, {}};
    desk.Windows[32] = {"Main of hidden", 6, {.Visible = true, .RootOwner = 31}};
    const std::pair<WindowId, WindowId> cases[] = {
        {16, 16},  // a window a user can switch to is itself
        {12, 16},  // the palette stands for the window it belongs to
        {14, 16},  // an owned window not shown for its tree
        {30, 0},   // a tool window of nobody is nobody's scope
        {10, 0},   // a hidden window
        {32, 32},  // a window whose owner is hidden is the one a user sees
        {0, 0},
    };
    for (const auto& [window, seen] : cases) {
        SCOPED_TRACE(window);
        EXPECT_EQ(commands.UserWindowOf(window), seen);
    }
}

TEST_F(WindowCommandsTest, AWindowThatStaysBehindEndsTheRunBeforeAnythingIsTyped) {
    desk.ForegroundWindow = 4;
    desk.ForegroundLocked = true;
    const std::string behind =
        "The window \"Alpha\" did not come to the front, so what the macro "
        "types next would go to another window. Macro will abort.";
    struct Case {
        std::string script;
        std::string notice;
        Trace calls;
    };
    const Case cases[] = {
        {"ab<ACTIVATE:Alpha>cd", "Activate Command Failed: " + behind, {"front Alpha"}},
        // Found but behind: the program is not started a second time.
        {"ab<LAUNCHYES:01Alpha<LAUNCH:alpha.exe>cd", "Launch Failed: " + behind, {"front Alpha"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const std::uint64_t start = host.NowMs;
        RunAfresh(c.script);
        EXPECT_EQ(host.Typed(), "ab");
        EXPECT_EQ(host.Notices(), Trace{c.notice});
        EXPECT_EQ(desk.Calls, c.calls);
        // The window was given the command's own wait to come forward.
        EXPECT_GE(host.NowMs - start, WindowCommands::ForegroundWaitMs);
    }
    // A scope's activation before its run waits for nothing.
    desk.Processes = {{8, "ALPHA.EXE"}};
    const std::uint64_t before = host.NowMs;
    EXPECT_FALSE(commands.ActivateProg("alpha"));
    EXPECT_EQ(host.NowMs, before);

    // A launched program whose window appears but stays behind.
    RunAfresh("<LAUNCHNO2:0002Alpha<LAUNCH:alpha.exe>cd");
    EXPECT_EQ(host.Notices(), Trace{"Launch Failed: " + behind});
    EXPECT_EQ(host.Typed(), "");

    // A window that comes forward a moment late is in time.
    host.Trace.clear();
    host.OnPump = [&, until = host.NowMs + 400] {
        if (host.NowMs > until)
            desk.ForegroundWindow = 2;
    };
    Run("<ACTIVATE:Alpha>cd");
    EXPECT_EQ(host.Typed(), "cd");
    EXPECT_TRUE(host.Notices().empty());
}

TEST_F(WindowCommandsTest, NothingIsPlayedIntoAWindowRunningAsAdministrator) {
    const std::string notice =
        "Window Runs as Administrator: The window \"Alpha\" runs as administrator. Orvane must "
        "be started as administrator to play into it. Macro will abort.";
    // The player's wiring: window commands and notices settle the keys
    // played before them first.
    testing::FakeSignals signals;
    WaitCommands waits{signals, commands};
    const auto settle = [&] {
        if (state.Running && !state.AbortFlag)
            waits.WaitWhileBusy(interpreter.Play());
    };
    commands.SettleInput = settle;
    host.OnNotice = settle;
    // Brought forward in the middle of a run.
    desk.OnFront = [&](WindowId window) {
        host.ElevatedTitle = window == 2 ? std::optional<std::string>("Alpha") : std::nullopt;
    };
    Run("ab<ACTIVATE:Alpha>cd<LCLK><ACTIVATE:Alpha Beta>ef");
    EXPECT_EQ(host.Typed(), "ab[43]");
    EXPECT_EQ(host.Notices(), Trace{notice});
    EXPECT_EQ(desk.Calls, Trace{"front Alpha"});
    EXPECT_TRUE(host.StillDown().empty());
    // Only the keys played into the window before are waited for: the
    // notice of the refused run shows at once.
    EXPECT_EQ(std::count(signals.Calls.begin(), signals.Calls.end(), "clear wait timer"), 1);

    // In front as the run starts: the notice, no key, no click, and no window
    // command after it. A run that brings another window forward, or starts
    // a program, before it types is no business of the window it started
    // in; nothing it played is there to settle.
    desk.OnOpen = [&] { host.ElevatedTitle.reset(); };
    const std::pair<const char*, bool> starts[] = {
        {"cd", true},
        {"<LCLK>", true},
        {"<ALTD>c<ALTU>", true},
        {"c<ACTIVATE:Alpha Beta>ef", true},
        {"c<WMIN:Alpha Beta>", true},
        {"c<LAUNCH:notepad.exe>", true},
        {"<ACTIVATE:Alpha Beta>ef", false},
        {"<LAUNCH:notepad.exe>ef", false},
    };
    for (const auto& [script, refused] : starts) {
        SCOPED_TRACE(script);
        signals.Calls.clear();
        host.ElevatedTitle = "Alpha";
        RunAfresh(script);
        if (refused) {
            EXPECT_EQ(host.Keys(), std::vector<std::string>{});
        } else {
            EXPECT_EQ(host.Typed(), "ef");
        }
        EXPECT_EQ(host.Notices(), refused ? Trace{notice} : Trace{});
        EXPECT_EQ(desk.Calls.size(), refused ? 0u : 1u);
        EXPECT_EQ(signals.Calls, Trace{});
    }
}

TEST(LaunchPathTest, AProgramOnlyThe64BitSystemFolderHasGoesThroughSysnative) {
    // What a 32-bit program sees: System32 is SysWOW64, Sysnative the real
    // one; names in any case.
    std::set<std::string> seen;
    for (const char* path :
         {"C:\\Windows\\System32\\notepad.exe", "C:\\Windows\\Sysnative\\notepad.exe",
          "C:\\Windows\\Sysnative\\bash.exe", "C:\\Windows\\Sysnative\\drivers\\x.exe",
          "C:\\Windows\\Sysnative\\drivers\\etc\\hosts", "C:\\Windows\\Sysnative\\x.bat",
          "C:\\Windows\\Sysnative\\y.cmd", "C:\\Windows\\Sysnative\\gpedit.msc"})
        seen.insert(UpperAscii(path));
    const auto exists = [&](const std::string& path) { return seen.contains(UpperAscii(path)); };
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Windows\\System32\\bash.exe", "C:\\Windows\\Sysnative\\bash.exe"},
        {"c:\\windows\\SYSTEM32\\BASH.EXE", "C:\\Windows\\Sysnative\\BASH.EXE"},
        {"C:\\Windows\\System32\\drivers\\x.exe", "C:\\Windows\\Sysnative\\drivers\\x.exe"},
        // Both folders have it: the program of our own width.
        {"C:\\Windows\\System32\\notepad.exe", "C:\\Windows\\System32\\notepad.exe"},
        // Neither has it: the shell says so for the path the user wrote.
        {"C:\\Windows\\System32\\nosuch.exe", "C:\\Windows\\System32\\nosuch.exe"},
        // A document goes to a program that may be 64-bit, which knows no
        // Sysnative.
        {"C:\\Windows\\System32\\drivers\\etc\\hosts",
         "C:\\Windows\\System32\\drivers\\etc\\hosts"},
        {"C:\\Windows\\System32x\\bash.exe", "C:\\Windows\\System32x\\bash.exe"},
        // However the path is written: quoted, either slash, the folder's
        // variable, doubled separators, "." and "..".
        {"\"C:\\Windows\\System32\\bash.exe\" ", "C:\\Windows\\Sysnative\\bash.exe"},
        {"C:/Windows/System32/bash.exe", "C:\\Windows\\Sysnative\\bash.exe"},
        {"%SystemRoot%\\System32\\bash.exe", "C:\\Windows\\Sysnative\\bash.exe"},
        {"%windir%\\System32\\bash.exe", "C:\\Windows\\Sysnative\\bash.exe"},
        {"C:\\Windows\\System32\\\\bash.exe", "C:\\Windows\\Sysnative\\bash.exe"},
        {"C:\\Windows\\System32\\..\\System32\\.\\bash.exe", "C:\\Windows\\Sysnative\\bash.exe"},
        {"C:\\Windows\\System32\\..\\bash.exe", "C:\\Windows\\System32\\..\\bash.exe"},
        // The command processor's scripts are programs too; a console is a
        // document.
        {"C:\\Windows\\System32\\x.bat", "C:\\Windows\\Sysnative\\x.bat"},
        {"C:\\Windows\\System32\\y.CMD", "C:\\Windows\\Sysnative\\y.CMD"},
        {"C:\\Windows\\System32\\gpedit.msc", "C:\\Windows\\System32\\gpedit.msc"},
        {"bash.exe", "bash.exe"},
    };
    for (const auto& [path, started] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ThroughSysnative(path, "C:\\Windows", exists), started);
        EXPECT_EQ(ThroughSysnative(path, "C:\\Windows\\", exists), started);
    }
}

}  // namespace
}  // namespace orv::player
