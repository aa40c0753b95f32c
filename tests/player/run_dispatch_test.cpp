#include "player/run_dispatch.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "common/hotkeys.h"
#include "tests/common/library_fixture.h"
#include "player/dialog_commands.h"
#include "tests/player/fake_desk.h"
#include "tests/player/recording_host.h"

namespace orv::player {
namespace {

using testing::FakeDesk;

constexpr std::uint16_t CtrlQ = 16;

class RunDispatchTest : public orv::testing::LibraryTest {
  protected:
    RunDispatchTest() : LibraryTest(LibraryOwner::Player) {
        host.OnMarkInUse = [this](bool inUse) { shared.SetMacroInUse(inUse); };
    }

    void Load(const std::vector<MacroRecord>& records) {
        WriteLibrary(records);
        ASSERT_TRUE(library.LoadMacroFile(LibraryPath(), false));
        SetHotKeys(*table);
        notices.Posted.clear();
    }
    static MacroRecord Scoped(const std::string& name, std::int16_t kind, const std::string& scope,
                              std::uint8_t match = 1) {
        MacroRecord r = Ordinary(name, CtrlQ);
        r.MacroKind = kind;
        r.ScopeText = scope;
        r.ScopeMatch = match;
        r.SetScriptText(name);
        return r;
    }
    static MacroRecord Typing(const std::string& name, std::uint16_t code,
                              const std::string& script) {
        MacroRecord r = Ordinary(name, code);
        r.SetScriptText(script);
        return r;
    }
    std::string Typed() const { return host.TypedMarkingEnds(); }
    // Macro n as a menu shows it.
    std::optional<HeldMacro> Shown(int n) const {
        HeldMacro held;
        EXPECT_TRUE(library.HoldMacroRecord(n, held));
        return held;
    }

    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    RunShared shared{*settings, *table, *hooks, notices, library};
    FakeDesk desk;
    RunDispatch dispatch{*settings, *table, library, shared, interpreter, desk};
};

TEST_F(RunDispatchTest, OnlyEnabledHotKeyMacrosMarkTheirCode) {
    MacroRecord off = Ordinary("Off", 5);
    off.Enabled = 0;
    MacroRecord cue = Ordinary("Cue", ActivationCode::Cueword);
    Load({Ordinary("On", 3), off, cue, Ordinary("Timed", ActivationCode::Scheduled)});
    EXPECT_EQ(table->U8(HookAt::CodeUsed + 3), 1);
    EXPECT_EQ(table->U8(HookAt::CodeUsed + 5), 0);
    EXPECT_TRUE(table->CuewordsExist());
    int marked = 0;
    for (int code = 0; code < HotKeyCount; ++code) marked += table->U8(HookAt::CodeUsed + code);
    // "On" and the five system macros.
    EXPECT_EQ(marked, 6);
}

// Which macros a hot key means, from the table and the window in front
// alone: a scope the window in front fits, else the "if running" scopes to
// bring forward in file order, else the last global macro.
TEST(ChooseMacro, AScopeInFrontBeatsOneBroughtForwardWhichBeatsTheLastGlobal) {
    struct Entry {
        std::int16_t Kind;
        const char* Scope;
        bool Enabled = true;
        std::uint8_t Match = 1;
        std::uint16_t Code = CtrlQ;
    };
    constexpr std::int16_t G = MacroKind::Global, W = MacroKind::Window, P = MacroKind::Program,
                           M = MacroKind::PopupMenu, S = MacroKind::System;
    const FrontWindow pad{7, "Untitled - Notepad", "notepad.exe"},
        calc{7, "Calculator", "calc.exe"}, other{7, "Other", "write.exe"},
        pause{7, "Pause (Calc)", "tavrol.exe"}, none{0, "Calculator", "calc.exe"};
    struct Row {
        const char* name;
        std::vector<Entry> entries;
        FrontWindow front;
        MacroChoice choice;
    };
    const Row rows[] = {
        {"the window in front fits",
         {{G, ""}, {G, ""}, {W, "notepad"}, {W, "Calc"}},
         pad,
         {3, {}, 2}},
        {"the first that fits, case aside", {{W, "calc"}, {W, "CALC"}}, calc, {1, {}, 0}},
        {"no scope fits: the last global", {{G, ""}, {G, ""}, {W, "notepad"}}, other, {0, {}, 2}},
        {"menus and system macros are global", {{G, ""}, {M, ""}, {S, ""}}, other, {0, {}, 3}},
        {"the pause window is nobody's scope", {{G, ""}, {W, "Calc"}}, pause, {0, {}, 1}},
        {"no window in front", {{G, ""}, {W, "Calc"}}, none, {0, {}, 1}},
        {"a program scope reads the program", {{G, ""}, {P, "notepad"}}, pad, {2, {}, 1}},
        {"not the title", {{P, "Calc"}}, {7, "calc.exe", "write.exe"}, {0, {}, 0}},
        {"if running: brought forward in file order",
         {{W, "Inbox", true, 0}, {G, ""}, {P, "mail", true, 0}},
         other,
         {0, {1, 3}, 2}},
        {"if running and in front", {{W, "Calc", true, 0}}, calc, {1, {1}, 0}},
        {"disabled macros take nothing",
         {{G, ""}, {G, "", false}, {W, "Calc", false}, {W, "Inbox", false, 0}},
         calc,
         {0, {}, 1}},
        {"other codes take nothing",
         {{G, "", true, 1, 3}, {W, "Calc", true, 0, 3}},
         calc,
         {0, {}, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HookTable table;
        table.SetMacroCount(static_cast<int>(row.entries.size()));
        int i = 0;
        for (const Entry& e : row.entries)
            table.SetEntry(++i, {e.Kind, e.Scope, e.Enabled, e.Code, e.Match});
        EXPECT_EQ(ChooseMacro(table, CtrlQ, row.front), row.choice);
    }
}

// The one place that runs a hot key's macro brings an "if running" scope
// forward first, and falls back on the global macro where none comes.
TEST_F(RunDispatchTest, IfRunningScopesBringTheirWindowForward) {
    Load({Typing("global", CtrlQ, "g"), Scoped("mail", MacroKind::Window, "Inbox", 0)});
    desk.Title = "Other";
    dispatch.HotKeyPressed(CtrlQ, 1);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "g|");
    desk.OtherWindow = "INBOX";
    dispatch.HotKeyPressed(CtrlQ, 1);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "g|mail|");
    EXPECT_EQ(desk.Activated.back(), "INBOX");
    EXPECT_EQ(dispatch.TargetWindow, 1u) << "the key's window, not the one brought forward";

    // In front already: it runs there, in the window in front.
    desk.Foreground = 9;
    desk.Title = "Inbox - Mail";
    desk.Activated.clear();
    dispatch.HotKeyPressed(CtrlQ, 1);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "g|mail|mail|");
    EXPECT_TRUE(desk.Activated.empty());
    EXPECT_EQ(dispatch.TargetWindow, 9u);
}

TEST_F(RunDispatchTest, AHotKeyTypesItsMacroWithTheInUseProtocol) {
    Load({Typing("Greet", CtrlQ, "hi")});
    dispatch.HotKeyPressed(CtrlQ, 55);
    EXPECT_EQ(Typed(), "hi|");
    EXPECT_EQ(host.Trace.front(), "in use");
    EXPECT_EQ(host.Trace.back(), "clear timer");
    EXPECT_EQ(dispatch.TargetWindow, 55u);
    EXPECT_TRUE(hooks->Master.MacroPlaying());
    dispatch.MacroEnded();
    EXPECT_FALSE(hooks->Master.MacroPlaying());
}

TEST_F(RunDispatchTest, AHotKeyDuringARunStartsNothingAndChangesNothing) {
    Load({Typing("Long", CtrlQ, "ab"), Typing("Other", 3, "xy")});
    bool pressed = false;
    host.OnPump = [&] {
        if (pressed)
            return;
        pressed = true;
        // With Caps Lock on, from another window.
        dispatch.HotKeyPressed(3 | CapsLockBit, 99);
    };
    dispatch.HotKeyPressed(CtrlQ, 55);
    EXPECT_EQ(Typed(), "ab|");
    EXPECT_EQ(dispatch.TargetWindow, 55u);
    EXPECT_FALSE(state.CapsLockWasOn);
    // Until the end marker comes back the macro is still in use.
    dispatch.HotKeyPressed(3, 99);
    EXPECT_EQ(Typed(), "ab|");
    dispatch.MacroEnded();
    dispatch.HotKeyPressed(3, 99);
    EXPECT_EQ(Typed(), "ab|xy|");
}

// "Terminate Orvane" ends the player whatever runs: a run the user started,
// an unattended one, a paused one. Other system macros wait for the run.
TEST_F(RunDispatchTest, TheTerminateKeyEndsThePlayerDuringAnyRun) {
    Load({Typing("Long", CtrlQ, "ab")});
    // The five system macros follow: terminate, editor, capture, resume, menu.
    const auto terminate = static_cast<std::uint32_t>(table->Entry(2).Activation),
               editor = static_cast<std::uint32_t>(table->Entry(3).Activation);
    std::vector<std::uint32_t> keys{terminate | CapsLockBit, editor};
    host.OnPump = [&] {
        if (keys.empty())
            return;
        const std::uint32_t key = keys.back();
        keys.pop_back();
        dispatch.HotKeyPressed(key, 99);
    };
    dispatch.HotKeyPressed(CtrlQ, 55);
    dispatch.MacroEnded();
    MacroRecord record;
    ASSERT_TRUE(library.ReadMacroRecord(1, record));
    keys = {terminate};
    dispatch.Play(1, record, record.ScriptText(), RunOrigin::Unattended);
    dispatch.PauseShown();
    dispatch.HotKeyPressed(terminate, 99);
    dispatch.PauseClosed();
    EXPECT_EQ(desk.Actions, "555");
    EXPECT_EQ(Typed(), "ab|ab");
}

TEST_F(RunDispatchTest, AKeyThatFindsTheLibraryChangedRunsFromTheFreshTables) {
    Load({Typing("Greet", 3, "hi")});
    // Another machine moved a macro onto the key; the key is not pressed
    // again (the user still holds it, a press would read as a repeat).
    desk.Changed = true;
    desk.OnReload = [&] { Load({Typing("Greet", 3, "hi"), Typing("Moved", CtrlQ, "moved")}); };
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_EQ(Typed(), "moved|");
}

TEST_F(RunDispatchTest, EveryRunTakesCapsLockAsItIsWhenItStarts) {
    Load({Typing("Greet", CtrlQ, "hi")});
    host.CapsLock = true;
    dispatch.HotKeyPressed(CtrlQ | CapsLockBit, 1);
    dispatch.MacroEnded();
    // Caps Lock off for the typing, then given back.
    EXPECT_EQ(Typed(), "[20]hi[20]|");
    // The user switched it off; a run by nickname leaves it alone...
    host.CapsLock = false;
    dispatch.RunMacroByNickname("Greet");
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "[20]hi[20]|hi|");
    // ...and a macro chosen from a list takes it as it is too.
    host.CapsLock = true;
    dispatch.ListedMacroChosen(1, 1);
    EXPECT_EQ(Typed(), "[20]hi[20]|hi|[20]hi[20]|");
}

