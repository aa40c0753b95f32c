// Windows 7 and later remove a low-level hook that times out repeatedly and
// tell nobody ("there is no way for the application to know"). The hook
// thread finds out from the system's input clock (GetLastInputInfo): when it
// moves on while the hooks have seen nothing, they are installed again.
#pragma once

#include <cstdint>

namespace orv {

class HookWatch {
  public:
    // How often the hook thread compares the clocks.
    static constexpr std::uint32_t CheckIntervalMs = 2000;
    // Input younger than this may still be on its way to the hooks.
    static constexpr std::uint32_t InFlightMs = 500;

    // A hook procedure saw an event, or the hooks were installed, at now
    // (tick count).
    void Seen(std::uint32_t now) { lastSeen_ = now; }

    // At a check: lastInput the system's last input, now the tick count. True
    // when the system has had input since the hooks saw any, long enough ago
    // to have reached them. The caller installs them again (and calls Seen).
    bool HooksLost(std::uint32_t lastInput, std::uint32_t now) const {
        // Differences of tick counts, so the 49-day wrap changes nothing.
        const auto after = [](std::uint32_t a, std::uint32_t b) {
            return static_cast<std::int32_t>(a - b) > 0;
        };
        return after(lastInput, lastSeen_) && !after(lastInput + InFlightMs, now);
    }

  private:
    std::uint32_t lastSeen_ = 0;
};

}  // namespace orv
