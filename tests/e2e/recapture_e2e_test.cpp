// A macro recorded again from the running editor: "Capture Macro" for the
// selected Ctrl+Q macro, keys typed into another program until the macro's
// own key ends the recording, and the key then typing what was recorded.
#include <gtest/gtest.h>

#include "common/hook_table.h"
#include "editor/shell/win32/editor_menu_ids.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

// Ctrl+Q at a person's pace: just after a focus change the desktop's key
// state can lag behind a Ctrl sent in the same instant as the Q.
constexpr const char* CtrlQKeys = "keydown ctrl sleep 0.1 key q keyup ctrl";

bool SetChecked(HWND box, bool checked) {
    if (!box)
        return false;
    if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        Click(box);
    return (SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked;
}

using RecaptureEndToEnd = EditorOnCtrlQMacro;

TEST_F(RecaptureEndToEnd, ARecapturedHotKeyMacroTypesWhatWasRecorded) {
    OnTheMacro(editor::EditorMenuId::Recapture);
    const HWND dialog = Shown("Capture Macro");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(Child(dialog, "Static", "Or Press Ctrl+Q to end capture"), nullptr);
    // Keystrokes only, untimed, in every program, starting in the target.
    ASSERT_TRUE(SetChecked(Child(dialog, "Button", "Capture &Keystrokes"), true));
    ASSERT_TRUE(SetChecked(Child(dialog, "Button", "Capture &Mouse"), false));
    ASSERT_TRUE(SetChecked(Child(dialog, "Button", "Captur&e At"), false));
    ASSERT_TRUE(Click(Child(dialog, "Button", "&Global")));
    const std::vector<HWND> lists = Children(dialog, "ListBox");
    ASSERT_EQ(lists.size(), 1u);
    const LRESULT line = SendMessageA(lists[0], LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(TargetTitle));
    ASSERT_GT(line, 0);
    SendMessageA(lists[0], LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    ASSERT_TRUE(Click(Child(dialog, "Button", "&Start Capture")));
    ASSERT_TRUE(WaitFor([] { return MasterByte(HookAt::CaptureRunning) == 1; }));

    ASSERT_TRUE(target.Keys("type hi"));
    ASSERT_TRUE(WaitFor([&] { return target.Text() == "hi"; })) << target.Text();
    ASSERT_TRUE(target.Keys(CtrlQKeys));
    const HWND done = Shown("Capture");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(BoxText(done), "Orvane 99 capture is complete for Ctrl+Q.");
    PostMessageA(done, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(done); }));
    EXPECT_EQ(MasterByte(HookAt::CaptureRunning), 0);
    // Neither the stop key nor its Ctrl is part of the recording.
    const std::optional<MacroRecord> saved = LibraryRecord(library, 1);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->ScriptText(), "hi");
    EXPECT_EQ(saved->MacroKind, MacroKind::Global);

    EXPECT_TRUE(target.SendKeysUntilText(CtrlQKeys, "hi")) << target.Text();
}

}  // namespace
}  // namespace orv::e2e
