// The player end to end: Tavrol.exe with a test library, a target window,
// hot keys pressed through the X server.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <type_traits>

#include "common/files.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/program_messages.h"
#include "common/win32/kernel_objects.h"
#include "common/side_files.h"
#include "common/swap_keys.h"
#include "common/sync_record.h"
#include "player/run_dispatch.h"
#include "player/win32/main_window.h"
#include "player/win32/tray.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/held_file.h"
#include "tests/support/win32/wait_for.h"
#include "common/win32/window_numbers.h"
#include "common/win32/system_routines.h"

namespace orv::e2e {
namespace {

using testing::HoldUnshared;
using testing::WaitFor;

int Code(const std::string& name) {
    const int code = HotKeyNamed(name);
    EXPECT_GE(code, 0) << "no hot key " << name;
    return std::max(code, 0);
}

// A window of the test's own brought to the front: another program the user
// was in.
using OwnWindow = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
OwnWindow ElsewhereInFront() {
    OwnWindow window(CreateWindowA("STATIC", "Elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                   100, 200, 100, nullptr, nullptr, nullptr, nullptr),
                     &DestroyWindow);
    SetForegroundWindow(window.get());
    return window;
}

// A key of the settings file as it is on disk (the profile functions of this
// process could answer from their cache).
std::string SettingOnDisk(const std::string& key) {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, sizeof folder);
    const std::string text = ReadWholeFile(std::string(folder) + "\\ORVAN.INI").value_or("");
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos)
        return {};
    const std::size_t from = at + key.size() + 2;
    return text.substr(from, text.find_first_of("\r\n", from) - from);
}

class PlayerEndToEnd : public ::testing::Test {
  protected:
    void StartWith(const std::vector<MacroRecord>& records, const std::string& extra = "") {
        library = WriteLibrary("e2e_player.ORN", records);
        ASSERT_FALSE(library.empty());
        ASSERT_TRUE(player.Start(library, extra)) << "the player did not come up";
    }
    // The answer to the system's request to start the screen saver.
    LRESULT ScreenSaver() {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(player.Window(), WM_SYSCOMMAND, SC_SCREENSAVE, 0, SMTO_ABORTIFHUNG,
                            2000, &result);
        return static_cast<LRESULT>(result);
    }
    void TearDown() override { EXPECT_TRUE(player.Stop()) << "the player did not end"; }

    // Presses keys in the target and waits until it holds expected and the
    // run has ended: a hot key pressed while a macro plays starts nothing.
    void Press(Target& target, const std::string& keys, const std::string& expected) {
        ASSERT_TRUE(target.Keys(keys)) << "xdotool could not be started";
        EXPECT_TRUE(WaitFor([&] { return target.Text() == expected; }))
            << "after " << keys << ": \"" << target.Text() << "\"";
        EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    }

