// Window and program activation: a window coming to the front runs the
// macros scoped to its title, and the hook library is kept told of the
// foreground program and of the programs that run.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "common/hook_library.h"
#include "common/hook_table.h"
#include "common/macro_library.h"
#include "common/settings.h"
#include "player/interpreter.h"
#include "player/run_dispatch.h"

namespace orv::player {

class Activation {
  public:
    // The player's own program: its windows are never the last foreign one.
    static constexpr std::string_view PlayerProgram = "TAVROL.EXE";

    Activation(const SettingsBlock& settings, HookTable& table, HookLibrary& hooks,
               const MacroLibrary& library, Interpreter& interpreter, RunDispatch& dispatch,
               PlayerDesk& desk)
        : settings_(settings),
          table_(table),
          hooks_(hooks),
          library_(library),
          interpreter_(interpreter),
          dispatch_(dispatch),
          desk_(desk) {}

    // The hook library saw this window come to the front.
    void WindowActivated(std::uint32_t window);
    // Plays, one after another, every enabled window-activation macro whose
    // scope text the window's title holds, while the window stays in front
    // and the player is free.
    void CheckForWindowMacros(std::uint32_t window, std::string_view title);
    // The running programs handed to the hook library; when their number
    // changed and the settings ask for it, the hooks are put back in front.
    void SetRunningProgs();
    // The keyboard and mouse hooks installed anew; not during a run.
    void TestHooks();

    // Removes and installs the keyboard and the mouse hook.
    std::function<void()> ReinstallHooks;
    // A second TestHooks a few seconds later, once.
    std::function<void()> StartHookTimer;

    std::uint32_t LastTitledWindow = 0;
    std::uint32_t LastForeignWindow = 0;

  private:
    const SettingsBlock& settings_;
    HookTable& table_;
    HookLibrary& hooks_;
    const MacroLibrary& library_;
    Interpreter& interpreter_;
    RunDispatch& dispatch_;
    PlayerDesk& desk_;
    // The last window of another program reported in front, titled or not.
    std::uint32_t lastForeignFront_ = 0;
};

}  // namespace orv::player
