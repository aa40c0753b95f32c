// The dialogs a running macro shows, driven as the user would: each is on
// top, one message window and one text box at a time, the repeat prompt
// keeps refusing what is not a count, the pause window answers its buttons
// and the hot key that resumes it.
#include "player/win32/win32_dialogs.h"

#include <gtest/gtest.h>

#include "player/win32/forms/do_my_message.h"
#include "player/win32/forms/on_top_message.h"
#include "player/win32/forms/pause_macro.h"
#include "player/win32/forms/repeat_prompt.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::player {
namespace {

using orv::testing::ModalDriver;
using orv::testing::PressKey;
using orv::testing::TypeText;

bool Topmost(const TForm& form) {
    return (GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class RunTimeDialogsTest : public ::testing::Test {
  protected:
    ModalDriver driver;
    Win32Dialogs dialogs;
};

TEST_F(RunTimeDialogsTest, AMessageOrTextBoxWhileOneShowsIsDropped) {
    driver.Expect<TOnTopMessage>([&](TOnTopMessage& f) {
        EXPECT_EQ(f.Caption(), "Launch Error");
        EXPECT_EQ(f.TheMessage.Text(), "first");
        EXPECT_TRUE(Topmost(f));
        dialogs.DoAMessage("Launch Error", "second");
        // The text box is another kind of window: it shows meanwhile.
        dialogs.MyMessage("Head", "one\ntwo");
        PressKey(f, VK_RETURN);
    });
    driver.Expect<TDoMyMessage>([&](TDoMyMessage& f) {
        EXPECT_EQ(f.Caption(), "Head");
        EXPECT_EQ(f.TheMessage.Lines(), (std::vector<std::string>{"one", "two"}));
        EXPECT_TRUE(f.TheMessage.ReadOnly());
        EXPECT_TRUE(Topmost(f));
        dialogs.MyMessage("Head", "dropped");
        f.OkButton.Click();
    });
    dialogs.DoAMessage("Launch Error", "first");
    // Closed, the next one shows.
    driver.Expect<TOnTopMessage>([](TOnTopMessage& f) { f.OkButton.Click(); });
    dialogs.DoAMessage("Notice", "again");
}

TEST_F(RunTimeDialogsTest, TheRepeatPromptClosesOnlyOnACount) {
    orv::testing::ScriptedMessageBoxes boxes;
    for (int i = 0; i < 3; ++i)
        boxes.Expect(RepeatPromptText::Invalid, MsgResult::Ok, RepeatPromptText::ErrorCaption);
    driver.Expect<TRepeatPrompt>([](TRepeatPrompt& f) {
        EXPECT_TRUE(f.NumReps.Focused());
        EXPECT_EQ(f.Caption(), "Macro Repeat");
        // Empty, by the button and by the window's close; then negative.
        f.OkButton.Click();
        SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        TypeText(f, "-1");
        PressKey(f, VK_RETURN);
        EXPECT_TRUE(f.IsOpen());
        EXPECT_TRUE(f.NumReps.Focused());
        f.NumReps.SetText("");
        TypeText(f, "$10xyz");
        EXPECT_EQ(f.NumReps.Text(), "$10x");  // four characters at most
        f.NumReps.SetText("$10");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(dialogs.DoRepPrompt(), 16);
}

TEST_F(RunTimeDialogsTest, ThePauseWindowIsPlacedAndSizedForItsMessage) {
    const std::string message(65, 'm');
    driver.Expect<TPauseMacro>([&](TPauseMacro& f) {
        EXPECT_EQ(f.Caption(), "Pause");
        EXPECT_TRUE(Topmost(f));
        EXPECT_EQ(f.ClientWidth(), 224);
        EXPECT_EQ(f.ClientHeight(), 151);
        EXPECT_TRUE(f.MessageLabel.Visible());
        EXPECT_EQ(f.MessageLabel.GetBounds().Height, 57);
        EXPECT_EQ(f.MessageLabel.Text(), message);
        EXPECT_EQ(f.ResumeButton.GetBounds().Top, 99);
        EXPECT_EQ(f.AbortButton.GetBounds().Top, 99);
        RECT r{};
        GetWindowRect(f.Handle(), &r);
        EXPECT_EQ(r.left, 40);
        EXPECT_EQ(r.top, 30);
        f.ResumeButton.Click();
    });
    EXPECT_TRUE(dialogs.ShowPauseWindow(ScreenPoint{40, 30}, message));

    driver.Expect<TPauseMacro>([](TPauseMacro& f) {
        EXPECT_FALSE(f.MessageLabel.Visible());
        EXPECT_EQ(f.ClientHeight(), 94);
        EXPECT_EQ(f.ResumeButton.GetBounds().Top, 42);
        f.AbortButton.Click();
    });
    EXPECT_FALSE(dialogs.ShowPauseWindow(ScreenPoint{40, 30}, ""));
    // Closing the window aborts; the resume key closes it as resumed.
    driver.Expect<TPauseMacro>(
        [](TPauseMacro& f) { SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_FALSE(dialogs.ShowPauseWindow(ScreenPoint{40, 30}, ""));
    driver.Expect<TPauseMacro>([&](TPauseMacro&) { dialogs.ClosePause(true); });
    EXPECT_TRUE(dialogs.ShowPauseWindow(ScreenPoint{40, 30}, ""));
}

// At the screen's scale (forms_at_dpi.sh runs this at 120 and 144 DPI too):
// a pause asked for beyond the corner stays on the work area, and "<PAUSE>"
// is centred on it at the size it is shown.
TEST_F(RunTimeDialogsTest, FormPicture) {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT frame{};
    auto readFrame = [&](TPauseMacro& f) {
        GetWindowRect(f.Handle(), &frame);
        f.ResumeButton.Click();
    };
    driver.Expect<TPauseMacro>(readFrame);
    dialogs.ShowPauseWindow(ScreenPoint{area.right - 100, area.bottom - 50}, "a message");
    EXPECT_LE(frame.right, area.right);
    EXPECT_LE(frame.bottom, area.bottom) << "the buttons' row is off the work area";

    driver.Expect<TPauseMacro>(readFrame);
    dialogs.ShowPauseWindow(std::nullopt, "");
    EXPECT_NEAR((frame.left + frame.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (area.top + area.bottom) / 2, 1);
}

}  // namespace
}  // namespace orv::player