TEST_F(RunDispatchTest, ARunThatThrowsEndsWholeAndTheNextMacroPlays) {
    Load({Typing("Broken", CtrlQ, "<CTLD>ab"), Typing("Next", 3, "n")});
    host.OnPump = [] { throw std::runtime_error("no memory left"); };
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_FALSE(state.Running);
    EXPECT_TRUE(host.StillDown().empty());
    ASSERT_EQ(host.Notices().size(), 1u);
    EXPECT_NE(host.Notices()[0].find("no memory left"), std::string::npos) << host.Notices()[0];
    // The hook library takes hot keys again before the notice is shown.
    const auto at = [&](const std::string& line) {
        return std::find(host.Trace.begin(), host.Trace.end(), line) - host.Trace.begin();
    };
    EXPECT_LT(at("in use off"), at("notice " + host.Notices()[0]));
    EXPECT_FALSE(hooks->Master.MacroPlaying());

    host.OnPump = nullptr;
    dispatch.HotKeyPressed(3, 1);
    EXPECT_EQ(Typed(), "n|");
}

TEST_F(RunDispatchTest, WhileARunWaitsForTheModifiersNothingElseStartsAndACloseCancelsIt) {
    Load({Typing("First", CtrlQ, "1"), Typing("Second", 3, "2")});
    desk.OnWait = [&] {
        dispatch.HotKeyPressed(3, 1);
        dispatch.RunMacroByNickname("Second");
    };
    dispatch.HotKeyPressed(CtrlQ, 1);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "1|");
    desk.OnWait = nullptr;
    desk.Closing = true;
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_EQ(Typed(), "1|");
    EXPECT_FALSE(hooks->Master.MacroPlaying());
}

