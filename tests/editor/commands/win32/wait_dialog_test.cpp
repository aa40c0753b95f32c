#include "editor/commands/win32/wait_dialog.h"

#include <gtest/gtest.h>

#include "tests/editor/commands/win32/command_dialog_testing.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using WaitDialogTest = testing::CommandDialogTest;

bool Shown(const TControl& c) {
    return IsWindowVisible(c.Handle()) != FALSE;
}

TEST_F(WaitDialogTest, EachKindShowsItsPanelAtItsHeight) {
    SettingsBlock settings;
    CommandContext context{settings};
    TDoWaitWin d(context);
    d.WaitTitle.SetChecked(true);
    driver.Expect<TDoWaitWin>([this](TDoWaitWin& f) {
        EXPECT_TRUE(f.WaitMax.Checked());
        EXPECT_EQ(f.WaitMin.Text(), "10");
        EXPECT_EQ(f.TheKey.ItemIndex(), 50);
        EXPECT_FALSE(IsWindowEnabled(f.Button1.Handle()));  // no program picker
        struct Row {
            TRadioButton& kind;
            int height;
            TControl* panel;
        };
        for (Row r : {Row{f.WaitTitle, 338, &f.WinTitle}, Row{f.WaitProg, 338, &f.ProgName},
                      Row{f.WaitKey, 338, &f.TheKey}, Row{f.WaitText, 338, &f.TheText},
                      Row{f.WaitRight, 297, nullptr}, Row{f.WaitPlayBack, 244, nullptr},
                      Row{f.WaitTime, 285, &f.Minutes}}) {
            r.kind.Click();
            EXPECT_EQ(f.ClientHeight(), r.height);
            if (r.panel) {
                EXPECT_TRUE(Shown(*r.panel));
            }
            EXPECT_EQ(Shown(f.WaitMin), r.height != 244 && r.height != 285);
        }
        EXPECT_FALSE(Shown(f.WinTitle));
        Enter(f, f.Seconds, "60");
        ExpectRefusalThenEscape(f, f.Seconds, "Invalid Seconds specified.");
    });
    d.ShowModal();

    d.FreshInsert = 0;
    d.WaitKey.SetChecked(true);
    d.TheKey.SetItemIndex(36);
    driver.Expect<TDoWaitWin>([](TDoWaitWin& f) { PressKey(f, VK_RETURN); });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<WAITKEY:010:36>");
    EXPECT_EQ(d.WaitParameter, "36");
    EXPECT_EQ(d.RawValue, 10);

    ExpectEditKeepsTheLine<TDoWaitWin, WaitInput>(d, "<WAITTXTY:000:done>");
    EXPECT_EQ(d.WaitCaseSensitive, 1);
    ExpectEditKeepsTheLine<TDoWaitWin, WaitInput>(d, "<WAITTIME:00000600>");
    EXPECT_EQ(d.RawValue, 600);
    ExpectEscapeCancels(d);
}

TEST_F(WaitDialogTest, ListProgramsAsksThePicker) {
    SettingsBlock settings;
    CommandContext context{settings};
    context.PickProgram = [] { return std::optional<std::string>("WINWORD.EXE"); };
    TDoWaitWin d(context);
    d.WaitProg.SetChecked(true);
    driver.Expect<TDoWaitWin>([](TDoWaitWin& f) {
        f.Button1.Click();
        EXPECT_EQ(f.ProgName.Text(), "WINWORD.EXE");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<WAITPROG:010:WINWORD.EXE>");
}

}  // namespace
}  // namespace orv::editor
