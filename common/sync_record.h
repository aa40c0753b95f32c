// The record of the sync file beside a shared macro library: a change counter,
// whether the library is locked, and the lock holder's last sign of life.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/bytes.h"
#include "common/date_time.h"

namespace orv {

namespace SyncState {
constexpr std::int16_t InUse = 1;
constexpr std::int16_t Free = 2;
}  // namespace SyncState

struct SyncRecord {
    static constexpr std::size_t Size = 14;
    static constexpr std::size_t CounterAt = 0, StateAt = 4, HeartbeatAt = 6;

    std::int32_t Counter = 0;
    std::int16_t State = 0;
    DateTime Heartbeat = 0;

    void Encode(RecordBytes<Size> out) const {
        PutI32(out, CounterAt, Counter);
        PutI16(out, StateAt, State);
        PutF64(out, HeartbeatAt, Heartbeat);
    }
    static SyncRecord Decode(ConstRecordBytes<Size> in) {
        return {GetI32(in, CounterAt), GetI16(in, StateAt), GetF64(in, HeartbeatAt)};
    }
    friend bool operator==(const SyncRecord&, const SyncRecord&) = default;
};

// The sync file, opened so that no other program or machine can open it until
// it is closed again: the lock is read, decided and taken within one session.
// The record is read and written here; a file access gives the raw file calls.
class SyncFileSession {
  public:
    // Foreign: a file that is not one record as the programs write it (its
    // size, its state); nothing may be written into it.
    enum class Contents { Record, Empty, Unreadable, Foreign };
    virtual ~SyncFileSession() = default;
    Contents Read(SyncRecord& record);
    bool Write(const SyncRecord& record);

  protected:
    using Image = std::array<std::uint8_t, SyncRecord::Size>;
    // The file's size in bytes, or -1.
    virtual long long FileBytes() = 0;
    // Whole image from or to the start of the file; false when any step fails.
    virtual bool ReadFromStart(Image& image) = 0;
    virtual bool WriteAtStartAndFlush(const Image& image) = 0;
};

class SyncFileAccess {
  public:
    virtual ~SyncFileAccess() = default;
    // Opens (creating when missing) the sync file for this program alone; null
    // when it is busy or cannot be opened.
    virtual std::unique_ptr<SyncFileSession> OpenExclusive(const std::string& name) = 0;
};

// Plain file access without any exclusion between programs: for a single
// program, and for tests.
class PlainSyncFileAccess final : public SyncFileAccess {
  public:
    std::unique_ptr<SyncFileSession> OpenExclusive(const std::string& name) override;
};

}  // namespace orv
