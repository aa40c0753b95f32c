// The sync file opened without sharing, so that programs on other machines
// cannot read or take the lock while this one decides.
#pragma once

#include "common/sync_record.h"

namespace orv {

class ExclusiveSyncFileAccess final : public SyncFileAccess {
  public:
    std::unique_ptr<SyncFileSession> OpenExclusive(const std::string& name) override;
};

}  // namespace orv
