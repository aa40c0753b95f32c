#include "editor/commands/win32/flow_dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "common/win32/system_routines.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using testing::PressKey;
using testing::TypeText;

using FlowDialogsTest = testing::CommandDialogTest;

TEST_F(FlowDialogsTest, DelayComposesByChoiceAndLimitsTheBox) {
    TDoDelay2 d;
    d.DelSecs.SetChecked(true);
    driver.Expect<TDoDelay2>([this](TDoDelay2& f) {
        EXPECT_TRUE(f.Seconds.Focused());
        EXPECT_EQ(f.Seconds.MaxLength(), 5);
        f.TimedDel.Click();
        EXPECT_EQ(f.Seconds.MaxLength(), 2);
        f.DelMilli.Click();
        EXPECT_EQ(f.Seconds.MaxLength(), 4);
        Enter(f, f.Seconds, "123456");
        EXPECT_EQ(f.Seconds.Text(), "1234");
        f.TimedDel.Click();
        Enter(f, f.Seconds, "5");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<TDELAY:05>");
    EXPECT_EQ(d.OptionCode, 3);
    EXPECT_EQ(d.RawValue, 5);

    // Shown again: the old command is gone, a refusal keeps it gone.
    driver.Expect<TDoDelay2>([this](TDoDelay2& f) {
        EXPECT_EQ(f.CommandText, "");
        f.DelSecs.Click();
        Enter(f, f.Seconds, "60.01");
        ExpectRefusalThenEscape(f, f.Seconds,
                                "Value must be greater than zero and no larger than 60.");
    });
    EXPECT_EQ(d.ShowModal(), IDCANCEL);
    EXPECT_EQ(d.CommandText, "");
}

TEST_F(FlowDialogsTest, PauseResetsForANewCommandAndShrinksForABasicPause) {
    TDoPausePos d;
    d.FreshInsert = 1;
    d.BasicPause.SetChecked(true);
    driver.Expect<TDoPausePos>([this](TDoPausePos& f) {
        EXPECT_TRUE(f.ComplexPause.Checked());
        EXPECT_EQ(f.TopCoord.Text(), "0");
        EXPECT_TRUE(f.TopCoord.Focused());
        int fullHeight = f.ClientHeight();
        f.BasicPause.Click();
        EXPECT_FALSE(IsWindowVisible(f.TopCoord.Handle()));
        EXPECT_FALSE(IsWindowVisible(f.PauseMessage.Handle()));
        EXPECT_LT(f.ClientHeight(), fullHeight);
        RECT client{}, ok{};
        GetClientRect(f.Handle(), &client);
        GetWindowRect(f.Buttons.OkButton.Handle(), &ok);
        MapWindowPoints(nullptr, f.Handle(), reinterpret_cast<POINT*>(&ok), 2);
        EXPECT_LE(ok.bottom, client.bottom);
        f.ComplexPause.Click();
        EXPECT_TRUE(IsWindowVisible(f.PauseMessage.Handle()));
        EXPECT_EQ(f.ClientHeight(), fullHeight);
        Enter(f, f.TopCoord, "5");
        Enter(f, f.LeftCoord, "40");
        Enter(f, f.PauseMessage, "Hi");
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<PAUSE:005,040Hi>");
    EXPECT_EQ(d.OptionCode, 2);
    EXPECT_EQ(d.RawTop, 5);
    EXPECT_EQ(d.RawLeft, 40);
    EXPECT_EQ(d.RawMessage, "Hi");
}

TEST_F(FlowDialogsTest, PauseRefusesACoordinateOrAMessageThatWouldEndTheToken) {
    TDoPausePos d;
    d.FreshInsert = 0;  // the caller's values stay
    d.ComplexPause.SetChecked(true);
    d.TopCoord.SetText("1");
    d.LeftCoord.SetText("x");
    driver.Expect<TDoPausePos>([this](TDoPausePos& f) {
        EXPECT_EQ(f.TopCoord.Text(), "1");
        ExpectRefusalThenEscape(f, f.LeftCoord,
                                "Invalid Left Window Coordinate entered.  Please correct.");
    });
    d.ShowModal();
    EXPECT_EQ(d.CommandText, "");

    d.LeftCoord.SetText("2");
    d.PauseMessage.SetText("a>b");
    driver.Expect<TDoPausePos>([](TDoPausePos& f) {
        f.Buttons.OkButton.Click();
        EXPECT_TRUE(f.PauseMessage.Focused());
        f.Buttons.CancelButton.Click();
    });
    boxes.Expect(
        "The message \"a>b\" holds the character \">\", which would end the command early.  "
        "Please remove it.",
        MsgResult::Ok, "Error");
    d.ShowModal();
    EXPECT_EQ(d.CommandText, "");
}

TEST_F(FlowDialogsTest, RepeatShowsTheBoxesOfItsChoice) {
    TDoRepeat d;
    driver.Expect<TDoRepeat>([this](TDoRepeat& f) {
        EXPECT_TRUE(f.StartRepeat.Checked());
        EXPECT_EQ(f.Count.Text(), "10");
        EXPECT_EQ(f.RepeatLabel.Text(), "Repeat Count");
        EXPECT_TRUE(IsWindowVisible(f.CStep.Handle()));
        f.RepeatCounter.Click();
        EXPECT_EQ(f.RepeatLabel.Text(), "Counter Width");
        EXPECT_TRUE(IsWindowVisible(f.Count.Handle()));
        EXPECT_FALSE(IsWindowVisible(f.CStart.Handle()));
        f.EndRepeat.Click();
        EXPECT_FALSE(IsWindowVisible(f.Count.Handle()));
        f.PromptRepeat.Click();
        EXPECT_FALSE(IsWindowVisible(f.RepeatLabel.Handle()));
        f.StartRepeat.Click();
        Enter(f, f.Count, "3");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<REP:0003:000001:000001>");
    EXPECT_EQ(d.OptionCode, 1);
    EXPECT_EQ(d.RawCount, 3);

    d.FreshInsert = 0;
    d.RepeatCounter.SetChecked(true);
    d.Count.SetText("5");
    driver.Expect<TDoRepeat>([this](TDoRepeat& f) {
        ExpectRefusalThenEscape(f, f.Count, "Width must be between 1 and 4.");
    });
    d.ShowModal();

    d.CStart.SetText("65536");
    d.StartRepeat.SetChecked(true);
    driver.Expect<TDoRepeat>([this](TDoRepeat& f) {
        ExpectRefusalThenEscape(f, f.CStart,
                                "The counter start must be between 0 and 65535.  Please Correct.");
    });
    d.ShowModal();
    EXPECT_EQ(d.RawStart, 1);
}

TEST_F(FlowDialogsTest, SpeedLabelsItsBoxByChoice) {
    TDoSpeed d;
    driver.Expect<TDoSpeed>([this](TDoSpeed& f) {
        EXPECT_TRUE(f.KeyboardSpeed.Checked());
        EXPECT_EQ(f.Lab1.Text(), "Delay in Milliseconds");
        f.MacroSpeed.Click();
        EXPECT_EQ(f.Lab1.Text(), "Playback Factor");
        Enter(f, f.Count, "0.5");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<SPEED:00.50>");
    EXPECT_EQ(d.OptionCode, 3);
    EXPECT_EQ(d.RawFactor, 0.5);

    d.FreshInsert = 0;
    d.MouseSpeed.SetChecked(true);
    d.Count.SetText("-1");
    driver.Expect<TDoSpeed>([this](TDoSpeed& f) {
        EXPECT_EQ(f.Lab1.Text(), "Delay in Milliseconds");
        ExpectRefusalThenEscape(f, f.Count, "Value must be zero or greater.");
    });
    d.ShowModal();
}

TEST_F(FlowDialogsTest, SwapTakesTheBrowsedFilesShortPath) {
    std::string folder = ProgramDir() + "\\Swap Test Folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string file = folder + "\\Office Macros.ORN";
    std::FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fclose(f);
    char expected[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(file.c_str(), expected, MAX_PATH), 0u);

    orv::testing::ScriptedFileDialogs files;
    files.ExpectOpen(file);
    files.ExpectOpen(std::nullopt);
    orv::testing::RecordedHelp help;
    TDoSwap d;
    driver.Expect<TDoSwap>([](TDoSwap& f) {
        EXPECT_TRUE(f.ProgPath.Focused());
        f.BrowseButton.Click();
        f.BrowseButton.Click();  // cancelled: the path stays
        f.Buttons.HelpButton.Click();
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<SWAP:" + std::string(expected) + ">");
    EXPECT_EQ(d.FilePath, expected);
    EXPECT_EQ(help.Keywords, std::vector<std::string>{"Swap Macro File"});
    ASSERT_EQ(files.Shown().size(), 2u);
    EXPECT_EQ(files.Shown()[0].Title, "Orvane Files");
    EXPECT_EQ(files.Shown()[0].Filter, "Orvane (*.ORN)|*.ORN");
    EXPECT_EQ(files.Shown()[0].DefaultExt, "ORN");
    EXPECT_TRUE(files.Shown()[0].FileMustExist);
    EXPECT_TRUE(files.Shown()[0].HideReadOnly);

    d.ProgPath.SetText(folder);  // a folder is no macro file
    driver.Expect<TDoSwap>([this](TDoSwap& f) {
        ExpectRefusalThenEscape(f, f.ProgPath,
                                "Specified Macro File does not exist.  Please correct.");
    });
    d.ShowModal();
    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(FlowDialogsTest, RemarkTakesAnyCommentButOneThatWouldEndTheToken) {
    TDoRemark d;
    driver.Expect<TDoRemark>([this](TDoRemark& f) {
        EXPECT_EQ(f.Comments.MaxLength(), 240);
        Enter(f, f.Comments, "  totals  ");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<REM:totals>");

    d.Comments.SetText("x>y");
    driver.Expect<TDoRemark>([this](TDoRemark& f) {
        ExpectRefusalThenEscape(
            f, f.Comments,
            "The text \"x>y\" holds the character \">\", which would end the command early.  "
            "Please remove it.");
    });
    d.ShowModal();
}

TEST_F(FlowDialogsTest, NumberDialogComposesAnAltKeypadSequence) {
    SettingsBlock settings;
    CommandContext context{settings};
    TDoDelay d(context);
    d.DelayMode = 3;
    driver.Expect<TDoDelay>([this](TDoDelay& f) {
        EXPECT_EQ(f.Caption(), "Alt Keypad Sequence");
        EXPECT_EQ(f.Label1.Text(), "Keypad Numbers");
        EXPECT_FALSE(IsWindowVisible(f.Label2.Handle()));
        EXPECT_FALSE(IsWindowVisible(f.Buttons.HelpButton.Handle()));
        Enter(f, f.Seconds, "0169");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<ALT4:0169>");

    d.Seconds.SetText("-5");
    driver.Expect<TDoDelay>(
        [this](TDoDelay& f) { ExpectRefusalThenEscape(f, f.Seconds, "Value must be numeric."); });
    d.ShowModal();
}

TEST_F(FlowDialogsTest, NumberDialogSetsTheSchedulerFrequency) {
    SettingsBlock settings;
    settings.TimerSeconds = 15;
    CommandContext context{settings};
    TDoDelay d(context);
    d.DelayMode = 5;
    driver.Expect<TDoDelay>([this](TDoDelay& f) {
        EXPECT_EQ(f.Caption(), "Scheduler Frequency");
        EXPECT_EQ(f.Label1.Text(), "Check Every");
        EXPECT_TRUE(IsWindowVisible(f.Label2.Handle()));
        EXPECT_EQ(f.Seconds.Text(), "15");
        Enter(f, f.Seconds, "61");
        ExpectRefusalThenEscape(f, f.Seconds, "Value must be between 1 and 60.");
    });
    d.ShowModal();
    EXPECT_EQ(settings.TimerSeconds, 15);

    driver.Expect<TDoDelay>([this](TDoDelay& f) {
        Enter(f, f.Seconds, "30");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(settings.TimerSeconds, 30);
    EXPECT_EQ(d.CommandText, "");
}

TEST_F(FlowDialogsTest, EditingALineGivesItBack) {
    TDoDelay2 delay;
    ExpectEditKeepsTheLine<TDoDelay2, DelayInput>(delay, "<MSD:0075>");
    TDoPausePos pause;
    ExpectEditKeepsTheLine<TDoPausePos, PauseInput>(pause, "<PAUSE:005,040Hi>");
    TDoRepeat repeat;
    ExpectEditKeepsTheLine<TDoRepeat, RepeatInput>(repeat, "<REP:0003:000001:000002>");
    ExpectEditKeepsTheLine<TDoRepeat, RepeatInput>(repeat, "<III>");
    TDoSpeed speed;
    ExpectEditKeepsTheLine<TDoSpeed, SpeedInput>(speed, "<SPEED:00.50>");
    TDoRemark remark;
    ExpectEditKeepsTheLine<TDoRemark, RemarkInput>(remark, "<REM:totals>");
}

TEST_F(FlowDialogsTest, HelpOpensEachDialogsKeyword) {
    orv::testing::RecordedHelp help;
    TDoDelay2 delay;
    TDoPausePos pause;
    TDoRepeat repeat;
    TDoSpeed speed;
    TDoRemark remark;
    auto pressHelp = [](TCommandDialog& f, TButtonRow& row) {
        row.HelpButton.Click();
        f.Close(IDCANCEL);
    };
    driver.Expect<TDoDelay2>([&](TDoDelay2& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoPausePos>([&](TDoPausePos& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoRepeat>([&](TDoRepeat& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoSpeed>([&](TDoSpeed& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoRemark>([&](TDoRemark& f) { pressHelp(f, f.Buttons); });
    for (TForm* f : std::initializer_list<TForm*>{&delay, &pause, &repeat, &speed, &remark})
        f->ShowModal();
    EXPECT_EQ(help.Keywords,
              (std::vector<std::string>{"Set Delays", "Macro Pause", "Repeat Options",
                                        "Keyboard and Mouse Speed", "Remarks"}));
}

}  // namespace
}  // namespace orv::editor
