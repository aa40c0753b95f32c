#include "hook/win32/layout_learning.h"

namespace orv {
namespace {

constexpr int ShiftStates = 4;  // plain, Shift, AltGr, AltGr+Shift

// A character of the system code page, or 0 where it has none.
std::uint8_t Ansi(wchar_t wide) {
    char ansi = 0;
    BOOL defaulted = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, &ansi, 1, nullptr,
                            &defaulted) != 1 ||
        defaulted)
        return 0;
    const auto c = static_cast<std::uint8_t>(ansi);
    return c >= 0x20 && c != 0x7F ? c : 0;
}

struct KeyState {
    std::array<BYTE, 256> bytes{};

    KeyState(int shiftState, bool capsLock) {
        const BYTE down = 0x80;
        if (shiftState & 1)
            bytes[VK_SHIFT] = bytes[VK_LSHIFT] = down;
        if (shiftState & 2)
            bytes[VK_CONTROL] = bytes[VK_LCONTROL] = bytes[VK_MENU] = bytes[VK_RMENU] = down;
        if (capsLock)
            bytes[VK_CAPITAL] = 1;
    }
};

// One key through the layout. Learning runs before the key it was asked for
// reaches any window, and leaves no dead key waiting behind it.
int Translate(HKL handle, UINT vk, const KeyState& state, wchar_t (&out)[8], UINT flags = 0) {
    const UINT scan = MapVirtualKeyExA(vk, MAPVK_VK_TO_VSC, handle);
    return ToUnicodeEx(vk, scan, state.bytes.data(), out, 8, flags, handle);
}

void ClearDeadKey(HKL handle) {
    const KeyState plain(0, false);
    wchar_t out[8];
    for (int i = 0; i < 4 && Translate(handle, VK_SPACE, plain, out) < 0; ++i) {
    }
}

std::array<std::uint8_t, 256>& Table(KeyLayout& layout, int state) {
    std::array<std::uint8_t, 256>* tables[] = {&layout.plain, &layout.shifted, &layout.altGr,
                                               &layout.altGrShifted};
    return *tables[state];
}

bool Learnable(UINT vk) {
    // Mouse buttons, the keypad (its own rule) and the modifiers themselves.
    return vk > VK_XBUTTON2 && !(vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) &&
           !(vk >= VK_SHIFT && vk <= VK_MENU) && !(vk >= VK_LSHIFT && vk <= VK_RMENU) &&
           vk != VK_PACKET;
}

void LearnCharacters(HKL handle, KeyLayout& layout) {
    for (int state = 0; state < ShiftStates; ++state) {
        const KeyState keys(state, false);
        for (UINT vk = 0; vk < 256; ++vk) {
            if (!Learnable(vk))
                continue;
            wchar_t out[8];
            const int n = Translate(handle, vk, keys, out);
            if (n < 0) {
                layout.deadKeys[state].set(vk);
                Table(layout, state)[vk] = Ansi(out[0]);
                ClearDeadKey(handle);
            } else if (n == 1) {
                Table(layout, state)[vk] = Ansi(out[0]);
            }
        }
    }
}

// Keys whose character Caps Lock shifts, as the layout marks them.
void LearnCapsLock(HKL handle, KeyLayout& layout) {
    layout.capsLockKeys.reset();
    const KeyState caps(0, true);
    for (UINT vk = 0; vk < 256; ++vk) {
        if (!Learnable(vk) || layout.deadKeys[0][vk] || layout.plain[vk] == 0)
            continue;
        wchar_t out[8];
        if (Translate(handle, vk, caps, out) == 1 && Ansi(out[0]) != layout.plain[vk] &&
            Ansi(out[0]) == layout.shifted[vk])
            layout.capsLockKeys.set(vk);
    }
}

// Each dead key before each key that types a character: what the system
// makes of the two.
void LearnCompositions(HKL handle, KeyLayout& layout) {
    for (int deadState = 0; deadState < ShiftStates; ++deadState) {
        for (UINT dead = 0; dead < 256; ++dead) {
            if (!layout.deadKeys[deadState][dead])
                continue;
            const std::uint8_t accent = Table(layout, deadState)[dead];
            for (int state = 0; state < ShiftStates; ++state) {
                const KeyState keys(state, false);
                for (UINT vk = 0; vk < 256; ++vk) {
                    const std::uint8_t base = Table(layout, state)[vk];
                    if (base == 0 || layout.deadKeys[state][vk])
                        continue;
                    wchar_t out[8];
                    if (Translate(handle, dead, KeyState(deadState, false), out) >= 0)
                        continue;
                    const int n = Translate(handle, vk, keys, out);
                    if (n == 1) {
                        if (const std::uint8_t composed = Ansi(out[0]))
                            layout.AddComposition(accent, base, composed);
                    } else if (n < 0) {
                        ClearDeadKey(handle);
                    }
                }
            }
        }
    }
}

}  // namespace

void LearnLayout(HKL handle, KeyLayout& layout) {
    layout = KeyLayout{};
    ClearDeadKey(handle);
    LearnCharacters(handle, layout);
    LearnCapsLock(handle, layout);
    LearnCompositions(handle, layout);
    if (const UINT decimal = MapVirtualKeyExA(VK_DECIMAL, MAPVK_VK_TO_CHAR, handle);
        decimal > 0x20 && decimal < 0x7F)
        layout.keypadDecimal = static_cast<std::uint8_t>(decimal);
}

const KeyLayout* LearnedLayouts::Find(HKL handle) const {
    for (const Entry& e : entries_)
        if (e.handle && e.handle == handle)
            return &e.layout;
    return nullptr;
}

const KeyLayout& LearnedLayouts::Learn(HKL handle) {
    Entry& slot = entries_[next_];
    next_ = (next_ + 1) % Room;
    slot.handle = handle;
    LearnLayout(handle, slot.layout);
    return slot.layout;
}

}  // namespace orv
