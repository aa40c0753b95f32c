#include "hook/capture_encoder.h"

#include <algorithm>

#include "common/hook_table.h"
#include "common/capture_section.h"
#include "common/script/catalogue.h"
#include "hook/input_decision.h"

namespace orv {
namespace {

constexpr std::uint16_t VkShift = 0x10, VkControl = 0x11, VkMenu = 0x12, VkLeftWin = 0x5B,
                        VkRightWin = 0x5C;

// Modifiers are written with the key they modify, never on their own.
bool IsModifierKey(std::uint16_t vk) {
    return vk == VkShift || vk == VkControl || vk == VkMenu || vk == VkLeftWin || vk == VkRightWin;
}
// One delay token holds at most 99.99 seconds: a longer gap while recording
// is the user away from the keyboard, and plays back as that much.
constexpr std::uint32_t LongestDelayHundredths = 9999;
constexpr std::uint32_t ShortestDelayHundredths = 10;

// Text built in fixed room: the hook procedures never allocate.
class Piece {
  public:
    Piece& Add(std::string_view s) {
        for (char c : s) Add(c);
        return *this;
    }
    Piece& Add(char c) {
        if (length_ < buffer_.size())
            buffer_[length_++] = c;
        return *this;
    }
    // value zero-padded to width digits.
    Piece& Digits(std::uint32_t value, int width) {
        char digits[10];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0 && n < 10);
        for (int pad = width - n; pad > 0; --pad) Add('0');
        while (n > 0) Add(digits[--n]);
        return *this;
    }
    // A signed whole number in exactly five characters: "00042", "-0042";
    // beyond what five characters hold, the nearest value they do.
    Piece& Signed5(std::int32_t value) {
        value = std::clamp(value, -9999, 99999);
        if (value < 0)
            return Add('-').Digits(static_cast<std::uint32_t>(-value), 4);
        return Digits(static_cast<std::uint32_t>(value), 5);
    }
    std::string_view View() const { return {buffer_.data(), length_}; }

  private:
    std::array<char, 64> buffer_{};
    std::size_t length_ = 0;
};

std::uint32_t RecordingWindow(ConstBytes t) {
    return t[HookAt::CaptureWindowOn] != 0 ? GetU32(t, HookAt::CaptureWindow)
                                           : GetU32(t, HookAt::PlayerWindow);
}

KeyCombination StopKeyAt(ConstBytes t, std::size_t mouseAt, std::size_t keyAt, std::size_t ctrlAt) {
    KeyCombination k;
    k.mouse = GetU16(t, mouseAt);
    k.vk = GetU16(t, keyAt);
    k.ctrl = t[ctrlAt] != 0;
    k.alt = t[ctrlAt + 1] != 0;
    k.shift = t[ctrlAt + 2] != 0;
    k.win = t[ctrlAt + 3] != 0;
    return k;
}

bool Matches(const KeyCombination& stop, const KeyCombination& pressed) {
    return (stop.vk != 0 || stop.mouse != 0) && stop == pressed;
}

// The held-modifier tokens that make the next key a shortcut; Win has none
// of its own, so it is held down and let go around the key.
void ModifierTokens(Piece& p, const KeyCombination& held) {
    if (held.win)
        p.Add("<WIND>");
    if (held.ctrl)
        p.Add("<CTRL>");
    if (held.alt)
        p.Add("<ALT>");
    if (held.shift)
        p.Add("<SHIFT>");
}

}  // namespace

void CaptureText::Append(std::string_view piece) {
    if (piece.size() > Room - length)
        return;
    std::copy(piece.begin(), piece.end(), text.begin() + length);
    length = static_cast<std::uint8_t>(length + piece.size());
}

CaptureEncoder::CaptureEncoder() {
    for (const KeystrokeToken& k : KeystrokeTokens)
        if (!IsModifierKey(k.VirtualKey))
            keyTokens_[k.VirtualKey] = k.Token;
}

bool CaptureEncoder::Running(ConstBytes t) {
    return t[HookAt::CaptureRunning] != 0 && RecordingWindow(t) != 0;
}

CaptureText CaptureEncoder::Start(ConstBytes t) {
    CaptureText out;
    out.window = RecordingWindow(t);
    out.macro = GetU16(t, HookAt::CaptureMacro);
    return out;
}

bool CaptureEncoder::IsStopKey(ConstBytes t, const KeyCombination& pressed) {
    if (Matches(StopKeyAt(t, HookAt::StopMouse, HookAt::StopKey, HookAt::StopCtrl), pressed))
        return true;
    return t[HookAt::SecondStopGiven] != 0 &&
           Matches(StopKeyAt(t, CaptureAt::SecondStopMouse, CaptureAt::SecondStopKey,
                             CaptureAt::SecondStopCtrl),
                   pressed);
}

void CaptureEncoder::FollowStart(Bytes t) {
    if (t[HookAt::CaptureStarted] == 0)
        return;
    t[HookAt::CaptureStarted] = 0;
    lastTime_.reset();
    lastPlace_.reset();
    lastMoveTime_ = 0;
    frameWritten_ = false;
}

void CaptureEncoder::Delay(CaptureText& out, ConstBytes t, std::uint32_t time) {
    const std::optional<std::uint32_t> last = lastTime_;
    lastTime_ = time;
    if (t[HookAt::CaptureTime] == 0 || !last)
        return;
    // The event clock wraps after 49 days; the difference still holds.
    const std::uint32_t hundredths = std::min((time - *last) / 10, LongestDelayHundredths);
    if (hundredths < ShortestDelayHundredths)
        return;
    // Seconds with two decimals, at least five characters ("00.25").
    Piece p;
    p.Add("<DELAY:").Digits(hundredths / 100, 2).Add('.').Digits(hundredths % 100, 2).Add('>');
    out.Append(p.View());
}

