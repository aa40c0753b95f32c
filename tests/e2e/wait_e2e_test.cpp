// Waits, pauses, run-time dialogs, hooks and system settings of a running
// macro end to end: the real Tavrol.exe and ORNHOOK.dll, clicks and keys from
// the X server.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/win32/registry.h"
#include "player/run_dispatch.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

std::uint16_t CodeOf(const std::string& name) {
    for (int code = 0; code < HotKeyCount; ++code)
        if (KeyName(code) == name)
            return static_cast<std::uint16_t>(code);
    ADD_FAILURE() << "no hot key " << name;
    return 0;
}

class WaitEndToEnd : public ::testing::Test {
  protected:
    void StartWith(const std::vector<MacroRecord>& records) {
        ASSERT_TRUE(player.Start(WriteLibrary("e2e_waits.ORN", records)));
        ASSERT_TRUE(target.Start("Waiting Pad"));
    }
    void TearDown() override { EXPECT_TRUE(player.Stop()) << "the player did not end"; }

    // Starts the macro on Ctrl+Q and waits until it waits, by its byte.
    void StartWaiting(std::size_t waitByte) {
        ASSERT_TRUE(target.Keys("key ctrl+q"));
        ASSERT_TRUE(WaitFor([&] { return MasterByte(waitByte) == 1; })) << "the wait never began";
    }
    void ExpectText(const std::string& expected) {
        EXPECT_TRUE(WaitFor([&] { return target.Text() == expected; })) << target.Text();
        EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));
    }

    Player player;
    Target target;
};

TEST_F(WaitEndToEnd, AKeyWaitEndsOnItsKeyOnly) {
    StartWith({Macro("Key", CodeOf("Ctrl+Q"), MacroKind::Global, "<WAITKEY:001:36>x")});
    StartWaiting(HookAt::WaitClick + 1);
    ASSERT_TRUE(target.Keys("key F2"));
    ASSERT_TRUE(target.Keys("key F1"));
    ExpectText("x");
    EXPECT_EQ(MasterByte(HookAt::WaitClick + 1), 0);
}

TEST_F(WaitEndToEnd, ATextWaitEndsOnTheTypedText) {
    StartWith({Macro("Text", CodeOf("Ctrl+Q"), MacroKind::Global, "<WAITTXTN:001:abc>x")});
    StartWaiting(HookAt::WaitClick + 2);
    ASSERT_TRUE(target.Keys("type abc"));
    ExpectText("abcx");
    EXPECT_EQ(MasterByte(HookAt::WaitClick + 2), 0);
}

TEST_F(WaitEndToEnd, AClickWaitEndsOnTheUsersClick) {
    StartWith({Macro("Click", CodeOf("Ctrl+Q"), MacroKind::Global, "<WAITLM:001>x")});
    StartWaiting(HookAt::WaitClick);
    RECT r{};
    GetWindowRect(target.Window(), &r);
    ASSERT_TRUE(target.Keys("mousemove " + std::to_string((r.left + r.right) / 2) + " " +
                            std::to_string((r.top + r.bottom) / 2) + " click 1"));
    ExpectText("x");
    EXPECT_EQ(MasterByte(HookAt::WaitClick), 0);
}

TEST_F(WaitEndToEnd, AfterWaitingForItsInputARunGivesTheInUseByteBackAtOnce) {
    StartWith({Macro("Busy", CodeOf("Ctrl+Q"), MacroKind::Global, "w<WAITPB>z")});
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ASSERT_TRUE(WaitFor([&] { return target.Text() == "wz"; })) << target.Text();
    // Well within the 15 s the clear timer would take.
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }, 5000));
    EXPECT_EQ(MasterByte(HookAt::WaitClick + 3), 0);
}

TEST_F(WaitEndToEnd, HotKeysWorkAfterTheHooksAreInstalledAfresh) {
    StartWith({Macro("Rehook", CodeOf("Ctrl+Q"), MacroKind::Global, "<DOHOOK>d"),
               Macro("After", CodeOf("Ctrl+E"), MacroKind::Global, "e")});
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ExpectText("d");
    ASSERT_TRUE(target.Keys("key ctrl+e"));
    ExpectText("de");
}

TEST_F(WaitEndToEnd, SystemSettingsChangeForTheSessionOnly) {
    // This process keeps the values it has read: the session's values are
    // read where the system keeps those not written to the profile.
    constexpr const char* Profile = "Control Panel\\Keyboard";
    constexpr const char* Session =
        "Software\\Wine\\Temporary System Parameters\\Control Panel\\Keyboard";
    const auto profileDelay = ReadRegistryString(HKEY_CURRENT_USER, Profile, "KeyboardDelay");
    const auto profileSpeed = ReadRegistryString(HKEY_CURRENT_USER, Profile, "KeyboardSpeed");
    StartWith({Macro("Settings", CodeOf("Ctrl+Q"), MacroKind::Global, "<KEYDEL:03><KEYSPD:07>s")});
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ExpectText("s");
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, Session, "KeyboardDelay"), "3");
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, Session, "KeyboardSpeed"), "7");
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, Profile, "KeyboardDelay"), profileDelay);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, Profile, "KeyboardSpeed"), profileSpeed);
}

// A dialog of the player by its caption, once it shows.
HWND DialogShown(const char* caption) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindWindowA("#32770", caption)) != nullptr; });
    return dialog;
}

bool Topmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Another process's control gives its text only when asked by message.
std::string ChildText(HWND dialog, const char* className) {
    char text[256] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(FindWindowExA(dialog, nullptr, className, nullptr), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &result);
    return text;
}

TEST_F(WaitEndToEnd, TheTextBoxTakesNoKeyTheMacroTypedAndTheMacroTypesOnWhereItWas) {
    StartWith(
        {Macro("Box", CodeOf("Ctrl+Q"), MacroKind::Global, "abc<TBOX:<HEAD:Note>Read me>de")});
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    HWND box = DialogShown("Note");
    ASSERT_TRUE(box);
    EXPECT_TRUE(Topmost(box));
    EXPECT_TRUE(WaitFor([&] { return ChildText(box, "Edit") == "Read me"; }));
    EXPECT_EQ(target.Text(), "abc");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    ExpectText("abcde");
}

TEST_F(WaitEndToEnd, APausedMacroGoesOnOnItsOwnHotKeyOnly) {
    StartWith({Macro("Paused", CodeOf("Ctrl+Q"), MacroKind::Global, "a<PAUSE>b"),
               Macro("Other", CodeOf("Ctrl+E"), MacroKind::Global, "e")});
    ASSERT_TRUE(target.Keys("key ctrl+q"));
    HWND pause = DialogShown("Pause (Ctrl+Q)");
    ASSERT_TRUE(pause);
    EXPECT_TRUE(Topmost(pause));
    EXPECT_EQ(target.Text(), "a");
    // Not in use while paused: the hook library reports the hot keys.
    EXPECT_TRUE(WaitFor([] { return MasterByte(HookAt::MacroPlaying) == 0; }));

    ASSERT_TRUE(target.Keys("key ctrl+e"));
    HWND warning = DialogShown("Warning");
    ASSERT_TRUE(warning);
    EXPECT_EQ(BoxText(warning), player::RefusalMessage::Paused);
    PostMessageA(warning, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowA("#32770", "Warning") == nullptr; }));
    EXPECT_TRUE(IsWindow(pause));

    ASSERT_TRUE(target.Keys("key ctrl+q"));
    ExpectText("ab");
    EXPECT_FALSE(IsWindow(pause));
}

}  // namespace
}  // namespace orv::e2e
