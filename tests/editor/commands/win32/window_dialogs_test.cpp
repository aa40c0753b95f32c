#include "editor/commands/win32/window_dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "common/win32/system_routines.h"
#include "tests/editor/commands/win32/command_dialog_testing.h"

namespace orv::editor {
namespace {

using testing::PressKey;
using WindowDialogsTest = testing::CommandDialogTest;

bool Shown(const TControl& c) {
    return IsWindowVisible(c.Handle()) != FALSE;
}

TEST_F(WindowDialogsTest, ActiveShowsTheGroupsOfItsChoice) {
    std::string program = ProgramDir() + "\\Launch Test Program.exe";
    std::FILE* f = std::fopen(program.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fclose(f);
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(program.c_str(), shortPath, MAX_PATH), 0u);

    orv::testing::ScriptedFileDialogs files;
    files.ExpectOpen(program);
    TDoActive d;
    driver.Expect<TDoActive>([&](TDoActive& f) {
        EXPECT_TRUE(f.ActiveLaunch.Checked());
        EXPECT_EQ(f.DelaySecs.Text(), "0");
        EXPECT_EQ(f.MaxSecs.Text(), "12");
        EXPECT_TRUE(f.WinTitle.Focused());
        EXPECT_TRUE(Shown(f.WinTitle) && Shown(f.ProgPath) && Shown(f.MaxSecs));
        f.ActiveOnly.Click();
        EXPECT_FALSE(Shown(f.ProgPath));
        EXPECT_TRUE(Shown(f.WinTitle));
        f.LaunchOnly.Click();
        EXPECT_FALSE(Shown(f.WinTitle));
        EXPECT_TRUE(Shown(f.ProgPath));
        EXPECT_FALSE(Shown(f.MaxSecs));
        f.BrowseButton.Click();
        Enter(f, f.DelaySecs, "-1");
        ExpectRefusalThenEscape(f, f.DelaySecs, "Delay must be greater or equal to zero.");
    });
    EXPECT_EQ(d.ShowModal(), IDCANCEL);
    EXPECT_EQ(d.ProgPath.Text(), program);
    EXPECT_EQ(files.Shown()[0].DefaultExt, "EXE");
    EXPECT_EQ(files.Shown()[0].Filter,
              "Executable (*.EXE)|*.EXE|Help Files (*.HLP)|*.HLP|All Files (*.*)|*.*");

    d.FreshInsert = 0;
    d.DelaySecs.SetText("0");
    d.Params.SetText("/x");
    driver.Expect<TDoActive>([](TDoActive& f) {
        EXPECT_TRUE(f.ProgPath.Focused());  // shown for launching only
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<LAUNCHDEL:00" + std::string(shortPath) + "<PARAM>/x>");
    EXPECT_EQ(d.OptionCode, 2);
    EXPECT_EQ(d.RawPath, shortPath);
    EXPECT_EQ(d.RawParams, "/x");

    ExpectEditKeepsTheLine<TDoActive, ActiveInput>(
        d, "<LAUNCHYES2:0512Calc<LAUNCH:" + std::string(shortPath) + ">");
    DeleteFileA(program.c_str());
}

TEST_F(WindowDialogsTest, ActiveEditsAndCancels) {
    TDoActive d;
    ExpectEditKeepsTheLine<TDoActive, ActiveInput>(d, "<ACTIVATE:Calc>");
    ExpectEscapeCancels(d);
    // Made with the file check bypassed: the edit keeps the bypass.
    TDoActive bypassed;
    ExpectEditKeepsTheLine<TDoActive, ActiveInput>(bypassed, "<LAUNCHDEL:00notepad.exe>");
    EXPECT_TRUE(bypassed.Bypass.Checked());
}

TEST_F(WindowDialogsTest, SizeItLabelsItsBoxesByCommand) {
    TDoSizeIt d;
    driver.Expect<TDoSizeIt>([this](TDoSizeIt& f) {
        EXPECT_TRUE(f.ResizeWin.Checked() && f.ResizeWin.Focused());
        EXPECT_TRUE(f.Window.SpecificWin.Checked());
        EXPECT_EQ(f.TheWidth.MaxLength(), 4);
        f.PositionWin.Click();
        EXPECT_EQ(f.WidthLabel.Text(), "Left");
        EXPECT_EQ(f.HeightLabel.Text(), "Top");
        f.ResizeWin.Click();
        EXPECT_EQ(f.WidthLabel.Text(), "Width");
        f.Window.CurrentWin.Click();
        Enter(f, f.TheWidth, "9");
        Enter(f, f.TheHeight, "30");
        ExpectRefusalThenEscape(
            f, f.TheWidth,
            "Invalid width specified.  Width must be 10 or greater.  Please correct.");
    });
    d.ShowModal();

    d.FreshInsert = 0;
    d.TheWidth.SetText("640");
    d.TheHeight.SetText("480");
    driver.Expect<TDoSizeIt>([](TDoSizeIt& f) { PressKey(f, VK_RETURN); });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.CommandText, "<WSIZE:0640,0480\"CURRENT\">");
    EXPECT_EQ(d.WindowKind, 1);
    EXPECT_EQ(d.RawA, 640);

    ExpectEditKeepsTheLine<TDoSizeIt, SizeItInput>(d, "<WPOS2:-0005,00000Calc>");
    EXPECT_EQ(d.WidthLabel.Text(), "Left");
    ExpectEditKeepsTheLine<TDoSizeIt, SizeItInput>(d, "<WPOS:0010,0020Calc>");
    ExpectEscapeCancels(d);
}

TEST_F(WindowDialogsTest, SystemCommandNeedsATitleForASpecificWindow) {
    TDoSystemCommand d;
    driver.Expect<TDoSystemCommand>([this](TDoSystemCommand& f) {
        EXPECT_TRUE(f.DoMaximize.Checked() && f.DoMaximize.Focused());
        EXPECT_TRUE(f.Window.SpecificWin.Checked());
        f.DoHide.Click();
        ExpectRefusalThenEscape(f, f.Window.WinTitle, "No Window title specified.  Please correct");
    });
    d.ShowModal();
    EXPECT_EQ(d.OptionCode, 5);

    ExpectEditKeepsTheLine<TDoSystemCommand, SystemCommandInput>(d, "<WSHUT:\"CURRENT\">");
    EXPECT_TRUE(d.Window.CurrentWin.Checked());
    ExpectEditKeepsTheLine<TDoSystemCommand, SystemCommandInput>(d, "<WMIN:Notepad>");
    EXPECT_EQ(d.RawTitle, "Notepad");
    ExpectEscapeCancels(d);
}

TEST_F(WindowDialogsTest, HelpOpensEachDialogsKeyword) {
    orv::testing::RecordedHelp help;
    TDoActive active;
    TDoSizeIt sizeIt;
    TDoSystemCommand control;
    auto pressHelp = [](TCommandDialog& f, TButtonRow& row) {
        row.HelpButton.Click();
        f.Close(IDCANCEL);
    };
    driver.Expect<TDoActive>([&](TDoActive& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoSizeIt>([&](TDoSizeIt& f) { pressHelp(f, f.Buttons); });
    driver.Expect<TDoSystemCommand>([&](TDoSystemCommand& f) { pressHelp(f, f.Buttons); });
    for (TForm* f : std::initializer_list<TForm*>{&active, &sizeIt, &control}) f->ShowModal();
    EXPECT_EQ(help.Keywords, (std::vector<std::string>{"Activating Windows", "Size or Position",
                                                       "System Commands"}));
}

}  // namespace
}  // namespace orv::editor
