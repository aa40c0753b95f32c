// The sound, web, network, dial-up, media and device dialogs: their
// refusals, what their lists show, and the choices made on show.
#include <gtest/gtest.h>

#include "common/string_routines.h"
#include "editor/commands/device_commands.h"
#include "editor/commands/device_lists.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/media_commands.h"
#include "editor/commands/network_command.h"
#include "editor/commands/sound_web_commands.h"
#include "tests/editor/commands/fake_file_checks.h"
#include "tests/editor/commands/outcome_testing.h"

namespace orv::editor {
namespace {

using testing::ExpectRefused;

const std::string TooLong = "The command is longer than 255 characters.  Please correct.";

TEST(DeviceCommands, Refusals) {
    testing::FakeFileChecks files;
    ExpectRefused(ComposeSound({true, "C:\\none.wav"}, files), std::string(WaveMissingMessage),
                  SoundField::ProgPath);
    ExpectRefused(ComposeAvi({1, "C:\\none.avi"}, files),
                  "Specified AVI File does not exist.  Please correct.", AviField::ProgPath);

    NetConnInput net{NetMode::Connect, "F:", "  "};
    ExpectRefused(ComposeNetConn(net), "No network path has been entered.  Please correct.",
                  NetConnField::ProgPath);
    net.Drive = "";  // an empty drive list selects nothing
    ExpectRefused(ComposeNetConn(net), "No drive has been selected.  Please correct.",
                  NetConnField::DriveBox);
    // "W" scrambles to the ">" that would end the password.
    NetConnInput password{NetMode::Toggle, "F:", "\\\\s\\d", false, "me", "Wx"};
    ExpectRefused(ComposeNetConn(password),
                  "The password holds the character \"W\", which cannot be stored in a macro.  "
                  "Please choose another password.",
                  NetConnField::LogPass);
    ExpectRefused(ComposeDialup({true, "Office", "me", "W"}),
                  ComposeNetConn(password).Refused->Message, DialupField::Password);
    // A drive and a path of 254 characters would be cut where they are kept.
    ExpectRefused(ComposeNetConn({NetMode::Connect, "F:", std::string(254, 'p')}), TooLong,
                  NetConnField::ProgPath);

    ExpectRefused(ComposeDialup({true, std::nullopt}), std::string(NoEntryMessage),
                  DialupField::PhoneList);
    // An entry name cut to 255 would no longer name the entry.
    ExpectRefused(ComposeDialup({true, std::string(256, 'e')}), TooLong, DialupField::PhoneList);

    const std::string track = "Invalid track number specified.  Please correct.";
    const std::string seconds = "Invalid seconds specified.  Please correct.";
    ExpectRefused(ComposeCd({6, "0"}), track, CdField::Track);
    ExpectRefused(ComposeCd({6, "100"}), track, CdField::Track);
    ExpectRefused(ComposeCd({6, "x"}), track, CdField::Track);
    ExpectRefused(ComposeCd({7, ""}), seconds, CdField::Track);
    ExpectRefused(ComposeCd({8, "-1"}), seconds, CdField::Track);

    ExpectRefused(ComposeDefPrint({}), "No printer setting selected.", DefPrintField::SettingBox);
    ExpectRefused(ComposeScreen({}), "No display setting selected.", ScreenField::SettingBox);
    // Listed, but beyond what three digits write.
    ExpectRefused(ComposeScreen({1000}), "The number 1000 does not fit a field of 3 digits.",
                  ScreenField::SettingBox);
    EXPECT_EQ(ComposeScreen({999}).CommandText, "<SCREEN:999>");
}

TEST(DeviceCommands, RawValuesAndOptionCodes) {
    EXPECT_EQ(ComposeDialup({false}).OptionCode, 2);
    DialupOutcome dial = ComposeDialup({true, "Office", " me ", " abc "});
    EXPECT_EQ(dial.OptionCode, 1);
    EXPECT_EQ(dial.Raw.EntryName, "Office");
    EXPECT_EQ(dial.Raw.DialUser, "me");
    EXPECT_EQ(dial.Raw.DialPassword, ScrambleText("abc"));

    NetConnOutcome net =
        ComposeNetConn({NetMode::Toggle, "G:", "\\\\s\\d", false, "me", "abc", true, true, true});
    EXPECT_EQ(net.Raw.ConnMode, 3);
    EXPECT_EQ(net.Raw.RawResource, "G:\\\\s\\d");
    EXPECT_EQ(net.Raw.LogonPassword, ScrambleText("abc"));
    EXPECT_EQ(net.Raw.Permanent, 1);
    EXPECT_EQ(net.Raw.ForceDisconnect, 0);  // only a disconnection forces
    EXPECT_EQ(net.Raw.ShowStatus, 1);

    EXPECT_EQ(ComposeCd({6, "7"}).Raw.RawValue, 7);
    EXPECT_EQ(ComposeWeb({false, " www.x.com "}).Raw.Url, "http://www.x.com");
    EXPECT_EQ(ComposeWeb({false, "WWW.X.COM"}).CommandText, "<HTTP:http://WWW.X.COM>");
    EXPECT_EQ(ComposeWeb({true, "www.x.com"}).CommandText, "<FTP:www.x.com>");
}

TEST(DeviceCommands, AlarmSound) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\Alarm.wav", "C:\\ALARM.WAV");
    SettingsBlock settings;
    settings.UseWaveFile = true;
    settings.WaveFile = "C:\\gone.wav";
    // None turns it off without looking at the path.
    EXPECT_FALSE(ApplyAlarm({false, "C:\\gone.wav"}, files, settings));
    EXPECT_FALSE(settings.UseWaveFile);
    auto refused = ApplyAlarm({true, "C:\\gone.wav", true}, files, settings);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Message, WaveMissingMessage);
    EXPECT_FALSE(settings.UseWaveFile);
    EXPECT_FALSE(ApplyAlarm({true, " C:\\Alarm.wav ", true}, files, settings));
    EXPECT_TRUE(settings.UseWaveFile && settings.WaveFileWait);
    EXPECT_EQ(settings.WaveFile.str(), "C:\\Alarm.wav");
    SoundInput shown = AlarmInput(settings);
    EXPECT_TRUE(shown.WaveFile && shown.WaitFor);
    EXPECT_EQ(shown.Path, "C:\\Alarm.wav");
}

