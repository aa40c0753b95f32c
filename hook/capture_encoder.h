// The capture encoder: while the player or the editor records a macro, each
// key and button the user presses becomes script text that plays the same
// input back. It writes into fixed room and keeps its own small picture of
// the recording, so a hook procedure can call it for every event.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/bytes.h"
#include "common/hotkeys.h"

namespace orv {

struct KeyLayout;

// Script text to post, one character per ProgramMessage::CaptureChar, to the
// window that records.
struct CaptureText {
    static constexpr std::size_t Room = 128;
    std::uint32_t window = 0;
    std::uint32_t macro = 0;  // the wParam of each post: the macro recorded
    std::array<char, Room> text{};
    std::uint8_t length = 0;

    std::string_view View() const { return {text.data(), length}; }
    // Text that does not fit is dropped whole, never cut inside a token.
    void Append(std::string_view piece);
};

// Where the pointer is, and the foreground window's frame, at a mouse event,
// in the program's own screen coordinates: those of window frames, of the
// cursor and of the mouse events the player sends.
struct PointerPlace {
    std::int32_t x = 0, y = 0;
    std::int32_t windowLeft = 0, windowTop = 0;
    std::int32_t windowWidth = 0, windowHeight = 0;
};

// The low-level mouse hook gives the pointer in physical pixels, while the
// program's coordinates are logical wherever Windows scales them for it (a
// monitor whose DPI is not the system's). Recorded in the one space and
// played in the other, a click would land elsewhere: every hook point goes
// through this first.
class ScreenSpace {
  public:
    virtual ~ScreenSpace() = default;
    // A physical point in the program's coordinates.
    virtual void FromPhysical(std::int32_t& x, std::int32_t& y) const = 0;
};

// The system's conversion takes a window the point is on and fails for any
// other: it is made with the window under the point. Where there is none,
// or the conversion fails, the point is kept as it is.
class WindowScreenSpace : public ScreenSpace {
  public:
    void FromPhysical(std::int32_t& x, std::int32_t& y) const final;

  protected:
    // The window under a physical point, 0 for none.
    virtual std::uintptr_t WindowUnder(std::int32_t x, std::int32_t y) const = 0;
    // The system's conversion of the point with the window; false when it fails.
    virtual bool Convert(std::uintptr_t window, std::int32_t& x, std::int32_t& y) const = 0;
};

// The place of a mouse event whose hook point is (x, y); the frame is added
// by the caller, read in the program's coordinates.
PointerPlace PlaceOfHookPoint(std::int32_t x, std::int32_t y, const ScreenSpace& space);

class CaptureEncoder {
  public:
    CaptureEncoder();

    // A recording runs (738) and has a window to report to.
    static bool Running(ConstBytes table);
    // The recording's window (762 on: the capture window, else the player)
    // and macro, with no text yet.
    static CaptureText Start(ConstBytes table);

    // The combination pressed is the stop key or the second stop key; an
    // all-zero stop key is none.
    static bool IsStopKey(ConstBytes table, const KeyCombination& pressed);

    // A recording that was (re)started (798 = 1) forgets the last one: its
    // timing, its pointer, its window frame. 798 goes back to 0.
    void FollowStart(Bytes table);

    // A key the user pressed that reaches the window; held: the modifiers
    // held with it, character: what the layout makes it type (0 none).
    void Key(CaptureText& out, ConstBytes table, std::uint16_t vk, const KeyCombination& held,
             std::uint8_t character, const KeyLayout& layout, std::uint32_t time);
    // Alt went up; lone: nothing was pressed while it was held.
    void AltReleased(CaptureText& out, ConstBytes table, bool lone, std::uint32_t time);
    // button 1 left, 2 right, 3 middle.
    void Button(CaptureText& out, ConstBytes table, std::uint8_t button, bool up,
                const PointerPlace& place, std::uint32_t time);
    // The pointer moved: written only when whole moves are recorded, at most
    // one every MoveIntervalMs.
    void Moved(CaptureText& out, ConstBytes table, const PointerPlace& place, std::uint32_t time);

    static constexpr std::uint32_t MoveIntervalMs = 50;

  private:
    void Delay(CaptureText& out, ConstBytes table, std::uint32_t time);
    void Move(CaptureText& out, ConstBytes table, const PointerPlace& place);

    std::optional<std::uint32_t> lastTime_;
    std::optional<PointerPlace> lastPlace_;
    std::uint32_t lastMoveTime_ = 0;
    bool frameWritten_ = false;
    // The token of each virtual key that types no character, or empty.
    std::array<std::string_view, 256> keyTokens_{};
};

}  // namespace orv
