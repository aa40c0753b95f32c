// What each key types under a keyboard layout, and the accents of its dead
// keys composed with the next character as the system composes them: filled
// from the system on Windows, by hand in tests.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

namespace orv {

// Which of the layout's shift states a key is pressed in.
struct KeyShifts {
    bool shift = false;
    bool altGr = false;
    bool capsLock = false;
};

struct KeyLayout {
    // The character of each key in each state; 0 where it types none. A dead
    // key's entry is its accent typed alone.
    std::array<std::uint8_t, 256> plain{};
    std::array<std::uint8_t, 256> shifted{};
    std::array<std::uint8_t, 256> altGr{};
    std::array<std::uint8_t, 256> altGrShifted{};
    // The keys Caps Lock shifts: the letters unless the layout says more
    // (German umlauts, French accented letters).
    std::bitset<256> capsLockKeys = Letters();
    // The dead keys of each state, in the order of the tables above.
    std::array<std::bitset<256>, 4> deadKeys{};
    std::uint8_t keypadDecimal = '.';  // the layout's decimal sign on the keypad

    struct Composition {
        std::uint8_t accent = 0, base = 0, composed = 0;
    };
    static constexpr std::size_t MaxCompositions = 512;
    std::array<Composition, MaxCompositions> compositions{};
    std::uint16_t compositionCount = 0;

    std::uint8_t Character(std::uint16_t vk, bool shift, bool capsLock) const {
        return Character(vk, {.shift = shift, .capsLock = capsLock});
    }
    std::uint8_t Character(std::uint16_t vk, const KeyShifts& shifts) const;
    // As Character, with the keypad's digits and signs: the system sends
    // their keys only with Num Lock on, and with it off the same keys arrive
    // as caret keys and Clear.
    std::uint8_t Typed(std::uint16_t vk, bool shift, bool capsLock) const;
    bool IsDead(std::uint16_t vk, const KeyShifts& shifts) const;
    // Fixed room: compositions beyond it are dropped.
    void AddComposition(std::uint8_t accent, std::uint8_t base, std::uint8_t composed);
    // The accent over base as one character; 0 when the layout has none.
    std::uint8_t Composed(std::uint8_t accent, std::uint8_t base) const;

  private:
    static std::bitset<256> Letters();
    // The index of the state the key is in, Caps Lock applied.
    std::size_t State(std::uint16_t vk, const KeyShifts& shifts) const;
};

// Up to two characters one key press types: a dead key's accent that does
// not compose with what follows comes before it.
struct KeyCharacters {
    std::uint8_t accent = 0;
    std::uint8_t character = 0;
    bool dead = false;  // a dead key: nothing yet, its accent waits
};

// The accent of a dead key pressed last, waiting for the next character, as
// the window that receives the keys keeps it.
class DeadKeyComposer {
  public:
    KeyCharacters Press(const KeyLayout& layout, std::uint16_t vk, const KeyShifts& shifts);
    // The text before the caret starts afresh (another window).
    void Forget() { accent_ = 0; }

  private:
    std::uint8_t accent_ = 0;
};

}  // namespace orv
