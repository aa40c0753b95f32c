// Waiting under Wine: the condition is polled while this thread's messages are
// pumped, until it holds or the time-out passes. Never a fixed sleep.
#pragma once

#include <functional>

namespace orv::testing {

bool WaitFor(const std::function<bool()>& condition, unsigned timeoutMs = 10000);

}  // namespace orv::testing