TEST_F(RunDispatchTest, EveryRunStartsWithTheAbortFlagCleared) {
    Load({Typing("Greet", CtrlQ, "hi")});
    state.AbortFlag = true;
    dispatch.RunMacroByNickname("greet");
    EXPECT_EQ(Typed(), "hi|");
}

TEST_F(RunDispatchTest, ARecordThatCannotBeReadRunsNothing) {
    Load({Typing("First", 3, "one"), Typing("Second", CtrlQ, "two")});
    dispatch.HotKeyPressed(3, 1);
    dispatch.MacroEnded();
    ASSERT_EQ(Typed(), "one|");
    // The file lost the second record behind the tables' back.
    WriteLibrary({Typing("First", 3, "one")});
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_EQ(Typed(), "one|");
    EXPECT_TRUE(desk.Notices.empty());

    // The first macro was removed, and the reload met the file cut short: the
    // keys still name the old numbers, which the file gave other macros.
    WriteLibrary({Typing("Second", CtrlQ, "two"), Typing("Third", 5, "three")}, 1);
    boxes.Expect(LibraryMessage::NotWholeMacros);
    EXPECT_FALSE(library.ReloadMacroFile(false));
    WriteLibrary({Typing("Second", CtrlQ, "two"), Typing("Third", 5, "three")});
    for (std::uint32_t key : {3u, static_cast<std::uint32_t>(CtrlQ)})
        dispatch.HotKeyPressed(key, 1);
    EXPECT_EQ(Typed(), "one|");
    EXPECT_EQ(desk.Notices, (std::vector<std::string>(2, LibraryMessage::TablesBehind)));
}

