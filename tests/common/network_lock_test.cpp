#include "common/network_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <memory>

#include "common/files.h"
#include "common/side_files.h"
#include "tests/common/hostile_files.h"
#include "tests/common/library_fixture.h"
#include "tests/support/scratch_folder.h"

namespace orv {
namespace {

using testing::RecordedNotices;
using testing::ScratchFolder;

struct RecordingHost final : NetworkLockHost {
    void ReloadShared() override { ++reloads; }
    void SetNetTimer(bool on) override { netTimer = on; }
    void SetSyncTimer(bool on) override { syncTimer = on; }
    int reloads = 0;
    bool netTimer = false;
    bool syncTimer = false;
};

// One program on one machine: its settings, its lock and what it was asked.
struct Program {
    Program(LibraryOwner owner, const std::string& library) : owner(owner) {
        settings->NetworkMode = true;
        settings->MacroFiles[0] = library;
    }
    LibraryOwner owner;
    std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
    PlainSyncFileAccess files;
    RecordingHost host;
    RecordedNotices notices;
    NetworkLock lock{owner, *settings, files, host, notices};
};

class NetworkLockTest : public ::testing::Test {
  protected:
    SyncRecord OnDisk() const { return OnDisk(library); }
    SyncRecord OnDisk(const std::string& of) const {
        FilePtr f = OpenFile(SyncFileName(of), "rb");
        std::array<std::uint8_t, SyncRecord::Size> image{};
        if (!f || std::fread(image.data(), 1, image.size(), f.get()) != image.size())
            ADD_FAILURE() << "no sync record";
        return SyncRecord::Decode(image);
    }

