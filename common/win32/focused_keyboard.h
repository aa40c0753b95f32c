// The keyboard of the thread that has the user's focus: its layout and its
// key state. The player's and the hook library's threads have a layout of
// their own, and a key state that follows only their own messages.
#pragma once

#include <windows.h>

#include "common/focused_caps_lock.h"

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

// Threads attached with AttachThreadInput share their key state.
class SystemThreadKeyState final : public ThreadKeyState {
  public:
    std::uint32_t FocusedThread() override {
        HWND front = GetForegroundWindow();
        return front ? GetWindowThreadProcessId(front, nullptr) : 0;
    }
    std::uint32_t ThisThread() override { return GetCurrentThreadId(); }
    bool Attach(std::uint32_t other, bool on) override {
        return AttachThreadInput(GetCurrentThreadId(), other, on ? TRUE : FALSE) != 0;
    }
    bool CapsLockToggled() override { return (GetKeyState(VK_CAPITAL) & 1) != 0; }
};

// Caps Lock as the focused thread has it.
inline bool SystemCapsLockOn() {
    SystemThreadKeyState threads;
    return FocusedCapsLockOn(threads);
}

}  // namespace orv
