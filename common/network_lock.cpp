#include "common/network_lock.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/clock.h"
#include "common/message_boxes.h"
#include "common/side_files.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv {

namespace {

constexpr int NoticeReloadLibrary = 2;
constexpr int NoticeRefreshList = 3;

std::int64_t ElapsedMs(DateTime from, DateTime to) {
    return std::llround((to - from) * 86400000.0);
}

}  // namespace

std::string LockMessage::NotALockMessage(const std::string& syncFile) {
    return "The file \"" + syncFile +
           "\" beside the macro file is not the lock of a shared macro file.  It is left as it "
           "is, and the macro file cannot be changed in network mode until that file is moved "
           "away.";
}

void NetworkLock::TellUnread(Seen seen, const char* unreadable) const {
    if (seen == Seen::Foreign)
        Tell(LockMessage::NotALockMessage(syncName_));
    else
        Tell(unreadable);
}

void NetworkLock::Tell(std::string_view text, bool notice) const {
    // The player gives up silently; only the editor has a user to tell.
    if (owner_ != LibraryOwner::Editor)
        return;
    if (notice)
        CurrentMessageBoxes().Show("Notice", text, MsgStyle::Ok | MsgStyle::IconInformation);
    else
        ShowError(text);
}

NetworkLock::Seen NetworkLock::Refresh(SyncFileSession* session) {
    if (!session)
        return Seen::Unreadable;
    SyncRecord read;
    switch (session->Read(read)) {
        case SyncFileSession::Contents::Unreadable:
            return Seen::Unreadable;
        case SyncFileSession::Contents::Foreign:
            return Seen::Foreign;
        case SyncFileSession::Contents::Empty:
            record_.Counter = 1;
            record_.State = SyncState::Free;
            session->Write(record_);
            return Seen::Record;
        case SyncFileSession::Contents::Record:
            record_ = read;
            return Seen::Record;
    }
    return Seen::Unreadable;
}

void NetworkLock::SetUp() {
    if (!kept_.empty() && kept_ == syncName_)
        keptHeartbeat_ = ourHeartbeat_;
    syncName_ = SyncFileName(settings_.MacroFiles[0].str());
    ReadSyncRecord();
    syncStamp_ = record_.Counter;
}

void NetworkLock::ReadSyncRecord() {
    auto session = files_.OpenExclusive(syncName_);
    Refresh(session.get());
}

bool NetworkLock::IsOurs() const {
    return holding_ && record_.State == SyncState::InUse && record_.Heartbeat == ourHeartbeat_;
}

bool NetworkLock::Take(SyncFileSession& session) {
    SyncRecord taken = record_;
    taken.State = SyncState::InUse;
    taken.Heartbeat = CurrentClock().Now();
    if (!session.Write(taken))
        return false;
    record_ = taken;
    ourHeartbeat_ = taken.Heartbeat;
    holding_ = true;
    host_.SetNetTimer(true);
    return true;
}

bool NetworkLock::FileInUse() {
    if (!settings_.NetworkMode)
        return false;
    auto session = files_.OpenExclusive(syncName_);
    // A sync file that cannot be read may be another machine's lock; one
    // that is no lock is not this program's to write.
    if (const Seen seen = Refresh(session.get()); seen != Seen::Record) {
        session.reset();
        TellUnread(seen, LockMessage::InUse);
        return true;
    }
    const DateTime now = CurrentClock().Now();
    if (record_.State != SyncState::InUse) {
        if (record_.Counter == syncStamp_) {
            if (Take(*session))
                return false;
            session.reset();
            Tell(LockMessage::InUse);
            return true;
        }
        session.reset();
        ReloadChanged();
        return true;
    }
    if (IsOurs()) {
        session.reset();
        Tell(LockMessage::HeldHere);
        return true;
    }
    if (record_.Heartbeat != lastHeartbeat_) {
        lastHeartbeat_ = record_.Heartbeat;
        heartbeatSeenAt_ = now;
    } else if (ElapsedMs(heartbeatSeenAt_, now) >= StaleAfterMs && Take(*session)) {
        // The abandoned holder may have changed the library, counted or not,
        // and whatever the caller chose was chosen from the library before:
        // a reload like any other, after which the user chooses again. The
        // lock is given back counted, so that every other program reloads
        // what the holder may have left uncounted.
        session.reset();
        ReloadChanged(LockMessage::TakenOver);
        ReleaseSyncFile(1);
        return true;
    }
    session.reset();
    Tell(LockMessage::InUse);
    return true;
}

void NetworkLock::ReloadChanged(const char* text) {
    Tell(text, true);
    syncStamp_ = record_.Counter;
    host_.ReloadShared();
    if (owner_ == LibraryOwner::Editor) {
        notices_.Post(NoticeReloadLibrary, 0);
        notices_.Post(NoticeRefreshList, 0);
    }
}

