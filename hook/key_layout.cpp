#include "hook/key_layout.h"

namespace orv {

std::bitset<256> KeyLayout::Letters() {
    std::bitset<256> letters;
    for (int vk = 'A'; vk <= 'Z'; ++vk) letters.set(static_cast<std::size_t>(vk));
    return letters;
}

std::size_t KeyLayout::State(std::uint16_t vk, const KeyShifts& shifts) const {
    const bool shift = shifts.shift != (shifts.capsLock && capsLockKeys[vk]);
    return (shifts.altGr ? 2u : 0u) + (shift ? 1u : 0u);
}

std::uint8_t KeyLayout::Character(std::uint16_t vk, const KeyShifts& shifts) const {
    if (vk >= 256)
        return 0;
    const std::array<std::uint8_t, 256>* tables[] = {&plain, &shifted, &altGr, &altGrShifted};
    return (*tables[State(vk, shifts)])[vk];
}

bool KeyLayout::IsDead(std::uint16_t vk, const KeyShifts& shifts) const {
    return vk < 256 && deadKeys[State(vk, shifts)][vk];
}

std::uint8_t KeyLayout::Typed(std::uint16_t vk, bool shift, bool capsLock) const {
    constexpr std::uint16_t Keypad0 = 0x60, Keypad9 = 0x69;
    if (vk >= Keypad0 && vk <= Keypad9)
        return static_cast<std::uint8_t>('0' + vk - Keypad0);
    switch (vk) {
        case 0x6A:
            return '*';
        case 0x6B:
            return '+';
        case 0x6D:
            return '-';
        case 0x6E:
            return keypadDecimal;
        case 0x6F:
            return '/';
        default:
            return Character(vk, shift, capsLock);
    }
}

void KeyLayout::AddComposition(std::uint8_t accent, std::uint8_t base, std::uint8_t composed) {
    if (compositionCount < MaxCompositions)
        compositions[compositionCount++] = {accent, base, composed};
}

std::uint8_t KeyLayout::Composed(std::uint8_t accent, std::uint8_t base) const {
    for (std::size_t i = 0; i < compositionCount; ++i)
        if (compositions[i].accent == accent && compositions[i].base == base)
            return compositions[i].composed;
    return 0;
}

KeyCharacters DeadKeyComposer::Press(const KeyLayout& layout, std::uint16_t vk,
                                     const KeyShifts& shifts) {
    const std::uint8_t character = layout.Character(vk, shifts);
    if (character == 0)
        return {};  // Shift, an arrow: the accent still waits
    const std::uint8_t accent = accent_;
    accent_ = 0;
    if (accent == 0) {
        if (layout.IsDead(vk, shifts)) {
            accent_ = character;
            return {.dead = true};
        }
        return {.character = character};
    }
    // A second dead key, a letter the accent does not go over: both typed.
    if (const std::uint8_t composed = layout.Composed(accent, character))
        return {.character = composed};
    return {.accent = accent, .character = character};
}

}  // namespace orv
