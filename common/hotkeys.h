// Hot-key codes: a macro's activation value 0..720 names one key or mouse
// combination; the same number indexes its display name and its code-used flag.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orv {

namespace ActivationCode {
constexpr std::uint16_t LastHotKey = 720;
constexpr std::uint16_t Scheduled = 10000;
constexpr std::uint16_t Cueword = 20000;
constexpr std::uint16_t WindowTitle = 25000;
constexpr std::uint16_t None = 30000;
}  // namespace ActivationCode

constexpr int HotKeyCount = ActivationCode::LastHotKey + 1;
constexpr std::size_t KeyNameCapacity = 24;

inline bool IsHotKeyCode(int code) { return code >= 0 && code < HotKeyCount; }

// What a code stands for: the key to press (0 for mouse codes), the mouse
// button (1 left, 2 right, 3 middle, 0 none) and the modifiers held with it.
struct KeyCombination {
    std::uint16_t vk = 0;
    std::uint16_t mouse = 0;
    bool win = false;
    bool shift = false;
    bool alt = false;
    bool ctrl = false;

    friend bool operator==(const KeyCombination&, const KeyCombination&) = default;
};

// The display name of a hot-key code ("Ctrl+A", "Ctrl+Alt+Shift+Left Arro");
// empty for a value that is not a hot-key code.
const std::string& KeyName(int code);

// Decodes a hot-key code; a value that is not one decodes to all zero.
KeyCombination DecipherKey(int code);

// Codes the system itself may use; choosing one as a hot key asks first.
constexpr std::array<std::int32_t, 10> WindowsHotKeyTable = {89,  185, 233, 590, 557,
                                                             558, 559, 566, 571, 607};

bool IsWindowsHotKey(int code);
// The Yes/No question ("Warning") before such a code is taken as a hot key.
std::string WindowsHotKeyQuestion(int code);

}  // namespace orv