bool NetworkLock::ReleaseSyncFile(int changed) {
    // A lock taken is given back even when network mode was turned off
    // meanwhile: the other machines would stay locked out.
    if (!settings_.NetworkMode && !holding_)
        return true;
    host_.SetNetTimer(false);
    auto session = files_.OpenExclusive(syncName_);
    if (const Seen seen = Refresh(session.get()); seen != Seen::Record) {
        session.reset();
        TellUnread(seen, LockMessage::NotReleased);
        return false;
    }
    const bool ours = IsOurs();
    holding_ = false;
    SyncRecord released = record_;
    const Release done = WriteReleased(*session, released, ours, changed);
    if (done == Release::Written) {
        // The count is this program's own only when nobody else counted since
        // it last looked; otherwise the next look reloads.
        if (record_.Counter == syncStamp_)
            syncStamp_ = released.Counter;
        record_ = released;
    }
    session.reset();
    return Said(done, ours);
}

NetworkLock::Release NetworkLock::WriteReleased(SyncFileSession& session, SyncRecord& record,
                                                bool ours, int changed) {
    if (!ours && changed == 0)
        return Release::Nothing;  // taken over meanwhile, and nothing to tell the others
    // A lock taken over meanwhile stays the new holder's; a change made under
    // it is still counted, within this session, so that the others reload.
    record.Counter += changed;
    if (ours)
        record.State = SyncState::Free;
    return session.Write(record) ? Release::Written : Release::Failed;
}

bool NetworkLock::Said(Release done, bool ours) const {
    if (done == Release::Failed)
        Tell(LockMessage::NotReleased);
    else if (done == Release::Written && !ours)
        Tell(LockMessage::Lost);
    return done == Release::Nothing || (done == Release::Written && ours);
}

void NetworkLock::KeepLock() {
    kept_ = syncName_;
}

bool NetworkLock::ReleaseKeptLock(int changed) {
    const std::string kept = std::exchange(kept_, {});
    if (kept.empty() || kept == syncName_)
        return ReleaseSyncFile(changed);
    return ReleaseLeft(kept, changed);
}

bool NetworkLock::ReleaseLeft(const std::string& syncName, int changed) {
    if (!settings_.NetworkMode)
        return true;
    // The current file's record, stamp and heartbeat are another file's: only
    // the kept file is read and written.
    auto session = files_.OpenExclusive(syncName);
    SyncRecord read;
    const auto contents = session ? session->Read(read) : SyncFileSession::Contents::Unreadable;
    if (contents != SyncFileSession::Contents::Record) {
        session.reset();
        if (contents == SyncFileSession::Contents::Foreign)
            Tell(LockMessage::NotALockMessage(syncName));
        else
            Tell(LockMessage::NotReleased);
        return false;
    }
    const bool ours = read.State == SyncState::InUse && read.Heartbeat == keptHeartbeat_;
    const Release done = WriteReleased(*session, read, ours, changed);
    session.reset();
    return Said(done, ours);
}

void NetworkLock::NetTimerTimer() {
    auto session = files_.OpenExclusive(syncName_);
    if (Refresh(session.get()) != Seen::Record)
        return;  // next beat in 30 s
    if (!IsOurs()) {
        holding_ = false;
        host_.SetNetTimer(false);
        return;
    }
    SyncRecord beat = record_;
    beat.Heartbeat = CurrentClock().Now();
    if (session->Write(beat)) {
        record_ = beat;
        ourHeartbeat_ = beat.Heartbeat;
    }
}

void NetworkLock::SyncTimerTimer() {
    if (++syncTick_ < settings_.SyncMinutes)
        return;
    host_.ReloadShared();
    syncTick_ = 0;
}

void NetworkLock::StartTimers() {
    lastHeartbeat_ = 0;
    if (settings_.NetworkMode && settings_.AutoSync) {
        syncTick_ = 0;
        host_.SetSyncTimer(true);
    }
}

void NetworkLock::AfterNetworkConsiderations(bool oldNetworkMode, bool oldAutoSync) {
    // As at the start: outside network mode nobody else changes the library.
    host_.SetSyncTimer(settings_.NetworkMode && settings_.AutoSync);
    if (!oldAutoSync)
        syncTick_ = 0;
    if (!oldNetworkMode && settings_.NetworkMode)
        SetUp();
}

NetworkConsiderationsFields NetworkConsiderationsShow(const SettingsBlock& settings) {
    return {settings.NetworkMode, settings.AutoSync, std::to_string(settings.SyncMinutes)};
}

bool NetworkConsiderationsSyncEnabled(const NetworkConsiderationsFields& fields) {
    return fields.NetworkOption;
}

void NetworkConsiderationsStore(SettingsBlock& settings,
                                const NetworkConsiderationsFields& fields) {
    settings.NetworkMode = fields.NetworkOption;
    settings.AutoSync = fields.AutoSync;
    std::int32_t minutes = WholeNumberOr(TrimStr(fields.Minutes), 0);
    settings.SyncMinutes = static_cast<std::uint16_t>(std::clamp(minutes, 0, 0xFFFF));
    if (settings.SyncMinutes == 0)
        settings.AutoSync = false;
}

}  // namespace orv
