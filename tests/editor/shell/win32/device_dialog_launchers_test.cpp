// The main window's alarm sound and the devices it lends the command
// dialogs, through the dialogs the program installs.
#include "editor/shell/win32/device_dialog_launchers.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/notices.h"
#include "common/win32/ras_api.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv {
namespace {

using testing::PressKey;

using DeviceDialogLaunchersTest = testing::MainWindowFixture;

TEST_F(DeviceDialogLaunchersTest, AlarmMenuWritesTheSchedulerSection) {
    TMainWin& w = Open();
    InstallEditorDialogs(w, context);
    testing::ModalDriver driver;
    std::string wave = folder / "alarm.wav";
    std::ofstream(wave) << "RIFF";

    driver.Expect<TDoSound>([](TDoSound& f) { PressKey(f, VK_ESCAPE); });
    w.MenuAlarm.Click();
    EXPECT_FALSE(store.Has("Scheduler", "Wave File"));
    EXPECT_TRUE(player.posted.empty());

    driver.Expect<TDoSound>([&](TDoSound& f) {
        EXPECT_EQ(f.Caption(), "Scheduler Alarm");
        f.WaveFile.Click();
        f.WaitFor.Click();
        f.ProgPath.SetText(wave);
        PressKey(f, VK_RETURN);
    });
    w.MenuAlarm.Click();
    EXPECT_EQ(store.Raw("Scheduler", "Use Wave File"), "Yes");
    EXPECT_EQ(store.Raw("Scheduler", "Wave File Wait"), "Yes");
    EXPECT_EQ(store.Raw("Scheduler", "Wave File"), wave);
    EXPECT_EQ(player.posted, (testing::Posts{{NoticeCode::SchedulerSettingsChanged, 0}}));
}

TEST_F(DeviceDialogLaunchersTest, CommandDialogsAskTheMainWindowsDevices) {
    TMainWin& w = Open();
    CommandContext commands{settings};
    ConnectDevices(commands, w);
    EXPECT_EQ(commands.RasLoaded, RasLoaded());
    // The mixer is made once, whatever the prefix's sound device offers.
    MixerAnswers answers = commands.MixerCapabilities();
    EXPECT_EQ(answers, MixerAnswersOf(w.OpenMixer()));
    EXPECT_EQ(&w.OpenMixer(), &w.OpenMixer());
}

}  // namespace
}  // namespace orv
