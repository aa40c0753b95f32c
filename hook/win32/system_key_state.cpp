#include "hook/win32/system_key_state.h"

#include <windows.h>

namespace orv {

KeyCombination SystemKeyState::HeldModifiers() const {
    auto down = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
    KeyCombination keys;
    keys.ctrl = down(VK_CONTROL);
    keys.alt = down(VK_MENU);
    keys.shift = down(VK_SHIFT);
    keys.win = down(VK_LWIN) || down(VK_RWIN);
    return keys;
}

bool SystemKeyState::CapsLockOn() const {
    // The input thread has no window with the focus: its key state follows
    // the desktop's.
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

}  // namespace orv
