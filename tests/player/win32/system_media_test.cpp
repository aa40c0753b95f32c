// The system and sound commands against what Wine really answers: no
// network, a dial-up library that dials nothing, the display's modes, the
// desktop's registry values, the shell object, and the mixer where the
// prefix has a sound device.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <fstream>

#include "common/win32/ras_api.h"
#include "common/win32/winmm_mixer_driver.h"
#include "common/win32/registry.h"
#include "player/win32/mci_cd_device.h"
#include "player/win32/win32_dial_up.h"
#include "player/win32/win32_media.h"
#include "player/win32/win32_player_host.h"
#include "player/win32/win32_system.h"
#include "tests/support/scratch_folder.h"

namespace orv::player {
namespace {

using orv::testing::ScratchFolder;

TEST(SystemWin32Test, WithoutANetworkMappingIsRefusedAndNothingIsConnected) {
    Win32Network network;
    const std::uint32_t result = network.AddConnection("F:", "\\\\srv\\x", "u", "p", false);
    EXPECT_EQ(SystemText::MapResult(result), "Map Failed.  No network exists.");
    // The user's own name and password go as null pointers.
    EXPECT_EQ(network.AddConnection("F:", "\\\\srv\\x", std::nullopt, std::nullopt, false), result);
    EXPECT_TRUE(network.ConnectedDrives().empty());
}

TEST(SystemWin32Test, DialUpLibrary) {
    const RasApi missing("orvane-no-such-ras.dll");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_EQ(missing.Dial, nullptr);
    EXPECT_TRUE(missing.EnumEntries().empty());

    // Wine's library loads, lists no entries and dials nothing.
    const RasApi& ras = LoadRasApi();
    ASSERT_TRUE(ras.Loaded());
    EXPECT_EQ(&ras, &LoadRasApi());
    EXPECT_TRUE(ras.EnumEntries().empty());

    ScratchFolder folder("ras");
    std::ofstream(folder.Path() + "\\OVRAS.INI") << "[RAS Errors]\r\n623=No phone book entry.\r\n";
    Win32DialUp dialUp(ras, folder.Path());
    ASSERT_TRUE(dialUp.Loaded());
    const std::uint32_t error = dialUp.Dial("Office", "me", "pw");
    EXPECT_NE(error, 0u);
    EXPECT_EQ(dialUp.ErrorText(623), "No phone book entry.");
    EXPECT_EQ(dialUp.ErrorText(1), "");
    const auto connections = dialUp.Connections();
    if (connections) {
        EXPECT_TRUE(connections->empty());
    }
}

TEST(SystemWin32Test, DisplayModeBeyondTheLastDoesNotExist) {
    Win32Display display;
    EXPECT_FALSE(display.ChangeMode(100000, true).has_value());
    DEVMODEA first{};
    first.dmSize = sizeof first;
    if (EnumDisplaySettingsA(nullptr, 0, &first)) {
        EXPECT_TRUE(display.ChangeMode(0, true).has_value());
    }
}

TEST(SystemWin32Test, WallpaperValuesAndFile) {
    ScratchFolder folder("wallpaper");
    const std::string file = folder.Path() + "\\paper.bmp";
    {
        // A 1 x 1 bitmap.
        const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0,   0, 0,  40,
                                     0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1,   0, 24, 0,
                                     0,   0,   0,  0, 4, 0, 0, 0, 0, 0, 0,  0,   0, 0,  0,
                                     0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  255, 0, 0,  0};
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    }
    Win32Desktop desktop;
    desktop.WriteDesktopValue("WallpaperOriginX", "120");
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "WallpaperOriginX"),
              "120");
    desktop.ApplyWallpaper(file);
    char current[MAX_PATH] = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof current, current, 0));
    EXPECT_STRCASEEQ(current, file.c_str());
    desktop.ApplyWallpaper("");
}

TEST(SystemWin32Test, ShellObjectAnswersOrIsTold) {
    Win32Shell shell;
    const ShellHost::Result result = shell.Call(4);  // minimize all
    if (result.Error != 0) {
        EXPECT_FALSE(result.Text.empty());
    }
    EXPECT_EQ(shell.Call(3).Error, 0);  // not a shell command: nothing called
}

TEST(SystemWin32Test, AnUnknownPrivilegeIsNotAdjusted) {
    EXPECT_FALSE(AdjustPrivilege("OrvaneNoSuchPrivilege", true));
}

TEST(MediaWin32Test, ACdCommandWithoutADiscFailsWithTheDevicesText) {
    MciCdDevice cd;
    std::uint32_t error = cd.Open();
    if (error == 0)
        error = cd.Do(CdDevice::Action::Play);
    EXPECT_NE(error, 0u);
    EXPECT_FALSE(cd.ErrorText(error).empty());
}

// The prefix's sound device, when it has one: the commands move its master
// volume and mute for real.
TEST(MixerWin32Test, VolumeAndMuteOnTheRealMixer) {
    if (mixerGetNumDevs() == 0)
        GTEST_SKIP() << "no mixer in this prefix";
    Win32Media media;
    TMidiMixer& mixer = media.OpenMixer();
    EXPECT_EQ(&mixer, &media.OpenMixer());
    const int master = static_cast<int>(TMixerControlType::MasterVolume);
    const int mute = static_cast<int>(TMixerControlType::MasterMute);
    if (!mixer.ControlAvailable(master))
        GTEST_SKIP() << "no master volume";
    Win32PlayerHost player;
    std::vector<std::string> notices;
    player.OnMessage = [&](std::string_view caption, std::string_view text) {
        notices.push_back(std::string(caption) + ": " + std::string(text));
    };
    MultimediaCommands commands{media};
    // What a second mixer reads is what the system holds.
    const auto real = [](int slot) {
        WinmmMixerDriver driver;
        TMidiMixer fresh{driver};
        fresh.SetMidiDeviceID(-2);
        return fresh.GetChannelValue(slot, 0);
    };
    const std::int32_t low = mixer.GetMinimum(master);
    const std::int32_t step = VolumeStep(low, mixer.GetMaximum(master));
    commands.SetVolume(player, VolumeKind::Off, true);
    commands.SetVolume(player, VolumeKind::Up, true);
    EXPECT_EQ(real(master), low + step);
    if (mixer.ControlAvailable(mute)) {
        commands.ToggleMute(player, true);
        EXPECT_EQ(real(mute), mixer.GetMaximum(mute));
        commands.ToggleMute(player, true);
        EXPECT_EQ(real(mute), mixer.GetMinimum(mute));
    }
    if (!mixer.ControlAvailable(static_cast<int>(TMixerControlType::Treble))) {
        commands.SetToneControl(player, true, true);
        EXPECT_EQ(notices.back(),
                  "Macro Error: Treble volume control is not supported by your Audio Device.");
    }
}

}  // namespace
}  // namespace orv::player
