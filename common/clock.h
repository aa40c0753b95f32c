// The clock both programs read, replaced by tests that need time to pass on
// demand.
#pragma once

#include <cstdint>

#include "common/date_time.h"

namespace orv {

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time.
    virtual DateTime Now() const = 0;
    // Milliseconds since some fixed start, wrapping like the system's tick count.
    virtual std::uint32_t TickCount() const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime Now() const override;
    std::uint32_t TickCount() const override;
};

// Minutes the local time is ahead of UTC now (negative west of Greenwich).
int LocalUtcOffsetMinutes();

// The clock of the running program: the system clock unless a test set another.
Clock& CurrentClock();
void SetCurrentClock(Clock* clock);

}  // namespace orv
