// The player's menus and its own capture end to end: "Choose A Macro" opened
// by a hot key and by the top-window system macro, and a macro recorded with
// the capture system macro, named in "Capture Complete" and played back.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/capture_text.h"
#include "common/files.h"
#include "common/hotkey_encoder.h"
#include "common/hotkeys.h"
#include "common/hook_table.h"
#include "common/notices.h"
#include "common/program_messages.h"
#include "common/win32/system_routines.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

// The player's default system macros: capture, and the top-window menu.
constexpr int CaptureKey = 263, TopWindowMenuKey = 265;
const std::uint16_t CtrlM = static_cast<std::uint16_t>(EncodeHotKey({.vk = 'M', .ctrl = true}));

class MenuCaptureEndToEnd : public ::testing::Test {
  protected:
    void StartWith(const std::vector<MacroRecord>& records) {
        library = WriteLibrary("e2e_menus.ORN", records);
        ASSERT_FALSE(library.empty());
        ASSERT_TRUE(player.Start(library)) << "the player did not come up";
    }
    void TearDown() override { EXPECT_TRUE(player.Stop()) << "the player did not end"; }

    std::string library;
    Player player;
};

TEST_F(MenuCaptureEndToEnd, AMenuByHotKeyTypesTheChosenEntry) {
    MacroRecord menu = Macro("Letters", CtrlM, MacroKind::PopupMenu, "");
    menu.CuewordText = "N30";
    menu.SetPopupMembers({1, 2, 3});
    StartWith({Macro("first", ActivationCode::None, MacroKind::Global, "a"),
               Macro("second", ActivationCode::None, MacroKind::Global, "b"),
               Macro("third", ActivationCode::None, MacroKind::Global, "c"), menu});
    Target alpha;
    ASSERT_TRUE(alpha.Start("Alpha Pad"));
    const std::pair<const char*, const char*> choices[] = {
        {"key 2", "c"}, {"key Escape", "c"}, {"key space", "ca"}};
    for (auto [keys, typed] : choices) {
        ASSERT_TRUE(alpha.Keys("key ctrl+m"));
        HWND shown = Shown("Choose A Macro");
        ASSERT_NE(shown, nullptr) << keys;
        ASSERT_TRUE(KeysTo(shown, keys));
        EXPECT_TRUE(WaitFor([&] { return FindWindowA("#32770", "Choose A Macro") == nullptr; }));
        EXPECT_TRUE(WaitFor([&] { return alpha.Text() == typed; }))
            << keys << ": \"" << alpha.Text() << "\"";
        EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
        // Chosen or cancelled, the keys go back to the window the menu was
        // asked in, never to the player's hidden window.
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == alpha.Window(); })) << keys;
    }
}

// The editor removes a macro above the menu's entries while the menu shows
// (the file rewritten, its notice handled inside the menu's loop): the entry
// chosen has another number now, and the macro that took its old one must not
// run. Once shown anew, the menu runs the macro chosen.
TEST_F(MenuCaptureEndToEnd, AMenuChoiceTheLibraryRenumberedMeanwhileRunsNothingAndSaysSo) {
    const auto menuOf = [](std::vector<int> members) {
        MacroRecord menu = Macro("Letters", CtrlM, MacroKind::PopupMenu, "");
        menu.CuewordText = "N30";
        menu.SetPopupMembers(members);
        return menu;
    };
    const MacroRecord alpha = Macro("Alpha", ActivationCode::None, MacroKind::Global, "a"),
                      bravo = Macro("Bravo", ActivationCode::None, MacroKind::Global, "b"),
                      charlie = Macro("Charlie", ActivationCode::None, MacroKind::Global, "c");
    StartWith({Macro("Above", ActivationCode::None, MacroKind::Global, "x"), alpha, bravo, charlie,
               menuOf({2, 3, 4})});
    Target pad;
    ASSERT_TRUE(pad.Start("Alpha Pad"));
    ASSERT_TRUE(pad.Keys("key ctrl+m"));
    HWND shown = Shown("Choose A Macro");
    ASSERT_NE(shown, nullptr);
    ASSERT_FALSE(WriteLibrary("e2e_menus.ORN", {alpha, bravo, charlie, menuOf({1, 2, 3})}).empty());
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(player.Window(), ProgramMessage::Notice,
                                    NoticeCode::MacroRemoved, 0, SMTO_ABORTIFHUNG, 5000, &result));
    // Bravo, the second entry.
    ASSERT_TRUE(KeysTo(shown, "key 1"));
    const std::string said = AnswerBox("Warning");
    EXPECT_NE(said.find("since the list was shown"), std::string::npos) << said;
    EXPECT_TRUE(WaitFor([] {
        return !FindWindowA("#32770", "Choose A Macro") && !FindWindowA("#32770", "Warning");
    }));
    EXPECT_EQ(pad.Text(), "");

    ASSERT_TRUE(pad.Keys("key ctrl+m"));
    shown = Shown("Choose A Macro");
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(KeysTo(shown, "key 1"));
    EXPECT_TRUE(WaitFor([&] { return pad.Text() == "b"; })) << "\"" << pad.Text() << "\"";
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
}

