// The keyboard of the thread that has the user's focus: its layout and its
// Caps Lock. A thread that never has the focus (the player's, the hook
// library's) keeps a key state of its own that follows only its own
// messages, and a layout of its own.
#pragma once

#include <windows.h>

namespace orv {

// The thread of the foreground window; this one when there is none.
inline DWORD FocusedThread() {
    HWND front = GetForegroundWindow();
    const DWORD thread = front ? GetWindowThreadProcessId(front, nullptr) : 0;
    return thread != 0 ? thread : GetCurrentThreadId();
}

inline HKL FocusedKeyboardLayout() {
    return GetKeyboardLayout(FocusedThread());
}

// Attached to the focused thread, this thread shares its key state.
inline bool FocusedCapsLockOn() {
    const DWORD own = GetCurrentThreadId();
    const DWORD target = FocusedThread();
    const bool attached = target != own && AttachThreadInput(own, target, TRUE);
    const bool on = (GetKeyState(VK_CAPITAL) & 1) != 0;
    if (attached)
        AttachThreadInput(own, target, FALSE);
    return on;
}

}  // namespace orv
