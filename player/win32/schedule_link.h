// The scheduler on the main window: its tick timer, the start-up timer, and
// what the scheduler asks of the player.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/hook_library.h"
#include "common/macro_library.h"
#include "player/run_dispatch.h"
#include "player/schedule.h"

namespace orv::player {

class ScheduleLink final : public ScheduleHost {
  public:
    ScheduleLink(const SettingsBlock& settings, HookTable& table, HookLibrary& hooks,
                 const MacroLibrary& library, RunDispatch& dispatch, PlayerDesk& desk);

    // At start: the tick length is fixed from "Timer Seconds" for the
    // player's life, the table is built, and five seconds later the start-up
    // macros run.
    void Start(HWND owner, bool startupRequest, std::string startupNickname);
    // Rebuilds the table; the tick runs only while rows exist.
    void CheckAndSetTime();
    void ClearScheduleDone() { scheduler_.ClearScheduleDone(); }
    // True when the timer was one of the scheduler's.
    bool OnTimer(WPARAM id);
    void Stop();

    // The alarm; a test or the sound commands may put another in its place.
    std::function<bool(const std::string& file, bool wait)> PlayWave;

    // ScheduleHost
    bool ReadMacroRecord(int n, MacroRecord& out) override;
    bool MayStartRun() override;
    bool ActivateIt(std::string_view titlePart) override;
    bool ActivateProg(std::string_view name) override;
    void DoWave(const std::string& file, bool wait) override;
    void RunUnattended(int n, const MacroRecord& record) override;
    void NoMacroNamed(std::string_view nickname) override;
    void RefreshIdle() override;
    void PushIdle() override;

  private:
    const SettingsBlock& settings_;
    HookTable& table_;
    HookLibrary& hooks_;
    const MacroLibrary& library_;
    RunDispatch& dispatch_;
    PlayerDesk& desk_;
    Scheduler scheduler_;
    HWND owner_ = nullptr;
    UINT tickMs_ = 10'000;
    bool startupRequest_ = false;
    std::string startupNickname_;
};

}  // namespace orv::player
