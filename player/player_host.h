// What the interpreter needs from the machine it plays on. The Win32 host
// injects real input and shows real windows; tests use a host that records
// every event so traces can be compared exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/modifier_keys.h"
#include "player/command_families.h"

namespace orv::player {

struct ScreenPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The rectangle around every monitor, in the primary screen's coordinates
// (negative left of and above it).
struct VirtualScreenArea {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// Modifiers as bits: Shift, Ctrl and Alt as a layout's shift state has them.
namespace ModifierBit {
constexpr std::uint8_t Shift = 1, Ctrl = 2, Alt = 4, Win = 8;
}

// Mouse event flags, the system's own values.
namespace MouseFlag {
constexpr std::uint32_t Move = 0x0001;
constexpr std::uint32_t LeftDown = 0x0002;
constexpr std::uint32_t LeftUp = 0x0004;
constexpr std::uint32_t RightDown = 0x0008;
constexpr std::uint32_t RightUp = 0x0010;
constexpr std::uint32_t MiddleDown = 0x0020;
constexpr std::uint32_t MiddleUp = 0x0040;
constexpr std::uint32_t Wheel = 0x0800;
constexpr std::uint32_t VirtualDesk = 0x4000;  // absolute over every monitor, not the primary
constexpr std::uint32_t Absolute = 0x8000;
}  // namespace MouseFlag

class PlayerHost {
  public:
    virtual ~PlayerHost() = default;

    // Input. Every event carries the player's injected-input tag; an
    // extended key carries the extended mark too.
    virtual void KeyEvent(std::uint8_t virtualKey, bool up, bool extended) = 0;
    virtual void MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y,
                            std::int32_t data) = 0;
    // The key of a character in the keyboard layout of the window that
    // receives it: virtual key in the low byte, shift state (1 Shift, 2 Ctrl,
    // 4 Alt) in the high byte. None also for a dead key, which would merge
    // with the next character.
    virtual std::optional<std::uint16_t> KeyForChar(unsigned char c) = 0;
    // Types a character that the layout has no key for as the character
    // itself, not as a key.
    virtual void CharEvent(unsigned char c) = 0;

    // Screen and pointer.
    virtual ScreenPoint ScreenSize() = 0;
    virtual VirtualScreenArea VirtualScreen() = 0;
    virtual ScreenPoint CursorPos() = 0;
    virtual ScreenPoint ForegroundOrigin() = 0;
    // Puts the pointer on the focused window's caret; false when the caret
    // cannot be found.
    virtual bool MovePointerToCaret() = 0;

    // Time: a clock that never goes back, in milliseconds.
    virtual std::uint64_t MonotonicMs() = 0;
    // Lets the application handle its pending messages.
    virtual void PumpMessages() = 0;
    // Blocks at most ms, returning early when a message arrives. While a wait
    // timer is open the block is on that timer.
    virtual void Idle(std::uint32_t ms) = 0;
    virtual void OpenWaitTimer() = 0;
    virtual void CloseWaitTimer() = 0;
    // Asks for (on) or gives back (off) waits timed to the millisecond: the
    // system's default tick is 15.6 ms, and since Windows 10 2004 another
    // program's request no longer shortens ours. Asked once by a run that
    // waits, given back when the run ends.
    virtual void FineTimer(bool on) = 0;

    // The player's notice window.
    virtual void DoAMessage(std::string_view caption, std::string_view text) = 0;
    // The repeat prompt: the count the user entered.
    virtual std::uint16_t DoRepPrompt() = 0;

    // Texts a run can play inside itself. A text file gives at most
    // maxBytes + 1 bytes (more than maxBytes: the file is larger), none when
    // it cannot be read.
    virtual std::optional<std::string> MacroScript(std::string_view nickname) = 0;
    virtual std::optional<std::string> ReadTextFile(std::string_view path,
                                                    std::size_t maxBytes) = 0;

    // The title of the foreground window when its program runs at a higher
    // integrity level than ours (as administrator), where our input is
    // dropped; none otherwise.
    virtual std::optional<std::string> ElevatedForeground() = 0;

    // Caps Lock as it is now.
    virtual bool CapsLockOn() = 0;
    // The modifier keys down now, left and right apart, the player's own
    // presses among them; and of those the player let go for a keystroke,
    // the ones the user still holds on the keyboard.
    virtual ModifierKeySet ModifierKeysDown() { return 0; }
    virtual ModifierKeySet ModifierKeysStillHeld(ModifierKeySet lifted) { return lifted; }

    // The run's outward signs: the in-use byte handed to the hook library and
    // the editor told; the tray icon's running picture; the timer that clears
    // the in-use byte should the hook library never answer the end marker.
    virtual void MarkMacroInUse(bool inUse) = 0;
    virtual void ShowRunning(bool running) = 0;
    virtual void StartClearTimer() = 0;

    // The command families this host performs; tokens of the others are
    // passed over.
    virtual CommandFamilies Families() { return {}; }
};

}  // namespace orv::player
