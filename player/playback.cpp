#include "player/playback.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/clock.h"
#include "common/extended_keys.h"
#include "player/date_time_text.h"

namespace orv::player {

namespace {

// The longest wait one token can ask for is a few years; anything longer is
// a reading gone wrong and is held to this (still abortable).
constexpr double LongestWaitMs = 1e11;
// Slices of a wait: short enough for a responsive abort.
constexpr std::uint32_t WaitSliceMs = 50;

std::uint64_t ToWaitMs(double ms) {
    if (!(ms > 0))
        return 0;  // negatives and NaN
    return static_cast<std::uint64_t>(std::min(ms, LongestWaitMs));
}

}  // namespace

void Playback::SendKey(std::uint8_t virtualKey, bool up) {
    keyDown_[virtualKey] = !up;
    playedSinceSettled_ = true;
    host_.KeyEvent(virtualKey, up, IsExtendedKey(virtualKey));
}

bool Playback::HasInputToSettle() {
    // Input into a window run as administrator never reaches the hooks, the
    // marker neither: there is nothing it could wait for.
    return playedSinceSettled_ && !refused_ && !(state_.Running && host_.ElevatedForeground());
}

void Playback::PlaySettleMarker(std::uint8_t virtualKey) {
    // The hook library takes the marker: it is no input into the window in
    // front, so a window run as administrator does not refuse it.
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    playedSinceSettled_ = false;
}

void Playback::PostVKey(std::uint8_t virtualKey, bool up) {
    // A key already down is always let go; after a refusal, no other.
    if (up ? !refused_ || keyDown_[virtualKey] : MayPlay())
        SendKey(virtualKey, up);
}

std::string PlaybackText::Elevated(std::string_view title) {
    return "The window \"" + std::string(title) +
           "\" runs as administrator. Orvane must be started as administrator to play into "
           "it. Macro will abort.";
}

bool Playback::MayPlay() {
    if (refused_)
        return false;
    if (!state_.Running)
        return true;
    const std::optional<std::string> title = host_.ElevatedForeground();
    if (!title) {
        playedSinceSettled_ = true;
        return true;
    }
    refused_ = true;
    EndRunNotice(PlaybackText::ElevatedCaption, PlaybackText::Elevated(*title));
    return false;
}

void Playback::TakeRunHold(bool inUse) {
    inUse_ = inUse;
    refused_ = false;
    playedSinceSettled_ = false;
    if (inUse_)
        host_.MarkMacroInUse(true);
    capsGivenBack_ = false;
    state_.CapsLockWasOn = host_.CapsLockOn();
    if (state_.CapsLockWasOn) {
        SendKey(VKey::Capital, false);
        SendKey(VKey::Capital, true);
    }
}

void Playback::GiveBackCapsLock() {
    if (!state_.CapsLockWasOn || capsGivenBack_)
        return;
    capsGivenBack_ = true;
    SendKey(VKey::Capital, false);
    SendKey(VKey::Capital, true);
}

void Playback::EndRunThen(const std::function<void()>& notice) {
    ReleaseEverything();
    GiveBackCapsLock();
    if (inUse_) {
        inUse_ = false;
        host_.MarkMacroInUse(false);
    }
    notice();
}

void Playback::EndRunNotice(std::string_view caption, std::string_view text) {
    EndRunThen([&] { host_.DoAMessage(caption, text); });
}

void Playback::TypeChar(unsigned char c, HeldModifiers& held) {
    if (!MayPlay())
        return;
    if (state_.KeystrokeDelayOn)
        KeyDelay(state_.KeystrokeDelay);
    if (c >= 128) {
        // Alt plus the keypad digits of the character's code in the system
        // code page: "0" and three digits.
        std::string digits = std::to_string(c);
        TypeAltNumber("0" + digits);
        return;
    }
    const std::optional<std::uint16_t> key = host_.KeyForChar(c);
    if (!key) {
        const ModifierKeySet lifted = LiftUserModifiers(0);
        host_.CharEvent(c);
        PutBackUserModifiers(lifted);
        return;
    }
    // The layout's shift state: 1 Shift, 2 Ctrl, 4 Alt. Only the states a
    // layout types characters with are pressed: Shift, Ctrl, Ctrl+Alt (AltGr)
    // and all three. Shift with Ctrl or with Alt alone is the system's own
    // key for switching the keyboard layout, so such a character goes with
    // its key alone rather than switch the user's layout.
    const std::uint8_t shiftState = *key >> 8;
    const ModifierKeySet lifted = LiftUserModifiers(shiftState & 7);
    if (shiftState == 1 || shiftState == 7) {
        PostVKey(VKey::Shift, false);
        held.Shift = true;
    }
    if (shiftState == 2 || shiftState == 6 || shiftState == 7) {
        PostVKey(VKey::Control, false);
        held.Ctrl = true;
    }
    if (shiftState == 6 || shiftState == 7) {
        PostVKey(VKey::Menu, false);
        held.Alt = true;
    }
    const std::uint8_t virtualKey = *key & 0xFF;
    PostVKey(virtualKey, false);
    PostVKey(virtualKey, true);
    ReleaseModifiers(held);
    PutBackUserModifiers(lifted);
}

namespace {

// Which modifier of a layout's shift state a key is (ModifierBit), whichever
// side; 0 for any other key.
std::uint8_t ModifierOf(int vk) {
    switch (vk) {
        case VKey::Shift:
        case VKey::LeftShift:
        case VKey::RightShift:
            return ModifierBit::Shift;
        case VKey::Control:
        case VKey::LeftControl:
        case VKey::RightControl:
            return ModifierBit::Ctrl;
        case VKey::Menu:
        case VKey::LeftMenu:
        case VKey::RightMenu:
            return ModifierBit::Alt;
        case VKey::LeftWin:
        case VKey::RightWin:
            return ModifierBit::Win;
        default:
            return 0;
    }
}

}  // namespace

ModifierKeySet Playback::LiftUserModifiers(std::uint8_t needed) {
    std::uint8_t keep = needed;
    for (int vk = 0; vk < 256; ++vk)
        if (keyDown_[vk])
            keep |= ModifierOf(vk);
    const ModifierKeySet down = host_.ModifierKeysDown();
    ModifierKeySet lifted = 0;
    for (std::uint8_t vk : ModifierKeys)
        if ((down & ModifierKeyBit(vk)) && !(ModifierOf(vk) & keep))
            lifted |= ModifierKeyBit(vk);
    if (lifted == 0)
        return 0;
    // A key between Alt or Win and its release keeps the menus shut.
    if (std::ranges::any_of(ModifierKeys, [&](std::uint8_t vk) {
            return (lifted & ModifierKeyBit(vk)) &&
                   (ModifierOf(vk) & (ModifierBit::Alt | ModifierBit::Win));
        })) {
        host_.KeyEvent(VKey::Unassigned, false, false);
        host_.KeyEvent(VKey::Unassigned, true, false);
    }
    // Not the run's own presses: ReleaseEverything never lets them go.
    for (std::uint8_t vk : ModifierKeys)
        if (lifted & ModifierKeyBit(vk))
            host_.KeyEvent(vk, true, IsExtendedKey(vk));
    return lifted;
}

void Playback::PutBackUserModifiers(ModifierKeySet lifted) {
    if (lifted == 0)
        return;
    const ModifierKeySet held = host_.ModifierKeysStillHeld(lifted);
    for (std::uint8_t vk : ModifierKeys)
        if (held & ModifierKeyBit(vk))
            host_.KeyEvent(vk, false, IsExtendedKey(vk));
}

void Playback::TypeAltNumber(std::string_view digits) {
    const ModifierKeySet lifted = LiftUserModifiers(0);
    PostVKey(VKey::Menu, false);
    for (char d : digits) {
        if (d < '0' || d > '9')
            continue;
        const std::uint8_t pad = VKey::Numpad0 + (d - '0');
        PostVKey(pad, false);
        PostVKey(pad, true);
    }
    PostVKey(VKey::Menu, true);
    PutBackUserModifiers(lifted);
}

void Playback::ReleaseModifiers(HeldModifiers& held) {
    const std::pair<bool*, std::uint8_t> modifiers[] = {
        {&held.Shift, VKey::Shift}, {&held.Ctrl, VKey::Control}, {&held.Alt, VKey::Menu}};
    for (auto [flag, virtualKey] : modifiers) {
        if (*flag) {
            *flag = false;
            PostVKey(virtualKey, true);
        }
    }
}

void Playback::ReleaseEverything() {
    for (int vk = 0; vk < 256; ++vk) {
        if (keyDown_[vk])
            PostVKey(static_cast<std::uint8_t>(vk), true);
    }
    const std::pair<std::uint32_t, std::uint32_t> buttons[] = {
        {MouseFlag::LeftDown, MouseFlag::LeftUp},
        {MouseFlag::RightDown, MouseFlag::RightUp},
        {MouseFlag::MiddleDown, MouseFlag::MiddleUp}};
    for (auto [down, up] : buttons) {
        if (buttonsDown_ & down)
            SendButton(up);
    }
}

// The system maps an absolute coordinate a to pixel a x extent / 65536
// (rounded or truncated, depending on the system); aiming at a quarter into
// the pixel lands on that pixel under either rule, at both edges too.
std::int32_t AbsoluteMouseCoordinate(double pixel, std::int32_t start, std::int32_t extent) {
    const double length = std::max(extent, 1);
    const double whole = std::trunc(pixel) - start;
    const double clamped = std::clamp(whole, 0.0, length - 1);
    const double absolute = std::floor((4.0 * clamped + 1.0) * 65536.0 / (4.0 * length));
    return static_cast<std::int32_t>(std::min(absolute, 65535.0));
}

WaitEnd Playback::WaitFor(const std::function<bool()>& done, std::optional<std::uint64_t> limitMs) {
    // The fine period costs the whole system power: held across timed waits
    // only, given back while a wait has no end.
    if (!limitMs)
        EndFineTimer();
    else if (!fineTimer_) {
        host_.FineTimer(true);
        fineTimer_ = true;
    }
    const std::uint64_t start = host_.MonotonicMs();
    for (;;) {
        host_.PumpMessages();
        if (done && done())
            return WaitEnd::Done;
        if (state_.AbortFlag)
            return WaitEnd::Aborted;
        const std::uint64_t elapsed = host_.MonotonicMs() - start;
        if (limitMs && elapsed >= *limitMs)
            return WaitEnd::TimedOut;
        const std::uint64_t slice =
            limitMs ? std::min<std::uint64_t>(*limitMs - elapsed, WaitSliceMs) : WaitSliceMs;
        host_.Idle(static_cast<std::uint32_t>(slice));
    }
}

void Playback::EndFineTimer() {
    if (fineTimer_)
        host_.FineTimer(false);
    fineTimer_ = false;
}

void Playback::KeyDelay(std::int64_t ms) {
    if (state_.PlaybackSpeed == 0)
        return;
    Wait(ToWaitMs(std::trunc(static_cast<double>(ms) * state_.PlaybackSpeed)));
}

void Playback::PauseFor(double seconds) {
    if (state_.PlaybackSpeed == 0)
        return;
    Wait(ToWaitMs(seconds * state_.PlaybackSpeed * 1000.0));
}

void Playback::PauseForNoSpeed(double seconds) {
    Wait(ToWaitMs(seconds * 1000.0));
}

void Playback::WaitForTimer(std::uint64_t ms) {
    host_.OpenWaitTimer();
    Wait(ms);
    host_.CloseWaitTimer();
}

void Playback::TimedPauseFor(double seconds) {
    if (state_.PlaybackSpeed == 0)
        return;
    WaitForTimer(ToWaitMs(std::trunc(state_.PlaybackSpeed * seconds * 1000.0)));
}

void Playback::GetSystemSize() {
    const ScreenPoint size = host_.ScreenSize();
    state_.ScreenWidth = std::max(size.X, 1);
    state_.ScreenHeight = std::max(size.Y, 1);
}

void Playback::MouseDelay() {
    if (state_.MouseDelayOn)
        KeyDelay(state_.MouseDelay);
}

void Playback::SendButton(std::uint32_t flag) {
    // A down flag's up partner is the next bit.
    constexpr std::uint32_t downFlags =
        MouseFlag::LeftDown | MouseFlag::RightDown | MouseFlag::MiddleDown;
    if (flag & downFlags) {
        if (!MayPlay())
            return;
        buttonsDown_ |= flag;
    } else {
        if (refused_ && !(buttonsDown_ & (flag >> 1)))
            return;
        buttonsDown_ &= ~(flag >> 1);
    }
    host_.MouseEvent(flag, 0, 0, 0);
}

void Playback::MouseButton(std::uint32_t flag) {
    MouseDelay();
    SendButton(flag);
}

void Playback::MouseClicks(std::uint32_t downFlag, std::uint32_t upFlag, int clicks) {
    MouseDelay();
    for (int i = 0; i < clicks; ++i) {
        SendButton(downFlag);
        SendButton(upFlag);
    }
}

void Playback::MouseWheel(std::int32_t notches) {
    MouseDelay();
    if (MayPlay())
        host_.MouseEvent(MouseFlag::Wheel, 0, 0, notches * 120);
}

void Playback::MouseMoveTo(double x, double y) {
    MouseDelay();
    if (!MayPlay())
        return;
    const VirtualScreenArea screen = host_.VirtualScreen();
    host_.MouseEvent(MouseFlag::Absolute | MouseFlag::VirtualDesk | MouseFlag::Move,
                     AbsoluteMouseCoordinate(x, screen.Left, screen.Width),
                     AbsoluteMouseCoordinate(y, screen.Top, screen.Height), 0);
}

void Playback::MouseToCaret() {
    MouseDelay();
    if (!host_.MovePointerToCaret()) {
        host_.DoAMessage("Error", "Could not move the mouse to the location of the caret.");
    }
}

void Playback::TypeText(std::string_view text, HeldModifiers& held) {
    for (char c : text) TypeChar(static_cast<unsigned char>(c), held);
}

void Playback::TypeDate(int format, bool zeros, std::int32_t dayOffset, HeldModifiers& held) {
    const DateTimeParts date = DecodeDateTime(CurrentClock().Now() + dayOffset);
    TypeText(DateText(format, zeros, date), held);
}

void Playback::TypeTime(int format, bool zeros, HeldModifiers& held) {
    TypeText(TimeText(format, zeros, DecodeDateTime(CurrentClock().Now())), held);
}

}  // namespace orv::player
