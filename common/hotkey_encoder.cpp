#include "common/hotkey_encoder.h"

#include <array>
#include <cstdint>

namespace orv {
namespace {

constexpr int KeySlots = 256;
constexpr int MouseSlots = 4;  // none, left, right, middle
constexpr int ModifierSets = 16;

// Keys take the slots 0..255 (their virtual key), buttons the four behind.
int Slot(const KeyCombination& k) {
    if (k.mouse != 0)
        return k.vk == 0 && k.mouse < MouseSlots ? KeySlots + k.mouse : -1;
    return k.vk != 0 && k.vk < KeySlots ? k.vk : -1;
}

int ModifierSet(const KeyCombination& k) {
    return (k.ctrl ? 1 : 0) | (k.alt ? 2 : 0) | (k.shift ? 4 : 0) | (k.win ? 8 : 0);
}

using CodeTable = std::array<std::int16_t, (KeySlots + MouseSlots) * ModifierSets>;

const CodeTable& Codes() {
    static const CodeTable table = [] {
        CodeTable t;
        t.fill(NoHotKey);
        for (int code = 0; code < HotKeyCount; ++code) {
            KeyCombination k = PressedCombination(code);
            t[Slot(k) * ModifierSets + ModifierSet(k)] = static_cast<std::int16_t>(code);
        }
        return t;
    }();
    return table;
}

constexpr int WinSpaceCode = 720;
constexpr std::uint16_t SpaceKey = 32;

}  // namespace

KeyCombination PressedCombination(int code) {
    if (code == WinSpaceCode)
        return KeyCombination{.vk = SpaceKey, .win = true};
    return DecipherKey(code);
}

int EncodeHotKey(const KeyCombination& keys) {
    int slot = Slot(keys);
    return slot < 0 ? NoHotKey : Codes()[slot * ModifierSets + ModifierSet(keys)];
}

}  // namespace orv
