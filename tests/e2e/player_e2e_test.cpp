// The player end to end: Tavrol.exe with a test library, a target window,
// hot keys pressed through the X server.
#include <gtest/gtest.h>

#include "common/files.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/win32/kernel_objects.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"
#include "common/win32/window_numbers.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

int Code(const std::string& name) {
    for (int code = 0; code < HotKeyCount; ++code)
        if (KeyName(code) == name)
            return code;
    ADD_FAILURE() << "no hot key " << name;
    return 0;
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
    void StartWith(const std::vector<MacroRecord>& records) {
        library = WriteLibrary("e2e_player.ORN", records);
        ASSERT_FALSE(library.empty());
        ASSERT_TRUE(player.Start(library)) << "the player did not come up";
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
    PostMessageA(player.Window(), WM_USER + 11, 21, 0);
    Press(target, "key ctrl+e", "qe");
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
    ASSERT_TRUE(player.Proc().Start(Beside("Tavrol.exe") + " \"/F" + library + "\" /EY /H"));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowA("#32770", "Notice")); }));
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_NE(std::string(text).find("brindel.exe is missing"), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
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

    // A start naming no macro leaves nothing behind for the next one.
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /A No Such Macro"));
    ASSERT_TRUE(second.WaitExit(10000));
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /aother"));
    ASSERT_TRUE(second.WaitExit(10000));
    EXPECT_TRUE(WaitFor([&] { return target.Text() == "mineother"; })) << target.Text();
}

// No real player runs here: this process poses as one whose window never
// answers, so the second start must give up on its own.
TEST(PlayerHandOver, ASecondStartIsNotHeldByAPlayerThatDoesNotAnswer) {
    KernelHandle marker;
    ASSERT_TRUE(CreateRunningMarker(KernelName::PlayerMarker, marker));
    SharedBlock block;
    ASSERT_TRUE(block.Create(KernelName::PlayerHandleBlock, PlayerHandleBlockSize));
    HWND mute =
        CreateWindowA("STATIC", "mute player", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(mute, nullptr);
    PutU32(std::span(block.View(), 4), 0, WindowNumber(mute));
    Process second;
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe") + " /A Anything"));
    EXPECT_TRUE(second.WaitExitBlocking(8000)) << "the second start waits for a mute window";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(PlayerWindows(), 0);
    DestroyWindow(mute);
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

}  // namespace
}  // namespace orv::e2e
