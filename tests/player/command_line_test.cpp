#include "player/command_line.h"

#include <gtest/gtest.h>

namespace orv::player {
namespace {

TEST(CommandLine, ParametersAreSplitAtBlanksWithQuotesGrouping) {
    EXPECT_EQ(SplitParams("\"C:\\Program Files\\Tavrol.exe\" /F\"C:\\My Lib.ORN\"  /EN"),
              (std::vector<std::string>{"/FC:\\My Lib.ORN", "/EN"}));
    EXPECT_EQ(SplitParams("Tavrol.exe"), std::vector<std::string>{});
    EXPECT_EQ(SplitParams("Tavrol.exe \"\" /H"), (std::vector<std::string>{"", "/H"}));
}

TEST(CommandLine, SettingsSwitchesChangeOnlyTheirSetting) {
    SettingsBlock s;
    s.AutoSync = false;
    s.UseTray = false;
    EXPECT_EQ(ProcessParam("/s", s).What, ParamEffect::None);
    EXPECT_TRUE(s.AutoSync);
    ProcessParam("/t", s);
    EXPECT_TRUE(s.UseTray);
    ProcessParam("/Hide", s);
    EXPECT_FALSE(s.UseTray);
    ProcessParam("/en", s);
    EXPECT_FALSE(s.StartEditor);
    ProcessParam("/EY", s);
    EXPECT_TRUE(s.StartEditor);
    EXPECT_EQ(ProcessParam("/N", s).What, ParamEffect::Network);
    EXPECT_TRUE(s.NetworkMode);
    EXPECT_EQ(ProcessParam("/Q", s).What, ParamEffect::None);
}

TEST(CommandLine, SyncMinutesTakeOnlyOneToNinetyEight) {
    SettingsBlock s;
    s.SyncMinutes = 10;
    for (const char* refused : {"/SM99", "/SM0", "/SM", "/SM-5", "/SM5x", "/SM99999999999"}) {
        ProcessParam(refused, s);
        EXPECT_EQ(s.SyncMinutes, 10) << refused;
    }
    ProcessParam("/sm98", s);
    EXPECT_EQ(s.SyncMinutes, 98);
    ProcessParam("/SM1", s);
    EXPECT_EQ(s.SyncMinutes, 1);
}

TEST(CommandLine, BrowseFileAndStartUpSwitchesAreReportedToThePlayer) {
    SettingsBlock s;
    EXPECT_EQ(ProcessParam("/ba", s).What, ParamEffect::Browse);
    EXPECT_EQ(ProcessParam("/BAD", s).What, ParamEffect::None);
    EXPECT_EQ(ProcessParam("/fC:\\Lib\\Mine.orn", s).What, ParamEffect::None);
    // The names keep their case.
    EXPECT_EQ(CommandLineFiles({"/fC:\\Lib\\Mine.orn", "/ba", "/FD:\\Other.ORN"}),
              (std::vector<std::string>{"C:\\Lib\\Mine.orn", "D:\\Other.ORN"}));
    const ParamEffect start = ProcessParam("/aGreet", s);
    EXPECT_EQ(start.What, ParamEffect::Startup);
    EXPECT_EQ(start.Text, "GREET");
}

TEST(CommandLine, TheTraySwitchOfTheProgramBodyIsCaseSensitive) {
    EXPECT_TRUE(HasTraySwitch({"/EN", "/S"}));
    EXPECT_FALSE(HasTraySwitch({"/s", "/SM5"}));
}

TEST(CommandLine, TheNicknameRunsFromAfterTheFirstSlashAToTheNextSlash) {
    EXPECT_EQ(StartupNickname("Tavrol.exe /A my macro /N"), "MY MACRO");
    EXPECT_EQ(StartupNickname("Tavrol.exe /EN /a  Spaced Out  "), "SPACED OUT");
    EXPECT_EQ(StartupNickname("Tavrol.exe /EN"), "");
    EXPECT_EQ(StartupNickname("Tavrol.exe /A" + std::string(60, 'x')), std::string(50, 'X'));
    // What a shortcut writes: the quotes group the name and are not part of it.
    EXPECT_EQ(StartupNickname("\"C:\\Program Files\\Tavrol.exe\" \"/AMy Macro\""), "MY MACRO");
    EXPECT_EQ(StartupNickname("Tavrol.exe /A\"My Macro\" /EN"), "MY MACRO");
    // A program path with forward slashes names nothing.
    EXPECT_EQ(StartupNickname("C:/Apps/Tavrol.exe /EN"), "");
}

std::optional<HandOverRequest> HandOver(HandOverBuffer& buffer, const std::string& line) {
    for (char c : line) EXPECT_TRUE(buffer.Add(static_cast<unsigned char>(c)));
    EXPECT_FALSE(buffer.Add(0));
    return buffer.Take();
}

TEST(CommandLine, AHandOverArrivesWholeAndLeavesNothingBehind) {
    HandOverBuffer buffer;
    // Beyond 255 characters the nickname still arrives.
    EXPECT_EQ(HandOver(buffer, "\"C:\\" + std::string(300, 'd') + "\\Tavrol.exe\" /A Long One /N"),
              (HandOverRequest{false, "LONG ONE"}));
    // A start without "/A" names nothing, and its text is gone afterwards.
    EXPECT_EQ(HandOver(buffer, "Tavrol.exe /EN"), (HandOverRequest{false, ""}));
    EXPECT_EQ(HandOver(buffer, "Tavrol.exe \"/AMy Other\""), (HandOverRequest{false, "MY OTHER"}));
}

// A double click on the program or its shortcut hands over the program alone:
// the user wants the editor back, as do blank parameters. Any switch keeps the hand-over as it was.
TEST(CommandLine, AStartWithoutParametersAsksForTheEditor) {
    HandOverBuffer buffer;
    for (const std::string line :
         {"Tavrol.exe", "\"C:\\Program Files\\Orvane\\Tavrol.exe\" ", "C:\\Orvane\\TAVROL.EXE\t",
          // A shortcut's empty or blank arguments carry nothing either.
          "Tavrol.exe \"\"", "Tavrol.exe \" \"", "Tavrol.exe \"\" \"\t\""})
        EXPECT_EQ(HandOver(buffer, line), (HandOverRequest{true, ""})) << line;
    for (const std::string line : {"Tavrol.exe /EN", "Tavrol.exe \"\" /EN", "Tavrol.exe /AMacro"})
        EXPECT_FALSE(HandOver(buffer, line)->OpenEditor) << line;
}

TEST(CommandLine, AHandOverBeyondTheBoundIsDroppedWholeAndTheNextArrives) {
    HandOverBuffer buffer;
    const std::string flood = "Tavrol.exe /AFlood" + std::string(HandOverBuffer::MaxLength, 'x');
    for (char c : flood) EXPECT_TRUE(buffer.Add(static_cast<unsigned char>(c)));
    EXPECT_EQ(buffer.Take(), std::nullopt);
    EXPECT_EQ(HandOver(buffer, "Tavrol.exe /AOther"), (HandOverRequest{false, "OTHER"}));
}

}  // namespace
}  // namespace orv::player
