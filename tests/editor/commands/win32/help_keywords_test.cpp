// The help keyword of each mouse, wait and file dialog.
#include <gtest/gtest.h>

#include "editor/commands/win32/file_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/commands/win32/wait_dialog.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"

namespace orv::editor {
namespace {

using HelpKeywordsTest = testing::CommandDialogTest;

template <class D>
void HelpStep(orv::testing::ModalDriver& driver) {
    driver.Expect<D>([](D& f) {
        f.Buttons.HelpButton.Click();
        f.Close(IDCANCEL);
    });
}

TEST_F(HelpKeywordsTest, MouseWaitAndFileDialogs) {
    orv::testing::RecordedHelp help;
    SettingsBlock settings;
    CommandContext context{settings};
    TDoMouse mouse;
    TDoClipboard clipboard;
    TDoKeyUpDown keys;
    TDoWaitWin wait(context);
    TDoDOSFiles files;
    TDoExplore explore;
    TDoNick nick(context);
    TDoRecycle recycle(context);
    HelpStep<TDoMouse>(driver);
    HelpStep<TDoClipboard>(driver);
    HelpStep<TDoKeyUpDown>(driver);
    HelpStep<TDoWaitWin>(driver);
    HelpStep<TDoDOSFiles>(driver);
    HelpStep<TDoExplore>(driver);
    HelpStep<TDoNick>(driver);
    HelpStep<TDoRecycle>(driver);
    for (TForm* f : std::initializer_list<TForm*>{&mouse, &clipboard, &keys, &wait, &files,
                                                  &explore, &nick, &recycle})
        f->ShowModal();
    EXPECT_EQ(help.Keywords,
              (std::vector<std::string>{"Mouse Commands", "Clipboard Options", "Keys Up Or Down",
                                        "Wait For Window", "File Commands", "Explorer",
                                        "Connect Macro", "Desktop Commands"}));
}

}  // namespace
}  // namespace orv::editor
