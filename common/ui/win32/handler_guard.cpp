#include "common/ui/win32/handler_guard.h"

#include "common/message_boxes.h"

namespace orv {

void ReportHandlerFailure(std::string_view what) noexcept {
    try {
        ShowError(what);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

}  // namespace orv
