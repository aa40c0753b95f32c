// No exception may cross into the system's window, dialog or hook code: a
// handler's failure is reported in a message box and the window goes on.
#pragma once

#include <exception>

namespace orv {

void ReportHandlerFailure(const char* what);

// Runs the handler; false when it failed (and was reported).
template <class Handler>
bool Guarded(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        ReportHandlerFailure(e.what());
    } catch (...) {
        ReportHandlerFailure("An unexpected error occurred.");
    }
    return false;
}

}  // namespace orv