TEST_F(RunDispatchTest, AnOpenMenuOrACaptureRefusesWithANotice) {
    Load({Typing("Greet", CtrlQ, "hi")});
    dispatch.MenuShown = true;
    dispatch.HotKeyPressed(CtrlQ, 1);
    dispatch.MenuShown = false;
    table->SetCaptureRunning(true);
    dispatch.RunMacroByNickname("Greet");
    table->SetCaptureRunning(false);
    // Until "Capture Complete" has saved the new macro.
    dispatch.CaptureDialogShown = true;
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_EQ(desk.Notices,
              (std::vector<std::string>{RefusalMessage::MenuShown, RefusalMessage::Recording,
                                        RefusalMessage::Recording}));
    EXPECT_EQ(Typed(), "");
}

TEST_F(RunDispatchTest, RunsNobodyAskedForAreRefusedWithoutAWord) {
    Load({Typing("Greet", CtrlQ, "hi")});
    struct Case {
        const char* busy;
        std::function<void(bool)> set;
    } cases[] = {
        {"a menu", [&](bool on) { dispatch.MenuShown = on; }},
        {"a capture", [&](bool on) { table->SetCaptureRunning(on); }},
        {"Capture Complete", [&](bool on) { dispatch.CaptureDialogShown = on; }},
        {"a pause", [&](bool on) { on ? dispatch.PauseShown() : dispatch.PauseClosed(); }},
        {"a run in use", [&](bool on) { table->SetMacroPlaying(on); }},
        {"a run under way", [&](bool on) { state.Running = on; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.busy);
        c.set(true);
        EXPECT_FALSE(dispatch.CanStartRun(RunRequest::Unattended));
        c.set(false);
        EXPECT_TRUE(dispatch.CanStartRun(RunRequest::Unattended));
    }
    // ...and while a run prepares (the modifier wait, a Cueword's Backspaces).
    EXPECT_TRUE(
        dispatch.WhileStarting([&] { return !dispatch.CanStartRun(RunRequest::Unattended); }));
    EXPECT_TRUE(dispatch.WhileStarting([&] { return !dispatch.CanStartRun(); }));
    EXPECT_TRUE(dispatch.CanStartRun());
    EXPECT_TRUE(desk.Notices.empty());
}

TEST_F(RunDispatchTest, EveryRunNamesItsMacroAndForgetsTheTypingAroundIt) {
    MacroRecord menu = Ordinary("Menu", 3);
    menu.MacroKind = MacroKind::PopupMenu;
    menu.SetPopupMembers({4});
    Load({Typing("Hot", CtrlQ, "h"), Typing("Named", ActivationCode::None, "n"), menu,
          Typing("Member", ActivationCode::None, "m")});
    desk.MenuAnswer = Shown(4);
    struct Case {
        std::function<void()> start;
        const char* running;
        std::uint16_t activation;
    } cases[] = {
        {[&] { dispatch.HotKeyPressed(CtrlQ, 1); }, "Hot", CtrlQ},
        {[&] { dispatch.RunMacroByNickname("named"); }, "Named", ActivationCode::None},
        {[&] { dispatch.HotKeyPressed(3, 1); }, "Member", ActivationCode::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.running);
        desk.Forgotten = 0;
        c.start();
        dispatch.MacroEnded();
        EXPECT_EQ(dispatch.Running().Nickname, c.running);
        EXPECT_EQ(dispatch.Running().Activation, c.activation);
        EXPECT_EQ(desk.Forgotten, 2) << "as the run starts and as it ends";
    }
    EXPECT_EQ(Typed(), "h|n|m|");
}

TEST_F(RunDispatchTest, SystemMacrosActOnTheirHotKeyAndOnlyTheMenuByNickname) {
    Load({Typing("Greet", CtrlQ, "hi")});
    // The five system macros follow: terminate, editor, capture, resume, menu.
    const int terminate = table->Entry(2).Activation, resume = table->Entry(5).Activation;
    dispatch.HotKeyPressed(static_cast<std::uint32_t>(resume), 1);
    dispatch.HotKeyPressed(static_cast<std::uint32_t>(terminate), 1);
    EXPECT_EQ(desk.Actions, "5");
    for (int i = 2; i <= 6; ++i) dispatch.RunMacroByNickname(settings->Nickname[i].str());
    EXPECT_EQ(desk.Actions, "54");
    EXPECT_EQ(Typed(), "");
    // The capture's start prompt is the capture's own: nothing types into it.
    bool startGated = false;
    desk.OnAction = [&] { startGated = !dispatch.CanStartRun(RunRequest::Unattended); };
    dispatch.HotKeyPressed(static_cast<std::uint32_t>(table->Entry(4).Activation), 1);
    EXPECT_EQ(desk.Actions, "542");
    EXPECT_TRUE(startGated);
    EXPECT_TRUE(dispatch.CanStartRun(RunRequest::Unattended));
}

TEST_F(RunDispatchTest, AMenuRunsTheChosenMacroAndNothingWhenCancelled) {
    MacroRecord menu = Ordinary("Menu", CtrlQ);
    menu.MacroKind = MacroKind::PopupMenu;
    menu.SetPopupMembers({2});
    Load({menu, Typing("Member", ActivationCode::None, "m")});
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_EQ(Typed(), "");
    EXPECT_FALSE(dispatch.MenuShown);
    desk.MenuAnswer = Shown(2);
    dispatch.HotKeyPressed(CtrlQ, 1);
    EXPECT_EQ(Typed(), "m|");
}

// The menu's modal loop handles messages: a reload may renumber the library
// under it. The macro chosen runs where it still is, never the one that took
// its number.
TEST_F(RunDispatchTest, AMenuChoiceRenumberedWhileTheMenuShowedRunsNothingAndSaysSo) {
    MacroRecord menu = Ordinary("Menu", CtrlQ);
    menu.MacroKind = MacroKind::PopupMenu;
    menu.SetPopupMembers({3, 4});
    const MacroRecord above = Typing("Above", ActivationCode::None, "x"),
                      alpha = Typing("Alpha", ActivationCode::None, "a"),
                      bravo = Typing("Bravo", ActivationCode::None, "b"),
                      charlie = Typing("Charlie", ActivationCode::None, "c");
    const std::string away = LibraryPath() + ".away";
    struct Case {
        const char* change;
        std::vector<MacroRecord> records;  // the file while the menu shows
        const char* typed;
        const char* notice = LibraryMessage::ListedMacroMoved;
        bool unopened = false;  // the file cannot be opened as the menu closes
    } const cases[] = {
        {"nothing", {menu, above, alpha, bravo, charlie}, "b|"},
        {"another macro saved", {menu, above, alpha, bravo, Typing("Other", 7, "o")}, "b|"},
        {"a macro above removed", {menu, alpha, bravo, charlie}, ""},
        {"the macro chosen changed", {menu, above, alpha, Typing("Bravo", 7, "B"), charlie}, ""},
        {"the file away for a moment",
         {menu, above, alpha, bravo, charlie},
         "",
         LibraryMessage::ListedFileUnread,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        Load({menu, above, alpha, bravo, charlie});
        const std::string before = Typed();
        desk.Notices.clear();
        desk.MenuAnswer = Shown(4);
        desk.DuringMenu = [&] {
            WriteLibrary(c.records);
            ASSERT_TRUE(library.ReloadMacroFile(false));
            if (c.unopened) {
                ASSERT_EQ(std::rename(LibraryPath().c_str(), away.c_str()), 0);
            }
        };
        dispatch.HotKeyPressed(CtrlQ, 1);
        dispatch.MacroEnded();
        if (c.unopened) {
            ASSERT_EQ(std::rename(away.c_str(), LibraryPath().c_str()), 0);
        }
        EXPECT_EQ(Typed(), before + c.typed);
        EXPECT_EQ(desk.Notices,
                  *c.typed ? std::vector<std::string>{} : std::vector<std::string>{c.notice});
    }
}

TEST_F(RunDispatchTest, NicknamesMatchWithoutRegardToCaseAndEmptyNamesNothing) {
    MacroRecord unnamed = Typing("", 4, "nameless");
    Load({unnamed, Typing("My Macro", CtrlQ, "mine")});
    dispatch.RunMacroByNickname("");
    EXPECT_EQ(Typed(), "");
    EXPECT_TRUE(desk.Notices.empty()) << "no \"/A\" at all";
    dispatch.RunMacroByNickname("MY MACRO");
    EXPECT_EQ(Typed(), "mine|");
    dispatch.MacroEnded();
    dispatch.RunMacroByNickname("NOBODY");
    EXPECT_EQ(Typed(), "mine|");
    EXPECT_EQ(desk.Notices, std::vector<std::string>{RefusalMessage::NoMacroNamed("NOBODY")});
}

// Beside a key pressed while paused: the macro of that number chosen from a
// list instead.
constexpr std::uint32_t Listed = 0x10000;

// The pause window as the main window shows it: the keys pressed while it
// is open, then Resume when one of them resumed the run.
class KeysWhilePaused final : public PauseControl {
  public:
    KeysWhilePaused(RunDispatch& dispatch, FakeDesk& desk, const HookTable& table)
        : dispatch_(dispatch), desk_(desk), table_(table) {}
    bool ShowPauseWindow(std::optional<ScreenPoint>, std::string_view) override {
        dispatch_.PauseShown();
        InUseWhilePaused = table_.MacroPlaying();
        const int before = desk_.Resumed;
        for (std::uint32_t key : Keys) {
            if (key & Listed)
                dispatch_.ListedMacroChosen(static_cast<int>(key & ~Listed), 99);
            else
                dispatch_.HotKeyPressed(key, 99);
        }
        dispatch_.PauseClosed();
        return desk_.Resumed > before;
    }
    void MyMessage(std::string_view, std::string_view) override {}

    std::vector<std::uint32_t> Keys;
    int InUseWhilePaused = -1;

  private:
    RunDispatch& dispatch_;
    FakeDesk& desk_;
    const HookTable& table_;
};

TEST_F(RunDispatchTest, APausedRunResumesOnItsOwnKeyOrTheResumeMacroOnly) {
    constexpr std::uint16_t ResumeMacroKey = 264;
    KeysWhilePaused pause{dispatch, desk, *table};
    DialogCommands dialogs{pause};
    host.FamiliesSet[FamilyId::Dialogs] = &dialogs;
    Load({Typing("Paused", CtrlQ, "a<PAUSE>b"), Typing("Other", 3, "xy")});
    struct Case {
        std::vector<std::uint32_t> keys;
        std::string typed;
        std::size_t refusals;
    };
    const Case cases[] = {
        // Another macro's key is refused; the run's own key resumes it.
        {{3, CtrlQ}, "ab|", 1},
        // Caps Lock was on at the key: switched back once.
        {{CtrlQ | CapsLockBit}, "a[20]b|", 0},
        {{ResumeMacroKey}, "ab|", 0},
        // Never resumed: the pause window's Abort ends the run.
        {{3 | Listed, 3}, "a|", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        host.Trace.clear();
        desk.Notices.clear();
        pause.Keys = c.keys;
        dispatch.HotKeyPressed(CtrlQ, 55);
        EXPECT_EQ(Typed(), c.typed);
        EXPECT_EQ(desk.Notices,
                  std::vector<std::string>(c.refusals, std::string(RefusalMessage::Paused)));
        EXPECT_FALSE(dispatch.Paused());
        // Not in use while paused, so the hook library reports the keys;
        // in use again until the end marker comes back.
        EXPECT_EQ(pause.InUseWhilePaused, 0);
        EXPECT_TRUE(hooks->Master.MacroPlaying());
        dispatch.MacroEnded();
    }
    // A pause in a Cueword's text: the rest of the text holds the user's
    // keys again.
    table->SetMacroPlayingHoldingTyping();
    dispatch.PauseShown();
    dispatch.PauseClosed();
    EXPECT_EQ(hooks->Master.U8(HookAt::MacroPlaying), HookAt::PlayingHoldsTyping);
    dispatch.MacroEnded();
}

TEST_F(RunDispatchTest, AMenuOrASystemMacroStartedUnattendedTypesNothing) {
    MacroRecord menu = Ordinary("Menu", ActivationCode::None);
    menu.MacroKind = MacroKind::PopupMenu;
    menu.SetPopupMembers({2});
    Load({menu, Typing("Member", ActivationCode::None, "m")});
    // The menu, then the first system macro (named at start-up, say): their
    // records hold no script.
    MacroRecord read;
    for (int n : {1, 3}) {
        ASSERT_TRUE(library.ReadMacroRecord(n, read));
        EXPECT_FALSE(dispatch.Play(n, read, read.ScriptText(), RunOrigin::Unattended));
    }
    EXPECT_EQ(host.Trace, std::vector<std::string>{});
}

TEST_F(RunDispatchTest, APauseBelongsToTheMacroThatRunsNotToTheLastHotKeyMacro) {
    KeysWhilePaused pause{dispatch, desk, *table};
    DialogCommands dialogs{pause};
    host.FamiliesSet[FamilyId::Dialogs] = &dialogs;
    Load({Typing("HotMacro", CtrlQ, "h"), Typing("Named", ActivationCode::None, "a<PAUSE>b")});
    dispatch.HotKeyPressed(CtrlQ, 1);
    dispatch.MacroEnded();
    // Started as a timed or a window's macro is: the earlier macro's key
    // resumes nothing; never resumed, the run ends.
    pause.Keys = {CtrlQ};
    MacroRecord named;
    ASSERT_TRUE(library.ReadMacroRecord(2, named));
    EXPECT_TRUE(dispatch.Play(2, named, named.ScriptText(), RunOrigin::Unattended));
    EXPECT_EQ(Typed(), "h|a");
    EXPECT_EQ(desk.Notices, std::vector<std::string>{RefusalMessage::Paused});
}

// A macro chosen from the tray while a run is going starts nothing and
// leaves the run's window alone; once the run is over it runs in the window
// it was chosen for. A hot key for a Caps-Lock-free code finds a scoped
// macro by the code without the bit.
TEST_F(RunDispatchTest, AListedMacroDuringARunLeavesTheRunsWindow) {
    Load({Typing("Long", CtrlQ, "ab"), Typing("Other", 3, "xy"),
          Scoped("calc", MacroKind::Window, "Calc")});
    bool chosen = false;
    host.OnPump = [&] {
        if (chosen)
            return;
        chosen = true;
        dispatch.ListedMacroChosen(2, 77);
    };
    dispatch.HotKeyPressed(CtrlQ, 55);
    EXPECT_EQ(Typed(), "ab|");
    EXPECT_EQ(dispatch.TargetWindow, 55u);
    dispatch.MacroEnded();
    dispatch.ListedMacroChosen(2, 77);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "ab|xy|");
    EXPECT_EQ(dispatch.TargetWindow, 77u);

    desk.Foreground = 9;
    desk.Title = "Calc";
    host.CapsLock = true;
    dispatch.HotKeyPressed(CtrlQ | CapsLockBit, 1);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "ab|xy|[20]calc[20]|");
    EXPECT_EQ(dispatch.TargetWindow, 9u);
    // The scope's window closed meanwhile: the global macro, in the key's
    // window.
    desk.Foreground = 0;
    host.CapsLock = false;
    dispatch.HotKeyPressed(CtrlQ, 5);
    dispatch.MacroEnded();
    EXPECT_EQ(Typed(), "ab|xy|[20]calc[20]|ab|");
    EXPECT_EQ(dispatch.TargetWindow, 5u);
}

}  // namespace
}  // namespace orv::player
