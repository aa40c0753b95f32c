#include "editor/commands/win32/network_considerations.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "common/settings_store.h"
#include "common/side_files.h"
#include "common/sync_record.h"
#include "common/win32/system_routines.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using testing::PressKey;

struct RecordingHost final : NetworkLockHost {
    void ReloadShared() override {}
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool on) override { syncTimer.push_back(on); }
    std::vector<bool> syncTimer;
};

struct RecordingNotices final : ProgramNotices {
    void Post(int code, int argument) override { posted.emplace_back(code, argument); }
    std::vector<std::pair<int, int>> posted;
};

class NetworkConsiderationsTest : public ::testing::Test {
  protected:
    NetworkConsiderationsTest() {
        settings.MacroFiles[0] = library;
        DeleteFileA(SyncFileName(library).c_str());
    }
    ~NetworkConsiderationsTest() override { DeleteFileA(SyncFileName(library).c_str()); }

    std::string library = ProgramDir() + "\\NETTEST.ORN";
    SettingsBlock settings;
    MemorySettingsStore store;
    Configs configs{store, settings, ProgramDir()};
    PlainSyncFileAccess files;
    RecordingHost host;
    RecordingNotices player;
    NetworkLock lock{LibraryOwner::Editor, settings, files, host, player};
    TNetworkConsiderations dialog{settings, configs, lock, player};
    ModalDriver driver;
};

TEST_F(NetworkConsiderationsTest, ShowsTheSettingsAndEnablesSyncOnlyWithLocking) {
    settings.NetworkMode = false;
    settings.AutoSync = true;
    settings.SyncMinutes = 7;
    driver.Expect<TNetworkConsiderations>([](TNetworkConsiderations& f) {
        EXPECT_FALSE(f.NetworkOption.Checked());
        EXPECT_TRUE(f.AutoSync.Checked());
        EXPECT_EQ(f.Minutes.Text(), "7");
        EXPECT_EQ(f.Minutes.MaxLength(), 2);
        EXPECT_FALSE(IsWindowEnabled(f.AutoSync.Handle()));
        EXPECT_FALSE(IsWindowEnabled(f.Minutes.Handle()));
        f.NetworkOption.Click();
        EXPECT_TRUE(IsWindowEnabled(f.AutoSync.Handle()));
        EXPECT_TRUE(IsWindowEnabled(f.Minutes.Handle()));
        f.NetworkOption.Click();
        EXPECT_FALSE(IsWindowEnabled(f.Minutes.Handle()));
        f.NetworkOption.Click();
        f.Minutes.SetText(" 12 ");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(dialog.ShowModal(), IDOK);
    EXPECT_TRUE(settings.NetworkMode);
    EXPECT_TRUE(settings.AutoSync);
    EXPECT_EQ(settings.SyncMinutes, 12);
    // Switching locking on sets the lock up on the library's sync file.
    EXPECT_EQ(lock.SyncName(), SyncFileName(library));
    EXPECT_EQ(GetFileAttributesA(SyncFileName(library).c_str()) != INVALID_FILE_ATTRIBUTES, true);
    EXPECT_EQ(host.syncTimer, std::vector<bool>{true});
    // The section written holds the new choices; the player is told to read it.
    EXPECT_EQ(store.Raw("Network", "Network Mode"), "Yes");
    EXPECT_EQ(store.Raw("Network", "Sync Minutes"), "12");
    EXPECT_EQ(player.posted, (std::vector<std::pair<int, int>>{{12, 0}}));
}

TEST_F(NetworkConsiderationsTest, ZeroMinutesSwitchAutomaticSyncOff) {
    settings.NetworkMode = true;
    driver.Expect<TNetworkConsiderations>([](TNetworkConsiderations& f) {
        f.Minutes.SetText("x");
        f.OKButton.Click();
    });
    dialog.ShowModal();
    EXPECT_EQ(settings.SyncMinutes, 0);
    EXPECT_FALSE(settings.AutoSync);
    EXPECT_EQ(host.syncTimer, std::vector<bool>{false});
}

TEST_F(NetworkConsiderationsTest, EscapeIsTheOkButtonAndTheCloseBoxChangesNothing) {
    driver.Expect<TNetworkConsiderations>([](TNetworkConsiderations& f) {
        f.NetworkOption.Click();
        PressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(dialog.ShowModal(), IDOK);
    EXPECT_TRUE(settings.NetworkMode);
    EXPECT_EQ(player.posted.size(), 1u);

    driver.Expect<TNetworkConsiderations>([](TNetworkConsiderations& f) {
        f.NetworkOption.Click();
        SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
    });
    const std::vector<bool> timers = host.syncTimer;
    EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
    EXPECT_TRUE(settings.NetworkMode) << "the settings in use agree with the file";
    EXPECT_EQ(host.syncTimer, timers) << "the lock follows no choice";
    EXPECT_EQ(player.posted.size(), 1u);  // only OK writes and tells
    EXPECT_EQ(store.Raw("Network", "Network Mode"), "Yes");

    // A section the settings file refuses is said, and the player not told.
    store.ReadOnly = true;
    orv::testing::ScriptedMessageBoxes boxes;
    boxes.Expect(SettingsNotSavedMessage, MsgResult::Ok, "Error");
    driver.Expect<TNetworkConsiderations>([](TNetworkConsiderations& f) { f.OKButton.Click(); });
    dialog.ShowModal();
    EXPECT_EQ(player.posted.size(), 1u);
}

}  // namespace
}  // namespace orv::editor
