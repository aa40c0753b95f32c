#include "player/window_commands.h"

#include <gtest/gtest.h>

#include <map>

#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

using testing::RecordingHost;
using Trace = std::vector<std::string>;

// A desktop of titled windows, in the system's order, that notes every
// change made to them.
class FakeWindows final : public WindowHost {
  public:
    struct Window {
        std::string Title;
        std::uint32_t Process = 0;
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
    WindowId Foreground() override { return ForegroundWindow; }
    std::uint32_t ProcessOf(WindowId window) override { return Windows[window].Process; }
    std::uint32_t FindProcess(std::string_view namePart) override {
        for (const auto& [id, name] : Processes)
            if (name.find(namePart) != std::string::npos)
                return id;
        return 0;
    }
    void BringToFront(WindowId window) override { Log("front", window); }
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
    std::int64_t ShellResult = 42;
    std::function<void()> OnOpen;
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
        desk.Calls.clear();
        host.Trace.clear();
        Run("bye" + script + "x");
        ASSERT_GE(desk.Calls.size(), 2u);
        EXPECT_EQ(desk.Calls[0], "settle");
        EXPECT_EQ(typedBeforeSettle, "bye");
    }
    // Escape pressed while the keys were on their way: the close never comes.
    commands.SettleInput = [&] { state.AbortFlag = true; };
    desk.Calls.clear();
    host.Trace.clear();
    Run("bye<WCLS:notes>x");
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
        desk.Calls.clear();
        host.Trace.clear();
        desk.ForegroundWindow = 2;
        Run(c.script);
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

    desk.Calls.clear();
    host.Trace.clear();
    Run("<LAUNCHYES:01Alpha<LAUNCH:alpha.exe>y");  // there already: nothing starts
    EXPECT_EQ(desk.Calls, (Trace{"front Alpha"}));

    desk.Calls.clear();
    host.Trace.clear();
    host.OnPump = {};
    desk.OnOpen = {};
    Run("<LAUNCHNO2:0001Never<LAUNCH:never.exe>z");
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
        FamilyId::Windows,
        [&](const std::string& token) {
            desk.Calls.clear();
            host.Trace.clear();
            Run(token);
        },
        [&] { return !desk.Calls.empty() || !host.Notices().empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