TEST_F(MenuCaptureEndToEnd, TheTopWindowMenuListsTheMacrosOfTheFrontWindow) {
    StartWith({Macro("alpha's", ActivationCode::None, MacroKind::Window, "x", "alpha pad"),
               Macro("beta's", ActivationCode::None, MacroKind::Window, "y", "beta pad")});
    Target alpha, gamma;
    ASSERT_TRUE(alpha.Start("Alpha Pad"));
    ASSERT_TRUE(gamma.Start("Gamma"));
    ASSERT_TRUE(alpha.Keys("key " + XdoKey(TopWindowMenuKey)));
    HWND shown = Shown("Choose A Macro");
    ASSERT_NE(shown, nullptr);
    std::vector<HWND> lists = Children(shown, "ListBox");
    ASSERT_FALSE(lists.empty());
    EXPECT_EQ(SendMessageA(lists[0], LB_GETCOUNT, 0, 0), 1);
    ASSERT_TRUE(KeysTo(shown, "key Escape"));
    EXPECT_TRUE(WaitFor([&] { return FindWindowA("#32770", "Choose A Macro") == nullptr; }));

    ASSERT_TRUE(gamma.Keys("key " + XdoKey(TopWindowMenuKey)));
    HWND warning = Shown("Warning");
    ASSERT_NE(warning, nullptr);
    std::string text;
    EXPECT_TRUE(WaitFor([&] { return !(text = BoxText(warning)).empty(); }));
    EXPECT_NE(text.find("There are no macros defined"), std::string::npos) << text;
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([] { return FindWindowA("#32770", "Warning") == nullptr; }));
    EXPECT_EQ(alpha.Text(), "");
}

// The capture options the test needs, back to their defaults afterwards.
struct PlainCapture {
    PlainCapture() { Set("No"); }
    ~PlainCapture() { Set("Yes"); }
    static void Set(const char* value) {
        for (const char* key : {"Prompt", "Time", "Mouse"})
            WritePrivateProfileStringA("Capture", key, value, "ORVAN.INI");
    }
};

TEST_F(MenuCaptureEndToEnd, ARecordedMacroPlaysBackByItsCueword) {
    PlainCapture options;
    StartWith({Macro("plain", ActivationCode::None, MacroKind::Global, "p")});
    Target alpha;
    ASSERT_TRUE(alpha.Start("Alpha Pad"));
    ASSERT_TRUE(alpha.Keys("key " + XdoKey(CaptureKey)));
    ASSERT_TRUE(WaitFor([] { return MasterByte(HookAt::CaptureRunning) == 1; }));
    ASSERT_TRUE(alpha.Keys("type hello"));
    ASSERT_TRUE(WaitFor([&] { return alpha.Text() == "hello"; }));
    ASSERT_TRUE(alpha.Keys("key " + XdoKey(CaptureKey)));
    HWND complete = Shown("Capture Complete");
    ASSERT_NE(complete, nullptr);
    std::vector<HWND> edits = Children(complete, "Edit");
    ASSERT_EQ(edits.size(), 3u);  // nickname, hot key, Cueword
    SendMessageA(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Greeting"));
    SendMessageA(Child(complete, "Button", "&Cuewords"), BM_CLICK, 0, 0);
    SendMessageA(edits[2], WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hh"));
    SendMessageA(Child(complete, "Button", "&Ok"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return FindWindowA("#32770", "Capture Complete") == nullptr; }));
    EXPECT_EQ(MasterByte(HookAt::CaptureRunning), 0);
    // The capture file goes once the recording is saved, just after the form.
    EXPECT_TRUE(WaitFor([] { return !std::filesystem::exists(CaptureFilePath(ProgramDir())); }));

    alpha.Clear();
    ASSERT_TRUE(alpha.Keys("type hh"));
    EXPECT_TRUE(WaitFor([&] { return alpha.Text() == "hello"; })) << "\"" << alpha.Text() << "\"";
}

// A player ended during its capture, closed or by the session's end (which
// closes nothing), keeps the recording with no live Cueword.
TEST_F(MenuCaptureEndToEnd, APlayerEndedDuringItsCaptureKeepsTheRecordingWithoutActivation) {
    PlainCapture options;
    for (bool sessionEnds : {false, true}) {
        SCOPED_TRACE(sessionEnds ? "the session ends" : "the player closes");
        StartWith({Macro("plain", ActivationCode::None, MacroKind::Global, "p")});
        Target alpha;
        ASSERT_TRUE(alpha.Start("Alpha Pad"));
        ASSERT_TRUE(alpha.Keys("key " + XdoKey(CaptureKey)));
        ASSERT_TRUE(WaitFor([] { return MasterByte(HookAt::CaptureRunning) == 1; }));
        ASSERT_TRUE(alpha.Keys("type hi"));
        ASSERT_TRUE(WaitFor([] { return ReadWholeFile(CaptureFilePath(ProgramDir())) == "hi"; }));
        if (sessionEnds)
            SendMessageA(player.Window(), WM_ENDSESSION, TRUE, 0);
        else
            EXPECT_TRUE(player.Stop());
        const int placeholder =
            static_cast<int>(ReadWholeFile(library).value_or("").size() / MacroRecord::Size);
        const std::optional<MacroRecord> kept = LibraryRecord(library, placeholder);
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->Nickname.str(), "Capture");
        EXPECT_EQ(kept->ScriptText(), "hi");
        EXPECT_EQ(kept->ActivationCode, ActivationCode::None);
        EXPECT_TRUE(player.Stop());
    }
}

}  // namespace
}  // namespace orv::e2e
