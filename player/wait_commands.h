// The waits of a running macro: for a window title to come or to lose the
// focus, for a program to end, for a mouse click, a key or a typed text, and
// for the foreground program to have processed the macro's input. The hook
// library reports the clicks, keys and characters while the hook table's
// wait byte asks for them; every wait gives its byte back on every way out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/hook_table.h"
#include "player/command_context.h"
#include "player/window_commands.h"

namespace orv::player {

class WaitSignals {
  public:
    virtual ~WaitSignals() = default;
    // The byte set or cleared and handed to the hook library.
    virtual void SetWaitByte(WaitByte which, bool on) = 0;
    virtual bool WaitByteSet(WaitByte which) = 0;
    virtual WindowId ForegroundWindow() = 0;
    virtual std::string Title(WindowId window) = 0;
    // A running process's name holds this (upper-cased) name.
    virtual bool ProgramRunning(std::string_view name) = 0;
    // The running-program list kept fresh while a wait for a program's end runs.
    virtual void SetProgTermTimer(bool on) = 0;
    // Bounds the wait for processed input: its tick clears that byte.
    virtual void StartClearWaitTimer() = 0;
};

// What the hook library has reported since a wait began; kept by the main
// window's handlers of its messages.
struct WaitEvents {
    std::array<bool, 4> ClickSeen{};  // by button: 1 left, 2 right, 3 middle
    std::uint32_t LastKeySeen = 0;
    std::string TypedText;
    std::size_t WaitTextLength = 0;

    void Click(std::uint32_t button) {
        if (button >= 1 && button <= 3)
            ClickSeen[button] = true;
    }
    // Kind 1 empties the text; Backspace takes the last character back; any
    // other character is added, keeping the last WaitTextLength ones.
    void WaitTextChar(std::uint32_t kind, unsigned char character);
};

// A key of the key wait: its virtual key and its name; none for a number
// outside 0..53.
struct WaitKey {
    std::uint8_t VirtualKey;
    std::string Name;
};
std::optional<WaitKey> WaitKeyOf(std::int64_t number);

class WaitCommands final : public CommandFamily {
  public:
    static constexpr std::uint8_t MarkerKey = 0x2B;

    WaitCommands(WaitSignals& signals, WindowCommands& windows)
        : signals_(signals), windows_(windows) {}

    Flow Perform(CommandContext& context) override;
    // "<WAITPB>": until the foreground program has been handed every input
    // the run played so far. Dialogs wait for it too before they take the
    // focus, or the last keys typed would land in them.
    void WaitWhileBusy(Playback& play);

    WaitEvents Events;

  private:
    // Waits until done holds, the minutes (0: no limit) have passed (the
    // notice, then the abort) or the run is aborted.
    void TimedWait(Playback& play, std::int64_t minutes, const std::function<bool()>& done,
                   std::string_view caption, std::string_view what);
    // The command's wait ended with its time-out notice.
    bool timedOut_ = false;

    WaitSignals& signals_;
    WindowCommands& windows_;
};

}  // namespace orv::player
