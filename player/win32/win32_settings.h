// System settings for the session, and the hooks installed afresh by the
// player's main window.
#pragma once

#include <functional>

#include "player/settings_commands.h"

namespace orv::player {

class Win32Settings final : public SettingsHost {
  public:
    void SetSystemParameter(std::uint32_t parameter, std::uint32_t value) override;
    void ReinstallHooks() override {
        if (OnReinstallHooks)
            OnReinstallHooks();
    }

    std::function<void()> OnReinstallHooks;
};

}  // namespace orv::player