    std::string library;
    Player player;
};

TEST_F(PlayerEndToEnd, AHotKeyTypesTheMacroItsScopeChooses) {
    const std::uint16_t ctrlQ = Code("Ctrl+Q"), ctrlW = Code("Ctrl+W"), ctrlR = Code("Ctrl+R");
    StartWith({
        Macro("Everywhere", ctrlQ, MacroKind::Global, "g"),
        Macro("Alpha only", ctrlW, MacroKind::Window, "a", "alpha pad"),
        Macro("Beta only", ctrlW, MacroKind::Window, "b", "BETA PAD"),
        Macro("Global R", ctrlR, MacroKind::Global, "r"),
        Macro("Target program", ctrlR, MacroKind::Program, "p", "e2e_target"),
    });
    Target alpha, beta, other;
    ASSERT_TRUE(alpha.Start("Alpha Pad"));
    ASSERT_TRUE(beta.Start("Beta Pad"));
    ASSERT_TRUE(other.Start("Gamma"));

    Press(alpha, "key ctrl+q", "g");
    Press(alpha, "key ctrl+w", "ga");
    Press(beta, "key ctrl+w", "b");
    // The program scope wins over the global macro on the same key.
    Press(beta, "key ctrl+r", "bp");
    // No macro of Ctrl+W fits Gamma; what the global key types shows that the
    // player has dealt with the first key, which typed nothing.
    Press(other, "key ctrl+w ctrl+q", "g");
}

TEST_F(PlayerEndToEnd, TheKeysAfterAnActivationGoToTheWindowItBroughtForward) {
    StartWith({Macro("Switch", Code("Ctrl+Q"), MacroKind::Global,
                     "one<ACTIVATE:Second Target><MSD:0500>two")});
    Target first, second;
    ASSERT_TRUE(second.Start("Second Target"));
    ASSERT_TRUE(first.Start("First Target"));
    ASSERT_TRUE(first.Keys("key ctrl+q")) << "xdotool could not be started";
    EXPECT_TRUE(WaitFor([&] { return second.Text() == "two"; })) << "\"" << second.Text() << "\"";
    EXPECT_EQ(first.Text(), "one");
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
}

// A notice that ends a run whose window has gone leaves the keyboard with no
// hidden window of the player: a window that opens next takes the keys the
// user types, without a click.
TEST_F(PlayerEndToEnd, AfterANoticeEndsARunAPlainKeyGoesToTheWindowThatOpensNext) {
    StartWith({Macro("Gone", Code("Ctrl+Q"), MacroKind::Global,
                     "<WCLS:\"CURRENT\"><ACTIVATE:Closing Target>x")});
    Target closing;
    ASSERT_TRUE(closing.Start("Closing Target"));
    ASSERT_TRUE(closing.Keys("key ctrl+q")) << "xdotool could not be started";
    const std::string text = AnswerBox("Activate Command Failed");
    EXPECT_NE(text.find("\"Closing Target\""), std::string::npos) << text;
    EXPECT_TRUE(WaitFor([] {
        return MasterByte(HookAt::MacroPlaying) == 0 &&
               FindWindowA("#32770", "Activate Command Failed") == nullptr;
    }));
    Target next;
    ASSERT_TRUE(next.StartAlone("Next Target"));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == next.Window(); }));
    ASSERT_TRUE(Xdotool("key a")) << "xdotool could not be started";
    EXPECT_TRUE(WaitFor([&] { return next.Text() == "a"; })) << "\"" << next.Text() << "\"";
}

// A window command waits for the keys typed before it: hidden, the window
// would lose the focus and the keys still on their way.
TEST_F(PlayerEndToEnd, AWindowCommandActsOnlyOnceTheKeysBeforeItHaveArrived) {
    StartWith({Macro("Hide", Code("Ctrl+Q"), MacroKind::Global, "bye<WHIDE:Hiding Target>")});
    Target target;
    ASSERT_TRUE(target.Start("Hiding Target"));
    ASSERT_TRUE(target.Keys("key ctrl+q")) << "xdotool could not be started";
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "bye"; })) << "\"" << target.Text() << "\"";
}

// The system's notice of a new front window reaches the player at once: a
// window in front for 30 ms runs its macro (which hides it, wherever the
// front has gone since).
TEST_F(PlayerEndToEnd, AWindowInFrontForAMomentRunsItsWindowMacro) {
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "Wine sends the hook library no notice of a new front window: it looks "
                        "every 100 ms there";
    StartWith({Macro("Flash", ActivationCode::WindowTitle, MacroKind::Global, "<WHIDE:Flash Pad>",
                     "Flash")});
    Target flash;
    ASSERT_TRUE(flash.Start("Other Pad"));
    ASSERT_TRUE(SetTextOf(flash.Window(), "Flash Pad"));
    const OwnWindow elsewhere = ElsewhereInFront();
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == elsewhere.get(); }));

    SetForegroundWindow(flash.Window());
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == flash.Window(); }, 1000));
    Sleep(30);  // how long the window stays in front: what is tested, no wait
    SetForegroundWindow(elsewhere.get());
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(flash.Window()); }))
        << "the window in front for 30 ms ran no macro";
}

