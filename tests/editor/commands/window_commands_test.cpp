#include "editor/commands/window_commands.h"

#include <gtest/gtest.h>

#include "tests/editor/commands/fake_file_checks.h"
#include "tests/editor/commands/outcome_testing.h"

namespace orv::editor {
namespace {

using testing::ExpectRefused;

TEST(SizeItTest, RefusesInTheOrderOfTheBoxes) {
    const std::string width =
        "Invalid width specified.  Width must be 10 or greater.  Please correct.";
    const std::string height =
        "Invalid height specified.  Height must be 30 or greater.  Please correct.";
    auto size = [](const char* w, const char* h, bool current = false) {
        return ComposeSizeIt({{current, "Calc"}, true, w, h});
    };
    ExpectRefused(size("9", "30"), width, SizeItField::TheWidth);
    ExpectRefused(size("10", "29"), height, SizeItField::TheHeight);
    ExpectRefused(size("x", "x"), width, SizeItField::TheWidth);
    EXPECT_EQ(size("10", "30").CommandText, "<WSIZE:0010,0030Calc>");
    ExpectRefused(ComposeSizeIt({{false, "  "}, true, "10", "30"}),
                  "No Window title specified.  Please correct", SizeItField::WinTitle);

    auto place = [](const char* left, const char* top) {
        return ComposeSizeIt({{false, "Calc"}, false, left, top});
    };
    ExpectRefused(place("", "0"), "Invalid left position specified.  Please correct.",
                  SizeItField::TheWidth);
    ExpectRefused(place("-5", "-1"), "Invalid top position specified.  Please correct.",
                  SizeItField::TheHeight);

    // The current window: the typed title is kept aside, the token names the
    // foreground window.
    SizeItOutcome current = ComposeSizeIt({{true, " Calc "}, false, "-12", "7"});
    EXPECT_EQ(current.CommandText, "<WPOS2:-0012,00007\"CURRENT\">");
    EXPECT_EQ(current.Raw.RawTitle, "Calc");
    EXPECT_EQ(current.Raw.WindowKind, 1);
    EXPECT_EQ(current.OptionCode, 2);
    EXPECT_EQ(SizeItLabelsFor(false).First, "Left");
}

TEST(ActiveTest, ChecksWhatItsChoiceUses) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\Tools\\Calc.exe", "C:\\TOOLS\\CALC.EXE");
    auto active = [&](ActiveChoice choice, const char* title, const char* path, const char* delay,
                      const char* wait, bool bypass = false, std::string params = "") {
        return ComposeActive({choice, title, path, params, delay, wait, bypass}, files);
    };
    ExpectRefused(active(ActiveChoice::ActivateOrLaunch, "", "x", "", ""),
                  "No entry made for Window Title.  Please correct.", ActiveField::WinTitle);
    ExpectRefused(active(ActiveChoice::LaunchOnly, "", "C:\\none.exe", "0", ""),
                  "Specified Path and Program does not exist.  Please correct.",
                  ActiveField::ProgPath);
    ExpectRefused(active(ActiveChoice::LaunchOnly, "", "C:\\Tools\\Calc.exe", "-1", ""),
                  "Delay must be greater or equal to zero.", ActiveField::DelaySecs);
    ExpectRefused(active(ActiveChoice::LaunchAndActivate, "Calc", "C:\\Tools\\Calc.exe", "0", "-1"),
                  "Seconds must be greater or equal to zero.", ActiveField::MaxSecs);
    // Activating checks nothing of the program, launching nothing of the title.
    EXPECT_EQ(active(ActiveChoice::ActivateOnly, "Calc", "", "x", "x").CommandText,
              "<ACTIVATE:Calc>");
    ActiveOutcome launch = active(ActiveChoice::LaunchOnly, "", "C:\\Tools\\Calc.exe", "0", "x");
    EXPECT_EQ(launch.CommandText, "<LAUNCHDEL:00C:\\TOOLS\\CALC.EXE>");
    EXPECT_EQ(launch.Raw.RawPath, "C:\\TOOLS\\CALC.EXE");

    // A bypassed path stands as typed; with its parameters it must still fit
    // 255 characters.
    std::string path = "D:\\" + std::string(197, 'p');
    ActiveOutcome bypassed =
        active(ActiveChoice::LaunchOnly, "", path.c_str(), "1", "", true, std::string(30, 'a'));
    EXPECT_EQ(bypassed.CommandText,
              "<LAUNCHDEL:01" + path + "<PARAM>" + std::string(30, 'a') + ">");
    ExpectRefused(
        active(ActiveChoice::LaunchOnly, "", path.c_str(), "1", "", true, std::string(60, 'a')),
        "The command is longer than 255 characters.  Please correct.", ActiveField::ProgPath);

    EXPECT_FALSE(ActiveLayoutFor(ActiveChoice::LaunchOnly).ShowMaxWait);
    EXPECT_FALSE(ActiveLayoutFor(ActiveChoice::ActivateOnly).ShowProgram);
    // A new launch needs no delay typed.
    EXPECT_EQ(ComposeActive(ActiveInput{ActiveChoice::LaunchOnly, "", "C:\\Tools\\Calc.exe"}, files)
                  .CommandText,
              "<LAUNCHDEL:00C:\\TOOLS\\CALC.EXE>");
}

TEST(ActiveTest, AnEditedLaunchOfAMissingFileWasBypassed) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\Tools\\Calc.exe", "C:\\TOOLS\\CALC.EXE");
    struct Row {
        ActiveChoice Choice;
        const char* Path;
        bool Bypassed;
    } rows[] = {
        {ActiveChoice::LaunchOnly, "notepad.exe", true},
        {ActiveChoice::ActivateOrLaunch, "C:\\none.exe", true},
        {ActiveChoice::LaunchOnly, "C:\\TOOLS\\CALC.EXE", false},
        {ActiveChoice::LaunchAndActivate, " C:\\Tools\\Calc.exe ", false},
        {ActiveChoice::ActivateOnly, "", false},  // no program to check
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Path);
        ActiveInput input{row.Choice, "Calc", row.Path};
        EXPECT_EQ(LaunchWasBypassed(input, files), row.Bypassed);
        input.Bypass = row.Bypassed;
        EXPECT_FALSE(ComposeActive(input, files).Refused);
    }
}

TEST(SystemCommandTest, ACommandPerButtonOnANamedWindow) {
    SystemCommandOutcome hide = ComposeSystemCommand({WindowControl::Hide, {false, "Calc"}});
    EXPECT_EQ(hide.CommandText, "<WHIDE:Calc>");
    EXPECT_EQ(hide.OptionCode, 5);
    ExpectRefused(ComposeSystemCommand({WindowControl::Close, {false, ""}}),
                  "No Window title specified.  Please correct", SystemCommandField::WinTitle);
}

}  // namespace
}  // namespace orv::editor
