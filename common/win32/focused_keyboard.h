// The keyboard layout of the thread that has the user's focus: the player's
// and the hook library's threads have layouts of their own.
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

}  // namespace orv
