// What the hook library does with one key or button event: which message it
// posts, to whom, and whether the event goes on to the focused window. The
// decision reads the master table and the remap table (writing only the idle
// seconds back to 0) and keeps its own small picture of the keyboard, so it
// never blocks, allocates or touches a file; the Win32 hook procedures only
// translate events in and carry out the decision.
//
// Keys the library cannot tell apart: left and right Ctrl, Alt, Shift and Win;
// AltGr, which the system delivers as Ctrl+Alt; Enter and the keypad's Enter;
// the keypad's navigation keys with Num Lock off and the keys they stand for.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "common/bytes.h"
#include "common/hotkeys.h"
#include "common/program_messages.h"
#include "common/swap_keys.h"
#include "hook/capture_encoder.h"

namespace orv {

// wParam of a typed-character report (CuewordChar and WaitTextChar): a
// character, the text typed so far no longer counts, or (CuewordChar only) a
// character typed with Caps Lock on.
namespace TypedKind {
constexpr std::uint32_t Character = 0;
constexpr std::uint32_t Reset = 1;
constexpr std::uint32_t CapsLockCharacter = 2;
}  // namespace TypedKind

// Added to a hot-key code when Caps Lock was on at the press.
constexpr std::uint32_t CapsLockOnBit = 0x8000;

namespace VirtualKey {
constexpr std::uint16_t Backspace = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11,
                        Menu = 0x12, Capital = 0x14, Escape = 0x1B, PageUp = 0x21, Delete = 0x2E,
                        Insert = 0x2D, Execute = 0x2B, LeftWin = 0x5B, RightWin = 0x5C,
                        NumLock = 0x90, ScrollLock = 0x91, LeftShift = 0xA0, RightShift = 0xA1,
                        LeftControl = 0xA2, RightControl = 0xA3, LeftMenu = 0xA4, RightMenu = 0xA5;
// Assigned to nothing: typed so that a lone Alt or Win release opens no menu.
constexpr std::uint16_t Unassigned = 0xE8;
}  // namespace VirtualKey

struct KeyEvent {
    std::uint16_t vk = 0;
    bool up = false;
    bool injectedByPlayer = false;
    // The window that has the focus at the event (the active one when none
    // has it).
    std::uint32_t focus = 0;
    std::uint32_t time = 0;  // the event's time stamp in milliseconds
};

struct ButtonEvent {
    std::uint8_t button = 0;  // 1 left, 2 right, 3 middle
    bool up = false;
    bool injectedByPlayer = false;
    std::uint32_t time = 0;
    PointerPlace place;  // filled only while a recording takes the mouse
    // The pointer is over the window that has the focus: asked of the system
    // only while a dialog asks for a combination.
    bool overFocus = false;
};

// The pointer moved or the wheel turned.
struct PointerEvent {
    bool injectedByPlayer = false;
    std::uint32_t time = 0;
    PointerPlace place;  // filled only while a recording takes the mouse
};

struct HookPost {
    std::uint32_t window = 0;  // 0: nothing to post
    std::uint32_t message = 0;
    std::uint32_t wParam = 0;
    bool focusInLParam = false;  // lParam: the window that has the focus
    std::uint32_t lParam = 0;    // otherwise this
};

struct InputDecision {
    static constexpr std::size_t MaxPosts = 8;

    bool swallow = false;  // the event does not reach the focused window
    // Posted in this order; fixed room, as a hook procedure never allocates.
    std::array<HookPost, MaxPosts> posts{};
    std::uint8_t postCount = 0;
    // Alt or Win is held over a swallowed key: a key nobody uses is typed so
    // that their release leaves no menu open.
    bool maskModifiers = false;
    std::uint8_t typeInstead = 0;  // the remapped character to type, 0 none
    // What a recording makes of the event; posted before the posts above.
    CaptureText capture;

    // A post naming no window is dropped.
    void Add(const HookPost& post) {
        if (post.window != 0 && postCount < MaxPosts)
            posts[postCount++] = post;
    }
};

// The character each key types, without and with Shift, as the keyboard
// layout says; 0 where the key types none.
struct KeyLayout {
    std::array<std::uint8_t, 256> plain{};
    std::array<std::uint8_t, 256> shifted{};
    std::uint8_t keypadDecimal = '.';  // the layout's decimal sign on the keypad