TEST_F(PlayerEndToEnd, AWindowComingToTheFrontRunsTheMacroScopedToItsTitleOnce) {
    StartWith({Macro("Greeting", ActivationCode::WindowTitle, MacroKind::Global, "hi", "Beta")});
    // The program the player writes for each window that comes to the front
    // shows when it has seen the change.
    const auto frontProgram = [] {
        return GetShortString(MasterTable(), HookAt::ForegroundProgram, 250);
    };
    // Beta starts under another title, so that its own start runs nothing.
    Target beta;
    ASSERT_TRUE(beta.Start("Second Pad"));
    ASSERT_TRUE(WaitFor([&] { return frontProgram() == "E2E_TARGET.EXE"; })) << frontProgram();
    ASSERT_TRUE(SetTextOf(beta.Window(), "Beta Pad"));
    const OwnWindow elsewhere = ElsewhereInFront();
    ASSERT_TRUE(WaitFor([&] { return frontProgram() != "E2E_TARGET.EXE"; })) << frontProgram();

    ASSERT_TRUE(beta.Focus());
    EXPECT_TRUE(WaitFor([&] { return beta.Text() == "hi"; })) << beta.Text();
    // Once the run has ended, a key of the user's follows the macro's text
    // alone: the run did not move the front window and so did not repeat.
    EXPECT_TRUE(WaitFor([] { return !FindWindowA("OrvaneTaskIcon", player::TrayText::Running); }));
    ASSERT_TRUE(beta.Keys("key x"));
    EXPECT_TRUE(WaitFor([&] { return beta.Text() == "hix"; })) << beta.Text();
}

