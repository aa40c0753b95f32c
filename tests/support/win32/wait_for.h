// Waiting under Wine: the condition is polled while this thread's messages are
// pumped, until it holds or the time-out passes. Never a fixed sleep. The
// time-out is generous: it only costs time when a test fails, and a busy
// machine must not fail a test that is right.
#pragma once

#include <functional>

namespace orv::testing {

bool WaitFor(const std::function<bool()>& condition, unsigned timeoutMs = 20000);

}  // namespace orv::testing
