// Two machines on one shared library, each a Wine prefix of its own (its own
// wineserver, registry and settings): tests/e2e/two_machines_test.sh runs the
// other machine's part in a second prefix while this machine's editor waits.
// Run alone (no role in the environment) both parts skip.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/network_lock.h"
#include "common/win32/sync_file_access.h"
#include "editor/shell/win32/editor_menu_ids.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

struct QuietHost final : NetworkLockHost {
    void ReloadShared() override {}
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool) override {}
};

struct NoNotices final : ProgramNotices {
    void Post(int, int) override {}
};

// The role given by the script, with the shared library's name.
const char* Role(const char* variable) {
    const char* library = std::getenv("ORVANE_SHARED_LIBRARY");
    return std::getenv(variable) && library ? library : nullptr;
}

std::string Marker(const std::string& name) {
    return std::string(std::getenv("ORVANE_SHARED_FOLDER")) + "\\" + name;
}

std::string Bytes(const std::vector<MacroRecord>& records) {
    std::string bytes;
    for (const MacroRecord& r : records) {
        std::array<std::uint8_t, MacroRecord::Size> image;
        r.Encode(image);
        bytes.append(image.begin(), image.end());
    }
    return bytes;
}

std::uint16_t Key(const char* name) {
    return static_cast<std::uint16_t>(HotKeyNamed(name));
}

const std::vector<MacroRecord>& Shared() {
    static const std::vector<MacroRecord> records = {
        Macro("ALPHA", Key("Ctrl+A"), MacroKind::Global, "a"),
        Macro("BRAVO", Key("Ctrl+B"), MacroKind::Global, "b"),
        Macro("CHARLIE", Key("Ctrl+C"), MacroKind::Global, "c"),
    };
    return records;
}

// This machine's settings in network mode for the test's life; the other
// end-to-end tests share the prefix. The shared library's folder is removed
// afterwards, and a player that starts on a remembered library it cannot
// create stops at the error: the remembered one is put back too.
struct NetworkModeOn {
    NetworkModeOn() {
        GetPrivateProfileStringA("Misc", "Current File", "", remembered.data(),
                                 static_cast<DWORD>(remembered.size()), "ORVAN.INI");
        WritePrivateProfileStringA("Network", "Network Mode", "Yes", "ORVAN.INI");
        WritePrivateProfileStringA("Network", "Auto Sync", "No", "ORVAN.INI");
    }
    ~NetworkModeOn() {
        WritePrivateProfileStringA("Network", "Network Mode", "No", "ORVAN.INI");
        WritePrivateProfileStringA("Network", "Auto Sync", "Yes", "ORVAN.INI");
        WritePrivateProfileStringA("Misc", "Current File", remembered.data(), "ORVAN.INI");
    }
    std::array<char, MAX_PATH> remembered{};
};

// Machine A removes ALPHA under the lock and counts it, takes the lock again
// and dies holding it.
TEST(TwoMachines, TheOtherMachineChangesTheLibraryAndDiesHoldingTheLock) {
    const char* library = Role("ORVANE_MACHINE_A");
    if (!library)
        GTEST_SKIP() << "the other machine's part of tests/e2e/two_machines_test.sh";
    SettingsBlock settings;
    settings.NetworkMode = true;
    settings.MacroFiles[0] = library;
    ExclusiveSyncFileAccess files;
    QuietHost host;
    NoNotices notices;
    NetworkLock lock(LibraryOwner::Player, settings, files, host, notices);
    lock.SetUp();
    ASSERT_FALSE(lock.FileInUse());
    const std::optional<std::string> before = ReadWholeFile(library);
    ASSERT_TRUE(before && before->size() > MacroRecord::Size);
    ASSERT_TRUE(ReplaceFileContents(library, before->substr(MacroRecord::Size)));
    ASSERT_TRUE(lock.ReleaseSyncFile(1));
    ASSERT_FALSE(lock.FileInUse());
    TerminateProcess(GetCurrentProcess(), 0);
}

// Machine B's editor shows the list from before A's removal; BRAVO is chosen
// and activated. The dead lock is taken over a minute later: the library is
// reloaded, nothing is disabled (CHARLIE now stands at BRAVO's old number),
// and BRAVO chosen again from the list as it is now is the one deactivated.
TEST(TwoMachines, ATakeOverAfterTheOtherMachinesChangeActsOnNoMacroChosenBefore) {
    const char* library = Role("ORVANE_MACHINE_B");
    if (!library)
        GTEST_SKIP() << "this machine's part of tests/e2e/two_machines_test.sh";
    std::vector<MacroRecord> records = Shared();
    for (MacroRecord& r : records) r.Enabled = 1;
    ASSERT_TRUE(ReplaceFileContents(library, Bytes(records)));
    NetworkModeOn networkMode;
    Player player;
    const HWND editor = player.StartWithEditor(library);
    ASSERT_NE(editor, nullptr);
    const HWND grid = MacroListOf(editor);
    ASSERT_NE(grid, nullptr);
    // With the system macros the editor appended at its load.
    const std::string beforeA = ReadWholeFile(library).value_or("");
    ASSERT_TRUE(ReplaceFileContents(Marker("B-READY"), "ready"));
    ASSERT_TRUE(WaitFor([] { return FileExists(Marker("A-DONE")); }, 300000));
    const std::string afterA = ReadWholeFile(library).value_or("");
    ASSERT_EQ(afterA, beforeA.substr(MacroRecord::Size));

    // Escape first: the search starts over from what was typed last time.
    auto activateBravo = [&] {
        TypeIntoList(grid,
                     "\x1b"
                     "CTRL+B");
        PostMessageA(editor, WM_COMMAND, editor::EditorMenuId::ActivateMacro, 0);
    };
    // "In use" while the dead holder's heartbeat is younger than a minute.
    std::string text;
    ASSERT_TRUE(WaitFor(
        [&] {
            activateBravo();
            HWND box = nullptr;
            WaitFor(
                [&] {
                    return (box = FindWindowA(nullptr, "Error")) ||
                           (box = FindWindowA(nullptr, "Notice"));
                },
                5000);
            if (!box)
                return false;
            text = BoxText(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !IsWindow(box); }, 5000);
            return text == LockMessage::TakenOver;
        },
        120000))
        << text;
    EXPECT_EQ(ReadWholeFile(library), afterA) << "nothing disabled, nothing written";

    activateBravo();
    ASSERT_TRUE(WaitFor([&] {
        const std::optional<MacroRecord> bravo = LibraryRecord(library, 1);
        return bravo && bravo->Enabled == 0;
    }));
    const std::optional<MacroRecord> charlie = LibraryRecord(library, 2);
    ASSERT_TRUE(charlie);
    EXPECT_EQ(charlie->Nickname.str(), "CHARLIE");
    EXPECT_EQ(charlie->Enabled, 1);
    EXPECT_TRUE(player.Stop());
}

}  // namespace
}  // namespace orv::e2e
