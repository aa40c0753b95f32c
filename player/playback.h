// The primitives that play input into the focused window: key transitions,
// characters through the keyboard layout, Alt plus keypad digits, delays and
// timed waits scaled by the playback speed, mouse events, dates and times.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "player/player_host.h"
#include "player/run_state.h"

namespace orv::player {

namespace VKey {
constexpr std::uint8_t RightButton = 2;
constexpr std::uint8_t MiddleButton = 4;
constexpr std::uint8_t Shift = 16;
constexpr std::uint8_t Control = 17;
constexpr std::uint8_t Menu = 18;
constexpr std::uint8_t Capital = 20;
constexpr std::uint8_t Execute = 43;
constexpr std::uint8_t LeftWin = 91;
constexpr std::uint8_t RightWin = 92;
constexpr std::uint8_t LeftShift = 0xA0, RightShift = 0xA1, LeftControl = 0xA2, RightControl = 0xA3,
                       LeftMenu = 0xA4, RightMenu = 0xA5;
// Assigned to nothing: typed so that letting go of Alt or Win opens no menu.
constexpr std::uint8_t Unassigned = 0xE8;
constexpr std::uint8_t Numpad0 = 0x60;
}  // namespace VKey

// The modifiers a typed character or a held-modifier token pressed; each
// interpreter call has its own.
struct HeldModifiers {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

enum class WaitEnd { Done, TimedOut, Aborted };

namespace PlaybackText {
inline constexpr std::string_view ElevatedCaption = "Window Runs as Administrator";
std::string Elevated(std::string_view title);
}  // namespace PlaybackText

// A pixel of one axis of the virtual screen (its first pixel start, its
// length extent) as the normalized coordinate, 0 to 65535, of an absolute
// mouse move over it; a pixel off it is held at its nearest edge.
std::int32_t AbsoluteMouseCoordinate(double pixel, std::int32_t start, std::int32_t extent);

class Playback {
  public:
    Playback(PlayerHost& host, RunState& state) : host_(host), state_(state) {}

    PlayerHost& Host() { return host_; }
    RunState& State() { return state_; }

    void PostVKey(std::uint8_t virtualKey, bool up);
    void TypeChar(unsigned char c, HeldModifiers& held);
    void TypeAltNumber(std::string_view digits);
    void ReleaseModifiers(HeldModifiers& held);
    // The user's own modifier keys a keystroke does not need (ModifierBit)
    // are let go for it, so that the macro's characters arrive as written,
    // and put back after it, each as the very key, while the user still
    // holds it.
    ModifierKeySet LiftUserModifiers(std::uint8_t needed);
    void PutBackUserModifiers(ModifierKeySet lifted);
    // Everything this run pressed and did not release: keys and buttons.
    void ReleaseEverything();

    // What a run holds besides its keys: Caps Lock, switched off while the
    // macro types when it was on, and the in-use byte for a run the user
    // started.
    void TakeRunHold(bool inUse);
    // The run set the in-use byte and has not given it back.
    bool HoldsInUse() const { return inUse_; }
    // Caps Lock back as the run found it; once a run.
    void GiveBackCapsLock();
    // The one road of every notice that ends a run: the run lets go of
    // everything first (keys and buttons, Caps Lock, the in-use byte), since
    // a modal notice would otherwise leave a key held under the user's clicks
    // and the hook library holding Escape and the hot keys back. The caller
    // then ends the run.
    void EndRunThen(const std::function<void()>& notice);
    void EndRunNotice(std::string_view caption, std::string_view text);
    // The system drops input into a window of a higher integrity level (one
    // run as administrator) without an error: before a run presses anything,
    // such a window in front ends it with a notice. True once that happened;
    // the run then ends.
    bool Refused() const { return refused_; }
    // Something was played since the run began or was last settled, and its
    // arrival can be waited for.
    bool HasInputToSettle();
    // The marker whose arrival at the hooks says all input before it has.
    void PlaySettleMarker(std::uint8_t virtualKey);

    // Waits of n x speed milliseconds (nothing at speed 0), pumping messages.
    void KeyDelay(std::int64_t ms);
    void PauseFor(double seconds);
    // A wait of exactly that long, whatever the speed.
    void PauseForNoSpeed(double seconds);
    // Waits on the player's named wait timer.
    void WaitForTimer(std::uint64_t ms);
    // The one wait every delay and every wait for an event uses: until done()
    // holds, the limit has passed (none: no limit) or the run is aborted;
    // messages are handled throughout, on a clock that never goes back.
    WaitEnd WaitFor(const std::function<bool()>& done, std::optional<std::uint64_t> limitMs);
    // Gives back the fine timer the run's first wait asked for; at the run's end.
    void EndFineTimer();
    void TimedPauseFor(double seconds);

    void GetSystemSize();

    // Mouse: each waits the mouse delay first when it is on.
    void MouseButton(std::uint32_t flag);
    void MouseClicks(std::uint32_t downFlag, std::uint32_t upFlag, int clicks);
    void MouseWheel(std::int32_t notches);
    void MouseMoveTo(double x, double y);
    void MouseToCaret();

    void TypeDate(int format, bool zeros, std::int32_t dayOffset, HeldModifiers& held);
    void TypeTime(int format, bool zeros, HeldModifiers& held);
    void TypeText(std::string_view text, HeldModifiers& held);

  private:
    void Wait(std::uint64_t ms) { WaitFor({}, ms); }
    void SendKey(std::uint8_t virtualKey, bool up);
    bool MayPlay();
    void MouseDelay();
    void SendButton(std::uint32_t flag);

    PlayerHost& host_;
    RunState& state_;
    std::array<bool, 256> keyDown_{};
    std::uint32_t buttonsDown_ = 0;
    bool capsGivenBack_ = false;
    bool fineTimer_ = false;
    // The in-use byte is set for this run and not yet given back.
    bool inUse_ = false;
    bool refused_ = false;
    bool playedSinceSettled_ = false;
};

}  // namespace orv::player
