// What the command dialogs get from the main window, and the script editor
// run from it reaching the shell's own dialogs.
#include "editor/shell/win32/editor_command_context.h"

#include <gtest/gtest.h>

#include "common/notices.h"
#include "common/win32/ras_api.h"
#include "common/win32/system_routines.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/script/win32/script_editor.h"
#include "editor/shell/win32/activation_dialogs.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor {
namespace {

using testing::PressKey;

using EditorCommandContextTest = testing::MainWindowFixture;

TEST_F(EditorCommandContextTest, CommandDialogsAskTheMainWindow) {
    TMainWin& w = Open();
    CommandContext commands = EditorCommandContext(w, context);

    std::vector<MacroNickname> nicknames = commands.Nicknames();
    ASSERT_EQ(nicknames.size(), static_cast<std::size_t>(table.MacroCount()));
    for (int i = 1; i <= table.MacroCount(); ++i) {
        EXPECT_EQ(nicknames[i - 1].Nickname, settings.Nickname[i].str());
        EXPECT_EQ(nicknames[i - 1].Kind, table.Entry(i).Kind);
    }
    EXPECT_EQ(nicknames[1].Nickname, "SIGNATURE");
    EXPECT_EQ(commands.Browser4OrLater, IsBrowser4OrLater());
    EXPECT_EQ(commands.RasLoaded, RasLoaded());
    EXPECT_TRUE(commands.PickProgram);
    // The mixer is made once, whatever the prefix's sound device offers.
    EXPECT_EQ(commands.MixerCapabilities(), MixerAnswersOf(w.OpenMixer()));
    EXPECT_EQ(&w.OpenMixer(), &w.OpenMixer());

    int preferencesShown = 0;
    w.Launchers().Preferences = [&] { ++preferencesShown; };
    commands.OpenPreferences();
    EXPECT_EQ(preferencesShown, 1);
    EXPECT_TRUE(store.Has("Misc", "EMail Path"));
    EXPECT_EQ(player.Only({NoticeCode::MiscSettingsChanged}), (testing::Posts{{15, 0}}));
}

// The Cueword macro in the script editor: its options, its window scope and
// the wait dialog's program list are the shell's, and Cancel keeps the file.
TEST_F(EditorCommandContextTest, TheScriptEditorReachesTheShellsDialogs) {
    TMainWin& w = Open();
    InstallEditorDialogs(w, context);
    w.SelectMacro(2);
    orv::testing::ModalDriver driver;
    driver.Expect<TDoScripting>([&](TDoScripting& f) {
        driver.Expect<TShortOptions>([](TShortOptions& d) {
            d.CaseSense.Click();
            d.OkButton.Click();
        });
        f.Properties.Click();
        EXPECT_EQ(f.Host().Macro().CuewordCase, 2);

        driver.Expect<TDoSpecWind>([](TDoSpecWind& d) {
            EXPECT_EQ(d.Caption(), "Set Title");
            d.TheTitle.SetText("Calculator");
            d.OkButton.Click();
        });
        f.WindowRadio.Click();
        f.SelectButton.Click();
        EXPECT_EQ(f.Caption(), "Macro Scripting Editor  (Window Title: Calculator)");

        driver.Expect<TDoWaitWin>([](TDoWaitWin& d) {
            EXPECT_TRUE(d.Button1.Enabled());
            PressKey(d, VK_ESCAPE);
        });
        f.OptionBox.SetItemIndex(f.OptionBox.IndexOf("Wait Program Terminate"));
        f.AddButton.Click();
        EXPECT_EQ(f.Model().Count(), 0);
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    w.MenuScripting.Click();
    MacroRecord kept;
    ASSERT_TRUE(macros.ReadMacroRecord(2, kept));
    EXPECT_EQ(kept.ScopeText.str(), "");
}

}  // namespace
}  // namespace orv::editor