void CaptureEncoder::Key(CaptureText& out, ConstBytes t, std::uint16_t vk,
                         const KeyCombination& held, std::uint8_t character,
                         const KeyLayout& layout, std::uint32_t time) {
    if (t[HookAt::CaptureKeys] == 0 || IsModifierKey(vk) || vk >= keyTokens_.size())
        return;
    Piece p;
    const bool shortcut = held.ctrl || held.alt || held.win;
    if (!shortcut && character != 0 && character != '<') {
        p.Add(static_cast<char>(character));
    } else if (!shortcut && character == '<') {
        // A "<" followed by more typing could spell a token: the key that
        // typed it is written instead, with the Shift it needed.
        const std::uint8_t plain = layout.Character(vk, false, false);
        if (held.shift && plain != 0 && plain != '<')
            p.Add("<SHIFT>").Add(static_cast<char>(plain));
        else
            p.Add("<ALT:060>");
    } else {
        // A shortcut, or a key that types nothing: the key itself under the
        // modifiers held with it.
        const std::uint8_t plain = layout.Character(vk, false, false);
        const std::string_view token = keyTokens_[vk];
        if (token.empty() && (plain == 0 || plain == '<'))
            return;
        ModifierTokens(p, held);
        if (!token.empty())
            p.Add(token);
        else
            p.Add(static_cast<char>(plain));
        if (held.win)
            p.Add("<WINU>");
    }
    Delay(out, t, time);
    out.Append(p.View());
}

void CaptureEncoder::AltReleased(CaptureText& out, ConstBytes t, bool lone, std::uint32_t time) {
    if (!lone || t[HookAt::CaptureKeys] == 0 || t[HookAt::DoubleAlt] == 0)
        return;
    Delay(out, t, time);
    out.Append("<ALT>");
}

void CaptureEncoder::Move(CaptureText& out, ConstBytes t, const PointerPlace& place) {
    Piece p;
    if (t[HookAt::RecordWindowSize] != 0 && !frameWritten_) {
        // The window the recording starts in gets its size and place back,
        // so the positions recorded in it hit the same spots.
        p.Add("<WSIZE:")
            .Digits(static_cast<std::uint32_t>(std::clamp(place.windowWidth, 0, 9999)), 4)
            .Add(',')
            .Digits(static_cast<std::uint32_t>(std::clamp(place.windowHeight, 0, 9999)), 4)
            .Add("\"CURRENT\">");
        p.Add("<WPOS:")
            .Digits(static_cast<std::uint32_t>(std::clamp(place.windowLeft, 0, 9999)), 4)
            .Add(',')
            .Digits(static_cast<std::uint32_t>(std::clamp(place.windowTop, 0, 9999)), 4)
            .Add("\"CURRENT\">");
        out.Append(p.View());
        p = Piece{};
    }
    frameWritten_ = true;
    std::int32_t x = place.x, y = place.y;
    switch (t[HookAt::RelativeTo]) {
        case 1:
            p.Add("<MMS:");
            break;
        case 2:
            p.Add("<MMW:");
            x -= place.windowLeft;
            y -= place.windowTop;
            break;
        default:
            // From the last position recorded; the first one from wherever
            // the pointer is when the macro plays.
            p.Add("<MMP:");
            x = lastPlace_ ? place.x - lastPlace_->x : 0;
            y = lastPlace_ ? place.y - lastPlace_->y : 0;
            break;
    }
    p.Signed5(x).Add(',').Signed5(y).Add('>');
    lastPlace_ = place;
    out.Append(p.View());
}

void CaptureEncoder::Button(CaptureText& out, ConstBytes t, std::uint8_t button, bool up,
                            const PointerPlace& place, std::uint32_t time) {
    static constexpr std::string_view Clicks[] = {"<LCLK>", "<RCLK>", "<MCLK>"};
    static constexpr std::string_view Downs[] = {"<LDN>", "<RDN>", "<MDN>"};
    static constexpr std::string_view Ups[] = {"<LUP>", "<RUP>", "<MUP>"};
    if (t[HookAt::CaptureMouse] == 0 || button < 1 || button > 3)
        return;
    const bool clicksOnly = t[HookAt::CaptureClicksOnly] != 0;
    if (clicksOnly && up)
        return;
    Delay(out, t, time);
    Move(out, t, place);
    out.Append(clicksOnly ? Clicks[button - 1] : up ? Ups[button - 1] : Downs[button - 1]);
}

void CaptureEncoder::Moved(CaptureText& out, ConstBytes t, const PointerPlace& place,
                           std::uint32_t time) {
    if (t[HookAt::CaptureMouse] == 0 || t[HookAt::CaptureClicksOnly] != 0)
        return;
    if (lastTime_ && time - lastMoveTime_ < MoveIntervalMs)
        return;
    lastMoveTime_ = time;
    Delay(out, t, time);
    Move(out, t, place);
}

void WindowScreenSpace::FromPhysical(std::int32_t& x, std::int32_t& y) const {
    const std::uintptr_t window = WindowUnder(x, y);
    std::int32_t logicalX = x, logicalY = y;
    if (window && Convert(window, logicalX, logicalY)) {
        x = logicalX;
        y = logicalY;
    }
}

PointerPlace PlaceOfHookPoint(std::int32_t x, std::int32_t y, const ScreenSpace& space) {
    space.FromPhysical(x, y);
    return {.x = x, .y = y};
}

}  // namespace orv
