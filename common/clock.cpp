#include "common/clock.h"

#include <chrono>
#include <ctime>

#include "common/system_calls.h"

namespace orv {
namespace {

Clock* installedClock = nullptr;

}  // namespace

DateTime SystemClock::Now() const {
    auto now = std::chrono::system_clock::now();
    auto seconds = std::chrono::system_clock::to_time_t(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    std::tm t = system_calls::LocalTime(seconds);
    return EncodeDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                          static_cast<int>(ms.count()));
}

std::uint32_t SystemClock::TickCount() const {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int LocalUtcOffsetMinutes() {
    std::time_t t = std::time(nullptr);
    std::tm local = system_calls::LocalTime(t);
    std::tm utc = system_calls::UtcTime(t);
    // The UTC clock read as if it were local time, against the true instant.
    utc.tm_isdst = local.tm_isdst;
    return static_cast<int>(std::difftime(std::mktime(&local), std::mktime(&utc)) / 60);
}

Clock& CurrentClock() {
    static SystemClock system;
    return installedClock ? *installedClock : system;
}

void SetCurrentClock(Clock* clock) {
    installedClock = clock;
}

}  // namespace orv
