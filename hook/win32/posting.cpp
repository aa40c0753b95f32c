#include "hook/win32/posting.h"

#include <windows.h>

#include "common/program_messages.h"
#include "common/win32/window_numbers.h"

namespace orv {

HWND FocusedWindow() {
    // Thread 0: the thread of the foreground window.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(0, &info))
        return GetForegroundWindow();
    return info.hwndFocus ? info.hwndFocus : info.hwndActive;
}

void PostDecision(const InputDecision& decision) {
    const CaptureText& capture = decision.capture;
    if (capture.window != 0) {
        HWND recorder = WindowFromNumber(capture.window);
        for (char c : capture.View())
            PostMessageA(recorder, ProgramMessage::CaptureChar, capture.macro,
                         static_cast<unsigned char>(c));
    }
    for (std::size_t i = 0; i < decision.postCount; ++i) {
        const HookPost& post = decision.posts[i];
        PostMessageA(WindowFromNumber(post.window), post.message, post.wParam,
                     post.focusInLParam ? reinterpret_cast<LPARAM>(FocusedWindow()) : post.lParam);
    }
}

}  // namespace orv
