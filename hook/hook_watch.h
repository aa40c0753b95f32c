// Windows 7 and later remove a low-level hook that times out repeatedly and
// tell nobody ("there is no way for the application to know"). The hook
// thread finds out from input the hooks should have seen and did not: when
// that input's clock moves on while the hooks have seen nothing, they are
// installed again.
#pragma once

#include <cstdint>

namespace orv {

// Which low-level hooks are in: the keyboard hook is in whenever the mouse
// hook is.
enum class HookedInput { Keys, KeysAndMouse };

class HookWatch {
  public:
    // How often the hook thread compares the clocks.
    static constexpr std::uint32_t CheckIntervalMs = 2000;
    // Input younger than this may still be on its way to the hooks.
    static constexpr std::uint32_t InFlightMs = 500;

    // A hook procedure saw an event, or the hooks were installed, at now
    // (tick count). A key input not after it was seen too.
    void Seen(std::uint32_t now) {
        lastSeen_ = now;
        if (!After(keyInput_, now))
            keyInput_ = now;
    }

    // The system had key input at (its own time stamp, never later than the
    // keyboard hook's call for it).
    void KeyInput(std::uint32_t at) {
        if (After(at, keyInput_))
            keyInput_ = at;
    }

    // At a check: lastInput the system's last input of any kind, now the tick
    // count. True when the system has had input the installed hooks see since
    // they saw any, long enough ago to have reached them: with the keyboard
    // hook alone, key input only (the system's clock moves with the mouse
    // too). The caller installs them again (and calls Seen).
    bool HooksLost(HookedInput hooked, std::uint32_t lastInput, std::uint32_t now) const {
        const std::uint32_t input = hooked == HookedInput::KeysAndMouse ? lastInput : keyInput_;
        return After(input, lastSeen_) && !After(input + InFlightMs, now);
    }

  private:
    // Differences of tick counts, so the 49-day wrap changes nothing.
    static bool After(std::uint32_t a, std::uint32_t b) {
        return static_cast<std::int32_t>(a - b) > 0;
    }

    std::uint32_t lastSeen_ = 0;
    std::uint32_t keyInput_ = 0;
};

}  // namespace orv
