// The keys a keyboard sends with the extended prefix: the caret block, the
// right-hand Ctrl and Alt, the Windows and Apps keys, Num Lock, the keypad's
// "/" and the media keys. A key typed without the mark reaches programs that
// read scan codes as its keypad twin (a digit with Num Lock on).
#pragma once

#include <cstdint>

namespace orv {

constexpr bool IsExtendedKey(std::uint8_t vk) {
    switch (vk) {
        case 0x03:  // Break
        case 0x21:  // Page Up, Page Down, End, Home, the arrows
        case 0x22:
        case 0x23:
        case 0x24:
        case 0x25:
        case 0x26:
        case 0x27:
        case 0x28:
        case 0x2C:  // Print Screen
        case 0x2D:  // Insert
        case 0x2E:  // Delete
        case 0x5B:  // the Windows keys, Apps
        case 0x5C:
        case 0x5D:
        case 0x6F:  // the keypad's "/"
        case 0x90:  // Num Lock
        case 0xA3:  // right Ctrl
        case 0xA5:  // right Alt
            return true;
        default:
            // Browser, volume and media keys.
            return vk >= 0xA6 && vk <= 0xB7;
    }
}

}  // namespace orv
