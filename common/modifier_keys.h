// The eight modifier keys, left and right apart, by the system's key codes: a
// key the player lets go of for a keystroke is put back as that same key.
#pragma once

#include <array>
#include <cstdint>

namespace orv {

inline constexpr std::array<std::uint8_t, 8> ModifierKeys = {
    0xA0, 0xA1,  // left and right Shift
    0xA2, 0xA3,  // left and right Ctrl
    0xA4, 0xA5,  // left and right Alt
    0x5B, 0x5C,  // left and right Windows key
};

// A set of modifier keys: bit i stands for ModifierKeys[i].
using ModifierKeySet = std::uint8_t;

constexpr ModifierKeySet ModifierKeyBit(std::uint8_t vk) {
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i)
        if (ModifierKeys[i] == vk)
            return static_cast<ModifierKeySet>(1u << i);
    return 0;
}

}  // namespace orv