    std::uint8_t Character(std::uint16_t vk, bool shift, bool capsLock) const;
    // As Character, with the keypad's digits and signs: the system sends
    // their keys only with Num Lock on, and with it off the same keys arrive
    // as caret keys and Clear.
    std::uint8_t Typed(std::uint16_t vk, bool shift, bool capsLock) const;
};

// The keyboard as the system sees it, not as the hooks saw it go by.
class RealKeyState {
  public:
    virtual ~RealKeyState() = default;
    // Which of Ctrl, Alt, Shift and Win are held now.
    virtual KeyCombination HeldModifiers() const = 0;
    virtual bool CapsLockOn() const = 0;
};

// Which of the library's hooks are in place.
struct HookRoles {
    bool hotKeys = false;  // the keyboard hook
    bool mouse = false;
    bool remap = false;  // the key-swap hook
};

class InputDecider {
  public:
    InputDecider();

    HookRoles roles;
    KeyLayout layout;
    // Asked before a combination is acted on; none: the hooks' own picture
    // is trusted.
    const RealKeyState* realKeys = nullptr;
    void SetCapsLock(bool on) { capsLock_ = on; }
    bool CapsLock() const { return capsLock_; }
    // Ctrl, Alt, Shift or Win is down as far as these hooks saw.
    bool AnyModifierHeld() const {
        return down_[VirtualKey::Control] || down_[VirtualKey::Menu] || down_[VirtualKey::Shift] ||
               down_[VirtualKey::LeftWin];
    }

    // table: the master HookTable (anything shorter counts as absent);
    // swaps: the remap table, or null when there is none to apply.
    InputDecision OnKey(const KeyEvent& event, Bytes table, const std::uint8_t* swaps);
    InputDecision OnButton(const ButtonEvent& event, Bytes table);
    // The pointer moved or the wheel turned: it ends an idle period, and a
    // recording of whole mouse moves takes it.
    InputDecision OnPointerMoved(const PointerEvent& event, Bytes table);
    // A recording takes the mouse: the events need the pointer's place.
    static bool WantsPointerPlace(ConstBytes table);
    // A dialog asks which combination to use: a press needs overFocus.
    static bool AsksForCombination(ConstBytes table);

  private:
    KeyCombination Held() const;
    // The modifiers the user holds: those a run holds down are the player's.
    KeyCombination UserHeld() const;
    InputDecision Confirmed(KeyCombination keys, bool repeat, ConstBytes table);
    InputDecision ClosingKey(ConstBytes table) const;
    InputDecision Combination(const KeyCombination& keys, bool repeat, ConstBytes table) const;
    InputDecision Remap(std::uint16_t vk, const std::uint8_t* swaps) const;
    // What a key does to the text being typed: it starts afresh (another
    // window, a shortcut, a caret move), and the character it adds, if any.
    struct Typing {
        bool reset = false;
        std::uint8_t character = 0;
    };
    Typing TypingOf(std::uint16_t vk, bool focusChanged) const;
    // What a macro waiting for a key or for typed text is told of a key.
    void ReportToWait(InputDecision& d, std::uint16_t vk, bool repeat, const Typing& typing,
                      ConstBytes table) const;
    // What the player's Cueword buffer is told, while no run has the input.
    void ReportToCuewords(InputDecision& d, const Typing& typing, ConstBytes table) const;

    // The user's own event while a recording runs: its text so far, or none.
    std::optional<CaptureText> StartCapture(bool injectedByPlayer, Bytes table);
    // The stop key ends the recording: +4, and the key reaches no window.
    static InputDecision StopCapture(const CaptureText& capture);

    CaptureEncoder capture_;
    bool altAlone_ = false;  // Alt is down and nothing was pressed with it
    std::bitset<256> down_;
    std::bitset<256> swallowedKeys_;
    std::bitset<4> swallowedButtons_;
    bool capsLock_ = false;
    std::bitset<256> userModifiers_;
    // The focus at the last key; none before the first.
    std::optional<std::uint32_t> focus_;
    // Position of each character in the remap table, or -1.
    std::array<std::int16_t, 256> swapIndex_;
};

}  // namespace orv