TEST_F(PlayerEndToEnd, AMacroPastesATextFileThroughTheClipboard) {
    const std::string file = TempPath("e2e_paste.txt");
    ASSERT_TRUE(ReplaceFileContents(file, "pasted text"));
    StartWith({Macro("Paste", Code("Ctrl+Q"), MacroKind::Global, "<CLIPF:" + file + "><CLIPP>!")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    Press(target, "key ctrl+q", "pasted text!");
    std::remove(file.c_str());
}

TEST_F(PlayerEndToEnd, DuringARunHotKeysStartNothingAndTheInUseByteIsGivenBack) {
    const std::uint16_t ctrlQ = Code("Ctrl+Q"), ctrlE = Code("Ctrl+E");
    StartWith({
        Macro("Slow", ctrlQ, MacroKind::Global, "s<DELAY:02.00>t"),
        Macro("Other", ctrlE, MacroKind::Global, "o"),
    });
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ASSERT_TRUE(WaitFor([&] { return target.Text() == "s"; })) << target.Text();
    EXPECT_EQ(MasterByte(HookAt::MacroPlaying), 1);
    // Both the running macro's key and another one, while it waits.
    ASSERT_TRUE(target.Keys("key ctrl+e ctrl+q"));
    ASSERT_TRUE(WaitFor([&] { return target.Text() == "st"; })) << target.Text();
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    // Nothing was queued behind the run either.
    Press(target, "key ctrl+e", "sto");
}

TEST_F(PlayerEndToEnd, TheEditorsReloadCommandBringsInTheChangedLibrary) {
    StartWith({Macro("Mine", Code("Ctrl+Q"), MacroKind::Global, "q")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    Press(target, "key ctrl+q", "q");
    // The editor moved the macro to another key and wrote the library.
    ASSERT_EQ(
        WriteLibrary("e2e_player.ORN", {Macro("Mine", Code("Ctrl+E"), MacroKind::Global, "e")}),
        library);
    PostMessageA(player.Window(), ProgramMessage::Notice, 21, 0);
    Press(target, "key ctrl+e", "qe");
}

// "/F" naming a file that is no library: said, left as it is, and the library
// the player had stays current with its hot keys.
TEST_F(PlayerEndToEnd, ACommandLineFileThatIsNoLibraryIsSaidAndLeftAlone) {
    const std::string notes = TempPath("e2e_notes.txt");
    const std::string text = "These are my notes, not macros.\r\n";
    ASSERT_TRUE(ReplaceFileContents(notes, text));
    StartWith({Macro("Mine", Code("Ctrl+Q"), MacroKind::Global, "q")}, "\"/F" + notes + "\"");
    const std::string shown = AnswerBox("Error");
    ASSERT_NE(shown.find("does not hold whole macros"), std::string::npos) << shown;
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    Press(target, "key ctrl+q", "q");
    EXPECT_EQ(ReadWholeFile(notes), text);
    ASSERT_TRUE(player.Stop());
    EXPECT_EQ(SettingOnDisk("Current File"), library);
    std::filesystem::remove(notes);
}

TEST_F(PlayerEndToEnd, EscapeEndsARunningMacro) {
    StartWith({Macro("Slow", Code("Ctrl+Q"), MacroKind::Global, "s<DELAY:05.00>t")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ASSERT_TRUE(WaitFor([&] { return target.Text() == "s"; })) << target.Text();
    ASSERT_TRUE(target.Keys("key Escape"));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", "Macro Abort")); }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    EXPECT_EQ(target.Text(), "s");
}

TEST_F(PlayerEndToEnd, AMissingEditorIsReportedAndThePlayerRunsOn) {
    library =
        WriteLibrary("e2e_editor.ORN", {Macro("Mine", Code("Ctrl+Q"), MacroKind::Global, "m")});
    // A copy of the player in a folder of its own, where no editor lies beside it.
    const std::filesystem::path alone = TempPath("e2e_no_editor");
    std::filesystem::create_directories(alone);
    for (const char* file : {"Tavrol.exe", "ORNHOOK.dll"})
        std::filesystem::copy_file(std::filesystem::path(ProgramDir()) / file, alone / file,
                                   std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(player.Proc().Start("\"" + (alone / "Tavrol.exe").string() + "\" \"/F" + library +
                                    "\" /EY /H"));
    const std::string text = AnswerBox("Notice");
    ASSERT_NE(text.find("brindel.exe is missing"), std::string::npos) << text;
    EXPECT_TRUE(
        WaitFor([] { return PlayerWindows() == 1 && FindWindowA("#32770", "Notice") == nullptr; }));
    ASSERT_TRUE(player.Stop());
    EXPECT_EQ(SettingOnDisk("Start Editor"), "Yes");
    // "/EN" is kept in the settings, so the next start leaves the editor
    // alone too. (Wine writes the file out by the time the player has ended.)
    ASSERT_TRUE(player.Start(library));
    ASSERT_TRUE(player.Stop());
    EXPECT_EQ(SettingOnDisk("Start Editor"), "No");
}

TEST_F(PlayerEndToEnd, ASecondStartRunsTheNamedMacroInTheRunningPlayerAndEnds) {
    StartWith({
        Macro("My Macro", Code("Ctrl+Q"), MacroKind::Global, "mine"),
        Macro("Other", Code("Ctrl+E"), MacroKind::Global, "other"),
    });
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    ASSERT_TRUE(target.Keys(""));  // the X focus only

    Process second;
    // The switch after the nickname ends it; the running player's network
    // mode is not the second start's business.
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /A My Macro /N"));
    ASSERT_TRUE(second.WaitExit(10000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "mine"; })) << target.Text();
    // A hand-over that comes while a macro still plays starts nothing.
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    EXPECT_TRUE(player.Proc().Running());
    EXPECT_EQ(PlayerWindows(), 1);

    // A start naming no macro says so, and leaves nothing behind for the next one.
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /A No Such Macro"));
    ASSERT_TRUE(second.WaitExit(10000));
    const std::string said = AnswerBox("Notice");
    EXPECT_NE(said.find("\"NO SUCH MACRO\""), std::string::npos) << said;
    EXPECT_TRUE(WaitFor([] { return FindWindowA("#32770", "Notice") == nullptr; }));
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /aother"));
    ASSERT_TRUE(second.WaitExit(10000));
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "mineother"; })) << target.Text();
}

TEST_F(PlayerEndToEnd, AKeyStillHeldAfterAReloadRunsTheMacroOfTheFreshLibrary) {
    const std::uint16_t ctrlQ = Code("Ctrl+Q");
    StartWith({Macro("Old", ctrlQ, MacroKind::Global, "old")}, "/N");
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    // Another machine put another macro on the key and counted its change.
    ASSERT_EQ(
        WriteLibrary("e2e_player.ORN", {Macro("Other", Code("Ctrl+E"), MacroKind::Global, "x"),
                                        Macro("Moved", ctrlQ, MacroKind::Global, "moved")}),
        library);
    SyncRecord changed{.Counter = 5, .State = 2};
    std::array<std::uint8_t, SyncRecord::Size> image{};
    changed.Encode(image);
    ASSERT_TRUE(
        ReplaceFileContents(SyncFileName(library), std::string(image.begin(), image.end())));
    // The user lets go of Ctrl but still holds Q (which repeats) while the
    // library reloads.
    ASSERT_TRUE(target.Keys("keydown ctrl keydown q keyup ctrl"));
    auto typedByMacros = [&] {
        std::string text = target.Text();
        std::erase(text, 'q');
        return text;
    };
    EXPECT_TRUE(WaitFor([&] { return typedByMacros() == "moved"; })) << target.Text();
    ASSERT_TRUE(target.Keys("keyup q"));
    EXPECT_TRUE(player.Stop());
    std::filesystem::remove(SyncFileName(library));
    WritePrivateProfileStringA("Network", "Network Mode", "No", "ORVAN.INI");
}

TEST_F(PlayerEndToEnd, CapsLockIsOffWhileAMacroTypesWhateverStartedIt) {
    StartWith({Macro("Mine", Code("Ctrl+Q"), MacroKind::Global, "ab")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    // Caps Lock first, as a person presses it: the player reads the system's
    // state, which Wine updates a moment after the key.
    ASSERT_TRUE(target.Keys("key Caps_Lock"));
    ASSERT_TRUE(WaitFor([] { return (GetKeyState(VK_CAPITAL) & 1) != 0; }));
    Press(target, "key ctrl+q", "ab");
    // Caps Lock is on again after the run; the user switches it off, and a
    // run by nickname types as it is.
    ASSERT_TRUE(target.Keys("key Caps_Lock"));
    ASSERT_TRUE(WaitFor([] { return (GetKeyState(VK_CAPITAL) & 1) == 0; }));
    ASSERT_TRUE(HandOver(player.Window(), "Tavrol.exe /AMine"));
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "abab"; })) << target.Text();
}

TEST_F(PlayerEndToEnd, ClosingThePlayerDuringARunEndsTheRunFirst) {
    StartWith({Macro("Slow", Code("Ctrl+Q"), MacroKind::Global, "s<DELAY:03.00>t")});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ASSERT_TRUE(WaitFor([&] { return target.Text() == "s"; })) << target.Text();
    PostMessageA(player.Window(), WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", "Macro Abort")); }));
    // While the notice is open the hook library lets Escape through.
    EXPECT_EQ(MasterByte(HookAt::MacroPlaying), 0);
    EXPECT_TRUE(player.Proc().Running()) << "the player ended inside its run";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(player.Proc().WaitExit(10000));
    EXPECT_EQ(target.Text(), "s");
}

TEST_F(PlayerEndToEnd, TheScreenSaverIsHeldOffOnlyWhileAnEnabledTimedMacroWaits) {
    MacroRecord timed = Macro("Timed", ActivationCode::Scheduled, MacroKind::Global, "t");
    timed.Enabled = 0;
    StartWith({timed});
    EXPECT_NE(ScreenSaver(), -1);
    ASSERT_TRUE(player.Stop());
    timed.Enabled = 1;
    StartWith({timed});
    EXPECT_EQ(ScreenSaver(), -1);
}

// Every command the editor sends (the Notice message, codes 1 to 21, and codes
// beyond them) to a running player, in order, each with what it must do.
TEST_F(PlayerEndToEnd, EachEditorCommandDoesWhatItsCodeSays) {
    const std::uint16_t ctrlQ = Code("Ctrl+Q"), ctrlE = Code("Ctrl+E"), ctrlW = Code("Ctrl+W");
    MacroRecord alpha = Macro("Alpha", ctrlQ, MacroKind::Global, "a");
    const MacroRecord timed = Macro("Timed", ActivationCode::Scheduled, MacroKind::Global, "");
    const MacroRecord mark = Macro("Mark", ActivationCode::None, MacroKind::Global, "");
    StartWith({alpha, timed, mark});
    auto editor = std::make_unique<FakeEditor>();
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    ASSERT_TRUE(target.Keys(""));
    auto rewrite = [&](std::uint16_t alphaKey, const std::string& alphaName) {
        MacroRecord changed = alpha;
        changed.ActivationCode = alphaKey;
        changed.Nickname = alphaName;
        return WriteLibrary("e2e_player.ORN", {changed, timed, mark}) == library;
    };
    // A run of the empty macro "Mark" queued behind the command: once the
    // editor has been told of its end, the command has been handled.
    auto handled = [&] {
        WaitFor([] { return true; });  // notices of earlier runs still queued
        editor->Notices.clear();
        return HandOver(player.Window(), "Tavrol.exe /AMark") && WaitFor([&] {
                   // Told of its start and of its end (one of them can be the
                   // late end of the run before).
                   return std::count(editor->Notices.begin(), editor->Notices.end(),
                                     FakeEditor::Notice{6, 2}) >= 2 &&
                          MasterByte(HookAt::MacroPlaying) == 0;
               });
    };
    auto ended = [] { return WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }); };
    auto typed = [&](const std::string& keys, const std::string& text) {
        target.Clear();
        return target.Keys(keys) && WaitFor([&] { return target.Text() == text; }) && ended();
    };
    auto remapOfA = [] {
        SharedBlock block;
        if (!block.OpenForWriting(KernelName::PlayerHandleBlock, PlayerHandleBlockSize))
            return 0;
        const SwapKeyTable& identity = IdentitySwapTable();
        return int{block.View()[SwapTableAt + (std::find(identity.begin(), identity.end(), 'a') -
                                               identity.begin())]};
    };
    std::vector<std::uint8_t> before;
    auto unchanged = [&] {
        const bool answered = handled();
        const std::vector<std::uint8_t> now = MasterTable();
        for (std::size_t at = 0; at < now.size() && at < before.size(); ++at)
            if (now[at] != before[at])
                ADD_FAILURE() << "byte " << at << " changed";
        return answered && now == before;
    };

    // The box with this caption shows text; it is answered either way.
    auto answered = [](const char* caption, const std::string& text) {
        const std::string said = AnswerBox(caption);
        EXPECT_EQ(said, text);
        return said == text;
    };
    std::shared_ptr<void> held;

    struct Row {
        int code;
        int argument;
        std::function<bool()> prepare;  // before the command is sent
        std::function<bool()> check;    // after it
    };
    const auto nothing = [] { return true; };
    const Row rows[] = {
        {1, 0,
         [&] {
             SwapKeyTable swaps = IdentitySwapTable();
             *std::find(swaps.begin(), swaps.end(), 'a') = 'b';
             return ReplaceFileContents(RemapFileName(library),
                                        std::string(swaps.begin(), swaps.end()));
         },
         [&] { return WaitFor([&] { return remapOfA() == 'b'; }); }},
        {2, 0, [&] { return rewrite(ctrlE, "Alpha"); },
         [&] {
             return WaitFor([&] {
                 return MasterByte(HookAt::CodeUsed + ctrlE) == 1 &&
                        MasterByte(HookAt::CodeUsed + ctrlQ) == 0;
             });
         }},
        {21, 0, [&] { return rewrite(ctrlQ, "Alpha"); },
         [&] { return WaitFor([&] { return MasterByte(HookAt::CodeUsed + ctrlQ) == 1; }); }},
        {3, 0, nothing, unchanged},
        // The editor closed and another one came: the next notice finds it.
        {4, 0,
         [&] {
             auto next = std::make_unique<FakeEditor>("Orvane Editor 2");
             editor = std::move(next);
             return true;
         },
         handled},
        {5, 0, nothing, unchanged},
        // The library's capture flag, copied back: a run is refused.
        {6, static_cast<int>(HookSection::CaptureOn),
         [&] { return SetMaster(HookAt::CaptureRunning, {1}); },
         [&] {
             const bool refused = HandOver(player.Window(), "Tavrol.exe /AAlpha") &&
                                  AnswerBox("Warning") == player::RefusalMessage::Recording;
             SetMaster(HookAt::CaptureRunning, {0});
             PostMessageA(player.Window(), ProgramMessage::Notice, 6,
                          static_cast<int>(HookSection::CaptureOn));
             return refused && handled();
         }},
        // Ctrl+Q runs nothing while the keyboard hook is gone.
        {7, 2, nothing, [&] { return typed("key ctrl+q x", "x"); }},
        {7, 1, nothing, [&] { return typed("key ctrl+q", "a"); }},
        {7, 3, nothing,
         [&] {
             return WaitFor(
                 [&] { return MasterU32(HookAt::MouseHook) != GetU32(before, HookAt::MouseHook); });
         }},
        {7, 4, nothing, handled},
        // An entry the editor changed and handed over itself.
        {8, 1,
         [&] {
             return SetMaster(HookAt::Activations, {static_cast<std::uint8_t>(ctrlW), 0}) &&
                    SetMaster(HookAt::CodeUsed + ctrlW, {1});
         },
         [&] { return handled() && typed("key ctrl+w", "a"); }},
        {9, 2, nothing, unchanged},
        {10, 0, nothing, unchanged},
        {11, 0, nothing, unchanged},
        {12, 0, nothing, unchanged},
        {13, 0, nothing, unchanged},
        {14, 0, nothing, unchanged},
        // The settings' screen-saver switch, read again.
        {15, 0,
         [&] {
             return ScreenSaver() == -1 &&
                    WritePrivateProfileStringA("Misc", "Disable Screen Saver", "No", "ORVAN.INI");
         },
         [&] {
             const bool followed = handled() && ScreenSaver() != -1;
             WritePrivateProfileStringA("Misc", "Disable Screen Saver", "Yes", "ORVAN.INI");
             PostMessageA(player.Window(), ProgramMessage::Notice, 15, 0);
             return followed && handled() && ScreenSaver() == -1;
         }},
        {16, 0, nothing, unchanged},
        {17, 0, nothing, unchanged},
        {18, 0, nothing, unchanged},
        {19, 0, nothing, unchanged},
        // A record the editor rewrote: its new nickname runs it.
        {20, 1, [&] { return rewrite(ctrlQ, "Renamed"); },
         [&] {
             target.Clear();
             return handled() && HandOver(player.Window(), "Tavrol.exe /ARenamed") &&
                    WaitFor([&] { return target.Text() == "a"; }) && ended();
         }},
        // The delete is told while another program holds the file: the keys'
        // old numbers run nothing the file may have moved, and the file is
        // read again once it is let go.
        {21, 0, [&] { return rewrite(ctrlE, "Alpha") && (held = HoldUnshared(library)); },
         [&] {
             const bool said = answered("Error", LibraryMessage::OpenFailed);
             const bool refused =
                 target.Keys("key ctrl+q") && answered("Warning", LibraryMessage::TablesBehind);
             held.reset();
             return said && refused && WaitFor([&] {
                        return MasterByte(HookAt::CodeUsed + ctrlE) == 1 &&
                               MasterByte(HookAt::CodeUsed + ctrlQ) == 0;
                    }) &&
                    typed("key ctrl+e", "a");
         }},
        {0, 0, nothing, unchanged},
        {22, 0, nothing, unchanged},
    };
    ASSERT_TRUE(handled()) << "the player tells no editor";
    for (const Row& row : rows) {
        SCOPED_TRACE("command " + std::to_string(row.code) + ", " + std::to_string(row.argument));
        before = MasterTable();
        ASSERT_TRUE(row.prepare());
        PostMessageA(player.Window(), ProgramMessage::Notice, row.code, row.argument);
        EXPECT_TRUE(row.check());
    }
}

// No real player runs here: this process poses as one whose window never
// answers, so the second start must give up on its own.
TEST(PlayerHandOver, ASecondStartIsNotHeldByAPlayerThatDoesNotAnswer) {
    KernelHandle marker;
    ASSERT_EQ(CreateRunningMarker(KernelName::PlayerMarker, marker), MarkerResult::Created);
    SharedBlock block;
    ASSERT_TRUE(block.Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize));
    HWND mute =
        CreateWindowA("STATIC", "mute player", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(mute, nullptr);
    PutU32(std::span(block.View(), 4), 0, WindowNumber(mute));
    Process second;
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /A Anything"));
    EXPECT_TRUE(second.WaitExitBlocking(12000)) << "the second start waits for a mute window";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(PlayerWindows(), 0);
    DestroyWindow(mute);
}

// What a late player window was handed over.
std::string handedOver;

LRESULT CALLBACK LatePlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT handOverMessage = RegisterWindowMessageA(player::HandOverMessageName);
    if (message == handOverMessage && lParam != 0)
        handedOver += static_cast<char>(lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// This process poses as a first start whose window comes late, or answers
// late, or never comes: the second start waits for it and hands over, or
// says it never came.
TEST(PlayerHandOver, ASecondStartWaitsForAWindowStillToComeAndSaysWhenItNeverDoes) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = LatePlayerProc;
    wc.lpszClassName = "LatePlayer";
    RegisterClassA(&wc);
    struct Row {
        const char* name;
        bool windowComes, answersLate;
    } const rows[] = {
        {"late window", true, false},
        {"window before its message loop", true, true},
        {"no window", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        handedOver.clear();
        KernelHandle marker;
        ASSERT_EQ(CreateRunningMarker(KernelName::PlayerMarker, marker), MarkerResult::Created);
        Process second;
        ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " \"/ALate One\""));
        EXPECT_FALSE(second.WaitExit(1000)) << "the second start gave up at once";
        SharedBlock block;
        HWND late = nullptr;
        if (row.windowComes) {
            ASSERT_TRUE(block.Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize));
            late = CreateWindowA("LatePlayer", "late player", 0, 0, 0, 0, 0, nullptr, nullptr,
                                 nullptr, nullptr);
            PutU32(std::span(block.View(), 4), 0, WindowNumber(late));
            // A first start still busy before its loop: no message is handled.
            if (row.answersLate) {
                EXPECT_FALSE(second.WaitExitBlocking(2500)) << "the second start gave up";
            }
            EXPECT_TRUE(WaitFor([] { return handedOver.ends_with("\"/ALate One\""); }))
                << handedOver;
        } else {
            EXPECT_EQ(AnswerBox("Notice"), player::PlayerText::NoPlayerWindow);
        }
        EXPECT_TRUE(second.WaitExit(8000));
        if (late)
            DestroyWindow(late);
    }
}

