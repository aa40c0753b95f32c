// A macro made with the quick wizard in the running editor plays: the
// "Type Text and Keystrokes" wizard walked through its real windows, its hot
// key pressed into the wizard, and then into another program.
#include <gtest/gtest.h>

#include <functional>

#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/win32/kernel_objects.h"
#include "editor/shell/win32/editor_menu_ids.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

// The first shown edit box of the wizard's current panel that fits.
HWND ShownEdit(HWND wizard, const std::function<bool(HWND)>& fits) {
    for (HWND edit : Children(wizard, "Edit"))
        if (IsWindowVisible(edit) && fits(edit))
            return edit;
    return nullptr;
}

bool Multiline(HWND edit) {
    return (GetWindowLongPtrA(edit, GWL_STYLE) & ES_MULTILINE) != 0;
}

bool ReadOnly(HWND edit) {
    return (GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) != 0;
}

TEST(WizardEndToEnd, ATypeTextMacroMadeInTheWizardTypesItsTextByItsHotKey) {
    const int ctrlAltH = HotKeyNamed("Ctrl+Alt+H");
    ASSERT_GE(ctrlAltH, 0);
    const std::string library = WriteLibrary(
        "WIZARDE2E.ORN", {Macro("TYPE OTHER", ActivationCode::None, MacroKind::Global, "x")});
    Target target;
    ASSERT_TRUE(target.Start("Orvane wizard target"));
    Player player;
    const HWND editor = player.StartWithEditor(library);
    ASSERT_NE(editor, nullptr);
    // Kind 1 is the first of the wizard menu.
    PostMessageA(editor, WM_COMMAND, editor::EditorMenuId::FirstWizard, 0);
    const HWND wizard = Shown("Quick Wizard: Type Text and Keystrokes");
    ASSERT_NE(wizard, nullptr);
    const HWND next = Child(wizard, "Button", "&Next >");
    ASSERT_NE(next, nullptr);

    // The introduction shows unless an earlier run chose to bypass it.
    HWND bypass = Child(wizard, "Button", "Bypass this &Function and Example screen");
    HWND memo = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        memo = ShownEdit(wizard, Multiline);
        return memo || (bypass && IsWindowVisible(bypass));
    }));
    if (!memo) {
        ASSERT_TRUE(Click(next));
        ASSERT_NE(memo = ShownEdit(wizard, Multiline), nullptr);
    }
    SetTextOf(memo, "Hello wizard");

    // Activation (a hot key by default), then the key pressed into its box:
    // while the box has the focus the hook library hands keys to the wizard.
    ASSERT_TRUE(Click(next));
    ASSERT_TRUE(Click(next));
    const HWND keyBox = ShownEdit(wizard, ReadOnly);
    ASSERT_NE(keyBox, nullptr);
    ASSERT_TRUE(WaitFor([&] {
        return MasterByte(HookAt::SecondWindowOn) == 1 &&
               MasterU32(HookAt::SecondWindow) ==
                   static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(wizard));
    }));
    ASSERT_TRUE(KeysTo(wizard, "keydown ctrl keydown alt sleep 0.1 key h keyup alt keyup ctrl"));
    ASSERT_TRUE(WaitFor([&] { return TextOf(keyBox) == KeyName(ctrlAltH); })) << TextOf(keyBox);
    // Until the hook library has seen Ctrl and Alt go up, a late release
    // would land among the keys pressed into the target.
    HANDLE modifiersUp = OpenEventA(SYNCHRONIZE, FALSE, KernelName::ModifiersUp);
    ASSERT_NE(modifiersUp, nullptr);
    EXPECT_EQ(WaitForSingleObject(modifiersUp, 10000), WAIT_OBJECT_0);
    CloseHandle(modifiersUp);

    // The defaults of the panels that follow, up to the nickname.
    HWND finish = nullptr;
    for (int panel = 0; panel < 6 && !(finish = Child(wizard, "Button", "&Finish")); ++panel)
        ASSERT_TRUE(Click(next));
    ASSERT_NE(finish, nullptr);
    const HWND nickname = ShownEdit(wizard, [](HWND edit) { return !ReadOnly(edit); });
    ASSERT_NE(nickname, nullptr);
    SetTextOf(nickname, "Hello");
    ASSERT_TRUE(Click(finish));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(wizard); }));
    // The editor takes the front back once its wizard has closed; keys sent
    // before that would meet the change of focus.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == editor; }));

    const std::size_t keyUsed = HookAt::CodeUsed + static_cast<std::size_t>(ctrlAltH);
    ASSERT_TRUE(WaitFor([&] { return MasterByte(keyUsed) == 1; }));
    EXPECT_TRUE(target.SendKeysUntilText(
        "keydown ctrl keydown alt sleep 0.1 key h keyup alt keyup ctrl", "Hello wizard"))
        << target.Text();
    EXPECT_TRUE(player.Stop());
}

}  // namespace
}  // namespace orv::e2e
