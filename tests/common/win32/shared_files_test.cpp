#include <gtest/gtest.h>

#include <windows.h>

#include "common/network_lock.h"
#include "common/win32/sync_file_access.h"
#include "tests/common/library_fixture.h"

namespace orv {
namespace {

using testing::LibraryTest;

// Holds a file open without sharing, as another machine's program might.
class Locked {
  public:
    explicit Locked(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Locked() { CloseHandle(handle_); }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

TEST_F(LibraryTest, LibraryThatCannotBeOpenedIsReportedAndLeftAlone) {
    ASSERT_TRUE(library.ReloadMacroFile(false));
    HeldMacro held;
    ASSERT_TRUE(library.HoldMacroRecord(2, held));
    MacroRecord edited = held.AsRead;
    edited.Nickname = "EDITED";
    {
        Locked other(LibraryPath());
        ASSERT_TRUE(other.Held());
        boxes.Expect(LibraryMessage::OpenFailed, MsgResult::Ok, "Error");
        EXPECT_FALSE(library.ReloadMacroFile(false));
        EXPECT_EQ(table->MacroCount(), 5) << "the macros loaded before stay";
        EXPECT_EQ(hooks->Master.MacroCount(), 5);
        // A held macro's save, removal or flag answers that the file is
        // busy, not that the macro was changed; the removal and the flag say
        // it is in use.
        EXPECT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::FileBusy);
        EXPECT_EQ(library.DeleteHeldMacro(held), LibraryStatus::FileBusy);
        EXPECT_EQ(library.SetHeldEnabled(held, 0), LibraryStatus::FileBusy);
        boxes.Expect(LibraryMessage::FileInUse, MsgResult::Ok, "Error");
        EXPECT_FALSE(library.SetMacroEnabled(2, 0));
    }
    EXPECT_EQ(FileRecords().size(), 5u) << "neither emptied nor created anew";
    EXPECT_EQ(library.SaveHeldRecord(held, edited), LibraryStatus::Done)
        << "the hold outlives the lock";
    EXPECT_EQ(FileNicknames()[1], "EDITED");
}

TEST_F(LibraryTest, SyncFileIsOpenedForOneProgramAtATime) {
    ExclusiveSyncFileAccess files;
    const std::string name = InFolder(folder, "ORVAN.MAS");
    auto first = files.OpenExclusive(name);
    ASSERT_TRUE(first);
    SyncRecord record;
    EXPECT_EQ(first->Read(record), SyncFileSession::Contents::Empty);
    ASSERT_TRUE(first->Write({5, SyncState::InUse, 2.25}));
    EXPECT_FALSE(files.OpenExclusive(name)) << "busy while the first decides";
    first.reset();

    auto second = files.OpenExclusive(name);
    ASSERT_TRUE(second);
    ASSERT_EQ(second->Read(record), SyncFileSession::Contents::Record);
    EXPECT_EQ(record, (SyncRecord{5, SyncState::InUse, 2.25}));
}

struct QuietHost final : NetworkLockHost {
    void ReloadShared() override { ++reloads; }
    void SetNetTimer(bool) override {}
    void SetSyncTimer(bool) override {}
    int reloads = 0;
};

TEST_F(LibraryTest, TwoPlayersShareOneLockThroughTheExclusiveFile) {
    settings->NetworkMode = true;
    ExclusiveSyncFileAccess files;
    QuietHost hostA, hostB;
    NetworkLock a(LibraryOwner::Player, *settings, files, hostA, notices);
    NetworkLock b(LibraryOwner::Player, *settings, files, hostB, notices);
    a.SetUp();
    b.SetUp();
    EXPECT_EQ(a.Record(), (SyncRecord{1, SyncState::Free, 0}));
    EXPECT_FALSE(a.FileInUse());
    EXPECT_TRUE(b.FileInUse());
    EXPECT_TRUE(a.ReleaseSyncFile(1));
    EXPECT_TRUE(b.FileInUse()) << "the change is reloaded first";
    EXPECT_EQ(hostB.reloads, 1);
    EXPECT_FALSE(b.FileInUse());
    EXPECT_EQ(b.Record().Counter, 2);
}

}  // namespace
}  // namespace orv