// Not a fixture test: no player may run while the master table's name is
// taken by something else.
TEST(PlayerStartUp, AMasterTableThatCannotBeCreatedIsReportedAndThePlayerEnds) {
    HANDLE squatter = CreateMutexA(nullptr, FALSE, KernelName::MasterTable);
    ASSERT_NE(squatter, nullptr);
    Process player;
    ASSERT_TRUE(player.Start(Beside("Tavrol.exe") + " /EN /H"));
    HWND box = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", KernelMessage::Caption)); }));
    if (box) {
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_STREQ(text, KernelMessage::MappingNotCreated);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    EXPECT_TRUE(player.WaitExit(10000));
    EXPECT_EQ(player.ExitCode(), 1u);
    EXPECT_EQ(PlayerWindows(), 0);
    CloseHandle(squatter);
}

// Keys the user holds while a macro types (its hot key pressed again out of
// impatience, Shift held) never change the macro's characters.
TEST_F(PlayerEndToEnd, KeysTheUserHoldsNeverMixIntoTheMacrosText) {
    const std::string text =
        "abcd<DELAY:00.40>efgh<DELAY:00.40>1234<DELAY:00.40>5678<DELAY:00.40>90";
    StartWith({Macro("Long", Code("Ctrl+Q"), MacroKind::Global, text)});
    Target target;
    ASSERT_TRUE(target.Start("Pad"));
    // The closing "x" comes once the user has let go: nothing is left held
    // for the next test.
    Press(target, "key ctrl+q sleep 0.3 keydown ctrl key q sleep 2 keyup ctrl key x",
          "abcdefgh1234567890x");
    target.Clear();
    Press(target, "key ctrl+q sleep 0.3 keydown shift sleep 2 keyup shift key x",
          "abcdefgh1234567890x");
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
        EXPECT_TRUE(WaitFor([&] { return (GetAsyncKeyState(vk) & 0x8000) == 0; })) << vk;
}

}  // namespace
}  // namespace orv::e2e
