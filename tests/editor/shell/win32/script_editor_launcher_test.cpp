// The script editor from the main window: the script command edits the
// selected macro under the lock, and the add dialog's new macro is appended once.
#include "editor/shell/win32/script_editor_launcher.h"

#include <gtest/gtest.h>

#include "editor/commands/win32/flow_dialogs.h"
#include "editor/shell/win32/add_macro_dialog.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "editor/script/win32/script_editor.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor {
namespace {

using ScriptEditorLauncherTest = testing::MainWindowFixture;

TEST_F(ScriptEditorLauncherTest, TheScriptCommandRewritesTheSelectedMacro) {
    TMainWin& main = Open();
    InstallEditorDialogs(main, context);
    main.SelectMacro(2);
    orv::testing::ModalDriver driver;
    driver.Expect<TDoScripting>([](TDoScripting& f) {
        EXPECT_EQ(f.ActKind, ActivationKind::Cueword);
        EXPECT_EQ(f.CueName.Text(), "sig");
        EXPECT_EQ(f.NickName.Text(), "SIGNATURE");
        f.OptionBox.SetItemIndex(f.OptionBox.IndexOf("Repeat End"));
        f.AddButton.Click();
        f.SaveButton.Click();
    });
    main.MenuScripting.Click();
    MacroRecord saved;
    ASSERT_TRUE(macros.ReadMacroRecord(2, saved));
    EXPECT_EQ(saved.ScriptText(), "<ENDREP>");
    EXPECT_EQ(saved.CuewordText.str(), "sig");
    EXPECT_EQ(player.Only({NoticeCode::MacroSaved}), (testing::Posts{{20, 2}}));
}

TEST_F(ScriptEditorLauncherTest, ANewMacrosScriptIsAppendedAndCountedOnce) {
    TMainWin& main = Open();
    InstallEditorDialogs(main, context);
    int before = table.MacroCount();
    orv::testing::ModalDriver driver;
    auto addWithoutActivation = [&](std::function<void(TDoScripting&)> script) {
        driver.Expect<TAddNewHotKey>([](TAddNewHotKey& f) {
            f.UseBuilding.Click();
            f.ScriptButton.Click();
        });
        driver.Expect<TDoScripting>(std::move(script));
        main.MenuAddHotKey.Click();
    };
    addWithoutActivation([](TDoScripting& f) {
        EXPECT_EQ(f.ActKind, ActivationKind::None);
        EXPECT_EQ(f.ActLabel.Text(), "None");
        f.NickName.SetText("FRESH");
        f.OptionBox.SetItemIndex(f.OptionBox.IndexOf("Repeat Prompt Start"));
        f.AddButton.Click();
        f.SaveButton.Click();
    });
    EXPECT_EQ(table.MacroCount(), before + 1);
    MacroRecord appended;
    ASSERT_TRUE(macros.ReadMacroRecord(before + 1, appended));
    EXPECT_EQ(appended.Nickname.str(), "FRESH");
    EXPECT_EQ(appended.ScriptText(), "<PROMPTREP>");
    EXPECT_EQ(appended.Enabled, 1);
    EXPECT_EQ(main.SelectedMacro(), before + 1);

    // Cancelled, nothing is added.
    addWithoutActivation([](TDoScripting& f) { f.CancelButton.Click(); });
    EXPECT_EQ(table.MacroCount(), before + 1);
}

}  // namespace
}  // namespace orv::editor
