// Caps Lock as the thread with the keyboard focus has it. A thread's key
// state follows only the key messages it reads itself, so a thread that never
// has the focus (the player's, the hook library's input thread) reads the
// focused one's: attached to that thread's input, it shares its key state for
// the reading.
#pragma once

#include <cstdint>

namespace orv {

class ThreadKeyState {
  public:
    virtual ~ThreadKeyState() = default;
    // The thread of the window with the focus; 0 for none.
    virtual std::uint32_t FocusedThread() = 0;
    virtual std::uint32_t ThisThread() = 0;
    // This thread shares another's input state, or stops sharing it; false
    // when the system refuses.
    virtual bool Attach(std::uint32_t other, bool on) = 0;
    // Caps Lock's toggle in the key state this thread sees.
    virtual bool CapsLockToggled() = 0;
};

inline bool FocusedCapsLockOn(ThreadKeyState& threads) {
    const std::uint32_t focused = threads.FocusedThread();
    const bool attached =
        focused != 0 && focused != threads.ThisThread() && threads.Attach(focused, true);
    const bool on = threads.CapsLockToggled();
    if (attached)
        threads.Attach(focused, false);
    return on;
}

}  // namespace orv
