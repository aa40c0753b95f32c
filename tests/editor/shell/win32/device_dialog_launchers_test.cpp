// The main window's alarm sound, through the dialogs the program installs.
#include <gtest/gtest.h>

#include <fstream>

#include "common/notices.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/shell/win32/editor_dialogs.h"
#include "tests/editor/shell/win32/main_window_fixture.h"

namespace orv::editor {
namespace {

using testing::PressKey;

using DeviceDialogLaunchersTest = testing::MainWindowFixture;

TEST_F(DeviceDialogLaunchersTest, AlarmMenuWritesTheSchedulerSection) {
    TMainWin& w = Open();
    InstallEditorDialogs(w, context);
    orv::testing::ModalDriver driver;
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

}  // namespace
}  // namespace orv::editor
