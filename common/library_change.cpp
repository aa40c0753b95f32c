#include "common/library_change.h"

namespace orv {

bool LibraryChange::Refused() {
    return (refused_ && refused_()) || lock_.FileInUse();
}

bool LibraryChange::Begin() {
    if (Refused())
        return false;
    locked_ = true;
    file_ = library_.FileName();
    reloads_.HoldReloads();
    holdingReloads_ = true;
    return true;
}

bool LibraryChange::BeginOn(int n, const Chooser& chosen) {
    if (Refused())
        return false;
    locked_ = true;
    // Chosen before the reloads wait: a refusal shows the library anew at once.
    if (!chosen(n, held_)) {
        Finish();
        return false;
    }
    file_ = held_.File;
    reloads_.HoldReloads();
    holdingReloads_ = true;
    return true;
}

LibraryStatus LibraryChange::Said(LibraryStatus status, LibraryWrite write) {
    if (SayLibraryStatus(status, write))
        changed_ = true;
    return status;
}

LibraryStatus LibraryChange::SaveOver(HeldMacro& held, MacroRecord& record) {
    return Said(library_.SaveHeldRecord(held, record), LibraryWrite::Save);
}

LibraryStatus LibraryChange::Append(MacroRecord& record, int at) {
    return Said(library_.AppendRecordTo(file_, record, at), LibraryWrite::Append);
}

LibraryStatus LibraryChange::Delete() {
    return Said(library_.DeleteHeldMacro(held_), LibraryWrite::Delete);
}

LibraryStatus LibraryChange::SetEnabled(bool enabled) {
    return Said(library_.SetHeldEnabled(held_, enabled ? 1 : 0), LibraryWrite::Enable);
}

LibraryStatus LibraryChange::CheckHeld(LibraryWrite write) {
    const LibraryStatus status = library_.HoldStatus(held_);
    SayLibraryStatus(status, write);
    return status;
}

void LibraryChange::ReleaseKeptLock(NetworkLock& lock) {
    // Counted whatever the recording came to: its macro was written under
    // this lock before it began.
    static_cast<void>(lock.ReleaseKeptLock(1));
}

void LibraryChange::Finish() {
    if (locked_ && keepLock_)
        lock_.KeepLock();
    else if (locked_)
        static_cast<void>(lock_.ReleaseSyncFile(changed_ ? 1 : 0));
    locked_ = false;
    if (changed_)
        for (const auto& [code, argument] : tells_) notices_.Post(code, argument);
    tells_.clear();
    if (holdingReloads_)
        reloads_.ReleaseReloads();
    holdingReloads_ = false;
}

}  // namespace orv
