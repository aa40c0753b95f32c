// What the hook library does with one key or button event: which message it
// posts, to whom, and whether the event goes on to the focused window. The
// decision reads the master table and the remap table (writing only the idle
// seconds back to 0) and keeps its own small picture of the keyboard, so it
// never blocks, allocates or touches a file; the Win32 hook procedures only
// translate events in and carry out the decision.
//
// Keys the library cannot tell apart in a combination: left and right Ctrl,
// Alt, Shift and Win (AltGr, which the system delivers as a left Ctrl of its
// own making and the right Alt, is told apart); Enter and the keypad's Enter;
// the keypad's navigation keys with Num Lock off and the keys they stand for.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>

#include "common/bytes.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/program_messages.h"
#include "common/swap_keys.h"
#include "hook/capture_encoder.h"
#include "common/modifier_keys.h"
#include "hook/key_layout.h"

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
    // The key is one of the "&" letters of the focused window's dialog: asked
    // of the system only while a dialog asks for a combination.
    bool dialogLetter = false;
    std::uint32_t scanCode = 0;
    bool extended = false;
    // A key held back while a Cueword's text was typed, typed again now: the
    // user's own key, which is never held again.
    bool replayed = false;
};

// The scan code of the left Ctrl the system presses with the right Alt of a
// layout with AltGr.
constexpr std::uint32_t AltGrControlScanCode = 0x21D;

// A key the user typed while a Cueword's text was typed, typed again after
// it as it came.
struct HeldKey {
    std::uint16_t vk = 0;
    std::uint16_t scanCode = 0;
    bool extended = false;
    bool up = false;
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
    // A press that waited behind the held keys, pressed again after them.
    bool replayed = false;
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
    // The keys held back while a Cueword's text was typed are typed now,
    // after the posts.
    bool replayHeld = false;
    // The user's button press (1 left, 2 right, 3 middle) that came while keys
    // were held: pressed again after them, 0 none.
    std::uint8_t replayButton = 0;

    // A post naming no window is dropped.
    void Add(const HookPost& post) {
        if (post.window != 0 && postCount < MaxPosts)
            posts[postCount++] = post;
    }
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
    // A hold remembers this many keys; the key that finds no room takes the
    // one place more and sends them all, and the hold gives up: later keys go
    // straight on, after them.
    static constexpr std::size_t MaxHeldKeys = 128;
    static constexpr std::size_t HeldKeyRoom = MaxHeldKeys + 1;

    InputDecider();

    HookRoles roles;
    KeyLayout layout;
    // Asked before a combination is acted on; none: the hooks' own picture
    // is trusted.
    const RealKeyState* realKeys = nullptr;
    void SetCapsLock(bool on) { capsLock_ = on; }
    bool CapsLock() const { return capsLock_; }
    // The keys held back, for typing them again; the hold forgets them.
    std::span<const HeldKey> TakeHeldKeys();
    // Keys are held back and the run that held them has ended without its
    // closing marker.
    bool HoldOver(ConstBytes table) const {
        return heldCount_ > 0 && table.size() >= HookTable::Size &&
               table[HookAt::MacroPlaying] != HookAt::PlayingHoldsTyping;
    }
    // The user holds Ctrl, Alt, Shift or Win as far as these hooks saw; the
    // player's own presses and releases do not count.
    bool AnyModifierHeld() const { return UserModifierKeys() != 0; }
    // Which of the modifier keys (left and right apart) the user holds.
    ModifierKeySet UserModifierKeys() const { return userKeys_; }
    // The in-use byte was handed over: a run may have ended or begun.
    void InUseHandedOver() { runEnded_ = holdGaveUp_ = false; }

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
    // The keys with which the user leaves a box that asks for a combination,
    // as from the system's own hot-key control: Escape, Tab and Shift+Tab,
    // Enter, and Alt with a letter of the box's own dialog. They go on to
    // the dialog; the dialog's key list still offers them.
    static bool LeavesTheBox(const KeyCombination& keys, bool dialogLetter);

  private:
    KeyCombination Held() const;
    // The system's left Ctrl and the right Alt of AltGr are both down. A
    // release of either Alt, or of the Alt with no side, ends it; a right
    // Ctrl pressed and let go meanwhile does not.
    bool AltGrHeld() const {
        return down_[VirtualKey::LeftControl] && rightAlt_ && down_[VirtualKey::Menu];
    }
    void FollowAltGr(const KeyEvent& event);
    // The user's own press or release of a modifier key, left and right apart.
    void FollowUserModifier(const KeyEvent& event);
    // A run has the input: its in-use byte is set and its closing marker has
    // not passed.
    bool Playing(ConstBytes table) const;
    // No run has the input any more: whatever the last one left is over.
    void FollowRun(ConstBytes table);
    // What the key types in the focused window, dead keys composed; only
    // for a key that reaches it.
    KeyCharacters CharactersOf(std::uint16_t vk);
    // While a Cueword's text is typed the user's keys wait: true when this
    // one is held back (or ends the hold and is typed after the others).
    bool HoldTyping(const KeyEvent& event, ConstBytes table, InputDecision& d);
    // A hot key the player acts on even while a run has the input.
    bool ActsDuringRun(const KeyEvent& event, ConstBytes table) const;
    // The first key held: the modifier keys the user holds already go first,
    // so that the keys after them type what they typed.
    void HoldModifiersHeldNow(const KeyEvent& first);
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
        std::uint8_t accent = 0;  // a dead key's accent typed before the character
        std::uint8_t character = 0;
    };
    Typing TypingOf(std::uint16_t vk, bool focusChanged, const KeyCharacters& typed) const;
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
    ModifierKeySet userKeys_ = 0;
    // The user's modifier keys the player has lifted and not yet put back.
    ModifierKeySet liftedByPlayer_ = 0;
    // Each modifier key's last press by the user, in the order of ModifierKeys.
    std::array<HeldKey, ModifierKeys.size()> userPresses_{};
    bool rightAlt_ = false;
    DeadKeyComposer deadKeys_;
    std::array<HeldKey, HeldKeyRoom> heldKeys_{};
    std::size_t heldCount_ = 0;
    std::bitset<256> heldDown_;  // keys whose press was held back
    std::array<HeldKey, HeldKeyRoom> replaying_{};
    bool holdGaveUp_ = false;
    // The run's closing marker came: its input is all through.
    bool runEnded_ = false;
    // The focus at the last key; none before the first.
    std::optional<std::uint32_t> focus_;
    // Position of each character in the remap table, or -1.
    std::array<std::int16_t, 256> swapIndex_;
};

}  // namespace orv
