#include "editor/commands/win32/mouse_dialogs.h"

#include <gtest/gtest.h>

#include "tests/editor/commands/win32/command_dialog_testing.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using MouseDialogsTest = testing::CommandDialogTest;

bool Shown(const TControl& c) {
    return IsWindowVisible(c.Handle()) != FALSE;
}

TEST_F(MouseDialogsTest, MouseLaysOutItsGroupsByCommand) {
    TDoMouse d;
    driver.Expect<TDoMouse>([this](TDoMouse& f) {
        EXPECT_TRUE(f.MouseMove.Checked() && f.ToScreen.Checked());
        EXPECT_EQ(f.XPos.Text(), "0");
        EXPECT_EQ(f.NumClicks.Text(), "1");
        EXPECT_EQ(f.ClientWidth(), 393);
        EXPECT_TRUE(Shown(f.XPos) && Shown(f.Launch));
        f.ToCaret.Click();
        EXPECT_FALSE(IsWindowEnabled(f.XPos.Handle()));
        f.ToPosition.Click();
        EXPECT_TRUE(IsWindowEnabled(f.YPos.Handle()));
        f.RightClick.Click();
        EXPECT_EQ(f.ClientWidth(), 200);
        EXPECT_FALSE(Shown(f.XPos) || Shown(f.NumClicks) || Shown(f.Launch));
        f.WheelForward.Click();
        EXPECT_EQ(f.ClientWidth(), 393);
        EXPECT_TRUE(Shown(f.NumClicks));
        EXPECT_FALSE(Shown(f.XPos));
        Enter(f, f.NumClicks, "0");
        ExpectRefusalThenEscape(f, f.NumClicks,
                                "Invalid number of wheel clicks specified.  Please correct.");
    });
    d.ShowModal();

    ExpectEditKeepsTheLine<TDoMouse, MouseInput>(d, "<MMP:-0012,00005>");
    EXPECT_EQ(d.RawX, -12);
    EXPECT_EQ(d.MoveMode, 3);
    ExpectEditKeepsTheLine<TDoMouse, MouseInput>(d, "<WBW:003>");
    EXPECT_EQ(d.RawClicks, 3);
    ExpectEditKeepsTheLine<TDoMouse, MouseInput>(d, "<MDCLK>");
    ExpectEscapeCancels(d);
}

TEST_F(MouseDialogsTest, ClipboardShowsThePathForFileCommands) {
    orv::testing::ScriptedFileDialogs files;
    files.ExpectSave("C:\\out.txt");
    TDoClipboard d;
    driver.Expect<TDoClipboard>([this](TDoClipboard& f) {
        EXPECT_TRUE(f.StartClip.Checked() && f.StartClip.Focused());
        EXPECT_FALSE(Shown(f.ProgPath));
        int shortHeight = f.ClientHeight();
        f.TypeText.Click();
        EXPECT_TRUE(IsWindowEnabled(f.IgnoreCR.Handle()));
        f.SaveText.Click();
        EXPECT_GT(f.ClientHeight(), shortHeight);
        EXPECT_EQ(f.PathLabel.Text(), "Text File Path/Name");
        EXPECT_FALSE(IsWindowEnabled(f.IgnoreCR.Handle()));
        f.SavePrompt.Click();
        EXPECT_FALSE(IsWindowEnabled(f.ProgPath.Handle()));
        f.SavePrompt.Click();
        f.BrowseButton.Click();
        f.CopyBit.Click();
        EXPECT_EQ(f.PathLabel.Text(), "Graphic File Path/Name");
        EXPECT_FALSE(IsWindowEnabled(f.SavePrompt.Handle()));
        ExpectRefusalThenEscape(f, f.ProgPath,
                                "Specified Bitmap File does not exist.  Please correct.");
    });
    d.ShowModal();
    EXPECT_EQ(d.ProgPath.Text(), "C:\\out.txt");
    EXPECT_EQ(files.Shown()[0].Filter, "Text Files (*.TXT)|*.TXT");

    ExpectEditKeepsTheLine<TDoClipboard, ClipboardInput>(d, "<CLIPST::PROMPT:>");
    EXPECT_TRUE(d.SavePrompt.Checked());
    ExpectEditKeepsTheLine<TDoClipboard, ClipboardInput>(d, "<CLIPTYPEI>");
    EXPECT_EQ(d.IgnoreLineEnds, 1);
    ExpectEscapeCancels(d);
}

TEST_F(MouseDialogsTest, KeyUpDownTakesTheCheckedKey) {
    TDoKeyUpDown d;
    driver.Expect<TDoKeyUpDown>([](TDoKeyUpDown& f) {
        EXPECT_TRUE(f.CtrlDown.Focused());
        f.ShiftUp.Click();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<SHFU>");
    EXPECT_EQ(d.OptionCode, 6);
    ExpectEditKeepsTheLine<TDoKeyUpDown, KeyUpDownInput>(d, "<WINU>");
    ExpectEscapeCancels(d);
}

}  // namespace
}  // namespace orv::editor
