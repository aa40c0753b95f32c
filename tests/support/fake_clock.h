// A clock that moves only when the test moves it; installed for its lifetime.
#pragma once

#include "common/clock.h"

namespace orv::testing {

class FakeClock final : public Clock {
  public:
    explicit FakeClock(DateTime start = EncodeDateTime(2026, 1, 5, 9, 0, 0))
        : now_(start), previous_(&CurrentClock()) {
        SetCurrentClock(this);
    }
    ~FakeClock() override { SetCurrentClock(previous_); }

    DateTime Now() const override { return now_; }
    std::uint32_t TickCount() const override { return ticks_; }

    void AdvanceMs(std::uint32_t ms) {
        ticks_ += ms;
        now_ += ms / 86400000.0;
    }
    // The wall clock set on (or back, negative) while the tick count runs on.
    void SetWallByMs(std::int64_t ms) { now_ += static_cast<double>(ms) / 86400000.0; }

  private:
    DateTime now_;
    std::uint32_t ticks_ = 1000;
    Clock* previous_;
};

}  // namespace orv::testing