TEST(DeviceLists, DrivesAndNetworkPaths) {
    constexpr std::uint32_t c = 1u << 2, e = 1u << 4, z = 1u << 25;
    std::vector<std::string> drives = AvailableDrives(c | e | z, {{"E:", "\\\\srv\\e"}});
    std::vector<std::string> expected{"A:", "B:", "D:", "E:"};
    for (char letter = 'F'; letter <= 'Y'; ++letter) expected.push_back(std::string{letter, ':'});
    EXPECT_EQ(drives, expected);

    EXPECT_EQ(MappedLines({{"F:", "\\\\srv\\sh"}, {"", "\\\\srv\\x"}, {"G:", ""}}),
              (std::vector<std::string>{"F: mapped to \\\\srv\\sh"}));

    EXPECT_EQ(NetworkPathOf("\\\\srv\\sh\\sub\\deeper"), "\\\\srv\\sh");
    EXPECT_EQ(NetworkPathOf("\\\\srv\\sh"), "\\\\srv\\sh");
    EXPECT_EQ(NetworkPathOf("\\\\srv"), "\\\\srv");
    EXPECT_EQ(NetworkPathOf("C:\\x"), "C:\\x");

    EXPECT_EQ(InitialDriveRow({"A:", "B:", "D:"}, true, ""), 1);
    EXPECT_EQ(InitialDriveRow({"Z:"}, true, ""), 0);
    EXPECT_EQ(InitialDriveRow({}, true, ""), -1);
    EXPECT_EQ(InitialDriveRow({"A:", "B:", "F:"}, false, "f:"), 2);
    EXPECT_EQ(InitialDriveRow({"A:", "B:"}, false, "F:"), -1);
}

TEST(DeviceLists, DisplayRowsAndMixerReport) {
    EXPECT_EQ(DisplayModeRow({1024, 768, 32, 60}), "1024 x  768  4294967296 Colors  60 hertz");
    EXPECT_EQ(DisplayModeRow({640, 480, 8, 0}), " 640 x  480  256 Colors  0 hertz");
    EXPECT_EQ(InitialModeRow(3, true, 2), 0);
    EXPECT_EQ(InitialModeRow(3, false, 2), 2);
    EXPECT_EQ(InitialModeRow(3, false, 3), -1);
    EXPECT_EQ(InitialModeRow(0, true, 0), -1);

    MixerAnswers answers{false, true, false, true, true, false};
    EXPECT_EQ(MixerReport(answers),
              "Audio Volume and Balance Control Supported.\n\r"
              "Audio Mute Supported.\n\r"
              "Audio Treble Supported.\n\r"
              "Audio Bass NOT Supported.\n\r"
              "MIDI Volume and Balance Control NOT Supported.\n\r"
              "MIDI Mute NOT Supported.\n\r");
}

TEST(DeviceLists, PhoneBookChoices) {
    std::vector<std::string> entries{"Office", "Home"};
    EXPECT_EQ(InitialEntryRow(entries, true, "Home"), 0);
    EXPECT_EQ(InitialEntryRow(entries, false, "home"), 1);
    EXPECT_EQ(InitialEntryRow(entries, false, "Gone"), -1);  // the line's entry was removed
    EXPECT_EQ(InitialEntryRow({}, true, ""), -1);

    std::string user = "typed", password = "kept";
    TakeDialParams(std::nullopt, user, password);  // a failed retrieval changes nothing
    EXPECT_EQ(user + password, "typedkept");
    TakeDialParams(DialParams{"me", std::nullopt}, user, password);
    EXPECT_EQ(user + password, "mekept");
    TakeDialParams(DialParams{"you", "secret"}, user, password);
    EXPECT_EQ(user + password, "yousecret");
}

TEST(DeviceLayouts, PanelsFollowTheChoice) {
    NetConnLayout connect = NetConnLayoutFor(NetMode::Connect, true);
    EXPECT_TRUE(connect.ShowPath && !connect.ShowForce && !connect.LogonEnabled);
    EXPECT_TRUE(NetConnLayoutFor(NetMode::Toggle, false).LogonEnabled);
    NetConnLayout disconnect = NetConnLayoutFor(NetMode::Disconnect, false);
    EXPECT_TRUE(!disconnect.ShowPath && disconnect.ShowForce);
    EXPECT_EQ(disconnect.ConnectLabel, "Disconnect");

    EXPECT_EQ(DialupLayoutFor(true).ClientHeight, 294);
    EXPECT_EQ(DialupLayoutFor(false).ButtonsTop, 80);
    EXPECT_EQ(CdLayoutFor(6).Label, "Track Number");
    EXPECT_EQ(CdLayoutFor(8).Label, "Seconds");
    EXPECT_FALSE(CdLayoutFor(9).ShowNumber);
    EXPECT_EQ(WebLayoutFor(true).Start, "ftp://");
    EXPECT_EQ(WebLayoutFor(false).Caption, "Internet Web Site");
}

}  // namespace
}  // namespace orv::editor
