// The lock that keeps programs on several machines from changing one shared
// macro library at the same time, and the change counter that tells each of
// them when to reload it. Kept in the sync file beside the library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/macro_library.h"
#include "common/notices.h"
#include "common/settings.h"
#include "common/sync_record.h"

namespace orv {

namespace LockMessage {
inline constexpr const char* InUse = LibraryMessage::FileInUse;
// The lock is this program's own: only a recording keeps it past a dialog.
inline constexpr const char* HeldHere =
    "A macro is being recorded, and the macro file stays locked until the recording ends.  "
    "Please end the recording first.";
inline constexpr const char* Changed =
    "Macro File has changed by another user.  Changed macro file will be reloaded after "
    "clicking \"ok\".";
// A lock whose holder stopped answering was taken over: nobody is known to
// have changed the file, but the holder may have; it is reloaded all the same.
inline constexpr const char* TakenOver =
    "The macro file was locked by a user whose program stopped answering, and the lock has "
    "been taken over.  The macro file will be reloaded after clicking \"ok\"; please choose "
    "again.";
inline constexpr const char* Lost =
    "The lock of the macro file was taken over by another user while you were changing it.  "
    "Your change was saved, and other users will reload the macro file.";
inline constexpr const char* NotReleased =
    "The lock of the macro file could not be released.  Other users can change the file again "
    "in one minute.";
// The sync file is some other file: the lock cannot be taken or given back.
std::string NotALockMessage(const std::string& syncFile);
}  // namespace LockMessage

// What the program around the lock does for it.
class NetworkLockHost {
  public:
    virtual ~NetworkLockHost() = default;
    // Reloads the macro library and its side files and everything shown or
    // handed over from them.
    virtual void ReloadShared() = 0;
    // The heartbeat timer (every 30 s while the lock is held).
    virtual void SetNetTimer(bool on) = 0;
    // The synchronisation timer (every 60 s).
    virtual void SetSyncTimer(bool on) = 0;
};

class NetworkLock {
  public:
    // A lock whose heartbeat stands still this long has been abandoned.
    static constexpr std::int64_t StaleAfterMs = 60000;

    NetworkLock(LibraryOwner owner, const SettingsBlock& settings, SyncFileAccess& files,
                NetworkLockHost& host, ProgramNotices& notices)
        : owner_(owner), settings_(settings), files_(files), host_(host), notices_(notices) {}

    // For the current macro library: the sync file name, its record, and its
    // counter as the one last seen.
    void SetUp();
    // Reads the sync file into memory; a missing one is made free with counter
    // 1. A file that cannot be read leaves the record in memory as it was.
    void ReadSyncRecord();

    // False when this program may change the library (it now holds the lock,
    // or network mode is off); true when it may not, also after a reload of
    // another program's change (a lock taken over from a dead holder
    // included), since the caller chose from the library before it.
    bool FileInUse();
    // After a change (1) or a cancelled one (0). Only a lock that is still
    // this program's is freed; a change made under a lock that was taken over
    // meanwhile is counted all the same and reported (false).
    bool ReleaseSyncFile(int changed);
    // The lock held now outlives the change that took it (a recording's): it
    // is given back with ReleaseKeptLock on the sync file it was taken on,
    // whichever library the lock is set up for by then.
    void KeepLock();
    bool ReleaseKeptLock(int changed);

    void NetTimerTimer();
    void SyncTimerTimer();
    // When the main window is created.
    void StartTimers();
    // After the network settings were changed, with their former values.
    void AfterNetworkConsiderations(bool oldNetworkMode, bool oldAutoSync);

    const SyncRecord& Record() const { return record_; }
    std::int32_t SyncStamp() const { return syncStamp_; }
    const std::string& SyncName() const { return syncName_; }
    bool Holding() const { return holding_; }
    int SyncTick() const { return syncTick_; }

  private:
    enum class Seen { Record, Unreadable, Foreign };
    Seen Refresh(SyncFileSession* session);
    bool Take(SyncFileSession& session);
    bool IsOurs() const;
    // Another program changed the library (or a dead holder's lock was taken
    // over): says so, reloads it and has the player reload it too.
    void ReloadChanged(const char* text = LockMessage::Changed);
    void Tell(std::string_view text, bool notice = false) const;
    // Says why the lock could not be read, as in use (unreadable: another
    // machine may hold it) or as another file.
    void TellUnread(Seen seen, const char* unreadable) const;
    enum class Release { Nothing, Written, Failed };
    // record, read in session, given back (freed when ours) and counted.
    static Release WriteReleased(SyncFileSession& session, SyncRecord& record, bool ours,
                                 int changed);
    // Says a release that failed or found the lock taken over; true when
    // neither (the session closed first: the message waits for the user).
    // ReleaseSyncFile of a kept lock on a sync file the lock has left.
    bool ReleaseLeft(const std::string& syncName, int changed);
    bool Said(Release done, bool ours) const;

    LibraryOwner owner_;
    const SettingsBlock& settings_;
    SyncFileAccess& files_;
    NetworkLockHost& host_;
    ProgramNotices& notices_;

    std::string syncName_;
    SyncRecord record_;
    std::int32_t syncStamp_ = 0;
    DateTime lastHeartbeat_ = 0;
    DateTime heartbeatSeenAt_ = 0;
    // The heartbeat this program last wrote while holding the lock: the only
    // mark of ownership the record format has room for.
    DateTime ourHeartbeat_ = 0;
    bool holding_ = false;
    // The sync file of a kept lock, and the heartbeat last written on it
    // before the lock was set up for another file.
    std::string kept_;
    DateTime keptHeartbeat_ = 0;
    int syncTick_ = 0;
};

// The settings side of the network dialog: what its controls show, which of
// them are enabled, and what closing it stores.
struct NetworkConsiderationsFields {
    bool NetworkOption = false;
    bool AutoSync = false;
    std::string Minutes;
};
NetworkConsiderationsFields NetworkConsiderationsShow(const SettingsBlock& settings);
// The automatic update and its minutes are enabled only with file locking.
bool NetworkConsiderationsSyncEnabled(const NetworkConsiderationsFields& fields);
void NetworkConsiderationsStore(SettingsBlock& settings, const NetworkConsiderationsFields& fields);

}  // namespace orv