    ScratchFolder scratch{"orvlock"};
    std::string folder = scratch.Path();
    std::string library = InFolder(folder, "SHARED.ORN");
    orv::testing::FakeClock clock;
    orv::testing::ScriptedMessageBoxes boxes;
};

TEST(SyncRecordLayout, FourteenLittleEndianBytes) {
    std::array<std::uint8_t, SyncRecord::Size> image{};
    SyncRecord{0x01020304, 1, 1.5}.Encode(image);
    EXPECT_EQ(image,
              (std::array<std::uint8_t, 14>{4, 3, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(SyncRecord::Decode(image), (SyncRecord{0x01020304, 1, 1.5}));
}

TEST(SideFileNames, NeverTheLibraryItself) {
    EXPECT_EQ(SyncFileName("C:\\M\\ORVAN.ORN"), "C:\\M\\ORVAN.MAS");
    EXPECT_EQ(SyncFileName("C:\\M\\LIB.MAS"), "C:\\M\\LIB.MAS.MAS");
    EXPECT_EQ(SyncFileName("c:\\m\\lib.mas"), "c:\\m\\lib.mas.MAS");
    EXPECT_EQ(CategoryFileName("C:\\M\\Orvan.orn"), "C:\\M\\Orvan.OVC");
    EXPECT_EQ(CategoryFileName("C:\\M\\LIB.DAT"), "C:\\M\\LIB.DAT.OVC");
    EXPECT_EQ(CategoryFileName("C:\\M\\LIB.OVC"), "C:\\M\\LIB.OVC.OVC");
    EXPECT_EQ(RemapFileName("C:\\M\\ORVAN.ORN"), "C:\\M\\ORVAN.OVS");
    EXPECT_EQ(RemapFileName("ORN"), "ORN.OVS");
}

TEST_F(NetworkLockTest, MissingSyncFileIsCreatedFreeWithCounterOne) {
    Program a(LibraryOwner::Editor, library);
    a.lock.SetUp();
    EXPECT_EQ(OnDisk().Counter, 1);
    EXPECT_EQ(OnDisk().State, SyncState::Free);
    EXPECT_EQ(a.lock.SyncStamp(), 1);
}

TEST_F(NetworkLockTest, NetworkModeOffNeverTouchesTheSyncFile) {
    Program a(LibraryOwner::Editor, library);
    a.settings->NetworkMode = false;
    EXPECT_FALSE(a.lock.FileInUse());
    EXPECT_TRUE(a.lock.ReleaseSyncFile(1));
    EXPECT_FALSE(FileExists(SyncFileName(library)));
}

TEST_F(NetworkLockTest, SecondHolderWaitsForTheReleaseOrAStillHeartbeat) {
    Program a(LibraryOwner::Editor, library), b(LibraryOwner::Editor, library);
    a.lock.SetUp();
    b.lock.SetUp();
    EXPECT_FALSE(a.lock.FileInUse());
    EXPECT_TRUE(a.host.netTimer);
    EXPECT_EQ(OnDisk().State, SyncState::InUse);

    boxes.Expect(LockMessage::InUse, MsgResult::Ok, "Error");
    EXPECT_TRUE(b.lock.FileInUse());
    // The holder itself (its recording runs) is told so, not of another user.
    boxes.Expect(LockMessage::HeldHere);
    EXPECT_TRUE(a.lock.FileInUse());
    EXPECT_EQ(OnDisk().State, SyncState::InUse);
    // A living holder beats every 30 s: the waiting one stays out.
    clock.AdvanceMs(30000);
    a.lock.NetTimerTimer();
    clock.AdvanceMs(30000);
    boxes.Expect(LockMessage::InUse);
    EXPECT_TRUE(b.lock.FileInUse());
    // Then the holder falls silent.
    clock.AdvanceMs(59000);
    boxes.Expect(LockMessage::InUse);
    EXPECT_TRUE(b.lock.FileInUse()) << "59 s of silence is not yet abandoned";
    clock.AdvanceMs(1000);
    // Taken over after a minute: whatever the user chose was chosen from the
    // library before, which the dead holder may have changed. A reload, given
    // back counted (so the others reload too), and the user chooses again;
    // nobody is said to have changed the file.
    boxes.Expect(LockMessage::TakenOver, MsgResult::Ok, "Notice");
    EXPECT_TRUE(b.lock.FileInUse());
    EXPECT_EQ(b.host.reloads, 1);
    EXPECT_EQ(b.notices.Posted, (std::vector<std::pair<int, int>>{{2, 0}, {3, 0}}));
    EXPECT_EQ(OnDisk().State, SyncState::Free);
    EXPECT_EQ(OnDisk().Counter, 2);
    EXPECT_FALSE(b.lock.FileInUse()) << "chosen again, it is taken";

    // The former holder's release must not free the new holder's lock.
    EXPECT_TRUE(a.lock.ReleaseSyncFile(0));
    EXPECT_EQ(OnDisk().State, SyncState::InUse);
    EXPECT_EQ(OnDisk().Counter, 2);
    a.lock.NetTimerTimer();
    EXPECT_FALSE(a.host.netTimer);
    EXPECT_EQ(OnDisk().Heartbeat, b.lock.Record().Heartbeat);

    EXPECT_TRUE(b.lock.ReleaseSyncFile(1));
    EXPECT_FALSE(b.host.netTimer);
    EXPECT_EQ(OnDisk().State, SyncState::Free);
    EXPECT_EQ(OnDisk().Counter, 3);
    EXPECT_EQ(b.lock.SyncStamp(), 3);
}

// A lock kept past its change (a recording's) goes back on the sync file it
// was taken on, also once the lock is set up for another library, whose lock
// and counter stay as they were; taken over meanwhile, the change is still
// counted there and said lost.
TEST_F(NetworkLockTest, AKeptLockGoesBackOnTheFileItWasTakenOn) {
    const std::string other = InFolder(folder, "OTHER.ORN");
    Program a(LibraryOwner::Editor, library), b(LibraryOwner::Editor, library);
    const auto keepAndLeave = [&] {
        a.settings->MacroFiles[0] = library;
        a.lock.SetUp();
        ASSERT_FALSE(a.lock.FileInUse());
        a.lock.KeepLock();
        a.settings->MacroFiles[0] = other;
        a.lock.SetUp();
    };
    b.lock.SetUp();
    keepAndLeave();
    const SyncRecord otherBefore = OnDisk(other);
    EXPECT_TRUE(a.lock.ReleaseKeptLock(1));
    EXPECT_EQ(OnDisk().State, SyncState::Free);
    EXPECT_EQ(OnDisk().Counter, 2);
    EXPECT_EQ(OnDisk(other), otherBefore);
    EXPECT_EQ(a.lock.SyncStamp(), otherBefore.Counter);

    keepAndLeave();
    boxes.Expect(LockMessage::InUse);
    ASSERT_TRUE(b.lock.FileInUse());
    clock.AdvanceMs(60000);
    boxes.Expect(LockMessage::TakenOver);
    ASSERT_TRUE(b.lock.FileInUse());
    ASSERT_FALSE(b.lock.FileInUse());
    boxes.Expect(LockMessage::Lost);
    EXPECT_FALSE(a.lock.ReleaseKeptLock(1));
    EXPECT_EQ(OnDisk().Counter, 4);
    EXPECT_EQ(OnDisk().State, SyncState::InUse) << "still the new holder's";
    EXPECT_EQ(OnDisk(other), otherBefore);
}

// A holder whose lock was taken over while it changed the library: its change
// still reaches everyone, and so does the new holder's.
TEST_F(NetworkLockTest, ChangeUnderALostLockIsReportedAndCounted) {
    Program a(LibraryOwner::Editor, library), b(LibraryOwner::Editor, library);
    a.lock.SetUp();
    b.lock.SetUp();
    ASSERT_FALSE(a.lock.FileInUse());
    boxes.Expect(LockMessage::InUse);
    ASSERT_TRUE(b.lock.FileInUse());
    clock.AdvanceMs(60000);
    // Nobody is known to have changed the file: the take-over is said as such.
    boxes.Expect(LockMessage::TakenOver);
    ASSERT_TRUE(b.lock.FileInUse());
    ASSERT_FALSE(b.lock.FileInUse());

    boxes.Expect(LockMessage::Lost, MsgResult::Ok, "Error");
    EXPECT_FALSE(a.lock.ReleaseSyncFile(1));
    EXPECT_EQ(OnDisk().Counter, 3);
    EXPECT_EQ(OnDisk().State, SyncState::InUse) << "still the new holder's";
    EXPECT_TRUE(b.lock.ReleaseSyncFile(1));
    EXPECT_EQ(OnDisk(), (SyncRecord{4, SyncState::Free, b.lock.Record().Heartbeat}));

    for (Program* p : {&a, &b}) {
        boxes.Expect(LockMessage::Changed);
        EXPECT_TRUE(p->lock.FileInUse()) << "each reloads the other's change";
        EXPECT_EQ(p->lock.SyncStamp(), 4);
    }
}

TEST_F(NetworkLockTest, AnotherHoldersChangeIsNoticedAndReloaded) {
    Program a(LibraryOwner::Editor, library), b(LibraryOwner::Editor, library);
    a.lock.SetUp();
    b.lock.SetUp();
    ASSERT_FALSE(a.lock.FileInUse());
    ASSERT_TRUE(a.lock.ReleaseSyncFile(1));

    boxes.Expect(LockMessage::Changed, MsgResult::Ok, "Notice");
    EXPECT_TRUE(b.lock.FileInUse());
    EXPECT_EQ(b.host.reloads, 1);
    EXPECT_EQ(b.notices.Posted, (std::vector<std::pair<int, int>>{{2, 0}, {3, 0}}));
    EXPECT_FALSE(b.lock.FileInUse()) << "the next attempt takes the lock";
    EXPECT_TRUE(b.lock.ReleaseSyncFile(0));
    EXPECT_EQ(OnDisk().Counter, 2) << "a cancelled change leaves the counter";

    EXPECT_FALSE(a.lock.FileInUse()) << "nothing changed since its own release";
}

TEST_F(NetworkLockTest, PlayerDecidesTheSameWithoutMessages) {
    Program editor(LibraryOwner::Editor, library), player(LibraryOwner::Player, library);
    editor.lock.SetUp();
    player.lock.SetUp();
    ASSERT_FALSE(editor.lock.FileInUse());
    EXPECT_TRUE(player.lock.FileInUse());
    clock.AdvanceMs(60000);
    EXPECT_TRUE(player.lock.FileInUse()) << "taken over: a reload first";
    EXPECT_EQ(player.host.reloads, 1);
    EXPECT_FALSE(player.lock.FileInUse());
    ASSERT_TRUE(player.lock.ReleaseSyncFile(1));

    Program other(LibraryOwner::Player, library);
    other.lock.SetUp();
    EXPECT_FALSE(other.lock.FileInUse());
    ASSERT_TRUE(other.lock.ReleaseSyncFile(1));
    EXPECT_TRUE(player.lock.FileInUse()) << "a change by another: reload instead";
    EXPECT_EQ(player.host.reloads, 2);
    EXPECT_TRUE(player.notices.Posted.empty());
    EXPECT_TRUE(boxes.Shown().empty());
}

// A sync file that is no lock record as the programs write one is another's
// file: nothing is written into it, and the library counts as in use. One
// that cannot be read may be another machine's lock.
TEST_F(NetworkLockTest, ASyncFileThatIsNoLockIsNeverWrittenAndCountsAsBusy) {
    const std::string sync = SyncFileName(library);
    const std::string notALock = LockMessage::NotALockMessage(sync);
    auto image = [](const SyncRecord& record) {
        std::array<std::uint8_t, SyncRecord::Size> bytes{};
        record.Encode(bytes);
        return std::string(bytes.begin(), bytes.end());
    };
    const struct {
        const char* Name;
        std::function<void()> Make;
        const char* InUse;  // what taking the lock says (else notALock)
        const char* NotReleased;
    } rows[] = {
        {"five bytes", [&] { testing::PutFile(sync, "12345"); }},
        {"a user's text", [&] { testing::PutFile(sync, std::string(200, 'n') + "\n"); }},
        {"a record with more behind it",
         [&] {
             testing::PutFile(sync, image({3, SyncState::Free, 0.0}) + "x");
         }},
        {"fourteen bytes of no lock state",
         [&] {
             testing::PutFile(sync, image({3, 7, 0.0}));
         }},
        {"fourteen bytes of no time",
         [&] {
             testing::PutFile(
                 sync, image({3, SyncState::InUse, std::numeric_limits<double>::quiet_NaN()}));
         }},
        {"a folder",
         [&] {
             std::filesystem::remove_all(sync);
             std::filesystem::create_directory(sync);
         },
         LockMessage::InUse, LockMessage::NotReleased},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Make();
        const std::string before = testing::Snapshot(sync);
        const std::size_t shown = boxes.Shown().size();
        Program editor(LibraryOwner::Editor, library), player(LibraryOwner::Player, library);
        editor.lock.SetUp();
        player.lock.SetUp();
        boxes.Expect(row.InUse ? row.InUse : notALock);
        EXPECT_TRUE(editor.lock.FileInUse());
        boxes.Expect(row.NotReleased ? row.NotReleased : notALock);
        EXPECT_FALSE(editor.lock.ReleaseSyncFile(1));
        editor.lock.NetTimerTimer();
        EXPECT_TRUE(player.lock.FileInUse()) << "the player decides the same, without a word";
        EXPECT_FALSE(editor.host.netTimer);
        EXPECT_EQ(editor.host.reloads, 0);
        EXPECT_EQ(testing::Snapshot(sync), before);
        EXPECT_EQ(boxes.Shown().size(), shown + 2);
        std::filesystem::remove_all(sync);
    }
}

TEST_F(NetworkLockTest, SyncTimerReloadsEveryConfiguredMinutes) {
    Program a(LibraryOwner::Player, library);
    a.settings->SyncMinutes = 3;
    a.lock.StartTimers();
    EXPECT_TRUE(a.host.syncTimer);
    a.lock.SyncTimerTimer();
    a.lock.SyncTimerTimer();
    EXPECT_EQ(a.host.reloads, 0);
    a.lock.SyncTimerTimer();
    EXPECT_EQ(a.host.reloads, 1);
    EXPECT_EQ(a.lock.SyncTick(), 0);

    Program off(LibraryOwner::Player, library);
    off.settings->AutoSync = false;
    off.lock.StartTimers();
    EXPECT_FALSE(off.host.syncTimer);
}

TEST_F(NetworkLockTest, NetworkDialogStoresAndSetsUp) {
    Program a(LibraryOwner::Editor, library);
    SettingsBlock& s = *a.settings;
    s.NetworkMode = false;
    s.AutoSync = false;
    s.SyncMinutes = 10;
    NetworkConsiderationsFields fields = NetworkConsiderationsShow(s);
    EXPECT_EQ(fields.Minutes, "10");
    EXPECT_FALSE(NetworkConsiderationsSyncEnabled(fields));
    fields.NetworkOption = true;
    EXPECT_TRUE(NetworkConsiderationsSyncEnabled(fields));
    fields.AutoSync = true;
    fields.Minutes = " 5 ";
    NetworkConsiderationsStore(s, fields);
    a.lock.AfterNetworkConsiderations(false, false);
    EXPECT_TRUE(s.NetworkMode && s.AutoSync);
    EXPECT_EQ(s.SyncMinutes, 5);
    EXPECT_TRUE(a.host.syncTimer);
    EXPECT_EQ(a.lock.SyncName(), SyncFileName(library)) << "switching network mode on sets up";
    EXPECT_TRUE(FileExists(SyncFileName(library)));

    fields.Minutes = "0";
    NetworkConsiderationsStore(s, fields);
    EXPECT_FALSE(s.AutoSync) << "no automatic update every 0 minutes";
    fields.Minutes = "ab";
    fields.AutoSync = true;
    NetworkConsiderationsStore(s, fields);
    EXPECT_EQ(s.SyncMinutes, 0);
    EXPECT_FALSE(s.AutoSync);
    a.lock.AfterNetworkConsiderations(true, true);
    EXPECT_FALSE(a.host.syncTimer);

    s.NetworkMode = false;
    s.AutoSync = true;
    s.SyncMinutes = 10;
    a.lock.AfterNetworkConsiderations(true, false);
    EXPECT_FALSE(a.host.syncTimer) << "no updates of a library nobody else changes";

    // Network mode turned off while a change (a recording) keeps the lock:
    // the lock is still given back, or the other machines stay locked out.
    s.NetworkMode = true;
    a.lock.AfterNetworkConsiderations(false, false);
    ASSERT_FALSE(a.lock.FileInUse());
    s.NetworkMode = false;
    a.lock.AfterNetworkConsiderations(true, false);
    EXPECT_TRUE(a.lock.ReleaseSyncFile(1));
    EXPECT_EQ(OnDisk().State, SyncState::Free);
    EXPECT_FALSE(a.host.netTimer) << "no heartbeat for a lock given back";
}

}  // namespace
}  // namespace orv
