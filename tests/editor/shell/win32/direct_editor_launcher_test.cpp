// The direct text editor from the main window: "Modify Directly" rewrites the
// selected macro, and the add dialog's new macro is appended and counted once.
#include "editor/shell/win32/direct_editor_launcher.h"

#include <gtest/gtest.h>

#include "editor/script/win32/direct_editor.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor {
namespace {

using DirectEditorLauncherTest = testing::MainWindowFixture;

TEST_F(DirectEditorLauncherTest, ModifyDirectlyRewritesTheSelectedMacro) {
    TMainWin& main = Open();
    InstallEditorDialogs(main, context);
    int before = table.MacroCount();
    main.SelectMacro(2);
    orv::testing::ModalDriver driver;
    driver.Expect<TModHotKeys>([](TModHotKeys& f) {
        EXPECT_EQ(f.CuewordName.Text(), "sig");
        f.NewFormat.SetText("Regards\t<ENTER>");
        f.UpdateButton.Click();
    });
    main.MenuEnterKey.Click();
    MacroRecord saved;
    ASSERT_TRUE(macros.ReadMacroRecord(2, saved));
    EXPECT_EQ(saved.ScriptText(), "Regards\t<ENTER>");
    EXPECT_EQ(table.MacroCount(), before);
    EXPECT_EQ(player.Only({NoticeCode::MacroSaved}), (testing::Posts{{20, 2}}));
}

TEST_F(DirectEditorLauncherTest, ANewMacroIsAppendedAndCountedOnce) {
    TMainWin& main = Open();
    InstallEditorDialogs(main, context);
    int before = table.MacroCount();
    orv::testing::ModalDriver driver;
    auto addDirectly = [&](std::function<void(TModHotKeys&)> edit) {
        driver.Expect<TAddNewHotKey>([](TAddNewHotKey& f) {
            f.UseBuilding.Click();
            f.EnterKeyButton.Click();
        });
        driver.Expect<TModHotKeys>(std::move(edit));
        main.MenuAddHotKey.Click();
    };
    addDirectly([](TModHotKeys& f) {
        EXPECT_EQ(f.Caption(), "Modify Hot Key  (GLOBAL)");
        f.NickName.SetText("TYPED");
        f.NewFormat.SetText("hello");
        f.UpdateButton.Click();
    });
    EXPECT_EQ(table.MacroCount(), before + 1);
    MacroRecord appended;
    ASSERT_TRUE(macros.ReadMacroRecord(before + 1, appended));
    EXPECT_EQ(appended.Nickname.str(), "TYPED");
    EXPECT_EQ(appended.ScriptText(), "hello");
    EXPECT_EQ(appended.Enabled, 1);

    addDirectly([](TModHotKeys& f) { f.CancelButton.Click(); });
    EXPECT_EQ(table.MacroCount(), before + 1);
}

}  // namespace
}  // namespace orv::editor
