#include "hook/win32/posting.h"
#include "common/win32/window_numbers.h"

#include <windows.h>

namespace orv {
namespace {

HWND FocusedWindow() {
    HWND foreground = GetForegroundWindow();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (foreground && GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) &&
        info.hwndFocus)
        return info.hwndFocus;
    return foreground;
}

}  // namespace

void PostDecision(const InputDecision& decision) {
    for (std::size_t i = 0; i < decision.postCount; ++i) {
        const HookPost& post = decision.posts[i];
        PostMessageA(WindowFromNumber(post.window), post.message, post.wParam,
                     post.focusInLParam ? reinterpret_cast<LPARAM>(FocusedWindow()) : post.lParam);
    }
}

}  // namespace orv
