#include "common/win32/message_pump.h"

namespace orv {
namespace {

MessageFilter installedFilter = nullptr;

}  // namespace

void SetFormMessageFilter(MessageFilter filter) {
    installedFilter = filter;
}

bool FilterFormMessage(MSG& msg) {
    return installedFilter && installedFilter(msg);
}

bool PumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (FilterFormMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

}  // namespace orv
