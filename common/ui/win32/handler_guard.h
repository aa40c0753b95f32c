// Handlers run from window and hook procedures, where no exception may pass
// into the system's code: what one throws is shown to the user instead.
#pragma once

#include <exception>
#include <string_view>

namespace orv {

void ReportHandlerFailure(std::string_view what) noexcept;

// Runs the handler; false when it threw (the failure was shown).
template <class Handler>
bool RunGuarded(Handler&& handler) noexcept {
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
