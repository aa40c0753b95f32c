// The waits' side of the player's main window: the hook table's wait bytes
// handed to the hook library, the foreground window, the live process list,
// and the two timers that bound the waits.
#pragma once

#include <windows.h>

#include <functional>

#include "common/hook_library.h"
#include "player/wait_commands.h"

namespace orv::player {

class Win32WaitSignals final : public WaitSignals {
  public:
    static constexpr UINT_PTR ClearWaitTimerId = 10;
    static constexpr UINT_PTR ProgTermTimerId = 11;

    Win32WaitSignals(HookTable& table, HookLibrary& hooks) : table_(table), hooks_(hooks) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    void SetWaitByte(WaitByte which, bool on) override;
    bool WaitByteSet(WaitByte which) override;
    WindowId ForegroundWindow() override;
    std::string Title(WindowId window) override;
    bool ProgramRunning(std::string_view name) override;
    void SetProgTermTimer(bool on) override;
    void StartClearWaitTimer() override;

    // ProgramMessage::InputProcessed: the marker has passed all input played before it. The byte
    // goes to the hook library too, or it would take the run's end marker
    // for another answer.
    void ClearWaitFlag();
    // The main window's timers of the waits; false for other timers.
    bool OnTimer(UINT_PTR id);

    // Each tick of ProgTermTimer, which runs while a macro waits for a
    // program to end: the running-program list is made afresh.
    std::function<void()> ProgTermTimerTick;

  private:
    HWND owner_ = nullptr;
    HookTable& table_;
    HookLibrary& hooks_;
};

}  // namespace orv::player
